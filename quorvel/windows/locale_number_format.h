#pragma once

#include <QLocale>

#include "answer_number.h"

namespace quorvel {

// The decimal mark and signs of `locale`, for reading typed answers.
NumberFormat LocaleNumberFormat(const QLocale& locale);

}  // namespace quorvel
