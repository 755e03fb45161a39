#include "TarinTranslator/platform/OutputFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

namespace tarin {

AtomicFile::~AtomicFile() {
    abandon();
}

bool AtomicFile::open(const std::filesystem::path& target) {
    abandon();
    target_ = target;
    failed_ = false;
    static thread_local std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 16 && fd_ < 0; ++attempt) {
        temp_ = target;
        temp_ += ".tmp" + std::to_string(random() % 1000000000ULL);
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) {
        temp_.clear();
        return false;
    }
    return true;
}

bool AtomicFile::write(const void* data, std::size_t size) {
    if (!good()) return false;
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = ::write(fd_, p, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            failed_ = true;
            return false;
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool AtomicFile::commit() {
    if (fd_ < 0) return false;
    bool ok = !failed_;
    if (::close(fd_) != 0) ok = false;
    fd_ = -1;
    if (ok && std::rename(temp_.c_str(), target_.c_str()) != 0) ok = false;
    if (!ok) ::unlink(temp_.c_str());
    temp_.clear();
    return ok;
}

void AtomicFile::abandon() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
}

bool writeFileAtomically(const std::filesystem::path& target, const void* bytes, std::size_t size) {
    AtomicFile file;
    return file.open(target) && file.write(bytes, size) && file.commit();
}

void appendUtf8(std::string& out, char32_t c) {
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = 0xFFFD;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

namespace {
constexpr std::size_t kByteChunk = 1 << 16;
}

Utf8FileBuf::Utf8FileBuf(AtomicFile& file) : file_(file) {
    setp(wide_, wide_ + sizeof(wide_) / sizeof(wide_[0]));
    bytes_.reserve(kByteChunk + 64);
}

Utf8FileBuf::~Utf8FileBuf() {
    sync();
}

void Utf8FileBuf::encodeWide() {
    for (const wchar_t* p = pbase(); p != pptr(); ++p) {
        auto c = static_cast<char32_t>(*p);
        if (pendingHigh_) {
            char32_t high = static_cast<char32_t>(pendingHigh_);
            pendingHigh_ = 0;
            if (c >= 0xDC00 && c <= 0xDFFF) {
                appendUtf8(bytes_, 0x10000 + ((high - 0xD800) << 10) + (c - 0xDC00));
                continue;
            }
            appendUtf8(bytes_, 0xFFFD);
        }
        if (c == U'\n') {
            bytes_ += "\r\n";
        } else if (c < 0x80) {
            bytes_ += static_cast<char>(c);
        } else if (c >= 0xD800 && c <= 0xDBFF) {
            pendingHigh_ = static_cast<wchar_t>(c);  // first half of a UTF-16 pair
        } else {
            appendUtf8(bytes_, c);
        }
        if (bytes_.size() >= kByteChunk) flushBytes();
    }
    setp(wide_, wide_ + sizeof(wide_) / sizeof(wide_[0]));
}

void Utf8FileBuf::flushBytes() {
    if (!bytes_.empty() && !file_.write(bytes_.data(), bytes_.size())) failed_ = true;
    bytes_.clear();
}

void Utf8FileBuf::putAscii(const char* text, std::size_t size) {
    encodeWide();
    if (size >= kByteChunk / 2) {
        // Large runs go to the file as they are, without another copy.
        flushBytes();
        if (!file_.write(text, size)) failed_ = true;
        return;
    }
    while (size > 0) {
        std::size_t room = kByteChunk - std::min(bytes_.size(), kByteChunk);
        if (room == 0) {
            flushBytes();
            continue;
        }
        std::size_t n = std::min(room, size);
        bytes_.append(text, n);
        text += n;
        size -= n;
    }
}

Utf8FileBuf::int_type Utf8FileBuf::overflow(int_type c) {
    encodeWide();
    if (failed_) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

std::streamsize Utf8FileBuf::xsputn(const char_type* s, std::streamsize n) {
    std::streamsize done = 0;
    while (done < n) {
        std::streamsize room = epptr() - pptr();
        if (room == 0) {
            encodeWide();
            if (failed_) return done;
            continue;
        }
        std::streamsize k = std::min(room, n - done);
        traits_type::copy(pptr(), s + done, static_cast<std::size_t>(k));
        pbump(static_cast<int>(k));
        done += k;
    }
    return done;
}

int Utf8FileBuf::sync() {
    // A pending first half of a UTF-16 pair stays pending: its second half may follow.
    encodeWide();
    flushBytes();
    return failed_ ? -1 : 0;
}

}  // namespace tarin
