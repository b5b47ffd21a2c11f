#pragma once
// The window behind every dialog form: a standard modal dialog box, laid out from the form's
// twips at the screen's resolution in the system's message font, with the keyboard a Windows
// dialog has (Enter, Esc, Tab and the & access keys).

#include <windows.h>

#include <optional>

#include "addin/dialogs/Form.h"

namespace morvane::dialogs {

// What a form with more than buttons and boxes adds to its window: windows of its own at the
// Custom places, drawing, and the notifications of lists, edits and activation.
class DialogWindowHooks {
  public:
    virtual ~DialogWindowHooks() = default;
    // The form's controls are made and placed, in `font` at the screen's resolution; the
    // dialog is not shown yet.
    virtual void Loaded(HWND dialog, const FormSpec& spec, int dpiX, int dpiY, HFONT font) = 0;
    // Each message to the dialog before the form's own handling; a value when handled.
    virtual std::optional<INT_PTR> Message(UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// Makes one control of a form in `dialog` at its place in pixels, in `font`; nullptr for a
// Custom place or when the system refuses. Used at load and for deferred controls.
HWND MakeDialogControl(HWND dialog, const ControlSpec& control, HFONT font, int dpiX, int dpiY);

// Shows `form` modally over `owner` (nullptr: no owner, as a program's own window) and returns
// once it has closed. False when the dialog could not be made; the form then never loaded.
bool ShowModal(Form& form, HWND owner, DialogWindowHooks* hooks = nullptr);

}  // namespace morvane::dialogs
