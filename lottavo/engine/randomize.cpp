#include "randomize.h"

#include <cstring>

namespace lottavo {

RandomizeC::RandomizeC(const EngineServicesC& services) : svc(services) {
    setOutTitleBuf(0, " NO DATA! ");
    setOutBuf(0, "No data:  Press [Generate] for\n a random number list.");
    allocateTextBlock();
    setTextPtr(0,
               "Remnant string from RandomizeC ctor.  If this is visible, cumulation of Lists "
               "failed.");
}

RandomizeC::~RandomizeC() {
    svc.memory.release(TextBufPtr);
}

// Without its text block the engine could keep no list, so a refused block ends the program.
void RandomizeC::allocateTextBlock() {
    TextBufPtr = static_cast<char*>(svc.memory.resize(nullptr, kTextBufStartSize));
    if (TextBufPtr == nullptr) {
        svc.err.fatal(-1, "RandomizeC ctor:  Can't allocate\n%u byte TextBufPtr for text window.\n",
                      kTextBufStartSize);
    }
    TextBufSize = kTextBufStartSize;
    TextBufPtr[0] = '\0';
}

uint32_t RandomizeC::getOutBufLen() const {
    return static_cast<uint32_t>(std::strlen(OutBuf.data()));
}

uint32_t RandomizeC::getPasswStrLen() const {
    return static_cast<uint32_t>(std::strlen(PasswStr.data()));
}

uint32_t RandomizeC::getTextPtrLen() const {
    return static_cast<uint32_t>(std::strlen(TextBufPtr));
}

}  // namespace lottavo
