#include "version_info.h"

#include <QCoreApplication>
#include <QVariant>

namespace lottavo {

void applyVersionInfo() {
    QCoreApplication::setApplicationName(QString::fromLatin1(kVersionInfo.productName));
    QCoreApplication::setOrganizationName(QString::fromLatin1(kVersionInfo.productName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersionInfo.fileVersion));
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->setProperty("applicationDescription",
                                 QString::fromLatin1(kVersionInfo.fileDescription));
    }
}

}  // namespace lottavo
