#pragma once
// The host's automation objects (Project's Application, Window and Project), by the roles the
// add-in uses. The real adapter calls Project late-bound by dispatch id; tests use a double.
// Every member may fail: a query then returns no value (nullopt or nullptr), a command false.
// Nothing here throws.

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace morvane {

// The outcome of a host command that can say why it failed: on failure, the host's description
// of the error.
struct HostResult {
    bool ok = false;
    std::wstring error;
};

class HostProject {
  public:
    virtual ~HostProject() = default;
    virtual std::optional<std::wstring> Name() const = 0;
    // The project's folder; empty while the project was never saved.
    virtual std::optional<std::wstring> Path() const = 0;
    // Folder and file name; the key of the locked projects.
    virtual std::optional<std::wstring> FullName() const = 0;
    virtual std::optional<bool> Saved() const = 0;
    virtual bool Activate() = 0;
    // Saves the project under a new full name.
    virtual HostResult SaveAs(const std::wstring& fullName) = 0;
};

class HostWindow {
  public:
    virtual ~HostWindow() = default;
    virtual std::optional<std::wstring> Caption() const = 0;
    virtual std::optional<bool> Visible() const = 0;
    virtual std::shared_ptr<HostProject> Project() const = 0;
    // Brings the window to the front and makes it the active one; the host raises its
    // activation events before this returns.
    virtual bool Activate() = 0;
};

using HostProjectPtr = std::shared_ptr<HostProject>;
using HostWindowPtr = std::shared_ptr<HostWindow>;

class HostApp {
  public:
    virtual ~HostApp() = default;

    virtual std::optional<std::vector<HostProjectPtr>> Projects() const = 0;
    virtual std::optional<int> WindowCount() const = 0;
    // The windows in the collection's order. A failure part-way gives the windows reached.
    virtual std::optional<std::vector<HostWindowPtr>> Windows() const = 0;
    virtual HostWindowPtr WindowByCaption(const std::wstring& caption) const = 0;
    virtual HostProjectPtr ActiveProject() const = 0;
    virtual HostWindowPtr ActiveWindow() const = 0;
    // The host's Boolean state; the close prompt and selection handling act only while true.
    virtual std::optional<bool> State() const = 0;
    virtual std::optional<std::wstring> PathSeparator() const = 0;
    // "11.0", "12.0" or "14.0".
    virtual std::optional<std::wstring> Version() const = 0;
    // The application's name, as messages to the user name it.
    virtual std::optional<std::wstring> Name() const = 0;

    // The alerts switch, turned off while several windows are closed.
    virtual bool SetAlerts(bool on) = 0;
    virtual std::optional<bool> ShowWindowsInTaskbar() const = 0;
    virtual bool SetShowWindowsInTaskbar(bool on) = 0;

    virtual bool FileNew() = 0;
    virtual bool FileSave() = 0;
    // Shows the host's save-as dialog for the active project.
    virtual bool FileSaveAs() = 0;
    // Shows the host's open dialog.
    virtual bool FileOpen() = 0;
};

}  // namespace morvane
