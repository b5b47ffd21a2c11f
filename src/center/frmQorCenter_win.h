#pragma once
// The settings center's window: the options model bound to Win32 controls laid out from the
// center's form, with its two page controls, the add-in box and the link; the hot-key edits,
// colour buttons, previews and pictures are the ones the options dialog shows too. Shown by the
// dialog machinery with no owner; the program ends when it closes.

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "addin/dialogs/ModalDialog_win.h"
#include "center/CenterForm.h"
#include "options/CaptureEdit_win.h"
#include "options/DialogShell.h"
#include "options/OptionsModel.h"
#include "tabctl/TabControl_win.h"

namespace morvane::center {

class frmQorCenter final : public dialogs::WindowForm,
                           public DialogShell,
                           private tabctl::TabControlEvents {
  public:
    // `elevated`: the build that asks for administrator rights, named in the caption.
    frmQorCenter(OptionsModel& model, dialogs::TextLookup texts, bool elevated);
    ~frmQorCenter() override;

    dialogs::FormDesign Form_Load() override;
    void Click(int id, dialogs::FormView& view) override;
    void Form_QueryUnload() override {}
    void Loaded(HWND dialog) override;
    bool Message(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    // The program's message box: a beep, then the text with one OK button, no owner.
    void ShowMessage(const std::wstring& text) override;
    void Close() override;

  private:
    void SelectionChanged(int tab) override;

    void PushButton_Top_Click(int index);
    void PushButton_Apply_Click();
    void ShowPage(OptionsPage page);
    void Refresh();
    void RefreshPages();
    void RefreshControls();
    void RefreshLists();
    bool OwnEnabled(int id) const;
    void SetTextIfChanged(int id, const std::wstring& text);
    std::unique_ptr<tabctl::TabControl> MakePageStrip(int id, const dialogs::TwipsRect& place,
                                                      int pages);
    bool Draw(const DRAWITEMSTRUCT& item);

    OptionsModel& model_;
    dialogs::TextLookup texts_;
    bool elevated_;
    std::vector<CenterControl> controls_;
    HWND hwnd_ = nullptr;
    int dpiX_ = 96;
    int dpiY_ = 96;
    std::unique_ptr<tabctl::TabControl> optionsPages_;       // TabControl_Dorrik(0)
    std::unique_ptr<tabctl::TabControl> aboutPage_;          // TabControl_Dorrik(1)
    std::unique_ptr<tabctl::TabControl> appearancePreview_;  // TabControl2
    std::unique_ptr<tabctl::TabControl> colorPreview_;       // TabControl3
    std::optional<CaptureEdit> barKeyEdit_;                  // FlatEdit4
    std::optional<CaptureEdit> tabKeyEdit_;                  // FlatEdit5
    // The items each list was last filled with.
    std::map<int, std::vector<std::wstring>> listed_;
    bool refreshing_ = false;
};

// Runs the settings center's window until it closes.
void ShowCenter(OptionsModel& model, const dialogs::TextLookup& texts, bool elevated);

}  // namespace morvane::center
