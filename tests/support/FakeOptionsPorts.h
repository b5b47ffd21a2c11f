#pragma once
// Doubles of the options model's ports: key names and screen fonts as set, and the running
// add-in and the dialog window as a trace of calls.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "options/DialogShell.h"
#include "options/FontSource.h"
#include "options/KeyNamer.h"
#include "options/LiveApply.h"

namespace morvane::test {

class FakeKeyNamer : public KeyNamer {
  public:
    // Keys without an entry have no name.
    std::map<std::int32_t, std::wstring> names;
    std::wstring SystemKeyName(std::int32_t keyCode) const override {
        const auto found = names.find(keyCode);
        return found == names.end() ? std::wstring() : found->second;
    }
};

class FakeFontSource : public FontSource {
  public:
    std::vector<std::wstring> fonts;
    mutable int asked = 0;
    std::vector<std::wstring> ScreenFontNames() const override {
        ++asked;
        return fonts;
    }
};

// Every call, in order, as "Name" or "Name argument". `before` runs first on each call, so that
// a test can put other events (registry writes) into the same trace.
class FakeLiveApply : public LiveApply, public DialogShell {
  public:
    explicit FakeLiveApply(std::vector<std::string>& trace) : trace_(trace) {}

    std::function<void()> before;
    std::wstring hostName = L"Microsoft Project";
    std::vector<std::wstring> messages;

    void SetShowAllInTaskbar(bool on) override { Note("SetShowAllInTaskbar", on); }
    std::wstring HostName() override { return hostName; }
    void SetAppearance(std::int32_t appearance) override { Note("SetAppearance", appearance); }
    void SetPaintSwitch8(bool on) override { Note("SetPaintSwitch8", on); }
    void SetColorStyle(tabctl::ColorStyle style) override {
        Note("SetColorStyle", static_cast<std::int32_t>(style));
    }
    void SetColor(tabctl::ColorRole member, tabctl::OleColor color) override {
        Note("SetColor " + std::to_string(static_cast<std::int32_t>(member)), color);
    }
    void ChangeDefaultColor() override { Note("ChangeDefaultColor"); }
    void SetReorder(bool allowed) override { Note("SetReorder", allowed); }
    void UnregisterBarHotKey() override { Note("UnregisterBarHotKey"); }
    void RegisterBarHotKey() override { Note("RegisterBarHotKey"); }
    void UnregisterNextTabHotKey() override { Note("UnregisterNextTabHotKey"); }
    void RegisterNextTabHotKey() override { Note("RegisterNextTabHotKey"); }
    void UnregisterTabNumberHotKeys() override { Note("UnregisterTabNumberHotKeys"); }
    void RegisterTabNumberHotKeys() override { Note("RegisterTabNumberHotKeys"); }
    void SetPlacementPending() override { Note("SetPlacementPending"); }
    void UpdateMenu() override { Note("UpdateMenu"); }
    void PlaceTabControl(BarPosition position) override {
        Note("PlaceTabControl", static_cast<std::int32_t>(position));
    }
    void ReframeClient() override { Note("ReframeClient"); }
    void RefreshTabBar() override { Note("RefreshTabBar"); }

    void ShowMessage(const std::wstring& text) override {
        messages.push_back(text);
        Note("ShowMessage");
    }
    void Close() override { Note("Close"); }

  private:
    void Note(const std::string& call) {
        if (before) {
            before();
        }
        trace_.push_back(call);
    }
    template <typename T>
    void Note(const std::string& call, T argument) {
        Note(call + " " + std::to_string(argument));
    }

    std::vector<std::string>& trace_;
};

}  // namespace morvane::test
