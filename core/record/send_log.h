#pragma once
// The record of sends, CVTimerSends.log beside the settings file: one entry
// per send, appended and never rewritten, except that once it passes 1 MiB
// the oldest entries are dropped, keeping the newest half, through the same
// crash-safe replacement the timer files use. Two windows, or a window and a
// scheduled cvtimerctl, may record sends in one folder at once: each append
// and trim holds the lock on .CVTimerSends.lock beside the record, so that a
// trim never replaces the file without an entry appended meanwhile.

#include <chrono>
#include <cstddef>
#include <functional>
#include <vector>
#include <string>

#include "core/record/send_entry.h"
#include "core/record/send_log_text.h"

namespace cv {

inline constexpr const char* kSendLogFileName = "CVTimerSends.log";
inline constexpr const char* kSendLogLockName = ".CVTimerSends.lock";
inline constexpr std::size_t kSendLogLimit = 1024 * 1024;
// An append and a trim take milliseconds; a lock held longer than this belongs
// to a program that hangs, and the send must not wait on it.
inline constexpr std::chrono::milliseconds kSendLogLockWait{5000};

// The record of sends inside folder.
std::string SendLogPathIn(const std::string& folder);

struct SendLogWrite {
    bool written = false;  // the entry is in the file
    std::string problem;   // a sentence for the user when something failed; may come with written
};

// Appends the entry under the record's lock. When the file then holds more
// than `limit` bytes, the oldest entries are dropped, still under the lock,
// so that the newest ones within half the limit remain; a failure to shorten
// it leaves it whole and says so in `problem`. A lock not had within
// `lockWait` leaves the record as it is, and `problem` says why.
SendLogWrite AppendSendEntry(const std::string& logPath, const SendEntry& entry, std::size_t limit = kSendLogLimit,
                             std::chrono::milliseconds lockWait = kSendLogLockWait);

// What every send does when it is over, from the window and from cvtimerctl
// alike: the entry, stamped with the local time and the user's login name,
// appended to the record in facts.settingsFolder. It never changes what the
// send did; a record that cannot be written only says why.
SendLogWrite RecordSend(const SendFacts& facts);

struct SendLogRead {
    bool ok = false;
    std::string problem;  // why the record could not be read, when not ok
    SendLogContent content;
};

// The record's entries; a missing file is a record of no sends. Of a record
// that has grown far past its limit (one that could not be shortened), the
// newest 16 MiB are read.
SendLogRead ReadSendLog(const std::string& logPath);

// Only the newest entries, as many as a question about them needs: `enough`
// is asked with the whole entries of the record's last 4 KiB (oldest
// first), and the reading goes further back, a longer stretch each time,
// until it says yes or the whole record is read. A run of the day-part plan
// asks this at every change; its answer lies in the last entries nearly always.
// content.damaged counts only what was read.
SendLogRead ReadNewestSendEntries(const std::string& logPath,
                                  const std::function<bool(const std::vector<SendEntry>& newest)>& enough);

}  // namespace cv
