#include "xls/storage_element.h"

namespace kontaro::xls {
namespace {

// Upper case as the format compares names: the letters of ASCII and Latin-1, which covers every
// name the program meets; other code units compare as they are.
char16_t UpperCodeUnit(char16_t c)
{
    if (c >= u'a' && c <= u'z') {
        return static_cast<char16_t>(c - 0x20);
    }
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
        return static_cast<char16_t>(c - 0x20);
    }
    if (c == 0xFF) {
        return 0x178;
    }
    return c;
}

bool EqualIgnoringCase(std::u16string_view a, std::u16string_view b) { return CompareElementNames(a, b) == 0; }

} // namespace

int CompareElementNames(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char16_t ua = UpperCodeUnit(a[i]);
        const char16_t ub = UpperCodeUnit(b[i]);
        if (ua != ub) {
            return ua < ub ? -1 : 1;
        }
    }
    return 0;
}

bool IsWorkbookStreamName(std::u16string_view name)
{
    return EqualIgnoringCase(name, kWorkbookStreamName) || EqualIgnoringCase(name, u"Book");
}

} // namespace kontaro::xls
