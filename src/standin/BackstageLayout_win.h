#pragma once
// How a ribbon host's backstage view (the File view) lays out and draws an add-in's backstage tab,
// as Office does: the host's own tabs and commands down the left with the add-in's tab placed
// among them, then the tab's two columns: task groups with their categories and tasks (image,
// label, description) in the first, groups with their items (images, labels, links and layout
// containers of them) in the second. Every text and image of the add-in's comes from the
// document and the add-in's answers to its callbacks.

#include <windows.h>

#include <ocidl.h>

#include <string>
#include <vector>

#include "shared/Com_win.h"
#include "shared/GdiObject_win.h"

namespace morvane::standin {

class RibbonHost;

// One thing the view draws.
struct BackstagePart {
    enum class Kind {
        HostTab,       // one of the host's own tabs and commands
        Tab,           // the add-in's tab, selected
        Heading,       // a category's or group's label, across its column
        Label,         // a task's label
        Description,   // a task's description
        Text,          // a label control's text
        Link,          // a hyperlink's label
        Picture,       // an image the add-in returned
        BuiltInImage,  // an image of the host's own (imageMso), drawn as a framed stand-in
        Separator,     // the line between the two columns
    };
    Kind kind = Kind::Text;
    std::wstring id;     // the control it shows; the host's own tabs: their idMso
    std::wstring text;   // what is written; a built-in image: its imageMso
    RECT place{};        // in the view's client area
    SIZE pictureSize{};  // a picture's own size, as the add-in returned it
    com::ComPtr<IPicture> picture;
};

// The fonts the view writes with, after the system's message font.
struct BackstageFonts {
    BackstageFonts();
    HFONT For(BackstagePart::Kind kind) const;

    GdiFont tab;
    GdiFont heading;
    GdiFont label;
    GdiFont text;
    GdiFont link;
};

// Lays out the backstage tab of `ribbon`'s document in a view of `area`'s size, asking the
// callbacks for every text and image; nothing when the document has no backstage tab. `dc`
// measures the texts.
std::vector<BackstagePart> LayOutBackstage(RibbonHost& ribbon, HDC dc, const BackstageFonts& fonts,
                                           SIZE area);

void PaintBackstage(HDC dc, const RECT& area, const std::vector<BackstagePart>& parts,
                    const BackstageFonts& fonts);

}  // namespace morvane::standin
