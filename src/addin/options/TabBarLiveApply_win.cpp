#include "addin/options/TabBarLiveApply_win.h"

#include <windows.h>

#include <cmath>

#include "shared/TabSettings.h"

namespace morvane {

TabStyle* TabBarLiveApply::Style() const {
    return addin_.bar ? addin_.bar->Style() : nullptr;
}

template <typename Call>
void TabBarLiveApply::WithHotKeys(Call call) const {
    if (addin_.hotKeys) {
        call(*addin_.hotKeys);
    }
}

void TabBarLiveApply::SetShowAllInTaskbar(bool on) {
    if (addin_.host) {
        addin_.host->SetShowWindowsInTaskbar(on);
    }
}

std::wstring TabBarLiveApply::HostName() {
    return addin_.host ? addin_.host->Name().value_or(L"") : L"";
}

void TabBarLiveApply::SetAppearance(std::int32_t appearance) {
    if (auto* style = Style()) {
        style->SetAppearance(appearance);
    }
}

void TabBarLiveApply::SetPaintSwitch8(bool on) {
    if (auto* style = Style()) {
        style->SetPaintSwitch(tabctl::PaintSwitch::Gloss, on);
    }
}

void TabBarLiveApply::SetColorStyle(tabctl::ColorStyle value) {
    if (auto* style = Style()) {
        style->SetColorStyle(value);
    }
}

void TabBarLiveApply::SetColor(tabctl::ColorRole member, tabctl::OleColor color) {
    if (auto* style = Style()) {
        style->SetColor(member, color);
    }
}

void TabBarLiveApply::ChangeDefaultColor() {
    if (addin_.bar) {
        addin_.bar->ChangeDeafultColor();
    }
}

void TabBarLiveApply::SetReorder(bool allowed) {
    if (auto* style = Style()) {
        style->SetReorder(allowed);
    }
}

void TabBarLiveApply::UnregisterBarHotKey() {
    WithHotKeys([](MainWindowHotKeys& keys) { keys.UnregisterBarHotKey(); });
}

void TabBarLiveApply::RegisterBarHotKey() {
    WithHotKeys([](MainWindowHotKeys& keys) { keys.RegisterBarHotKey(); });
}

void TabBarLiveApply::UnregisterNextTabHotKey() {
    WithHotKeys([](MainWindowHotKeys& keys) { keys.UnregisterNextTabHotKey(); });
}

void TabBarLiveApply::RegisterNextTabHotKey() {
    WithHotKeys([](MainWindowHotKeys& keys) { keys.RegisterNextTabHotKey(); });
}

void TabBarLiveApply::UnregisterTabNumberHotKeys() {
    WithHotKeys([](MainWindowHotKeys& keys) { keys.UnregisterTabNumberHotKeys(); });
}

void TabBarLiveApply::RegisterTabNumberHotKeys() {
    WithHotKeys([](MainWindowHotKeys& keys) { keys.RegisterTabNumberHotKeys(); });
}

void TabBarLiveApply::SetPlacementPending() {
    if (addin_.placementPending) {
        *addin_.placementPending = true;
    }
}

void TabBarLiveApply::UpdateMenu() {
    if (addin_.bar) {
        addin_.bar->UpdateMenu();
    }
}

void TabBarLiveApply::PlaceTabControl(BarPosition position) {
    TabStrip* strip = addin_.bar ? addin_.bar->Strip() : nullptr;
    if (!strip || !addin_.tabBarSize) {
        return;
    }
    RECT form{};
    GetClientRect(reinterpret_cast<HWND>(addin_.bar->hWnd()), &form);
    const HDC screen = GetDC(nullptr);
    const double twipsX = 1440.0 / GetDeviceCaps(screen, LOGPIXELSX);
    const double twipsY = 1440.0 / GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const auto twips = [](double pixels, double perPixel) {
        return static_cast<std::int32_t>(std::lround(pixels * perPixel));
    };
    // Across the bar the strip's thickness, along it the rest of the form.
    if (position == BarAbove || position == BarBelow) {
        strip->SetTop(0);
        strip->SetHeight(twips(*addin_.tabBarSize, twipsY));
        strip->SetWidth(twips(form.right, twipsX) - strip->Left());
    } else {
        strip->SetLeft(0);
        strip->SetWidth(twips(*addin_.tabBarSize, twipsX));
        strip->SetHeight(twips(form.bottom, twipsY) - strip->Top());
    }
}

void TabBarLiveApply::ReframeClient() {
    if (addin_.reframeClient) {
        addin_.reframeClient();
    }
}

void TabBarLiveApply::RefreshTabBar() {
    if (auto* style = Style()) {
        style->Refresh();
    }
}

}  // namespace morvane
