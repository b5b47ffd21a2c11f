#pragma once
// Double of the host's two questions: answers as told and records what was asked.

#include <functional>
#include <string>
#include <vector>

#include "addin/HostDialogs.h"

namespace morvane::test {

class FakeHostDialogs : public HostDialogs {
  public:
    CloseChoice closeAnswer = CloseChoice::Cancel;
    bool unlockAnswer = false;
    // Runs while a question is up, as the user's world goes on during a modal dialog.
    std::function<void()> whileShown;

    std::vector<WindowHandle> closeOwners;
    // Owner and project name of every lock warning.
    std::vector<std::pair<WindowHandle, std::wstring>> lockWarnings;

    CloseChoice ConfirmClose(WindowHandle owner) override {
        closeOwners.push_back(owner);
        if (whileShown) {
            whileShown();
        }
        return closeAnswer;
    }
    bool WarnLocked(WindowHandle owner, const std::wstring& projectName) override {
        lockWarnings.emplace_back(owner, projectName);
        if (whileShown) {
            whileShown();
        }
        return unlockAnswer;
    }
};

}  // namespace morvane::test
