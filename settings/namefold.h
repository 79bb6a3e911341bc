#pragma once

#include <string>
#include <string_view>

namespace kvreg {

// The registry's case-insensitive match key: each UTF-16 unit upper-cased on
// its own (simple case mapping), surrogates left as they are.
std::u16string FoldName(std::u16string_view name);

} // namespace kvreg
