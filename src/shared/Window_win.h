#pragma once
// One Win32 window owned by one object. Its class is registered under the module that holds the
// window procedure (and unregistered when that module goes), the object is attached at
// WM_NCCREATE from lpCreateParams and let go at WM_NCDESTROY, and the object's end destroys the
// window. Nothing a handler throws leaves the window procedure.

#include <windows.h>

namespace morvane {

// Where a window starts, in pixels of its parent, and its child-window id.
struct WindowPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int id = 0;
};

class Window {
  public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    // No window before Create succeeds or after the window is destroyed.
    HWND Hwnd() const { return hwnd_; }

  protected:
    Window() = default;

    // Registers the class (once per module, with `classStyle`; the arrow cursor, no background)
    // and creates the window; false when either fails.
    bool Create(const wchar_t* className, DWORD exStyle, DWORD style, HWND parent,
                const WindowPlace& place = {}, UINT classStyle = 0);
    // Destroys the window now; a derived class calls it before its own members go.
    void Destroy();
    // One message of this window; by default the system's handling.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK Procedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

}  // namespace morvane
