#pragma once

#include <QString>

class QAbstractButton;

namespace quorvel {

// A caption as it is read out: without the "&" that marks its access key ("&&" stands for
// one "&").
QString WithoutAccessKeys(const QString& caption);

// Names a button or option for assistive technology after its caption.
void NameAfterCaption(QAbstractButton* button);

}  // namespace quorvel
