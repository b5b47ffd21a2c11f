#pragma once
// The host's command bars, by the roles the menus and the tab bar use (Office's CommandBars,
// CommandBar, CommandBarControls and CommandBarControl, called late-bound by name). Every
// member may fail: a command then answers false, a query no value or nullptr. Nothing throws.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace morvane {

class CommandBarControls;
class CommandBarControl;

using CommandBarControlPtr = std::shared_ptr<CommandBarControl>;

// A button's Click event as the host raises it: for a click on the button or on any control that
// bears its Tag, with the control clicked, and the flag that stops the clicked control's built-in
// command when the handler sets it. What a handler throws goes no further than the host's call.
using ClickHandler = std::function<void(const CommandBarControlPtr& clicked, bool& cancelDefault)>;

// A handler's connection to a Click event; destroying it disconnects the handler.
class ClickConnection {
  public:
    virtual ~ClickConnection() = default;
};

class CommandBarControl {
  public:
    virtual ~CommandBarControl() = default;
    virtual bool SetCaption(const std::wstring& caption) = 0;
    virtual bool SetTag(const std::wstring& tag) = 0;
    virtual std::optional<std::wstring> Parameter() const = 0;
    virtual bool SetParameter(const std::wstring& parameter) = 0;
    virtual bool SetFaceId(std::int32_t faceId) = 0;
    virtual bool SetBeginGroup(bool beginGroup) = 0;
    // msoButtonDown -1, msoButtonUp 0.
    virtual bool SetState(std::int32_t state) = 0;
    virtual bool SetEnabled(bool enabled) = 0;
    virtual bool Delete() = 0;
    // Runs the control as a click does: its Click event, then its built-in command.
    virtual bool Execute() = 0;
    // A popup's controls; nullptr for a plain button.
    virtual std::shared_ptr<CommandBarControls> Controls() const = 0;
    // Two references to one control answer the same identity (COM: its IUnknown).
    virtual const void* Identity() const = 0;
    // Connects a handler to the control's Click event for the life of the connection; nullptr
    // when the control offers no events.
    virtual std::unique_ptr<ClickConnection> OnClick(ClickHandler handler) = 0;
};

class CommandBarControls {
  public:
    virtual ~CommandBarControls() = default;
    // Adds a plain button at the end, every other optional argument left out.
    virtual CommandBarControlPtr AddButton(bool temporary) = 0;
    virtual std::optional<std::int32_t> Count() const = 0;
    // position counts from 1.
    virtual CommandBarControlPtr Item(std::int32_t position) const = 0;
};

class CommandBar {
  public:
    virtual ~CommandBar() = default;
    virtual std::shared_ptr<CommandBarControls> Controls() const = 0;
    virtual bool SetEnabled(bool enabled) = 0;
    virtual bool SetVisible(bool visible) = 0;
    virtual bool Delete() = 0;
    // Shows the bar as a popup at the mouse pointer.
    virtual bool ShowPopup() = 0;
};

using CommandBarPtr = std::shared_ptr<CommandBar>;

class CommandBars {
  public:
    virtual ~CommandBars() = default;
    // FindControl with a Tag, searching every bar.
    virtual CommandBarControlPtr FindControlByTag(const std::wstring& tag) = 0;
    // FindControl with a built-in id.
    virtual CommandBarControlPtr FindControlById(std::int32_t id) = 0;
    virtual CommandBarPtr Bar(const std::wstring& name) = 0;
    // Add(name, msoBarPopup, MenuBar omitted, Temporary true).
    virtual CommandBarPtr AddPopupBar(const std::wstring& name) = 0;
};

}  // namespace morvane
