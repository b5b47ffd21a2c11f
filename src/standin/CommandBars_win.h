#pragma once
// Office's command bars as the stand-in host offers them: bars, controls, search by tag and by
// built-in id, popup bars and button click events. The add-in drives them late-bound by member
// name; tests drive them through the C++ members below.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shared/DispatchObject_win.h"

namespace morvane::standin {

// Built-in control ids of the host's menus.
inline constexpr long kToolsMenuId = 30007;
inline constexpr long kFileMenuId = 30002;
inline constexpr long kNewCommandId = 2520;

// Office control types.
inline constexpr long msoControlButton = 1;
inline constexpr long msoControlPopup = 10;

// What ShowPopup does: record the showing and return at once (tests), or show a real popup menu
// owned by the main window and wait for the user's choice (the demo).
enum class PopupMode { Record, Interactive };

// How a control's Delete misbehaves, for tests of callers that must survive a stubborn host:
// Fails returns an error; Ignored returns success but the control stays where it is.
enum class DeleteFault { None, Fails, Ignored };

// One control as a test sees it.
struct ControlInfo {
    long type = msoControlButton;
    long id = 1;
    std::wstring caption;
    std::wstring tag;
    std::wstring parameter;
    long faceId = 0;
    bool beginGroup = false;
    long state = 0;
    bool enabled = true;
    bool visible = true;
    bool temporary = false;
};

// One ShowPopup call: the bar, where it was asked to appear, and its items as they stood.
struct PopupShown {
    std::wstring bar;
    bool atCursor = true;  // both coordinates omitted
    long x = 0;
    long y = 0;
    std::vector<ControlInfo> items;
};

struct ClickResult {
    bool clicked = false;        // the control exists and is enabled
    bool cancelDefault = false;  // a handler set CancelDefault
    int handlers = 0;            // event sinks called
};

// Runs a built-in command (such as kNewCommandId) when its control is clicked or executed.
using BuiltInCommand = std::function<void(long id)>;

class CommandBarsImpl;

// The CommandBars collection: what the host Application returns for its command bars.
class CommandBars : public com::DispatchObject {
  public:
    // --- for tests and the driving API ---
    void SetPopupMode(PopupMode mode);
    // In record mode, the next ShowPopup also clicks its item at this 1-based position.
    void ChoosePopupItem(long position);
    const std::vector<PopupShown>& Popups() const;
    void ClearPopups();

    std::vector<std::wstring> BarNames() const;
    // The controls of a bar, or of the popup control that bears this caption on the menu bar.
    std::vector<ControlInfo> BarControls(const std::wstring& bar) const;
    // First control in search order, or nullptr.
    com::ComPtr<IDispatch> FindByTag(const std::wstring& tag) const;
    com::ComPtr<IDispatch> FindById(long id) const;
    ControlInfo Describe(IDispatch* control) const;
    // Clicks a control as the user would.
    ClickResult Click(IDispatch* control);
    // Clicks the item at a 1-based position of a bar.
    ClickResult ClickItem(const std::wstring& bar, long position);
    // Event sinks connected to the controls that bear this Tag.
    std::size_t SinkCount(const std::wstring& tag) const;

    // --- fault injection ---
    void SetDeleteFault(IDispatch* control, DeleteFault fault);
    // Every call of the member of this name, on any object of the command bars, fails.
    void FailMember(const std::wstring& name, bool fail = true);

    ~CommandBars() override;

  protected:
    HRESULT Call(DISPID id, WORD flags, const std::vector<VARIANT*>& args,
                 VARIANT* result) override;

  private:
    friend com::ComPtr<CommandBars> CreateCommandBars(HWND, BuiltInCommand);
    CommandBars(HWND mainWindow, BuiltInCommand runBuiltIn);
    std::unique_ptr<CommandBarsImpl> impl_;
};

// The host's command bars with its built-in menu bar (File menu with New, Tools menu).
// `mainWindow` owns the popup menus shown interactively.
com::ComPtr<CommandBars> CreateCommandBars(HWND mainWindow, BuiltInCommand runBuiltIn);

}  // namespace morvane::standin
