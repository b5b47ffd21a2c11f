#pragma once
// The add-in's tab in Project's backstage view: the custom-UI document Office asks for, and what
// each of its callbacks answers for a control id. The COM class turns these answers into
// Office's objects (texts, pictures, actions).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvane::Backstage {

// The whole document: one text, no declaration, no line breaks.
std::wstring GetRibbonXML();

// A text of the language file: its key and the text to use where the file has none.
struct LangText {
    std::wstring Key;
    std::wstring Default;
};

// The label and the description of a control, by its exact id; none for an id without one
// (the callback then answers the empty text).
std::optional<LangText> LabelOf(std::wstring_view controlId);
std::optional<LangText> DescriptionOf(std::wstring_view controlId);

enum class Image {
    None,
    ShowIcon,  // icon resource 103
    Logo,      // bitmap resource 101
};
inline constexpr int kShowIconResource = 103;
inline constexpr int kLogoResource = 101;

// The picture of a control; the show/hide task has one only while the bar is shown
// (`tabShow` 0).
Image ImageOf(std::wstring_view controlId, std::int32_t tabShow);

enum class Action { None, ToggleBar, Options, Help, Contact };

// What a click on a task does.
Action ActionOf(std::wstring_view controlId);

}  // namespace morvane::Backstage
