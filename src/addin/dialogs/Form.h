#pragma once
// A dialog form's rules, apart from the window that shows them: what the form holds when it
// loads, what its buttons do and what closing it from outside does.

#include <string>

#include "addin/dialogs/FormDesign.h"

namespace morvane::dialogs {

// What a form's rules see of its window while it is shown.
class FormView {
  public:
    virtual ~FormView() = default;
    virtual bool Checked(int id) const = 0;
    virtual std::wstring Text(int id) const = 0;
    // Closes the form from its own code.
    virtual void Unload() = 0;
};

class Form {
  public:
    virtual ~Form() = default;
    // The window's caption and controls with their texts, once, as the form loads.
    virtual FormDesign Form_Load() = 0;
    // A button or check box with this id was clicked.
    virtual void Click(int id, FormView& view) = 0;
    // The form is closed other than by its own code: the close box, the system.
    virtual void Form_QueryUnload() = 0;
};

}  // namespace morvane::dialogs
