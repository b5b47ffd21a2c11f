#pragma once
// A dialog form as its rules describe it: the controls with their kinds, language keys, texts
// and places in twips, and the sizes and places those make in pixels on a screen.

#include <functional>
#include <string>
#include <vector>

#include "shared/mdLang.h"

namespace morvane::dialogs {

// One text of the language file by key, `def` when the file has none.
using TextLookup = std::function<std::wstring(const std::wstring& key, const std::wstring& def)>;

// Lookups in `file`, section `section` (with the language file's fallbacks), through the
// program's language, which must outlive them.
TextLookup LanguageTexts(mdLang::Language& language, std::wstring file, std::wstring section);

// Left, top, width and height in twips.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A place given inside a group frame, as a place on the form.
constexpr TwipsRect Inside(TwipsRect frame, TwipsRect child) {
    return {frame.left + child.left, frame.top + child.top, child.width, child.height};
}

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

enum class ControlKind {
    Picture,       // the form's icon, or a picture its form draws
    Frame,         // a group frame, with the caption its text gives
    ReadOnlyText,  // text the user can read and copy, not change
    Edit,          // a one-line edit box
    CheckBox,
    Button,
    Label,        // a line of text; its form hears a click on it
    DropList,     // a list to choose from; the place's height includes the dropped list
    ComboEdit,    // the same, with an edit to type into
    DrawnButton,  // a push button its form draws
    Custom,       // a place for a window the form's own code makes
};

enum class FormIcon { None, Question, Lock, Information };

struct ControlSpec {
    int id = 0;
    ControlKind kind = ControlKind::Button;
    std::wstring tag;   // the language key of its caption; empty = not looked up
    std::wstring text;  // caption or text
    TwipsRect place;
    // Made only when the form's own code asks for it (a page not shown yet), not at load.
    bool deferred = false;
};

struct FormDesign {
    std::wstring caption = L"Morvane";
    FormIcon icon = FormIcon::None;
    // In tab order; frames lie behind the other controls whatever their place here.
    std::vector<ControlSpec> controls;
    int defaultId = 0;  // the button Enter presses
    int cancelId = 0;   // the button Esc presses
    int focusId = 0;    // the control that has the focus when the form opens

    // The control with this id; nullptr when the form has none.
    ControlSpec* Find(int id);
};

// Every control with a tag gets the tag's text, its current text the default.
void LocalizeTags(FormDesign& form, const TextLookup& texts);

// Text as an edit control shows it: every line break as CR LF.
std::wstring EditText(const std::wstring& text);

// The client area the controls need: their furthest right and bottom edges and a margin.
TwipsRect ClientPlace(const FormDesign& form);

// A place in twips as pixels at the screen's resolution; neighbouring edges stay neighbours.
PixelRect ToPixels(const TwipsRect& place, int dpiX, int dpiY);

// Where a window of this size goes: centred over its owner, kept inside the work area.
PixelRect CenterOver(const PixelRect& owner, int width, int height, const PixelRect& workArea);

}  // namespace morvane::dialogs
