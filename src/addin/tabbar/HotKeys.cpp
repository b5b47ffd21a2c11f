#include "addin/tabbar/HotKeys.h"

#include "shared/HotKeyCombination.h"

namespace morvane {

namespace {

HotKeyRegistration Registration(std::int32_t id, KeyCombination combination) {
    return {id, combination.modifiers, combination.key};
}

// The first visible tab in [from, to), or -1.
std::int32_t FirstVisible(const TabStrip& strip, std::int32_t from, std::int32_t to) {
    for (std::int32_t i = from; i < to; ++i) {
        if (strip.Visible(i)) {
            return i;
        }
    }
    return -1;
}

}  // namespace

HotKeyRegistration BarHotKey(const TabSettings& settings) {
    return Registration(HotKeyBase + HotKeyShowBar,
                        RegisteredCombination(settings.HotKeyBar, BuiltInBarKey));
}

HotKeyRegistration NextTabHotKey(const TabSettings& settings) {
    return Registration(HotKeyBase + HotKeyNextTab,
                        RegisteredCombination(settings.HotKeyTabit, BuiltInNextTabKey));
}

std::vector<HotKeyRegistration> TabNumberHotKeys() {
    std::vector<HotKeyRegistration> keys;
    for (std::int32_t number = FirstTabNumber; number <= LastTabNumber; ++number) {
        keys.push_back(
            Registration(HotKeyBase + HotKeyFirstNumber + number - 1, TabNumberKey(number)));
    }
    return keys;
}

std::vector<HotKeyRegistration> EnabledHotKeys(const TabSettings& settings) {
    std::vector<HotKeyRegistration> keys;
    if (settings.EnableTa == 0) {
        keys.push_back(BarHotKey(settings));
    }
    if (settings.EnableTi == 0) {
        keys.push_back(NextTabHotKey(settings));
    }
    if (settings.EnableAlt == 0) {
        for (const auto& key : TabNumberHotKeys()) {
            keys.push_back(key);
        }
    }
    return keys;
}

std::vector<std::int32_t> AllHotKeyIds() {
    std::vector<std::int32_t> ids;
    for (std::int32_t offset = HotKeyShowBar; offset <= HotKeyLastNumber; ++offset) {
        ids.push_back(HotKeyBase + offset);
    }
    return ids;
}

void SelectTabByNumber(TabStrip& strip, std::int32_t n) {
    std::int32_t k = -1;
    const std::int32_t count = strip.Count();
    for (std::int32_t i = 0; i < count; ++i) {
        if (strip.Visible(i)) {
            ++k;
            if (k == n) {
                strip.Select(i);
                return;
            }
        }
    }
}

void SelectNextTab(TabStrip& strip) {
    const std::int32_t s = strip.SelectedIndex();
    const std::int32_t c = strip.Count();
    std::int32_t next = -1;
    if (s < c - 1) {
        next = FirstVisible(strip, s + 1, c);
    }
    if (next < 0) {
        next = FirstVisible(strip, 0, s);
    }
    if (next >= 0) {
        strip.Select(next);
    }
}

}  // namespace morvane
