#include "text_file.h"

#include <QSaveFile>

namespace lottavo {

// The buffered rest is flushed, and checked, before the commit: the commit itself lets a short
// last write (a full disc, a file size limit) pass and would put a cut file in place.
bool writeTextFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        return false;  // the temporary file goes with the unfinished QSaveFile
    }
    return file.commit();
}

}  // namespace lottavo
