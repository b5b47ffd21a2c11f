#include "HostWindows_win.h"

namespace morvane::test {

namespace {

// Each main window keeps its client window in its user data, so that several can live at once.
LRESULT CALLBACK FrameProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const auto client = reinterpret_cast<HWND>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    return DefFrameProcW(hWnd, client, uMsg, wParam, lParam);
}

void RegisterClasses() {
    static bool done = false;
    if (done) {
        return;
    }
    done = true;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW frame{};
    frame.lpfnWndProc = FrameProc;
    frame.hInstance = instance;
    frame.lpszClassName = L"JWinproj-WhimperMainClass";
    RegisterClassW(&frame);
    WNDCLASSW document{};
    document.lpfnWndProc = DefMDIChildProcW;
    document.hInstance = instance;
    document.lpszClassName = L"Winproj-DocWindowClass";
    RegisterClassW(&document);
    WNDCLASSW plain{};
    plain.lpfnWndProc = DefWindowProcW;
    plain.hInstance = instance;
    plain.lpszClassName = L"MorvaneTestBar";
    RegisterClassW(&plain);
    plain.lpszClassName = L"Winproj-Preview";
    RegisterClassW(&plain);
}

}  // namespace

TestBar::TestBar(HWND parent)
    : window_(CreateWindowExW(0, L"MorvaneTestBar", L"", WS_CHILD, 0, 0, 10, 10, parent, nullptr,
                              GetModuleHandleW(nullptr), nullptr)) {}

TestBar::~TestBar() {
    DestroyWindow(window_);
}

RECT TestBar::ScreenRect() const {
    RECT rect{};
    GetWindowRect(window_, &rect);
    return rect;
}

HostWindows::HostWindows(std::shared_ptr<FakeHost> host) : host_(std::move(host)) {
    RegisterClasses();
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    main = CreateWindowExW(0, L"JWinproj-WhimperMainClass", L"Microsoft Project",
                           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 1000, 700,
                           nullptr, nullptr, instance, nullptr);
    CLIENTCREATESTRUCT ccs{};
    ccs.idFirstChild = 1000;
    client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0,
                             0, 800, 600, main, nullptr, instance, &ccs);
    SetWindowLongPtrW(main, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(client));
}

HostWindows::~HostWindows() {
    DestroyWindow(main);
}

HWND HostWindows::OpenDocument(const std::wstring& name, bool visible) {
    host_->AddProject(name, L"C:\\Plans")->visible = visible;
    MDICREATESTRUCTW mcs{};
    mcs.szClass = L"Winproj-DocWindowClass";
    mcs.szTitle = name.c_str();
    mcs.hOwner = GetModuleHandleW(nullptr);
    mcs.x = mcs.y = 0;
    mcs.cx = 300;
    mcs.cy = 200;
    mcs.style = visible ? WS_VISIBLE : 0;
    return reinterpret_cast<HWND>(
        SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
}

void HostWindows::CloseDocument(HWND document) {
    wchar_t title[256] = {};
    GetWindowTextW(document, title, 256);
    // The host forgets the window before the window goes.
    for (auto it = host_->windows.begin(); it != host_->windows.end(); ++it) {
        if ((*it)->caption == title) {
            host_->windows.erase(it);
            break;
        }
    }
    SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);
}

RECT HostWindows::ClientArea() const {
    RECT area{};
    GetClientRect(client, &area);
    MapWindowPoints(client, main, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

RECT HostWindows::ClientWindowRect() const {
    RECT rect{};
    GetWindowRect(client, &rect);
    return rect;
}

}  // namespace morvane::test
