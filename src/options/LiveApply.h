#pragma once
// What saving the options changes in the running add-in: the tab bar's control, the host's
// taskbar switch, the hot keys and the bar's place. The add-in's adapter calls the tab bar; the
// tests record the calls.

#include <cstdint>
#include <string>

#include "shared/TabSettings.h"
#include "tabctl/TabTypes.h"

namespace morvane {

class LiveApply {
  public:
    virtual ~LiveApply() = default;

    // The host's show-all-windows-in-the-taskbar switch.
    virtual void SetShowAllInTaskbar(bool on) = 0;
    // The host's name, for the restart message.
    virtual std::wstring HostName() = 0;

    // The bar's tab control: appearance value (0 to 11), the paint manager's switch 8, colour
    // style, colour-set members, the Office scheme's colours, and reordering by dragging.
    virtual void SetAppearance(std::int32_t appearance) = 0;
    virtual void SetPaintSwitch8(bool on) = 0;
    virtual void SetColorStyle(tabctl::ColorStyle style) = 0;
    virtual void SetColor(tabctl::ColorRole member, tabctl::OleColor color) = 0;
    virtual void ChangeDefaultColor() = 0;
    virtual void SetReorder(bool allowed) = 0;

    // The hot keys, registered from the settings record.
    virtual void UnregisterBarHotKey() = 0;
    virtual void RegisterBarHotKey() = 0;
    virtual void UnregisterNextTabHotKey() = 0;
    virtual void RegisterNextTabHotKey() = 0;
    virtual void UnregisterTabNumberHotKeys() = 0;
    virtual void RegisterTabNumberHotKeys() = 0;

    // Asks the client-window hook to place the bar again at its next paint.
    virtual void SetPlacementPending() = 0;
    // Rebuilds the tabs and applies layout, widths and position (measures the bar again).
    virtual void UpdateMenu() = 0;
    // Fits the tab control into the bar form across the bar's thickness.
    virtual void PlaceTabControl(BarPosition position) = 0;
    // The client window recomputes the bar's room; then the bar repaints.
    virtual void ReframeClient() = 0;
    virtual void RefreshTabBar() = 0;
};

}  // namespace morvane
