#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

namespace lottavo {

// The save-file dialog of the cumulative list window. The program asks the desktop; tests
// answer with a name of their own.
class FileDialogC {
public:
    virtual ~FileDialogC() = default;
    // The name of the file to write, or an empty text when the user cancelled. filters are in
    // the order offered, the first one chosen.
    virtual QString askSaveFileName(QWidget* owner, const QString& proposed,
                                    const QStringList& filters) = 0;
};

class QtFileDialogC final : public FileDialogC {
public:
    QString askSaveFileName(QWidget* owner, const QString& proposed,
                            const QStringList& filters) override;
};

}  // namespace lottavo
