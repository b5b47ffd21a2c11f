#include "addin/tabbar/MainWindowHotKeys.h"

#include "host/MenuBars.h"
#include "shared/SettingsSchema.h"
#include "shared/mdReg.h"

namespace morvane {

MainWindowHotKeys::MainWindowHotKeys(MainHookParts parts) : parts_(std::move(parts)) {}

void MainWindowHotKeys::Register(const HotKeyRegistration& key) {
    // A combination another program holds stays unregistered, without a message.
    parts_.hotKeys.Register(key.id, key.modifiers, key.key);
}

void MainWindowHotKeys::RegisterEnabledHotKeys() {
    const auto& settings = parts_.state.Settings;
    if (settings.EnableTa == 0) {
        RegisterBarHotKey();
    }
    if (settings.EnableTi == 0) {
        RegisterNextTabHotKey();
    }
    if (settings.EnableAlt == 0) {
        RegisterTabNumberHotKeys();
    }
}

void MainWindowHotKeys::RegisterBarHotKey() {
    Register(BarHotKey(parts_.state.Settings));
}

void MainWindowHotKeys::RegisterNextTabHotKey() {
    Register(NextTabHotKey(parts_.state.Settings));
}

void MainWindowHotKeys::RegisterTabNumberHotKeys() {
    for (const auto& key : TabNumberHotKeys()) {
        Register(key);
    }
}

void MainWindowHotKeys::UnregisterBarHotKey() {
    parts_.hotKeys.Unregister(HotKeyBase + HotKeyShowBar);
}

void MainWindowHotKeys::UnregisterNextTabHotKey() {
    parts_.hotKeys.Unregister(HotKeyBase + HotKeyNextTab);
}

void MainWindowHotKeys::UnregisterTabNumberHotKeys() {
    for (std::int32_t offset = HotKeyFirstNumber; offset <= HotKeyLastNumber; ++offset) {
        parts_.hotKeys.Unregister(HotKeyBase + offset);
    }
}

void MainWindowHotKeys::UnregisterAllHotKeys() {
    UnregisterBarHotKey();
    UnregisterNextTabHotKey();
    UnregisterTabNumberHotKeys();
}

void MainWindowHotKeys::OnActivate(std::int32_t state) {
    if (state == 1 || state == 2) {
        if (!HotKeysRegistered) {
            RegisterEnabledHotKeys();
            HotKeysRegistered = true;
        }
    } else if (state == 0) {
        UnregisterAllHotKeys();
        HotKeysRegistered = false;
    }
}

bool MainWindowHotKeys::OnHotKey(std::uintptr_t id) {
    // Compared in the message parameter's own width: any id may arrive.
    constexpr auto first = static_cast<std::uintptr_t>(HotKeyBase + HotKeyShowBar);
    constexpr auto last = static_cast<std::uintptr_t>(HotKeyBase + HotKeyLastNumber);
    if (id < first || id > last) {
        return false;
    }
    const auto offset = static_cast<std::int32_t>(id - HotKeyBase);
    if (offset == HotKeyShowBar) {
        ToggleTabShow();
        return true;
    }
    TabStrip* strip = parts_.tabStrip ? parts_.tabStrip() : nullptr;
    if (!strip) {
        return true;
    }
    if (offset == HotKeyNextTab) {
        SelectNextTab(*strip);
    } else {
        SelectTabByNumber(*strip, offset - HotKeyFirstNumber);
    }
    return true;
}

void MainWindowHotKeys::ToggleTabShow() {
    auto& settings = parts_.state.Settings;
    settings.TabShow = settings.TabShow == 0 ? 1 : 0;
    if (parts_.state.Registry) {
        WriteSetting(*parts_.state.Registry, Setting::TabShow, settings.TabShow);
    }
    if (parts_.reframeClient) {
        parts_.reframeClient();
    }
    // Re-framing runs the host's code, which may have switched the add-in off.
    if (parts_.state.Ending) {
        return;
    }
    if (parts_.state.HostVersion.Number > 12) {
        if (parts_.invalidateRibbon) {
            parts_.invalidateRibbon();
        }
    } else if (parts_.state.BtnShowTabBar) {
        parts_.state.BtnShowTabBar->SetState(settings.TabShow == 0 ? msoButtonDown : msoButtonUp);
    }
}

}  // namespace morvane
