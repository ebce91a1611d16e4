#include "generator_commands.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "engine_rig.h"

namespace lottavo {
namespace {

using StepE = MemoryClipboardC::StepE;

const std::string kAbortLine = "\n\nFatal Error.   Aborting ...\n";

class GeneratorCommandsTest : public ::testing::Test, public EngineRig {
protected:
    void SetUp() override {
        errno = 0;
        engine.setUSeedStr("0");  // as the dialog sets it
    }

    void generateLists(int count) {
        for (int n = 0; n < count; ++n) ASSERT_EQ(generateCommand(engine, err), 0);
    }

    // The last list of the cumulative text, as it stands between its header and the final line
    // feed.
    std::string lastCumulatedList() const {
        const std::string text = engine.getTextPtr();
        const std::size_t header = text.rfind("\n\nList #");
        const std::size_t start = text.find('\n', header + 2) + 1;
        return text.substr(start, text.size() - 1 - start);
    }
};

// Derivation, with the clock showing k mod 1000 at its k-th reading (from 0) and the seed "0":
// - Press 1 mixes readings 0 to 4 before the seed check:
//   ((0 * 31 + 1 * 17) XOR 2 * 5) XOR 3 * 23, + 4 = ((17 XOR 10) XOR 69) + 4 = (27 XOR 69) + 4
//   = 94 + 4 = 98.
// - Value 0: NumSeed = ((0 + 0) * 7 XOR 13) + 98 = 111 (13 from the sieve of limit 7 * 1).
//   First draw: 111 * 22695477 + 1 = 2519197948, >> 16 = 38439, AND 32767 = 5671.
//   Second draw: 5671 * 22695477 + 1 = 4151998484 (mod 2^32), >> 16 = 63354, AND 32767 = 30586.
//   Value 0 = 5671 + 2 * 30586 = 66843 = 1051Bh.
// - Readings 5 to 9: ((155 + 102) XOR 35) XOR 184, + 9 = (257 XOR 35 = 290, 290 XOR 184 = 410)
//   + 9 = 419.
// - Value 1: NumSeed = ((0 + 1901) * 13 XOR 13) + 419 = 24708 + 419 = 25127.
//   Draws: 25127 * 22695477 + 1 = 3333567508 (mod 2^32), >> 16 = 50866, AND 32767 = 18098;
//   18098 * 22695477 + 1 = 2720849627 (mod 2^32), >> 16 = 41516, AND 32767 = 8748.
//   Value 1 = 18098 + 2 * 8748 = 35594 = 8B0Ah.
// - Value 39, worked out in the same way, is 5847 + 2 * 26000 = 57847 = E1F7h: bits 0 and 1 set.
// - Entry 00 = 1051Bh XOR 8B0A0000h = 8B0B051Bh; XOR 80000000h (bit 0 of value 39 at bit 31)
//   and XOR 8000h (its bit 1 at bit 15) = 0B0B851Bh = 185304347: "00  0185304347 = 0B0B851B".
//   Its bytes 1Bh, 85h AND 7Fh = 05h, 0Bh and 0Bh are not graphic: no printable character.
// - Entry 01 = 3EBD1250h: 50h 'P', 12h nothing, BDh AND 7Fh = 3Dh '=', 3Eh '>': "P=>".
// The remaining values follow from the same rules; they were worked out with a separate model of
// the rules written for this test, not with the engine.
const std::string kThreeLists =
    "Cumulated lists this session (save for proper format):  \n"
    "\n"
    "\n"
    "List #001:\n"
    "00  0185304347 = 0B0B851B\n"
    "01  1052578384 = 3EBD1250\n"
    "02  3076720033 = B76305A1\n"
    "03  4217266182 = FB5E6006\n"
    "04  0206071752 = 0C4867C8\n"
    "05  1353109775 = 50A6D10F\n"
    "06  0789953470 = 2F15BBBE\n"
    "07  2719742558 = A21BFA5E\n"
    "08  2030287208 = 7903B968\n"
    "09  3385177631 = C9C5B61F\n"
    "10  1929836414 = 7306F77E\n"
    "11  2582728190 = 99F14DFE\n"
    "12  0576455684 = 225C0404\n"
    "13  3903930779 = E8B1419B\n"
    "14  0712060379 = 2A712DDB\n"
    "15  2067101420 = 7B3576EC\n"
    "\n"
    "Printable:\n"
    "P=>!c7`^{HgHQ&P>;/\n"
    "^z\"h9y6EI~ws~Mq\\\"\n"
    "A1h[-q*lv5{\n"
    "\n"
    "\n"
    "List #002:\n"
    "00  1592741576 = 5EEF4EC8\n"
    "01  3021435204 = B4177144\n"
    "02  1574986023 = 5DE06127\n"
    "03  1293723514 = 4D1CA77A\n"
    "04  0220659324 = 0D26FE7C\n"
    "05  3836509232 = E4AC7C30\n"
    "06  1049017540 = 3E86BCC4\n"
    "07  2865214984 = AAC7B608\n"
    "08  0559271776 = 2155CF60\n"
    "09  2414404545 = 8FE8E3C1\n"
    "10  0591275896 = 233E2778\n"
    "11  1388638840 = 52C4F278\n"
    "12  3794999714 = E23319A2\n"
    "13  1291954523 = 4D01A95B\n"
    "14  3382289366 = C999A3D6\n"
    "15  0604011356 = 24007B5C\n"
    "\n"
    "Printable:\n"
    "HNo^Dq4'a`]z'M|~&0|,dD<>\n"
    "6G*`OU!Achx'>#xrDR\"3b\n"
    "[)MV#I\\{$\n"
    "\n"
    "\n"
    "List #003:\n"
    "00  2054241661 = 7A713D7D\n"
    "01  3665451924 = DA7A5B94\n"
    "02  0894779586 = 355540C2\n"
    "03  0100409145 = 05FC1F39\n"
    "04  3511978653 = D1548A9D\n"
    "05  3493812633 = D03F5999\n"
    "06  0298893086 = 11D0BF1E\n"
    "07  2540261390 = 9769500E\n"
    "08  3388416984 = C9F723D8\n"
    "09  4077005400 = F3022A58\n"
    "10  1547661663 = 5C3F715F\n"
    "11  0642023630 = 264480CE\n"
    "12  1125526746 = 43162CDA\n"
    "13  2299616802 = 89115E22\n"
    "14  0941101897 = 38181349\n"
    "15  0017999101 = 0112A4FD\n"
    "\n"
    "Printable:\n"
    "}=qz[zZB@U59|TQY?P?P\n"
    "PiX#wIX*s_q?\\ND&Z,C\n"
    "\"^I8}$\n";

TEST_F(GeneratorCommandsTest, ThreePressesGiveTheDerivedCumulativeText) {
    generateLists(3);
    EXPECT_EQ(engine.getTextPtr(), kThreeLists);
    EXPECT_EQ(engine.getListNum(), 3);
    EXPECT_EQ(clock.reads, 3u * 41 * 5);
    ASSERT_EQ(box.shown.size(), 3u);
    EXPECT_EQ(captions(),
              (std::vector<std::string>{" Random Number List #001", " Random Number List #002",
                                        " Random Number List #003"}));
    EXPECT_EQ(box.shown[2].text, lastCumulatedList());
}

TEST_F(GeneratorCommandsTest, TheUntouchedSeedMakesList1FromSeed0) {
    EXPECT_EQ(generateCommand(engine, err), 0);
    EXPECT_EQ(engine.getListNum(), 1);
    EXPECT_EQ(engine.getSeedVal(), 0);
    EXPECT_EQ(engine.getOutBuf(), lastCumulatedList());
}

// One press: a clock mix, then for every value an 11 ms wait, its draw and a clock mix; the
// list box comes with the last value, before its mix.
TEST_F(GeneratorCommandsTest, APressRunsItsStepsInOrder) {
    const EventLogT mix = {"wait 1", "clock", "clock", "clock", "clock", "clock"};
    EventLogT expected = mix;
    for (int i = 0; i < 40; ++i) {
        expected.push_back("wait 11");
        if (i == 39) expected.push_back("box  Random Number List #001");
        expected.insert(expected.end(), mix.begin(), mix.end());
    }
    generateLists(1);
    EXPECT_EQ(events, expected);
}

// The list box has no owner: while it is up the user can press Generate again, and that list
// runs to its end inside the first box's wait.
TEST_F(GeneratorCommandsTest, AListMadeWhileTheLastIsShownComesAfterIt) {
    box.duringShow = [this] { ASSERT_EQ(generateCommand(engine, err), 0); };
    generateLists(1);
    EXPECT_EQ(engine.getListNum(), 2);
    EXPECT_EQ(captions(),
              (std::vector<std::string>{" Random Number List #001", " Random Number List #002"}));
    const std::string text = engine.getTextPtr();
    const std::size_t first = text.find("\n\nList #001:\n");
    const std::size_t second = text.find("\n\nList #002:\n");
    ASSERT_NE(first, std::string::npos);
    ASSERT_NE(second, std::string::npos);
    EXPECT_LT(first, second);
    EXPECT_EQ(text.substr(second + 13, text.size() - second - 14), engine.getOutBuf());
    EXPECT_EQ(clock.reads, 2u * 41 * 5);
}

TEST_F(GeneratorCommandsTest, ListNumbersFollowEachOtherWithoutGaps) {
    engine.setUSeedStr("31999");
    generateLists(2);
    engine.setUSeedStr("x");
    generateCommand(engine, err);  // refused: no number taken
    engine.setUSeedStr("5");
    generateLists(1);
    EXPECT_EQ(engine.getListNum(), 3);
    const std::string text = engine.getTextPtr();
    EXPECT_NE(text.find("List #003:"), std::string::npos);
    EXPECT_EQ(text.find("List #004:"), std::string::npos);
}

TEST_F(GeneratorCommandsTest, AListNumberAtTheTopOfItsRangeWrapsWithoutOverflow) {
    engine.setListNum(INT32_MAX);
    EXPECT_EQ(generateCommand(engine, err), 0);
    EXPECT_EQ(engine.getListNum(), INT32_MIN);
}

struct RefusedSeed {
    const char* name;
    std::string typed;
    int32_t status;
};

class RefusedSeedTest : public GeneratorCommandsTest,
                        public ::testing::WithParamInterface<RefusedSeed> {};

TEST_P(RefusedSeedTest, IsReportedAndResetToZeroWithoutAList) {
    generateLists(1);
    const std::string text = engine.getTextPtr();
    box.shown.clear();
    ASSERT_EQ(engine.setUSeedStr(GetParam().typed.c_str()), 0);

    EXPECT_EQ(generateCommand(engine, err), GetParam().status);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text,
              "Generate: Please enter a decimal seed value\n between 0 and 32000.\n\nInvalid "
              "input = [" +
                  GetParam().typed +
                  "]\n\n   -----> Status = " + std::to_string(GetParam().status) + " *****\n");
    EXPECT_EQ(box.shown[0].caption, "Lottavo ERROR");
    EXPECT_STREQ(engine.getUSeedStr(), "0");
    EXPECT_EQ(engine.getListNum(), 1);
    EXPECT_EQ(engine.getSeedVal(), 0);
    EXPECT_STREQ(engine.getOutBuf(), "");
    EXPECT_STREQ(engine.getPasswStr(), "");
    EXPECT_EQ(engine.getTextPtr(), text);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RefusedSeedTest,
                         ::testing::Values(RefusedSeed{"Empty", "", -2},
                                           RefusedSeed{"Letters", "abc", -3},
                                           RefusedSeed{"TooLarge", "32001", -4},
                                           RefusedSeed{"LeadingBlank", " 5", -2},
                                           RefusedSeed{"Negative", "-1", -3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GeneratorCommandsTest, NothingHappensOnceTheCumulativeWindowWasOpened) {
    generateLists(1);
    engine.setCumShown(1);
    const EventLogT before = events;
    EXPECT_EQ(generateCommand(engine, err), 1);
    EXPECT_EQ(copyCommand(engine, err, box, nullptr), 0);
    EXPECT_EQ(events, before);
    EXPECT_EQ(engine.getListNum(), 1);
    EXPECT_EQ(clipboard.allocations, 0);
}

class CopyCommandTest : public GeneratorCommandsTest {
protected:
    int owner = 0;  // stands for the dialog window
};

TEST_F(CopyCommandTest, BeforeAnyListItConfirmsNothingAndLeavesTheClipboard) {
    EXPECT_EQ(copyCommand(engine, err, box, &owner), 1);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, "Nothing Generated yet.");
    EXPECT_EQ(box.shown[0].caption, "  COPY to Clipboard  ");
    EXPECT_EQ(box.shown[0].style, 0x1020u);
    EXPECT_EQ(box.shown[0].owner, &owner);
    EXPECT_EQ(clipboard.contents, "text from another program");
    EXPECT_EQ(clipboard.allocations, 0);
}

TEST_F(CopyCommandTest, AfterList3TheClipboardHoldsItsText) {
    generateLists(3);
    const std::string list3 = engine.getOutBuf();
    ASSERT_EQ(list3, lastCumulatedList());
    box.shown.clear();

    EXPECT_EQ(copyCommand(engine, err, box, &owner), 2);
    EXPECT_EQ(clipboard.contents, list3);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, "Copied List #003 to Windows Clipboard.\n (List cleared).");

    // A second copy puts the confirmation on the clipboard and shows it again.
    EXPECT_EQ(copyCommand(engine, err, box, &owner), 2);
    EXPECT_EQ(clipboard.contents, "Copied List #003 to Windows Clipboard.\n (List cleared).");
    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_EQ(box.shown[1].text, box.shown[0].text);
}

TEST_F(CopyCommandTest, AfterARefusedSeedAnEmptyTextIsCopied) {
    generateLists(1);
    engine.setUSeedStr("abc");
    generateCommand(engine, err);
    box.shown.clear();
    EXPECT_EQ(copyCommand(engine, err, box, &owner), 2);
    EXPECT_EQ(clipboard.contents, "");
}

struct FailedCopy {
    const char* name;
    StepE step;
    int32_t status;
    std::string stepMessage;
};

class FailedCopyTest : public CopyCommandTest, public ::testing::WithParamInterface<FailedCopy> {};

// The failed step's own report, then the command's, which ends the program with that status.
TEST_P(FailedCopyTest, GivesTwoBoxesAndEndsTheProgram) {
    generateLists(1);
    box.shown.clear();
    clipboard.failing = GetParam().step;
    const std::string status = std::to_string(GetParam().status);
    try {
        copyCommand(engine, err, box, &owner);
        FAIL() << "the program went on";
    } catch (const ProgramEndedC& ended) {
        EXPECT_EQ(ended.status, GetParam().status);
    }
    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_EQ(box.shown[0].text, "RandomizeC::copyListTextToClipboard() failed.\n" +
                                     GetParam().stepMessage + "\n   -----> Status = " + status +
                                     " *****\n");
    EXPECT_EQ(box.shown[1].text,
              "LottavoDlgC::doCopyThisList() failed.\nCant copy the list as text to Windows "
              "clipboard.\n   -----> Status = " +
                  status + " *****\n" + kAbortLine);
    EXPECT_EQ(captions(), (std::vector<std::string>{"Lottavo ERROR", "Lottavo ERROR"}));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FailedCopyTest,
    ::testing::Values(
        FailedCopy{"Lock", StepE::Lock, -3, "GlobalLock() buffer for string copy failed.\n"},
        FailedCopy{"Unlock", StepE::Unlock, -5,
                   "GlobalUnlock() string buffer after mem copy failed.\n"},
        FailedCopy{"Open", StepE::Open, -2,
                   "Can't open the Windows clipboard:\nPossibly locked or disabled."},
        FailedCopy{"Empty", StepE::Empty, -4, "EmptyClipboard() clear the clipboard failed.\n"},
        FailedCopy{"SetData", StepE::SetData, -6,
                   "SetClipboardData() assign text buffer to the clipboard failed.\n"},
        FailedCopy{"Close", StepE::Close, -7,
                   "CloseClipboard(): error closing clipboard after copy.\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lottavo
