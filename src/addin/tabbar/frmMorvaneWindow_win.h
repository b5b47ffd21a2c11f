#pragma once
// The tab bar's own window: a borderless window that becomes a child of the host's main
// window when it loads, holds the tab control, keeps it fitted at every size change and runs
// the exit timer. Its rules are frmMorvane's.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "addin/tabbar/TabBarControl.h"
#include "addin/tabbar/TabBarWindow.h"
#include "addin/tabbar/WindowSystem_win.h"
#include "addin/tabbar/frmMorvane.h"
#include "shared/OwnerPair_win.h"
#include "shared/Window_win.h"

namespace morvane {

struct TabBarFormParts {
    // Creates the tab control inside the form window, reporting its events to the sink.
    std::function<std::unique_ptr<TabBarControl>(WindowHandle form, TabEventSink& events)>
        newControl;
};

class frmMorvaneWindow final : public TabBarWindow, private Window, private TabEventSink {
  public:
    frmMorvaneWindow(AddinState& state, TabBarFormParts parts);
    ~frmMorvaneWindow() override;
    frmMorvaneWindow(const frmMorvaneWindow&) = delete;
    frmMorvaneWindow& operator=(const frmMorvaneWindow&) = delete;

    // Before the form loads: the host's main window, its owner and parent.
    void SetParentHwnd(WindowHandle hWnd);

    WindowHandle hWnd() const override;
    bool Visible() const override;
    void Hide() override;
    // The first call loads the form.
    void UpdateMenu() override;
    void ChangeDeafultColor() override;
    void ChangCustomColor();
    void StartTimer() override;

    // The form's rules and its tab control; none when the control could not be made.
    frmMorvane* Rules() { return rules_.get(); }
    TabStrip* Strip() override { return control_.get(); }
    TabStyle* Style() override { return control_.get(); }

  private:
    LRESULT OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void Load();
    void OnSize();

    void SelectionChanged(std::int32_t index) override;
    void MouseDown(std::int32_t button, std::int32_t shift, float x, float y) override;
    void CloseButtonClick(bool& cancel) override;
    void TabMoved(std::int32_t index, std::int32_t newIndex) override;

    AddinState& state_;
    TabBarFormParts parts_;
    Win32WindowSystem windows_;
    std::unique_ptr<TabBarControl> control_;
    std::unique_ptr<frmMorvane> rules_;
    WindowHandle mParentHwnd = 0;
    OwnerPair mPrevOwner;
    bool loaded_ = false;
};

}  // namespace morvane
