#pragma once
// The main-window hook: registers the tab bar's hot keys while the host's main window is
// active and acts on them.

#include <functional>
#include <string>

#include "shared/TabSettings.h"
#include "addin/tabbar/MainWindowHotKeys.h"
#include "addin/tabbar/TabStrip.h"
#include "addin/tabbar/WindowHandle.h"

namespace morvane::mdxlMainHwndSubClass {

struct MainWindowHookParts {
    WindowHandle hMainWnd = 0;
    TabSettings* settings = nullptr;
    std::wstring hostVersion;
    // By default the client-window hook's ReframeClient.
    std::function<void()> reframeClient;
    std::function<void()> invalidateRibbon;
    // By default the tab control of the client-window hook's TabBarForm.
    std::function<TabStrip*()> tabStrip;
};

// Hooks the main window and registers the enabled hot keys. A second call only counts the
// hot keys as registered again.
void HookMainWindow(MainWindowHookParts parts);
// Unregisters every hot key and gives the window its procedure back; under a procedure
// another program chained on top, ours stays and passes every message on.
void UnhookMainWindow();
// The hot keys while hooked (the options dialog registers them again); none otherwise.
MainWindowHotKeys* HotKeys();

}  // namespace morvane::mdxlMainHwndSubClass
