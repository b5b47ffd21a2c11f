#pragma once
// The host's file dialog for save-as and open: a "#32770" window owned by the main window with a
// "DUIViewWndClassName" child, as the dialog of Windows 7 has. It is modeless: it reports its
// answer (a full file name, or none when closed or cancelled) through a callback.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace morvane::standin {

enum class FileDialogKind { Save, Open };

using FileDialogDone = std::function<void(const std::optional<std::wstring>& fullName)>;

// Shows the dialog; `done` runs once, after the dialog window is gone.
HWND ShowFileDialog(HWND owner, FileDialogKind kind, const std::wstring& suggested,
                    FileDialogDone done);
// Answers the dialog with a file name as the user would, typing it and pressing the button.
void AnswerFileDialog(HWND dialog, const std::wstring& fullName);

}  // namespace morvane::standin
