#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "TarinTranslator/options/CICSSensor.h"
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

// Assignment, copy and move construction (which copies: the source keeps its values) and
// a store-and-load through an archive each keep every field.
TEST(PowerUpOpts, CopiesMovesAndArchivesKeepEveryField) {
    const PowerUpWithVersion original = filledPowerUp(-5);
    PowerUpWithVersion source = original;
    CPowerUpOpts assigned;
    assigned = source;
    CPowerUpOpts copied(static_cast<const CPowerUpOpts&>(source));
    CPowerUpOpts moved(std::move(static_cast<CPowerUpOpts&>(source)));
    CArchive out;
    source.Serialize(out);
    CArchive in(out.GetData());
    CPowerUpOpts loaded;
    loaded.Serialize(in);
    for (const CPowerUpOpts* opts :
         std::initializer_list<const CPowerUpOpts*>{&assigned, &copied, &moved, &loaded, &source})
        expectSameFields(original, *opts);
    source.SetGrpName(L"after move");
    EXPECT_EQ(text(moved.GetGrpName()), L"field 10");

    // Truncated data throws, and so do a write into a loading archive and a read from a
    // storing one.
    std::vector<unsigned char> data = out.GetData();
    data.pop_back();
    CArchive truncated(std::move(data));
    EXPECT_THROW(loaded.Serialize(truncated), CArchiveException);
    uint32_t unit = 0;
    EXPECT_THROW(truncated << unit, CArchiveException);
    EXPECT_THROW(out >> unit, CArchiveException);
}

TEST(SerialRuntimeClass, NamesKindsCreationAndClones) {
    std::unique_ptr<CSerial> set = std::make_unique<CICallSet>();
    EXPECT_STREQ(set->GetRuntimeClass()->className, "CICallSet");
    EXPECT_TRUE(set->IsKindOf(CSet::GetThisClass()) && set->IsKindOf(CSerial::GetThisClass()));
    EXPECT_FALSE(set->IsKindOf(CPhoneSet::GetThisClass()));
    const CPowerUpOpts opts;
    EXPECT_STREQ(opts.GetRuntimeClass()->className, "CPowerUpOpts");
    EXPECT_FALSE(opts.IsKindOf(CSet::GetThisClass()));
    EXPECT_STREQ(CSiteList().GetRuntimeClass()->className, "CSiteList");
    EXPECT_STREQ(CSerial::GetThisClass()->className, "CSerial");

    const CRuntimeClass* phoneSet = CRuntimeClass::FromName("CPhoneSet");
    ASSERT_NE(phoneSet, nullptr);
    CSerial* created = phoneSet->CreateObject();
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->GetRuntimeClass(), CPhoneSet::GetThisClass());
    created->Delete();
    EXPECT_EQ(CRuntimeClass::FromName("CNoSuchOpts"), nullptr);
    EXPECT_EQ(CSerial::GetThisClass()->CreateObject(), nullptr);
    std::unique_ptr<CSerial> clone(static_cast<const CSerial&>(CP25OtarOpts()).Clone());
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

TEST(OptionSet, CopiesAreDeepAndRemoveFirstEmptyShortensTheSet) {
    CICallSet set = numberedSet();
    CICallSet copy;
    copy = set;
    ASSERT_EQ(copy.GetSize(), 5);
    EXPECT_NE(copy.GetAt(0), set.GetAt(0));
    static_cast<CPowerUpOpts*>(set.GetAt(1))->SetSysGrp(42);

    EXPECT_EQ(set.RemoveFirstEmpty(3), 3);
    ASSERT_EQ(set.GetSize(), 4);
    EXPECT_EQ(sysGrpAt(set, 2), 2);
    EXPECT_EQ(sysGrpAt(set, 3), 4);
    EXPECT_EQ(set.RemoveFirstEmpty(9), 9);
    EXPECT_EQ(set.GetSize(), 4);
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

// Deleting at a position the list does not have leaves it; a copy keeps the OTAR flag.
TEST(OptionSpecialMembers, ScannedSystemsAndTheOtarFlag) {
    CTrunkSystem system;
    for (const wchar_t* name : {L"A", L"B", L"C"}) system.AddScannedSystem(name);
    for (int at : {1, 5, -1}) system.DeleteScannedSystemAt(at);
    std::vector<std::wstring> names;
    for (const CString& name : system.GetScannedSystems()) names.push_back(text(name));
    EXPECT_EQ(names, (std::vector<std::wstring>{L"A", L"C"}));
    CP25OtarOpts otar;
    otar.EnableOtar(true);
    EXPECT_TRUE(CP25OtarOpts(otar).IsOtarEnabled());
}

}  // namespace
