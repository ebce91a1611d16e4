#pragma once

#include <QFont>
#include <QString>

namespace quorvel {

// The playful face every text of the drill is written in.
inline constexpr const char* kJesterFace = "Comic Neue";

// The family used for the drill's texts: the playful face when installed, else the default.
QString JesterFamily();

// The drill's face at `points` points, bold or not.
QFont JesterFont(qreal points, bool bold = false);

}  // namespace quorvel
