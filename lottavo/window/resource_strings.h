#pragma once

#include <QStringList>

namespace lottavo {

// The texts the editor window asks for by number.
inline constexpr int kWriteFailedString = 32552;
inline constexpr int kTextChangedString = 32553;
inline constexpr int kFileFiltersString = 32554;

// The string with that number, or null.
const char* resourceString(int id);

// The save dialog's file types from a list of "description|pattern|" pairs, first pair first.
// "*.*" means every file there, so it becomes "*" here, where names need no dot.
QStringList fileFiltersOf(const char* pairs);

}  // namespace lottavo
