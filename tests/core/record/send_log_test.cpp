// The record of sends as text and as a file: what is written reads back,
// what was cut short or damaged is left out whole, and the file stays bounded.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/platform/file_lock.h"
#include "core/record/send_log.h"
#include "tests/core/record/record_fixtures.h"
#include "tests/marked_texts.h"
#include "tests/temp_folder.h"

namespace cv {
namespace {

using namespace record_test;
using Stage = TimerSendResult::Stage;

std::string WithCrlf(const std::string& text) {
    std::string crlf;
    for (const char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return crlf;
}

// Three entries told apart by their user.
std::vector<SendEntry> ThreeEntries() {
    std::vector<SendEntry> entries;
    for (const char* user : {"anna", "ben", "cara"}) {
        SendEntry entry = Entry(AllSent(), DefaultTimers(), "2025-03-14 06:00:00 +01:00");
        entry.user = user;
        entries.push_back(entry);
    }
    return entries;
}

std::string Text(const std::vector<SendEntry>& entries) {
    std::string text;
    for (const SendEntry& entry : entries) text += FormatSendEntry(entry);
    return text;
}

TEST(SendLogText, WrittenEntriesReadBackExactly) {
    TimerRecords timers = LunchTimers();
    timers[1].name = "K\xFC" "che sp\xFC" "len bis zum Abend";  // Latin-1, longer than the wire takes
    timers[1].priority = -1;
    SendFacts facts = Facts(StoppedAt(2, Stage::Name, Ack(AckOutcome::Acknowledged), Ack(AckOutcome::NoAnswer)), timers,
                            "/home/anna/K\xC3\xBC" "che/lunch.csv");
    facts.deviceName = "FT232R USB UART";
    facts.source.changed = true;
    const SendEntry partial = MakeSendEntry(facts, "2025-03-14 14:02:33 -05:30", "anna");

    facts = Facts(AllSent(), DefaultTimers(), "");
    facts.portNumber = 0;
    const SendEntry typed = MakeSendEntry(facts, "2025-03-14 14:03:00 +00:00", "");

    const std::string text = FormatSendEntry(partial) + FormatSendEntry(typed);
    EXPECT_NE(text.find("\nK\xC3\xBC" "che sp\xC3\xBC" "len bis zu ,0701,0061,0005,65535\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nTimer 3: settings acknowledged, name sent without acknowledgement\n"), std::string::npos);
    EXPECT_NE(text.find("\nTimer 4: settings not sent, name not sent\nTimer 5:"), std::string::npos);
    for (const std::string& bytes : {text, WithCrlf(text)}) {
        const SendLogContent read = ParseSendLog(bytes);
        EXPECT_EQ(read.damaged, 0);
        ASSERT_EQ(read.entries.size(), 2u);
        EXPECT_EQ(read.entries[0], partial);
        EXPECT_EQ(read.entries[1], typed);
    }
}

TEST(SendLogText, APlansEntryReadsBackAndStaysReadableByEveryVersion) {
    SendFacts facts = Facts(AllSent(), LunchTimers());
    facts.origin = {"/k/CVTimerDayParts.ini", "Lunch", "2026-12-10 10:30:00 -05:00", "", {"Breakfast, due 2026-12-10 05:30:00 -05:00"}};
    const SendEntry late = MakeSendEntry(facts, "2026-12-10 12:35:10 -05:00", "anna");
    EXPECT_EQ(late.origin.late, "2 h 5 min");
    facts.origin = {"/k/CVTimerDayParts.ini", "", "", "", {}};
    facts.unsentBecause = "The day-part plan was not run. /k/CVTimerDayParts.ini, line 3: \"Fry\" is not a day.";
    const SendEntry refused = MakeSendEntry(facts, "2026-12-10 12:40:00 -05:00", "anna");
    EXPECT_EQ(refused.timers[0].settings, MessageFate::NotSent);

    const std::string text = FormatSendEntry(late) + FormatSendEntry(refused);
    const SendLogContent read = ParseSendLog(text);
    ASSERT_EQ(read.entries.size(), 2u);
    EXPECT_EQ(read.entries[0], late);
    EXPECT_EQ(read.entries[1], refused);
    // Version 1.0.0 reads an entry's lines up to its first "Timer " line as
    // "Key: value", a key of letters and blanks, and passes over any key it
    // does not know; it refuses only a known key given twice. The plan's
    // lines keep to that, so it reads them as sends by hand.
    const char* known[] = {"User", "Port", "Device", "Device name", "File", "Timers", "Outcome"};
    for (const std::string& line : {std::string("Plan: /k/CVTimerDayParts.ini"), std::string("Day part: Lunch"),
                                    std::string("Due: 2026-12-10 10:30:00 -05:00"), std::string("Late: 2 h 5 min"),
                                    std::string("Missed: Breakfast, due 2026-12-10 05:30:00 -05:00")}) {
        const std::size_t at = text.find("\n" + line + "\n");
        ASSERT_NE(at, std::string::npos) << line;
        EXPECT_LT(at, text.find("\nTimer 1: ")) << line;
        const std::string key = line.substr(0, line.find(':'));
        EXPECT_EQ(key.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz "), std::string::npos);
        for (const char* old : known) EXPECT_NE(key, old);
    }
}

TEST(SendLogText, ControlCharactersOfWindows1252FilesAreNotWrittenRawYetOldRecordsRead) {
    TimerRecords timers = DefaultTimers();
    timers[0].name = "Lunch\x85Prep";  // "Lunch…Prep" saved in Windows-1252, read as Latin-1
    timers[1].name = "Fries\tLarge";
    const SendEntry entry = MakeSendEntry(Facts(AllSent(), timers, "/k/caf\xC2\x85.csv"), "2025-03-14 06:00:00 +01:00", "anna");
    const std::string text = FormatSendEntry(entry);
    EXPECT_EQ(text.find("\xC2\x85"), std::string::npos) << text;
    EXPECT_NE(text.find("\nLunch?Prep          ,"), std::string::npos);
    EXPECT_NE(text.find("\nFile: /k/caf\xEF\xBF\xBD.csv\n"), std::string::npos);

    std::string older = text;  // as earlier versions wrote it, names included
    older.replace(older.find("caf\xEF\xBF\xBD"), 6, "caf\xC2\x85");
    older.replace(older.find("Lunch?Prep"), 10, "Lunch\xC2\x85Prep");
    older.replace(older.find("Fries?Large"), 11, "Fries\tLarge");
    const SendLogContent read = ParseSendLog(older);
    EXPECT_EQ(read.damaged, 0);
    EXPECT_EQ(read.entries, std::vector<SendEntry>{entry});
}

TEST(SendLogText, AnEntryCutShortOrDamagedIsLeftOutWhole) {
    const std::vector<SendEntry> entries = ThreeEntries();
    const std::string whole = Text(entries);
    const std::string firstTwo = FormatSendEntry(entries[0]) + FormatSendEntry(entries[1]);
    // Every place a power cut could stop the third entry's append.
    for (std::size_t cut = firstTwo.size(); cut + 2 < whole.size(); ++cut) {
        const SendLogContent read = ParseSendLog(whole.substr(0, cut));
        ASSERT_EQ(read.entries.size(), 2u) << "cut at " << cut;
        EXPECT_EQ(read.entries[1], entries[1]);
    }
    // A torn entry followed by the next one, and an entry damaged inside.
    SendLogContent read = ParseSendLog(whole.substr(0, firstTwo.size() + 300) + "\n" + FormatSendEntry(entries[2]));
    ASSERT_EQ(read.entries.size(), 3u);
    EXPECT_EQ(read.entries[2], entries[2]);
    EXPECT_EQ(read.damaged, 1);
    std::string damaged = whole;
    damaged.replace(damaged.find("name acknowledged", firstTwo.size() - 400), 17, "name acknowledgd");
    read = ParseSendLog(damaged);
    ASSERT_EQ(read.entries.size(), 2u);
    EXPECT_EQ(read.entries[0].user, "anna");
    EXPECT_EQ(read.entries[1].user, "cara");
}

TEST(SendLog, TheRecordIsWrittenInEnglishWhateverTheUsersLanguage) {
    TempFolder folder;
    const SendFacts facts = Facts(StoppedAt(2, Stage::Settings, Ack(AckOutcome::WrongAnswer), Ack(AckOutcome::NoAnswer)),
                                  LunchTimers());
    const std::string english = folder.File("english.log");
    const std::string marked = folder.File("marked.log");
    ASSERT_TRUE(AppendSendEntry(english, MakeSendEntry(facts, "2025-03-14 06:00:00 +01:00", "anna")).written);
    const MarkedTexts language;
    ASSERT_TRUE(AppendSendEntry(marked, MakeSendEntry(facts, "2025-03-14 06:00:00 +01:00", "anna")).written);
    EXPECT_EQ(ReadBytes(marked), ReadBytes(english));
    // The user reads the outcome in the language: the reason in its words for
    // a send of this run, in the record's own for one made elsewhere.
    const std::string shown = DescribeRecordedOutcome(ParseSendLog(ReadBytes(english)).entries.at(0).outcome);
    EXPECT_EQ(shown, DescribeSendOutcome(facts.report));
    EXPECT_EQ(shown.rfind("[[Unable to Send Timers to Corvellan. [[Timer 3 was not sent: "
                          "[[the unit answered its settings message with",
                          0),
              0u)
        << shown;
    EXPECT_EQ(DescribeRecordedOutcome("Unable to Send Timers to Corvellan. Timer 9 was not sent: elsewhere."),
              "[[Unable to Send Timers to Corvellan. Timer 9 was not sent: elsewhere.]]");
}

TEST(SendLog, ARecordSavedWithAByteOrderMarkKeepsItsFirstEntry) {
    TempFolder folder;
    const std::string path = SendLogPathIn(folder.Path());
    const std::vector<SendEntry> entries = ThreeEntries();
    WriteBytes(path, "\xEF\xBB\xBF" + FormatSendEntry(entries[0]));
    ASSERT_TRUE(AppendSendEntry(path, entries[1]).written);
    const SendLogRead read = ReadSendLog(path);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.content.entries, std::vector<SendEntry>(entries.begin(), entries.begin() + 2));
    EXPECT_EQ(read.content.damaged, 0);
}

TEST(SendLog, ALockHeldElsewhereLeavesTheRecordAsItIsAndSaysSo) {
    TempFolder folder;
    const std::string path = SendLogPathIn(folder.Path());
    const std::vector<SendEntry> entries = ThreeEntries();
    ASSERT_TRUE(AppendSendEntry(path, entries[0]).written);
    {
        const FileLock held = FileLock::Take(folder.File(kSendLogLockName), std::chrono::milliseconds(0));
        ASSERT_TRUE(held.Held()) << held.SystemText();
        const SendLogWrite write = AppendSendEntry(path, entries[1], kSendLogLimit, std::chrono::milliseconds(50));
        EXPECT_FALSE(write.written);
        EXPECT_EQ(write.problem, "This send could not be added to the record of sends, " + path +
                                     ": another CV Timer window or cvtimerctl kept it locked for as long as this send "
                                     "could wait, and may have stopped responding.");
    }
    ASSERT_TRUE(AppendSendEntry(path, entries[2]).written);
    EXPECT_EQ(ReadBytes(path), FormatSendEntry(entries[0]) + FormatSendEntry(entries[2]));
}

TEST(SendLog, AnAppendAfterATornEntryStartsOnALineOfItsOwn) {
    TempFolder folder;
    const std::string path = SendLogPathIn(folder.Path());
    const std::vector<SendEntry> entries = ThreeEntries();
    WriteBytes(path, FormatSendEntry(entries[0]) + FormatSendEntry(entries[1]).substr(0, 123));
    const SendLogWrite write = AppendSendEntry(path, entries[2]);
    EXPECT_TRUE(write.written);
    EXPECT_EQ(write.problem, "");
    const SendLogRead read = ReadSendLog(path);
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.content.entries.size(), 2u);
    EXPECT_EQ(read.content.entries[1], entries[2]);
    EXPECT_EQ(read.content.damaged, 1);
}

TEST(SendLog, TheNewestEntriesAreReadOnlyAsFarBackAsAskedFor) {
    TempFolder folder;
    const std::string path = SendLogPathIn(folder.Path());
    std::string text;
    for (int i = 0; i < 100; ++i) {
        SendEntry numbered = Entry(AllSent(), DefaultTimers(), "2025-03-14 06:00:00 +01:00");
        numbered.user = "user " + std::to_string(i);
        text += FormatSendEntry(numbered);
    }
    WriteBytes(path, text);
    const auto upTo = [&](const std::string& user) {
        return ReadNewestSendEntries(path, [&](const std::vector<SendEntry>& newest) {
            return std::any_of(newest.begin(), newest.end(), [&](const SendEntry& entry) { return entry.user == user; });
        });
    };
    const SendLogRead few = upTo("user 98");
    ASSERT_TRUE(few.ok);
    EXPECT_LT(few.content.entries.size(), 10u);
    EXPECT_EQ(few.content.entries.back().user, "user 99");
    EXPECT_EQ(few.content.damaged, 0);  // the entry the stretch began inside is not counted
    EXPECT_EQ(upTo("user 0").content.entries.size(), 100u);
    EXPECT_EQ(upTo("nobody").content.entries.size(), 100u);
}

TEST(SendLog, PastItsLimitTheNewestEntriesWithinHalfOfItAreKept) {
    TempFolder folder;
    const std::string path = SendLogPathIn(folder.Path());
    const SendEntry entry = Entry(AllSent(), DefaultTimers(), "2025-03-14 06:00:00 +01:00");
    const std::size_t entrySize = FormatSendEntry(entry).size();
    const std::size_t limit = 10 * entrySize + entrySize / 2;
    for (int i = 0; i < 25; ++i) {
        SendEntry numbered = entry;
        numbered.user = "user " + std::to_string(i);
        ASSERT_TRUE(AppendSendEntry(path, numbered, limit).written);
        ASSERT_LE(ReadBytes(path).size(), limit);
    }
    const SendLogRead read = ReadSendLog(path);
    ASSERT_TRUE(read.ok);
    // Each trim keeps the newest five entries (half the limit holds 5.25).
    const std::vector<SendEntry>& kept = read.content.entries;
    ASSERT_GE(kept.size(), 5u);
    ASSERT_LE(kept.size(), 10u);
    for (std::size_t i = 0; i < kept.size(); ++i)
        EXPECT_EQ(kept[i].user, "user " + std::to_string(25 - kept.size() + i));
    EXPECT_EQ(read.content.damaged, 0);
}

TEST(SendLog, ARecordGrownFarPastItsLimitIsReadAndShortenedFromItsNewestPart) {
    TempFolder folder;
    const std::string path = SendLogPathIn(folder.Path());
    const std::vector<SendEntry> entries = ThreeEntries();
    // As one that could not be shortened for long: 17 MiB, the oldest entry first.
    std::string filler;
    for (std::size_t i = 0; i < 17 * kSendLogLimit / 128; ++i) filler += std::string(127, '#') + "\n";
    WriteBytes(path, FormatSendEntry(entries[0]) + filler + FormatSendEntry(entries[1]));
    SendLogRead read = ReadSendLog(path);
    ASSERT_TRUE(read.ok) << read.problem;
    EXPECT_EQ(read.content.entries, std::vector<SendEntry>{entries[1]});

    const SendLogWrite write = AppendSendEntry(path, entries[2]);
    EXPECT_TRUE(write.written);
    EXPECT_EQ(write.problem, "");
    EXPECT_EQ(ReadBytes(path), FormatSendEntry(entries[1]) + FormatSendEntry(entries[2]));
}

TEST(SendLog, ARecordThatCannotBeWrittenOrReadSaysWhy) {
    TempFolder folder;
    const std::string missing = SendLogPathIn(folder.File("gone"));
    SendFacts facts = Facts(AllSent(), DefaultTimers());
    facts.settingsFolder = folder.File("gone");
    const SendLogWrite write = RecordSend(facts);
    EXPECT_FALSE(write.written);
    EXPECT_TRUE(write.problem.starts_with("This send could not be added to the record of sends, " + missing + ": "))
        << write.problem;

    const SendLogRead none = ReadSendLog(missing);
    EXPECT_TRUE(none.ok);
    EXPECT_TRUE(none.content.entries.empty());
    const SendLogRead folderRead = ReadSendLog(folder.Path());
    EXPECT_FALSE(folderRead.ok);
    EXPECT_TRUE(folderRead.problem.starts_with("The record of sends, " + folder.Path() + ", cannot be read: "));
}

}  // namespace
}  // namespace cv
