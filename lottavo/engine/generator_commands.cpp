#include "generator_commands.h"

namespace lottavo {

int32_t generateCommand(RandomizeC& engine, ErrHC& err) {
    if (engine.getCumShown() == 1) return 1;
    engine.makeTimeMix();
    engine.setOutBuf(0, "");
    engine.setPasswStr(0, "");
    const int32_t status = engine.checkUSeedStr(0);
    if (status < 0) {
        err.check(status,
                  "Generate: Please enter a decimal seed value\n between 0 and %u.\n\nInvalid "
                  "input = [%s]\n",
                  RandomizeC::kSeedMax, engine.getUSeedStr());
        engine.setUSeedStr("0");
        return status;
    }
    // Wraps rather than overflows; two thousand million lists are out of reach anyway.
    engine.setListNum(static_cast<int32_t>(static_cast<uint32_t>(engine.getListNum()) + 1u));
    engine.runList();
    return 0;
}

int32_t copyCommand(RandomizeC& engine, ErrHC& err, MsgBoxC& box, void* owner) {
    if (engine.getCumShown() == 1) return 0;
    const int32_t status = engine.copyListTextToClipboard();
    if (status < 0) {
        err.fatal(status,
                  "LottavoDlgC::doCopyThisList() failed.\nCant copy the list as text to Windows "
                  "clipboard.");
    }
    showMsgBox(box, owner, engine.getOutBuf(), "  COPY to Clipboard  ", kCopyBoxStyle);
    return status;
}

}  // namespace lottavo
