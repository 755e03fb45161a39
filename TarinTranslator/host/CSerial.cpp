#include "TarinTranslator/host/CSerial.h"

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace {

const CRuntimeClass serialRuntimeClass = {"CSerial", sizeof(CSerial), nullptr, nullptr};

// Registered classes by name. Filled while the program's static objects are set up.
std::map<std::string, const CRuntimeClass*>& registry() {
    static std::map<std::string, const CRuntimeClass*> classes;
    return classes;
}

[[maybe_unused]] const bool serialRegistered = tarin::registerRuntimeClass(&serialRuntimeClass);

}  // namespace

bool tarin::registerRuntimeClass(const CRuntimeClass* runtimeClass) {
    return registry().emplace(runtimeClass->className, runtimeClass).second;
}

const CRuntimeClass* CRuntimeClass::GetBaseClass() const {
    return getBaseClass ? getBaseClass() : nullptr;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
    for (const CRuntimeClass* cls = this; cls; cls = cls->GetBaseClass()) {
        if (cls == base) return true;
    }
    return false;
}

CSerial* CRuntimeClass::CreateObject() const {
    return createObject ? createObject() : nullptr;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* name) {
    if (!name) return nullptr;
    auto found = registry().find(name);
    return found == registry().end() ? nullptr : found->second;
}

CArchive::CArchive() = default;

CArchive::CArchive(std::vector<unsigned char> data) : data_(std::move(data)), loading_(true) {}

void CArchive::Write(const void* bytes, std::size_t size) {
    if (loading_) throw CArchiveException("archive: write to a loading archive");
    const auto* first = static_cast<const unsigned char*>(bytes);
    data_.insert(data_.end(), first, first + size);
}

void CArchive::Read(void* bytes, std::size_t size) {
    if (!loading_) throw CArchiveException("archive: read from a storing archive");
    if (data_.size() - readPos_ < size) throw CArchiveException("archive: unexpected end of data");
    std::memcpy(bytes, data_.data() + readPos_, size);
    readPos_ += size;
}

// A string is its length in characters followed by the characters as 32-bit units, so
// that every wide character survives whatever the width of wchar_t.
CArchive& CArchive::operator<<(const CString& text) {
    const wchar_t* chars = text.GetString();
    const auto length = static_cast<uint32_t>(text.GetLength());
    *this << length;
    for (uint32_t i = 0; i < length; ++i) *this << static_cast<uint32_t>(chars[i]);
    return *this;
}

CArchive& CArchive::operator>>(CString& text) {
    uint32_t length = 0;
    *this >> length;
    // Guards against a corrupt length asking for more memory than the archive can fill.
    if ((data_.size() - readPos_) / sizeof(uint32_t) < length) {
        throw CArchiveException("archive: string longer than the remaining data");
    }
    std::wstring chars(length, L'\0');
    for (auto& c : chars) {
        uint32_t unit = 0;
        *this >> unit;
        c = static_cast<wchar_t>(unit);
    }
    text = CString(std::move(chars));
    return *this;
}

void CArchive::WriteObject(CSerial* object) {
    const char* name = object ? object->GetRuntimeClass()->className : "";
    const auto length = static_cast<uint32_t>(std::strlen(name));
    *this << length;
    Write(name, length);
    if (object) object->Serialize(*this);
}

CSerial* CArchive::ReadObject() {
    uint32_t length = 0;
    *this >> length;
    if (data_.size() - readPos_ < length)
        throw CArchiveException("archive: unexpected end of data");
    std::string name(length, '\0');
    Read(name.data(), length);
    if (name.empty()) return nullptr;

    const CRuntimeClass* runtimeClass = CRuntimeClass::FromName(name.c_str());
    CSerial* created = runtimeClass ? runtimeClass->CreateObject() : nullptr;
    if (!created) throw CArchiveException("archive: cannot create an object of class " + name);
    auto release = [](CSerial* object) { object->Delete(); };
    std::unique_ptr<CSerial, decltype(release)> object(created, release);
    object->Serialize(*this);
    return object.release();
}

CSerial::~CSerial() = default;

void CSerial::Serialize(CArchive&) {}

const CRuntimeClass* CSerial::GetRuntimeClass() const {
    return &serialRuntimeClass;
}

void CSerial::Delete() {
    delete this;
}

bool CSerial::IsKindOf(const CRuntimeClass* runtimeClass) const {
    return GetRuntimeClass()->IsDerivedFrom(runtimeClass);
}

const CRuntimeClass* CSerial::GetThisClass() {
    return &serialRuntimeClass;
}
