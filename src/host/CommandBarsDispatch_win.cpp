#include "host/CommandBarsDispatch_win.h"

#include "host/CommandBarClick_win.h"
#include "shared/Office_win.h"

namespace morvane {

namespace {

using com::Variant;

constexpr WORD kGet = DISPATCH_PROPERTYGET | DISPATCH_METHOD;

// A member's value, or no value when the call fails.
std::optional<Variant> Get(IDispatch* object, const wchar_t* name, std::vector<Variant> args = {}) {
    Variant result;
    if (!object || FAILED(com::InvokeByName(object, name, kGet, args, &result))) {
        return std::nullopt;
    }
    return result;
}

// A member's object, or nullptr when the call fails or answers Nothing.
com::ComPtr<IDispatch> ChildOf(IDispatch* object, const wchar_t* name,
                               std::vector<Variant> args = {}) {
    const auto value = Get(object, name, std::move(args));
    return value ? value->ToObject() : nullptr;
}

bool Put(IDispatch* object, const wchar_t* name, Variant value) {
    return object &&
           SUCCEEDED(com::InvokeByName(object, name, DISPATCH_PROPERTYPUT, {value}, nullptr));
}

bool Run(IDispatch* object, const wchar_t* name) {
    return object && SUCCEEDED(com::InvokeByName(object, name, DISPATCH_METHOD, {}, nullptr));
}

class ControlsDispatch : public CommandBarControls {
  public:
    explicit ControlsDispatch(com::ComPtr<IDispatch> controls) : controls_(std::move(controls)) {}

    // Add(Type, Id, Parameter, Before, Temporary); a plain button leaves them all out.
    CommandBarControlPtr AddButton(bool temporary) override {
        std::vector<Variant> args;
        if (temporary) {
            args = {Variant::Missing(), Variant::Missing(), Variant::Missing(), Variant::Missing(),
                    Variant::Bool(true)};
        }
        return MakeCommandBarControl(ChildOf(controls_.Get(), L"Add", std::move(args)));
    }
    std::optional<std::int32_t> Count() const override {
        const auto value = Get(controls_.Get(), L"Count");
        long count = 0;
        if (!value || !value->ToInt(count)) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(count);
    }
    CommandBarControlPtr Item(std::int32_t position) const override {
        return MakeCommandBarControl(
            ChildOf(controls_.Get(), L"Item", {Variant::Int(static_cast<long>(position))}));
    }

  private:
    com::ComPtr<IDispatch> controls_;
};

std::shared_ptr<CommandBarControls> MakeControls(com::ComPtr<IDispatch> controls) {
    return controls ? std::make_shared<ControlsDispatch>(std::move(controls)) : nullptr;
}

class ControlDispatch : public CommandBarControl {
  public:
    explicit ControlDispatch(com::ComPtr<IDispatch> control) : control_(std::move(control)) {
        control_->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(identity_.Put()));
    }

    bool SetCaption(const std::wstring& caption) override {
        return Put(control_.Get(), L"Caption", Variant::Text(caption));
    }
    bool SetTag(const std::wstring& tag) override {
        return Put(control_.Get(), L"Tag", Variant::Text(tag));
    }
    std::optional<std::wstring> Parameter() const override {
        const auto value = Get(control_.Get(), L"Parameter");
        std::wstring text;
        if (!value || !value->ToText(text)) {
            return std::nullopt;
        }
        return text;
    }
    bool SetParameter(const std::wstring& parameter) override {
        return Put(control_.Get(), L"Parameter", Variant::Text(parameter));
    }
    bool SetFaceId(std::int32_t faceId) override {
        return Put(control_.Get(), L"FaceId", Variant::Int(static_cast<long>(faceId)));
    }
    bool SetBeginGroup(bool beginGroup) override {
        return Put(control_.Get(), L"BeginGroup", Variant::Bool(beginGroup));
    }
    bool SetState(std::int32_t state) override {
        return Put(control_.Get(), L"State", Variant::Int(static_cast<long>(state)));
    }
    bool SetEnabled(bool enabled) override {
        return Put(control_.Get(), L"Enabled", Variant::Bool(enabled));
    }
    bool Delete() override { return Run(control_.Get(), L"Delete"); }
    bool Execute() override { return Run(control_.Get(), L"Execute"); }
    std::shared_ptr<CommandBarControls> Controls() const override {
        return MakeControls(ChildOf(control_.Get(), L"Controls"));
    }
    const void* Identity() const override { return identity_.Get(); }
    std::unique_ptr<ClickConnection> OnClick(ClickHandler handler) override {
        return ConnectClick(control_.Get(), [handler = std::move(handler)](
                                                com::ComPtr<IDispatch> clicked, bool& cancel) {
            handler(MakeCommandBarControl(std::move(clicked)), cancel);
        });
    }

  private:
    com::ComPtr<IDispatch> control_;
    // Held, so that the identity stays this control's while the wrapper lives.
    com::ComPtr<IUnknown> identity_;
};

class BarDispatch : public CommandBar {
  public:
    explicit BarDispatch(com::ComPtr<IDispatch> bar) : bar_(std::move(bar)) {}

    std::shared_ptr<CommandBarControls> Controls() const override {
        return MakeControls(ChildOf(bar_.Get(), L"Controls"));
    }
    bool SetEnabled(bool enabled) override {
        return Put(bar_.Get(), L"Enabled", Variant::Bool(enabled));
    }
    bool SetVisible(bool visible) override {
        return Put(bar_.Get(), L"Visible", Variant::Bool(visible));
    }
    bool Delete() override { return Run(bar_.Get(), L"Delete"); }
    // ShowPopup(x, y) with both left out: at the mouse pointer.
    bool ShowPopup() override { return Run(bar_.Get(), L"ShowPopup"); }

  private:
    com::ComPtr<IDispatch> bar_;
};

CommandBarPtr MakeBar(com::ComPtr<IDispatch> bar) {
    return bar ? std::make_shared<BarDispatch>(std::move(bar)) : nullptr;
}

}  // namespace

CommandBarControlPtr MakeCommandBarControl(com::ComPtr<IDispatch> control) {
    return control ? std::make_shared<ControlDispatch>(std::move(control)) : nullptr;
}

CommandBarsDispatch::CommandBarsDispatch(com::ComPtr<IDispatch> commandBars)
    : bars_(std::move(commandBars)) {}

// FindControl(Type, Id, Tag, Visible): arguments before a given one are passed as omitted, those
// after it are left off (the collection's FindControl has no Recursive; a single bar's has).
CommandBarControlPtr CommandBarsDispatch::FindControlByTag(const std::wstring& tag) {
    return MakeCommandBarControl(ChildOf(
        bars_.Get(), L"FindControl", {Variant::Missing(), Variant::Missing(), Variant::Text(tag)}));
}

CommandBarControlPtr CommandBarsDispatch::FindControlById(std::int32_t id) {
    return MakeCommandBarControl(ChildOf(
        bars_.Get(), L"FindControl", {Variant::Missing(), Variant::Int(static_cast<long>(id))}));
}

// CommandBars(Name): the default member, Item.
CommandBarPtr CommandBarsDispatch::Bar(const std::wstring& name) {
    return MakeBar(ChildOf(bars_.Get(), L"Item", {Variant::Text(name)}));
}

// Add(Name, Position, MenuBar, Temporary).
CommandBarPtr CommandBarsDispatch::AddPopupBar(const std::wstring& name) {
    return MakeBar(ChildOf(bars_.Get(), L"Add",
                           {Variant::Text(name), Variant::Int(office::msoBarPopup),
                            Variant::Missing(), Variant::Bool(true)}));
}

}  // namespace morvane
