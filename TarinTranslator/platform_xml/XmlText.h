#pragma once

// What every section writer shares: the per-stream output mode (XML or summary text)
// and the escaping of text values.

#include <ostream>
#include <string>
#include <string_view>

namespace tarin {

// Manipulator: `os << XmlMode(true)` makes the writers on `os` produce XML text,
// `os << XmlMode(false)` summary text. A stream that was never marked writes summary.
struct XmlMode {
    explicit XmlMode(bool xml) : xml(xml) {}
    bool xml;
};

std::wostream& operator<<(std::wostream& os, XmlMode mode);

bool isXmlMode(std::wostream& os);

// Replaces " & ' < > by their entities; every other unit passes unchanged.
std::wstring escapeXml(std::wstring_view text);

// Inserts `text` escaped, without building a new string.
std::wostream& putEscaped(std::wostream& os, std::wstring_view text);

// Scoped XML mode on a stream: set on construction, cleared on destruction.
class XmlModeScope {
  public:
    explicit XmlModeScope(std::wostream& os) : os_(os) { os_ << XmlMode(true); }
    ~XmlModeScope() { os_ << XmlMode(false); }
    XmlModeScope(const XmlModeScope&) = delete;
    XmlModeScope& operator=(const XmlModeScope&) = delete;

  private:
    std::wostream& os_;
};

}  // namespace tarin
