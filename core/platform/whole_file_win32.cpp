// Whole files on Windows. Paths arrive as UTF-8 and meet the API as UTF-16.
//
// The replacement renames with MoveFileExW rather than ReplaceFileW: a failed
// rename leaves both files where they were, while some ReplaceFileW failures
// leave the old file under another name or gone.

#include "core/platform/whole_file.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "core/language/tr.h"
#include "core/timers/sentence.h"
#include "core/platform/wide_text.h"

namespace cv {

namespace {

using Stage = FileReplaceResult::Stage;

FileReplaceResult Failed(Stage stage, DWORD code) { return {stage, SystemMessage(code)}; }
// Conditions this file finds itself read as on Linux.
FileReplaceResult FailedErrno(Stage stage, int err) { return {stage, std::strerror(err)}; }

bool EndsWithSeparator(const std::string& path) { return path.back() == '/' || path.back() == '\\'; }

// The folder that holds path, for the temporary twin.
std::string FolderOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    if (separator != std::string::npos) return path.substr(0, separator == 0 ? 1 : separator);
    if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);  // "C:timers.csv"
    return ".";
}

// A handle that closes itself.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (Valid()) ::CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

HANDLE OpenExisting(const std::wstring& path, DWORD access) {
    return ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// What the replacement replaces, and where its temporary twin goes.
struct Target {
    std::wstring path;
    std::string folder;
    bool exists = false;
    DWORD attributes = 0;
};

// The file a link points to, so the link stays a link.
std::wstring FinalPath(const std::wstring& path) {
    Handle file(::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.Valid()) return path;
    std::wstring final(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetFinalPathNameByHandleW(file.Get(), final.data(), static_cast<DWORD>(final.size()),
                                                         FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0) return path;
        if (length < final.size()) {
            final.resize(length);
            return final;
        }
        final.resize(length + 1);
    }
}

FileReplaceResult FindTarget(const std::string& path, Target& target) {
    if (path.empty()) return FailedErrno(Stage::Target, ENOENT);
    if (EndsWithSeparator(path)) return FailedErrno(Stage::Target, EISDIR);
    target.path = WideFromUtf8(path);
    if (target.path.empty()) return Failed(Stage::Target, ERROR_NO_UNICODE_TRANSLATION);
    target.folder = FolderOf(path);

    DWORD attributes = ::GetFileAttributesW(target.path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = ::GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) return {};
        return Failed(Stage::Target, code);
    }
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        target.path = FinalPath(target.path);
        target.folder = Utf8FromWide(target.path.substr(0, target.path.find_last_of(L"/\\")));
        attributes = ::GetFileAttributesW(target.path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) return {};  // a dangling link: the file is made
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return FailedErrno(Stage::Target, EISDIR);
    // Renaming over a read-only file would succeed; the user meant it to be kept.
    if (attributes & FILE_ATTRIBUTE_READONLY) return Failed(Stage::Target, ERROR_ACCESS_DENIED);
    // Opening it for writing shows a file someone else holds, or one this user
    // may not change, and a device behind a file name.
    Handle file(OpenExisting(target.path, GENERIC_WRITE));
    if (!file.Valid()) return Failed(Stage::Target, ::GetLastError());
    if (::GetFileType(file.Get()) != FILE_TYPE_DISK) return {Stage::Target, Tr("SystemText", "Not a regular file")};
    target.exists = true;
    target.attributes = attributes;
    return {};
}

HANDLE CreateTemporaryFile(const std::string& folder, std::wstring& tempPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const unsigned long long tag = (static_cast<unsigned long long>(::GetTickCount64()) << 16) ^
                                       (static_cast<unsigned long long>(::GetCurrentProcessId()) << 32) ^ counter++;
        tempPath = WideFromUtf8(folder + "\\.cvtimer-" + std::to_string(tag) + ".tmp");
        const HANDLE file =
            ::CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    ::SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

// Writes and flushes; 0 or the first failure's code.
DWORD FillTemporaryFile(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr)) return ::GetLastError();
        if (written == 0) return ERROR_DISK_FULL;
        bytes.remove_prefix(written);
    }
    return ::FlushFileBuffers(file) ? 0 : ::GetLastError();
}

WholeFile Unread(DWORD code) {
    WholeFile file;
    file.status = code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ? WholeFile::Status::Missing
                                                                               : WholeFile::Status::Failed;
    file.systemText = SystemMessage(code);
    return file;
}

WholeFile UnreadErrno(int err) {
    WholeFile file;
    file.systemText = std::strerror(err);
    return file;
}

// Opens path for reading when it is a regular file. Devices and pipes are
// refused: reading one could block, and nothing here can read them without blocking.
WholeFile OpenForReading(const std::string& path, HANDLE& opened) {
    opened = INVALID_HANDLE_VALUE;
    const std::wstring widePath = WideFromUtf8(path);
    if (widePath.empty()) return Unread(path.empty() ? ERROR_PATH_NOT_FOUND : ERROR_NO_UNICODE_TRANSLATION);
    const DWORD attributes = ::GetFileAttributesW(widePath.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return UnreadErrno(EISDIR);
    const HANDLE file = OpenExisting(widePath, GENERIC_READ);
    if (file == INVALID_HANDLE_VALUE) return Unread(::GetLastError());
    if (::GetFileType(file) != FILE_TYPE_DISK) {
        ::CloseHandle(file);
        WholeFile refused;
        refused.systemText = Tr("SystemText", "Not a regular file");
        return refused;
    }
    opened = file;
    WholeFile ok;
    ok.status = WholeFile::Status::Read;
    return ok;
}

// Reads until end of file or `count` bytes; 0 or the failure's code.
DWORD ReadUpTo(HANDLE file, std::size_t count, std::string& text) {
    char buffer[8192];
    while (text.size() < count) {
        const DWORD wanted = static_cast<DWORD>(std::min(sizeof buffer, count - text.size()));
        DWORD got = 0;
        if (!::ReadFile(file, buffer, wanted, &got, nullptr)) return ::GetLastError();
        if (got == 0) return 0;
        text.append(buffer, got);
    }
    return 0;
}

// At most `count` bytes of the regular file at path: its first ones, or with
// `last` its last ones.
WholeFile ReadRegularFile(const std::string& path, std::size_t count, bool last) {
    HANDLE opened = INVALID_HANDLE_VALUE;
    WholeFile file = OpenForReading(path, opened);
    if (!file.Ok()) return file;
    Handle handle(opened);
    LARGE_INTEGER size {};
    if (last) {
        if (!::GetFileSizeEx(handle.Get(), &size)) return Unread(::GetLastError());
        if (static_cast<ULONGLONG>(size.QuadPart) > count) {
            LARGE_INTEGER from {};
            from.QuadPart = size.QuadPart - static_cast<LONGLONG>(count);
            if (!::SetFilePointerEx(handle.Get(), from, nullptr, FILE_BEGIN)) return Unread(::GetLastError());
        }
    }
    if (const DWORD code = ReadUpTo(handle.Get(), count, file.text)) return Unread(code);
    return file;
}

}  // namespace

WholeFile ReadWholeFile(const std::string& path, std::size_t limit) {
    // One byte past the limit tells a file that is too large from one that just fits.
    WholeFile file = ReadRegularFile(path, limit == SIZE_MAX ? limit : limit + 1, false);
    if (file.Ok() && file.text.size() > limit) {
        file.text.clear();
        file.status = WholeFile::Status::TooLarge;
        file.systemText = FillPlaceholders(Tr("SystemText", "larger than %1 bytes"), {std::to_string(limit)});
    }
    return file;
}

WholeFile ReadFileStart(const std::string& path, std::size_t count) { return ReadRegularFile(path, count, false); }

WholeFile ReadFileEnd(const std::string& path, std::size_t count) { return ReadRegularFile(path, count, true); }

FileReplaceResult ReplaceFileSafely(const std::string& path, std::string_view bytes) {
    Target target;
    if (FileReplaceResult result = FindTarget(path, target); !result.Ok()) return result;
    std::wstring tempPath;
    DWORD code = 0;
    {
        Handle temp(CreateTemporaryFile(target.folder, tempPath));
        if (!temp.Valid()) return Failed(Stage::Create, ::GetLastError());
        code = FillTemporaryFile(temp.Get(), bytes);
    }
    // The new file shows as the old one did (hidden, not indexed...).
    if (code == 0 && target.exists) ::SetFileAttributesW(tempPath.c_str(), target.attributes);
    if (code == 0 &&
        !::MoveFileExW(tempPath.c_str(), target.path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        code = ::GetLastError();
    if (code != 0) {
        ::DeleteFileW(tempPath.c_str());
        return Failed(Stage::Write, code);
    }
    return {};
}

}  // namespace cv
