#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "Samples.h"
#include "TarinTranslator/platform_xml/AudioMisc.h"
#include "TarinTranslator/platform_xml/Sections.h"
#include "TestSupport.h"

namespace tarin {
namespace {

constexpr uint32_t kClassic = 0;
constexpr uint32_t kHazard = 146;
constexpr uint32_t kVrMobile = 151;

using test::filledAudio;
using test::filledMisc;
using test::textOf;

// An audioConfig whose voiceAnnunciation has `attrs` and `children`.
std::string voiceXml(const std::string& attrs, const std::string& children = "") {
    return "<audioConfig><voiceAnnunciation " + attrs + ">" + children +
           "</voiceAnnunciation></audioConfig>";
}
const std::string kVoiceRequired =
    "priority='0' minVolume='0' CRCKey='0' audio_config_file_name='' ";

bool readXml(const std::string& xml, AudioConfig& audio) {
    return test::readFrom(xml, readAudioConfig, audio);
}

// ---- audioConfig text ------------------------------------------------------------------

// The defaults documents pin the XML of each group; here the summaries and the voice
// annunciation tones, which the defaults lack. The classic codes show two microphones and
// nothing extended; the hazard codes add their attributes, the Bluetooth microphone and
// voice annunciation; the VR-mobile codes the mobile microphones and the outputs.
TEST(AudioConfigTest, SummaryPerGroupAndTones) {
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
        L"CRCKey: 4000000000, audio_config_file_name: <a&b> 'c' \"d\" é Ж}"
        L"<mapping\n   keyCode='200'\n   VAFileIndex='60000'\n    />\n"
        L"<mapping\n   keyCode='3'\n   VAFileIndex='1'\n    />\n";
    const std::pair<uint32_t, std::wstring> cases[] = {
        {kClassic, head + rest + L"ACCESSORY_ONLY" + gains + L"}"},
        {kHazard, head + L",  echoReduction: ON'\n,   accessoryConnRadioPTTEcho: ON'\n" + rest +
                      L"ACCESSORY_ONLY" + gains + extended + L"}" + voice},
        {kVrMobile, head + rest + L"RADIO_ACCESSORY" + gains + extended +
                        L", Microphone In ALC: 1, Microphone In Max Gain: 4, "
                        L"Microphone In Mic Gain: 5, USB Mic In ALC: 1, USB Mic In Max Gain: 3, "
                        L"USB Mic In Mic Gain: -6}" +
                        voice +
                        L"{ func : 0, enable: 1, output_name: 2, sense: 1}"
                        L"{ func : 1, enable: 1, output_name: 1, sense: 1}"},
    };
    for (const auto& [code, summary] : cases)
        EXPECT_EQ(textOf(writeAudioConfig, filledAudio(code), code, false), summary) << code;
    EXPECT_NE(
        textOf(writeAudioConfig, filledAudio(kHazard), kHazard)
            .find(L"<VATone\n tone ='TONEID_CALL_DENIED'\n vaIndex='4999'\n minVolume='18'\n />\n"
                  L"<VATone\n tone ='TONEID_LOWBAT'\n vaIndex='16'\n minVolume='1'\n />\n"
                  L"</voiceAnnunciation>\n</audioConfig>\n"),
        std::wstring::npos);
}

// ---- audioConfig reading ---------------------------------------------------------------

// Each microphone read goes to its own field and starts from a fresh one; a bad one ends
// the loop without failing, at most five are read, the classic codes take no ALC level or
// maximum gain and the mobile microphones no ALC level. Unread microphones keep theirs.
TEST(AudioConfigTest, MicrophonesReadIntoTheirOwnFields) {
    const Microphone kept{0, 7, 5, 9};
    const std::string sixMics =
        test::repeated<std::string>("<microphone micType='INTERNAL' alc='ON' gain='1'/>", 5) +
        "<microphone micType='INTERNAL' alc='ON' gain='9' alcLevel='3' alcMaxGain='1'/>";
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
        currentRadioType() = c.code;
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
    currentRadioType() = kClassic;
    AudioConfig audio;
    audio.cctTimer = 20;
    audio.minVol = 5;  // an empty value is present and converts to 0
    EXPECT_TRUE(
        readXml("<audioConfig speakerMode='maybe' cctTimer='361' tones='ON' minVol=''/>", audio));
    EXPECT_EQ(std::tuple(audio.speakerMode, audio.cctTimer, audio.tones, audio.minVol),
              std::tuple(0u, 20u, 1u, 0));
    EXPECT_FALSE(readXml("<audioConfig minVol='200'/>", audio));
    EXPECT_EQ(audio.minVol, 200);
    // Hazard-only attributes are not read for the classic codes.
    AudioConfig fresh;
    EXPECT_TRUE(readXml("<audioConfig echoReduction='ON'/>", fresh) && fresh.echoReduction == 0u);
    EXPECT_TRUE(readAudioConfig(pugi::xml_node(), fresh));
}

TEST(AudioConfigTest, VoiceAnnunciationReader) {
    AudioConfig audio;
    // Reads a voiceAnnunciation with the required attributes, `attrs` and `children`.
    auto read = [&](const std::string& attrs, const std::string& children = "") {
        return readXml(voiceXml(kVoiceRequired + attrs, children), audio);
    };
    // A maxVolume of 40, or none, is 0.
    currentRadioType() = kVrMobile;
    EXPECT_TRUE(read("enable='OFF' maxVolume='40'") && audio.maxVolume == 0);
    EXPECT_TRUE(read("enable='OFF' maxVolume='18'"));
    EXPECT_FALSE(read("enable='OFF' maxVolume='19'"));
    audio.maxVolume = 40;
    EXPECT_TRUE(read("enable='OFF'") && audio.maxVolume == 0);

    // VATone numbers take any base; bad entries are dropped, and without VATone children
    // the list stays.
    currentRadioType() = kHazard;
    audio.VATone = {{0, {1, 1, 1}}};
    ASSERT_TRUE(read("enable='OFF'",
                     "<VATone tone='TONEID_AUTOKEY' vaIndex='0x10' minVolume='010'/>"
                     "<VATone tone='TONEID_NONE' vaIndex='1' minVolume='1'/>"
                     "<VATone tone='TONEID_LOWBAT' vaIndex='1' minVolume='19'/>"
                     "<VATone tone='TONEID_CALL_DENIED' vaIndex='5000' minVolume='18'/>"));
    const VaToneMap tones = {{0, {6, 16, 8}}, {1, {23, 5000, 18}}};
    EXPECT_EQ(audio.VATone, tones);
    EXPECT_TRUE(read("enable='OFF'") && audio.VATone == tones);

    // Mappings fail the section only when it is enabled. Switched off, good mappings are
    // kept as read, and bad or absent ones change nothing.
    const std::string mapping = "<mapping keyCode='5' VAFileIndex='6'/>";
    const std::string badMapping = "<mapping keyCode='256' VAFileIndex='2'/>";
    const VaMappingMap kept = {{4, {9, 9}}};
    audio.mapping = kept;
    EXPECT_TRUE(read("enable='OFF'", mapping + badMapping) && audio.mapping == kept);
    EXPECT_TRUE(read("enable='OFF'") && audio.mapping == kept);
    EXPECT_TRUE(read("enable='OFF'", mapping) && audio.mapping == (VaMappingMap{{0, {5, 6}}}));
    EXPECT_TRUE(read("enable='ON'") && audio.mapping.empty());
    EXPECT_FALSE(read("enable='ON'", badMapping));

    // A bad attribute fails the section, and reading goes on except for the VATone entries.
    audio.VATone = {{0, {1, 1, 1}}};
    EXPECT_FALSE(
        readXml(voiceXml("enable='ON' priority='7' minVolume='3' CRCKey='0' "
                         "audio_config_file_name='f'",
                         mapping + "<VATone tone='TONEID_LOWBAT' vaIndex='1' minVolume='1'/>"),
                audio));
    EXPECT_EQ(
        std::tuple(audio.minVolume, audio.audio_config_file_name, audio.mapping, audio.VATone),
        std::tuple(3, L"f", VaMappingMap{{0, {5, 6}}}, VaToneMap{{0, {1, 1, 1}}}));
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
    const AudioEioOutput publicAddress{1, 1, 2, 1};
    const AudioEioOutput untouched{0, 1, 0, 0};
    const std::tuple<std::vector<const char*>, AudioEioOutput, AudioEioOutput> cases[] = {
        {{good, speaker}, {0, 0, 1, 0}, publicAddress},
        {{good, bad, speaker}, untouched, publicAddress},
        {{good, good, speaker}, untouched, publicAddress},  // at most two
    };
    // The classic codes read none.
    for (uint32_t code : {kHazard, kVrMobile, kClassic}) {
        for (const auto& [outputs, first, second] : cases) {
            currentRadioType() = code;
            std::string xml = "<audioConfig><audioEioOutputCfg>";
            for (const char* output : outputs) xml += output;
            AudioConfig audio;
            audio.audioEioOutputs[0].enable = 1;
            EXPECT_TRUE(readXml(xml + "</audioEioOutputCfg></audioConfig>", audio));
            EXPECT_EQ(std::pair(audio.audioEioOutputs[0], audio.audioEioOutputs[1]),
                      code == kClassic ? std::pair(untouched, AudioEioOutput{})
                                       : std::pair(first, second))
                << code << xml;
        }
    }
}

TEST(AudioConfigTest, ValidationRanges) {
    EXPECT_TRUE(validateAudioConfig(AudioConfig{}));
    const std::pair<void (*)(AudioConfig&), bool> changes[] = {
        {[](AudioConfig& a) { a.microphones[kMicBluetooth].gain = 16; }, true},
        {[](AudioConfig& a) { a.microphones[kMicMobileIn].alcLevel = 99; }, true},  // has none
        {[](AudioConfig& a) { a.microphones[kMicInternal].gain = 13; }, false},
        {[](AudioConfig& a) { a.audioEioOutputs[1].output_name = 3; }, false},
        {[](AudioConfig& a) { a.audioEioOutputs[0].enable = 2; }, false},
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

// The defaults documents pin the XML of each group, which has no passwords; here the
// summaries and the password lines.
TEST(MiscConfigTest, SummaryPerGroupAndPasswords) {
    const std::wstring panels =
        L"{ Top Panel: { Backlight: BL_ON, Intensity: 10, Orientation: AUTO, Timeout: 60 }, "
        L"Front Panel: { Intensity: 0, Backlight: BL_AUTO, Timeout: 1 }, enableTriColorLed: 0\"";
    const std::wstring tail =
        L", topColorInvert: 1 \", Battery: SMART, Password: \"<&>'\"é\", "
        L"Maint. Password: \"Ж'x\"y&z<>\" }";
    const std::wstring extended =
        L", enableStatusBasedLighting: 0\", "
        L"enableSystemLIDDisplay: 2\", enableSystemDCELookup: 0\"";
    for (uint32_t code : {kClassic, kHazard, kVrMobile}) {
        EXPECT_EQ(textOf(writeMiscConfig, filledMisc(code), code, false),
                  panels + (code == kClassic ? L"" : extended) + tail)
            << code;
    }
    EXPECT_EQ(
        textOf(writeMiscConfig, filledMisc(kClassic))
            .rfind(
                L"<miscConfig\n   password='&lt;&amp;&gt;&apos;&quot;é'\n"
                L"   maintenancePassword='Ж&apos;x&quot;y&amp;z&lt;&gt;'\n   topFpMode='BL_ON'\n",
                0),
        0u);
}

TEST(MiscConfigTest, AbsentAttributesKeepFieldsExceptKeypadTones) {
    currentRadioType() = kClassic;
    MiscConfig misc;
    misc.batteryType = 1;
    misc.keypadTones = 1;
    misc.password = L"kept";
    ASSERT_TRUE(
        test::readFrom("<miscConfig frontFpDayNightMode='DNM_DAY'/>", readMiscConfig, misc));
    EXPECT_EQ(std::tuple(misc.keypadTones, misc.password, misc.frontFpDayNightMode),
              std::tuple(0u, L"kept", 0u));
    misc.keypadTones = 1;
    EXPECT_TRUE(readMiscConfig(pugi::xml_node(), misc) && misc.keypadTones == 0u);
    MiscConfig constructed;  // battery type UNKNOWN
    EXPECT_FALSE(readMiscConfig(pugi::xml_node(), constructed));
}

// Conversions and ranges, for each group: the checks also cover fields that the document
// leaves alone, and attributes of other groups are not read.
TEST(MiscConfigTest, ConversionsAndChecksPerGroup) {
    struct Row {
        void (*change)(MiscConfig&);
        const char* xml;
        bool classic, hazard, vrMobile;  // whether the read succeeds
    };
    auto none = [](MiscConfig&) {};
    // clang-format off
    const Row rows[] = {
        {[](MiscConfig& m) { m.p25Optimize = 2; }, "<miscConfig/>", false, true, true},
        {[](MiscConfig& m) { m.enableSystemLIDDisplay = 3; }, "<miscConfig/>", true, false, false},
        {[](MiscConfig& m) { m.topDisplay.topFpOrient = 3; }, "<miscConfig/>", false, false, false},
        {[](MiscConfig& m) { m.topColorInvert = 2; }, "<miscConfig/>", false, false, false},
        {none, "<miscConfig highPowerEmergency='bad'/>", true, false, true},
        {none, "<miscConfig highPowerEmergency='bad' emerClearDelay='x1'/>", true, false, true},
        {none, "<miscConfig topFpMode='BL_MOMENTARY_OFF'/>", false, false, false},
        {none, "<miscConfig frontFpMode='BL_MOMENTARY_OFF'/>", true, true, true},
        {none, "<miscConfig enableTriColorLed='on'/>", false, false, false},
        {none, "<miscConfig topFpTimeout='0'/>", false, false, false},
        {none, "<miscConfig topFpTimeout='61'/>", false, false, false},
        {none, "<miscConfig batteryType='UNKNOWN'/>", false, false, false},
        {none, "<miscConfig password='0123456789abcdef'/>", false, false, false},
        {none, "<miscConfig password='0123456789abcde'/>", true, true, true},
        {none, "<miscConfig RadioOTVA='5001'/>", false, false, false},
    };
    // clang-format on
    for (const Row& row : rows) {
        for (auto [code, reads] :
             {std::pair{kClassic, row.classic}, {kHazard, row.hazard}, {kVrMobile, row.vrMobile}}) {
            MiscConfig misc;
            misc.batteryType = 1;
            row.change(misc);
            currentRadioType() = code;
            EXPECT_EQ(test::readFrom(row.xml, readMiscConfig, misc), reads) << row.xml << code;
        }
    }
}

}  // namespace
}  // namespace tarin
