#include <cstdio>

#include "randomize.h"

namespace lottavo {

// Appends the current list to the cumulative text under its header; the first list also writes
// the heading line over the text left by the constructor. Every failure here ends the program.
void RandomizeC::cumulateRandomNum(int32_t listNum) {
    if (listNum <= 1) {
        Status = setTextPtr(0, "Cumulated lists this session (save for proper format):  \n");
        if (Status < 0) {
            svc.err.fatal(-2,
                          "RandomizeC::cumulateRandomNum(): Can't zero the %u byte TextBufPtr for "
                          "text window\n(Random Number List #%d).",
                          getTextPtrLen(), listNum);
        }
    }
    const uint32_t length = getTextPtrLen();
    const uint32_t need = length + getOutBufLen() + 32;
    Status = sizTextPtr(need);
    if (Status < 0) {
        svc.err.fatal(-3,
                      "RandomizeC::cumulateRandomNum():  Can't realloc\n%u byte TextBufPtr for "
                      "text window\n(Random Number List #%d).",
                      need, listNum);
    }

    char header[32];
    const int headerLen = std::snprintf(header, sizeof header, "\n\nList #%03d:\n", listNum);
    Status = setTextPtr(static_cast<int32_t>(length), header);
    if (Status < 0) {
        svc.err.fatal(-4,
                      "RandomizeC::cumulateRandomNum(): Can't append %d byte header\n to %u byte "
                      "TextBufPtr for text window\n(Random Number List #%d).",
                      headerLen, need, listNum);
    }
    Status = setTextPtr(static_cast<int32_t>(getTextPtrLen()), OutBuf.data());
    if (Status < 0) {
        svc.err.fatal(-5,
                      "RandomizeC::cumulateRandomNum():  Can't append %d byte List\n to %u byte "
                      "TextBufPtr for text window\n(Random Number List #%d).",
                      static_cast<int>(getOutBufLen()), need, listNum);
    }
    const uint32_t before = getTextPtrLen();
    Status = setTextPtr(static_cast<int32_t>(before), "\n");
    if (Status < 0) {
        svc.err.fatal(-6,
                      "RandomizeC::cumulateRandomNum():  Can't append final NL\n to %u byte "
                      "TextBufPtr for text window\n(Random Number List #%d).",
                      before, listNum);
    }
}

// Shows the current list in a box of its own, captioned with the list number.
int32_t RandomizeC::messageRandomNum(int32_t listNum) {
    char title[32];
    std::snprintf(title, sizeof title, " Random Number List #%03d", listNum);
    Status = setOutTitleBuf(0, title);
    if (Status < 0) {
        svc.err.fatal(-2,
                      "RandomizeC::messageRandomNum(%d) failed:\nCouldn't copy MessageBox title "
                      "string into OutTitleBuf.",
                      listNum);
    }
    return showMsgBox(svc.msgBox, nullptr, OutBuf.data(), OutTitleBuf.data(),
                      kBoxIconInformation | kBoxOk | kBoxSetForeground);
}

}  // namespace lottavo
