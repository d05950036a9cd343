#include "core/platform/screen_reader_notice.h"

#include <windows.h>
#include <oleauto.h>
#include <uiautomationcore.h>

#include "core/platform/wide_text.h"

namespace cv {

namespace {

// From uiautomationcore.h of Windows 10, version 1709, which MinGW-w64's headers
// do not have yet.
enum NoticeKind { kActionCompleted = 2 };
enum NoticeProcessing { kImportantMostRecent = 1 };

using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
using RaiseNotificationEvent = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR, BSTR);
using ClientsAreListening = BOOL(WINAPI*)();

struct UiaCalls {
    HostProviderFromHwnd hostProvider = nullptr;
    RaiseNotificationEvent raise = nullptr;
    ClientsAreListening listening = nullptr;
};

template <typename Function>
Function Lookup(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(library, name)));
}

// Looked up, not linked: Windows before 1709 lacks the notification event, and
// the program must start there all the same.
const UiaCalls& Calls() {
    static const UiaCalls calls = [] {
        UiaCalls found;
        if (HMODULE core = ::LoadLibraryW(L"uiautomationcore.dll")) {
            found.hostProvider = Lookup<HostProviderFromHwnd>(core, "UiaHostProviderFromHwnd");
            found.raise = Lookup<RaiseNotificationEvent>(core, "UiaRaiseNotificationEvent");
            found.listening = Lookup<ClientsAreListening>(core, "UiaClientsAreListening");
        }
        return found;
    }();
    return calls;
}

}  // namespace

void NoticeToScreenReader(std::uintptr_t window, const std::string& utf8Text) {
    const UiaCalls& uia = Calls();
    if (!window || !uia.hostProvider || !uia.raise || !uia.listening || !uia.listening()) return;
    IRawElementProviderSimple* provider = nullptr;
    if (FAILED(uia.hostProvider(reinterpret_cast<HWND>(window), &provider)) || !provider) return;
    BSTR text = ::SysAllocString(WideFromUtf8(utf8Text).c_str());
    BSTR activity = ::SysAllocString(L"CVTimer.Notice");
    // The latest word replaces any not yet said: progress goes stale quickly.
    uia.raise(provider, kActionCompleted, kImportantMostRecent, text, activity);
    ::SysFreeString(activity);
    ::SysFreeString(text);
    provider->Release();
}

}  // namespace cv
