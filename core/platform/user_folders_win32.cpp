#include "core/platform/user_folders.h"

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include "core/platform/wide_text.h"

namespace cv {

std::string DocumentsFolder() {
    // The folder as the shell knows it, wherever it was moved (OneDrive, a
    // share): never %USERPROFILE%\Documents made up by hand.
    PWSTR path = nullptr;
    const HRESULT result = ::SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_CREATE, nullptr, &path);
    std::string folder;
    if (SUCCEEDED(result) && path) folder = Utf8FromWide(path);
    ::CoTaskMemFree(path);
    return folder;
}

bool CanCreateFilesIn(const std::string& folder) {
    std::wstring probe = WideFromUtf8(folder.empty() ? std::string(".") : folder);
    if (probe.empty()) return false;
    if (probe.back() != L'\\' && probe.back() != L'/') probe += L'\\';
    probe += L".cvtimer-probe-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
             std::to_wstring(::GetTickCount64());
    // Gone when the handle closes, even if this process is killed first.
    const HANDLE file = ::CreateFileW(probe.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE,
                                      nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(file);
    return true;
}

}  // namespace cv
