#include "shared/Window_win.h"

#include <set>
#include <string>

#include "shared/LibraryUse.h"
#include "shared/Trace.h"
#include "shared/WindowHandle_win.h"

namespace morvane {

namespace {

// The classes this module registered; they go with the module, so that a class never names a
// procedure of a module that is no longer loaded.
class Registrations {
  public:
    ~Registrations() {
        for (const auto& name : names_) {
            if (!UnregisterClassW(name.c_str(), ThisModule())) {
                // A window of the class still open: the class stays, naming a procedure that
                // goes with this module.
                TraceFailure(L"UnregisterClassW " + name, HRESULT_FROM_WIN32(GetLastError()));
            }
        }
    }
    bool Register(const wchar_t* name, UINT style, WNDPROC procedure) {
        if (names_.count(name) != 0) {
            return true;
        }
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.style = style;
        wc.lpfnWndProc = procedure;
        wc.hInstance = ThisModule();
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.lpszClassName = name;
        if (RegisterClassExW(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
            TraceFailure(L"RegisterClassExW " + std::wstring(name),
                         HRESULT_FROM_WIN32(GetLastError()));
            return false;
        }
        names_.insert(name);
        return true;
    }

  private:
    std::set<std::wstring> names_;
};

Registrations& Classes() {
    static Registrations classes;
    return classes;
}

}  // namespace

Window::~Window() {
    Destroy();
}

bool Window::Create(const wchar_t* className, DWORD exStyle, DWORD style, HWND parent,
                    const WindowPlace& place, UINT classStyle) {
    if (!Classes().Register(className, classStyle, &Window::Procedure)) {
        return false;
    }
    CreateWindowExW(exStyle, className, L"", style, place.x, place.y, place.width, place.height,
                    parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)), ThisModule(),
                    this);
    if (!hwnd_) {
        TraceFailure(L"CreateWindowExW " + std::wstring(className),
                     HRESULT_FROM_WIN32(GetLastError()));
    }
    return hwnd_ != nullptr;
}

void Window::Destroy() {
    if (hwnd_) {
        DestroyWindow(hwnd_);
    }
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Last to go: what waited for the outermost call may end this window, once nothing here
    // touches it any more.
    const LibraryUse::Entry entry;
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<Window*>(created->lpCreateParams);
        self->hwnd_ = hWnd;
        SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcW(hWnd, message, wParam, lParam);
    }
    LRESULT result = 0;
    bool answered = false;
    Guarded(L"a window procedure", [&] {
        result = self->OnMessage(message, wParam, lParam);
        answered = true;
    });
    if (!answered) {
        result = DefWindowProcW(hWnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

}  // namespace morvane
