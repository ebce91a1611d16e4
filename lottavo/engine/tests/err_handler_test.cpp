#include "err_handler.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine_doubles.h"

namespace lottavo {
namespace {

const std::string kStatusMinus1 = "\n   -----> Status = -1 *****\n";
const std::string kAbortLine = "\n\nFatal Error.   Aborting ...\n";
constexpr const char* kReallocFormat =
    "RandomizeC::sizTextPtr:  Can't realloc\n%u byte TextBufPtr for text window.\n";

class ErrHandlerTest : public ::testing::Test {
protected:
    void SetUp() override { errno = 0; }

    // compose takes its values as a list, as the reporting operations hand them on.
    void composeWith(int32_t status, const char* format, ...) LOTTAVO_PRINTF(3, 4) {
        std::va_list values;
        va_start(values, format);
        err.compose(status, format, values);
        va_end(values);
    }

    RecordingMsgBoxC box;
    ThrowingExitC programExit;
    ErrHC err{box, programExit};
};

class CheckPassesTest : public ErrHandlerTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(CheckPassesTest, GivesTheStatusBackAndShowsNothing) {
    errno = ENOMEM;  // not even a system error makes a report of a success
    EXPECT_EQ(err.check(GetParam(), "never shown %d", 1), GetParam());
    EXPECT_TRUE(box.shown.empty());
    EXPECT_EQ(err.getMsgLen(), 0);
    EXPECT_STREQ(err.getMsgText(), "");
}

INSTANTIATE_TEST_SUITE_P(ZeroAndPositive, CheckPassesTest, ::testing::Values(0, 1, 2, INT32_MAX));

// The composed text: the caller's two lines, an empty line left by the caller's own closing line
// feed, and the status line.
TEST_F(ErrHandlerTest, CheckShowsTheComposedReportInTheErrorBox) {
    EXPECT_EQ(err.check(-1, kReallocFormat, 1200u), -1);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text,
              "RandomizeC::sizTextPtr:  Can't realloc\n1200 byte TextBufPtr for text window.\n"
              "\n   -----> Status = -1 *****\n");
    EXPECT_EQ(box.shown[0].caption, "Lottavo ERROR");
    EXPECT_EQ(box.shown[0].style, kBoxIconStop | kBoxTaskModal);
    EXPECT_EQ(box.shown[0].owner, nullptr);
}

TEST_F(ErrHandlerTest, ShowEmptiesTheReportAfterTheBox) {
    err.check(-3, "first");
    EXPECT_EQ(err.getMsgLen(), 0);
    EXPECT_STREQ(err.getMsgText(), "");
}

TEST_F(ErrHandlerTest, TwoReportsInARowShowOnlyTheirOwnText) {
    err.check(-2, "first report");
    err.check(-5, "second report");
    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_EQ(box.shown[0].text, "first report\n   -----> Status = -2 *****\n");
    EXPECT_EQ(box.shown[1].text, "second report\n   -----> Status = -5 *****\n");
}

TEST_F(ErrHandlerTest, ComposeAddsToTheReportUntilItIsReset) {
    composeWith(-1, "one");
    composeWith(-2, "two");
    EXPECT_STREQ(err.getMsgText(),
                 "one\n   -----> Status = -1 *****\ntwo\n   -----> Status = -2 *****\n");
    EXPECT_EQ(err.getMsgLen(), static_cast<int32_t>(std::strlen(err.getMsgText())));
    err.reset();
    EXPECT_EQ(err.getMsgLen(), 0);
    EXPECT_STREQ(err.getMsgText(), "");
}

TEST_F(ErrHandlerTest, OutsideTextIsShownAsItStands) {
    const char* typed = "%s%n%d%%";
    err.check(-3, "Invalid input = [%s]", typed);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, "Invalid input = [%s%n%d%%]\n   -----> Status = -3 *****\n");
}

// The system-error lines: the number, then the library's message followed by its own line break
// and the line's.
struct SystemErrorCase {
    const char* name;
    int error;
    std::string lines;
};

class SystemErrorTest : public ErrHandlerTest,
                        public ::testing::WithParamInterface<SystemErrorCase> {};

TEST_P(SystemErrorTest, FollowTheStatusLineOnlyForAKnownErrorNumber) {
    errno = GetParam().error;
    err.check(-1, "text");
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, "text" + kStatusMinus1 + GetParam().lines);
    EXPECT_EQ(errno, GetParam().error);  // read, never cleared
}

INSTANTIATE_TEST_SUITE_P(
    Errno, SystemErrorTest,
    ::testing::Values(SystemErrorCase{"NoMemory", ENOMEM,
                                      "\nSYSTEM ERROR: errno=12\n Cannot allocate memory\n\n"},
                      SystemErrorCase{"NoEntry", ENOENT,
                                      "\nSYSTEM ERROR: errno=2\n No such file or directory\n\n"},
                      SystemErrorCase{"Unset", 0, ""}, SystemErrorCase{"Negative", -5, ""},
                      SystemErrorCase{"BeyondTheTable", 99999, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ErrHandlerTest, ReportsTheErrorOfAFailedLibraryCall) {
    std::FILE* file = std::fopen("/nonexistent-directory/file", "r");
    ASSERT_EQ(file, nullptr);
    err.check(-4, "open failed");
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text,
              "open failed\n   -----> Status = -4 *****\n"
              "\nSYSTEM ERROR: errno=2\n No such file or directory\n\n");
}

TEST_F(ErrHandlerTest, FatalShowsTheAbortLineAndEndsWithTheStatus) {
    try {
        err.fatal(-2, "RandomizeC::messageRandomNum(%d) failed:", 7);
        FAIL() << "fatal returned";
    } catch (const ProgramEndedC& ended) {
        EXPECT_EQ(ended.status, -2);
    }
    ASSERT_EQ(box.shown.size(), 1u);  // shown before the end
    EXPECT_EQ(
        box.shown[0].text,
        "RandomizeC::messageRandomNum(7) failed:\n   -----> Status = -2 *****\n" + kAbortLine);
    EXPECT_EQ(box.shown[0].caption, "Lottavo ERROR");
    EXPECT_EQ(err.getMsgLen(), 0);
}

// The report keeps 2047 characters and its last character stays a terminator, however much is
// offered.
class LongReportTest : public ErrHandlerTest {
protected:
    // The length of the report composed from a caller's text of the given length.
    int32_t composedLength(std::size_t callerLength) {
        const std::string text(callerLength, 'x');
        composeWith(-1, "%s", text.c_str());
        const int32_t length = err.getMsgLen();
        EXPECT_EQ(std::strlen(err.getMsgText()), static_cast<std::size_t>(length));
        err.reset();
        return length;
    }

    const int32_t statusLine = static_cast<int32_t>(kStatusMinus1.size());
};

TEST_F(LongReportTest, AReportThatFitsIsKeptWhole) {
    EXPECT_EQ(composedLength(2047 - statusLine), 2047);
}

TEST_F(LongReportTest, ALongerReportIsCutAtTheLimit) {
    EXPECT_EQ(composedLength(2048 - statusLine), 2047);
    EXPECT_EQ(composedLength(5000), 2047);
}

TEST_F(LongReportTest, AFullReportTakesNoMore) {
    composeWith(-1, "%s", std::string(3000, 'x').c_str());
    composeWith(-2, "more");
    EXPECT_EQ(err.getMsgLen(), 2047);
    EXPECT_EQ(std::string(err.getMsgText()), std::string(2047, 'x'));
}

TEST_F(LongReportTest, TheBoxGetsTheCutReport) {
    err.check(-1, "%s", std::string(4000, 'y').c_str());
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, std::string(2047, 'y'));
}

TEST_F(ErrHandlerTest, LaterReportsGoToTheServicesSetLast) {
    RecordingMsgBoxC windowBox;
    ThrowingExitC windowExit;
    err.setServices(windowBox, windowExit);
    err.check(-1, "after the switch");
    EXPECT_TRUE(box.shown.empty());
    ASSERT_EQ(windowBox.shown.size(), 1u);
    EXPECT_EQ(windowBox.shown[0].text, "after the switch" + kStatusMinus1);
}

TEST(ShowMsgBoxTest, HandsEverythingToTheBoxAndGivesBackTheButton) {
    RecordingMsgBoxC box;
    box.answer = kButtonYes;
    int owner = 0;
    EXPECT_EQ(showMsgBox(box, &owner, "the text", "the caption", 0x11024), kButtonYes);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].owner, &owner);
    EXPECT_EQ(box.shown[0].text, "the text");
    EXPECT_EQ(box.shown[0].caption, "the caption");
    EXPECT_EQ(box.shown[0].style, 0x11024u);
}

// The program's own reporter, with its own services: the box on standard error and the end
// through std::exit, whose exit-time handlers run. Exit codes are read as one byte: -2 is 254.
void announceCleanUp() {
    std::fputs("exit-time clean-up ran\n", stderr);
}

TEST(ErrHandlerDeathTest, FatalEndsTheProgramThroughTheNormalExit) {
    EXPECT_EXIT(
        {
            std::atexit(announceCleanUp);
            errno = 0;
            errHandler.fatal(-2, "LottavoDlgC ctor:  Can't init zero seed value");
        },
        ::testing::ExitedWithCode(254),
        "Lottavo ERROR.*LottavoDlgC ctor:  Can't init zero seed value.*Status = -2.*"
        "Fatal Error\\.   Aborting \\.\\.\\..*exit-time clean-up ran");
}

TEST(ErrHandlerDeathTest, CheckLetsTheProgramGoOn) {
    EXPECT_EXIT(
        {
            errHandler.check(-3, "survived");
            std::fputs("still running\n", stderr);
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "survived.*Status = -3.*still running");
}

}  // namespace
}  // namespace lottavo
