#include "accessible_names.h"

#include <QAbstractButton>

namespace quorvel {

QString WithoutAccessKeys(const QString& caption) {
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) ++i;  // keep only what "&" marks
        plain += caption[i];
    }
    return plain;
}

void NameAfterCaption(QAbstractButton* button) {
    button->setAccessibleName(WithoutAccessKeys(button->text()));
}

}  // namespace quorvel
