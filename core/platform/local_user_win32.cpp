#include "core/platform/local_user.h"

#include <windows.h>

#include "core/platform/wide_text.h"

namespace cv {

std::string LoginName() {
    // https://learn.microsoft.com/en-us/windows/win32/api/winbase/nf-winbase-getusernamew:
    // the name of the user of the calling thread; UNLEN (256) characters at most.
    wchar_t name[257] = {};
    DWORD length = static_cast<DWORD>(sizeof name / sizeof name[0]);
    if (!::GetUserNameW(name, &length) || length == 0) return "";
    return Utf8FromWide(std::wstring_view(name, length - 1));  // length counts the terminator
}

bool LocalCalendarTime(std::time_t when, std::tm& local) { return ::localtime_s(&local, &when) == 0; }

}  // namespace cv
