// The Windows function that raises a UI Automation notification, as the
// program finds it.
#pragma once

#include <windows.h>
#include <oleauto.h>
#include <uiautomationcore.h>

namespace mud::ui {

// UiaRaiseNotificationEvent (Windows 10 1709 and later); the kind and the
// processing are numbers, as the headers here do not name them.
using RaiseNotification = HRESULT(WINAPI*)(IRawElementProviderSimple* provider, int kind, int processing, BSTR text,
                                           BSTR activityId);
constexpr int kNotificationKindOther = 4, kNotificationProcessingImportantAll = 0;

// The one place that holds it: looked up in uiautomationcore.dll at the first
// use, null where Windows lacks it (older Windows, Wine). A test may put a
// stand-in here.
RaiseNotification& raiseNotification();

}  // namespace mud::ui
