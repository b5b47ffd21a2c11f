#pragma once
// What the menu commands reach besides the host's objects: window messages to the host's
// windows, the file system, the shell and the dialogs. The real ones are Win32; tests use doubles.

#include <cstdint>
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

// A file's identity: two names lead to one file when their identities are equal.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    bool operator==(const FileIdentity&) const = default;
};

// Whether anything answers to a name: a file, a folder or a device. Unknown when the system
// cannot tell (access denied, a network fault); `reason` then holds its words.
struct Existence {
    enum class Answer { Absent, Present, Unknown };
    Answer answer = Answer::Absent;
    std::wstring reason;
};

class CommandFiles {
  public:
    virtual ~CommandFiles() = default;
    virtual Existence Exists(const std::wstring& path) = 0;
    // The identity of the file on disk the name leads to; none when it is missing, a folder or
    // a device.
    virtual std::optional<FileIdentity> Identity(const std::wstring& path) = 0;
    // Deletes the file, read-only or not; the error's description when it fails.
    virtual std::optional<std::wstring> Delete(const std::wstring& path) = 0;
    // True when the file system takes the two names for one: letter for letter, case ignored
    // in every alphabet ("Änderung" and "änderung", "Ж" and "ж").
    virtual bool SameName(const std::wstring& a, const std::wstring& b) = 0;
};

class CommandShell {
  public:
    virtual ~CommandShell() = default;
    // Starts a program of the Windows folder (such as "explorer.exe") with these arguments, its
    // window shown normally. No other folder is searched for it.
    virtual void StartWindowsProgram(const std::wstring& program,
                                     const std::wstring& arguments) = 0;
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
