#pragma once

#include <QImage>
#include <QSize>
#include <QWidget>
#include <memory>

#include "grapher.h"
#include "layout.h"
#include "window_boxes.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;

namespace kurvex {

class PictureView;
class TableModel;

// The grapher's one window: the red control band, and the Graph, Table and Help pages.
// It reads the boxes, hands them to the grapher and shows what comes back.
class TGraphForm : public QWidget {
    Q_OBJECT
public:
    // screenSize: the screen the layout is computed for (the primary screen by default);
    // boxes: where messages and errors are shown (real message boxes by default).
    explicit TGraphForm(QSize screenSize = {}, WindowBoxes* boxes = nullptr);
    ~TGraphForm() override;

    const QImage& Picture() const { return picture_; }
    const Grapher& Logic() const { return grapher_; }
    const Layout& CurrentLayout() const { return layout_; }
    bool HasTemplateBitmap() const { return !templateBitmap_.isNull(); }

public slots:
    void GoButtonClick();
    void ClearButtonClick();
    void ExitButtonClick();

private:
    void CreateControls();
    void NameControls();
    void SetTabOrder();
    void KeepOneTabStopInUnits();
    void FormCreate();
    void PlaceControls();
    MeasuredWidths MeasureWidths() const;
    Boxes ReadBoxes() const;
    void ShowBoxes(const Boxes& boxes);
    Services MakeServices(Canvas& canvas);
    void ShowFailure(const std::exception& failure);

    QSize requestedScreen_;
    std::unique_ptr<WindowBoxes> ownBoxes_;
    WindowBoxes* boxes_;
    Layout layout_;
    Grapher grapher_;
    QImage templateBitmap_;
    QImage picture_;

    QFrame* GroupBox1 = nullptr;
    QLabel *EquationLabel = nullptr, *LowLimLabel = nullptr, *HighLimLabel = nullptr;
    QLabel *SpecXLabel = nullptr, *SpecYLabel = nullptr, *MaxXLabel = nullptr, *MaxYLabel = nullptr;
    QLineEdit *EquationEdit = nullptr, *LowLimEdit = nullptr, *HighLimEdit = nullptr;
    QLineEdit *SpecXEdit = nullptr, *SpecYEdit = nullptr, *MaxXEdit = nullptr, *MaxYEdit = nullptr;
    QPushButton *GoButton = nullptr, *ClearButton = nullptr, *ExitButton = nullptr;
    QFrame* PiRadioGroup = nullptr;
    QRadioButton *UnitsButton = nullptr, *TimesPiButton = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget *GraphSheet = nullptr, *TableSheet = nullptr, *HelpSheet = nullptr;
    PictureView* Image1 = nullptr;
    QTableView* TableGrid = nullptr;
    TableModel* tableModel_ = nullptr;
    QPlainTextEdit* HelpMemo = nullptr;
};

}  // namespace kurvex
