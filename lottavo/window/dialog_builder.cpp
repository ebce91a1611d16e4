#include "dialog_builder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <new>

namespace lottavo {

namespace {

constexpr const char* kControlIdProperty = "controlId";

QWidget* makeButton(const DialogItemC& item, QWidget* client) {
    auto* button = new (std::nothrow) QPushButton(QString::fromLatin1(item.text), client);
    if (button != nullptr) button->setDefault(item.kind == ControlKindE::DefPushButton);
    return button;
}

// A static text is drawn from its top left and wraps at its right edge.
QWidget* makeStatic(const DialogItemC& item, QWidget* client) {
    auto* label = new (std::nothrow) QLabel(QString::fromLatin1(item.text), client);
    if (label == nullptr) return nullptr;
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QWidget* makeControl(const DialogItemC& item, QWidget* client) {
    switch (item.kind) {
        case ControlKindE::DefPushButton:
        case ControlKindE::PushButton:
            return makeButton(item, client);
        case ControlKindE::Edit:
            return new (std::nothrow) QLineEdit(client);
        case ControlKindE::Static:
            return makeStatic(item, client);
    }
    return nullptr;
}

}  // namespace

QList<QWidget*> buildControls(const DialogTemplateC& dialog, QWidget* client,
                              DialogBaseUnitsC base) {
    QList<QWidget*> controls;
    QWidget* previousStop = nullptr;
    for (const DialogItemC& item : dialog.items) {
        QWidget* control = makeControl(item, client);
        if (control == nullptr) continue;
        control->setObjectName(QString::fromLatin1(item.name));
        control->setProperty(kControlIdProperty, item.id);
        control->setGeometry(toPixels(item.box, base));
        control->setFocusPolicy(item.tabStop ? Qt::StrongFocus : Qt::NoFocus);
        if (item.tabStop) {
            if (previousStop != nullptr) QWidget::setTabOrder(previousStop, control);
            previousStop = control;
        }
        controls.append(control);
    }
    return controls;
}

QWidget* controlById(const QList<QWidget*>& controls, int id) {
    for (QWidget* control : controls) {
        if (control->property(kControlIdProperty).toInt() == id) return control;
    }
    return nullptr;
}

}  // namespace lottavo
