#include "support/FakeTabStrip.h"

namespace morvane::test {

void FakeTabStrip::SetCount(std::int32_t count) {
    count = count < 0 ? 0 : count;
    const bool wasEmpty = tabs.empty();
    tabs.resize(Index(count));
    // The first tabs bring a selected tab with them; the selection stays within the tabs.
    if (count == 0) {
        selected = -1;
    } else if (wasEmpty || selected < 0) {
        selected = 0;
    } else if (selected >= count) {
        selected = count - 1;
    }
}

void FakeTabStrip::Select(std::int32_t i) {
    if (!Has(i) || i == selected) {
        return;
    }
    selected = i;
    selections.push_back(i);
    if (onSelectionChanged) {
        onSelectionChanged(i);
    }
}

std::optional<std::int32_t> FakeTabStrip::HitTest(std::int32_t x, std::int32_t y) const {
    const_cast<FakeTabStrip*>(this)->hitTests.emplace_back(x, y);
    const std::int32_t along = hitAlongY ? y : x;
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        if (along >= tabs[i].from && along < tabs[i].to) {
            return static_cast<std::int32_t>(i);
        }
    }
    return std::nullopt;
}

std::optional<TabRectangle> FakeTabStrip::Rectangle(std::int32_t i) const {
    if (i < 0 || Index(i) >= tabs.size()) {
        return std::nullopt;
    }
    return tabs[Index(i)].rectangle;
}

void FakeTabStrip::SetFont(const std::wstring& name, std::int32_t points) {
    fontName = name;
    fontPoints = points;
    styleCalls.push_back("font");
}

void FakeTabStrip::SetPaintSwitch(tabctl::PaintSwitch which, bool on) {
    const auto id = static_cast<std::int32_t>(which);
    paintSwitches[id] = on;
    styleCalls.push_back("switch " + std::to_string(id) + (on ? " 1" : " 0"));
}

void FakeTabStrip::SetColorStyle(tabctl::ColorStyle which) {
    const auto style = static_cast<std::int32_t>(which);
    colorStyle = style;
    styleCalls.push_back("style " + std::to_string(style));
}

void FakeTabStrip::SetColor(tabctl::ColorRole role, tabctl::OleColor color) {
    const auto member = static_cast<std::int32_t>(role);
    colors[member] = color;
    styleCalls.push_back("color " + std::to_string(member));
}

void FakeTabStrip::LayOut(std::int32_t span) {
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        tabs[i].from = static_cast<std::int32_t>(i) * span;
        tabs[i].to = tabs[i].from + span;
    }
}

}  // namespace morvane::test
