#include "core/timerfile/timer_file.h"

#include <gtest/gtest.h>

#include "tests/golden.h"
#include "tests/marked_texts.h"

#include "tests/core/timerfile/test_support.h"

namespace cv {
namespace {

// Ten well-formed lines, the given text in place of line `index` (0-based).
std::string TenLinesWith(int index, const std::string& line) {
    std::string file;
    for (int i = 0; i < kTimerCount; ++i) file += i == index ? line : "Timer,1,2,3,4\n";
    return file;
}

TEST(FormatTimerFile, DefaultSheetGivesTheKnownTenLines) {
    EXPECT_EQ(FormatTimerFile(DefaultRecords()), golden::kDefaultTimerFile);
    EXPECT_EQ(FormatTimerLine({"A name of 25 characters..", 65535, 0, 7, -1}),
              "A name of 25 characters..,65535,0000,0007,65535\n");
}

TEST(ParseTimerFile, LinesAreReadLeniently) {
    const std::pair<std::string, TimerRecord> cases[] = {
        {"Labor Check,1,2,3,4\n", {"Labor Check", 1, 2, 3, 4}},
        {"Fries, large         ,0360,0030,0003,0001\n", {"Fries, large         ", 360, 30, 3, 1}},
        {"  Lead blanks ,0360,0030,0003,0001\n", {"  Lead blanks ", 360, 30, 3, 1}},
        {"CRLF ending,0360,0030,0003,0002\r\n", {"CRLF ending", 360, 30, 3, 2}},
        {"Lenient,12abc, 7,x,-1\n", {"Lenient", 12, 7, 0, -1}},
        {"Wide,70000,65536,65535,2147483647\n", {"Wide", 4464, 0, 65535, 2147483647}},
        {",,,,\n", {"", 0, 0, 0, 0}},
    };
    for (const auto& [line, record] : cases) {
        const TimerFileContent content = ParseTimerFile(TenLinesWith(4, line));
        ASSERT_TRUE(content.ok) << line;
        EXPECT_EQ(content.records[4], record) << line;
        EXPECT_EQ(content.records[5], (TimerRecord{"Timer", 1, 2, 3, 4}));
    }
}

TEST(ParseTimerFile, TenthLineMayEndTheFileInAnyWay) {
    const std::string ten = TenLinesWith(9, "Last,5,6,7,8\n");
    for (const std::string& file : {ten, ten.substr(0, ten.size() - 1), TenLinesWith(9, "Last,5,6,7,8\r"),
                                    ten + "Eleventh line, no numbers\n" + std::string(500, 'x')}) {
        const TimerFileContent content = ParseTimerFile(file);
        ASSERT_TRUE(content.ok) << file;
        EXPECT_EQ(content.records[9], (TimerRecord{"Last", 5, 6, 7, 8}));
    }
}

TEST(ParseTimerFile, MalformedFilesAreRefusedWithTheirLine) {
    const std::string nine = TenLinesWith(-1, "").substr(0, 9 * 14);
    const std::string longest = std::string(119, 'n') + ",1,2,3,4";  // 127 characters
    // A UTF-8 file cut, as a read stops at its limit, inside a character of
    // its overlong tenth line; its first line holds 72 characters in 136 bytes.
    std::string cut;
    for (int i = 0; i < 64; ++i) cut += "\u00E9";
    cut += ",1,2,3,4\n";
    for (int i = 1; i < 9; ++i) cut += "Timer,1,2,3,4\n";
    for (int i = 0; i < 130; ++i) cut += "\u20AC";
    cut += "\xE2\x82";
    struct Case {
        std::string bytes;
        TimerFileErrorKind kind;
        int line;
    };
    const Case cases[] = {
        {"", TimerFileErrorKind::TooFewLines, 1},
        {nine, TimerFileErrorKind::TooFewLines, 10},
        {nine.substr(0, nine.size() - 1), TimerFileErrorKind::TooFewLines, 10},
        {TenLinesWith(3, longest + "x\n"), TimerFileErrorKind::LineTooLong, 4},
        {TenLinesWith(9, longest + "x"), TimerFileErrorKind::LineTooLong, 10},
        {TenLinesWith(6, "Name,1,2,3\n"), TimerFileErrorKind::TooFewFields, 7},
        {TenLinesWith(1, "\n").substr(0, 30), TimerFileErrorKind::TooFewFields, 2},
        {cut, TimerFileErrorKind::LineTooLong, 10},
    };
    for (const Case& c : cases) {
        const TimerFileContent content = ParseTimerFile(c.bytes);
        EXPECT_FALSE(content.ok) << c.bytes;
        EXPECT_EQ(content.error.kind, c.kind) << c.bytes;
        EXPECT_EQ(content.error.line, c.line) << c.bytes;
    }
    for (const std::string& fits : {TenLinesWith(3, longest + "\n"), TenLinesWith(3, longest + "\r\n"),
                                    TenLinesWith(9, longest)}) {
        EXPECT_TRUE(ParseTimerFile(fits).ok) << fits;
    }
}

TEST(ParseTimerFile, ByteOrderMarkIsNoPartOfTheFirstName) {
    const TimerFileContent content = ParseTimerFile("\xEF\xBB\xBF" + TenLinesWith(-1, ""));
    ASSERT_TRUE(content.ok);
    EXPECT_EQ(content.records[0].name, "Timer");
    // A first name that starts with those bytes, or with a UTF-16 mark's ("ÿþ"),
    // keeps them through a save, even where a NUL after a line feed makes
    // the bytes of a UTF-16 one; one that earlier versions saved without a
    // mark before it still reads byte for byte.
    TimerRecords records = content.records;
    records[1].name = std::string("\0Fries", 6) + std::string(14, ' ');
    for (const char* name : {"\xEF\xBB\xBFTimer              ", "\xFF\xFETimer               ",
                             "\xFE\xFFTimer               "}) {
        records[0].name = name;
        const TimerFileContent back = ParseTimerFile(FormatTimerFile(records));
        EXPECT_EQ(back.records[0].name, name);
        EXPECT_EQ(back.records[1].name, records[1].name);
    }
    EXPECT_EQ(ParseTimerFile(TenLinesWith(0, FormatTimerLine(records[0]))).records[0].name, records[0].name);
}

TEST(ParseTimerFile, Utf16FilesAreConvertedAsUtf8FilesAre) {
    std::string text = "Caf\u00E9 \u201CLunch\u201D,1,2,3,4\r\n\U0001F35F Fries,5,6,7,8\r\n";
    for (int i = 2; i < kTimerCount; ++i) text += "Timer,1,2,3,4\r\n";
    for (const bool bigEndian : {false, true}) {
        const TimerFileContent content = ParseTimerFile(Utf16(text, bigEndian));
        ASSERT_TRUE(content.ok) << bigEndian;
        EXPECT_EQ(content.encoding, TimerFileEncoding::Utf16);
        EXPECT_EQ(content.records[0], (TimerRecord{"Caf\xE9 \"Lunch\"", 1, 2, 3, 4}));
        EXPECT_EQ(content.records[1], (TimerRecord{"? Fries", 5, 6, 7, 8}));
        EXPECT_EQ(content.shownNames[1], "\U0001F35F Fries");
        EXPECT_EQ(content.records[9], (TimerRecord{"Timer", 1, 2, 3, 4}));
        const std::string note = DescribeTimerFileConversion(content, "t.csv");
        EXPECT_EQ(note.rfind("\"t.csv\" is in UTF-16", 0), 0u) << note;
        EXPECT_NE(note.find("Timer 2's name holds \"\U0001F35F\" (U+1F35F)"), std::string::npos) << note;
    }
}

TEST(ParseTimerFile, FilesFromOtherEditorsAreConvertedOnce) {
    struct Case {
        std::string firstLine;
        TimerFileEncoding encoding;
        std::string name;       // as the unit takes it
        std::string shownName;  // as the sheet shows it
    };
    const Case cases[] = {
        {"Caf\xC3\xA9 Check,1,2,3,4\r\n", TimerFileEncoding::Utf8, "Caf\xE9 Check", "Caf\u00E9 Check"},
        {"\xEF\xBB\xBF" "Chef\xE2\x80\x99s List,1,2,3,4\n", TimerFileEncoding::Utf8, "Chef's List", "Chef's List"},
        {"Chef\x92s Caf\xE9,1,2,3,4\n", TimerFileEncoding::Windows1252, "Chef's Caf\xE9", "Chef's Caf\u00E9"},
        {"\x8C" "ufs,1,2,3,4\n", TimerFileEncoding::Windows1252, "?ufs", "\u0152ufs"},
        // What CV Timer writes reads byte for byte, as it always has...
        {FormatTimerLine({"Cr\xE8me br\xFBl\xE9" "e", 1, 2, 3, 4}), TimerFileEncoding::Latin1,
         "Cr\xE8me br\xFBl\xE9" "e        ", "Cr\u00E8me br\u00FBl\u00E9" "e        "},
        // ...but for a name that is itself UTF-8 once read as Latin-1.
        {"Caf\xC3\xA9,1,2,3,4\n", TimerFileEncoding::Utf8, "Caf\xE9", "Caf\u00E9"},
    };
    for (const Case& c : cases) {
        const TimerFileContent content = ParseTimerFile(TenLinesWith(0, c.firstLine));
        ASSERT_TRUE(content.ok) << c.firstLine;
        EXPECT_EQ(content.encoding, c.encoding) << c.firstLine;
        EXPECT_EQ(content.records[0], (TimerRecord{c.name, 1, 2, 3, 4})) << c.firstLine;
        EXPECT_EQ(content.shownNames[0], c.shownName) << c.firstLine;
        const std::string note = DescribeTimerFileConversion(content, "t.csv");
        EXPECT_EQ(note.empty(), c.encoding == TimerFileEncoding::Latin1) << note;
        EXPECT_EQ(note.find("Timer 1's name holds \"\u0152\" (U+0152), which a Corvellan unit cannot show.") !=
                      std::string::npos,
                  c.name == "?ufs")
            << note;
    }
}

// Every file Save writes must load again: a name that only fits a line
// without padded numbers, or one holding a line feed, is refused up front.
TEST(FindUnsaveableTimer, NamesTheTimerWhoseLineWouldNotLoad) {
    std::string file;
    for (int i = 0; i < kTimerCount; ++i) file += std::string(108, 'n') + ",,,,\n";
    TimerFileContent loaded = ParseTimerFile(file);
    ASSERT_TRUE(loaded.ok);
    std::optional<TimerFileError> error = FindUnsaveableTimer(loaded.records);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, TimerFileErrorKind::UnsaveableName);
    EXPECT_EQ(error->line, 1);
    EXPECT_EQ(TimerFileErrorMainText(*error), "Could Not Save Timers");
    EXPECT_EQ(TimerFileErrorDetailText(*error).rfind("Timer 1 cannot be saved: its name is 108 characters long, "
                                                     "and a line of a timer file holds at most 107 ", 0), 0u);

    for (TimerRecord& record : loaded.records) record.name.resize(107);
    EXPECT_FALSE(FindUnsaveableTimer(loaded.records));
    EXPECT_TRUE(ParseTimerFile(FormatTimerFile(loaded.records)).ok);
    loaded.records[3].name = "Two\nlines";
    ASSERT_TRUE(FindUnsaveableTimer(loaded.records));
    EXPECT_EQ(FindUnsaveableTimer(loaded.records)->line, 4);
    loaded.records[3].name = "Wait\x85";  // a load would read "Wait..."
    ASSERT_TRUE(FindUnsaveableTimer(loaded.records));
    EXPECT_EQ(FindUnsaveableTimer(loaded.records)->systemText, "its name holds a control character (0x85)");
}

TEST(TimerFileErrorText, NamesFileLineAndReason) {
    const TimerFileError create{TimerFileErrorKind::CannotCreate, "/no/t.csv", 0, "No such file or directory"};
    EXPECT_EQ(TimerFileErrorMainText(create), "Cannot Create File");
    EXPECT_EQ(TimerFileErrorDetailText(create), "\"/no/t.csv\" cannot be created: No such file or directory.");
    const TimerFileError fields{TimerFileErrorKind::TooFewFields, "t.csv", 7, ""};
    EXPECT_EQ(TimerFileErrorMainText(fields), "Cannot Load Timer File");
    EXPECT_EQ(TimerFileErrorDetailText(fields).rfind("\"t.csv\", line 7: ", 0), 0u);

    // In another language the place is its own phrase and the rest one sentence around it.
    const MarkedTexts marked;
    const TimerFileError tooLong{TimerFileErrorKind::LineTooLong, "t.csv", 7, ""};
    EXPECT_EQ(TimerFileErrorDetailText(tooLong),
              "[[[[\"t.csv\", line 7]]: the line is longer than 127 characters. Nothing was loaded.]]");
}

}  // namespace
}  // namespace cv
