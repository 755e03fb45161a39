#include "TarinTranslator/options/OptionClass.h"

void CSerialArray::Release::operator()(CSerial* object) const {
    if (object) object->Delete();
}

CSerialArray::CSerialArray() = default;

CSerialArray::CSerialArray(const CSerialArray& other) {
    items_.reserve(other.items_.size());
    for (const auto& item : other.items_) items_.emplace_back(item ? item->Clone() : nullptr);
}

CSerialArray::CSerialArray(CSerialArray&& other) noexcept = default;

CSerialArray& CSerialArray::operator=(const CSerialArray& other) {
    if (this != &other) *this = CSerialArray(other);
    return *this;
}

CSerialArray& CSerialArray::operator=(CSerialArray&& other) noexcept = default;

CSerialArray::~CSerialArray() = default;

int CSerialArray::GetSize() const {
    return static_cast<int>(items_.size());
}

CSerial* CSerialArray::GetAt(int i) const {
    return i >= 0 && i < GetSize() ? items_[static_cast<std::size_t>(i)].get() : nullptr;
}

int CSerialArray::Add(CSerial* element) {
    items_.emplace_back(element);
    return GetSize() - 1;
}

void CSerialArray::RemoveAt(int i) {
    if (i >= 0 && i < GetSize()) items_.erase(items_.begin() + i);
}

void CSerialArray::RemoveAll() {
    items_.clear();
}

namespace tarin {

namespace {

// A container is its element count followed by its elements.
template <typename Container>
void archiveStrings(CArchive& ar, Container& strings) {
    if (ar.IsStoring()) {
        ar << static_cast<uint32_t>(strings.size());
        for (const CString& text : strings) ar << text;
        return;
    }
    uint32_t count = 0;
    ar >> count;
    Container loaded;
    for (uint32_t i = 0; i < count; ++i) {
        CString text;
        ar >> text;
        loaded.insert(loaded.end(), std::move(text));
    }
    strings = std::move(loaded);
}

}  // namespace

void archiveField(CArchive& ar, CStringArray& field) {
    archiveStrings(ar, field);
}

void archiveField(CArchive& ar, CStringList& field) {
    archiveStrings(ar, field);
}

void archiveField(CArchive& ar, CSerialArray& field) {
    if (ar.IsStoring()) {
        ar << static_cast<uint32_t>(field.GetSize());
        for (int i = 0; i < field.GetSize(); ++i) ar.WriteObject(field.GetAt(i));
        return;
    }
    uint32_t count = 0;
    ar >> count;
    CSerialArray loaded;
    for (uint32_t i = 0; i < count; ++i) loaded.Add(ar.ReadObject());
    field = std::move(loaded);
}

}  // namespace tarin
