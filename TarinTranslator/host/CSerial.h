#pragma once

// The host's object model, reduced to what the option classes need: the serialisable
// base CSerial, run-time class information and a memory archive.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <type_traits>
#include <vector>

#include "TarinTranslator/host/CString.h"
#include "TarinTranslator/host/Export.h"

class CSerial;

// Run-time class information. Every serialisable class has exactly one instance, so
// two objects are of the same class when their GetRuntimeClass() pointers are equal.
// The base is reached through a function so that the instances can be constant
// initialised in different translation units without an order between them.
struct TARIN_API CRuntimeClass {
    const char* className;
    std::size_t objectSize;
    CSerial* (*createObject)();              // null for abstract classes
    const CRuntimeClass* (*getBaseClass)();  // null for CSerial itself

    // The base class, or null for CSerial.
    const CRuntimeClass* GetBaseClass() const;
    // True when this class is `base` or derives from it.
    bool IsDerivedFrom(const CRuntimeClass* base) const;
    // A new default-constructed object of this class, or null for abstract classes.
    CSerial* CreateObject() const;
    // The registered class of that name, or null.
    static const CRuntimeClass* FromName(const char* name);
};

namespace tarin {
// Makes a class known to CRuntimeClass::FromName. Returns false (and keeps the earlier
// one) when a class of the same name is already registered.
TARIN_API bool registerRuntimeClass(const CRuntimeClass* runtimeClass);
}  // namespace tarin

// Raised by a loading archive that holds too few bytes or an unknown class.
class TARIN_API CArchiveException : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A byte archive in memory: a storing archive collects what is written into it, a
// loading archive hands back, in the same order, the bytes it was built from. Values
// are kept in the machine's byte order.
class TARIN_API CArchive {
  public:
    // A storing archive, initially empty.
    CArchive();
    // A loading archive over `data`.
    explicit CArchive(std::vector<unsigned char> data);

    bool IsStoring() const { return !loading_; }
    bool IsLoading() const { return loading_; }
    const std::vector<unsigned char>& GetData() const { return data_; }

    void Write(const void* bytes, std::size_t size);
    void Read(void* bytes, std::size_t size);

    template <typename T, std::enable_if_t<std::is_arithmetic_v<T>, int> = 0>
    CArchive& operator<<(T value) {
        Write(&value, sizeof value);
        return *this;
    }
    template <typename T, std::enable_if_t<std::is_arithmetic_v<T>, int> = 0>
    CArchive& operator>>(T& value) {
        Read(&value, sizeof value);
        return *this;
    }
    CArchive& operator<<(const CString& text);
    CArchive& operator>>(CString& text);

    // Writes the object's class name and contents; a null object is written as such.
    void WriteObject(CSerial* object);
    // Creates an object of the stored class and loads its contents into it. Returns null
    // for a stored null object; the caller owns the result (release it with Delete()).
    CSerial* ReadObject();

  private:
    std::vector<unsigned char> data_;
    std::size_t readPos_ = 0;
    bool loading_ = false;
};

// The serialisable base of every option class.
class TARIN_API CSerial {
  public:
    CSerial() = default;
    CSerial(const CSerial&) = default;
    CSerial(CSerial&&) = default;
    CSerial& operator=(const CSerial&) = default;
    virtual ~CSerial();

    // Writes the object into a storing archive or reads it from a loading one.
    virtual void Serialize(CArchive& ar);
    virtual const CRuntimeClass* GetRuntimeClass() const;
    // Destroys an object that was created with new (by the host, CreateObject or Clone).
    virtual void Delete();
    // A new object of the same class holding a deep copy of this one; containers of
    // objects copy their elements through it.
    virtual CSerial* Clone() const = 0;

    bool IsKindOf(const CRuntimeClass* runtimeClass) const;
    static const CRuntimeClass* GetThisClass();
};
