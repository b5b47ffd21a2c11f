#pragma once
// The window behind every dialog form: a standard modal dialog box, laid out from the form's
// twips at the screen's resolution in the system's message font, with the keyboard a Windows
// dialog has (Enter, Esc, Tab and the & access keys).

#include <windows.h>

#include "addin/dialogs/Form.h"

namespace morvane::dialogs {

// A form that binds more of its window than its FormDesign says (lists, pictures it draws,
// controls of its own): it sees the window once the controls are made, and every message first.
class WindowForm : public Form {
  public:
    virtual void Loaded(HWND dialog) = 0;
    // True when the form handled the message; `result` is then the dialog procedure's answer.
    virtual bool Message(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                         INT_PTR& result) = 0;
};

// Makes one control of a form in `dialog` at its place in pixels, in `font`; nullptr for a
// Custom place or when the system refuses. Used at load and for deferred controls.
HWND MakeDialogControl(HWND dialog, const ControlSpec& control, HFONT font, int dpiX, int dpiY);

// Shows `form` modally over `owner` (nullptr: no owner, as a program's own window) and returns
// once it has closed. False when the dialog could not be made; the form then never loaded.
bool ShowModal(Form& form, HWND owner);

}  // namespace morvane::dialogs
