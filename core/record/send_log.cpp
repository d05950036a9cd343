#include "core/record/send_log.h"

#include <algorithm>

#include "core/language/tr.h"
#include "core/timers/sentence.h"

#include "core/platform/file_append.h"
#include "core/platform/file_lock.h"
#include "core/platform/local_user.h"
#include "core/platform/whole_file.h"
#include "core/settings/folder_paths.h"

namespace cv {

namespace {

// Far more than the record ever holds when it can be shortened; of a record
// that could not be, only the newest part this long is read (a part that
// begins inside an entry is passed over up to the next one).
constexpr std::size_t kReadLimit = 16 * kSendLogLimit;

std::string InMiB(std::size_t bytes) {
    if (bytes % (1024 * 1024) == 0)
        return FillPlaceholders(Tr("SendRecord", "%1 MiB"), {std::to_string(bytes / (1024 * 1024))});
    return FillPlaceholders(Tr("SendRecord", "%1 KiB"), {std::to_string(bytes / 1024)});
}

std::string Shorten(const std::string& logPath, std::size_t limit) {
    const WholeFile file = ReadFileEnd(logPath, kReadLimit);
    std::string why;
    if (file.Ok()) {
        const FileReplaceResult replaced = ReplaceFileSafely(logPath, std::string_view(file.text).substr(NewestEntriesFrom(file.text, limit / 2)));
        if (replaced.Ok()) return "";
        why = replaced.systemText;
    } else {
        why = file.systemText;
    }
    return FillPlaceholders(Tr("SendRecord", "The record of sends, %1, has grown past %2 and its oldest entries could "
                                             "not be dropped: %3. It is left whole."),
                            {logPath, InMiB(limit), why});
}

}  // namespace

std::string SendLogPathIn(const std::string& folder) { return FileInFolder(folder, kSendLogFileName); }

SendLogWrite AppendSendEntry(const std::string& logPath, const SendEntry& entry, std::size_t limit,
                             std::chrono::milliseconds lockWait) {
    SendLogWrite result;
    const std::string lockPath = FileInFolder(FolderOfFile(logPath), kSendLogLockName);
    const FileLock lock = FileLock::Take(lockPath, lockWait);
    if (!lock.Held()) {
        // A lock file that cannot be made says what a write would: the folder refuses.
        result.problem =
            lock.Busy() ? FillPlaceholders(Tr("SendRecord", "This send could not be added to the record of sends, %1: "
                                                            "another CV Timer window or cvtimerctl kept it locked for "
                                                            "as long as this send could wait, and may have stopped "
                                                            "responding."),
                                           {logPath})
                        : FillPlaceholders(Tr("SendRecord", "This send could not be added to the record of sends, %1: %2."),
                                           {logPath, lock.SystemText()});
        return result;
    }
    const FileAppendResult appended = AppendToFile(logPath, FormatSendEntry(entry));
    if (!appended.Ok()) {
        result.problem = FillPlaceholders(
            Tr("SendRecord", "This send could not be added to the record of sends, %1: %2."), {logPath, appended.systemText});
        return result;
    }
    result.written = true;
    if (appended.sizeAfter > limit) result.problem = Shorten(logPath, limit);
    return result;
}

SendLogWrite RecordSend(const SendFacts& facts) {
    return AppendSendEntry(SendLogPathIn(facts.settingsFolder), MakeSendEntry(facts, TimeStampNow(), LoginName()));
}

SendLogRead ReadSendLog(const std::string& logPath) {
    SendLogRead result;
    const WholeFile file = ReadFileEnd(logPath, kReadLimit);
    switch (file.status) {
        case WholeFile::Status::Read: result.content = ParseSendLog(file.text); break;
        case WholeFile::Status::Missing: break;
        case WholeFile::Status::TooLarge:
        case WholeFile::Status::Failed:
            result.problem = FillPlaceholders(Tr("SendRecord", "The record of sends, %1, cannot be read: %2."),
                                              {logPath, file.systemText});
            return result;
    }
    result.ok = true;
    return result;
}

SendLogRead ReadNewestSendEntries(const std::string& logPath,
                                  const std::function<bool(const std::vector<SendEntry>& newest)>& enough) {
    constexpr std::string_view kHeader = "\n=== Send at ";
    for (std::size_t stretch = 4 * 1024;; stretch *= 4) {
        SendLogRead result;
        const std::size_t asked = std::min(stretch, kReadLimit);
        const WholeFile file = ReadFileEnd(logPath, asked);
        if (file.status == WholeFile::Status::Missing) {
            result.ok = true;
            return result;
        }
        if (!file.Ok()) {
            result.problem = FillPlaceholders(Tr("SendRecord", "The record of sends, %1, cannot be read: %2."),
                                              {logPath, file.systemText});
            return result;
        }
        const bool whole = file.text.size() < asked || asked == kReadLimit;
        // A stretch cut from a longer record begins inside an entry: it is read from the first whole one.
        std::size_t from = 0;
        if (!whole) {
            const std::size_t header = file.text.find(kHeader);
            from = header == std::string::npos ? file.text.size() : header + 1;
        }
        result.content = ParseSendLog(std::string_view(file.text).substr(from));
        result.ok = true;
        if (whole || enough(result.content.entries)) return result;
    }
}

}  // namespace cv
