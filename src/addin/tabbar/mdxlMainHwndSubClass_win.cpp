#include "addin/tabbar/mdxlMainHwndSubClass_win.h"

#include <windows.h>

#include <memory>

#include "addin/tabbar/cSubclass_win.h"
#include "shared/Trace.h"
#include "shared/mdPub.h"

namespace morvane::mdxlMainHwndSubClass {

namespace {

class Win32HotKeys final : public HotKeyPort {
  public:
    explicit Win32HotKeys(HWND window) : window_(window) {}
    bool Register(std::int32_t id, std::int32_t modifiers, std::int32_t key) override {
        // Fails when another program holds the key; the bar works on without it.
        if (RegisterHotKey(window_, id, static_cast<UINT>(modifiers), static_cast<UINT>(key))) {
            return true;
        }
        TraceFailure(L"RegisterHotKey", HRESULT_FROM_WIN32(GetLastError()));
        return false;
    }
    void Unregister(std::int32_t id) override { UnregisterHotKey(window_, id); }

  private:
    HWND window_;
};

}  // namespace

// What the hook holds while the main window is hooked, as the owner of its subclass.
class MainWindowHook::Hooked final : public ISubclass {
  public:
    Hooked(AddinState& state, const MainWindowHookParts& parts)
        : window(reinterpret_cast<HWND>(state.hMainWnd)),
          port(window),
          keys(MainHookParts{port, state, parts.reframeClient, parts.invalidateRibbon,
                             parts.tabStrip}) {}

    HWND window;
    Win32HotKeys port;
    MainWindowHotKeys keys;
    cSubclass subclass;

    void Proc(bool, bool& bHandled, std::intptr_t& lReturn, WindowHandle&, std::uint32_t& uMsg,
              std::uintptr_t& wParam, std::intptr_t&) override {
        if (uMsg == WM_ACTIVATE) {
            keys.OnActivate(mdPub::LoWord(static_cast<std::int32_t>(wParam)));
        } else if (uMsg == WM_HOTKEY && GetActiveWindow() == window && keys.OnHotKey(wParam)) {
            bHandled = true;
            lReturn = 0;
        }
    }
};

MainWindowHook::MainWindowHook() = default;

MainWindowHook::~MainWindowHook() {
    UnhookMainWindow();
}

void MainWindowHook::HookMainWindow(AddinState& state, MainWindowHookParts parts) {
    if (hooked_) {
        hooked_->keys.HotKeysRegistered = true;
        return;
    }
    if (state.hMainWnd == 0) {
        return;
    }
    auto created = std::make_unique<Hooked>(state, parts);
    created->keys.HotKeysRegistered = true;
    created->subclass.AddMsg(WM_ACTIVATE, MsgBefore);
    created->subclass.AddMsg(WM_HOTKEY, MsgBefore);
    if (!created->subclass.Subclass(state.hMainWnd, created.get())) {
        return;
    }
    hooked_ = std::move(created);
    hooked_->keys.RegisterEnabledHotKeys();
}

void MainWindowHook::UnhookMainWindow() {
    if (!hooked_) {
        return;
    }
    hooked_->keys.UnregisterAllHotKeys();
    hooked_->subclass.UnSubclass();
    hooked_.reset();
}

MainWindowHotKeys* MainWindowHook::HotKeys() const {
    return hooked_ ? &hooked_->keys : nullptr;
}

}  // namespace morvane::mdxlMainHwndSubClass
