// The host port's contract against the adapter over the stand-in host.
#include <map>
#include <string>
#include <vector>

#include "host/HostAppDispatch_win.h"
#include "shared/Trace.h"
#include "standin/Host_win.h"
#include "support/HostAppContract.h"

namespace morvane::test {
namespace {

using standin::ObjectKind;

class StandinWorld {
  public:
    StandinWorld() : app_(host_.Application()) {}

    HostApp& App() { return app_; }
    void AddProject(const std::wstring& name, const std::wstring& folder) {
        host_.OpenProject(name, folder);
    }
    void SetSaved(const std::wstring& name, bool saved) { host_.Find(name)->saved = saved; }
    void SetVisible(const std::wstring& name, bool visible) {
        host_.SetWindowVisible(name, visible);
    }
    void SetState(bool on) { host_.SetState(on); }
    // FakeHost's fault names, as the members the adapter calls. A window's project is lost only
    // when neither its Parent nor the projects' own windows answer.
    void Fail(const std::string& member) {
        if (member == "Project") {
            host_.Fail(ObjectKind::Window, windowid::Parent);
            host_.Fail(ObjectKind::Project, projectid::Windows);
            return;
        }
        static const std::map<std::string, std::pair<ObjectKind, long>> members = {
            {"Name", {ObjectKind::Project, projectid::Name}},
            {"Path", {ObjectKind::Project, projectid::Path}},
            {"FullName", {ObjectKind::Project, projectid::FullName}},
            {"Saved", {ObjectKind::Project, projectid::Saved}},
            {"Activate", {ObjectKind::Project, projectid::Activate}},
            {"SaveAs", {ObjectKind::Project, projectid::SaveAs}},
            {"Caption", {ObjectKind::Window, windowid::Caption}},
            {"Visible", {ObjectKind::Window, windowid::Visible}},
            {"Window.Activate", {ObjectKind::Window, windowid::Activate}},
            {"Projects", {ObjectKind::Application, appid::Projects}},
            {"WindowCount", {ObjectKind::Windows, collectionid::Count}},
            {"Windows", {ObjectKind::Windows, collectionid::NewEnum}},
            {"WindowByCaption", {ObjectKind::Windows, collectionid::Item}},
            {"ActiveProject", {ObjectKind::Application, appid::ActiveProject}},
            {"ActiveWindow", {ObjectKind::Application, appid::ActiveWindow}},
            {"State", {ObjectKind::Application, appid::Visible}},
            {"PathSeparator", {ObjectKind::Application, appid::PathSeparator}},
            {"Version", {ObjectKind::Application, appid::Version}},
            {"SetAlerts", {ObjectKind::Application, appid::DisplayAlerts}},
            {"ShowWindowsInTaskbar", {ObjectKind::Application, appid::ShowWindowsInTaskbar}},
            {"SetShowWindowsInTaskbar", {ObjectKind::Application, appid::ShowWindowsInTaskbar}},
            {"FileNew", {ObjectKind::Application, appid::FileNew}},
            {"FileSave", {ObjectKind::Application, appid::FileSave}},
            {"FileSaveAs", {ObjectKind::Application, appid::FileSaveAs}},
            {"FileOpen", {ObjectKind::Application, appid::FileOpen}},
        };
        const auto& [kind, id] = members.at(member);
        host_.Fail(kind, id);
    }
    int Commands(const std::string& command) const {
        const long id = command == "FileNew"    ? appid::FileNew
                        : command == "FileSave" ? appid::FileSave
                        : command == "FileOpen" ? appid::FileOpen
                                                : appid::FileSaveAs;
        return host_.Calls(ObjectKind::Application, id);
    }
    bool Alerts() const { return host_.Alerts(); }
    std::wstring Folder() const {
        wchar_t temp[MAX_PATH];
        const DWORD n = GetTempPathW(MAX_PATH, temp);
        std::wstring folder(temp, n > 0 ? n - 1 : 0);  // without the trailing separator
        folder += L"\\morvane-contract";
        CreateDirectoryW(folder.c_str(), nullptr);
        return folder;
    }
    // The root of the temporary folder's drive.
    std::wstring Root() const { return Folder().substr(0, 3); }
    bool HasFile(const std::wstring& path) const {
        return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    void RemoveFile(const std::wstring& path) { DeleteFileW(path.c_str()); }

  private:
    com::Apartment apartment_;
    standin::Host host_;
    HostAppDispatch app_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Standin, HostAppContract, StandinWorld);

TEST(HostAppDispatch, TheAlertsSwitchLeavesScreenUpdatingAlone) {
    com::Apartment apartment;
    standin::Host host;
    HostAppDispatch app(host.Application());
    ASSERT_TRUE(app.SetAlerts(false));
    EXPECT_FALSE(host.Alerts());
    EXPECT_TRUE(host.ScreenUpdating());
    EXPECT_EQ(host.Calls(ObjectKind::Application, appid::ScreenUpdating), 0);
}

// A window's project: its Parent where that is a project, otherwise the project whose own
// windows hold one of the same caption.
TEST(HostAppDispatch, AWindowsProjectByParentOrByItsWindows) {
    struct Case {
        const char* name;
        bool parentIsProject;
        bool parentFails;
        bool searchesProjects;
    };
    const Case cases[] = {
        {"parent is the project", true, false, false},
        {"parent is the windows collection", false, false, true},
        {"parent fails", true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        com::Apartment apartment;
        standin::HostOptions options;
        options.windowParentIsProject = c.parentIsProject;
        standin::Host host(options);
        host.OpenProject(L"A.mpp", L"C:\\Plans");
        host.OpenProject(L"B.mpp", L"D:\\Work");
        host.OpenProject(L"C.mpp", L"C:\\Plans");
        if (c.parentFails) {
            host.Fail(ObjectKind::Window, windowid::Parent);
        }
        HostAppDispatch app(host.Application());
        const auto b = app.WindowByCaption(L"B.mpp");
        ASSERT_TRUE(b);
        const auto project = b->Project();
        ASSERT_TRUE(project);
        EXPECT_EQ(project->FullName(), L"D:\\Work\\B.mpp");
        EXPECT_EQ(host.Calls(ObjectKind::Application, appid::Projects) > 0, c.searchesProjects);
        // The window named its project: asking again searches nothing.
        const int searches = host.Calls(ObjectKind::Application, appid::Projects);
        const int parents = host.Calls(ObjectKind::Window, windowid::Parent);
        EXPECT_EQ(b->Project()->FullName(), L"D:\\Work\\B.mpp");
        EXPECT_EQ(host.Calls(ObjectKind::Application, appid::Projects), searches);
        EXPECT_EQ(host.Calls(ObjectKind::Window, windowid::Parent), parents);
    }
}

// A host call that fails is told to the debugger's output with the member it called and the
// host's HRESULT; calls that succeed say nothing.
TEST(HostAppDispatch, AFailingHostCallIsTracedWithItsNameAndHresult) {
    std::vector<std::wstring> lines;
    SetTraceSink([&lines](const std::wstring& line) { lines.push_back(line); });
    {
        com::Apartment apartment;
        standin::Host host;
        host.Fail(ObjectKind::Application, appid::Version);
        host.Fail(ObjectKind::Application, appid::FileSave);
        HostAppDispatch app(host.Application());
        EXPECT_EQ(app.Version(), std::nullopt);
        EXPECT_TRUE(app.Name().has_value());
        EXPECT_FALSE(app.FileSave());
    }
    SetTraceSink(nullptr);
    EXPECT_EQ(lines, (std::vector<std::wstring>{
                         L"Morvane: IDispatch::Invoke of Application.Version failed, HRESULT "
                         L"0x80004005",
                         L"Morvane: IDispatch::Invoke of Application.FileSave failed, HRESULT "
                         L"0x80004005"}));
}

}  // namespace
}  // namespace morvane::test
