#pragma once

#include <string_view>

namespace TransferDevicesLibrary {

// True when text is whole, well-formed UTF-8: no cut-off sequence at the end,
// no overlong form, no surrogate, nothing past U+10FFFF. The check keeps no
// state between calls, so a sequence cut at the end is an error, not input
// still to come.
bool isValidUtf8(std::string_view text);

} // namespace TransferDevicesLibrary
