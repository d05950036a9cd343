// What only POSIX systems show of the record of sends: a process killed
// mid-append or mid-trim, two processes recording at once, and the offset of
// a time zone.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

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
        // The record, its lock file and at most a trim's temporary file.
        ASSERT_LE(folder.Entries().size(), 3u) << "after kill " << kill;
    }
    EXPECT_GT(next, 50);  // the appends got somewhere between the kills
}

TEST(SendLog, KilledMidAppendLeavesEarlierEntriesWhole) { KillWhileRecording(kSendLogLimit); }

TEST(SendLog, KilledMidTrimLeavesEarlierEntriesWhole) {
    // A limit of a few entries, so that most appends end in a trim.
    KillWhileRecording(3 * FormatSendEntry(Entry(AllSent(), DefaultTimers(), "2025-03-14 06:00:00 +01:00")).size());
}

// Checks, after `sender` has appended its entry number `last`, that its own
// entries in the record are a run of consecutive numbers ending there (or
// none, when the other sender's entries have pushed them all out): with the
// lock, a trim only ever drops the oldest entries, never one in between or
// the newest. An empty string when that holds.
std::string OwnEntriesGap(const std::string& path, const std::string& sender, int last) {
    const SendLogContent read = ParseSendLog(ReadBytes(path));
    std::vector<int> own;
    for (const SendEntry& entry : read.entries) {
        if (entry.user.starts_with(sender + " ")) own.push_back(std::stoi(entry.user.substr(sender.size() + 1)));
    }
    if (read.damaged != 0) return std::to_string(read.damaged) + " damaged entries";
    if (own.empty()) return "";
    for (std::size_t i = 0; i < own.size(); ++i) {
        if (own[i] != last - static_cast<int>(own.size() - 1 - i))
            return sender + "'s entries end at " + std::to_string(own.back()) + " after " + std::to_string(last) +
                   ", with " + std::to_string(own.size()) + " of them kept";
    }
    return "";
}

TEST(SendLog, TwoSendersAppendingAcrossTheTrimLimitLoseNoEntry) {
    TempFolder folder;
    const std::string path = SendLogPathIn(folder.Path());
    const SendEntry entry = Entry(AllSent(), DefaultTimers(), "2025-03-14 06:00:00 +01:00");
    // A limit of six entries, so that every third append or so ends in a trim.
    const std::size_t limit = 6 * FormatSendEntry(entry).size();
    constexpr int kAppends = 150;
    std::vector<pid_t> children;
    for (const std::string sender : {"a", "b"}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int status = 0;
            for (int i = 0; i < kAppends && status == 0; ++i) {
                SendEntry numbered = entry;
                numbered.user = sender + " " + std::to_string(i);
                if (!AppendSendEntry(path, numbered, limit).written) status = 2;
                else if (const std::string gap = OwnEntriesGap(path, sender, i); !gap.empty()) {
                    std::fprintf(stderr, "%s\n", gap.c_str());
                    status = 1;
                }
            }
            ::_exit(status);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    }
    EXPECT_EQ(OwnEntriesGap(path, "a", kAppends - 1), "");
    EXPECT_EQ(OwnEntriesGap(path, "b", kAppends - 1), "");
    EXPECT_LE(ReadBytes(path).size(), limit);
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
