// Brevant Dira — the number and date formats that text conversions use.
#include "locale_settings.h"

namespace brevant {
namespace {
LocaleSettings& ProcessFormatsStore() {
    static LocaleSettings formats;
    return formats;
}
} // namespace

LocaleSettings WithProgramDates(LocaleSettings locale) {
    locale.DateSeparator = '.';
    locale.ShortDateFormat = "dd.mm.yyyy";
    return locale;
}

const LocaleSettings& ProcessFormats() {
    return ProcessFormatsStore();
}

void SetProcessFormats(const LocaleSettings& formats) {
    ProcessFormatsStore() = formats;
}

} // namespace brevant
