#pragma once

#include <QByteArray>
#include <QString>

namespace lottavo {

// The engine keeps 8-bit texts. What it shows comes from the program itself (plain ASCII), from
// the command line (UTF-8 on this desktop) or from the seed box (one byte per character).

// UTF-8 where the bytes are valid UTF-8, else one character per byte (Latin-1).
QString textFromEngine(const char* text);

// One byte per character, so that the box's five characters are five bytes; characters
// outside Latin-1 become '?', which the seed check refuses.
QByteArray seedTextForEngine(const QString& boxText);

}  // namespace lottavo
