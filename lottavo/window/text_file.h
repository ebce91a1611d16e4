#pragma once

#include <QByteArray>
#include <QString>

namespace lottavo {

// Writes bytes to a file as they are. They go to a temporary file beside it first, which
// replaces the file only once everything is written: a failed write leaves an existing file as
// it was. False when the file could not be written.
bool writeTextFile(const QString& path, const QByteArray& bytes);

}  // namespace lottavo
