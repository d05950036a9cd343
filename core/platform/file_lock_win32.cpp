// The lock on Windows: LockFileEx on the first byte of the lock file, which
// holds no data; Windows lets go of a process's locks when it ends. The lock
// file is hidden, as it means nothing to whoever looks in the folder.

#include "core/platform/file_lock.h"

#include <windows.h>

#include "core/language/tr.h"
#include "core/platform/wide_text.h"

namespace cv {

std::intptr_t FileLock::OpenLockFile(const std::string& lockPath, std::string& systemText) {
    const std::wstring widePath = WideFromUtf8(lockPath);
    if (widePath.empty()) {
        systemText = SystemMessage(lockPath.empty() ? ERROR_PATH_NOT_FOUND : ERROR_NO_UNICODE_TRANSLATION);
        return kNone;
    }
    // Read access is enough for LockFileEx, and is what a user who did not
    // make the file is surely given.
    const HANDLE file = ::CreateFileW(widePath.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        systemText = SystemMessage(::GetLastError());
        return kNone;
    }
    if (::GetFileType(file) != FILE_TYPE_DISK) {
        ::CloseHandle(file);
        systemText = Tr("SystemText", "Not a regular file");
        return kNone;
    }
    return reinterpret_cast<std::intptr_t>(file);
}

FileLock::Attempt FileLock::TryLock(std::intptr_t handle, std::string& systemText) {
    OVERLAPPED firstByte {};
    if (::LockFileEx(reinterpret_cast<HANDLE>(handle), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                     &firstByte))
        return Attempt::Locked;
    const DWORD code = ::GetLastError();
    if (code == ERROR_LOCK_VIOLATION || code == ERROR_IO_PENDING) return Attempt::Busy;
    systemText = SystemMessage(code);
    return Attempt::Failed;
}

void FileLock::Close(std::intptr_t handle) { ::CloseHandle(reinterpret_cast<HANDLE>(handle)); }

}  // namespace cv
