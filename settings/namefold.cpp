#include "settings/namefold.h"

#include <clocale>
#include <cwctype>
#include <locale.h>

namespace kvreg {

namespace {

locale_t unicodeLocale()
{
    // C.UTF-8 gives the Unicode simple mappings whatever the process locale is;
    // without it only ASCII folds, which still matches every name we write.
    static const locale_t loc = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return loc;
}

} // namespace

std::u16string FoldName(std::u16string_view name)
{
    const locale_t loc = unicodeLocale();
    std::u16string folded(name);
    for (char16_t &unit : folded) {
        if (unit < 0x80) {
            if (unit >= u'a' && unit <= u'z')
                unit = static_cast<char16_t>(unit - (u'a' - u'A'));
        } else if ((unit < 0xD800 || unit > 0xDFFF) && loc) {
            const wint_t upper = towupper_l(static_cast<wint_t>(unit), loc);
            // A mapping that leaves the 16-bit range is not a single unit; keep the original.
            if (upper <= 0xFFFF && (upper < 0xD800 || upper > 0xDFFF))
                unit = static_cast<char16_t>(upper);
        }
    }
    return folded;
}

} // namespace kvreg
