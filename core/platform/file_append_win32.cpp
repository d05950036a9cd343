// Appending on Windows. The bytes are written at an offset of 0xFFFFFFFF in
// both halves, which WriteFile takes as "at the end of the file, wherever that
// is now", the same as a handle opened for FILE_APPEND_DATA alone; the handle
// keeps its write access so that it can also be flushed.

#include "core/platform/file_append.h"

#include <windows.h>

#include <algorithm>

#include "core/language/tr.h"
#include "core/platform/wide_text.h"

namespace cv {

namespace {

FileAppendResult Failed(DWORD code) { return {false, SystemMessage(code), 0}; }

// True when the file is empty or its last byte is a line feed.
bool EndsALine(HANDLE file, const LARGE_INTEGER& size) {
    if (size.QuadPart == 0) return true;
    OVERLAPPED at {};
    const ULONGLONG last = static_cast<ULONGLONG>(size.QuadPart - 1);
    at.Offset = static_cast<DWORD>(last);
    at.OffsetHigh = static_cast<DWORD>(last >> 32);
    char byte = 0;
    DWORD got = 0;
    return ::ReadFile(file, &byte, 1, &got, &at) && got == 1 && byte == '\n';
}

DWORD WriteAtEnd(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        OVERLAPPED atEnd {};
        atEnd.Offset = 0xFFFFFFFF;
        atEnd.OffsetHigh = 0xFFFFFFFF;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, &atEnd)) return ::GetLastError();
        if (written == 0) return ERROR_DISK_FULL;
        bytes.remove_prefix(written);
    }
    return 0;
}

}  // namespace

FileAppendResult AppendToFile(const std::string& path, std::string_view bytes) {
    const std::wstring widePath = WideFromUtf8(path);
    if (widePath.empty()) return Failed(path.empty() ? ERROR_PATH_NOT_FOUND : ERROR_NO_UNICODE_TRANSLATION);
    const DWORD attributes = ::GetFileAttributesW(widePath.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return Failed(ERROR_ACCESS_DENIED);
    const HANDLE file = ::CreateFileW(widePath.c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Failed(::GetLastError());
    DWORD code = 0;
    LARGE_INTEGER size {};
    if (::GetFileType(file) != FILE_TYPE_DISK) {
        ::CloseHandle(file);
        return {false, Tr("SystemText", "Not a regular file"), 0};
    }
    if (!::GetFileSizeEx(file, &size)) code = ::GetLastError();
    if (code == 0) {
        std::string text(EndsALine(file, size) ? 0 : 1, '\n');
        text.append(bytes);
        code = WriteAtEnd(file, text);
    }
    if (code == 0 && !::FlushFileBuffers(file)) code = ::GetLastError();
    if (code == 0 && !::GetFileSizeEx(file, &size)) code = ::GetLastError();
    ::CloseHandle(file);
    if (code != 0) return Failed(code);
    return {true, "", static_cast<std::uint64_t>(size.QuadPart)};
}

}  // namespace cv
