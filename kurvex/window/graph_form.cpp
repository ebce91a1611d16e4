#include "graph_form.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <optional>

#include "help_text.h"
#include "picture_view.h"
#include "qimage_canvas.h"
#include "table_model.h"

namespace kurvex {
namespace {

const QColor kSilver(192, 192, 192);
const QColor kBandRed(255, 0, 0);
constexpr int kPageAreaMargin = 108;  // the band and the window's frame

QFont PixelFont(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

void Fill(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void Place(QWidget* widget, const Rect& r) {
    widget->setGeometry(r.left, r.top, r.width, r.height);
}

QWidget* Page(QWidget* content) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    return page;
}

}  // namespace

TGraphForm::TGraphForm(QSize screenSize, WindowBoxes* boxes)
    : requestedScreen_(screenSize),
      ownBoxes_(boxes ? nullptr : std::make_unique<QtWindowBoxes>()),
      boxes_(boxes ? boxes : ownBoxes_.get()) {
    setObjectName(QStringLiteral("GraphForm"));
    setWindowTitle(QStringLiteral("Kurvex"));
    setFont(PixelFont(QStringLiteral("DejaVu Sans"), 14));
    Fill(this, kSilver);
    CreateControls();
    NameControls();
    SetTabOrder();
    FormCreate();
}

TGraphForm::~TGraphForm() = default;

void TGraphForm::CreateControls() {
    GroupBox1 = new QFrame(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Fill(GroupBox1, kBandRed);

    const auto label = [this](const char* name, const char* text) {
        auto* l = new QLabel(QString::fromUtf8(text), GroupBox1);
        l->setObjectName(QString::fromUtf8(name));
        return l;
    };
    const auto edit = [this](const char* name, const char* hint) {
        auto* e = new QLineEdit(GroupBox1);
        e->setObjectName(QString::fromUtf8(name));
        e->setToolTip(QString::fromUtf8(hint));
        return e;
    };
    const auto button = [this](const char* name, const char* text, const char* hint,
                               void (TGraphForm::*handler)()) {
        auto* b = new QPushButton(QString::fromUtf8(text), GroupBox1);
        b->setObjectName(QString::fromUtf8(name));
        b->setToolTip(QString::fromUtf8(hint));
        b->setAutoDefault(true);  // Enter presses the focused button, as the space bar does
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };

    EquationLabel = label("EquationLabel", " Equation");
    EquationLabel->setFont(PixelFont(QStringLiteral("DejaVu Sans"), 15));
    EquationEdit = edit("EquationEdit", "Enter the equation here");
    GoButton = button("GoButton", "Go", "This starts the calculations", &TGraphForm::GoButtonClick);
    ClearButton =
        button("ClearButton", "Clear", "This clears the display", &TGraphForm::ClearButtonClick);
    ExitButton =
        button("ExitButton", "Exit", "This terminates the pogram", &TGraphForm::ExitButtonClick);
    LowLimLabel = label("LowLimLabel", "Low X");
    LowLimEdit = edit("LowLimEdit", "Enter the low limit of X required here");
    HighLimLabel = label("HighLimLabel", "High X");
    HighLimEdit = edit("HighLimEdit", "Enter the upper X limit required here");
    SpecXLabel = label("SpecXLabel", "Spec. X ");
    SpecXEdit = edit("SpecXEdit", "Enter the desired specific val of X here");
    SpecYLabel = label("SpecYLabel", "Spec Y");
    SpecYEdit = edit("SpecYEdit", "This shows the Y value produced by specific val of X");
    MaxXLabel = label("MaxXLabel", "MaxX");
    MaxXEdit = edit("MaxXEdit", "This shows the X  value producing the max Y value");
    MaxYLabel = label("MaxYLabel", "MaxY");
    MaxYEdit = edit("MaxYEdit", "This shows the highest value of Y reached");

    PiRadioGroup = new QFrame(GroupBox1);
    PiRadioGroup->setFrameShape(QFrame::Box);
    PiRadioGroup->setObjectName(QStringLiteral("PiRadioGroup"));
    PiRadioGroup->setToolTip(QStringLiteral("Click to choose units or times Pi"));

    Fill(PiRadioGroup, kSilver);
    auto* choices = new QVBoxLayout(PiRadioGroup);
    choices->setContentsMargins(2, 2, 0, 2);
    choices->setSpacing(0);
    UnitsButton = new QRadioButton(QStringLiteral("Units"), PiRadioGroup);
    UnitsButton->setObjectName(QStringLiteral("UnitsItem"));
    TimesPiButton = new QRadioButton(QStringLiteral("Times Pi"), PiRadioGroup);
    TimesPiButton->setObjectName(QStringLiteral("TimesPiItem"));
    TimesPiButton->setChecked(true);
    for (QRadioButton* item : {UnitsButton, TimesPiButton}) {
        // The choice is only 70 pixels wide: a smaller face fits "Times Pi".
        item->setFont(PixelFont(QStringLiteral("DejaVu Sans"), 10));
        item->setToolTip(PiRadioGroup->toolTip());
        choices->addWidget(item);
        connect(item, &QRadioButton::toggled, this, &TGraphForm::KeepOneTabStopInUnits);
    }
    KeepOneTabStopInUnits();

    Image1 = new PictureView(picture_);
    Image1->setObjectName(QStringLiteral("Image1"));
    tableModel_ = new TableModel(grapher_, this);
    TableGrid = new QTableView;
    TableGrid->setObjectName(QStringLiteral("TableGrid"));
    TableGrid->setModel(tableModel_);
    TableGrid->verticalHeader()->hide();
    TableGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    TableGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TableGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TableGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableGrid->setFocusPolicy(Qt::ClickFocus);
    HelpMemo = new QPlainTextEdit;
    HelpMemo->setObjectName(QStringLiteral("HelpMemo"));
    HelpMemo->setReadOnly(true);
    HelpMemo->setFont(PixelFont(QStringLiteral("DejaVu Serif"), 20));
    HelpMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    HelpMemo->setFocusPolicy(Qt::ClickFocus);
    HelpMemo->setPlainText(QString::fromStdString(HelpText()));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setToolTip(QStringLiteral("Click to display relevant sheet"));
    PageControl1->setFocusPolicy(Qt::NoFocus);
    GraphSheet = Page(Image1);
    TableSheet = Page(TableGrid);
    HelpSheet = Page(HelpMemo);
    GraphSheet->setObjectName(QStringLiteral("GraphSheet"));
    TableSheet->setObjectName(QStringLiteral("TableSheet"));
    HelpSheet->setObjectName(QStringLiteral("HelpSheet"));
    PageControl1->addTab(GraphSheet, QStringLiteral("Graph"));
    PageControl1->addTab(TableSheet, QStringLiteral("Table"));
    PageControl1->addTab(HelpSheet, QStringLiteral("Help"));
    PageControl1->tabBar()->setFocusPolicy(Qt::NoFocus);
    PageControl1->setCurrentWidget(HelpSheet);
}

// What assistive technology announces: each box by the label beside it, each button and
// choice by its caption, with the hint as the description.
void TGraphForm::NameControls() {
    const auto name = [](QWidget* control, const QString& accessibleName) {
        control->setAccessibleName(accessibleName);
        control->setAccessibleDescription(control->toolTip());
    };
    const auto labelled = [&name](QLineEdit* edit, QLabel* label) {
        label->setBuddy(edit);
        name(edit, label->text().trimmed());
    };
    labelled(EquationEdit, EquationLabel);
    labelled(LowLimEdit, LowLimLabel);
    labelled(HighLimEdit, HighLimLabel);
    labelled(SpecXEdit, SpecXLabel);
    labelled(SpecYEdit, SpecYLabel);
    labelled(MaxXEdit, MaxXLabel);
    labelled(MaxYEdit, MaxYLabel);
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             GoButton, ClearButton, ExitButton, UnitsButton, TimesPiButton})
        name(button, button->text());
    name(PiRadioGroup, QStringLiteral("Units or times Pi"));
    name(PageControl1, QStringLiteral("Pages"));
    name(Image1, QStringLiteral("Graph"));
    name(TableGrid, QStringLiteral("Table of values"));
    name(HelpMemo, QStringLiteral("Help"));
}

void TGraphForm::SetTabOrder() {
    const QWidget* order[] = {EquationEdit, SpecXEdit,     LowLimEdit,  HighLimEdit,
                              GoButton,     SpecYEdit,     MaxXEdit,    MaxYEdit,
                              UnitsButton,  TimesPiButton, ClearButton, ExitButton};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
}

// The units choice is one tab stop: the chosen item takes the focus, arrows move the choice.
void TGraphForm::KeepOneTabStopInUnits() {
    for (QRadioButton* item : {UnitsButton, TimesPiButton})
        item->setFocusPolicy(item->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

MeasuredWidths TGraphForm::MeasureWidths() const {
    const auto width = [](const QLabel* l) {
        return l->fontMetrics().horizontalAdvance(l->text()) + 4;
    };
    MeasuredWidths m;
    m.equationLabel = width(EquationLabel);
    m.lowLimLabel = width(LowLimLabel);
    m.highLimLabel = width(HighLimLabel);
    m.specXLabel = width(SpecXLabel);
    m.specYLabel = width(SpecYLabel);
    m.maxXLabel = width(MaxXLabel);
    m.maxYLabel = width(MaxYLabel);
    m.button = std::max(37, ClearButton->fontMetrics().horizontalAdvance(ClearButton->text()) + 16);
    return m;
}

// The layout, W and a new blank picture, for the screen as it is now.
void TGraphForm::FormCreate() {
    QSize screen = requestedScreen_;
    if (!screen.isValid())
        screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size()
                                                  : QSize(1024, 768);
    layout_ = FormCreateLayout(screen.width(), screen.height(), MeasureWidths());
    move(x(), 0);
    resize(layout_.windowWidth, layout_.windowHeight);
    PlaceControls();

    const int pictureHeight = std::max(1, layout_.windowHeight - kPageAreaMargin);
    grapher_.Resize(layout_.windowWidth, pictureHeight, layout_.windowHeight);
    templateBitmap_ = QImage(std::max(1, layout_.windowWidth), pictureHeight, QImage::Format_RGB32);
    templateBitmap_.fill(Qt::white);
    picture_ = templateBitmap_.copy();
    Image1->update();
    tableModel_->Refresh();
    TableGrid->horizontalHeader()->setDefaultSectionSize(layout_.tableColumnWidth);
    TableGrid->horizontalHeader()->resizeSection(0, layout_.tableColumnWidth);
    TableGrid->horizontalHeader()->resizeSection(1, layout_.tableColumnWidth);
}

void TGraphForm::PlaceControls() {
    const Layout& l = layout_;
    Place(GroupBox1, l.groupBox);
    Place(EquationLabel, l.equationLabel);
    Place(EquationEdit, l.equationEdit);
    Place(GoButton, l.goButton);
    Place(ClearButton, l.clearButton);
    Place(ExitButton, l.exitButton);
    Place(LowLimLabel, l.lowLimLabel);
    Place(LowLimEdit, l.lowLimEdit);
    Place(HighLimLabel, l.highLimLabel);
    Place(HighLimEdit, l.highLimEdit);
    Place(PiRadioGroup, l.piRadioGroup);
    Place(SpecXLabel, l.specXLabel);
    Place(SpecXEdit, l.specXEdit);
    Place(SpecYLabel, l.specYLabel);
    Place(SpecYEdit, l.specYEdit);
    Place(MaxXLabel, l.maxXLabel);
    Place(MaxXEdit, l.maxXEdit);
    Place(MaxYLabel, l.maxYLabel);
    Place(MaxYEdit, l.maxYEdit);
    Place(PageControl1, l.pageControl);
}

Boxes TGraphForm::ReadBoxes() const {
    Boxes b;
    b.Equation = EquationEdit->text().toStdString();
    b.LowLim = LowLimEdit->text().toStdString();
    b.HighLim = HighLimEdit->text().toStdString();
    b.SpecX = SpecXEdit->text().toStdString();
    b.SpecY = SpecYEdit->text().toStdString();
    b.MaxX = MaxXEdit->text().toStdString();
    b.MaxY = MaxYEdit->text().toStdString();
    b.PiItemIndex = TimesPiButton->isChecked() ? 1 : 0;
    return b;
}

void TGraphForm::ShowBoxes(const Boxes& b) {
    const auto show = [](QLineEdit* edit, const std::string& text) {
        const QString shown = QString::fromStdString(text);
        if (edit->text() != shown) edit->setText(shown);
    };
    show(SpecYEdit, b.SpecY);
    show(MaxXEdit, b.MaxX);
    show(MaxYEdit, b.MaxY);
}

Services TGraphForm::MakeServices(Canvas& canvas) {
    const QLocale locale;
    return Services{*boxes_, canvas, locale.decimalPoint().toStdString(),
                    [locale](const std::string& text) {
                        return locale.toLower(QString::fromStdString(text)).toStdString();
                    }};
}

void TGraphForm::ShowFailure(const std::exception& failure) {
    boxes_->ShowError(failure.what());
}

void TGraphForm::GoButtonClick() {
    Boxes boxes = ReadBoxes();
    std::optional<std::string> failure;
    {
        QImageCanvas canvas(picture_);
        Services services = MakeServices(canvas);
        try {
            grapher_.GoButtonClick(boxes, services);
        } catch (const std::exception& e) {
            failure = e.what();
        }
    }
    ShowBoxes(boxes);
    Image1->update();
    tableModel_->Refresh();
    if (failure) boxes_->ShowError(*failure);
}

// The boxes keep their texts; the picture is blank before the inputs are read again.
void TGraphForm::ClearButtonClick() {
    templateBitmap_ = QImage();
    FormCreate();
    std::optional<std::string> failure;
    {
        QImageCanvas canvas(picture_);
        Services services = MakeServices(canvas);
        try {
            grapher_.PrepareRun(ReadBoxes(), services);
            grapher_.EmptyTableRows();
        } catch (const std::exception& e) {
            failure = e.what();
        }
    }
    tableModel_->Refresh();
    if (failure) boxes_->ShowError(*failure);
}

void TGraphForm::ExitButtonClick() {
    templateBitmap_ = QImage();
    close();
    QCoreApplication::quit();
}

}  // namespace kurvex
