#include <gtest/gtest.h>

#include "TarinTranslator/api/TarinTranslator.h"
#include "TarinTranslator/mission_plan/MissionPlanDocument.h"
#include "TestSupport.h"

namespace tarin {
namespace {

using test::written;

TEST(MissionPlanWriter, PlanInfo) {
    PlanTextFields texts;
    setFixed(texts.domain, L"only domain");
    EXPECT_EQ(written([&](std::wostream& os) { writePlanInfo(os, texts); }), L"");

    texts = PlanTextFields{};
    setFixed(texts.name, L"A&B");
    setFixed(texts.locale, L"en");
    EXPECT_EQ(written([&](std::wostream& os) { writePlanInfo(os, texts); }),
              L"  <vexInfo>\n  <planInfo\n       name='A&amp;B'\n       locale='en' />\n\t\t\t\t  "
              L"</vexInfo>\n");
    setFixed(texts.domain, L"TACCOM_RADIO01");
    EXPECT_EQ(written([&](std::wostream& os) { writePlanInfo(os, texts); }).substr(0, 46),
              L"  <vexInfo\n        domain='TACCOM_RADIO01'>\n  ");
    EXPECT_EQ(
        written([&](std::wostream& os) { writePlanInfo(os, texts); }, 0, false),
        L"Plan info:\n  Name:         A&B\n  Description:  \n  Notes:        \n  Author:       \n"
        L"  Locale:       en\n  Pin:          \n");
}

TEST(MissionPlanWriter, DocumentFrameBlobsAndSummary) {
    EXPECT_EQ(dateStamp(1767323045), L"2026-01-02T03:04:05Z");

    MissionPlan plan;
    plan.Platform.radioType = 0;
    plan.Platform.eeData = {};
    plan.Platform.flData = {0xFF};
    std::wstring xml = written([&](std::wostream& os) { writeMissionPlan(os, plan); });
    EXPECT_EQ(
        xml.rfind(L"<?xml version='1.0' encoding='utf-8'?>\n\t\t\t  <missionPlan "
                  L"xsi:noNamespaceSchemaLocation='MissionLoadV4Schema.xsd' \n\t\t\t  xmlns:xsi='"
                  L"http://www.w3.org/2001/XMLSchema-instance'>\n<qd470PMissionLoad>\n<versionInfo "
                  L"version='v4.000' date='",
                  0),
        0u);
    EXPECT_NE(xml.find(L"Z'  AACversion = '' />\n<platformConfig>\n"), std::wstring::npos);
    EXPECT_NE(xml.find(L"</platformConfig>\n<ecpWaveformConfig>\n<ee-data></ee-data>\n<fl-data>/"
                       L"w==</fl-data>\n"
                       L"</ecpWaveformConfig>\n</qd470PMissionLoad>\n</missionPlan>\n"),
              std::wstring::npos);

    plan.Platform.radioType = 146;
    EXPECT_NE(written([&](std::wostream& os) {
                  writeMissionPlan(os, plan);
              }).find(L"</MissionLoad>\n</missionPlan>"),
              std::wstring::npos);

    MobileMissionPlan mobile;
    mobile.MobilePlatform.eeData = {0x0A, 0xFF};
    std::wstring m = written([&](std::wostream& os) { writeMobileMissionPlan(os, mobile); });
    EXPECT_NE(m.find(L"'MobilMissionLoadV4Schema.xsd'"), std::wstring::npos);
    EXPECT_NE(m.find(L"<MissionLoadQD470M>\n<versionInfo version='v4.000' date='"),
              std::wstring::npos);
    EXPECT_NE(m.find(L"Z' />\n<platformConfig>"), std::wstring::npos);

    std::wstring summary =
        written([&](std::wostream& os) { writeMobileMissionPlan(os, mobile); }, 0, false);
    EXPECT_NE(summary.find(L"\nMobileMissionPlan.EE Data: 0a ff\nMobileMissionPlan.FL Data: \n\n"),
              std::wstring::npos);
    EXPECT_EQ(summary.find(L"<"), std::wstring::npos);
}

// A mobile document around the mobile defaults, with the given pieces.
std::string mobileDocument(
    const std::string& info =
        "<vexInfo domain='d'><planInfo name='n' notes='a  b\r\n c'/></vexInfo>",
    const std::string& version = "<versionInfo version='v4.000'/>",
    const std::string& flData = "AH//") {
    return "<missionPlan>" + info + "<MissionLoadQD470M>" + version + toUtf8(mobileDefaults()) +
           "<ecpWaveformConfig><ee-data/><fl-data>" + flData +
           "</fl-data></ecpWaveformConfig></MissionLoadQD470M></missionPlan>";
}

bool readMobile(std::string text, MobileMissionPlan& plan) {
    return readMobileMissionPlan(text.data(), text.size(), plan);
}

// Captures standard output and standard error while alive.
struct CapturedStreams {
    CapturedStreams() { testing::internal::CaptureStdout(), testing::internal::CaptureStderr(); }
    std::pair<std::string, std::string> take() {
        std::string out = testing::internal::GetCapturedStdout();
        return {out, testing::internal::GetCapturedStderr()};
    }
};

TEST(MissionPlanReader, ReadsTextsImagesAndNormalisesAttributes) {
    MobileMissionPlan plan;
    ASSERT_TRUE(readMobile(mobileDocument(), plan));
    EXPECT_EQ(std::wstring(plan.domain), L"d");
    EXPECT_EQ(std::wstring(plan.name), L"n");
    EXPECT_EQ(std::wstring(plan.notes), L"a b c");
    EXPECT_EQ(plan.MobilePlatform.flData, (ByteVector{0x00, 0x7F, 0xFF}));
    EXPECT_TRUE(plan.MobilePlatform.eeData.empty());
    EXPECT_EQ(plan.MobilePlatform.bluetoothConfig.friendlyName, L"MY RADIO");

    ASSERT_TRUE(readMobile(
        mobileDocument("<vexInfo><planInfo name='" + std::string(100, 'x') + "'/></vexInfo>"),
        plan));
    EXPECT_EQ(std::wstring(plan.name), std::wstring(80, L'x'));
    EXPECT_EQ(std::wstring(plan.domain), L"") << "every read starts from an empty plan";
    ASSERT_TRUE(readMobile(mobileDocument("<vexInfo><planInfo/></vexInfo>"), plan));
}

TEST(MissionPlanReader, TextIsUtf8WhateverTheDeclarationSays) {
    const std::string info = "<vexInfo><planInfo name='Jos\xC3\xA9'/></vexInfo>";
    MobileMissionPlan plan;
    ASSERT_TRUE(
        readMobile("<?xml version='1.0' encoding='ISO-8859-1'?>" + mobileDocument(info), plan));
    EXPECT_EQ(std::wstring(plan.name), L"Jos\u00e9");
    ASSERT_TRUE(readMobile("\xEF\xBB\xBF" + mobileDocument(info), plan));
    EXPECT_EQ(std::wstring(plan.name), L"Jos\u00e9");

    // A UTF-16 document announces itself by its byte order mark.
    std::string utf16 = "\xFF\xFE";
    for (wchar_t c : fromUtf8(mobileDocument(info))) {
        utf16 += static_cast<char>(c & 0xFF);
        utf16 += static_cast<char>(c >> 8);
    }
    ASSERT_TRUE(readMobile(utf16, plan));
    EXPECT_EQ(std::wstring(plan.name), L"Jos\u00e9");
}

TEST(MissionPlanReader, FailuresAndTheirMessages) {
    MobileMissionPlan plan;
    {
        CapturedStreams io;
        EXPECT_FALSE(readMobile("", plan));
        EXPECT_FALSE(readMobile("<missionPlan><vexInfo>", plan));
        EXPECT_EQ(io.take().first, "");
    }
    {
        CapturedStreams io;
        EXPECT_FALSE(readMobile("<otherPlan><vexInfo><planInfo/></vexInfo></otherPlan>", plan));
        EXPECT_EQ(io.take().first,
                  "`anonymous-namespace'::ParseMissionFillInfo: Can't find planInfo\n");
    }
    {
        // A plan without texts is written without vexInfo and reads back with empty texts.
        CapturedStreams io;
        EXPECT_TRUE(readMobile(mobileDocument("<other/>"), plan));
        EXPECT_EQ(std::wstring(plan.name), L"");
        EXPECT_EQ(io.take().first, "");
    }
    EXPECT_FALSE(readMobile(mobileDocument("<vexInfo/>"), plan));
    EXPECT_FALSE(readMobile(
        mobileDocument(std::string("<vexInfo><planInfo/></vexInfo>"), "<versionInfo/>"), plan));
    {
        CapturedStreams io;
        EXPECT_TRUE(readMobile(
            mobileDocument("<vexInfo><planInfo/></vexInfo>", "<versionInfo version='v4.001'/>"),
            plan));
        EXPECT_EQ(
            io.take().second,
            "Warning: mission load version mismatch!\n   Expected: v4.000\n   Found:    v4.001\n");
    }
    {
        CapturedStreams io;
        EXPECT_FALSE(readMobile(mobileDocument("<vexInfo><planInfo/></vexInfo>",
                                               "<versionInfo version='v4.000'/>", "AAAA\nAAAA"),
                                plan));
        EXPECT_EQ(io.take().first,
                  "`anonymous-namespace'::ParseBlobData: Error while parsing BLOB\n");
    }
    {
        std::string text = mobileDocument();
        text.replace(text.find("<ee-data/>"), 10, "");
        CapturedStreams io;
        EXPECT_FALSE(readMobile(text, plan));
        EXPECT_EQ(io.take().first,
                  "`anonymous-namespace'::ParseBlobData: No parent node for BLOB data!\n");
    }
}

TEST(MissionPlanReader, TruncatedAndMangledDocumentsEndCleanly) {
    std::string text = mobileDocument();
    MobileMissionPlan plan;
    CapturedStreams io;
    for (std::size_t cut = 0; cut < text.size(); cut += 7) {
        std::string part = text.substr(0, cut);
        EXPECT_FALSE(readMobile(part, plan)) << cut;
    }
    for (std::size_t at = 0; at < text.size(); at += 5) {
        std::string mangled = text;
        mangled[at] = "<>'\"&= \x01\xFF"[at % 10];
        readMobile(mangled, plan);  // any result, but no crash and no hang
    }
    io.take();
}

}  // namespace
}  // namespace tarin
