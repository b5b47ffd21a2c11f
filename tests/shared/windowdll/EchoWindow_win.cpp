// A library that makes windows through the window base (its own window and a tab control), for
// the test that unloads it and loads it again at another address.

#include <windows.h>

#include "shared/Window_win.h"
#include "tabctl/TabControl_win.h"

namespace {

constexpr UINT Ask = WM_APP + 1;
constexpr LRESULT Answer = 42;

class EchoWindow final : public morvane::Window {
  public:
    EchoWindow() { Create(L"MorvaneEchoWindow", 0, WS_POPUP, nullptr); }

  private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        return message == Ask ? Answer : Window::OnMessage(message, wParam, lParam);
    }
};

}  // namespace

// Makes a window, asks it, destroys it; what it answered, or 0 when it could not be made.
extern "C" __declspec(dllexport) LRESULT AskEchoWindow() {
    EchoWindow window;
    return window.Hwnd() ? SendMessageW(window.Hwnd(), Ask, 0, 0) : 0;
}

// Makes a tab control in the echo window and asks it what keys it wants; 0 when either window
// could not be made.
extern "C" __declspec(dllexport) LRESULT AskTabControl() {
    EchoWindow window;
    if (!window.Hwnd()) {
        return 0;
    }
    const auto control = morvane::tabctl::TabControl::Create(window.Hwnd(), 0, 0, 200, 30);
    return control ? SendMessageW(control->Hwnd(), WM_GETDLGCODE, 0, 0) : 0;
}
