#include "standin/ObjectModel_win.h"

#include <oleauto.h>

#include <algorithm>

#include "shared/Office_win.h"

namespace morvane::standin {

namespace {

bool IsPut(WORD flags) {
    return (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
}

// Reads an argument as the given type; false when it cannot be converted.
bool ReadArg(const VARIANT* arg, VARTYPE type, VARIANT& out) {
    VariantInit(&out);
    return arg && SUCCEEDED(VariantChangeType(&out, const_cast<VARIANT*>(arg), 0, type));
}

bool ReadBool(const VARIANT* arg, bool& out) {
    VARIANT v;
    if (!ReadArg(arg, VT_BOOL, v)) {
        return false;
    }
    out = v.boolVal != VARIANT_FALSE;
    return true;
}

bool ReadText(const VARIANT* arg, std::wstring& out) {
    VARIANT v;
    if (!ReadArg(arg, VT_BSTR, v)) {
        return false;
    }
    out = v.bstrVal ? std::wstring(v.bstrVal, SysStringLen(v.bstrVal)) : std::wstring();
    VariantClear(&v);
    return true;
}

HRESULT ReturnText(VARIANT* result, const std::wstring& text) {
    if (result) {
        result->vt = VT_BSTR;
        result->bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    }
    return S_OK;
}

HRESULT ReturnBool(VARIANT* result, bool value) {
    if (result) {
        result->vt = VT_BOOL;
        result->boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    }
    return S_OK;
}

HRESULT ReturnInt(VARIANT* result, long value) {
    if (result) {
        result->vt = VT_I4;
        result->lVal = value;
    }
    return S_OK;
}

// Nothing (a null object) is a valid answer, as Project gives when there is no active window.
HRESULT ReturnObject(VARIANT* result, IDispatch* object) {
    if (result) {
        result->vt = VT_DISPATCH;
        result->pdispVal = object;
        if (object) {
            object->AddRef();
        }
    }
    return S_OK;
}

// A Boolean property: get answers `value`, put hands the new value to `set`.
template <typename Set>
HRESULT BoolProperty(WORD flags, const std::vector<VARIANT*>& args, VARIANT* result, bool value,
                     Set&& set) {
    if (!IsPut(flags)) {
        return ReturnBool(result, value);
    }
    bool on = false;
    if (args.empty() || !ReadBool(args.back(), on)) {
        return DISP_E_TYPEMISMATCH;
    }
    set(on);
    return S_OK;
}

// The enumerator of a collection: a snapshot of its items when the enumeration began.
class EnumVariant : public IEnumVARIANT {
  public:
    explicit EnumVariant(std::vector<com::ComPtr<IDispatch>> items, ULONG next = 0)
        : items_(std::move(items)), next_(next) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) {
            return E_POINTER;
        }
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IEnumVARIANT)) {
            *out = static_cast<IEnumVARIANT*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --refs_;
        if (left == 0) {
            delete this;
        }
        return left;
    }
    STDMETHODIMP Next(ULONG count, VARIANT* out, ULONG* fetched) override {
        if (!out) {
            return E_POINTER;
        }
        ULONG n = 0;
        for (; n < count && next_ < items_.size(); ++n, ++next_) {
            VariantInit(&out[n]);
            ReturnObject(&out[n], items_[next_].Get());
        }
        if (fetched) {
            *fetched = n;
        }
        return n == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override {
        next_ = std::min<std::size_t>(items_.size(), next_ + count);
        return next_ < items_.size() ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override {
        next_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumVARIANT** out) override {
        if (!out) {
            return E_POINTER;
        }
        *out = new EnumVariant(items_, static_cast<ULONG>(next_));
        return S_OK;
    }

  private:
    virtual ~EnumVariant() = default;
    std::vector<com::ComPtr<IDispatch>> items_;
    std::size_t next_;
    ULONG refs_ = 1;
};

}  // namespace

ApplicationObject::ApplicationObject(std::shared_ptr<HostLink> link)
    : EventSource(MembersOf(ObjectKind::Application), office::IID_EProjectApp2),
      link_(std::move(link)) {}

HRESULT ApplicationObject::Call(DISPID id, WORD flags, const std::vector<VARIANT*>& args,
                                VARIANT* result) {
    Host* host = link_->host;
    if (!host) {
        return RPC_E_DISCONNECTED;
    }
    if (const HRESULT hr = host->Enter(ObjectKind::Application, id); FAILED(hr)) {
        return hr;
    }
    const auto active = host->ActiveDocument();
    switch (id) {
        case appid::Name:
            return ReturnText(result, L"Microsoft Project");
        case appid::Projects:
            return ReturnObject(result,
                                com::Make<CollectionObject>(link_, ObjectKind::Projects).Get());
        case appid::Windows:
            return ReturnObject(result,
                                com::Make<CollectionObject>(link_, ObjectKind::Windows).Get());
        case appid::ActiveProject:
            return ReturnObject(result, active ? active->projectObject.Get() : nullptr);
        case appid::ActiveWindow:
            return ReturnObject(result, active ? active->windowObject.Get() : nullptr);
        case appid::Visible:
            return BoolProperty(flags, args, result, host->State(),
                                [host](bool on) { host->SetState(on); });
        case appid::PathSeparator:
            return ReturnText(result, L"\\");
        case appid::Version:
            return ReturnText(result, host->Options().version);
        case appid::CommandBars:
            return ReturnObject(result, &host->CommandBars());
        case appid::ScreenUpdating:
            return BoolProperty(flags, args, result, host->ScreenUpdating(),
                                [host](bool on) { host->SetScreenUpdating(on); });
        case appid::DisplayAlerts:
            return BoolProperty(flags, args, result, host->Alerts(),
                                [host](bool on) { host->SetAlerts(on); });
        case appid::ShowWindowsInTaskbar:
            return BoolProperty(flags, args, result, host->ShowWindowsInTaskbar(),
                                [host](bool on) { host->SetShowWindowsInTaskbar(on); });
        case appid::FileNew:
            return host->NewProject();
        case appid::FileSave:
            return host->SaveActive();
        case appid::FileSaveAs:
            return host->ShowSaveAs();
        case appid::FileOpen:
            return host->ShowOpen();
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

CollectionObject::CollectionObject(std::shared_ptr<HostLink> link, ObjectKind kind,
                                   std::weak_ptr<Document> project)
    : DispatchObject(MembersOf(kind)),
      link_(std::move(link)),
      kind_(kind),
      project_(std::move(project)) {}

std::vector<DocumentPtr> CollectionObject::Items(const Host& host) const {
    if (kind_ != ObjectKind::ProjectWindows) {
        return host.Documents();
    }
    const auto project = project_.lock();
    if (!project || project->closing) {
        return {};
    }
    return {project};
}

HRESULT CollectionObject::Call(DISPID id, WORD, const std::vector<VARIANT*>& args,
                               VARIANT* result) {
    Host* host = link_->host;
    if (!host) {
        return RPC_E_DISCONNECTED;
    }
    if (const HRESULT hr = host->Enter(kind_, id); FAILED(hr)) {
        return hr;
    }
    const auto docs = Items(*host);
    const auto objectOf = [this](const Document& doc) {
        return kind_ == ObjectKind::Projects ? doc.projectObject : doc.windowObject;
    };
    switch (id) {
        case collectionid::Count:
            return ReturnInt(result, static_cast<long>(docs.size()));
        case collectionid::NewEnum: {
            std::vector<com::ComPtr<IDispatch>> items;
            for (const auto& doc : docs) {
                items.push_back(objectOf(*doc));
            }
            if (result) {
                result->vt = VT_UNKNOWN;
                result->punkVal = new EnumVariant(std::move(items));
            }
            return S_OK;
        }
        case collectionid::Item: {
            if (args.empty()) {
                return DISP_E_BADPARAMCOUNT;
            }
            const VARIANT* arg = args[0];
            const VARTYPE type = arg->vt & ~VT_BYREF;
            if (type == VT_BSTR || (type == VT_VARIANT && arg->pvarVal->vt == VT_BSTR)) {
                std::wstring key;
                ReadText(arg, key);
                // Windows are found by caption, projects by name: both are the project's name.
                for (const auto& doc : docs) {
                    if (_wcsicmp(doc->name.c_str(), key.c_str()) == 0) {
                        return ReturnObject(result, objectOf(*doc).Get());
                    }
                }
                return DISP_E_BADINDEX;
            }
            VARIANT index;
            if (!ReadArg(arg, VT_I4, index)) {
                return DISP_E_TYPEMISMATCH;
            }
            if (index.lVal < 1 || index.lVal > static_cast<long>(docs.size())) {
                return DISP_E_BADINDEX;
            }
            return ReturnObject(result, objectOf(*docs[index.lVal - 1]).Get());
        }
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

DocumentObject::DocumentObject(std::shared_ptr<HostLink> link, std::weak_ptr<Document> doc,
                               ObjectKind kind)
    : DispatchObject(MembersOf(kind)), link_(std::move(link)), doc_(std::move(doc)), kind_(kind) {}

HRESULT DocumentObject::Call(DISPID id, WORD flags, const std::vector<VARIANT*>& args,
                             VARIANT* result) {
    Host* host = link_->host;
    const auto doc = doc_.lock();
    if (!host || !doc) {
        return RPC_E_DISCONNECTED;  // the project was closed
    }
    if (const HRESULT hr = host->Enter(kind_, id); FAILED(hr)) {
        return hr;
    }
    return kind_ == ObjectKind::Window ? WindowCall(*host, *doc, id, flags, args, result)
                                       : ProjectCall(*host, *doc, id, flags, args, result);
}

HRESULT DocumentObject::WindowCall(Host& host, Document& doc, DISPID id, WORD flags,
                                   const std::vector<VARIANT*>& args, VARIANT* result) {
    switch (id) {
        case windowid::Caption:
            return ReturnText(result, doc.name);
        case windowid::Visible:
            return BoolProperty(flags, args, result, IsWindowVisible(doc.window) != FALSE,
                                [&](bool on) { host.SetWindowVisible(doc.name, on); });
        case windowid::Parent:
            // Project's own documentation names the Application or a windows collection.
            if (host.Options().windowParentIsProject) {
                return ReturnObject(result, doc.projectObject.Get());
            }
            return ReturnObject(result,
                                com::Make<CollectionObject>(link_, ObjectKind::Windows).Get());
        case windowid::Activate:
            return host.ActivateDocument(doc) ? S_OK : E_FAIL;
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT DocumentObject::ProjectCall(Host& host, Document& doc, DISPID id, WORD flags,
                                    const std::vector<VARIANT*>& args, VARIANT* result) {
    switch (id) {
        case projectid::Name:
            return ReturnText(result, doc.name);
        case projectid::Path:
            return ReturnText(result, doc.folder);
        case projectid::FullName:
            return ReturnText(result, doc.FullName());
        case projectid::Saved:
            return BoolProperty(flags, args, result, doc.saved, [&](bool on) { doc.saved = on; });
        case projectid::Windows:
            return ReturnObject(
                result, com::Make<CollectionObject>(link_, ObjectKind::ProjectWindows, doc_).Get());
        case projectid::Activate:
            return host.ActivateDocument(doc) ? S_OK : E_FAIL;
        case projectid::SaveAs: {
            std::wstring fullName;
            if (args.empty() || !ReadText(args[0], fullName) || fullName.empty()) {
                return DISP_E_TYPEMISMATCH;
            }
            return host.SaveDocumentAs(doc, fullName);
        }
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

EventInfoObject::EventInfoObject() : DispatchObject(MembersOf(ObjectKind::EventInfo)) {}

HRESULT EventInfoObject::Call(DISPID id, WORD flags, const std::vector<VARIANT*>& args,
                              VARIANT* result) {
    if (id != eventinfoid::Cancel) {
        return DISP_E_MEMBERNOTFOUND;
    }
    return BoolProperty(flags, args, result, cancel, [this](bool on) { cancel = on; });
}

}  // namespace morvane::standin
