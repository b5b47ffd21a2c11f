#include "standin/CommandBars_win.h"

#include <algorithm>
#include <set>
#include <type_traits>

#include "shared/Office_win.h"
#include "shared/DispatchArgs_win.h"

namespace morvane::standin {

namespace {

// Every member of every command-bar object, with one dispatch id each, so that a member can be
// told to fail by its name wherever it is called.
enum BarMember : DISPID {
    kItem = DISPID_VALUE,
    kCount = 1,
    kAdd,
    kFindControl,
    kDelete,
    kName,
    kControls,
    kEnabled,
    kVisible,
    kShowPopup,
    kPosition,
    kCaption,
    kTag,
    kParameter,
    kFaceId,
    kBeginGroup,
    kState,
    kExecute,
    kId,
    kType,
    kIndex,
};

const std::vector<com::Member>& AllMembers() {
    static const std::vector<com::Member> all = {
        {L"Item", kItem},
        {L"Count", kCount},
        {L"Add", kAdd},
        {L"FindControl", kFindControl},
        {L"Delete", kDelete},
        {L"Name", kName},
        {L"Controls", kControls},
        {L"Enabled", kEnabled},
        {L"Visible", kVisible},
        {L"ShowPopup", kShowPopup},
        {L"Position", kPosition},
        {L"Caption", kCaption},
        {L"Tag", kTag},
        {L"Parameter", kParameter},
        {L"FaceId", kFaceId},
        {L"BeginGroup", kBeginGroup},
        {L"State", kState},
        {L"Execute", kExecute},
        {L"Id", kId},
        {L"Type", kType},
        {L"Index", kIndex},
    };
    return all;
}

std::vector<com::Member> MembersOf(std::initializer_list<BarMember> ids) {
    std::vector<com::Member> members;
    for (const com::Member& m : AllMembers()) {
        if (std::find(ids.begin(), ids.end(), m.id) != ids.end()) {
            members.push_back(m);
        }
    }
    return members;
}

constexpr long msoBarMenuBar = 6;

// The host's built-in commands that a control can be created from by id.
struct BuiltIn {
    long id;
    long type;
    const wchar_t* caption;
};
constexpr BuiltIn kBuiltIns[] = {
    {kFileMenuId, msoControlPopup, L"&File"},
    {kToolsMenuId, msoControlPopup, L"&Tools"},
    {kNewCommandId, msoControlButton, L"&New..."},
    {23, msoControlButton, L"&Open..."},
    {106, msoControlButton, L"&Close"},
    {3, msoControlButton, L"&Save"},
    {522, msoControlButton, L"&Options..."},
};

const BuiltIn* FindBuiltIn(long id) {
    for (const BuiltIn& b : kBuiltIns) {
        if (b.id == id) {
            return &b;
        }
    }
    return nullptr;
}

}  // namespace

class Control;
class Controls;
class Bar;

// What every object of one set of command bars shares.
struct BarsContext {
    HWND mainWindow = nullptr;
    BuiltInCommand runBuiltIn;
    PopupMode mode = PopupMode::Record;
    long choice = 0;
    std::vector<PopupShown> popups;
    std::set<DISPID> failing;
    CommandBarsImpl* bars = nullptr;  // cleared when the collection goes
};

// A command-bar object whose members can be made to fail.
template <typename Base>
class BarObject : public Base {
  protected:
    template <typename... A>
    explicit BarObject(std::shared_ptr<BarsContext> context, A&&... baseArgs)
        : Base(std::forward<A>(baseArgs)...), context_(std::move(context)) {}

    HRESULT Call(DISPID id, WORD flags, const std::vector<VARIANT*>& args, VARIANT* result) final {
        if (context_->failing.count(id)) {
            return E_FAIL;
        }
        return CallMember(id, flags, args, result);
    }
    virtual HRESULT CallMember(DISPID id, WORD flags, const std::vector<VARIANT*>& args,
                               VARIANT* result) = 0;

    std::shared_ptr<BarsContext> context_;
};

// A control collection: of a bar, or of a popup control.
class Controls : public BarObject<com::DispatchObject> {
  public:
    explicit Controls(std::shared_ptr<BarsContext> context)
        : BarObject(std::move(context), MembersOf({kItem, kCount, kAdd})) {}
    ~Controls() override;

    com::ComPtr<Control> AddControl(long type, long id, bool temporary, long before);
    void Remove(Control* control);
    const std::vector<com::ComPtr<Control>>& Items() const { return items_; }
    long IndexOf(const Control* control) const;

  private:
    HRESULT CallMember(DISPID id, WORD flags, const std::vector<VARIANT*>& args,
                       VARIANT* result) override;
    std::vector<com::ComPtr<Control>> items_;
};

// A control: a button (with click events) or a popup holding controls of its own.
class Control : public BarObject<com::EventSource> {
  public:
    Control(std::shared_ptr<BarsContext> context, Controls* owner, long type, long id)
        : BarObject(context,
                    MembersOf({kCaption, kTag, kParameter, kFaceId, kBeginGroup, kState, kEnabled,
                               kVisible, kDelete, kExecute, kControls, kId, kType, kIndex}),
                    office::IID_CommandBarButtonEvents),
          owner_(owner) {
        info.type = type;
        info.id = id;
        if (type == msoControlPopup) {
            children_ = com::Make<Controls>(context);
        }
    }

    ControlInfo info;
    DeleteFault fault = DeleteFault::None;

    Controls* Children() const { return children_.Get(); }
    void Orphan() { owner_ = nullptr; }
    bool Deleted() const { return owner_ == nullptr; }
    IDispatch* Dispatch() {
        return static_cast<IDispatch*>(static_cast<com::DispatchObject*>(this));
    }
    // Raises Click on this control's sinks for a click on `clicked`.
    void RaiseClick(Control& clicked, VARIANT_BOOL* cancelDefault) {
        std::vector<com::Variant> args;
        args.push_back(com::Variant::Object(clicked.Dispatch()));
        args.push_back(com::Variant::BoolRef(cancelDefault));
        Fire(office::kCommandBarButtonClick, args);
    }

  private:
    HRESULT CallMember(DISPID id, WORD flags, const std::vector<VARIANT*>& args,
                       VARIANT* result) override;
    HRESULT Delete();

    Controls* owner_;
    com::ComPtr<Controls> children_;
};

// One command bar.
class Bar : public BarObject<com::DispatchObject> {
  public:
    Bar(std::shared_ptr<BarsContext> context, std::wstring name, long position, bool builtIn)
        : BarObject(context, MembersOf({kName, kControls, kEnabled, kVisible, kPosition, kShowPopup,
                                        kDelete, kIndex})),
          name(std::move(name)),
          position(position),
          builtIn(builtIn),
          controls_(com::Make<Controls>(context)) {}

    std::wstring name;
    long position;
    bool builtIn;
    bool enabled = true;
    bool visible = false;
    bool deleted = false;

    Controls& Items() { return *controls_.Get(); }
    IDispatch* Dispatch() { return static_cast<IDispatch*>(this); }

  private:
    HRESULT CallMember(DISPID id, WORD flags, const std::vector<VARIANT*>& args,
                       VARIANT* result) override;
    HRESULT ShowPopup(const std::vector<VARIANT*>& args);
    com::ComPtr<Controls> controls_;
};

class CommandBarsImpl {
  public:
    std::shared_ptr<BarsContext> context;
    std::vector<com::ComPtr<Bar>> bars;

    Bar* BarNamed(const std::wstring& name) const {
        for (const auto& b : bars) {
            if (com::SameText(b->name, name)) {
                return b.Get();
            }
        }
        return nullptr;
    }
    long IndexOf(const Bar* bar) const {
        for (std::size_t i = 0; i < bars.size(); ++i) {
            if (bars[i].Get() == bar) {
                return static_cast<long>(i + 1);
            }
        }
        return 0;
    }
    void RemoveBar(Bar* bar) {
        std::erase_if(bars, [&](const com::ComPtr<Bar>& b) { return b.Get() == bar; });
    }

    // Every control in search order: bar by bar, each popup's controls right after the popup.
    // `onlyVisible` skips hidden bars and controls (and what they hold).
    template <typename F>
    void ForEachControl(F&& visit, bool onlyVisible = false) const {
        const auto walk = [&](const auto& self, const Controls& controls) -> void {
            for (const auto& c : controls.Items()) {
                if (onlyVisible && !c->info.visible) {
                    continue;
                }
                visit(*c.Get());
                if (c->Children()) {
                    self(self, *c->Children());
                }
            }
        };
        for (const auto& b : bars) {
            if (!onlyVisible || b->visible) {
                walk(walk, b->Items());
            }
        }
    }

    Control* FindControl(long type, long id, const std::wstring* tag, bool onlyVisible) const {
        Control* found = nullptr;
        ForEachControl(
            [&](Control& c) {
                if (!found && (type == 0 || c.info.type == type) && (id == 0 || c.info.id == id) &&
                    (!tag || c.info.tag == *tag)) {
                    found = &c;
                }
            },
            onlyVisible);
        return found;
    }

    Control* ControlOf(IDispatch* dispatch) const {
        Control* found = nullptr;
        ForEachControl([&](Control& c) {
            if (c.Dispatch() == dispatch) {
                found = &c;
            }
        });
        return found;
    }

    // A click as Office makes it: Click on the clicked button and on every other button that
    // bears its Tag, all with the clicked control and one CancelDefault; then the built-in
    // command, unless a handler cancelled it.
    ClickResult Click(Control& clicked) const {
        ClickResult r;
        if (clicked.Deleted() || !clicked.info.enabled || clicked.info.type == msoControlPopup) {
            return r;
        }
        r.clicked = true;
        const com::ComPtr<Control> hold(&clicked);  // a handler may delete it
        std::vector<com::ComPtr<Control>> targets{hold};
        if (!clicked.info.tag.empty()) {
            ForEachControl([&](Control& c) {
                if (&c != &clicked && c.info.tag == clicked.info.tag) {
                    targets.emplace_back(&c);
                }
            });
        }
        VARIANT_BOOL cancel = VARIANT_FALSE;
        for (const auto& t : targets) {
            r.handlers += static_cast<int>(t->SinkCount());
            t->RaiseClick(clicked, &cancel);
        }
        r.cancelDefault = cancel != VARIANT_FALSE;
        if (!r.cancelDefault && FindBuiltIn(clicked.info.id) && context->runBuiltIn) {
            context->runBuiltIn(clicked.info.id);
        }
        return r;
    }

    HRESULT Add(const std::vector<VARIANT*>& args, VARIANT* result);
    HRESULT Item(const std::vector<VARIANT*>& args, VARIANT* result) const;
    HRESULT FindControl(const std::vector<VARIANT*>& args, VARIANT* result) const;
};

namespace {

std::vector<ControlInfo> Snapshot(const Controls& controls) {
    std::vector<ControlInfo> items;
    for (const auto& c : controls.Items()) {
        items.push_back(c->info);
    }
    return items;
}

// Gets or puts one plain property.
template <typename T>
HRESULT Property(WORD flags, const std::vector<VARIANT*>& args, VARIANT* result, T& field) {
    if (flags & DISPATCH_PROPERTYPUT) {
        const VARIANT* value = args.empty() ? nullptr : args.back();
        if constexpr (std::is_same_v<T, bool>) {
            return com::ArgBool(value, field) ? S_OK : DISP_E_TYPEMISMATCH;
        } else if constexpr (std::is_same_v<T, long>) {
            return com::ArgLong(value, field) ? S_OK : DISP_E_TYPEMISMATCH;
        } else {
            return com::ArgText(value, field) ? S_OK : DISP_E_TYPEMISMATCH;
        }
    }
    if constexpr (std::is_same_v<T, bool>) {
        com::SetResult(result, com::Variant::Bool(field));
    } else if constexpr (std::is_same_v<T, long>) {
        com::SetResult(result, com::Variant::Int(field));
    } else {
        com::SetResult(result, com::Variant::Text(field));
    }
    return S_OK;
}

// A control's plain properties by member.
template <typename T>
using Field = std::pair<BarMember, T ControlInfo::*>;
constexpr Field<std::wstring> kTextFields[] = {{kCaption, &ControlInfo::caption},
                                               {kTag, &ControlInfo::tag},
                                               {kParameter, &ControlInfo::parameter}};
constexpr Field<long> kLongFields[] = {{kFaceId, &ControlInfo::faceId},
                                       {kState, &ControlInfo::state}};
constexpr Field<bool> kBoolFields[] = {{kBeginGroup, &ControlInfo::beginGroup},
                                       {kEnabled, &ControlInfo::enabled},
                                       {kVisible, &ControlInfo::visible}};

// Gets or puts the field of `table` that member `id` names; false when it names none.
template <typename T, std::size_t N>
bool FieldProperty(const Field<T> (&table)[N], DISPID id, WORD flags,
                   const std::vector<VARIANT*>& args, VARIANT* result, ControlInfo& info,
                   HRESULT& hr) {
    for (const auto& [member, field] : table) {
        if (member == id) {
            hr = Property(flags, args, result, info.*field);
            return true;
        }
    }
    return false;
}

HRESULT ReadOnly(WORD flags) {
    return (flags & DISPATCH_PROPERTYPUT) ? DISP_E_MEMBERNOTFOUND : S_OK;
}

}  // namespace

// --- Controls ---

Controls::~Controls() {
    for (const auto& c : items_) {
        c->Orphan();
    }
}

com::ComPtr<Control> Controls::AddControl(long type, long id, bool temporary, long before) {
    auto control = com::Make<Control>(context_, this, type, id);
    control->info.temporary = temporary;
    if (const BuiltIn* b = FindBuiltIn(id)) {
        control->info.caption = b->caption;
    }
    const auto at = (before >= 1 && before <= static_cast<long>(items_.size()))
                        ? items_.begin() + (before - 1)
                        : items_.end();
    items_.insert(at, control);
    return control;
}

void Controls::Remove(Control* control) {
    const com::ComPtr<Control> hold(control);
    std::erase_if(items_, [&](const com::ComPtr<Control>& c) { return c.Get() == control; });
    control->Orphan();
}

long Controls::IndexOf(const Control* control) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].Get() == control) {
            return static_cast<long>(i + 1);
        }
    }
    return 0;
}

HRESULT Controls::CallMember(DISPID id, WORD flags, const std::vector<VARIANT*>& args,
                             VARIANT* result) {
    switch (id) {
        case kCount:
            com::SetResult(result, com::Variant::Int(static_cast<long>(items_.size())));
            return ReadOnly(flags);
        case kItem: {
            long index = 0;
            std::wstring caption;
            const VARIANT* which = com::ArgAt(args, 0);
            Control* found = nullptr;
            if (which && (which->vt == VT_BSTR || which->vt == (VT_BSTR | VT_BYREF)) &&
                com::ArgText(which, caption)) {
                for (const auto& c : items_) {
                    if (!found && com::SameText(c->info.caption, caption)) {
                        found = c.Get();
                    }
                }
            } else if (com::ArgLong(which, index) && index >= 1 &&
                       index <= static_cast<long>(items_.size())) {
                found = items_[index - 1].Get();
            }
            if (!found) {
                return DISP_E_BADINDEX;
            }
            com::SetResult(result, com::Variant::Object(found->Dispatch()));
            return S_OK;
        }
        case kAdd: {
            // Add(Type, Id, Parameter, Before, Temporary)
            long type = msoControlButton;
            long builtInId = 1;
            long before = 0;
            bool temporary = false;
            std::wstring parameter;
            com::ArgLong(com::ArgAt(args, 0), type);
            com::ArgLong(com::ArgAt(args, 1), builtInId);
            const bool hasParameter = com::ArgText(com::ArgAt(args, 2), parameter);
            com::ArgLong(com::ArgAt(args, 3), before);
            com::ArgBool(com::ArgAt(args, 4), temporary);
            if (type != msoControlButton && type != msoControlPopup) {
                return E_INVALIDARG;
            }
            if (builtInId != 1 && !FindBuiltIn(builtInId)) {
                return E_INVALIDARG;  // no such built-in command
            }
            auto control = AddControl(type, builtInId, temporary, before);
            if (hasParameter) {
                control->info.parameter = parameter;
            }
            com::SetResult(result, com::Variant::Object(control->Dispatch()));
            return S_OK;
        }
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

// --- Control ---

HRESULT Control::Delete() {
    switch (fault) {
        case DeleteFault::Fails:
            return E_FAIL;
        case DeleteFault::Ignored:
            return S_OK;
        case DeleteFault::None:
            break;
    }
    owner_->Remove(this);
    return S_OK;
}

HRESULT Control::CallMember(DISPID id, WORD flags, const std::vector<VARIANT*>& args,
                            VARIANT* result) {
    if (Deleted()) {
        return E_FAIL;  // Office refuses every call on a deleted control
    }
    HRESULT hr = S_OK;
    if (FieldProperty(kTextFields, id, flags, args, result, info, hr) ||
        FieldProperty(kLongFields, id, flags, args, result, info, hr) ||
        FieldProperty(kBoolFields, id, flags, args, result, info, hr)) {
        return hr;
    }
    switch (id) {
        case kId:
            com::SetResult(result, com::Variant::Int(info.id));
            return ReadOnly(flags);
        case kType:
            com::SetResult(result, com::Variant::Int(info.type));
            return ReadOnly(flags);
        case kIndex:
            com::SetResult(result, com::Variant::Int(owner_->IndexOf(this)));
            return ReadOnly(flags);
        case kControls:
            if (!children_) {
                return DISP_E_MEMBERNOTFOUND;  // only popups hold controls
            }
            com::SetResult(result, com::Variant::Object(children_.Get()));
            return ReadOnly(flags);
        case kDelete:
            return Delete();
        case kExecute:
            if (context_->bars) {
                context_->bars->Click(*this);
            }
            return S_OK;
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

// --- Bar ---

HRESULT Bar::ShowPopup(const std::vector<VARIANT*>& args) {
    if (position != office::msoBarPopup) {
        return E_FAIL;  // only popup bars can be shown as popups
    }
    PopupShown shown;
    shown.bar = name;
    long x = 0;
    long y = 0;
    shown.atCursor =
        !(com::ArgLong(com::ArgAt(args, 0), x) && com::ArgLong(com::ArgAt(args, 1), y));
    if (shown.atCursor) {
        POINT cursor{};
        GetCursorPos(&cursor);
        x = cursor.x;
        y = cursor.y;
    }
    shown.x = x;
    shown.y = y;
    shown.items = Snapshot(Items());
    context_->popups.push_back(shown);

    const com::ComPtr<Bar> hold(this);  // a click handler may delete the bar
    com::ComPtr<Control> chosen;
    if (context_->mode == PopupMode::Record) {
        const long choice = std::exchange(context_->choice, 0);
        if (choice >= 1 && choice <= static_cast<long>(Items().Items().size())) {
            chosen = Items().Items()[choice - 1];
        }
    } else {
        // A real menu: every visible control, popups as submenus, disabled ones grayed.
        std::vector<com::ComPtr<Control>> commands;
        const auto build = [&](const auto& self, const Controls& controls) -> HMENU {
            HMENU menu = CreatePopupMenu();
            bool first = true;
            for (const auto& c : controls.Items()) {
                if (!c->info.visible) {
                    continue;
                }
                if (c->info.beginGroup && !first) {
                    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
                }
                first = false;
                const UINT state = (c->info.enabled ? MF_ENABLED : MF_GRAYED) |
                                   (c->info.state == office::msoButtonDown ? MF_CHECKED : 0);
                if (c->Children()) {
                    AppendMenuW(menu, MF_POPUP | state,
                                reinterpret_cast<UINT_PTR>(self(self, *c->Children())),
                                c->info.caption.c_str());
                } else {
                    commands.push_back(c);
                    AppendMenuW(menu, MF_STRING | state, commands.size(), c->info.caption.c_str());
                }
            }
            return menu;
        };
        HMENU menu = build(build, Items());
        SetForegroundWindow(context_->mainWindow);
        const UINT command = static_cast<UINT>(TrackPopupMenu(
            menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x,
            y, 0, context_->mainWindow, nullptr));
        DestroyMenu(menu);  // and its submenus
        if (command >= 1 && command <= commands.size()) {
            chosen = commands[command - 1];
        }
    }
    if (chosen && context_->bars) {
        context_->bars->Click(*chosen.Get());
    }
    return S_OK;
}

HRESULT Bar::CallMember(DISPID id, WORD flags, const std::vector<VARIANT*>& args, VARIANT* result) {
    if (deleted) {
        return E_FAIL;
    }
    switch (id) {
        case kName:
            com::SetResult(result, com::Variant::Text(name));
            return ReadOnly(flags);
        case kPosition:
            com::SetResult(result, com::Variant::Int(position));
            return ReadOnly(flags);
        case kIndex:
            com::SetResult(result,
                           com::Variant::Int(context_->bars ? context_->bars->IndexOf(this) : 0));
            return ReadOnly(flags);
        case kEnabled:
            return Property(flags, args, result, enabled);
        case kVisible:
            return Property(flags, args, result, visible);
        case kControls:
            com::SetResult(result, com::Variant::Object(controls_.Get()));
            return ReadOnly(flags);
        case kShowPopup:
            return ShowPopup(args);
        case kDelete:
            if (builtIn || !context_->bars) {
                return E_FAIL;  // the host's own bars stay
            }
            deleted = true;
            context_->bars->RemoveBar(this);
            return S_OK;
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

// --- CommandBars ---

HRESULT CommandBarsImpl::Add(const std::vector<VARIANT*>& args, VARIANT* result) {
    // Add(Name, Position, MenuBar, Temporary)
    std::wstring name;
    long position = 1;  // msoBarTop
    bool menuBar = false;
    bool temporary = false;
    if (!com::ArgText(com::ArgAt(args, 0), name)) {
        name = L"Custom " + std::to_wstring(bars.size() + 1);
    }
    com::ArgLong(com::ArgAt(args, 1), position);
    com::ArgBool(com::ArgAt(args, 2), menuBar);
    com::ArgBool(com::ArgAt(args, 3), temporary);
    if (name.empty() || BarNamed(name)) {
        return E_INVALIDARG;  // Office refuses a second bar of the same name
    }
    auto bar = com::Make<Bar>(context, name, menuBar ? msoBarMenuBar : position, false);
    bars.push_back(bar);
    com::SetResult(result, com::Variant::Object(bar->Dispatch()));
    return S_OK;
}

HRESULT CommandBarsImpl::Item(const std::vector<VARIANT*>& args, VARIANT* result) const {
    const VARIANT* which = com::ArgAt(args, 0);
    std::wstring name;
    long index = 0;
    Bar* found = nullptr;
    if (which && (which->vt == VT_BSTR || which->vt == (VT_BSTR | VT_BYREF)) &&
        com::ArgText(which, name)) {
        found = BarNamed(name);
    } else if (com::ArgLong(which, index) && index >= 1 &&
               index <= static_cast<long>(bars.size())) {
        found = bars[index - 1].Get();
    }
    if (!found) {
        return E_INVALIDARG;  // Office: "Invalid procedure call or argument"
    }
    com::SetResult(result, com::Variant::Object(found->Dispatch()));
    return S_OK;
}

HRESULT CommandBarsImpl::FindControl(const std::vector<VARIANT*>& args, VARIANT* result) const {
    // FindControl(Type, Id, Tag, Visible, Recursive). A popup's controls are always searched:
    // in Office each popup's bar is a member of the collection itself.
    long type = 0;
    long id = 0;
    std::wstring tag;
    bool onlyVisible = false;
    com::ArgLong(com::ArgAt(args, 0), type);
    com::ArgLong(com::ArgAt(args, 1), id);
    const bool byTag = com::ArgText(com::ArgAt(args, 2), tag);
    com::ArgBool(com::ArgAt(args, 3), onlyVisible);
    Control* found = FindControl(type, id, byTag ? &tag : nullptr, onlyVisible);
    // Nothing found is Nothing: an empty object reference.
    com::SetResult(result, com::Variant::Object(found ? found->Dispatch() : nullptr));
    return S_OK;
}

CommandBars::CommandBars(HWND mainWindow, BuiltInCommand runBuiltIn)
    : DispatchObject(MembersOf({kItem, kCount, kAdd, kFindControl})),
      impl_(std::make_unique<CommandBarsImpl>()) {
    impl_->context = std::make_shared<BarsContext>();
    impl_->context->mainWindow = mainWindow;
    impl_->context->runBuiltIn = std::move(runBuiltIn);
    impl_->context->bars = impl_.get();

    auto menuBar = com::Make<Bar>(impl_->context, L"Menu Bar", msoBarMenuBar, true);
    menuBar->visible = true;
    auto file = menuBar->Items().AddControl(msoControlPopup, kFileMenuId, false, 0);
    for (long id : {kNewCommandId, 23L, 106L, 3L}) {
        file->Children()->AddControl(msoControlButton, id, false, 0);
    }
    auto tools = menuBar->Items().AddControl(msoControlPopup, kToolsMenuId, false, 0);
    tools->Children()->AddControl(msoControlButton, 522, false, 0);
    impl_->bars.push_back(menuBar);
}

CommandBars::~CommandBars() {
    impl_->context->bars = nullptr;
}

com::ComPtr<CommandBars> CreateCommandBars(HWND mainWindow, BuiltInCommand runBuiltIn) {
    return com::ComPtr<CommandBars>::Attach(new CommandBars(mainWindow, std::move(runBuiltIn)));
}

HRESULT CommandBars::Call(DISPID id, WORD flags, const std::vector<VARIANT*>& args,
                          VARIANT* result) {
    if (impl_->context->failing.count(id)) {
        return E_FAIL;
    }
    switch (id) {
        case kCount:
            com::SetResult(result, com::Variant::Int(static_cast<long>(impl_->bars.size())));
            return ReadOnly(flags);
        case kItem:
            return impl_->Item(args, result);
        case kAdd:
            return impl_->Add(args, result);
        case kFindControl:
            return impl_->FindControl(args, result);
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

void CommandBars::SetPopupMode(PopupMode mode) {
    impl_->context->mode = mode;
}

void CommandBars::ChoosePopupItem(long position) {
    impl_->context->choice = position;
}

const std::vector<PopupShown>& CommandBars::Popups() const {
    return impl_->context->popups;
}

void CommandBars::ClearPopups() {
    impl_->context->popups.clear();
}

std::vector<std::wstring> CommandBars::BarNames() const {
    std::vector<std::wstring> names;
    for (const auto& b : impl_->bars) {
        names.push_back(b->name);
    }
    return names;
}

std::vector<ControlInfo> CommandBars::BarControls(const std::wstring& bar) const {
    if (Bar* b = impl_->BarNamed(bar)) {
        return Snapshot(b->Items());
    }
    std::vector<ControlInfo> items;
    if (Bar* menuBar = impl_->BarNamed(L"Menu Bar")) {
        for (const auto& c : menuBar->Items().Items()) {
            if (c->Children() && com::SameText(c->info.caption, bar)) {
                items = Snapshot(*c->Children());
            }
        }
    }
    return items;
}

com::ComPtr<IDispatch> CommandBars::FindByTag(const std::wstring& tag) const {
    Control* c = impl_->FindControl(0, 0, &tag, false);
    return c ? com::ComPtr<IDispatch>(c->Dispatch()) : nullptr;
}

com::ComPtr<IDispatch> CommandBars::FindById(long id) const {
    Control* c = impl_->FindControl(0, id, nullptr, false);
    return c ? com::ComPtr<IDispatch>(c->Dispatch()) : nullptr;
}

ControlInfo CommandBars::Describe(IDispatch* control) const {
    Control* c = impl_->ControlOf(control);
    return c ? c->info : ControlInfo{};
}

ClickResult CommandBars::Click(IDispatch* control) {
    Control* c = impl_->ControlOf(control);
    return c ? impl_->Click(*c) : ClickResult{};
}

ClickResult CommandBars::ClickItem(const std::wstring& bar, long position) {
    Bar* b = impl_->BarNamed(bar);
    if (!b || position < 1 || position > static_cast<long>(b->Items().Items().size())) {
        return {};
    }
    return impl_->Click(*b->Items().Items()[position - 1].Get());
}

std::size_t CommandBars::SinkCount(const std::wstring& tag) const {
    std::size_t sinks = 0;
    impl_->ForEachControl([&](Control& c) {
        if (c.info.tag == tag) {
            sinks += c.SinkCount();
        }
    });
    return sinks;
}

void CommandBars::SetDeleteFault(IDispatch* control, DeleteFault fault) {
    if (Control* c = impl_->ControlOf(control)) {
        c->fault = fault;
    }
}

void CommandBars::FailMember(const std::wstring& name, bool fail) {
    for (const com::Member& m : AllMembers()) {
        if (com::SameText(m.name, name)) {
            if (fail) {
                impl_->context->failing.insert(m.id);
            } else {
                impl_->context->failing.erase(m.id);
            }
        }
    }
}

}  // namespace morvane::standin
