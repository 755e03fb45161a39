#include "TarinTranslator/platform/Platform.h"

#include <cstdlib>
#include <iostream>
#include <pugixml.hpp>

#include "TarinTranslator/platform/Services.h"

namespace tarin {

namespace {

std::mutex handlerLock;

MessageHandler& currentHandler() {
    static MessageHandler handler;
    return handler;
}

}  // namespace

MessageHandler setMessageHandler(MessageHandler handler) {
    std::lock_guard<std::mutex> guard(handlerLock);
    MessageHandler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

void showMessage(const std::wstring& message) {
    MessageHandler handler;
    {
        std::lock_guard<std::mutex> guard(handlerLock);
        handler = currentHandler();
    }
    if (handler) {
        handler(message);
    } else {
        std::cerr << toUtf8(message) << std::endl;
    }
}

FileError::FileError(const std::filesystem::path& file, const std::string& what)
    : std::runtime_error(what + ": " + file.string()), file_(file) {}

FileError::FileError(const std::filesystem::path& file, const std::string& what,
                     const std::string& reason)
    : std::runtime_error(what + ": " + file.string() + ": " + reason), file_(file) {}

std::string tempDirectory() {
    std::error_code ec;
    std::filesystem::path dir = std::filesystem::temp_directory_path(ec);
    std::string text = ec ? std::string("/tmp") : dir.string();
    if (text.empty() || text.back() != '/') text += '/';
    return text;
}

std::string toUtf8(std::wstring_view text) {
    return pugi::as_utf8(std::wstring(text));
}

std::wstring fromUtf8(std::string_view text) {
    return pugi::as_wide(std::string(text));
}

}  // namespace tarin
