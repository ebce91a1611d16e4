#include "resource_strings.h"

#include <QString>

namespace lottavo {

const char* resourceString(int id) {
    switch (id) {
        case kWriteFailedString:
            return "Unable to write file %s to disk.";
        case kTextChangedString:
            return "The text in the cumulated list has changed.\nDo you wish to save?";
        case kFileFiltersString:
            return "Text files (*.txt)|*.txt|All Files (*.*)|*.*|";
        default:
            return nullptr;
    }
}

QStringList fileFiltersOf(const char* pairs) {
    const QStringList parts = QString::fromLatin1(pairs).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString pattern = parts[i + 1];
        const QString quoted = QStringLiteral("(%1)").arg(pattern);
        const QString ownQuoted =
            QStringLiteral("(%1)").arg(pattern == u"*.*" ? QStringLiteral("*") : pattern);
        if (description.contains(quoted)) {
            description.replace(quoted, ownQuoted);
        } else {
            description += u' ' + ownQuoted;
        }
        filters.append(description);
    }
    return filters;
}

}  // namespace lottavo
