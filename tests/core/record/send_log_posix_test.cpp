// What only POSIX systems show of the record of sends: a process killed
// mid-append or mid-trim, and the offset of a time zone.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <random>

#include "core/record/send_log.h"
#include "tests/core/record/record_fixtures.h"
#include "tests/kill_at_random.h"
#include "tests/temp_folder.h"

namespace cv {
namespace {

using namespace record_test;

// After every kill the file holds the entries appended so far, each whole,
// byte for byte, and in order, with at most torn starts of entries between
// them (each torn one is appended again whole); trims only ever drop the oldest.
void KillWhileRecording(std::size_t limit) {
    TempFolder folder;
    const std::string path = SendLogPathIn(folder.Path());
    const SendEntry entry = Entry(AllSent(), DefaultTimers(), "2025-03-14 06:00:00 +01:00");
    std::mt19937 random(11);
    int next = 0;  // the number of the next entry to append
    for (int kill = 0; kill < 150; ++kill) {
        ASSERT_TRUE(KillWhileSaving(
            [&](int round) {
                SendEntry numbered = entry;
                numbered.user = std::to_string(next + round);
                AppendSendEntry(path, numbered, limit);
            },
            random));
        const std::string text = ReadBytes(path);
        const SendLogContent read = ParseSendLog(text);
        std::size_t found = 0;
        for (std::size_t i = 0; i < read.entries.size(); ++i) {
            const int number = std::stoi(read.entries[i].user);
            if (i > 0) {
                ASSERT_EQ(number, std::stoi(read.entries[i - 1].user) + 1) << "after kill " << kill;
            }
            SendEntry numbered = entry;
            numbered.user = read.entries[i].user;
            ASSERT_EQ(read.entries[i], numbered);
            found = text.find(FormatSendEntry(numbered), found);
            ASSERT_NE(found, std::string::npos) << "after kill " << kill;
        }
        if (!read.entries.empty()) next = std::stoi(read.entries.back().user) + 1;
        ASSERT_LE(folder.Entries().size(), 2u) << "after kill " << kill;  // at most a trim's temporary file
    }
    EXPECT_GT(next, 50);  // the appends got somewhere between the kills
}

TEST(SendLog, KilledMidAppendLeavesEarlierEntriesWhole) { KillWhileRecording(kSendLogLimit); }

TEST(SendLog, KilledMidTrimLeavesEarlierEntriesWhole) {
    // A limit of a few entries, so that most appends end in a trim.
    KillWhileRecording(3 * FormatSendEntry(Entry(AllSent(), DefaultTimers(), "2025-03-14 06:00:00 +01:00")).size());
}

TEST(TimeStamp, CarriesTheLocalTimeAndItsOffsetFromUtc) {
    const char* saved = std::getenv("TZ");
    const std::string before = saved ? saved : "";
    ::setenv("TZ", "IST-5:30", 1);
    ::tzset();
    EXPECT_EQ(TimeStampAt(0), "1970-01-01 05:30:00 +05:30");
    ::setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
    ::tzset();
    EXPECT_EQ(TimeStampAt(1752494400), "2025-07-14 08:00:00 -04:00");  // 12:00 UTC, summer time
    EXPECT_EQ(TimeStampAt(1736856000), "2025-01-14 07:00:00 -05:00");
    if (saved) ::setenv("TZ", before.c_str(), 1);
    else ::unsetenv("TZ");
    ::tzset();
}

}  // namespace
}  // namespace cv
