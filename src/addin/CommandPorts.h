#pragma once
// What the menu commands reach besides the host's objects: window messages to the host's
// windows, the file system, the shell and the dialogs. The real ones are Win32; tests use doubles.

#include <optional>
#include <string>

#include "options/OptionsPage.h"
#include "shared/WindowHandle.h"

namespace morvane {

class CommandWindows {
  public:
    virtual ~CommandWindows() = default;
    // The client window's active document window (WM_MDIGETACTIVE); 0 when none.
    virtual WindowHandle ActiveChild() = 0;
    // WM_CLOSE posted: handled after the command returns.
    virtual void PostClose(WindowHandle window) = 0;
    // WM_CLOSE sent: handled before the call returns.
    virtual void SendClose(WindowHandle window) = 0;
    // WM_MDIACTIVATE posted to the client window for that document window.
    virtual void PostActivate(WindowHandle window) = 0;
};

class CommandFiles {
  public:
    virtual ~CommandFiles() = default;
    virtual bool Exists(const std::wstring& path) = 0;
    // True when both names lead to one file (not when either is missing).
    virtual bool SameFile(const std::wstring& a, const std::wstring& b) = 0;
    // Deletes the file, read-only or not; the error's description when it fails.
    virtual std::optional<std::wstring> Delete(const std::wstring& path) = 0;
};

class CommandShell {
  public:
    virtual ~CommandShell() = default;
    // Starts a command line as a new process, its window shown normally.
    virtual void Start(const std::wstring& commandLine) = 0;
    // Opens a web page (or a local page) in the default browser.
    virtual void OpenPage(const std::wstring& address) = 0;
    virtual void Beep() = 0;
};

// The options dialog opens on the page of its own choice, or on its About page.

class CommandDialogs {
  public:
    virtual ~CommandDialogs() = default;
    // A plain system message box with an OK button.
    virtual void Alert(const std::wstring& text) = 0;
    // frmLock: true when the user unlocks the named project.
    virtual bool AskUnlock(const std::wstring& projectName) = 0;
    // frmRename: the new base name; empty when cancelled.
    virtual std::wstring AskNewName(const std::wstring& prompt, const std::wstring& current) = 0;
    // frmMessage.
    virtual void ShowMessage(const std::wstring& text) = 0;
    virtual void ShowOptions(OptionsPage page) = 0;
};

}  // namespace morvane
