#pragma once
// The answers of the modal dialogs, read by their callers once the dialog has closed. Each
// dialog writes its own answer on every way out, so the caller always reads the answer of the
// dialog it just showed; between uses they keep their last value.

#include <cstdint>
#include <string>

namespace morvane::dialogs {

// The values of CloseChoice.
inline constexpr std::int32_t CloseCancel = 0;
inline constexpr std::int32_t CloseAllTabs = 1;
inline constexpr std::int32_t CloseCurrentTab = 2;

struct DialogResults {
    // frmCloseMsg: CloseCancel, CloseAllTabs or CloseCurrentTab.
    std::int32_t CloseChoice = CloseCancel;
    // frmLock: true = unlock and go on, false = keep the lock and cancel.
    bool Unlocked = false;
    // frmRename: the new base name; empty = cancelled.
    std::wstring NewFileName;
};

}  // namespace morvane::dialogs
