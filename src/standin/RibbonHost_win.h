#pragma once
// The ribbon's part for host "14.0": asks an add-in for its custom UI, reads the backstage
// controls from the document and calls the callbacks it names on the add-in, by name through
// IDispatch, as Office does.

#include <windows.h>

#include <ocidl.h>

#include <string>
#include <utility>
#include <vector>

#include "shared/Com_win.h"

namespace morvane::standin {

// The ribbon id that Project asks its add-ins' custom UI for.
inline constexpr wchar_t kProjectRibbonId[] = L"Microsoft.Project.Project";

// One element of the custom-UI document (customUI itself and everything below its backstage).
struct RibbonElement {
    std::wstring kind;  // element name without prefix: "tab", "task", "hyperlink", ...
    std::wstring id;
    std::wstring parentId;  // the nearest enclosing element with an id
    int parent = -1;        // the enclosing element's index in the document order; -1 for the root
    std::vector<std::pair<std::wstring, std::wstring>> attributes;  // in document order

    // The attribute's value, or empty when it is missing.
    std::wstring Attribute(const std::wstring& name) const;
    bool Has(const std::wstring& name) const;
};

// What a control shows as its image.
struct RibbonImage {
    bool picture = false;   // getImage returned a picture
    short pictureType = 0;  // PICTYPE_BITMAP 1, PICTYPE_ICON 3, ...
    SIZE size{};            // the picture's own size in screen pixels
    com::ComPtr<IPicture> object;
    std::wstring imageMso;  // the built-in image the document names instead
};

class RibbonUI;

class RibbonHost {
  public:
    // `application`: the host Application; a control's Context is its active window.
    explicit RibbonHost(IDispatch* application);
    RibbonHost(const RibbonHost&) = delete;
    RibbonHost& operator=(const RibbonHost&) = delete;
    ~RibbonHost();

    // Asks the add-in for its custom UI and, when it returns a readable document, reads it and
    // calls the document's onLoad with the ribbon object. False when the add-in has no
    // IRibbonExtensibility, returns nothing, or returns a document Office would reject.
    bool Load(IUnknown* addin, const std::wstring& ribbonId = kProjectRibbonId);
    // The text GetCustomUI returned (empty before Load or when it returned nothing).
    const std::wstring& Xml() const { return xml_; }
    bool HasBackstage() const;

    // The document's elements in document order, and one by id (nullptr when absent).
    const std::vector<RibbonElement>& Elements() const { return elements_; }
    const RibbonElement* Find(const std::wstring& id) const;
    // The ids of the elements of one kind, in document order.
    std::vector<std::wstring> IdsOf(const std::wstring& kind) const;
    // The elements directly inside one of them, in document order.
    std::vector<const RibbonElement*> Children(const RibbonElement& parent) const;

    // What the backstage view shows for a control: the getLabel / getDescription callback's
    // answer, else the literal attribute; empty when neither gives one.
    std::wstring Label(const std::wstring& id);
    std::wstring Description(const std::wstring& id);
    RibbonImage Image(const std::wstring& id);
    // Clicks a control: calls its onAction. False when it has none or the call failed.
    bool Click(const std::wstring& id);

    // What the add-in did with the ribbon object.
    bool OnLoadCalled() const { return onLoadCalled_; }
    int InvalidateCount() const;
    std::vector<std::wstring> InvalidatedControls() const;

  private:
    // Calls a get... callback; `result` receives the value from either documented form.
    bool CallGetter(const RibbonElement& element, const std::wstring& callback,
                    com::Variant& result);
    // A text from its callback, else from its literal attribute.
    std::wstring Text(const std::wstring& id, const std::wstring& callback,
                      const std::wstring& literal);
    com::ComPtr<IDispatch> ControlFor(const RibbonElement& element);

    com::ComPtr<IDispatch> application_;
    com::ComPtr<IDispatch> addin_;
    com::ComPtr<RibbonUI> ribbon_;  // the IRibbonUI object handed to onLoad
    std::wstring xml_;
    std::vector<RibbonElement> elements_;
    bool onLoadCalled_ = false;
};

}  // namespace morvane::standin
