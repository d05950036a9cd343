// Reads the timer sheet the way a Windows screen reader does, through UI
// Automation: every edit field under the window titled "Corvellan Timers",
// with its name and value, one "name = value" line each, then a count.
// Tried in two ways, each said as it goes: the IUIAutomation client object
// (what Narrator and NVDA use) and the flat node functions of
// uiautomationcore.dll underneath it.
//
//   uia_probe.exe        exit 0 when the 50 fields were read, 1 otherwise

#include <windows.h>
#include <oleauto.h>
#include <uiautomationcore.h>

#include <cstdio>
#include <string>
#include <utility>

namespace {

// uiautomationcoreapi.h is for C only (a parameter is called "new"); what it
// would give: a node handle, and a window handle as UI Automation takes it.
using HUIANODE = void*;
using UIA_HWND = void*;

// Numbers from UIAutomationClient.h, which MinGW-w64's headers do not have.
constexpr PROPERTYID kFrameworkIdProperty = 30024;
constexpr PROPERTYID kProviderDescriptionProperty = 30107;
constexpr PROPERTYID kNameProperty = 30005;
constexpr PROPERTYID kControlTypeProperty = 30003;
constexpr PROPERTYID kValueProperty = 30045;
constexpr PROPERTYID kCultureProperty = 30015;
constexpr int kEditControl = 50004;
constexpr int kTreeScopeDescendants = 4;

const CLSID kCUIAutomation = {0xff48dba4, 0x60ef, 0x4201, {0xaa, 0x87, 0x54, 0x10, 0x3e, 0xef, 0x59, 0x4e}};
const IID kIUIAutomation = {0x30cbe57d, 0xd9d0, 0x452a, {0xab, 0x13, 0x7a, 0xc5, 0xac, 0x48, 0x25, 0xee}};

// The interfaces' methods in their order in the vtable; those not called are
// placeholders that keep the slots.
struct IUIAutomationCondition : IUnknown {};
struct IUIAutomationElement;
struct IUIAutomationElementArray : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE get_Length(int* length) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetElement(int index, IUIAutomationElement** element) = 0;
};
struct IUIAutomationElement : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE SetFocus() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetRuntimeId(SAFEARRAY** id) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindFirst(int scope, IUIAutomationCondition* condition,
                                                IUIAutomationElement** found) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindAll(int scope, IUIAutomationCondition* condition,
                                              IUIAutomationElementArray** found) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindFirstBuildCache() = 0;
    virtual HRESULT STDMETHODCALLTYPE FindAllBuildCache() = 0;
    virtual HRESULT STDMETHODCALLTYPE BuildUpdatedCache() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCurrentPropertyValue(PROPERTYID id, VARIANT* value) = 0;
};
struct IUIAutomation : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE CompareElements() = 0;
    virtual HRESULT STDMETHODCALLTYPE CompareRuntimeIds() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetRootElement(IUIAutomationElement** root) = 0;
    virtual HRESULT STDMETHODCALLTYPE ElementFromHandle(UIA_HWND window, IUIAutomationElement** element) = 0;
    virtual HRESULT STDMETHODCALLTYPE ElementFromPoint() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetFocusedElement() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetRootElementBuildCache() = 0;
    virtual HRESULT STDMETHODCALLTYPE ElementFromHandleBuildCache() = 0;
    virtual HRESULT STDMETHODCALLTYPE ElementFromPointBuildCache() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetFocusedElementBuildCache() = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateTreeWalker() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ControlViewWalker() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ContentViewWalker() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RawViewWalker() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RawViewCondition() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ControlViewCondition() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ContentViewCondition() = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateCacheRequest() = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateTrueCondition(IUIAutomationCondition** condition) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateFalseCondition() = 0;
    virtual HRESULT STDMETHODCALLTYPE CreatePropertyCondition(PROPERTYID id, VARIANT value,
                                                              IUIAutomationCondition** condition) = 0;
};

// A function of uiautomationcore.dll looked up by name (Windows versions and
// Wine differ in what they have), or nullptr.
template <typename Function>
Function Lookup(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(library, name)));
}

std::string Utf8(BSTR text) {
    if (!text) return {};
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
    if (size > 1) ::WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

std::string Text(const VARIANT& value) { return value.vt == VT_BSTR ? Utf8(value.bstrVal) : "(not a text)"; }

// Through IUIAutomation; the number of fields read, or -1 when it went no further.
int ReadWithClientObject(HWND window) {
    IUIAutomation* automation = nullptr;
    HRESULT result = ::CoCreateInstance(kCUIAutomation, nullptr, CLSCTX_INPROC_SERVER, kIUIAutomation,
                                        reinterpret_cast<void**>(&automation));
    std::printf("IUIAutomation: CoCreateInstance(CUIAutomation) = 0x%08lx\n", static_cast<unsigned long>(result));
    if (FAILED(result) || !automation) return -1;
    IUIAutomationElement* sheet = nullptr;
    result = automation->ElementFromHandle(window, &sheet);
    std::printf("IUIAutomation: ElementFromHandle = 0x%08lx\n", static_cast<unsigned long>(result));
    int read = -1;
    if (SUCCEEDED(result) && sheet) {
        VARIANT name;
        ::VariantInit(&name);
        result = sheet->GetCurrentPropertyValue(kNameProperty, &name);
        std::printf("IUIAutomation: the window's name = 0x%08lx \"%s\"\n", static_cast<unsigned long>(result),
                    Text(name).c_str());
        ::VariantClear(&name);
        VARIANT edit;
        ::VariantInit(&edit);
        edit.vt = VT_I4;
        edit.lVal = kEditControl;
        IUIAutomationCondition* edits = nullptr;
        result = automation->CreatePropertyCondition(kControlTypeProperty, edit, &edits);
        std::printf("IUIAutomation: CreatePropertyCondition(edit) = 0x%08lx\n", static_cast<unsigned long>(result));
        IUIAutomationElementArray* found = nullptr;
        if (SUCCEEDED(result) && edits) {
            result = sheet->FindAll(kTreeScopeDescendants, edits, &found);
            std::printf("IUIAutomation: FindAll(descendants, edit) = 0x%08lx\n", static_cast<unsigned long>(result));
            edits->Release();
        }
        if (SUCCEEDED(result) && found) {
            int length = 0;
            found->get_Length(&length);
            read = 0;
            for (int i = 0; i < length; ++i) {
                IUIAutomationElement* field = nullptr;
                if (FAILED(found->GetElement(i, &field)) || !field) continue;
                VARIANT fieldName;
                VARIANT value;
                ::VariantInit(&fieldName);
                ::VariantInit(&value);
                field->GetCurrentPropertyValue(kNameProperty, &fieldName);
                field->GetCurrentPropertyValue(kValueProperty, &value);
                std::printf("%s = %s\n", Text(fieldName).c_str(), Text(value).c_str());
                if (fieldName.vt == VT_BSTR && value.vt == VT_BSTR) ++read;
                ::VariantClear(&fieldName);
                ::VariantClear(&value);
                field->Release();
            }
            found->Release();
        }
        sheet->Release();
    }
    automation->Release();
    return read;
}

// The node functions' structures, from UIAutomationCoreApi.h.
struct UiaCondition {
    int conditionType;  // 0 true, 2 property
};
struct UiaPropertyCondition {
    int conditionType;
    PROPERTYID propertyId;
    VARIANT value;
    int flags;
};
struct UiaCacheRequest {
    UiaCondition* viewCondition;
    int scope;  // 1: the element itself
    PROPERTYID* properties;
    int propertyCount;
    int* patterns;
    int patternCount;
    int elementMode;  // 1: full
};
struct UiaFindParams {
    int maxDepth;
    BOOL findFirst;
    BOOL excludeRoot;
    UiaCondition* findCondition;
};

// The fields found under node by UiaFind, with their names and values; the
// number read, or -1.
int FindWithNodes(HMODULE core, HUIANODE node) {
    using Find = HRESULT(WINAPI*)(HUIANODE, UiaFindParams*, UiaCacheRequest*, SAFEARRAY**, SAFEARRAY**, SAFEARRAY**);
    auto find = Lookup<Find>(core, "UiaFind");
    if (!find) return -1;
    UiaCondition everything{0};
    UiaPropertyCondition edits{2, kControlTypeProperty, {}, 0};
    ::VariantInit(&edits.value);
    edits.value.vt = VT_I4;
    edits.value.lVal = kEditControl;
    PROPERTYID wanted[] = {kNameProperty, kValueProperty};
    UiaCacheRequest request{&everything, 1, wanted, 2, nullptr, 0, 1};
    UiaFindParams params{-1, FALSE, TRUE, reinterpret_cast<UiaCondition*>(&edits)};
    SAFEARRAY* data = nullptr;
    SAFEARRAY* offsets = nullptr;
    SAFEARRAY* structures = nullptr;
    std::printf("nodes: UiaFind(descendants, edit) asked\n");
    const HRESULT result = find(node, &params, &request, &data, &offsets, &structures);
    std::printf("nodes: UiaFind(descendants, edit) = 0x%08lx\n", static_cast<unsigned long>(result));
    if (FAILED(result) || !data) return -1;
    LONG low = 0;
    LONG high = -1;
    ::SafeArrayGetLBound(data, 1, &low);
    ::SafeArrayGetUBound(data, 1, &high);
    int read = 0;
    for (LONG element = low; element <= high; ++element) {
        std::string texts[2];
        for (LONG column = 1; column <= 2; ++column) {
            LONG at[2] = {element, column};
            VARIANT value;
            ::VariantInit(&value);
            if (SUCCEEDED(::SafeArrayGetElement(data, at, &value))) texts[column - 1] = Text(value);
            ::VariantClear(&value);
        }
        std::printf("%s = %s\n", texts[0].c_str(), texts[1].c_str());
        ++read;
    }
    ::SafeArrayDestroy(data);
    if (offsets) ::SafeArrayDestroy(offsets);
    if (structures) ::SafeArrayDestroy(structures);
    return read;
}

// Through the node functions: the window's node, whose provider answers for it
// (Qt's says "Qt"), and the fields under it.
int ReadWithNodes(HWND window) {
    HUIANODE node = nullptr;
    using NodeFromHandle = HRESULT(WINAPI*)(HWND, HUIANODE*);
    using GetPropertyValue = HRESULT(WINAPI*)(HUIANODE, PROPERTYID, VARIANT*);
    HMODULE core = ::LoadLibraryW(L"uiautomationcore.dll");
    auto nodeFromHandle = Lookup<NodeFromHandle>(core, "UiaNodeFromHandle");
    auto getPropertyValue = Lookup<GetPropertyValue>(core, "UiaGetPropertyValue");
    std::printf("nodes: UiaNodeFromHandle %s, UiaGetPropertyValue %s, UiaRaiseNotificationEvent %s\n",
                nodeFromHandle ? "present" : "missing", getPropertyValue ? "present" : "missing",
                ::GetProcAddress(core, "UiaRaiseNotificationEvent") ? "present" : "missing");
    if (!nodeFromHandle || !getPropertyValue) return -1;
    const HRESULT result = nodeFromHandle(window, &node);
    std::printf("nodes: UiaNodeFromHandle = 0x%08lx\n", static_cast<unsigned long>(result));
    if (FAILED(result) || !node) return -1;
    const std::pair<PROPERTYID, const char*> asked[] = {{kNameProperty, "name"},
                                                         {kFrameworkIdProperty, "framework"},
                                                         {kProviderDescriptionProperty, "providers"}};
    for (const auto& [property, what] : asked) {
        VARIANT value;
        ::VariantInit(&value);
        const HRESULT answered = getPropertyValue(node, property, &value);
        std::printf("nodes: the window's %s = 0x%08lx \"%s\"\n", what, static_cast<unsigned long>(answered),
                    Text(value).c_str());
        ::VariantClear(&value);
    }
    // The window's language as a locale identifier (0x040c French), which
    // Qt 6.4's provider does not give.
    VARIANT culture;
    ::VariantInit(&culture);
    const HRESULT cultureAnswer = getPropertyValue(node, kCultureProperty, &culture);
    if (culture.vt == VT_I4) {
        std::printf("nodes: the window's culture = 0x%08lx 0x%04lx\n", static_cast<unsigned long>(cultureAnswer),
                    static_cast<unsigned long>(culture.lVal));
    } else {
        std::printf("nodes: the window's culture = 0x%08lx, no locale identifier (variant type %u)\n",
                    static_cast<unsigned long>(cultureAnswer), static_cast<unsigned>(culture.vt));
    }
    ::VariantClear(&culture);
    // The window's first child, the step every walk through the tree takes.
    using Navigate = HRESULT(WINAPI*)(HUIANODE, int, UiaCondition*, UiaCacheRequest*, SAFEARRAY**, BSTR*);
    if (auto navigate = Lookup<Navigate>(core, "UiaNavigate")) {
        UiaCondition everything{0};
        PROPERTYID wanted[] = {kNameProperty};
        UiaCacheRequest request{&everything, 1, wanted, 1, nullptr, 0, 1};
        SAFEARRAY* data = nullptr;
        BSTR tree = nullptr;
        std::printf("nodes: UiaNavigate(first child) asked\n");
        const HRESULT result = navigate(node, 2, &everything, &request, &data, &tree);
        std::printf("nodes: UiaNavigate(first child) = 0x%08lx, %s\n", static_cast<unsigned long>(result),
                    data ? "a child" : "no child");
        if (data) ::SafeArrayDestroy(data);
        ::SysFreeString(tree);
    }
    return FindWithNodes(core, node);
}

}  // namespace

int main() {
    // Each line as it comes: a call that never returns still leaves the ones before it.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    HWND window = nullptr;
    for (int tries = 0; tries < 300 && !window; ++tries) {
        window = ::FindWindowW(nullptr, L"Corvellan Timers");
        if (!window) ::Sleep(100);
    }
    if (!window) {
        std::printf("no window titled \"Corvellan Timers\"\n");
        return 1;
    }
    ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    const int byClient = ReadWithClientObject(window);
    const int byNodes = ReadWithNodes(window);
    ::CoUninitialize();
    const int read = byClient > byNodes ? byClient : byNodes;
    std::printf("fields read with names and values: %d of 50\n", read < 0 ? 0 : read);
    std::fflush(stdout);
    return read == 50 ? 0 : 1;
}
