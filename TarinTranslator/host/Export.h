#pragma once

// Symbols marked TARIN_API are the library's public interface; everything else
// is built with hidden visibility.
#define TARIN_API __attribute__((visibility("default")))
