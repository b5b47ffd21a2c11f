// Test tool, not shipped: draws every appearance of the tab control on every side into one
// picture per appearance (appearance_NN.bmp in the current folder), so that the looks can be
// seen and compared. make_gallery.sh runs it and turns the pictures into PNG files.

#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "tabctl/Appearance.h"
#include "tabctl/DibCanvas_win.h"
#include "tabctl/TabControl_win.h"

namespace morvane::tabctl {
namespace {

constexpr int kSheetWidth = 900;
constexpr int kSheetHeight = 470;

struct Sheet {
    DibCanvas canvas{kSheetWidth, kSheetHeight};
    HDC dc = canvas.Dc();

    Sheet() {
        RECT all{0, 0, kSheetWidth, kSheetHeight};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetBkMode(dc, TRANSPARENT);
        SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    }

    void Label(int x, int y, const std::wstring& text) const {
        TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
    }

    // Paints a control's client area at (x, y) of the sheet.
    void Place(TabControl& control, int x, int y) const {
        RECT r{};
        GetClientRect(control.Hwnd(), &r);
        const int saved = SaveDC(dc);
        SetViewportOrgEx(dc, x, y, nullptr);
        IntersectClipRect(dc, 0, 0, r.right, r.bottom);
        control.Paint(dc);
        RestoreDC(dc, saved);
    }

    bool Save(const std::wstring& path) const {
        GdiFlush();
        const int stride = (kSheetWidth * 3 + 3) & ~3;
        BITMAPFILEHEADER file{};
        BITMAPINFOHEADER header{};
        header.biSize = sizeof(header);
        header.biWidth = kSheetWidth;
        header.biHeight = -kSheetHeight;
        header.biPlanes = 1;
        header.biBitCount = 24;
        header.biCompression = BI_RGB;
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof(file) + sizeof(header);
        file.bfSize = file.bfOffBits + stride * kSheetHeight;
        FILE* out = _wfopen(path.c_str(), L"wb");
        if (!out) {
            return false;
        }
        fwrite(&file, sizeof(file), 1, out);
        fwrite(&header, sizeof(header), 1, out);
        std::vector<unsigned char> row(stride, 0);
        const std::uint32_t* pixels = canvas.Pixels();
        for (int y = 0; y < kSheetHeight; ++y) {
            for (int x = 0; x < kSheetWidth; ++x) {
                const std::uint32_t p = pixels[y * kSheetWidth + x];
                row[x * 3] = p & 0xFF;
                row[x * 3 + 1] = (p >> 8) & 0xFF;
                row[x * 3 + 2] = (p >> 16) & 0xFF;
            }
            fwrite(row.data(), 1, row.size(), out);
        }
        fclose(out);
        return true;
    }
};

const wchar_t* const kCaptions[] = {
    L"  Office Move  ", L"  Plan 2027  *  ", L"  Budget  ",  L"  Rollout (locked)  ",
    L"  Suppliers  ",   L"  Hiring  ",       L"  Audit  ",   L"  Launch  ",
    L"  Training  ",    L"  Warehouse  ",    L"  Website  ", L"  Archive  "};

void Fill(TabControl& control, int count, int selected,
          const std::shared_ptr<const TabImageList>& images) {
    control.SetMnemonics(false);
    control.AttachImageList(images);
    control.SetCount(count);
    for (int i = 0; i < count; ++i) {
        control.SetCaption(i, kCaptions[i % 12]);
        control.SetImage(i, i == 3 ? 1 : 0);
    }
    if (count > 4) {
        control.SetEnabled(4, false);
    }
    control.SetSelectedIndex(selected);
}

void CustomColours(TabControl& control) {
    control.SetColorStyle(ColorStyle::ColorSet);
    control.SetColor(ColorRole::FaceDark, Rgb(205, 218, 236));
    control.SetColor(ColorRole::FaceLight, Rgb(236, 242, 250));
    control.SetColor(ColorRole::NormalTab, Rgb(214, 226, 242));
    control.SetColor(ColorRole::SelectedTab, Rgb(255, 255, 255));
    control.SetColor(ColorRole::NormalText, Rgb(50, 60, 80));
    control.SetColor(ColorRole::SelectedText, Rgb(190, 70, 0));
}

std::unique_ptr<TabControl> Strip(HWND parent, int width, int height, int appearance, TabSide side,
                                  int count, int selected,
                                  const std::shared_ptr<const TabImageList>& images) {
    auto control = TabControl::Create(parent, 0, 0, width, height);
    control->SetAppearance(appearance);
    control->SetSide(side);
    control->SetPaintSwitch(PaintSwitch::CloseButton, true);
    Fill(*control, count, selected, images);
    return control;
}

// Shrinks a horizontal strip to its thickness, as the tab bar does.
void FitThickness(TabControl& control) {
    RECT r{};
    GetClientRect(control.Hwnd(), &r);
    HDC screen = GetDC(nullptr);
    const double twipsPerPixel = 1440.0 / GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const int thickness =
        static_cast<int>(r.bottom - control.PageAreaHeight() / twipsPerPixel + 0.5);
    SetWindowPos(control.Hwnd(), nullptr, 0, 0, r.right, thickness, SWP_NOMOVE | SWP_NOZORDER);
}

void DrawAppearance(HWND parent, int appearance,
                    const std::shared_ptr<const TabImageList>& images) {
    Sheet sheet;
    sheet.Label(10, 6,
                L"Appearance " + std::to_wstring(appearance) + L": " + Look(appearance).name +
                    (Look(appearance).ownColors ? L" (own colours)" : L""));

    sheet.Label(10, 30, L"Top, Office scheme (colour style 32) with sheen, auto size");
    auto top = Strip(parent, 880, 40, appearance, TabSide::Top, 6, 1, images);
    top->SetColorStyle(ColorStyle::Office);
    top->SetPaintSwitch(PaintSwitch::Gloss, true);
    top->SetPaintSwitch(PaintSwitch::HotTracking, true);
    const PixelRect hot = top->TabRect(2);
    SendMessageW(top->Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(hot.left + 10, hot.top + 10));
    FitThickness(*top);
    sheet.Place(*top, 10, 48);

    sheet.Label(10, 98, L"Bottom, custom colour set (colour style 4), auto size, scrolled");
    auto bottom = Strip(parent, 880, 40, appearance, TabSide::Bottom, 12, 10, images);
    CustomColours(*bottom);
    FitThickness(*bottom);
    sheet.Place(*bottom, 10, 116);

    sheet.Label(10, 166, L"Left, own colours (style 1), size to fit");
    auto left = Strip(parent, 200, 180, appearance, TabSide::Left, 5, 0, images);
    left->SetLayout(TabLayout::SizeToFit);
    sheet.Place(*left, 10, 184);

    sheet.Label(230, 166, L"Right, fixed 110, custom, scrolled");
    auto right = Strip(parent, 200, 180, appearance, TabSide::Right, 9, 3, images);
    right->SetLayout(TabLayout::Fixed);
    right->SetFixedWidth(110);
    CustomColours(*right);
    sheet.Place(*right, 230, 184);

    sheet.Label(450, 166, L"Page strip of a dialog (style 1)");
    auto pages = TabControl::Create(parent, 0, 0, 440, 180);
    pages->SetAppearance(appearance);
    pages->SetCount(3);
    pages->SetCaption(0, L"Popular && Postion");
    pages->SetCaption(1, L"Appearance && Color");
    pages->SetCaption(2, L"About Morvane");
    pages->SetSelectedIndex(1);
    sheet.Place(*pages, 450, 184);

    sheet.Label(10, 376, L"Colour previews: selected and normal tab (colour style 4, then 1)");
    for (int style : {4, 1}) {
        auto preview = TabControl::Create(parent, 0, 0, 250, 60);
        preview->SetAppearance(appearance);
        preview->SetCount(2);
        preview->SetCaption(0, L"TabSelected");
        preview->SetCaption(1, L"TabNormal");
        if (style == 4) {
            CustomColours(*preview);
        } else {
            preview->SetColorStyle(ColorStyle::Appearance);
        }
        sheet.Place(*preview, style == 4 ? 10 : 280, 396);
    }

    wchar_t name[32];
    swprintf(name, 32, L"appearance_%02d.bmp", appearance);
    if (!sheet.Save(name)) {
        fwprintf(stderr, L"cannot write %ls\n", name);
    }
}

}  // namespace
}  // namespace morvane::tabctl

int main() {
    using namespace morvane::tabctl;
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1000, 600, nullptr, nullptr,
                                  nullptr, nullptr);
    const auto images = std::make_shared<TabImageList>(TabImageList::TabBarImages());
    for (int appearance = 0; appearance < kAppearanceCount; ++appearance) {
        DrawAppearance(parent, appearance, images);
    }
    DestroyWindow(parent);
    return 0;
}
