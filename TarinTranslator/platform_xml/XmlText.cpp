#include "TarinTranslator/platform_xml/XmlText.h"

namespace tarin {

namespace {

int modeSlot() {
    static const int slot = std::ios_base::xalloc();
    return slot;
}

// Allocate the slot when the library loads, not on first use from some thread.
[[maybe_unused]] const int kModeSlot = modeSlot();

const wchar_t* entityFor(wchar_t c) {
    switch (c) {
        case L'"':
            return L"&quot;";
        case L'&':
            return L"&amp;";
        case L'\'':
            return L"&apos;";
        case L'<':
            return L"&lt;";
        case L'>':
            return L"&gt;";
        default:
            return nullptr;
    }
}

}  // namespace

std::wostream& operator<<(std::wostream& os, XmlMode mode) {
    os.iword(modeSlot()) = mode.xml ? 1 : 0;
    return os;
}

bool isXmlMode(std::wostream& os) {
    return os.iword(modeSlot()) != 0;
}

std::wstring escapeXml(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        if (const wchar_t* entity = entityFor(c)) {
            out += entity;
        } else {
            out += c;
        }
    }
    return out;
}

std::wostream& putEscaped(std::wostream& os, std::wstring_view text) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (const wchar_t* entity = entityFor(text[i])) {
            os.write(text.data() + start, static_cast<std::streamsize>(i - start));
            os << entity;
            start = i + 1;
        }
    }
    os.write(text.data() + start, static_cast<std::streamsize>(text.size() - start));
    return os;
}

}  // namespace tarin
