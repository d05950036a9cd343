#pragma once
// Timer files on disk. Include this header for the whole timer-file API.

#include <string>

#include "core/timers/timer_record.h"
#include "core/timerfile/timer_file.h"
#include "core/timerfile/timer_file_error.h"

namespace cv {

// Reads no more than ten full lines can take, then parses. Never blocks and
// never reads a huge file or a device whole: /dev/zero is refused at once, a
// FIFO without a writer reads as empty. Missing, unreadable or a folder:
// CannotOpen with the system's reason. error.path is path on any failure.
TimerFileContent ReadTimerFile(const std::string& path);

// Replaces path with the ten lines of records, or leaves it exactly as it was.
// The lines go to a temporary file in the same folder, which is synced and
// then renamed over path. An existing file keeps its permission bits (and its
// owner, where allowed); a new one gets 0666 less the umask. A symlink is
// followed, so the link stays a link.
//  - CannotCreate: the folder is missing or not writable, path is a folder,
//    a device or a read-only file.
//  - WriteFailed: writing, syncing or renaming failed (disk full, quota...).
//  - UnsaveableName: a timer's line would not load again (FindUnsaveableTimer);
//    the file is not touched.
// Returns kind None on success.
TimerFileError WriteTimerFile(const std::string& path, const TimerRecords& records);

}  // namespace cv
