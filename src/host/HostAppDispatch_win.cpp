#include "host/HostAppDispatch_win.h"

#include "shared/HostDispIds.h"
#include "shared/Trace.h"

namespace morvane {

namespace {

constexpr WORD kGet = DISPATCH_PROPERTYGET | DISPATCH_METHOD;

// One member's value, or no value when the call fails. `call` names the member in the trace of a
// failure, as "Object.Member".
std::optional<com::Variant> Get(IDispatch* object, long id, const wchar_t* call,
                                std::vector<com::Variant> args = {}) {
    com::Variant result;
    if (!object || FAILED(com::Invoke(object, id, kGet, args, &result, call))) {
        return std::nullopt;
    }
    return result;
}

std::optional<com::Variant> GetByName(IDispatch* object, const wchar_t* name) {
    com::Variant result;
    if (!object || FAILED(com::InvokeByName(object, name, kGet, {}, &result))) {
        return std::nullopt;
    }
    return result;
}

std::optional<std::wstring> AsText(const std::optional<com::Variant>& v) {
    std::wstring text;
    if (!v || !v->ToText(text)) {
        return std::nullopt;
    }
    return text;
}

std::optional<bool> AsBool(const std::optional<com::Variant>& v) {
    bool value = false;
    if (!v || !v->ToBool(value)) {
        return std::nullopt;
    }
    return value;
}

com::ComPtr<IDispatch> AsObject(const std::optional<com::Variant>& v) {
    return v ? v->ToObject() : nullptr;
}

bool Put(IDispatch* object, long id, const wchar_t* call, bool value) {
    return object && SUCCEEDED(com::Invoke(object, id, DISPATCH_PROPERTYPUT,
                                           {com::Variant::Bool(value)}, nullptr, call));
}

bool Run(IDispatch* object, long id, const wchar_t* call, std::vector<com::Variant> args = {}) {
    return object && SUCCEEDED(com::Invoke(object, id, DISPATCH_METHOD, args, nullptr, call));
}

bool RunByName(IDispatch* object, const wchar_t* name) {
    return object && SUCCEEDED(com::InvokeByName(object, name, DISPATCH_METHOD, {}, nullptr));
}

// The items of a collection through its enumerator; no value when there is no enumerator. An
// enumerator that fails part-way gives the items reached.
std::optional<std::vector<com::ComPtr<IDispatch>>> Enumerate(IDispatch* collection) {
    const auto value = Get(collection, collectionid::NewEnum, L"Collection._NewEnum");
    if (!value) {
        return std::nullopt;
    }
    const VARIANT* v = value->Get();
    IUnknown* unknown = v->vt == VT_UNKNOWN    ? v->punkVal
                        : v->vt == VT_DISPATCH ? v->pdispVal
                                               : nullptr;
    if (!unknown) {
        return std::nullopt;
    }
    com::ComPtr<IEnumVARIANT> items;
    if (const HRESULT hr =
            unknown->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(items.Put()));
        FAILED(hr)) {
        TraceFailure(L"QueryInterface(IEnumVARIANT) of a collection's enumerator", hr);
        return std::nullopt;
    }
    std::vector<com::ComPtr<IDispatch>> result;
    for (;;) {
        com::Variant item;
        ULONG fetched = 0;
        const HRESULT hr = items->Next(1, item.Get(), &fetched);
        if (FAILED(hr)) {
            TraceFailure(L"IEnumVARIANT::Next", hr);
        }
        if (hr != S_OK || fetched != 1) {
            break;
        }
        if (auto object = item.ToObject()) {
            result.push_back(object);
        }
    }
    return result;
}

class ProjectDispatch : public HostProject {
  public:
    explicit ProjectDispatch(com::ComPtr<IDispatch> project) : p_(std::move(project)) {}

    std::optional<std::wstring> Name() const override {
        return AsText(Get(p_.Get(), projectid::Name, L"Project.Name"));
    }
    std::optional<std::wstring> Path() const override {
        return AsText(Get(p_.Get(), projectid::Path, L"Project.Path"));
    }
    std::optional<std::wstring> FullName() const override {
        return AsText(GetByName(p_.Get(), L"FullName"));
    }
    std::optional<bool> Saved() const override { return AsBool(GetByName(p_.Get(), L"Saved")); }
    bool Activate() override { return Run(p_.Get(), projectid::Activate, L"Project.Activate"); }
    HostResult SaveAs(const std::wstring& fullName) override {
        HostResult result;
        result.ok = SUCCEEDED(com::InvokeDescribed(p_.Get(), projectid::SaveAs, DISPATCH_METHOD,
                                                   {com::Variant::Text(fullName)}, nullptr,
                                                   result.error, L"Project.SaveAs"));
        return result;
    }

  private:
    com::ComPtr<IDispatch> p_;
};

// Whether two references are one COM object: their IUnknown pointers are equal.
bool SameObject(IDispatch* a, IDispatch* b) {
    com::ComPtr<IUnknown> first, second;
    return a && b &&
           SUCCEEDED(a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(first.Put()))) &&
           SUCCEEDED(b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(second.Put()))) &&
           first.Get() == second.Get();
}

// A window's project. Where the window's Parent is a project (it has a FullName) that is it;
// otherwise (Project's Parent is the Application or a windows collection) it is the project
// whose own windows hold this very window, else the first whose own windows hold one of the
// same caption: two projects of one name from two folders have windows of one caption.
// `certain` tells whether the window itself named its project (not only its caption).
com::ComPtr<IDispatch> ProjectOfWindow(IDispatch* app, IDispatch* window, bool& certain) {
    certain = true;
    auto parent = AsObject(Get(window, windowid::Parent, L"Window.Parent"));
    if (parent && GetByName(parent.Get(), L"FullName")) {
        return parent;
    }
    const auto caption = AsText(Get(window, windowid::Caption, L"Window.Caption"));
    const auto projects =
        Enumerate(AsObject(Get(app, appid::Projects, L"Application.Projects")).Get());
    if (!caption || !projects) {
        return nullptr;
    }
    com::ComPtr<IDispatch> byCaption;
    for (const auto& project : *projects) {
        const auto windows =
            Enumerate(AsObject(Get(project.Get(), projectid::Windows, L"Project.Windows")).Get());
        for (const auto& own : windows.value_or(std::vector<com::ComPtr<IDispatch>>{})) {
            if (SameObject(own.Get(), window)) {
                return project;
            }
            if (!byCaption &&
                AsText(Get(own.Get(), windowid::Caption, L"Window.Caption")) == caption) {
                byCaption = project;
            }
        }
    }
    certain = false;
    return byCaption;
}

class WindowDispatch : public HostWindow {
  public:
    WindowDispatch(com::ComPtr<IDispatch> app, com::ComPtr<IDispatch> window)
        : app_(std::move(app)), w_(std::move(window)) {}

    std::optional<std::wstring> Caption() const override {
        return AsText(Get(w_.Get(), windowid::Caption, L"Window.Caption"));
    }
    std::optional<bool> Visible() const override {
        return AsBool(Get(w_.Get(), windowid::Visible, L"Window.Visible"));
    }
    // A window belongs to one project for its life, so once the window named it, it is kept:
    // the search walks every project's windows, and the tabs ask at every refresh.
    HostProjectPtr Project() const override {
        if (project_) {
            return HostProjectOf(project_);
        }
        bool certain = false;
        auto project = ProjectOfWindow(app_.Get(), w_.Get(), certain);
        if (certain) {
            project_ = project;
        }
        return HostProjectOf(std::move(project));
    }
    // By name: Project documents a Window's Activate, but not its dispatch id.
    bool Activate() override { return RunByName(w_.Get(), L"Activate"); }

  private:
    com::ComPtr<IDispatch> app_;
    com::ComPtr<IDispatch> w_;
    mutable com::ComPtr<IDispatch> project_;
};

// Each item of an application collection, wrapped.
template <typename Ptr, typename Wrap>
std::optional<std::vector<Ptr>> Items(IDispatch* app, long collection, const wchar_t* call,
                                      Wrap wrap) {
    const auto items = Enumerate(AsObject(Get(app, collection, call)).Get());
    if (!items) {
        return std::nullopt;
    }
    std::vector<Ptr> result;
    for (const auto& item : *items) {
        result.push_back(wrap(item));
    }
    return result;
}

}  // namespace

HostProjectPtr HostProjectOf(com::ComPtr<IDispatch> project) {
    return project ? std::make_shared<ProjectDispatch>(std::move(project)) : nullptr;
}

HostWindowPtr HostWindowOf(com::ComPtr<IDispatch> application, com::ComPtr<IDispatch> window) {
    return window ? std::make_shared<WindowDispatch>(std::move(application), std::move(window))
                  : nullptr;
}

HostAppDispatch::HostAppDispatch(com::ComPtr<IDispatch> application)
    : app_(std::move(application)) {}

std::optional<std::vector<HostProjectPtr>> HostAppDispatch::Projects() const {
    return Items<HostProjectPtr>(app_.Get(), appid::Projects, L"Application.Projects",
                                 HostProjectOf);
}

std::optional<int> HostAppDispatch::WindowCount() const {
    const auto count = Get(AsObject(Get(app_.Get(), appid::Windows, L"Application.Windows")).Get(),
                           collectionid::Count, L"Windows.Count");
    long n = 0;
    if (!count || !count->ToInt(n)) {
        return std::nullopt;
    }
    return static_cast<int>(n);
}

std::optional<std::vector<HostWindowPtr>> HostAppDispatch::Windows() const {
    return Items<HostWindowPtr>(app_.Get(), appid::Windows, L"Application.Windows",
                                [this](com::ComPtr<IDispatch> w) { return HostWindowOf(app_, w); });
}

HostWindowPtr HostAppDispatch::WindowByCaption(const std::wstring& caption) const {
    const auto windows = AsObject(Get(app_.Get(), appid::Windows, L"Application.Windows"));
    return HostWindowOf(app_, AsObject(Get(windows.Get(), collectionid::Item, L"Windows.Item",
                                           {com::Variant::Text(caption)})));
}

HostProjectPtr HostAppDispatch::ActiveProject() const {
    return HostProjectOf(
        AsObject(Get(app_.Get(), appid::ActiveProject, L"Application.ActiveProject")));
}

HostWindowPtr HostAppDispatch::ActiveWindow() const {
    return HostWindowOf(
        app_, AsObject(Get(app_.Get(), appid::ActiveWindow, L"Application.ActiveWindow")));
}

std::optional<bool> HostAppDispatch::State() const {
    return AsBool(Get(app_.Get(), appid::Visible, L"Application.Visible"));
}

std::optional<std::wstring> HostAppDispatch::PathSeparator() const {
    return AsText(Get(app_.Get(), appid::PathSeparator, L"Application.PathSeparator"));
}

std::optional<std::wstring> HostAppDispatch::Version() const {
    return AsText(Get(app_.Get(), appid::Version, L"Application.Version"));
}

std::optional<std::wstring> HostAppDispatch::Name() const {
    return AsText(Get(app_.Get(), appid::Name, L"Application.Name"));
}

bool HostAppDispatch::SetAlerts(bool on) {
    return Put(app_.Get(), appid::DisplayAlerts, L"Application.DisplayAlerts", on);
}

std::optional<bool> HostAppDispatch::ShowWindowsInTaskbar() const {
    return AsBool(
        Get(app_.Get(), appid::ShowWindowsInTaskbar, L"Application.ShowWindowsInTaskbar"));
}

bool HostAppDispatch::SetShowWindowsInTaskbar(bool on) {
    return Put(app_.Get(), appid::ShowWindowsInTaskbar, L"Application.ShowWindowsInTaskbar", on);
}

bool HostAppDispatch::FileNew() {
    return Run(app_.Get(), appid::FileNew, L"Application.FileNew");
}

bool HostAppDispatch::FileSave() {
    return Run(app_.Get(), appid::FileSave, L"Application.FileSave");
}

bool HostAppDispatch::FileSaveAs() {
    return Run(app_.Get(), appid::FileSaveAs, L"Application.FileSaveAs");
}

bool HostAppDispatch::FileOpen() {
    return Run(app_.Get(), appid::FileOpen, L"Application.FileOpenEx");
}

}  // namespace morvane
