#pragma once

// Option classes are generated from one field list per class. A field list is a macro
// taking a callback X and a class name C, with one entry per field in declaration order:
//
//     #define TARIN_CEXAMPLEOPTS_FIELDS(X, C)   (line continuations left out here)
//         X(C, RW, unsigned char, Mode, 0)
//         X(C, RW, CString, Name, )
//         X(C, RO, int32_t, Version, 0)
//
// The columns are: the access (RW: GetName and SetName; RO: GetName only; IN: no
// accessor, the class reaches the field through its own members), the type (one
// token sequence without commas: give a container with several template arguments an
// alias first), the name, and the initial value set by the default constructor (empty
// for zero or an empty string or container).
//
// The header then declares the class with
//
//     class TARIN_API CExampleOpts : public CSerial {
//         TARIN_OPTION_CLASS(CExampleOpts, CSerial, TARIN_CEXAMPLEOPTS_FIELDS);
//     };
//
// and one source file defines its members with
//
//     TARIN_OPTION_CLASS_IMPL(CExampleOpts, CSerial, TARIN_CEXAMPLEOPTS_FIELDS);
//
// That gives the field `Name_` for every entry, its accessors, the default, copy and
// move constructors, the copy assignment (base part first, then every field in
// declaration order), the virtual destructor, Serialize (same order), Clone and the
// run-time class information. The move constructor copies, so the source keeps its
// values. Every member is defined out of line, so the library exports all of them.

#include <cstdint>
#include <list>
#include <memory>
#include <utility>
#include <vector>

#include "TarinTranslator/host/CSerial.h"
#include "TarinTranslator/host/CString.h"
#include "TarinTranslator/host/Export.h"

// Owned containers of strings.
using CStringArray = std::vector<CString>;
using CStringList = std::list<CString>;

// An owned, ordered array of objects of any serialisable class. Copies are deep (each
// element is cloned); removed elements are destroyed through their Delete(). Elements
// may be null.
class TARIN_API CSerialArray {
  public:
    CSerialArray();
    CSerialArray(const CSerialArray& other);
    CSerialArray(CSerialArray&& other) noexcept;
    CSerialArray& operator=(const CSerialArray& other);
    CSerialArray& operator=(CSerialArray&& other) noexcept;
    ~CSerialArray();

    int GetSize() const;
    // Element i, or null when i is out of range.
    CSerial* GetAt(int i) const;
    // Appends `element`, taking ownership of it, and returns its index.
    int Add(CSerial* element);
    // Destroys and removes element i; an index out of range changes nothing.
    void RemoveAt(int i);
    void RemoveAll();

  private:
    struct Release {
        void operator()(CSerial* object) const;
    };
    std::vector<std::unique_ptr<CSerial, Release>> items_;
};

namespace tarin {

// Writes a field into a storing archive or reads it from a loading one.
template <typename T>
void archiveField(CArchive& ar, T& field) {
    if (ar.IsStoring()) {
        ar << field;
    } else {
        ar >> field;
    }
}
TARIN_API void archiveField(CArchive& ar, CStringArray& field);
TARIN_API void archiveField(CArchive& ar, CStringList& field);
TARIN_API void archiveField(CArchive& ar, CSerialArray& field);

// Creates a default-constructed object for CRuntimeClass::createObject.
template <typename T>
CSerial* createSerial() {
    return new T;
}

}  // namespace tarin

// Declarations inside the class body. Leaves the access at protected.
#define TARIN_OPTION_CLASS(Class, Base, FIELDS)            \
  public:                                                  \
    Class();                                               \
    Class(const Class& other);                             \
    Class(Class&& other);                                  \
    Class& operator=(const Class& other);                  \
    ~Class() override;                                     \
    void Serialize(CArchive& ar) override;                 \
    const CRuntimeClass* GetRuntimeClass() const override; \
    Class* Clone() const override;                         \
    static const CRuntimeClass* GetThisClass();            \
    FIELDS(TARIN_OPTION_DECLARE_ACCESSORS_, Class)         \
                                                           \
  protected:                                               \
    FIELDS(TARIN_OPTION_DECLARE_FIELD_, Class)             \
    using BaseClass = Base

// Member definitions, at global scope in one source file.
#define TARIN_OPTION_CLASS_IMPL(Class, Base, FIELDS)                                          \
    namespace {                                                                               \
    const CRuntimeClass tarinRuntimeClass_##Class = {                                         \
        #Class, sizeof(Class), &::tarin::createSerial<Class>, &Base::GetThisClass};           \
    [[maybe_unused]] const bool tarinRegistered_##Class =                                     \
        ::tarin::registerRuntimeClass(&tarinRuntimeClass_##Class);                            \
    }                                                                                         \
    const CRuntimeClass* Class::GetThisClass() {                                              \
        return &tarinRuntimeClass_##Class;                                                    \
    }                                                                                         \
    const CRuntimeClass* Class::GetRuntimeClass() const {                                     \
        return &tarinRuntimeClass_##Class;                                                    \
    }                                                                                         \
    Class::Class() = default;                                                                 \
    Class::Class(const Class& other) : Base(other) FIELDS(TARIN_OPTION_COPY_FIELD_, Class) {} \
    Class::Class(Class&& other) : Class(static_cast<const Class&>(other)) {}                  \
    Class& Class::operator=(const Class& other) {                                             \
        Base::operator=(other);                                                               \
        FIELDS(TARIN_OPTION_ASSIGN_FIELD_, Class)                                             \
        return *this;                                                                         \
    }                                                                                         \
    Class::~Class() = default;                                                                \
    void Class::Serialize(CArchive& ar) {                                                     \
        Base::Serialize(ar);                                                                  \
        FIELDS(TARIN_OPTION_ARCHIVE_FIELD_, Class)                                            \
    }                                                                                         \
    Class* Class::Clone() const {                                                             \
        return new Class(*this);                                                              \
    }                                                                                         \
    FIELDS(TARIN_OPTION_DEFINE_ACCESSORS_, Class)                                             \
    static_assert(sizeof(Class) > 0, #Class " is complete")

// A field list without fields, for classes that add only members of their own.
#define TARIN_NO_FIELDS(X, C)

// Per-entry expansions used by the two macros above.
#define TARIN_OPTION_DECLARE_FIELD_(C, access, type, name, init) type name##_{init};
#define TARIN_OPTION_COPY_FIELD_(C, access, type, name, init) , name##_(other.name##_)
#define TARIN_OPTION_ASSIGN_FIELD_(C, access, type, name, init) name##_ = other.name##_;
#define TARIN_OPTION_ARCHIVE_FIELD_(C, access, type, name, init) ::tarin::archiveField(ar, name##_);

#define TARIN_OPTION_DECLARE_ACCESSORS_(C, access, type, name, init) \
    TARIN_OPTION_DECLARE_##access##_(type, name)
#define TARIN_OPTION_DECLARE_RW_(type, name) \
    type Get##name() const;                  \
    void Set##name(type value);
#define TARIN_OPTION_DECLARE_RO_(type, name) type Get##name() const;
#define TARIN_OPTION_DECLARE_IN_(type, name)

#define TARIN_OPTION_DEFINE_ACCESSORS_(C, access, type, name, init) \
    TARIN_OPTION_DEFINE_##access##_(C, type, name)
#define TARIN_OPTION_DEFINE_RW_(C, type, name) \
    TARIN_OPTION_DEFINE_RO_(C, type, name)     \
    void C::Set##name(type value) {            \
        name##_ = std::move(value);            \
    }
#define TARIN_OPTION_DEFINE_RO_(C, type, name) \
    type C::Get##name() const {                \
        return name##_;                        \
    }
#define TARIN_OPTION_DEFINE_IN_(C, type, name)
