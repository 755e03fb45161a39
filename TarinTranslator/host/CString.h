#pragma once

#include <string>

#include "TarinTranslator/host/Export.h"

// The wide string class of the exported C signatures: a host hands its texts over as
// references to it. It owns a std::wstring.
class TARIN_API CString {
  public:
    CString() = default;
    CString(const wchar_t* text) : text_(text ? text : L"") {}
    CString(std::wstring text) : text_(std::move(text)) {}
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(const wchar_t* text) {
        text_ = text ? text : L"";
        return *this;
    }
    CString& operator=(std::wstring text) {
        text_ = std::move(text);
        return *this;
    }

    const wchar_t* GetString() const { return text_.c_str(); }
    int GetLength() const { return static_cast<int>(text_.size()); }
    bool IsEmpty() const { return text_.empty(); }
    operator const wchar_t*() const { return text_.c_str(); }

    const std::wstring& str() const { return text_; }
    std::wstring& str() { return text_; }

    friend bool operator==(const CString& a, const CString& b) { return a.text_ == b.text_; }
    friend bool operator!=(const CString& a, const CString& b) { return a.text_ != b.text_; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.text_ == (b ? b : L""); }
    friend bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }

  private:
    std::wstring text_;
};
