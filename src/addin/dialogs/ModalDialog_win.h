#pragma once
// The window behind every dialog form: a standard modal dialog box, laid out from the form's
// twips at the screen's resolution in the system's message font, with the keyboard a Windows
// dialog has (Enter, Esc, Tab and the & access keys).

#include <windows.h>

#include "addin/dialogs/Form.h"

namespace morvane::dialogs {

// Shows `form` modally over `owner` (nullptr: no owner, as a program's own window) and returns
// once it has closed. False when the dialog could not be made; the form then never loaded.
bool ShowModal(Form& form, HWND owner);

}  // namespace morvane::dialogs
