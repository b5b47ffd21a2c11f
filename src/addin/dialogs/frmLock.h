#pragma once
// The warning that a locked project is about to be closed or saved: OK unlocks it and goes
// on, Cancel keeps the lock, Help opens the help page and leaves the warning open.

#include <functional>
#include <optional>
#include <string>

#include "addin/dialogs/DialogResults.h"
#include "addin/dialogs/Form.h"

namespace morvane::dialogs {

// A project name as the warning shows it: at most 15 characters as it is, a longer one as its
// first 13 characters and "...". A character outside the basic plane is never cut in half.
std::wstring ShortenName(const std::wstring& Name);

// The warning's text. Mode 1 names the project (`projectName`, the one about to be closed or
// saved); every other mode, or a mode 1 without a name to show, speaks of locked projects in
// general.
std::wstring LockText(std::int32_t lockMode, const std::optional<std::wstring>& projectName,
                      const TextLookup& texts);

class frmLock final : public Form {
  public:
    enum Control : int {
        Image1 = 100,
        GroupBox1,
        FlatEdit1,
        Command_Yes,
        Command_No,
        Command_Help,
    };

    // `openHelp` opens the help page; `projectName` is the project about to be closed or saved.
    frmLock(const TextLookup& texts, std::optional<std::wstring> projectName,
            std::function<void()> openHelp, DialogResults& results);

    void SetLockMode(std::int32_t mode) { mLockMode = mode; }

    FormDesign Form_Load() override;
    void Click(int id, FormView& view) override;
    void Form_QueryUnload() override;

  private:
    const TextLookup& texts_;
    std::optional<std::wstring> projectName_;
    std::function<void()> openHelp_;
    DialogResults& results_;
    std::int32_t mLockMode = 0;
};

}  // namespace morvane::dialogs
