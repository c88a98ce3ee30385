#include "screen_reader_windows.h"

#include <QGuiApplication>
#include <QString>
#include <QWidget>
#include <QWindow>

#include "screen_reader.h"

namespace mud::ui {

void connectScreenReaders() {}

namespace {

HMODULE automationCore() {
    static const HMODULE core = LoadLibraryW(L"uiautomationcore.dll");
    return core;
}

// Both are looked up: a program that imports a function Windows lacks does not start.
template <class Function>
Function lookUp(const char* name) {
    return automationCore() ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(automationCore(), name)))
                            : nullptr;
}

using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);

}  // namespace

RaiseNotification& raiseNotification() {
    static RaiseNotification found = lookUp<RaiseNotification>("UiaRaiseNotificationEvent");
    return found;
}

// Screen readers (NVDA, JAWS, Narrator) speak a notification that comes from
// the foreground program and from an element with a native window: the
// window's own host element is one. Native windows exist only on the windows
// platform (not offscreen).
bool notifyScreenReaders(QWidget* widget, const QString& sentence) {
    static const auto hostProvider = lookUp<HostProviderFromHwnd>("UiaHostProviderFromHwnd");
    const RaiseNotification raise = raiseNotification();
    QWidget* window = widget ? widget->window() : nullptr;
    if (!raise || !hostProvider || !window || !window->windowHandle() || !window->windowHandle()->handle() ||
        QGuiApplication::platformName() != QLatin1String("windows"))
        return false;
    IRawElementProviderSimple* provider = nullptr;
    if (FAILED(hostProvider(reinterpret_cast<HWND>(window->winId()), &provider)) || !provider) return false;
    BSTR text = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(sentence.utf16()), UINT(sentence.size()));
    BSTR activity = SysAllocString(L"Mudrovan");
    const HRESULT raised = raise(provider, kNotificationKindOther, kNotificationProcessingImportantAll, text, activity);
    SysFreeString(activity);
    SysFreeString(text);
    provider->Release();
    return SUCCEEDED(raised);
}

// Windows screen readers read a dialog's title and focused button as it
// opens, not its other texts.
bool dialogTextReadOnOpening() { return false; }

}  // namespace mud::ui
