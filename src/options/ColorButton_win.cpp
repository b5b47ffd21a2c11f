#include "options/ColorButton_win.h"

#include <commdlg.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>

// After commdlg.h: the model's ChooseColor is not the system's macro.
#include "options/CaptionPlate.h"
#include "options/OptionsModel.h"
#include "shared/GdiObject_win.h"
#include "shared/WindowText_win.h"

namespace morvane {

namespace {

void Fill(HDC dc, const RECT& rect, COLORREF color) {
    const GdiBrush brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.Get());
}

// A plate just larger than the caption, centred in `text` as the caption is.
void DrawPlate(HDC dc, const std::wstring& caption, const RECT& text, COLORREF color) {
    RECT extent = text;
    DrawTextW(dc, caption.c_str(), -1, &extent, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    const int width = std::min(extent.right - extent.left + 8, text.right - text.left);
    const int height = std::min(extent.bottom - extent.top + 2, text.bottom - text.top);
    const int left = text.left + (text.right - text.left - width) / 2;
    const int top = text.top + (text.bottom - text.top - height) / 2;
    Fill(dc, {left, top, left + width, top + height}, color);
}

}  // namespace

void DrawColorButton(const DRAWITEMSTRUCT& item, tabctl::OleColor color) {
    RECT box = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const bool enabled = (item.itemState & ODS_DISABLED) == 0;
    DrawFrameControl(item.hDC, &box, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    // The swatch keeps even a colour close to the face visible as a colour.
    RECT text = box;
    InflateRect(&text, -4, -3);
    text.bottom -= 4;
    if (enabled) {
        const RECT swatch{box.left + 4, box.bottom - 7, box.right - 4, box.bottom - 3};
        Fill(item.hDC, swatch, color);
        const GdiBrush edge(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
        FrameRect(item.hDC, &swatch, edge.Get());
    }
    const std::wstring caption = WindowText(item.hwndItem);
    const ScopedSelect font(
        item.hDC, reinterpret_cast<HGDIOBJ>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    if (enabled) {
        if (const auto plate = CaptionPlate(color, GetSysColor(COLOR_BTNFACE))) {
            DrawPlate(item.hDC, caption, text, *plate);
        }
    }
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, enabled ? color : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(item.hDC, caption.c_str(), -1, &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = box;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(item.hDC, &focus);
    }
}

void PickButtonColor(HWND owner, OptionsModel& model, std::size_t button) {
    auto& saved = model.ChooserColors();
    std::array<COLORREF, 16> custom{};
    std::copy(saved.begin(), saved.end(), custom.begin());
    CHOOSECOLORW chooser{};
    chooser.lStructSize = sizeof(chooser);
    chooser.hwndOwner = owner;
    chooser.rgbResult = model.Controls().colorButtons[button].color;
    chooser.lpCustColors = custom.data();
    chooser.Flags = CC_RGBINIT | CC_FULLOPEN;
    const bool chosen = ChooseColorW(&chooser) != FALSE;
    // The custom colours the user left are offered again at the next click.
    std::copy(custom.begin(), custom.end(), saved.begin());
    model.ChooseColor(button, chosen
                                  ? std::optional(static_cast<tabctl::OleColor>(chooser.rgbResult))
                                  : std::nullopt);
}

}  // namespace morvane
