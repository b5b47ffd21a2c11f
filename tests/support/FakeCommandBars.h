#pragma once
// In-memory double of the host's command bars: bars, popups and buttons with their properties,
// tag and id search over every bar, and controls that refuse deletion when told to.

#include <memory>
#include <string>
#include <vector>

#include "addin/CommandBars.h"
#include "support/FakeHost.h"

namespace morvane::test {

class FakeControls;

class FakeControl : public CommandBarControl, public Faults {
  public:
    std::wstring caption, tag, parameter;
    std::int32_t id = 1;  // built-in id; 1 for a custom button
    std::int32_t faceId = 0;
    bool beginGroup = false;
    std::int32_t state = 0;
    bool enabled = true;
    bool temporary = false;
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
};

class FakeControls : public CommandBarControls, public Faults {
  public:
    std::vector<std::shared_ptr<FakeControl>> items;

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
    int popupsShown = 0;

    std::shared_ptr<CommandBarControls> Controls() const override { return controls; }
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
    std::shared_ptr<FakeControl> toolsMenu;
    std::shared_ptr<FakeControl> newButton;

    CommandBarControlPtr FindControlByTag(const std::wstring& tag) override;
    CommandBarControlPtr FindControlById(std::int32_t id) override;
    CommandBarPtr Bar(const std::wstring& name) override;
    CommandBarPtr AddPopupBar(const std::wstring& name) override;

    std::shared_ptr<FakeBar> FakeBarNamed(const std::wstring& name) const;
    // Every control carrying the tag, on every bar and popup.
    std::vector<std::shared_ptr<FakeControl>> Tagged(const std::wstring& tag) const;
};

}  // namespace morvane::test
