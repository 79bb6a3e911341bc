#pragma once

#include <string>

namespace kvtl {

// The system's wide strings hold UTF-16 code units; wchar_t is 32 bits here,
// so a Windows build would map this alias to std::wstring.
using WString = std::u16string;

// Lenient with unpaired surrogates, except a trailing high one, which fails.
// Empty on failure; the result stops at the first zero.
std::string WideToUtf8(const WString &in);

// Strict: any malformed or truncated sequence gives an empty result.
// Encoded surrogates and values past U+10FFFF become U+FFFD.
WString Utf8ToWide(const std::string &in);

} // namespace kvtl
