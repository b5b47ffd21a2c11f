#pragma once
// The host's automation objects over IDispatch: Project's Application, its windows and projects,
// called late-bound by dispatch id (a project's Saved and FullName by name). A failing call gives
// no value or false; nothing is thrown.

#include <windows.h>
#include <oaidl.h>

#include <memory>

#include "shared/Com_win.h"
#include "host/HostApp.h"

namespace morvane {

// A project or a window object of the host, as events hand them over; nullptr for none. A
// window needs the Application to find its project.
HostProjectPtr HostProjectOf(com::ComPtr<IDispatch> project);
HostWindowPtr HostWindowOf(com::ComPtr<IDispatch> application, com::ComPtr<IDispatch> window);

class HostAppDispatch : public HostApp {
  public:
    explicit HostAppDispatch(com::ComPtr<IDispatch> application);

    std::optional<std::vector<HostProjectPtr>> Projects() const override;
    std::optional<int> WindowCount() const override;
    std::optional<std::vector<HostWindowPtr>> Windows() const override;
    HostWindowPtr WindowByCaption(const std::wstring& caption) const override;
    HostProjectPtr ActiveProject() const override;
    HostWindowPtr ActiveWindow() const override;
    std::optional<bool> State() const override;
    std::optional<std::wstring> PathSeparator() const override;
    std::optional<std::wstring> Version() const override;
    bool SetAlerts(bool on) override;
    std::optional<bool> ShowWindowsInTaskbar() const override;
    bool SetShowWindowsInTaskbar(bool on) override;
    bool FileNew() override;
    bool FileSave() override;
    bool FileSaveAs() override;
    bool FileOpen() override;

  private:
    com::ComPtr<IDispatch> app_;
};

}  // namespace morvane
