#pragma once
// An options model over the doubles, on settings stored in the registry double the way the
// loader leaves them.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "options/OptionsModel.h"
#include "shared/SettingsSchema.h"
#include "support/FakeOptionsPorts.h"
#include "support/FakeRegistry.h"

namespace morvane::test {

class OptionsFixture : public ::testing::Test {
  protected:
    OptionsFixture() {
        keys.names = {{81, L"Q"}, {66, L"B"}, {9, L"Tab"}};
        // Settings as a typical user has them: every switch on, custom colours on.
        settings.HotKeyBar = {L"Default(Win+Q)", 81, 8};
        settings.HotKeyTabit = {L"Default(Ctrl+Tab)", 9, 2};
        settings.Theme = 2;
        settings.Position = BarBelow;
        settings.TbLayout = 0;
        settings.MaxWidth = 150;
        settings.FixWidth = 0;
        settings.TabFontSize = 9;
        settings.TabFontName = L"Segoe UI";
        settings.CusColor = 1;
        settings.CoSelect = 0x0000FF;
        settings.CoNormal = 0x00FF00;
        settings.CoBack = 0xFF0000;
        settings.CoBackii = 0x111111;
        settings.CoText = 0x222222;
        settings.CoTextSe = 0x333333;
        StoreColors();
    }

    // The six colours of the record, stored as the loader found them.
    void StoreColors() {
        for (const auto id : {Setting::CoSelect, Setting::CoNormal, Setting::CoBack,
                              Setting::CoBackii, Setting::CoText, Setting::CoTextSe}) {
            registry.PutDword(RootKey::CurrentUser, KeyPathOf(id), std::wstring(SchemaOf(id).Name),
                              IntFieldOf(id, settings));
        }
    }

    OptionsModel& Open(DialogKind kind = DialogKind::Options, const std::wstring& version = L"14.0",
                       std::optional<bool> hostShowsAll = false) {
        model = std::make_unique<OptionsModel>(DialogContext{kind, version}, settings, officeTheme,
                                               registry, texts, keys, fonts, hostShowsAll);
        return *model;
    }
    const OptionsControls& C() const { return model->Controls(); }

    // The registry writes since the last call, as "subkey\value=number" or "...='text'".
    void TakeWrites() {
        const std::string root = "software\\microsoft\\shared tools\\morvane";
        for (; written_ < registry.writes.size(); ++written_) {
            const auto& w = registry.writes[written_];
            std::string path =
                w.key.substr(0, root.size()) == root ? w.key.substr(root.size()) : w.key;
            if (!path.empty() && path.front() == '\\') {
                path = path.substr(1) + "\\";
            }
            const auto& d = w.value.data;
            std::string value;
            if (w.value.type == 4) {
                value = std::to_string(static_cast<std::int32_t>(
                    d[0] | (d[1] << 8) | (d[2] << 16) | (static_cast<std::uint32_t>(d[3]) << 24)));
            } else {
                value = "'" + std::string(d.begin(), d.end() - 1) + "'";
            }
            trace.push_back(path + w.name + "=" + value);
        }
    }

    // Saves, with the registry writes and the calls on the ports in one trace.
    std::optional<Rejection> Save() {
        live.before = [this] { TakeWrites(); };
        const auto rejected = model->Save(live, live);
        TakeWrites();
        return rejected;
    }

    FakeRegistry registry;
    TabSettings settings;
    std::int32_t officeTheme = 2;
    FakeKeyNamer keys;
    FakeFontSource fonts;
    TextLookup texts;
    std::vector<std::string> trace;
    FakeLiveApply live{trace};
    std::unique_ptr<OptionsModel> model;

  private:
    std::size_t written_ = 0;
};

}  // namespace morvane::test
