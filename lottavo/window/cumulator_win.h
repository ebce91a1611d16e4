#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <string>

#include "app_services.h"
#include "frame_window.h"
#include "randomize.h"

namespace lottavo {

// The editor of the cumulative list window: it shows a copy of the run's cumulative text, which
// the user may edit, copy from and save to a text file byte for byte. Closing it with changed,
// unsaved text asks whether to save.
class CumulatorWinC : public QPlainTextEdit, public FrameClientC, public virtual RandomizeC {
    Q_OBJECT
public:
    static constexpr int kControlId = 452;

    // appName captions the editor's boxes.
    CumulatorWinC(QWidget* parent, const char* text, const char* appName,
                  const AppServicesC& services);
    ~CumulatorWinC() override;

    // The commands of menu 452.
    void command(int id);
    bool frameMayClose() override;

    // Asks for a file name and writes the text there. False when cancelled or not written.
    bool saveAs();
    // Writes to the file of the last save, or asks for one.
    bool save();
    const QString& fileName() const { return fileName_; }

private:
    bool write(const QString& path);
    void reportWriteFailure(const QString& path);

    AppServicesC services_;
    std::string appName_;
    QString fileName_;
};

}  // namespace lottavo
