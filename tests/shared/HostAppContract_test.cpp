// The host port's contract against its double.
#include <stdexcept>

#include "support/FakeHost.h"
#include "support/HostAppContract.h"

namespace morvane::test {
namespace {

class FakeWorld {
  public:
    FakeWorld() { host.disk = &disk; }
    HostApp& App() { return host; }
    void AddProject(const std::wstring& name, const std::wstring& folder) {
        host.AddProject(name, folder);
    }
    void SetSaved(const std::wstring& name, bool saved) { Window(name).project->saved = saved; }
    void SetVisible(const std::wstring& name, bool visible) { Window(name).visible = visible; }
    void SetState(bool on) { host.state = on; }
    void Fail(const std::string& member) {
        // A window's own Activate, apart from its project's.
        if (member == "Window.Activate") {
            for (const auto& window : host.windows) {
                window->Fail("Activate");
            }
            return;
        }
        host.Fail(member);
        for (const auto& window : host.windows) {
            window->Fail(member);
            window->project->Fail(member);
        }
    }
    int Commands(const std::string& command) const {
        return command == "FileNew"    ? host.newCalls
               : command == "FileSave" ? host.saveCalls
               : command == "FileOpen" ? host.openCalls
                                       : host.saveAsCalls;
    }
    bool Alerts() const { return host.alerts; }
    std::wstring Folder() const { return L"C:\\Plans"; }
    std::wstring Root() const { return L"C:\\"; }
    bool HasFile(const std::wstring& path) const { return disk.Id(path).has_value(); }
    void RemoveFile(const std::wstring& path) { disk.Remove(path); }

  private:
    FakeWindow& Window(const std::wstring& caption) {
        for (const auto& window : host.windows) {
            if (window->caption == caption) {
                return *window;
            }
        }
        throw std::out_of_range("no such window");
    }
    FakeDisk disk;
    FakeHost host;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Fake, HostAppContract, FakeWorld);

}  // namespace
}  // namespace morvane::test
