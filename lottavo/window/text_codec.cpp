#include "text_codec.h"

#include <QStringDecoder>

namespace lottavo {

QString textFromEngine(const char* text) {
    const QByteArray bytes(text);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : decoded;
}

QByteArray seedTextForEngine(const QString& boxText) {
    return boxText.toLatin1();
}

}  // namespace lottavo
