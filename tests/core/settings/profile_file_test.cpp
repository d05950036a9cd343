#include "core/settings/profile_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/temp_folder.h"

namespace cv {
namespace {

struct ReadCase {
    const char* what;
    std::string file;
    std::string expected;
};

TEST(GetProfileString, ReadsLikeTheWindowsProfileFunctions) {
    const std::string seventyNine(79, 'x');
    const ReadCase cases[] = {
        {"blanks, tabs, any case", " \t[ \ts\t ] \n\t k \t=\t v w \t\n", "v w"},
        {"double quotes", "[S]\nK=\" v \"\n", " v "},
        {"quotes that do not match", "[S]\nK=\"v'\n", "\"v'"},
        {"comment line", "[S]\n;K=c\n  ;K=d\nK=v\n", "v"},
        {"line without '='", "[S]\nK\nK=v\n", "v"},
        {"first duplicate key", "[S]\nK=1\nK=2\n", "1"},
        {"first duplicate section", "[S]\nA=1\n[S]\nK=2\n", "-"},
        {"key of another section", "[T]\nK=1\n[S]\nJ=2\n", "-"},
        {"key before any section", "K=1\n[S]\n", "-"},
        {"CR", "[S]\rA=1\rK=v\r", "v"},
        {"no final line end", "[S]\nK=v", "v"},
        {"byte order mark", "\xEF\xBB\xBF[S]\nK=v\n", "v"},
        {"79 characters kept", "[S]\nK=" + seventyNine + "y\n", seventyNine},
    };
    for (const ReadCase& c : cases) {
        TempFolder folder;
        const std::string file = folder.File("a.ini");
        WriteBytes(file, c.file);
        EXPECT_EQ(GetProfileString(file, "S", "K", "-"), c.expected) << c.what;
    }
}

TEST(GetProfileString, MissingOrUnreadableFileGivesTheDefault) {
    TempFolder folder;
    EXPECT_EQ(GetProfileString(folder.File("none.ini"), "S", "K", "1"), "1");
    EXPECT_EQ(GetProfileString(folder.Path(), "S", "K", "1"), "1");  // a folder
}

TEST(GetProfileSection, FirstOfEachKeyInFileOrderUncut) {
    TempFolder folder;
    const std::string file = folder.File("a.ini");
    const std::string longValue(100, 'p');
    WriteBytes(file, "[ports]\nb = 2\n;c=3\na='1'\nB=9\nnoise\nlong=" + longValue +
                                        "\n[Ports]\nd=4\n");
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"b", "2"}, {"a", "1"}, {"long", longValue}};
    EXPECT_EQ(GetProfileSection(file, "Ports"), expected);
    EXPECT_TRUE(GetProfileSection(file, "Other").empty());
}

struct WriteCase {
    const char* what;
    const char* before;  // nullptr: no file yet
    const char* value;
    const char* after;
};

TEST(WriteProfileString, EditsInPlaceKeepingEverythingElse) {
    const WriteCase cases[] = {
        {"new file", nullptr, "v", "[S]\nK=v\n"},
        {"value replaced where it stands, spelling kept",
         "; top\n[s]\n  k = 'old' \nX=1\n", "new", "; top\n[s]\nk=new\nX=1\n"},
        {"first duplicate key replaced", "[S]\nK=1\nK=2\n", "3", "[S]\nK=3\nK=2\n"},
        {"first duplicate section used", "[S]\nA=1\n[S]\nK=2\n", "3",
         "[S]\nA=1\nK=3\n[S]\nK=2\n"},
        {"new key after the last key line", "[S]\nA=1\n;note\nB=2\n\n; trailing\n\n[T]\nC=3\n",
         "v", "[S]\nA=1\n;note\nB=2\nK=v\n\n; trailing\n\n[T]\nC=3\n"},
        {"new key in a section without keys", "[S]\n\n[T]\n", "v", "[S]\nK=v\n\n[T]\n"},
        {"new key after a last line without line end", "[S]\nA=1", "v",
         "[S]\nA=1\nK=v\n"},
        {"new section at the end", "[T]\nA=1\n\n", "v", "[T]\nA=1\n\n[S]\nK=v\n"},
        {"CRLF kept", "[T]\r\nA=1\r\n", "v", "[T]\r\nA=1\r\n[S]\r\nK=v\r\n"},
        {"other line ends left alone", "[S]\r\nK=1\nJ=2\r", "5", "[S]\r\nK=5\nJ=2\r"},
        {"byte order mark kept", "\xEF\xBB\xBF[S]\nK=1\n", "2", "\xEF\xBB\xBF[S]\nK=2\n"},
    };
    for (const WriteCase& c : cases) {
        TempFolder folder;
        const std::string file = folder.File("a.ini");
        if (c.before != nullptr) WriteBytes(file, c.before);
        EXPECT_TRUE(WriteProfileString(file, "S", "K", c.value)) << c.what;
        EXPECT_EQ(ReadBytes(file), c.after) << c.what;
    }
}

TEST(WriteProfileString, RefusesWhatWouldBreakTheLayout) {
    const std::pair<const char*, const char*> names[] = {
        {"S", ""}, {"S", "A=B"}, {"S", "K\n"}, {"S", ";K"}, {"S", "[K"}, {"S]", "K"}, {"S\r", "K"}};
    TempFolder folder;
    const std::string file = folder.File("a.ini");
    WriteBytes(file, "[S]\nK=1\n");
    for (const auto& [section, key] : names) {
        EXPECT_FALSE(WriteProfileString(file, section, key, "v")) << section << "/" << key;
    }
    EXPECT_FALSE(WriteProfileString(file, "S", "K", "1\n[T]"));
    EXPECT_EQ(ReadBytes(file), "[S]\nK=1\n");
}

}  // namespace
}  // namespace cv
