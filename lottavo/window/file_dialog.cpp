#include "file_dialog.h"

#include <QFileDialog>

namespace lottavo {

QString QtFileDialogC::askSaveFileName(QWidget* owner, const QString& proposed,
                                       const QStringList& filters) {
    return QFileDialog::getSaveFileName(owner, QString(), proposed, filters.join(u";;"));
}

}  // namespace lottavo
