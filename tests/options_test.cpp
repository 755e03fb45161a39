#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "TarinTranslator/options/CAlarmOpts.h"
#include "TarinTranslator/options/CICSSensor.h"
#include "TarinTranslator/options/CMmsOpts.h"
#include "TarinTranslator/options/CP25OtarOpts.h"
#include "TarinTranslator/options/CPowerUpOpts.h"
#include "TarinTranslator/options/CSet.h"
#include "TarinTranslator/options/CSiteList.h"
#include "TarinTranslator/options/CTrunkSystem.h"

namespace {

std::wstring text(const CString& s) {
    return s.GetString();
}

// A value of type T that differs for every n, so that two fields mixed up show.
template <typename T>
T distinct(int n) {
    if constexpr (std::is_same_v<T, CString>) {
        return CString(L"field " + std::to_wstring(n));
    } else {
        return static_cast<T>(n + 1);
    }
}

// Comparable form of a field value.
template <typename T>
auto comparable(const T& value) {
    if constexpr (std::is_same_v<T, CString>) {
        return text(value);
    } else {
        return value;
    }
}

// Reaches the field that has no setter.
struct PowerUpWithVersion : CPowerUpOpts {
    void setVersion(int32_t version) { Version_ = version; }
};

#define SET_DISTINCT_RW(C, type, name) opts.Set##name(distinct<type>(n++));
#define SET_DISTINCT_RO(C, type, name) ++n;
#define SET_DISTINCT(C, access, type, name, init) SET_DISTINCT_##access(C, type, name)

// Every field of `opts` gets its own value; Version gets `version`.
PowerUpWithVersion filledPowerUp(int32_t version) {
    PowerUpWithVersion opts;
    int n = 0;
    TARIN_CPOWERUPOPTS_FIELDS(SET_DISTINCT, CPowerUpOpts)
    opts.setVersion(version);
    return opts;
}

#define EXPECT_SAME_FIELD(C, access, type, name, init) \
    EXPECT_EQ(comparable(a.Get##name()), comparable(b.Get##name())) << #name;

void expectSameFields(const CPowerUpOpts& a, const CPowerUpOpts& b){
    TARIN_CPOWERUPOPTS_FIELDS(EXPECT_SAME_FIELD, CPowerUpOpts)}

TEST(PowerUpOpts, AssignmentCopiesEveryFieldAndLeavesStringsIndependent) {
    PowerUpWithVersion source = filledPowerUp(7);
    CPowerUpOpts target;
    target = source;
    expectSameFields(source, target);
    EXPECT_EQ(target.GetVersion(), 7);

    source.SetSystemName(L"changed");
    source.SetPowerupPIN(L"0000");
    EXPECT_EQ(text(target.GetSystemName()), L"field 9");
    EXPECT_EQ(text(target.GetPowerupPIN()), L"field 23");
    target.SetZoneName(L"other");
    EXPECT_EQ(text(source.GetZoneName()), L"field 27");
}

TEST(PowerUpOpts, CopyAndMoveConstructionKeepEveryField) {
    const PowerUpWithVersion original = filledPowerUp(3);
    PowerUpWithVersion source = original;
    CPowerUpOpts copied(static_cast<const CPowerUpOpts&>(source));
    expectSameFields(original, copied);

    CPowerUpOpts moved(std::move(static_cast<CPowerUpOpts&>(source)));
    expectSameFields(original, moved);
    // The moved-from object stays whole and usable.
    expectSameFields(original, source);
    source.SetGrpName(L"after move");
    EXPECT_EQ(text(source.GetGrpName()), L"after move");
    EXPECT_EQ(text(moved.GetGrpName()), L"field 10");
}

TEST(PowerUpOpts, SerializeRoundTripsEveryField) {
    PowerUpWithVersion source = filledPowerUp(-5);
    CArchive out;
    source.Serialize(out);

    CArchive in(out.GetData());
    CPowerUpOpts loaded;
    loaded.Serialize(in);
    expectSameFields(source, loaded);
    EXPECT_EQ(loaded.GetVersion(), -5);
}

TEST(SerialArchive, TruncatedDataAndTheWrongDirectionThrow) {
    PowerUpWithVersion source = filledPowerUp(1);
    CArchive out;
    source.Serialize(out);
    std::vector<unsigned char> data = out.GetData();
    data.pop_back();

    CArchive in(std::move(data));
    CPowerUpOpts loaded;
    EXPECT_THROW(loaded.Serialize(in), CArchiveException);
    // A loading archive takes no writes, a storing one gives no reads.
    uint32_t unit = 0;
    EXPECT_THROW(in << unit, CArchiveException);
    EXPECT_THROW(out >> unit, CArchiveException);
}

TEST(SerialRuntimeClass, NamesAndKinds) {
    std::unique_ptr<CSerial> set = std::make_unique<CICallSet>();
    EXPECT_STREQ(set->GetRuntimeClass()->className, "CICallSet");
    EXPECT_TRUE(set->IsKindOf(CSet::GetThisClass()));
    EXPECT_TRUE(set->IsKindOf(CSerial::GetThisClass()));
    EXPECT_FALSE(set->IsKindOf(CPhoneSet::GetThisClass()));

    const CPowerUpOpts opts;
    EXPECT_STREQ(opts.GetRuntimeClass()->className, "CPowerUpOpts");
    EXPECT_FALSE(opts.IsKindOf(CSet::GetThisClass()));
    EXPECT_STREQ(CSiteList().GetRuntimeClass()->className, "CSiteList");
    EXPECT_STREQ(CSerial::GetThisClass()->className, "CSerial");
}

TEST(SerialRuntimeClass, CreatesByNameAndClones) {
    const CRuntimeClass* phoneSet = CRuntimeClass::FromName("CPhoneSet");
    ASSERT_NE(phoneSet, nullptr);
    CSerial* created = phoneSet->CreateObject();
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->GetRuntimeClass(), CPhoneSet::GetThisClass());
    created->Delete();

    EXPECT_EQ(CRuntimeClass::FromName("CNoSuchOpts"), nullptr);
    EXPECT_EQ(CSerial::GetThisClass()->CreateObject(), nullptr);

    const CP25OtarOpts otar;
    std::unique_ptr<CSerial> clone(static_cast<const CSerial&>(otar).Clone());
    EXPECT_EQ(clone->GetRuntimeClass(), CP25OtarOpts::GetThisClass());
}

// A set of five power-up objects whose SysGrp is their original position.
CICallSet numberedSet() {
    CICallSet set;
    for (int i = 0; i < 5; ++i) {
        auto* element = new CPowerUpOpts;
        element->SetSysGrp(static_cast<unsigned char>(i));
        set.Add(element);
    }
    return set;
}

unsigned char sysGrpAt(const CSet& set, int i) {
    return static_cast<const CPowerUpOpts*>(set.GetAt(i))->GetSysGrp();
}

TEST(OptionSet, RemoveFirstEmptyShortensTheSet) {
    CICallSet set = numberedSet();
    EXPECT_EQ(set.RemoveFirstEmpty(3), 3);
    ASSERT_EQ(set.GetSize(), 4);
    EXPECT_EQ(sysGrpAt(set, 2), 2);
    EXPECT_EQ(sysGrpAt(set, 3), 4);

    EXPECT_EQ(set.RemoveFirstEmpty(9), 9);
    EXPECT_EQ(set.GetSize(), 4);
}

TEST(OptionSet, CopiesAreDeep) {
    CICallSet original = numberedSet();
    CICallSet copy;
    copy = original;
    ASSERT_EQ(copy.GetSize(), 5);
    EXPECT_NE(copy.GetAt(0), original.GetAt(0));

    static_cast<CPowerUpOpts*>(original.GetAt(1))->SetSysGrp(42);
    original.DeleteAt(0);
    EXPECT_EQ(sysGrpAt(copy, 1), 1);
    EXPECT_EQ(copy.GetSize(), 5);
}

TEST(OptionSet, SerializeKeepsClassesAndEmptyElements) {
    CSet set;
    set.Add(new CTrunkSystem);
    set.Add(nullptr);
    set.Add(new CICSSensor);
    static_cast<CTrunkSystem*>(set.GetAt(0))->AddScannedSystem(L"North");

    CArchive out;
    set.Serialize(out);
    CArchive in(out.GetData());
    CSet loaded;
    loaded.Serialize(in);

    ASSERT_EQ(loaded.GetSize(), 3);
    ASSERT_TRUE(loaded.GetAt(0)->IsKindOf(CTrunkSystem::GetThisClass()));
    EXPECT_EQ(loaded.GetAt(1), nullptr);
    EXPECT_EQ(loaded.GetAt(2)->GetRuntimeClass(), CICSSensor::GetThisClass());
    const CStringList names = static_cast<CTrunkSystem*>(loaded.GetAt(0))->GetScannedSystems();
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(text(names.front()), L"North");
}

TEST(OptionSpecialMembers, ScannedSystemsAddAndDelete) {
    CTrunkSystem system;
    system.AddScannedSystem(L"A");
    system.AddScannedSystem(L"B");
    system.AddScannedSystem(L"C");
    const CTrunkSystem before = system;

    system.DeleteScannedSystemAt(1);
    system.DeleteScannedSystemAt(5);
    system.DeleteScannedSystemAt(-1);
    std::vector<std::wstring> names;
    for (const CString& name : system.GetScannedSystems()) names.push_back(text(name));
    EXPECT_EQ(names, (std::vector<std::wstring>{L"A", L"C"}));
    EXPECT_EQ(before.GetScannedSystems().size(), 3u);
}

TEST(OptionSpecialMembers, MmsIdsAndFlags) {
    CMmsOpts mms;
    mms.SetMmsIds({CString(L"1"), CString(L"2")});
    mms.DeleteAllMmsIds();
    EXPECT_TRUE(mms.GetMmsIds().empty());

    CAlarmOpts alarm;
    EXPECT_FALSE(alarm.NeedsToBeCleared());
    alarm.SetClearNeeded(true);
    EXPECT_TRUE(alarm.NeedsToBeCleared());

    CP25OtarOpts otar;
    EXPECT_FALSE(otar.IsOtarEnabled());
    otar.EnableOtar(true);
    EXPECT_TRUE(CP25OtarOpts(otar).IsOtarEnabled());
    otar.EnableOtar(false);
    EXPECT_FALSE(otar.IsOtarEnabled());

    CICSSensor sensor;
    sensor.SetSensorEnabled(true);
    EXPECT_TRUE(sensor.IsICSSensorEnabled());
}

}  // namespace
