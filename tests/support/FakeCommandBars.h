#pragma once
// In-memory double of the host's command bars: bars, popups and buttons with their properties,
// tag and id search over every bar, and controls that refuse deletion when told to.

#include <memory>
#include <string>
#include <vector>

#include "host/CommandBars.h"
#include "support/FakeHost.h"

namespace morvane::test {

class FakeControls;
class FakeCommandBars;

// What a click on a control did.
struct FakeClick {
    bool clicked = false;        // the control exists, is enabled and is not a popup
    bool cancelDefault = false;  // a handler set CancelDefault
};

class FakeControl : public CommandBarControl,
                    public Faults,
                    public std::enable_shared_from_this<FakeControl> {
  public:
    std::wstring caption, tag, parameter;
    std::int32_t id = 1;  // built-in id; 1 for a custom button
    std::int32_t faceId = 0;
    bool beginGroup = false;
    std::int32_t state = 0;
    bool enabled = true;
    bool temporary = false;
    // Runs of the built-in command (a control with an id other than 1), by click or Execute.
    int executions = 0;
    // Delete answers true but the control stays, as a host that ignores the call would.
    bool ignoresDelete = false;
    // The properties in the order they were set.
    std::vector<std::string> setOrder;
    std::shared_ptr<FakeControls> children;  // a popup's controls
    FakeControls* owner = nullptr;

    bool SetCaption(const std::wstring& value) override;
    bool SetTag(const std::wstring& value) override;
    std::optional<std::wstring> Parameter() const override;
    bool SetParameter(const std::wstring& value) override;
    bool SetFaceId(std::int32_t value) override;
    bool SetBeginGroup(bool value) override;
    bool SetState(std::int32_t value) override;
    bool SetEnabled(bool value) override;
    bool Delete() override;
    bool Execute() override;
    std::shared_ptr<CommandBarControls> Controls() const override;
    const void* Identity() const override { return this; }
    std::unique_ptr<ClickConnection> OnClick(ClickHandler handler) override;

    // Calls the connected handlers for a click on `clicked`.
    void RaiseClick(const CommandBarControlPtr& clicked, bool& cancelDefault);

  private:
    std::vector<std::weak_ptr<ClickHandler>> handlers_;
};

class FakeControls : public CommandBarControls, public Faults {
  public:
    std::vector<std::shared_ptr<FakeControl>> items;
    FakeCommandBars* root = nullptr;  // the command bars the collection belongs to

    CommandBarControlPtr AddButton(bool temporary) override;
    std::optional<std::int32_t> Count() const override;
    CommandBarControlPtr Item(std::int32_t position) const override;
    std::shared_ptr<FakeControl> Add(std::shared_ptr<FakeControl> control);
    void Erase(const FakeControl* control);
};

class FakeBar : public CommandBar, public Faults {
  public:
    std::wstring name;
    std::shared_ptr<FakeControls> controls = std::make_shared<FakeControls>();
    bool enabled = false, visible = false, popup = false, temporary = false, deleted = false;
    bool builtIn = false;  // the host's own bars refuse deletion
    int popupsShown = 0;

    std::shared_ptr<CommandBarControls> Controls() const override;
    bool SetEnabled(bool value) override;
    bool SetVisible(bool value) override;
    bool Delete() override;
    bool ShowPopup() override;
    // The control at a 1-based position, as the double knows it.
    FakeControl& At(std::int32_t position) const;
};

class FakeCommandBars : public CommandBars, public Faults {
  public:
    std::vector<std::shared_ptr<FakeBar>> bars;

    // A menu bar with the Tools menu (30007) and the built-in New button (2520).
    FakeCommandBars();
    // Its bars point back at it.
    FakeCommandBars(const FakeCommandBars&) = delete;
    FakeCommandBars& operator=(const FakeCommandBars&) = delete;
    std::shared_ptr<FakeControl> toolsMenu;
    std::shared_ptr<FakeControl> newButton;

    CommandBarControlPtr FindControlByTag(const std::wstring& tag) override;
    CommandBarControlPtr FindControlById(std::int32_t id) override;
    CommandBarPtr Bar(const std::wstring& name) override;
    CommandBarPtr AddPopupBar(const std::wstring& name) override;

    // A click as the host makes it: Click on the clicked control and on every control that bears
    // its Tag, then its built-in command unless a handler cancelled it.
    FakeClick Click(FakeControl& clicked);
    // Every member of this name, on every bar and control there is now, fails.
    void FailEverywhere(const std::string& member);

    std::shared_ptr<FakeBar> FakeBarNamed(const std::wstring& name) const;
    // Every control carrying the tag, on every bar and popup.
    std::vector<std::shared_ptr<FakeControl>> Tagged(const std::wstring& tag) const;
};

}  // namespace morvane::test
