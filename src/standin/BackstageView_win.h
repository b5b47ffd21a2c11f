#pragma once
// A ribbon host's backstage view (the File view) over the whole client area of the host's main
// window (the frame), opened on one add-in's backstage tab. It asks the add-in's callbacks when it
// first opens and again only after the add-in invalidated the ribbon, as Office does; a click on a
// task calls its onAction, and a task marked isDefinitive closes the view.

#include <windows.h>

#include <string>
#include <vector>

#include "shared/Window_win.h"
#include "standin/BackstageLayout_win.h"

namespace morvane::standin {

class RibbonHost;

class BackstageView : public Window {
  public:
    // Hidden until opened. `ribbon` holds the add-in's loaded document and outlives the view.
    BackstageView(HWND frame, RibbonHost& ribbon);
    ~BackstageView() override;

    void Open();
    void Close();
    bool IsOpen() const;

    // What the view draws, in drawing order.
    const std::vector<BackstagePart>& Parts() const { return parts_; }
    // The part of one kind that shows control `id`, or nullptr.
    const BackstagePart* Find(const std::wstring& id, BackstagePart::Kind kind) const;
    // Clicks the middle of the control's label as the user does; false when none is drawn.
    bool ClickLabel(const std::wstring& id);

  private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Click(POINT at);
    // The ribbon's invalidations so far, of the whole ribbon and of single controls.
    int Invalidations() const;

    HWND frame_;
    RibbonHost& ribbon_;
    BackstageFonts fonts_;
    std::vector<BackstagePart> parts_;
    int answered_ = -1;  // Invalidations() when the callbacks last answered
    SIZE laidOut_{};     // the view's size then
};

}  // namespace morvane::standin
