#include "desktop_launcher.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace quorvel {

bool DesktopLauncher::Start(const std::string& program) {
    const QString name = QString::fromStdString(program);
    // A bare name is looked up on the search path; anything with a slash is taken as a path.
    const QString path = name.contains(u'/') ? name : QStandardPaths::findExecutable(name);
    if (path.isEmpty() || !QFileInfo(path).isExecutable()) return false;
    return QProcess::startDetached(path, {});
}

bool DesktopLauncher::FileExists(const std::string& path) const {
    return QFileInfo::exists(QString::fromStdString(path));
}

}  // namespace quorvel
