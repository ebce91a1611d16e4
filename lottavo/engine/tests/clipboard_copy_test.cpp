#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "engine_rig.h"

namespace lottavo {
namespace {

using StepE = MemoryClipboardC::StepE;

const std::string kEarlierClipboard = "text from another program";
const std::string kList = "00  0185304347 = 0B0B851B\n\nPrintable:\nP=>";
const std::string kConfirmation3 = "Copied List #003 to Windows Clipboard.\n (List cleared).";

class ClipboardCopyTest : public ::testing::Test, public EngineRig {
protected:
    void SetUp() override {
        errno = 0;
        ASSERT_EQ(clipboard.contents, kEarlierClipboard);
    }

    // As after list 3 has been made.
    void afterList3() {
        engine.setListNum(3);
        engine.setOutBuf(0, kList.c_str());
    }
};

TEST_F(ClipboardCopyTest, BeforeAnyListNothingIsCopied) {
    EXPECT_EQ(engine.copyListTextToClipboard(), 1);
    EXPECT_EQ(engine.getStatus(), 1);
    EXPECT_STREQ(engine.getOutBuf(), "Nothing Generated yet.");
    EXPECT_EQ(clipboard.allocations, 0);
    EXPECT_EQ(clipboard.contents, kEarlierClipboard);
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(ClipboardCopyTest, AfterAListItGoesToTheClipboardAsPlainText) {
    afterList3();
    EXPECT_EQ(engine.copyListTextToClipboard(), 2);
    EXPECT_EQ(engine.getStatus(), 2);
    EXPECT_EQ(clipboard.contents, kList);
    EXPECT_EQ(clipboard.dataFormat, kClipFormatText);
    EXPECT_EQ(clipboard.allocFlags, 0x2142u);
    EXPECT_EQ(clipboard.allocBytes, 1200u);
    EXPECT_FALSE(clipboard.isOpen);
    EXPECT_TRUE(clipboard.blocks.empty());  // the clipboard took the block
    EXPECT_EQ(engine.getOutBuf(), kConfirmation3);
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(ClipboardCopyTest, ASecondCopyCopiesTheConfirmation) {
    afterList3();
    engine.copyListTextToClipboard();
    EXPECT_EQ(engine.copyListTextToClipboard(), 2);
    EXPECT_EQ(clipboard.contents, kConfirmation3);
    EXPECT_EQ(engine.getOutBuf(), kConfirmation3);
}

TEST_F(ClipboardCopyTest, ListNumbersKeepThreeDigitsAtLeast) {
    engine.setListNum(1234);
    engine.copyListTextToClipboard();
    EXPECT_STREQ(engine.getOutBuf(), "Copied List #1234 to Windows Clipboard.\n (List cleared).");
}

// OutBuf holds up to 1799 characters but the block 1200 bytes: the copy is cut to the block.
TEST_F(ClipboardCopyTest, ATextLongerThanTheBlockIsCutToIt) {
    engine.setListNum(1);
    const std::string longText(1700, 'w');
    engine.setOutBuf(0, longText.c_str());
    EXPECT_EQ(engine.copyListTextToClipboard(), 2);
    EXPECT_EQ(clipboard.contents, std::string(1199, 'w'));
}

TEST_F(ClipboardCopyTest, ATextFillingTheBlockExactlyIsCopiedWhole) {
    engine.setListNum(1);
    const std::string text(1199, 'e');
    engine.setOutBuf(0, text.c_str());
    engine.copyListTextToClipboard();
    EXPECT_EQ(clipboard.contents, text);
}

TEST_F(ClipboardCopyTest, AnUnlockGivingZeroWithoutAnErrorIsTheNormalEndOfTheLock) {
    afterList3();
    EXPECT_EQ(engine.copyListTextToClipboard(), 2);
    EXPECT_EQ(clipboard.contents, kList);
}

TEST_F(ClipboardCopyTest, NoMemoryForTheBlockEndsTheProgram) {
    afterList3();
    clipboard.failing = StepE::Allocate;
    try {
        engine.copyListTextToClipboard();
        FAIL() << "the program went on";
    } catch (const ProgramEndedC& ended) {
        EXPECT_EQ(ended.status, -2);
    }
    EXPECT_EQ(engine.getStatus(), -2);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(
        box.shown[0].text,
        "RandomizeC::copyListTextToClipboard() failed.\nGlobalAlloc() text buffer for "
        "clipboard failed.\n\n   -----> Status = -2 *****\n\n\nFatal Error.   Aborting ...\n");
    EXPECT_EQ(clipboard.contents, kEarlierClipboard);
}

struct FailedStep {
    const char* name;
    StepE step;
    int32_t status;
    std::string message;
    std::string clipboardAfter;
};

class FailedStepTest : public ClipboardCopyTest,
                       public ::testing::WithParamInterface<FailedStep> {};

TEST_P(FailedStepTest, IsReportedAndLeavesTheListInPlace) {
    afterList3();
    clipboard.failing = GetParam().step;
    const int32_t status = GetParam().status;
    EXPECT_EQ(engine.copyListTextToClipboard(), status);
    EXPECT_EQ(engine.getStatus(), status);
    EXPECT_EQ(engine.getOutBuf(), kList);  // no confirmation
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, "RandomizeC::copyListTextToClipboard() failed.\n" +
                                     GetParam().message +
                                     "\n   -----> Status = " + std::to_string(status) + " *****\n");
    EXPECT_EQ(box.shown[0].caption, "Lottavo ERROR");
    EXPECT_EQ(clipboard.contents, GetParam().clipboardAfter);
    EXPECT_FALSE(clipboard.isOpen);
    EXPECT_TRUE(clipboard.blocks.empty());  // freed, or taken by the clipboard
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FailedStepTest,
    ::testing::Values(
        FailedStep{"Lock", StepE::Lock, -3, "GlobalLock() buffer for string copy failed.\n",
                   kEarlierClipboard},
        FailedStep{"Unlock", StepE::Unlock, -5,
                   "GlobalUnlock() string buffer after mem copy failed.\n", kEarlierClipboard},
        FailedStep{"Open", StepE::Open, -2,
                   "Can't open the Windows clipboard:\nPossibly locked or disabled.",
                   kEarlierClipboard},
        FailedStep{"Empty", StepE::Empty, -4, "EmptyClipboard() clear the clipboard failed.\n",
                   kEarlierClipboard},
        FailedStep{"SetData", StepE::SetData, -6,
                   // emptied before the failure
                   "SetClipboardData() assign text buffer to the clipboard failed.\n", ""},
        FailedStep{"Close", StepE::Close, -7,
                   "CloseClipboard(): error closing clipboard after copy.\n", kList}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lottavo
