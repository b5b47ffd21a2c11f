#include "addin/tabbar/WindowSystem_win.h"

#include <windows.h>

#include "shared/Trace.h"
#include "shared/WindowHandle_win.h"

namespace morvane {

namespace {

// The screen's device context for one query.
class ScreenDC {
  public:
    ScreenDC() : dc_(GetDC(nullptr)) {}
    ~ScreenDC() {
        if (dc_) {
            ReleaseDC(nullptr, dc_);
        }
    }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    HDC Get() const { return dc_; }

  private:
    HDC dc_;
};

}  // namespace

WindowHandle Win32WindowSystem::MdiGetActive(WindowHandle client) {
    return static_cast<WindowHandle>(SendMessageW(AsHwnd(client), WM_MDIGETACTIVE, 0, 0));
}

WindowHandle Win32WindowSystem::FindByClass(WindowHandle parent, WindowHandle after,
                                            const std::wstring& className,
                                            const std::optional<std::wstring>& caption) {
    return AsHandle(FindWindowExW(AsHwnd(parent), AsHwnd(after), className.c_str(),
                                  caption ? caption->c_str() : nullptr));
}

bool Win32WindowSystem::IsWindowVisible(WindowHandle window) {
    return ::IsWindowVisible(AsHwnd(window)) != FALSE;
}

std::wstring Win32WindowSystem::WindowText(WindowHandle window) {
    wchar_t buffer[256];
    const int length = GetWindowTextW(AsHwnd(window), buffer, 256);
    return length > 0 ? std::wstring(buffer, static_cast<std::size_t>(length)) : std::wstring();
}

WindowHandle Win32WindowSystem::Parent(WindowHandle window) {
    return AsHandle(GetParent(AsHwnd(window)));
}

WindowHandle Win32WindowSystem::FirstChild(WindowHandle window) {
    return window == 0 ? 0 : AsHandle(GetWindow(AsHwnd(window), GW_CHILD));
}

WindowHandle Win32WindowSystem::NextSibling(WindowHandle window) {
    return AsHandle(GetWindow(AsHwnd(window), GW_HWNDNEXT));
}

bool Win32WindowSystem::Post(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam) {
    if (PostMessageW(AsHwnd(window), message, wParam, lParam)) {
        return true;
    }
    TraceFailure(L"PostMessageW", HRESULT_FROM_WIN32(GetLastError()));
    return false;
}

std::uint32_t Win32WindowSystem::TickCount() {
    return GetTickCount();
}

std::uint32_t Win32WindowSystem::DoubleClickTime() {
    return GetDoubleClickTime();
}

double Win32WindowSystem::TwipsPerPixel() {
    const ScreenDC screen;
    const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : 0;
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

ScreenPoint Win32WindowSystem::CursorIn(WindowHandle window) {
    POINT point{0, 0};
    GetCursorPos(&point);
    ScreenToClient(AsHwnd(window), &point);
    return {point.x, point.y};
}

}  // namespace morvane
