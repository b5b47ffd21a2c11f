#pragma once
// In-memory double of the host's automation objects. Every member can be told to fail by name
// ("Saved", "Windows", ...), so tests can show how callers survive a failing host.

#include <functional>
#include <string>

#include "host/HostApp.h"
#include "support/FakeDisk.h"
#include "support/Faults.h"

namespace morvane::test {

class FakeHost;

class FakeProject : public HostProject, public Faults {
  public:
    FakeHost* host = nullptr;  // activation makes the project and its window the host's active ones
    std::wstring name;
    std::wstring path;
    std::wstring fullName;
    bool saved = true;
    int activations = 0;
    std::vector<std::wstring> savedAs;
    // What a failing SaveAs says.
    std::wstring saveAsError = L"The file is in use by another program.";
    // What the project's file holds; a save writes it to the host's disk.
    std::wstring content;
    // A SaveAs that answers success may still leave the file unwritten or the project where it
    // was.
    bool saveAsWrites = true;
    bool saveAsMoves = true;
    // Runs while the host saves, as its own code goes on then.
    std::function<void()> whileSaving;

    std::optional<std::wstring> Name() const override;
    std::optional<std::wstring> Path() const override;
    std::optional<std::wstring> FullName() const override;
    std::optional<bool> Saved() const override;
    bool Activate() override;
    HostResult SaveAs(const std::wstring& newFullName) override;
};

class FakeWindow : public HostWindow, public Faults {
  public:
    FakeHost* host = nullptr;  // activation makes the window and its project the active ones
    std::wstring caption;
    bool visible = true;
    std::shared_ptr<FakeProject> project;
    int activations = 0;
    // What else the host does when it activates the window: a test brings its document window
    // to the front there, or raises the host's activation events.
    std::function<void()> onActivate;

    std::optional<std::wstring> Caption() const override;
    std::optional<bool> Visible() const override;
    HostProjectPtr Project() const override;
    bool Activate() override;
};

class FakeHost : public HostApp, public Faults {
  public:
    std::vector<std::shared_ptr<FakeProject>> projects;
    std::vector<std::shared_ptr<FakeWindow>> windows;
    std::shared_ptr<FakeProject> activeProject;
    std::shared_ptr<FakeWindow> activeWindow;
    bool state = true;
    std::wstring pathSeparator = L"\\";
    std::wstring version = L"14.0";
    std::wstring name = L"Microsoft Project";
    bool alerts = true;
    bool showWindowsInTaskbar = false;
    int newCalls = 0, saveCalls = 0, saveAsCalls = 0, openCalls = 0;
    // Where the projects' files are, when the test keeps them; a saved project added has its
    // file there.
    FakeDisk* disk = nullptr;

    // Adds a project with one window and returns the window.
    std::shared_ptr<FakeWindow> AddProject(const std::wstring& name, const std::wstring& folder);

    std::optional<std::vector<HostProjectPtr>> Projects() const override;
    std::optional<int> WindowCount() const override;
    std::optional<std::vector<HostWindowPtr>> Windows() const override;
    HostWindowPtr WindowByCaption(const std::wstring& caption) const override;
    HostProjectPtr ActiveProject() const override;
    HostWindowPtr ActiveWindow() const override;
    std::optional<bool> State() const override;
    std::optional<std::wstring> PathSeparator() const override;
    std::optional<std::wstring> Version() const override;
    std::optional<std::wstring> Name() const override;
    bool SetAlerts(bool on) override;
    std::optional<bool> ShowWindowsInTaskbar() const override;
    bool SetShowWindowsInTaskbar(bool on) override;
    bool FileNew() override;
    bool FileSave() override;
    bool FileSaveAs() override;
    bool FileOpen() override;
};

}  // namespace morvane::test
