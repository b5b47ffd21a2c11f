#include "support/FakeHost.h"

namespace morvane::test {

namespace {

// The value, or no value when the member is told to fail.
template <typename T>
std::optional<T> Answer(const Faults& faults, const char* member, const T& value) {
    if (faults.Fails(member)) {
        return std::nullopt;
    }
    return value;
}

// Runs a command unless the member is told to fail.
template <typename F>
bool Command(const Faults& faults, const char* member, F&& action) {
    if (faults.Fails(member)) {
        return false;
    }
    action();
    return true;
}

// Makes the last of the host's windows that match the active window, with its project.
template <typename Match>
void MakeActive(FakeHost* host, Match&& matches) {
    if (!host) {
        return;
    }
    for (const auto& window : host->windows) {
        if (matches(*window)) {
            host->activeWindow = window;
            host->activeProject = window->project;
        }
    }
}

}  // namespace

std::optional<std::wstring> FakeProject::Name() const {
    return Answer(*this, "Name", name);
}
std::optional<std::wstring> FakeProject::Path() const {
    return Answer(*this, "Path", path);
}
std::optional<std::wstring> FakeProject::FullName() const {
    return Answer(*this, "FullName", fullName);
}
std::optional<bool> FakeProject::Saved() const {
    return Answer(*this, "Saved", saved);
}
bool FakeProject::Activate() {
    return Command(*this, "Activate", [this] {
        ++activations;
        MakeActive(host, [this](const FakeWindow& window) { return window.project.get() == this; });
    });
}
HostResult FakeProject::SaveAs(const std::wstring& newFullName) {
    const bool ok = Command(*this, "SaveAs", [&] {
        savedAs.push_back(newFullName);
        if (whileSaving) {
            whileSaving();
        }
        if (saveAsWrites && host && host->disk) {
            host->disk->Write(newFullName, content);
        }
        if (saveAsMoves) {
            // The project names the file as Windows spells it; a drive's root keeps its
            // separator ("C:\\").
            const std::wstring written = FakeDisk::WindowsName(newFullName);
            const std::wstring separator = host ? host->pathSeparator : L"\\";
            const auto at = written.rfind(separator);
            path = at == std::wstring::npos ? L"" : written.substr(0, at);
            if (path.size() == 2 && path[1] == L':') {
                path += separator;
            }
            name = at == std::wstring::npos ? written : written.substr(at + separator.size());
            fullName = written;
            saved = true;
        }
    });
    return {ok, ok ? L"" : saveAsError};
}

std::optional<std::wstring> FakeWindow::Caption() const {
    return Answer(*this, "Caption", caption);
}
std::optional<bool> FakeWindow::Visible() const {
    return Answer(*this, "Visible", visible);
}
HostProjectPtr FakeWindow::Project() const {
    return Fails("Project") ? nullptr : project;
}
bool FakeWindow::Activate() {
    return Command(*this, "Activate", [this] {
        ++activations;
        MakeActive(host, [this](const FakeWindow& window) { return &window == this; });
        if (onActivate) {
            onActivate();
        }
    });
}

std::shared_ptr<FakeWindow> FakeHost::AddProject(const std::wstring& name,
                                                 const std::wstring& folder) {
    auto project = std::make_shared<FakeProject>();
    project->host = this;
    project->name = name;
    project->path = folder;
    project->fullName = folder.empty() || folder.ends_with(pathSeparator)
                            ? folder + name
                            : folder + pathSeparator + name;
    project->content = L"content of " + name;
    if (disk && !folder.empty()) {
        disk->Write(project->fullName, project->content);
    }
    auto window = std::make_shared<FakeWindow>();
    window->host = this;
    window->caption = name;
    window->project = project;
    projects.push_back(project);
    windows.push_back(window);
    activeProject = project;
    activeWindow = window;
    return window;
}

std::optional<std::vector<HostProjectPtr>> FakeHost::Projects() const {
    if (Fails("Projects")) {
        return std::nullopt;
    }
    return std::vector<HostProjectPtr>(projects.begin(), projects.end());
}
std::optional<int> FakeHost::WindowCount() const {
    return Answer(*this, "WindowCount", static_cast<int>(windows.size()));
}
std::optional<std::vector<HostWindowPtr>> FakeHost::Windows() const {
    if (Fails("Windows")) {
        return std::nullopt;
    }
    return std::vector<HostWindowPtr>(windows.begin(), windows.end());
}
HostWindowPtr FakeHost::WindowByCaption(const std::wstring& caption) const {
    if (Fails("WindowByCaption")) {
        return nullptr;
    }
    for (const auto& window : windows) {
        if (window->caption == caption) {
            return window;
        }
    }
    return nullptr;
}
HostProjectPtr FakeHost::ActiveProject() const {
    return Fails("ActiveProject") ? nullptr : activeProject;
}
HostWindowPtr FakeHost::ActiveWindow() const {
    return Fails("ActiveWindow") ? nullptr : activeWindow;
}
std::optional<bool> FakeHost::State() const {
    return Answer(*this, "State", state);
}
std::optional<std::wstring> FakeHost::PathSeparator() const {
    return Answer(*this, "PathSeparator", pathSeparator);
}
std::optional<std::wstring> FakeHost::Version() const {
    return Answer(*this, "Version", version);
}
std::optional<std::wstring> FakeHost::Name() const {
    return Answer(*this, "Name", name);
}
bool FakeHost::SetAlerts(bool on) {
    return Command(*this, "SetAlerts", [&] { alerts = on; });
}
std::optional<bool> FakeHost::ShowWindowsInTaskbar() const {
    return Answer(*this, "ShowWindowsInTaskbar", showWindowsInTaskbar);
}
bool FakeHost::SetShowWindowsInTaskbar(bool on) {
    return Command(*this, "SetShowWindowsInTaskbar", [&] { showWindowsInTaskbar = on; });
}
bool FakeHost::FileNew() {
    return Command(*this, "FileNew", [this] { ++newCalls; });
}
bool FakeHost::FileSave() {
    return Command(*this, "FileSave", [this] { ++saveCalls; });
}
bool FakeHost::FileSaveAs() {
    return Command(*this, "FileSaveAs", [this] { ++saveAsCalls; });
}
bool FakeHost::FileOpen() {
    return Command(*this, "FileOpen", [this] { ++openCalls; });
}

}  // namespace morvane::test
