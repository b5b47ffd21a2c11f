#include "standin/RibbonHost_win.h"

#include <olectl.h>

#include <algorithm>
#include <set>

#include "shared/Office_win.h"
#include "shared/DispatchArgs_win.h"
#include "shared/DualObject_win.h"

namespace morvane::standin {

using com::Variant;

// The ribbon object an add-in receives in onLoad; counts what it is asked to refresh.
class RibbonUI : public com::DualObject<IRibbonUI> {
  public:
    RibbonUI() : DualObject({{L"Invalidate", 1}, {L"InvalidateControl", 2}}) {}

    int invalidated = 0;
    std::vector<std::wstring> invalidatedControls;

    STDMETHODIMP Invalidate() override {
        ++invalidated;
        return S_OK;
    }
    STDMETHODIMP InvalidateControl(BSTR controlId) override {
        invalidatedControls.emplace_back(controlId ? controlId : L"");
        return S_OK;
    }

  private:
    HRESULT Call(DISPID id, WORD, const std::vector<VARIANT*>& args, VARIANT*) override {
        std::wstring controlId;
        switch (id) {
            case 1:
                return Invalidate();
            case 2:
                if (!com::ArgText(com::ArgAt(args, 0), controlId)) {
                    return DISP_E_BADPARAMCOUNT;
                }
                invalidatedControls.push_back(controlId);
                return S_OK;
            default:
                return DISP_E_MEMBERNOTFOUND;
        }
    }
};

namespace {

constexpr CLSID kDomDocument = {
    0xF6D90F11, 0x9C73, 0x11D3, {0xB3, 0x2E, 0x00, 0xC0, 0x4F, 0x99, 0x0B, 0xB4}};
constexpr wchar_t kCustomUi2006[] = L"http://schemas.microsoft.com/office/2006/01/customui";

// The control an add-in's callback receives.
class RibbonControl : public com::DualObject<IRibbonControl> {
  public:
    RibbonControl(std::wstring id, std::wstring tag, com::ComPtr<IDispatch> context)
        : DualObject({{L"Id", 1}, {L"Context", 2}, {L"Tag", 3}}),
          id_(std::move(id)),
          tag_(std::move(tag)),
          context_(std::move(context)) {}

    STDMETHODIMP get_Id(BSTR* id) override { return Out(id_, id); }
    STDMETHODIMP get_Tag(BSTR* tag) override { return Out(tag_, tag); }
    STDMETHODIMP get_Context(IDispatch** context) override {
        if (!context) {
            return E_POINTER;
        }
        *context = context_.Get();
        if (*context) {
            (*context)->AddRef();
        }
        return S_OK;
    }

  private:
    static HRESULT Out(const std::wstring& text, BSTR* out) {
        if (!out) {
            return E_POINTER;
        }
        *out = com::Bstr(text).Detach();
        return S_OK;
    }
    HRESULT Call(DISPID id, WORD flags, const std::vector<VARIANT*>&, VARIANT* result) override {
        if (!(flags & DISPATCH_PROPERTYGET)) {
            return DISP_E_MEMBERNOTFOUND;
        }
        switch (id) {
            case 1:
                com::SetResult(result, Variant::Text(id_));
                return S_OK;
            case 2:
                com::SetResult(result, Variant::Object(context_.Get()));
                return S_OK;
            case 3:
                com::SetResult(result, Variant::Text(tag_));
                return S_OK;
            default:
                return DISP_E_MEMBERNOTFOUND;
        }
    }
    std::wstring id_;
    std::wstring tag_;
    com::ComPtr<IDispatch> context_;
};

// Late-bound reads of the XML document object.
Variant Read(IDispatch* object, const wchar_t* name, std::vector<Variant> args = {}) {
    Variant result;
    com::InvokeByName(object, name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, args, &result);
    return result;
}

std::wstring ReadText(IDispatch* object, const wchar_t* name) {
    std::wstring text;
    Read(object, name).ToText(text);
    return text;
}

long ReadLong(IDispatch* object, const wchar_t* name) {
    long value = 0;
    Read(object, name).ToInt(value);
    return value;
}

// The items of a node list or attribute map.
std::vector<com::ComPtr<IDispatch>> Items(IDispatch* list) {
    std::vector<com::ComPtr<IDispatch>> items;
    const long count = ReadLong(list, L"length");
    for (long i = 0; i < count; ++i) {
        if (auto item = Read(list, L"item", {Variant::Int(i)}).ToObject()) {
            items.push_back(item);
        }
    }
    return items;
}

constexpr long kElementNode = 1;

// Appends the element and everything below it, in document order.
void ReadElements(IDispatch* node, const std::wstring& parentId, int parent,
                  std::vector<RibbonElement>& out) {
    RibbonElement element;
    element.kind = ReadText(node, L"baseName");
    element.parentId = parentId;
    element.parent = parent;
    if (auto attributes = Read(node, L"attributes").ToObject()) {
        for (const auto& a : Items(attributes.Get())) {
            const std::wstring name = ReadText(a.Get(), L"nodeName");
            if (name != L"xmlns" && name.rfind(L"xmlns:", 0) != 0) {
                element.attributes.emplace_back(name, ReadText(a.Get(), L"text"));
            }
        }
    }
    element.id = element.Attribute(L"id");
    const std::wstring childParent = element.id.empty() ? parentId : element.id;
    const int index = static_cast<int>(out.size());
    out.push_back(std::move(element));
    if (auto children = Read(node, L"childNodes").ToObject()) {
        for (const auto& c : Items(children.Get())) {
            if (ReadLong(c.Get(), L"nodeType") == kElementNode) {
                ReadElements(c.Get(), childParent, index, out);
            }
        }
    }
}

// The custom-UI document's elements; empty when it is not one Office would load: not XML, not a
// customUI root in a custom-UI namespace, or with an id given twice.
std::vector<RibbonElement> ParseCustomUi(const std::wstring& xml) {
    com::ComPtr<IDispatch> doc;
    if (FAILED(CoCreateInstance(kDomDocument, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                reinterpret_cast<void**>(doc.Put())))) {
        return {};
    }
    com::InvokeByName(doc.Get(), L"async", DISPATCH_PROPERTYPUT, {Variant::Bool(false)}, nullptr);
    bool loaded = false;
    if (!Read(doc.Get(), L"loadXML", {Variant::Text(xml)}).ToBool(loaded) || !loaded) {
        return {};
    }
    auto root = Read(doc.Get(), L"documentElement").ToObject();
    const std::wstring ns = root ? ReadText(root.Get(), L"namespaceURI") : std::wstring();
    if (!root || ReadText(root.Get(), L"baseName") != L"customUI" ||
        (ns != office::kCustomUiNamespace && ns != kCustomUi2006)) {
        return {};
    }
    std::vector<RibbonElement> elements;
    ReadElements(root.Get(), L"", -1, elements);
    std::set<std::wstring> ids;
    for (const auto& e : elements) {
        if (!e.id.empty() && !ids.insert(e.id).second) {
            return {};
        }
    }
    return elements;
}

// A size in hundredths of a millimetre (a picture's own unit) in screen pixels.
SIZE PixelsOf(long width, long height) {
    constexpr int kHimetricPerInch = 2540;
    const HDC screen = GetDC(nullptr);
    const SIZE size{MulDiv(width, GetDeviceCaps(screen, LOGPIXELSX), kHimetricPerInch),
                    MulDiv(height, GetDeviceCaps(screen, LOGPIXELSY), kHimetricPerInch)};
    ReleaseDC(nullptr, screen);
    return size;
}

}  // namespace

std::wstring RibbonElement::Attribute(const std::wstring& name) const {
    for (const auto& [n, v] : attributes) {
        if (n == name) {
            return v;
        }
    }
    return {};
}

bool RibbonElement::Has(const std::wstring& name) const {
    return std::any_of(attributes.begin(), attributes.end(),
                       [&](const auto& a) { return a.first == name; });
}

RibbonHost::RibbonHost(IDispatch* application) : application_(application) {}

RibbonHost::~RibbonHost() = default;

bool RibbonHost::Load(IUnknown* addin, const std::wstring& ribbonId) {
    xml_.clear();
    elements_.clear();
    ribbon_.Reset();
    onLoadCalled_ = false;
    com::ComPtr<IRibbonExtensibility> extensibility;
    if (!addin || FAILED(addin->QueryInterface(__uuidof(IRibbonExtensibility),
                                               reinterpret_cast<void**>(extensibility.Put())))) {
        return false;
    }
    addin->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(addin_.Put()));
    com::Bstr xml;
    if (FAILED(extensibility->GetCustomUI(com::Bstr(ribbonId).Get(), xml.Put()))) {
        return false;
    }
    xml_ = xml.Text();
    elements_ = xml_.empty() ? std::vector<RibbonElement>() : ParseCustomUi(xml_);
    if (elements_.empty()) {
        return false;
    }
    const std::wstring onLoad = elements_.front().Attribute(L"onLoad");
    DISPID id = DISPID_UNKNOWN;
    if (!onLoad.empty() && SUCCEEDED(com::DispIdOf(addin_.Get(), onLoad, id))) {
        ribbon_ = com::Make<RibbonUI>();
        IRibbonUI* ribbon = ribbon_.Get();
        onLoadCalled_ = SUCCEEDED(
            com::Invoke(addin_.Get(), id, DISPATCH_METHOD, {Variant::Object(ribbon)}, nullptr));
    }
    return true;
}

bool RibbonHost::HasBackstage() const {
    return std::any_of(elements_.begin(), elements_.end(),
                       [](const RibbonElement& e) { return e.kind == L"backstage"; });
}

const RibbonElement* RibbonHost::Find(const std::wstring& id) const {
    const auto found = std::find_if(elements_.begin(), elements_.end(),
                                    [&](const RibbonElement& e) { return e.id == id; });
    return found == elements_.end() ? nullptr : &*found;
}

std::vector<std::wstring> RibbonHost::IdsOf(const std::wstring& kind) const {
    std::vector<std::wstring> ids;
    for (const auto& e : elements_) {
        if (e.kind == kind && !e.id.empty()) {
            ids.push_back(e.id);
        }
    }
    return ids;
}

std::vector<const RibbonElement*> RibbonHost::Children(const RibbonElement& parent) const {
    const int index = static_cast<int>(&parent - elements_.data());
    std::vector<const RibbonElement*> children;
    for (const auto& e : elements_) {
        if (e.parent == index) {
            children.push_back(&e);
        }
    }
    return children;
}

com::ComPtr<IDispatch> RibbonHost::ControlFor(const RibbonElement& element) {
    // The control's context is the window the backstage view belongs to.
    constexpr DISPID kActiveWindow = 5003;
    Variant window;
    com::Invoke(application_.Get(), kActiveWindow, DISPATCH_PROPERTYGET, {}, &window);
    auto control =
        com::Make<RibbonControl>(element.id, element.Attribute(L"tag"), window.ToObject());
    IRibbonControl* dual = control.Get();
    return com::ComPtr<IDispatch>(dual);
}

bool RibbonHost::CallGetter(const RibbonElement& element, const std::wstring& callback,
                            Variant& result) {
    const std::wstring name = element.Attribute(callback);
    DISPID id = DISPID_UNKNOWN;
    if (name.empty() || FAILED(com::DispIdOf(addin_.Get(), name, id))) {
        return false;
    }
    const auto control = ControlFor(element);
    // The form that returns the value: Function GetLabel(control) As String.
    HRESULT hr =
        com::Invoke(addin_.Get(), id, DISPATCH_METHOD, {Variant::Object(control.Get())}, &result);
    if (hr == DISP_E_BADPARAMCOUNT) {
        // The form with an out argument: Sub GetLabel(control, ByRef label).
        Variant slot;
        Variant byRef;
        byRef.Get()->vt = VT_VARIANT | VT_BYREF;
        byRef.Get()->pvarVal = slot.Get();
        hr = com::Invoke(addin_.Get(), id, DISPATCH_METHOD, {Variant::Object(control.Get()), byRef},
                         nullptr);
        result = slot;
    }
    return SUCCEEDED(hr);
}

std::wstring RibbonHost::Text(const std::wstring& id, const std::wstring& callback,
                              const std::wstring& literal) {
    const RibbonElement* e = Find(id);
    if (!e) {
        return {};
    }
    if (!e->Has(callback)) {
        return e->Attribute(literal);
    }
    Variant value;
    std::wstring text;
    return CallGetter(*e, callback, value) && value.ToText(text) ? text : std::wstring();
}

std::wstring RibbonHost::Label(const std::wstring& id) {
    return Text(id, L"getLabel", L"label");
}

std::wstring RibbonHost::Description(const std::wstring& id) {
    return Text(id, L"getDescription", L"description");
}

RibbonImage RibbonHost::Image(const std::wstring& id) {
    RibbonImage image;
    const RibbonElement* e = Find(id);
    if (!e) {
        return image;
    }
    image.imageMso = e->Attribute(L"imageMso");
    Variant value;
    if (!e->Has(L"getImage") || !CallGetter(*e, L"getImage", value)) {
        return image;
    }
    const VARIANT* v = value.Get();
    IUnknown* object = v->vt == VT_DISPATCH  ? v->pdispVal
                       : v->vt == VT_UNKNOWN ? v->punkVal
                                             : nullptr;
    if (!object || FAILED(object->QueryInterface(IID_IPicture,
                                                 reinterpret_cast<void**>(image.object.Put())))) {
        return image;
    }
    image.picture = image.object->get_Type(&image.pictureType) == S_OK;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    image.object->get_Width(&width);
    image.object->get_Height(&height);
    image.size = PixelsOf(width, height);
    return image;
}

bool RibbonHost::Click(const std::wstring& id) {
    const RibbonElement* e = Find(id);
    DISPID dispId = DISPID_UNKNOWN;
    if (!e || !e->Has(L"onAction") ||
        FAILED(com::DispIdOf(addin_.Get(), e->Attribute(L"onAction"), dispId))) {
        return false;
    }
    const auto control = ControlFor(*e);
    // Office holds the add-in while it calls it: the action may unload the add-in, and this
    // ribbon with it.
    const com::ComPtr<IDispatch> addin = addin_;
    return SUCCEEDED(com::Invoke(addin.Get(), dispId, DISPATCH_METHOD,
                                 {Variant::Object(control.Get())}, nullptr));
}

int RibbonHost::InvalidateCount() const {
    return ribbon_ ? ribbon_->invalidated : 0;
}

std::vector<std::wstring> RibbonHost::InvalidatedControls() const {
    return ribbon_ ? ribbon_->invalidatedControls : std::vector<std::wstring>();
}

}  // namespace morvane::standin
