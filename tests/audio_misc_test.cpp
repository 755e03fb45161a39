#include <gtest/gtest.h>

#include <map>
#include <pugixml.hpp>
#include <sstream>
#include <string>

#include "TarinTranslator/platform_xml/AudioMisc.h"
#include "TarinTranslator/platform_xml/Sections.h"

namespace tarin {
namespace {

constexpr uint32_t kClassic = 0;
constexpr uint32_t kHazard = 146;
constexpr uint32_t kVrMobile = 151;
const uint32_t kEveryGroupCode[] = {0, 7, 146, 199, 265, 151, 153, 272, 273};

constexpr unsigned kParseOptions =
    pugi::parse_cdata | pugi::parse_escapes | pugi::parse_eol | pugi::parse_wnorm_attribute;

// Sets the thread's radio type for one test and restores it afterwards.
class RadioType {
  public:
    explicit RadioType(uint32_t code) : saved_(currentRadioType()) { currentRadioType() = code; }
    ~RadioType() { currentRadioType() = saved_; }

  private:
    uint32_t saved_;
};

template <class R, class Writer>
std::wstring textOf(const R& rec, Writer write, bool xml) {
    std::wostringstream os;
    if (xml) os << XmlMode(true);
    write(os, rec);
    return os.str();
}

// Loads section text the way documents are loaded and returns its first element.
pugi::xml_node load(pugi::xml_document& doc, const std::string& utf8) {
    EXPECT_TRUE(doc.load_buffer(utf8.data(), utf8.size(), kParseOptions));
    return doc.first_child();
}
pugi::xml_node load(pugi::xml_document& doc, const std::wstring& text) {
    return load(doc, pugi::as_utf8(text));
}

// An audioConfig whose voiceAnnunciation has `attrs` and `children`.
std::string voiceXml(const std::string& attrs, const std::string& children = "") {
    return "<audioConfig><voiceAnnunciation " + attrs + ">" + children +
           "</voiceAnnunciation></audioConfig>";
}
const std::string kVoiceRequired =
    "priority='0' minVolume='0' CRCKey='0' audio_config_file_name='' ";

bool readXml(const std::string& xml, AudioConfig& audio) {
    pugi::xml_document doc;
    return readAudioConfig(load(doc, xml), audio);
}

// Non-default values in every field that the code's audioConfig carries; the others keep
// their constructed values. The classic codes read every microphone with ALC level 0 and
// ALC maximum gain 6, and an output's func is its position, so those hold such values.
AudioConfig filledAudio(uint32_t code) {
    AudioConfig a;
    a.speakerMode = a.pttMode = a.noiseCancellation = a.noiseCancellationType = a.tones = 1;
    a.mobileMasterMode = 0;
    a.mobileInternalSpkr = 1;
    a.cctTimer = 345;
    a.minVol = 17;
    a.alternateEmergencyTone = 1;
    a.microphones[kMicInternal] = {1, -11, 0, 6};
    a.microphones[kMicExternal] = {1, 10, 0, 6};
    if (!isVrMobileCode(code)) a.pttAudio = 1;
    if (isHazardCode(code)) {
        a.echoReduction = a.accessoryConnRadioPTTEcho = a.esmBackMicSelection = 1;
        a.dualSpeakerModeType = 3;
        a.NFPA1802EmergencyTone = a.outOfRangeNFPATone = 1;
        a.NFPA1802EmergencyToneDuration = 9;
        a.outOfRangeNFPAMinVolume = 10;
    }
    if (isExtendedCode(code)) {
        a.microphones[kMicInternal] = {1, -11, -10, 12};
        a.microphones[kMicExternal] = {1, 10, 9, 11};
        a.microphones[kMicBluetooth] = {1, -15, 8, 7};
        a.enable = 1;
        a.priority = 5;
        a.vaQueueTimer = 7;
        a.minVolume = 11;
        a.maxVolume = 16;
        a.CRCKey = 4000000000u;
        a.audio_config_file_name = L"<a&b> 'c' \"d\" é Ж";
        a.mapping = {{0, {200, 60000}}, {1, {3, 1}}};
        a.VATone = {{0, {23, 4999, 18}}, {1, {0, 16, 1}}};
    }
    if (isVrMobileCode(code)) {
        a.microphones[kMicMobileIn] = {1, 5, 0, 4};
        a.microphones[kMicMobileUsbIn] = {1, -6, 0, 3};
        a.audioEioOutputs[0] = {0, 1, 2, 1};
        a.audioEioOutputs[1] = {1, 1, 1, 1};
    }
    return a;
}

MiscConfig filledMisc(uint32_t code) {
    MiscConfig m;
    m.topDisplay = {10, 2, 2, 60};
    m.frontDisplay = {0, 5, 1};
    m.enableTriColorLed = 0;
    m.topColorInvert = 1;
    m.batteryType = 5;
    m.password = L"<&>'\"é";
    m.maintenancePassword = L"Ж'x\"y&z<>";
    m.mobileTopLevelMenu = m.keypadTones = 1;
    if (isClassicCode(code)) m.p25Optimize = 1;
    if (isExtendedCode(code)) {
        m.enableStatusBasedLighting = m.enableSystemDCELookup = 0;
        m.enableSystemLIDDisplay = 2;
        m.hideSystems = m.enableSystemTopDisplay = m.followNFPALedIndication = 1;
        m.flashBLOutOfRange = m.twoActionPowerOff = 1;
        m.transBLTimeout = 1;
        m.recvBLTimeout = 2;
        m.emerRecvBLTimeout = 3;
        m.overTemperatureBLTimeout = 4;
        m.outOfRangeBLTimeout = 5;
        m.fsmFailureBLTimeout = 6;
        m.emerClearDelay = -123456;
        m.emerCancelationDelay = 4294967295u;
        m.emergencyMinVolume = 7;
        m.RadioOTVA = 5000;
        m.RadioLongExposureOTVA = 4999;
        m.RSMLongExposureOTVA = 1;
    }
    if (isVrMobileCode(code)) m.frontFpDayNightMode = 1;
    if (isHazardCode(code)) m.highPowerEmergency = 1;
    return m;
}

// ---- audioConfig text ------------------------------------------------------------------

const std::wstring kAudioHeadCommon =
    L"<audioConfig\n   speakerMode='ON'\n   pttMode='ON'\n   noiseCancellation='ON'\n"
    L"   noiseCancellationType='ALG_B'\n   tones='ON'\n";
const std::wstring kAudioHazardAttrs =
    L"   echoReduction='ON'\n   accessoryConnRadioPTTEcho='ON'\n   esmBackMicSelection='ON'\n"
    L"   dualSpeakerModeType='ALLPASS'\n";
const std::wstring kAudioMiddle =
    L"   mobileMasterMode='OFF'\n   mobileInternalSpkr='ON'\n   cctTimer='345'\n   minVol='17'\n";
const std::wstring kAudioNfpa =
    L"   NFPA1802EmergencyTone='ON'\n   NFPA1802EmergencyToneDuration='9'\n"
    L"   outOfRangeNFPATone='ON'\n   outOfRangeNFPAMinVolume='10'\n";
const std::wstring kExtendedMics =
    L"   <microphone\n      micType='INTERNAL'\n      alc='ON'\n      gain='-11'\n"
    L"      alcLevel='-10'\n      alcMaxGain='12'\n    />\n"
    L"   <microphone\n      micType='EXTERNAL'\n      alc='ON'\n      gain='10'\n"
    L"      alcLevel='9'\n      alcMaxGain='11'\n    />\n"
    L"   <microphone\n      micType='BLUETOOTH'\n      alc='ON'\n      gain='-15'\n"
    L"      alcLevel='8'\n      alcMaxGain='7'\n    />\n";
const std::wstring kMappings =
    L"<mapping\n   keyCode='200'\n   VAFileIndex='60000'\n    />\n"
    L"<mapping\n   keyCode='3'\n   VAFileIndex='1'\n    />\n";
const std::wstring kVoice =
    L"<voiceAnnunciation\n   enable='ON'\n   priority='5'\n   vaQueueTimer='7'\n"
    L"   minVolume='11'\n   maxVolume='16'\n   CRCKey='4000000000'\n"
    L"   audio_config_file_name='&lt;a&amp;b&gt; &apos;c&apos; &quot;d&quot; é Ж'\n >\n" +
    kMappings +
    L"<VATone\n tone ='TONEID_CALL_DENIED'\n vaIndex='4999'\n minVolume='18'\n />\n"
    L"<VATone\n tone ='TONEID_LOWBAT'\n vaIndex='16'\n minVolume='1'\n />\n"
    L"</voiceAnnunciation>\n";

// The classic codes write two microphones and nothing extended; the hazard codes add
// their attributes, the emergency tones, the Bluetooth microphone and voice annunciation;
// the VR-mobile codes add the mobile microphones and the outputs, which are written from
// their position whatever func they hold.
TEST(AudioConfigTest, XmlAndSummaryPerGroup) {
    const std::wstring head =
        L"{ Speaker: 1, PTT: 1, Noise Cancellation: 1, Noise Cancellation Type: ALG_B";
    const std::wstring rest =
        L", ALC: 1, Aux ALC: 1, Tones: 1, Master Mode: 0  Internal Speaker: 1, CCT Timer: 345, "
        L"Min Volume: 17, PTT Options: ";
    const std::wstring gains = L", Alternate Emergency Tone: 1, Mic Gain: -11, Aux Mic Gain: 10";
    const std::wstring extended =
        L", Alc Level: -10, Aux Alc Level: 9, Alc Max Gain: 12, Aux Alc Max Gain: 11, "
        L"Bluetooth ALC: 1, Bluetooth Max Gain: 7, Bluetooth Alc Level: 8, Bluetooth Mic Gain: -15";
    const std::wstring voice =
        L"{ enable: 1, priority: 5, vaQueueTimer: 7, minVolume: 11, maxVolume: 16, "
        L"CRCKey: 4000000000, audio_config_file_name: <a&b> 'c' \"d\" é Ж}" +
        kMappings;
    const struct {
        uint32_t code;
        std::wstring xml, summary;
    } cases[] = {
        {kClassic,
         kAudioHeadCommon + kAudioMiddle +
             L"   pttAudio='ACCESSORY_ONLY'\n   alternateEmergencyTone='ON'\n >\n"
             L"   <microphone\n      micType='INTERNAL'\n      alc='ON'\n      gain='-11'\n"
             L"    />\n"
             L"   <microphone\n      micType='EXTERNAL'\n      alc='ON'\n      gain='10'\n"
             L"    />\n"
             L"</audioConfig>\n",
         head + rest + L"ACCESSORY_ONLY" + gains + L"}"},
        {kHazard,
         kAudioHeadCommon + kAudioHazardAttrs + kAudioMiddle +
             L"   pttAudio='ACCESSORY_ONLY'\n   alternateEmergencyTone='ON'\n" + kAudioNfpa +
             L" >\n" + kExtendedMics + kVoice + L"</audioConfig>\n",
         head + L",  echoReduction: ON'\n,   accessoryConnRadioPTTEcho: ON'\n" + rest +
             L"ACCESSORY_ONLY" + gains + extended + L"}" + voice},
        {kVrMobile,
         kAudioHeadCommon + kAudioMiddle + L"   alternateEmergencyTone='ON'\n >\n" + kExtendedMics +
             L"   <microphone\n      micType='MOBILEMICIN'\n      alc='ON'\n      gain='5'\n"
             L"      alcMaxGain='4'\n    />\n"
             L"   <microphone\n      micType='MOBILEUSBMICIN'\n      alc='ON'\n"
             L"      gain='-6'\n      alcMaxGain='3'\n    />\n" +
             kVoice +
             L"<audioEioOutputCfg>\n"
             L"<audioEioOutput\n   func='AUDIO_EIO_OUT_FUNC_EXTERNAL_SPEAKER'\n"
             L"   enable='ON'\n   output_name='ExtIoOut3'\n"
             L"   sense='EIO_OUT_SENSE_ACTIVE_HI'\n    />\n"
             L"<audioEioOutput\nfunc='AUDIO_EIO_OUT_FUNC_PUBLIC_ADDRESS'\n"
             L"   enable='ON'\n   output_name='ExtIoOut2'\n"
             L"   sense='EIO_OUT_SENSE_ACTIVE_HI'\n    />\n"
             L"</audioEioOutputCfg>\n</audioConfig>\n",
         head + rest + L"RADIO_ACCESSORY" + gains + extended +
             L", Microphone In ALC: 1, Microphone In Max Gain: 4, "
             L"Microphone In Mic Gain: 5, USB Mic In ALC: 1, USB Mic In Max Gain: 3, "
             L"USB Mic In Mic Gain: -6}" +
             voice +
             L"{ func : 0, enable: 1, output_name: 2, sense: 1}"
             L"{ func : 1, enable: 1, output_name: 1, sense: 1}"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        RadioType type(c.code);
        AudioConfig audio = filledAudio(c.code);
        EXPECT_EQ(textOf(audio, writeAudioConfig, false), c.summary);
        std::swap(audio.audioEioOutputs[0].func, audio.audioEioOutputs[1].func);
        EXPECT_EQ(textOf(audio, writeAudioConfig, true), c.xml);
    }
}

TEST(AudioMiscTest, RoundTripForEveryCode) {
    for (uint32_t code : kEveryGroupCode) {
        SCOPED_TRACE(code);
        RadioType type(code);
        const AudioConfig audio = filledAudio(code);
        const MiscConfig misc = filledMisc(code);
        pugi::xml_document doc;
        AudioConfig audioBack;
        ASSERT_TRUE(readAudioConfig(load(doc, textOf(audio, writeAudioConfig, true)), audioBack));
        EXPECT_EQ(audioBack, audio);
        MiscConfig miscBack;
        ASSERT_TRUE(readMiscConfig(load(doc, textOf(misc, writeMiscConfig, true)), miscBack));
        EXPECT_EQ(miscBack, misc);
    }
}

// ---- audioConfig reading ---------------------------------------------------------------

// Each microphone read goes to its own field and starts from a fresh one; a bad one ends
// the loop without failing, at most five are read, the classic codes take no ALC level or
// maximum gain and the mobile microphones no ALC level. Unread microphones keep theirs.
TEST(AudioConfigTest, MicrophonesReadIntoTheirOwnFields) {
    const Microphone kept{0, 7, 5, 9};
    std::string sixMics;
    for (int i = 0; i < 5; ++i) sixMics += "<microphone micType='INTERNAL' alc='ON' gain='1'/>";
    sixMics += "<microphone micType='INTERNAL' alc='ON' gain='9' alcLevel='3' alcMaxGain='1'/>";
    const struct {
        uint32_t code;
        std::string children;
        std::map<int, Microphone> read;
    } cases[] = {
        {kHazard,
         "<microphone micType='EXTERNAL' alc='ON' gain='3'/>"
         "<microphone micType='INTERNAL' alc='ON' alcLevel='-2'/>"
         "<microphone micType='BLUETOOTH' alc='OFF' gain='15'/>",
         {{kMicExternal, {1, 3, 0, 6}},
          {kMicInternal, {1, 0, -2, 6}},
          {kMicBluetooth, {0, 15, 0, 6}}}},
        {kVrMobile,
         "<microphone micType='MOBILEUSBMICIN' alc='ON' alcLevel='3'/>",
         {{kMicMobileUsbIn, {1, 0, 0, 6}}}},
        {kHazard,
         "<microphone micType='INTERNAL' alc='ON' gain='2'/>"
         "<microphone micType='EXTERNAL' alc='ON' gain='15'/>"
         "<microphone micType='BLUETOOTH' alc='ON' gain='4'/>",
         {{kMicInternal, {1, 2, 0, 6}}}},
        {kClassic, sixMics, {{kMicInternal, {1, 1, 0, 6}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.children);
        RadioType type(c.code);
        AudioConfig audio;
        for (int mic : {kMicInternal, kMicExternal, kMicBluetooth}) audio.microphones[mic] = kept;
        const AudioConfig before = audio;
        ASSERT_TRUE(readXml("<audioConfig>" + c.children + "</audioConfig>", audio));
        for (int mic = 0; mic < static_cast<int>(kMicCount); ++mic)
            EXPECT_EQ(audio.microphones[mic],
                      c.read.contains(mic) ? c.read.at(mic) : before.microphones[mic])
                << mic;
    }
}

TEST(AudioConfigTest, TopLevelAttributesAreTolerantAndTheCheckDecides) {
    RadioType type(kClassic);
    AudioConfig audio;
    audio.cctTimer = 20;
    audio.minVol = 5;  // an empty value is present and converts to 0
    EXPECT_TRUE(
        readXml("<audioConfig speakerMode='maybe' cctTimer='361' tones='ON' minVol=''/>", audio));
    EXPECT_EQ(audio.speakerMode, 0u);
    EXPECT_EQ(audio.cctTimer, 20u);
    EXPECT_EQ(audio.tones, 1u);
    EXPECT_EQ(audio.minVol, 0);

    EXPECT_FALSE(readXml("<audioConfig minVol='200'/>", audio));
    EXPECT_EQ(audio.minVol, 200);
    // Hazard-only attributes are not read for the classic codes.
    AudioConfig fresh;
    EXPECT_TRUE(readXml("<audioConfig echoReduction='ON'/>", fresh));
    EXPECT_EQ(fresh.echoReduction, 0u);
    EXPECT_TRUE(readAudioConfig(pugi::xml_node(), fresh));
}

TEST(AudioConfigTest, MaxVolumeFortyMeansZero) {
    RadioType type(kVrMobile);
    AudioConfig audio;
    EXPECT_TRUE(readXml(voiceXml(kVoiceRequired + "enable='OFF' maxVolume='40'"), audio));
    EXPECT_EQ(audio.maxVolume, 0);
    EXPECT_TRUE(readXml(voiceXml(kVoiceRequired + "enable='OFF' maxVolume='18'"), audio));
    EXPECT_FALSE(readXml(voiceXml(kVoiceRequired + "enable='OFF' maxVolume='19'"), audio));
    audio.maxVolume = 40;
    EXPECT_TRUE(readXml(voiceXml(kVoiceRequired + "enable='OFF'"), audio));
    EXPECT_EQ(audio.maxVolume, 0);
}

TEST(AudioConfigTest, VaTonesTakeAnyBaseAndDropBadEntries) {
    RadioType type(kHazard);
    AudioConfig audio;
    audio.VATone = {{0, {1, 1, 1}}};
    ASSERT_TRUE(
        readXml(voiceXml(kVoiceRequired + "enable='OFF'",
                         "<VATone tone='TONEID_AUTOKEY' vaIndex='0x10' minVolume='010'/>"
                         "<VATone tone='TONEID_NONE' vaIndex='1' minVolume='1'/>"
                         "<VATone tone='TONEID_LOWBAT' vaIndex='1' minVolume='19'/>"
                         "<VATone tone='TONEID_CALL_DENIED' vaIndex='5000' minVolume='18'/>"),
                audio));
    EXPECT_EQ(audio.VATone, (VaToneMap{{0, {6, 16, 8}}, {1, {23, 5000, 18}}}));
    // Without VATone children the list stays.
    ASSERT_TRUE(readXml(voiceXml(kVoiceRequired + "enable='OFF'"), audio));
    EXPECT_EQ(audio.VATone.size(), 2u);
}

TEST(AudioConfigTest, MappingsFailTheSectionOnlyWhenEnabled) {
    RadioType type(kHazard);
    const std::string mapping = "<mapping keyCode='5' VAFileIndex='6'/>";
    const VaMappingMap kept = {{4, {9, 9}}};
    AudioConfig audio;
    audio.mapping = kept;
    // Switched off, good mappings are kept as read, and bad or absent ones change nothing.
    ASSERT_TRUE(readXml(voiceXml(kVoiceRequired + "enable='OFF'",
                                 mapping + "<mapping keyCode='256' VAFileIndex='2'/>"),
                        audio));
    EXPECT_EQ(audio.mapping, kept);
    ASSERT_TRUE(readXml(voiceXml(kVoiceRequired + "enable='OFF'"), audio));
    EXPECT_EQ(audio.mapping, kept);
    ASSERT_TRUE(readXml(voiceXml(kVoiceRequired + "enable='OFF'", mapping), audio));
    EXPECT_EQ(audio.mapping, (VaMappingMap{{0, {5, 6}}}));
    ASSERT_TRUE(readXml(voiceXml(kVoiceRequired + "enable='ON'"), audio));
    EXPECT_TRUE(audio.mapping.empty());
    EXPECT_FALSE(readXml(
        voiceXml(kVoiceRequired + "enable='ON'", "<mapping keyCode='256' VAFileIndex='2'/>"),
        audio));

    // A bad attribute fails the section, and reading goes on except for the VATone entries.
    audio.VATone = {{0, {1, 1, 1}}};
    EXPECT_FALSE(
        readXml(voiceXml("enable='ON' priority='7' minVolume='3' CRCKey='0' "
                         "audio_config_file_name='f'",
                         mapping + "<VATone tone='TONEID_LOWBAT' vaIndex='1' minVolume='1'/>"),
                audio));
    EXPECT_EQ(audio.minVolume, 3);
    EXPECT_EQ(audio.audio_config_file_name, L"f");
    EXPECT_EQ(audio.mapping, (VaMappingMap{{0, {5, 6}}}));
    EXPECT_EQ(audio.VATone, (VaToneMap{{0, {1, 1, 1}}}));
    // A required attribute missing fails it too.
    EXPECT_FALSE(readXml(voiceXml("enable='OFF' priority='0' minVolume='0' CRCKey='0'"), audio));
}

TEST(AudioConfigTest, OutputsAreStoredByFunctionAndABadOneEndsTheWalk) {
    const char* good =
        "<audioEioOutput func='AUDIO_EIO_OUT_FUNC_PUBLIC_ADDRESS' enable='ON' "
        "output_name='ExtIoOut3' sense='EIO_OUT_SENSE_ACTIVE_HI'/>";
    const char* bad =
        "<audioEioOutput func='AUDIO_EIO_OUT_FUNC_EXTERNAL_SPEAKER' enable='ON' "
        "output_name='ExtIoOut4' sense='EIO_OUT_SENSE_ACTIVE_HI'/>";
    const char* speaker =
        "<audioEioOutput func='AUDIO_EIO_OUT_FUNC_EXTERNAL_SPEAKER' enable='OFF' "
        "output_name='ExtIoOut2' sense='EIO_OUT_SENSE_ACTIVE_LO'/>";
    auto readOutputs = [](std::initializer_list<const char*> outputs) {
        std::string xml = "<audioConfig><audioEioOutputCfg>";
        for (const char* output : outputs) xml += output;
        xml += "</audioEioOutputCfg></audioConfig>";
        AudioConfig audio;
        audio.audioEioOutputs[0].enable = 1;
        EXPECT_TRUE(readXml(xml, audio));
        return audio;
    };
    const AudioEioOutput publicAddress{1, 1, 2, 1};
    const AudioEioOutput untouched{0, 1, 0, 0};
    for (uint32_t code : {kHazard, kVrMobile}) {
        RadioType type(code);
        AudioConfig audio = readOutputs({good, speaker});
        EXPECT_EQ(audio.audioEioOutputs[0], (AudioEioOutput{0, 0, 1, 0}));
        EXPECT_EQ(audio.audioEioOutputs[1], publicAddress);
        audio = readOutputs({good, bad, speaker});
        EXPECT_EQ(audio.audioEioOutputs[0], untouched);
        EXPECT_EQ(audio.audioEioOutputs[1], publicAddress);
        audio = readOutputs({good, good, speaker});  // at most two
        EXPECT_EQ(audio.audioEioOutputs[0], untouched);
    }
    RadioType type(kClassic);
    AudioConfig audio = readOutputs({good});
    EXPECT_EQ(audio.audioEioOutputs[1], AudioEioOutput{});
}

TEST(AudioConfigTest, ValidationRanges) {
    EXPECT_TRUE(validateAudioConfig(AudioConfig{}));
    const std::pair<void (*)(AudioConfig&), bool> changes[] = {
        {[](AudioConfig& a) { a.microphones[kMicBluetooth].gain = 16; }, true},
        {[](AudioConfig& a) { a.microphones[kMicMobileIn].alcLevel = 99; }, true},  // has none
        {[](AudioConfig& a) { a.microphones[kMicInternal].gain = 13; }, false},
        {[](AudioConfig& a) { a.audioEioOutputs[1].output_name = 3; }, false},
        {[](AudioConfig& a) { a.outOfRangeNFPAMinVolume = 8; }, false},
        // Voice annunciation is judged by the reader alone.
        {[](AudioConfig& a) { a.priority = 99; }, true},
    };
    for (std::size_t i = 0; i < std::size(changes); ++i) {
        AudioConfig audio;
        changes[i].first(audio);
        EXPECT_EQ(validateAudioConfig(audio), changes[i].second) << i;
    }
    AudioConfig audio;
    audio.enable = 2;
    EXPECT_FALSE(validateVoiceAnnunciation(audio));
}

// ---- miscConfig ------------------------------------------------------------------------

const std::wstring kMiscHead =
    L"<miscConfig\n   password='&lt;&amp;&gt;&apos;&quot;é'\n"
    L"   maintenancePassword='Ж&apos;x&quot;y&amp;z&lt;&gt;'\n"
    L"   topFpMode='BL_ON'\n   topFpOrient='AUTO'\n   topFpIntensity='10'\n   topFpTimeout='60'\n"
    L"   frontFpMode='BL_AUTO'\n   frontFpIntensity='0'\n   frontFpTimeout='1'\n"
    L"   enableTriColorLed='OFF'\n";
const std::wstring kMiscExtendedTail =
    L"   enableSystemDCELookup='OFF'\n   hideSystems='ON'\n   enableSystemTopDisplay='ON'\n"
    L"   followNFPALedIndication='ON'\n   flashBLOutOfRange='ON'\n   transBLTimeout='1'\n"
    L"   recvBLTimeout='2'\n   emerRecvBLTimeout='3'\n   overTemperatureBLTimeout='4'\n"
    L"   outOfRangeBLTimeout='5'\n   fsmFailureBLTimeout='6'\n   emerClearDelay='-123456'\n"
    L"   emerCancelationDelay='4294967295'\n   emergencyMinVolume='7'\n"
    L"   twoActionPowerOff='ON'\n   RadioOTVA='5000'\n   RadioLongExposureOTVA='4999'\n"
    L"   RSMLongExposureOTVA='1'\n />\n";
const std::wstring kMiscStatusLighting =
    L"   enableStatusBasedLighting='OFF'\n   enableSystemLIDDisplay='ALIASNAME'\n";

TEST(MiscConfigTest, XmlAndSummaryPerGroup) {
    const std::wstring panels =
        L"{ Top Panel: { Backlight: BL_ON, Intensity: 10, Orientation: AUTO, Timeout: 60 }, "
        L"Front Panel: { Intensity: 0, Backlight: BL_AUTO, Timeout: 1 }, enableTriColorLed: 0\"";
    const std::wstring tail =
        L", topColorInvert: 1 \", Battery: SMART, Password: \"<&>'\"é\", "
        L"Maint. Password: \"Ж'x\"y&z<>\" }";
    const std::wstring extendedSummary =
        panels +
        L", enableStatusBasedLighting: 0\", "
        L"enableSystemLIDDisplay: 2\", enableSystemDCELookup: 0\"" +
        tail;
    const struct {
        uint32_t code;
        std::wstring xml, summary;
    } cases[] = {
        {kClassic,
         kMiscHead + L"   topColorInvert='ON'\n   batteryType='SMART'\n   p25Optimize='ON'\n"
                     L"   mobileTopLevelMenu='ON'\n   keypadTones='ON'\n />\n",
         panels + tail},
        {kHazard,
         kMiscHead + kMiscStatusLighting +
             L"   topColorInvert='ON'\n   batteryType='SMART'\n"
             L"   mobileTopLevelMenu='ON'\n   keypadTones='ON'\n   highPowerEmergency='ON'\n" +
             kMiscExtendedTail,
         extendedSummary},
        {kVrMobile,
         kMiscHead + kMiscStatusLighting +
             L"   topColorInvert='ON'\n   batteryType='SMART'\n   frontFpDayNightMode='DNM_NIGHT'\n"
             L"   mobileTopLevelMenu='ON'\n   keypadTones='ON'\n" +
             kMiscExtendedTail,
         extendedSummary},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        RadioType type(c.code);
        EXPECT_EQ(textOf(filledMisc(c.code), writeMiscConfig, true), c.xml);
        EXPECT_EQ(textOf(filledMisc(c.code), writeMiscConfig, false), c.summary);
    }
}

TEST(MiscConfigTest, AbsentAttributesKeepFieldsExceptKeypadTones) {
    RadioType type(kClassic);
    MiscConfig misc;
    EXPECT_EQ(textOf(misc, writeMiscConfig, true).rfind(L"<miscConfig\n   topFpMode=", 0), 0u)
        << "empty passwords write no attribute";
    misc.batteryType = 1;
    misc.keypadTones = 1;
    misc.password = L"kept";
    pugi::xml_document doc;
    ASSERT_TRUE(readMiscConfig(load(doc, "<miscConfig frontFpDayNightMode='DNM_DAY'/>"), misc));
    EXPECT_EQ(misc.keypadTones, 0u);
    EXPECT_EQ(misc.password, L"kept");
    EXPECT_EQ(misc.frontFpDayNightMode, 0u);

    misc.keypadTones = 1;
    EXPECT_TRUE(readMiscConfig(pugi::xml_node(), misc));
    EXPECT_EQ(misc.keypadTones, 0u);
    MiscConfig constructed;  // battery type UNKNOWN
    EXPECT_FALSE(readMiscConfig(pugi::xml_node(), constructed));
}

TEST(MiscConfigTest, ConversionFailuresAndRangesFailTheRead) {
    RadioType type(kClassic);
    auto readsBack = [](const char* xml) {
        MiscConfig misc;
        misc.batteryType = 1;
        pugi::xml_document doc;
        return readMiscConfig(load(doc, xml), misc);
    };
    EXPECT_FALSE(readsBack("<miscConfig topFpMode='BL_MOMENTARY_OFF'/>"));
    EXPECT_TRUE(readsBack("<miscConfig frontFpMode='BL_MOMENTARY_OFF'/>"));
    EXPECT_FALSE(readsBack("<miscConfig enableTriColorLed='on'/>"));
    EXPECT_FALSE(readsBack("<miscConfig topFpTimeout='0'/>"));
    EXPECT_FALSE(readsBack("<miscConfig topFpTimeout='61'/>"));
    EXPECT_FALSE(readsBack("<miscConfig batteryType='UNKNOWN'/>"));
    EXPECT_FALSE(readsBack("<miscConfig password='0123456789abcdef'/>"));
    EXPECT_TRUE(readsBack("<miscConfig password='0123456789abcde'/>"));
    EXPECT_FALSE(readsBack("<miscConfig RadioOTVA='5001'/>"));
    // Not read for the classic codes.
    EXPECT_TRUE(readsBack("<miscConfig highPowerEmergency='bad' emerClearDelay='x1'/>"));
}

TEST(MiscConfigTest, RadioTypeChecks) {
    MiscConfig misc;
    misc.batteryType = 1;
    misc.p25Optimize = 5;
    misc.enableSystemLIDDisplay = 3;
    pugi::xml_document doc;
    pugi::xml_node node = load(doc, "<miscConfig/>");
    EXPECT_TRUE(validateMiscConfig(misc));
    for (uint32_t code : {kClassic, kHazard, kVrMobile}) {
        RadioType type(code);
        EXPECT_FALSE(readMiscConfig(node, misc)) << code;
    }
    misc.p25Optimize = 0;
    {
        RadioType type(kClassic);
        EXPECT_TRUE(readMiscConfig(node, misc));
    }
    {
        RadioType type(kHazard);
        EXPECT_FALSE(readMiscConfig(node, misc));
        misc.enableSystemLIDDisplay = 2;
        misc.p25Optimize = 5;
        EXPECT_TRUE(readMiscConfig(node, misc));
        EXPECT_FALSE(readMiscConfig(load(doc, "<miscConfig highPowerEmergency='bad'/>"), misc));
    }
}

}  // namespace
}  // namespace tarin
