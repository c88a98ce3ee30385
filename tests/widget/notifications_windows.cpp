#include <QWidget>
#include <QWindow>

#include "notifications.h"
#include "screen_reader_windows.h"

namespace mud::test {

namespace {

std::vector<Notification>* sink = nullptr;
constexpr PROPERTYID kNativeWindowHandle = 30020;

QString windowOf(IRawElementProviderSimple* provider) {
    VARIANT handle;
    VariantInit(&handle);
    QString name = QStringLiteral("(no window)");
    if (SUCCEEDED(provider->GetPropertyValue(kNativeWindowHandle, &handle)) && handle.vt == VT_I4)
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->windowHandle() && w->windowHandle()->handle() && WId(LONG_PTR(handle.lVal)) == w->winId())
                name = w->objectName();
    VariantClear(&handle);
    return name;
}

HRESULT WINAPI record(IRawElementProviderSimple* provider, int kind, int processing, BSTR text, BSTR) {
    if (!provider || kind != ui::kNotificationKindOther || processing != ui::kNotificationProcessingImportantAll)
        return E_INVALIDARG;
    sink->push_back({QString::fromWCharArray(text, int(SysStringLen(text))), windowOf(provider), dialogOpen()});
    return S_OK;
}

}  // namespace

bool recordNotifications(std::vector<Notification>* into) {
    sink = into;
    ui::raiseNotification() = record;
    return true;
}

// A screen reader's first question to a window (WM_GETOBJECT for the UI
// Automation root) turns Qt's accessibility on.
void startScreenReader() {
    QWidget probe;
    const LONG_PTR rootObject = -25;  // UiaRootObjectId
    SendMessageW(reinterpret_cast<HWND>(probe.winId()), WM_GETOBJECT, 0, rootObject);
}

}  // namespace mud::test
