#pragma once

#include <QWidget>

namespace quorvel {

// The about box's separator: a grey line over a white line two pixels wide, slightly lower and
// shifted, which together look etched into the window. The widget covers both lines.
class EtchedLine : public QWidget {
    Q_OBJECT

public:
    // The two lines in twips, in the coordinates of the parent.
    struct Lines {
        int greyLeft, greyRight, greyY;
        int whiteLeft, whiteRight, whiteY;
    };

    EtchedLine(const Lines& lines, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine grey_, white_;  // in the widget's own pixels
};

}  // namespace quorvel
