#include <windows.h>

#include <vector>

#include "WindowSystemContract.h"
#include "addin/tabbar/WindowSystem_win.h"

namespace morvane::test {
namespace {

class Win32World {
  public:
    ~Win32World() {
        for (auto it = created_.rbegin(); it != created_.rend(); ++it) {
            DestroyWindow(*it);
        }
    }
    WindowSystem& System() { return system_; }
    WindowHandle Create(WindowHandle parent, const std::wstring& className,
                        const std::wstring& text, bool visible = true) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = className.c_str();
        RegisterClassW(&wc);  // fails harmlessly when already registered
        const DWORD style = (parent ? WS_CHILD : WS_OVERLAPPED) | (visible ? WS_VISIBLE : 0);
        HWND window = CreateWindowExW(0, className.c_str(), text.c_str(), style, 0, 0, 100, 100,
                                      reinterpret_cast<HWND>(parent), nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        created_.push_back(window);
        return reinterpret_cast<WindowHandle>(window);
    }
    void Destroy(WindowHandle window) { DestroyWindow(reinterpret_cast<HWND>(window)); }

  private:
    Win32WindowSystem system_;
    std::vector<HWND> created_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, WindowSystemContract, Win32World);

}  // namespace
}  // namespace morvane::test
