#pragma once

#include <QIcon>
#include <QPixmap>

class QLabel;

namespace quorvel {

// The drill's logo, a stopwatch with a times sign on its face, `size` pixels square.
QPixmap PaintLogo(int size);

// The program's icon, the logo at the usual icon sizes.
QIcon ProgramIcon();

// Shows the logo in `label`, filling it, sharp at the screen's pixel density.
void ShowLogo(QLabel* label);

}  // namespace quorvel
