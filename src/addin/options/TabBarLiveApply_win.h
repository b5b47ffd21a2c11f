#pragma once
// What the options dialog's OK changes in the running add-in, done to the tab bar, its hot
// keys, the host and the client window.

#include <cstdint>
#include <functional>

#include "addin/tabbar/MainWindowHotKeys.h"
#include "addin/tabbar/TabBarWindow.h"
#include "options/LiveApply.h"
#include "host/HostApp.h"

namespace morvane {

struct RunningAddin {
    // None while there is no bar, no main-window hook or no host: their changes are skipped.
    TabBarWindow* bar = nullptr;
    MainWindowHotKeys* hotKeys = nullptr;
    HostApp* host = nullptr;
    // The re-dock request the client-window hook answers at its next non-client paint.
    bool* placementPending = nullptr;
    // The bar's thickness in pixels, as the bar last measured it.
    const std::int32_t* tabBarSize = nullptr;
    std::function<void()> reframeClient;
};

class TabBarLiveApply final : public LiveApply {
  public:
    explicit TabBarLiveApply(RunningAddin addin) : addin_(std::move(addin)) {}

    void SetShowAllInTaskbar(bool on) override;
    std::wstring HostName() override;
    void SetAppearance(std::int32_t appearance) override;
    void SetPaintSwitch8(bool on) override;
    void SetColorStyle(tabctl::ColorStyle style) override;
    void SetColor(tabctl::ColorRole member, tabctl::OleColor color) override;
    void ChangeDefaultColor() override;
    void SetReorder(bool allowed) override;
    void UnregisterBarHotKey() override;
    void RegisterBarHotKey() override;
    void UnregisterNextTabHotKey() override;
    void RegisterNextTabHotKey() override;
    void UnregisterTabNumberHotKeys() override;
    void RegisterTabNumberHotKeys() override;
    void SetPlacementPending() override;
    void UpdateMenu() override;
    void PlaceTabControl(BarPosition position) override;
    void ReframeClient() override;
    void RefreshTabBar() override;

  private:
    TabStyle* Style() const;
    template <typename Call>
    void WithHotKeys(Call call) const;

    RunningAddin addin_;
};

}  // namespace morvane
