#pragma once
// The options dialog: the options model shown in a modal Win32 dialog with three pages, saved
// and applied to the running add-in by OK.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "addin/dialogs/FormDesign.h"
#include "options/LiveApply.h"
#include "options/OptionsModel.h"
#include "shared/RegistryApi.h"
#include "shared/TabSettings.h"

namespace morvane {

struct OptionsDialogParts {
    // Just loaded from the registry; OK saves into it.
    TabSettings& settings;
    std::int32_t& officeTheme;
    RegistryApi& registry;
    LiveApply& live;
    std::wstring hostVersion;
    // The texts in the host's language, and the texts of the section the caption is taken from.
    dialogs::TextLookup texts;
    dialogs::TextLookup captionTexts;
    // The host's taskbar switch; none when the host cannot say.
    std::optional<bool> hostShowsAll;
    // Opens a web page; by default in the default browser.
    std::function<void(const std::wstring& address)> openWebPage;
};

// Shows the dialog modally over `owner` (Project's main window) on `page` and returns once it
// has closed.
void ShowOptionsDialog(HWND owner, OptionsDialogParts parts,
                       OptionsPage page = OptionsPage::PopularPosition);

}  // namespace morvane
