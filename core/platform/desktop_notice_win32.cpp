#include "core/platform/desktop_notice.h"

#include <windows.h>
#include <shellapi.h>

#include <chrono>
#include <cwchar>

#include "core/language/tr.h"
#include "core/platform/wide_text.h"
#include "core/timers/sentence.h"

namespace cv {

namespace {

constexpr UINT kIconMessage = WM_APP + 1;
// Long enough to be read; a balloon the person clicks or closes ends it sooner.
constexpr auto kShown = std::chrono::seconds(10);

bool gBalloonGone = false;

LRESULT CALLBACK IconWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kIconMessage) {
        // NOTIFYICON_VERSION_4: the event is in the low word of lParam.
        const UINT event = LOWORD(lParam);
        if (event == NIN_BALLOONTIMEOUT || event == NIN_BALLOONUSERCLICK || event == NIN_BALLOONHIDE)
            gBalloonGone = true;
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// Copies text into a fixed field of NOTIFYICONDATAW, cut to fit with its NUL.
template <std::size_t N>
void CopyInto(wchar_t (&field)[N], const std::string& text) {
    const std::wstring wide = WideFromUtf8(text);
    std::wcsncpy(field, wide.c_str(), N - 1);
    field[N - 1] = L'\0';
}

}  // namespace

std::string ShowDesktopNotice(const std::string& title, const std::string& text, NoticeLevel level) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = IconWindow;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"CVTimerNotice";
    ::RegisterClassW(&windowClass);
    // A hidden top-level window: the notification area sends the icon's events to it.
    const HWND window = ::CreateWindowExW(0, L"CVTimerNotice", L"CV Timer", WS_OVERLAPPED, 0, 0, 0, 0, nullptr,
                                          nullptr, instance, nullptr);
    if (!window)
        return FillPlaceholders(Tr("Notice", "The notice could not be shown: %1."), {SystemMessage(::GetLastError())});

    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window;
    icon.uID = 1;
    icon.uFlags = NIF_ICON | NIF_TIP | NIF_INFO | NIF_MESSAGE | NIF_SHOWTIP;
    icon.uCallbackMessage = kIconMessage;
    // The program's own icon (its first icon resource), else the system's.
    icon.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(1));
    // IDI_WARNING and IDI_INFORMATION, as the wide call takes them.
    if (!icon.hIcon) icon.hIcon = ::LoadIconW(nullptr, MAKEINTRESOURCEW(level == NoticeLevel::Warning ? 32515 : 32516));
    CopyInto(icon.szTip, "CV Timer");
    CopyInto(icon.szInfoTitle, title);  // 64 characters at most
    CopyInto(icon.szInfo, text);        // 256 characters at most
    icon.dwInfoFlags = (level == NoticeLevel::Warning ? NIIF_WARNING : NIIF_INFO) | NIIF_RESPECT_QUIET_TIME;
    if (!::Shell_NotifyIconW(NIM_ADD, &icon)) {
        ::DestroyWindow(window);
        return Tr("Notice", "The notice could not be shown: there is no notification area (no desktop session).");
    }
    icon.uVersion = NOTIFYICON_VERSION_4;
    ::Shell_NotifyIconW(NIM_SETVERSION, &icon);

    gBalloonGone = false;
    const auto until = std::chrono::steady_clock::now() + kShown;
    while (!gBalloonGone) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        // Blocks until a message comes or the time is up.
        if (::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()), QS_ALLINPUT) == WAIT_TIMEOUT)
            break;
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    ::Shell_NotifyIconW(NIM_DELETE, &icon);
    ::DestroyWindow(window);
    return "";
}

}  // namespace cv
