#include "support/FakeCommandBars.h"

#include <algorithm>
#include <functional>

namespace morvane::test {

namespace {

template <typename F>
bool Set(FakeControl& control, const char* member, F&& action) {
    if (control.Fails(member)) {
        return false;
    }
    action();
    control.setOrder.push_back(member);
    return true;
}

// Visits every control of a collection and of its popups, depth first.
void Walk(const FakeControls& controls,
          const std::function<bool(const std::shared_ptr<FakeControl>&)>& visit) {
    for (const auto& control : controls.items) {
        if (visit(control)) {
            return;
        }
        if (control->children) {
            Walk(*control->children, visit);
        }
    }
}

// Keeps its handler alive; the control holds it weakly, so the handler goes with the connection.
class FakeClickConnection : public ClickConnection {
  public:
    explicit FakeClickConnection(ClickHandler handler)
        : handler(std::make_shared<ClickHandler>(std::move(handler))) {}
    std::shared_ptr<ClickHandler> handler;
};

}  // namespace

bool FakeControl::SetCaption(const std::wstring& v) {
    return Set(*this, "Caption", [&] { caption = v; });
}
bool FakeControl::SetTag(const std::wstring& v) {
    return Set(*this, "Tag", [&] { tag = v; });
}
std::optional<std::wstring> FakeControl::Parameter() const {
    if (Fails("Parameter")) {
        return std::nullopt;
    }
    return parameter;
}
bool FakeControl::SetParameter(const std::wstring& v) {
    return Set(*this, "Parameter", [&] { parameter = v; });
}
bool FakeControl::SetFaceId(std::int32_t v) {
    return Set(*this, "FaceId", [&] { faceId = v; });
}
bool FakeControl::SetBeginGroup(bool v) {
    return Set(*this, "BeginGroup", [&] { beginGroup = v; });
}
std::optional<std::int32_t> FakeControl::State() const {
    if (Fails("State")) {
        return std::nullopt;
    }
    return state;
}
bool FakeControl::SetState(std::int32_t v) {
    return Set(*this, "State", [&] { state = v; });
}
bool FakeControl::SetEnabled(bool v) {
    return Set(*this, "Enabled", [&] { enabled = v; });
}
bool FakeControl::Delete() {
    if (Fails("Delete")) {
        return false;
    }
    if (!ignoresDelete && owner) {
        owner->Erase(this);
    }
    return true;
}
bool FakeControl::Execute() {
    if (Fails("Execute")) {
        return false;
    }
    if (owner && owner->root) {
        owner->root->Click(*this);
    }
    return true;
}
std::shared_ptr<CommandBarControls> FakeControl::Controls() const {
    if (Fails("Controls")) {
        return nullptr;
    }
    return children;
}
std::unique_ptr<ClickConnection> FakeControl::OnClick(ClickHandler handler) {
    std::erase_if(handlers_, [](const auto& weak) { return weak.expired(); });
    auto connection = std::make_unique<FakeClickConnection>(std::move(handler));
    handlers_.push_back(connection->handler);
    return connection;
}
void FakeControl::RaiseClick(const CommandBarControlPtr& clicked, bool& cancelDefault) {
    // A handler may connect or disconnect while it runs.
    const auto handlers = handlers_;
    for (const auto& weak : handlers) {
        if (const auto handler = weak.lock()) {
            (*handler)(clicked, cancelDefault);
        }
    }
}

CommandBarControlPtr FakeControls::AddButton(bool temporary) {
    if (Fails("Add")) {
        return nullptr;
    }
    auto control = std::make_shared<FakeControl>();
    control->temporary = temporary;
    return Add(control);
}
std::optional<std::int32_t> FakeControls::Count() const {
    if (Fails("Count")) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(items.size());
}
CommandBarControlPtr FakeControls::Item(std::int32_t position) const {
    if (Fails("Item") || position < 1 || static_cast<std::size_t>(position) > items.size()) {
        return nullptr;
    }
    return items[static_cast<std::size_t>(position) - 1];
}
std::shared_ptr<FakeControl> FakeControls::Add(std::shared_ptr<FakeControl> control) {
    control->owner = this;
    if (control->children) {
        control->children->root = root;
    }
    items.push_back(control);
    return control;
}
void FakeControls::Erase(const FakeControl* control) {
    items.erase(std::remove_if(items.begin(), items.end(),
                               [&](const auto& item) { return item.get() == control; }),
                items.end());
}

std::shared_ptr<CommandBarControls> FakeBar::Controls() const {
    if (Fails("Controls")) {
        return nullptr;
    }
    return controls;
}
bool FakeBar::SetEnabled(bool v) {
    if (Fails("Enabled")) {
        return false;
    }
    enabled = v;
    return true;
}
bool FakeBar::SetVisible(bool v) {
    if (Fails("Visible")) {
        return false;
    }
    visible = v;
    return true;
}
bool FakeBar::Delete() {
    if (Fails("Delete") || builtIn) {
        return false;
    }
    deleted = true;
    return true;
}
bool FakeBar::ShowPopup() {
    if (Fails("ShowPopup") || !popup) {
        return false;
    }
    ++popupsShown;
    return true;
}
FakeControl& FakeBar::At(std::int32_t position) const {
    return *controls->items.at(static_cast<std::size_t>(position) - 1);
}

FakeCommandBars::FakeCommandBars() {
    auto menuBar = std::make_shared<FakeBar>();
    menuBar->name = L"Menu Bar";
    menuBar->builtIn = true;
    menuBar->controls->root = this;
    toolsMenu = std::make_shared<FakeControl>();
    toolsMenu->id = 30007;
    toolsMenu->caption = L"&Tools";
    toolsMenu->children = std::make_shared<FakeControls>();
    menuBar->controls->Add(toolsMenu);
    newButton = std::make_shared<FakeControl>();
    newButton->id = 2520;
    newButton->caption = L"&New";
    menuBar->controls->Add(newButton);
    bars.push_back(menuBar);
}

CommandBarControlPtr FakeCommandBars::FindControlByTag(const std::wstring& tag) {
    if (Fails("FindControl")) {
        return nullptr;
    }
    const auto found = Tagged(tag);
    return found.empty() ? nullptr : found.front();
}

CommandBarControlPtr FakeCommandBars::FindControlById(std::int32_t id) {
    if (Fails("FindControl")) {
        return nullptr;
    }
    std::shared_ptr<FakeControl> match;
    for (const auto& bar : bars) {
        Walk(*bar->controls, [&](const auto& control) {
            if (control->id == id) {
                match = control;
            }
            return match != nullptr;
        });
        if (match) {
            break;
        }
    }
    return match;
}

CommandBarPtr FakeCommandBars::Bar(const std::wstring& name) {
    if (Fails("Item")) {
        return nullptr;
    }
    return FakeBarNamed(name);
}

CommandBarPtr FakeCommandBars::AddPopupBar(const std::wstring& name) {
    if (Fails("Add") || FakeBarNamed(name)) {
        return nullptr;
    }
    auto bar = std::make_shared<FakeBar>();
    bar->name = name;
    bar->popup = true;
    bar->temporary = true;
    bar->controls->root = this;
    bars.push_back(bar);
    return bar;
}

FakeClick FakeCommandBars::Click(FakeControl& clicked) {
    if (!clicked.enabled || clicked.children) {
        return {};
    }
    const auto hold = clicked.shared_from_this();  // a handler may delete it
    std::vector<std::shared_ptr<FakeControl>> targets{hold};
    if (!clicked.tag.empty()) {
        for (const auto& control : Tagged(clicked.tag)) {
            if (control != hold) {
                targets.push_back(control);
            }
        }
    }
    FakeClick result{true, false};
    for (const auto& target : targets) {
        target->RaiseClick(hold, result.cancelDefault);
    }
    if (!result.cancelDefault && clicked.id != 1) {
        ++clicked.executions;
    }
    return result;
}

void FakeCommandBars::FailEverywhere(const std::string& member) {
    Fail(member);
    for (const auto& bar : bars) {
        bar->Fail(member);
        const std::function<void(FakeControls&)> failAll = [&](FakeControls& controls) {
            controls.Fail(member);
            for (const auto& control : controls.items) {
                control->Fail(member);
                if (control->children) {
                    failAll(*control->children);
                }
            }
        };
        failAll(*bar->controls);
    }
}

std::shared_ptr<FakeBar> FakeCommandBars::FakeBarNamed(const std::wstring& name) const {
    for (const auto& bar : bars) {
        if (bar->name == name && !bar->deleted) {
            return bar;
        }
    }
    return nullptr;
}

std::vector<std::shared_ptr<FakeControl>> FakeCommandBars::Tagged(const std::wstring& tag) const {
    std::vector<std::shared_ptr<FakeControl>> found;
    for (const auto& bar : bars) {
        if (bar->deleted) {
            continue;
        }
        Walk(*bar->controls, [&](const auto& control) {
            if (control->tag == tag) {
                found.push_back(control);
            }
            return false;
        });
    }
    return found;
}

}  // namespace morvane::test
