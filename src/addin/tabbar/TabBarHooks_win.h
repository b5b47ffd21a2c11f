#pragma once
// The window hooks of one connection: on the host's client window (the bar and the project
// windows) and on its main window (the hot keys). The connection owns them and hands them by
// reference to what shows the bar, registers the hot keys again or re-frames the client window.

#include "addin/tabbar/mdSubClass_win.h"
#include "addin/tabbar/mdxlMainHwndSubClass_win.h"

namespace morvane {

struct TabBarHooks {
    mdSubClass::ClientHook client;
    mdxlMainHwndSubClass::MainWindowHook main;
};

}  // namespace morvane
