#pragma once

// Output files that appear complete or not at all, and a wide stream buffer that turns
// wide text into UTF-8 with CR LF line ends as it goes.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <streambuf>
#include <string>

namespace tarin {

// Writes into a temporary file beside the target and renames it over the target on
// commit(). A file that is never committed is removed, so a failed write leaves any
// previous target as it was.
class AtomicFile {
  public:
    AtomicFile() = default;
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool open(const std::filesystem::path& target);
    bool write(const void* data, std::size_t size);
    bool commit();
    void abandon();
    bool good() const { return fd_ >= 0 && !failed_; }

  private:
    std::filesystem::path target_;
    std::filesystem::path temp_;
    int fd_ = -1;
    bool failed_ = false;
};

// Writes `bytes` to `target` through an AtomicFile.
bool writeFileAtomically(const std::filesystem::path& target, const void* bytes, std::size_t size);

// Appends the UTF-8 form of one code point to `out`. Surrogates and values beyond
// U+10FFFF become U+FFFD.
void appendUtf8(std::string& out, char32_t unit);

// A wide stream buffer that encodes its text as UTF-8 into an AtomicFile, writing each
// "\n" as CR LF. putAscii() passes narrow ASCII text (which needs no encoding) straight
// through, for bulk text such as Base64.
class Utf8FileBuf : public std::wstreambuf {
  public:
    explicit Utf8FileBuf(AtomicFile& file);
    ~Utf8FileBuf() override;

    void putAscii(const char* text, std::size_t size);
    bool failed() const { return failed_; }

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char_type* s, std::streamsize n) override;
    int sync() override;

  private:
    void encodeWide();
    void flushBytes();

    AtomicFile& file_;
    wchar_t wide_[4096];
    std::string bytes_;
    wchar_t pendingHigh_ = 0;
    bool failed_ = false;
};

}  // namespace tarin
