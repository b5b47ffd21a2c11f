#pragma once
// The four events of the tab control, delivered to its owner.

namespace morvane::tabctl {

class TabControlEvents {
  public:
    // The selection moved to `tab`; raised before the call that selected it returns, also when
    // code selected it.
    virtual void SelectionChanged(int tab) { (void)tab; }
    // A mouse button went down: button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt;
    // the position in twips of the control's client area.
    virtual void MouseDown(int button, int shift, float xTwips, float yTwips) {
        (void)button, (void)shift, (void)xTwips, (void)yTwips;
    }
    // The close button was clicked; setting `cancel` keeps the control from closing the
    // selected tab itself.
    virtual void CloseButtonClick(bool& cancel) { (void)cancel; }
    // A tab was dragged to `newIndex` (0-based); raised after the move.
    virtual void TabMoved(int tab, int newIndex) { (void)tab, (void)newIndex; }

  protected:
    ~TabControlEvents() = default;
};

}  // namespace morvane::tabctl
