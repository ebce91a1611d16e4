#include "locale_number_format.h"

namespace quorvel {

NumberFormat LocaleNumberFormat(const QLocale& locale) {
    return {locale.decimalPoint().toStdString(), locale.negativeSign().toStdString(),
            locale.positiveSign().toStdString()};
}

}  // namespace quorvel
