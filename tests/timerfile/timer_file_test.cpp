#include "timerfile/timer_file.h"

#include <gtest/gtest.h>

#include "sheet/timer_table.h"

namespace cv {
namespace {

TimerRecords DefaultRecords() {
    TimerRecords records;
    for (int i = 0; i < kTimerCount; ++i) records[i] = RecordFromTexts(DefaultColumnTexts(i));
    return records;
}

// Ten well-formed lines, the given text in place of line `index` (0-based).
std::string TenLinesWith(int index, const std::string& line) {
    std::string file;
    for (int i = 0; i < kTimerCount; ++i) file += i == index ? line : "Timer,1,2,3,4\n";
    return file;
}

TEST(FormatTimerFile, DefaultSheetGivesTheKnownTenLines) {
    const std::string golden =
        "Hands Washing       ,0360,0030,0003,0001\n"
        "Beef Cookout Check  ,0370,0240,0003,0001\n"
        "Test All Sanitizer  ,0380,0120,0003,0001\n"
        "Travel Path         ,0390,0120,0003,0001\n"
        "Temp Check/PHU      ,0390,0120,0003,0001\n"
        "Holding Time Check  ,0420,0120,0003,0001\n"
        "Labor Check         ,0540,0240,0003,0001\n"
        "Guest Trac          ,0540,0240,0003,0001\n"
        "Rest Room Caddy     ,0405,0240,0003,0001\n"
        "Shake Machine       ,0480,0045,0003,0001\n";
    EXPECT_EQ(FormatTimerFile(DefaultRecords()), golden);

    const TimerFileContent back = ParseTimerFile(golden);
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.records[0], (TimerRecord{"Hands Washing       ", 360, 30, 3, 1}));
    EXPECT_EQ(back.records[7], DefaultRecords()[7]);
}

TEST(FormatTimerLine, WideValuesAreWrittenWhole) {
    EXPECT_EQ(FormatTimerLine({"A name of 25 characters..", 65535, 0, 7, -1}),
              "A name of 25 characters..,65535,0000,0007,65535\n");
    EXPECT_EQ(FormatTimerLine({"", 1, 2, 3, 70000}), std::string(20, ' ') + ",0001,0002,0003,4464\n");
    EXPECT_EQ(FormatTimerLine({std::string("nul\0byte", 8), 1, 2, 3, 4}).size(), 41u);
}

TEST(ParseTimerFile, LinesAreReadLeniently) {
    struct Case {
        std::string line;
        TimerRecord record;
    };
    const Case cases[] = {
        {"Labor Check,1,2,3,4\n", {"Labor Check", 1, 2, 3, 4}},
        {"Fries, large         ,0360,0030,0003,0001\n", {"Fries, large         ", 360, 30, 3, 1}},
        {"  Lead, blanks,kept ,0360,0030,0003,0001\n", {"  Lead, blanks,kept ", 360, 30, 3, 1}},
        {"CRLF ending,0360,0030,0003,0002\r\n", {"CRLF ending", 360, 30, 3, 2}},
        {"Lenient,12abc, 7,x,-1\n", {"Lenient", 12, 7, 0, -1}},
        {"Wide,70000,65536,65535,65535\n", {"Wide", 4464, 0, 65535, 65535}},
        {"Big priority,1,2,3,2147483647\n", {"Big priority", 1, 2, 3, 2147483647}},
        {",,,,\n", {"", 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const TimerFileContent content = ParseTimerFile(TenLinesWith(4, c.line));
        ASSERT_TRUE(content.ok) << c.line;
        EXPECT_EQ(content.records[4], c.record) << c.line;
        EXPECT_EQ(content.records[5], (TimerRecord{"Timer", 1, 2, 3, 4}));
    }
}

TEST(ParseTimerFile, EndOfFileAfterTheTenthLine) {
    const std::string ten = TenLinesWith(9, "Last,5,6,7,8\n");
    const std::string noFinalLf = ten.substr(0, ten.size() - 1);
    const std::string crlfNoFinalLf = TenLinesWith(9, "Last,5,6,7,8\r");
    const std::string trailing = ten + "Eleventh line without numbers\n" + std::string(500, 'x');
    for (const std::string& file : {ten, noFinalLf, crlfNoFinalLf, trailing}) {
        const TimerFileContent content = ParseTimerFile(file);
        ASSERT_TRUE(content.ok) << file;
        EXPECT_EQ(content.records[9], (TimerRecord{"Last", 5, 6, 7, 8}));
    }
}

TEST(ParseTimerFile, MalformedFilesAreRefusedWithTheirLine) {
    const std::string ten = TenLinesWith(-1, "");
    const std::string nine = ten.substr(0, 9 * 14);
    struct Case {
        std::string name;
        std::string bytes;
        TimerFileErrorKind kind;
        int line;
    };
    const std::string longest = std::string(119, 'n') + ",1,2,3,4";  // 127 characters
    const Case cases[] = {
        {"empty", "", TimerFileErrorKind::TooFewLines, 1},
        {"nine lines", nine, TimerFileErrorKind::TooFewLines, 10},
        {"nine, last unended", nine.substr(0, nine.size() - 1), TimerFileErrorKind::TooFewLines, 10},
        {"129-byte line", TenLinesWith(3, longest + "x\n"), TimerFileErrorKind::LineTooLong, 4},
        {"128 bytes and CRLF", TenLinesWith(3, longest + "\r\n"), TimerFileErrorKind::LineTooLong, 4},
        {"unended tenth of 128", TenLinesWith(9, longest + "x"), TimerFileErrorKind::LineTooLong, 10},
        {"three commas", TenLinesWith(6, "Name,1,2,3\n"), TimerFileErrorKind::TooFewFields, 7},
        {"blank line", TenLinesWith(0, "\n"), TimerFileErrorKind::TooFewFields, 1},
        {"first fault wins", TenLinesWith(1, "x\n").substr(0, 30), TimerFileErrorKind::TooFewFields, 2},
    };
    for (const Case& c : cases) {
        const TimerFileContent content = ParseTimerFile(c.bytes);
        EXPECT_FALSE(content.ok) << c.name;
        EXPECT_EQ(content.error.kind, c.kind) << c.name;
        EXPECT_EQ(content.error.line, c.line) << c.name;
    }
    EXPECT_TRUE(ParseTimerFile(TenLinesWith(3, longest + "\n")).ok);
    EXPECT_TRUE(ParseTimerFile(TenLinesWith(9, longest)).ok);
}

TEST(TimerFileErrorText, NamesFileLineAndReason) {
    const TimerFileError create{TimerFileErrorKind::CannotCreate, "/no/such/t.csv", 0, "No such file or directory"};
    EXPECT_EQ(TimerFileErrorMainText(create), "Cannot Create File");
    EXPECT_EQ(TimerFileErrorDetailText(create), "\"/no/such/t.csv\" cannot be created: No such file or directory.");

    const TimerFileError fields{TimerFileErrorKind::TooFewFields, "t.csv", 7, ""};
    EXPECT_EQ(TimerFileErrorMainText(fields), "Cannot Load Timer File");
    EXPECT_EQ(TimerFileErrorDetailText(fields).rfind("\"t.csv\", line 7: ", 0), 0u);
    EXPECT_EQ(TimerFileErrorDetailText({TimerFileErrorKind::LineTooLong, "", 3, ""}).rfind("Line 3: ", 0), 0u);
    EXPECT_NE(TimerFileErrorMainText({TimerFileErrorKind::WriteFailed, "t.csv", 0, "Disk full"}), "");
    EXPECT_EQ(TimerFileErrorDetailText({}), "");
}

}  // namespace
}  // namespace cv
