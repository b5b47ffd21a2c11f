#pragma once
// The menu commands' ports over Win32: messages to the host's client window and its document
// windows, the file system, the shell and the add-in's dialogs.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "addin/CommandPorts.h"
#include "addin/dialogs/DialogResults.h"
#include "addin/dialogs/FormDesign.h"

namespace morvane {

class Win32CommandWindows final : public CommandWindows {
  public:
    // `client` is read at each call: the client window is found after the commands are made.
    explicit Win32CommandWindows(const WindowHandle& client) : client_(client) {}

    WindowHandle ActiveChild() override;
    void PostClose(WindowHandle window) override;
    void SendClose(WindowHandle window) override;
    void PostActivate(WindowHandle window) override;

  private:
    const WindowHandle& client_;
};

// Files by their identity (volume and file index), deleted through Scripting.FileSystemObject.
class Win32CommandFiles final : public CommandFiles {
  public:
    // Only "file not found" and "path not found" say that nothing has the name.
    Existence Exists(const std::wstring& path) override;
    std::optional<FileIdentity> Identity(const std::wstring& path) override;
    std::optional<std::wstring> Delete(const std::wstring& path) override;
    // As the file system compares names: ordinal, through the system's upper-case table.
    bool SameName(const std::wstring& a, const std::wstring& b) override;
};

// A kernel handle (a file, a process), closed by its holder.
struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<void, HandleCloser>;

// Starts a program of the system's Windows folder by its full path, its window shown normally: a
// program started by its bare name is searched in the current folder first, and Project's current
// folder is whatever its file dialogs last showed. The new process, or none when it did not start.
OwnedHandle StartWindowsProgram(const std::wstring& program, const std::wstring& arguments);

class Win32CommandShell final : public CommandShell {
  public:
    void StartWindowsProgram(const std::wstring& program, const std::wstring& arguments) override;
    void OpenPage(const std::wstring& address) override;
    void Beep() override;
};

// The dialogs owned by the host's main window (read at each call).
class ModalCommandDialogs final : public CommandDialogs {
  public:
    ModalCommandDialogs(const std::intptr_t& owner, dialogs::TextLookup texts,
                        std::function<void()> openHelp,
                        std::function<void(OptionsPage)> showOptions);

    void Alert(const std::wstring& text) override;
    bool AskUnlock(const std::wstring& projectName) override;
    std::wstring AskNewName(const std::wstring& prompt, const std::wstring& current) override;
    void ShowMessage(const std::wstring& text) override;
    void ShowOptions(OptionsPage page) override;

  private:
    HWND Owner() const { return reinterpret_cast<HWND>(owner_); }

    const std::intptr_t& owner_;
    dialogs::TextLookup texts_;
    std::function<void()> openHelp_;
    std::function<void(OptionsPage)> showOptions_;
    dialogs::DialogResults results_;
};

}  // namespace morvane
