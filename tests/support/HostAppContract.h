#pragma once
// What every HostApp must do, written once: instantiated natively against FakeHost and under Wine
// against the adapter over the stand-in host, so that the double cannot drift from the real thing.
//
// A World type (default-constructible) builds one side:
//   HostApp& App();
//   void AddProject(name, folder);    // one project with one window; it becomes the active one
//   void SetSaved(name, bool);  void SetVisible(name, bool);  void SetState(bool);
//   void Fail(member);                // a member by FakeHost's fault names ("Window.Activate":
//                                     // a window's Activate, not its project's)
//   int Commands(command) const;  // "FileNew", "FileSave", "FileSaveAs", "FileOpen" that reached
//                                 // the host
//   bool Alerts() const;
//   std::wstring Folder() const;  // a folder that exists, for saving
//   std::wstring Root() const;    // a drive's root folder, for saving, its separator included
//   bool HasFile(path) const;  void RemoveFile(path);  // the files the host's saves write

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/HostApp.h"

namespace morvane::test {

template <typename World>
class HostAppContract : public ::testing::Test {
  protected:
    // Two projects, B active.
    void SetUp() override {
        world.AddProject(L"A.mpp", world.Folder());
        world.AddProject(L"B.mpp", world.Folder());
    }
    World world;
};

TYPED_TEST_SUITE_P(HostAppContract);

template <typename T>
std::vector<std::wstring> Names(const std::vector<T>& items) {
    std::vector<std::wstring> names;
    for (const auto& item : items) {
        if constexpr (std::is_same_v<T, HostWindowPtr>) {
            names.push_back(item->Caption().value_or(L"?"));
        } else {
            names.push_back(item->Name().value_or(L"?"));
        }
    }
    return names;
}

TYPED_TEST_P(HostAppContract, ProjectsAndWindowsInOrderWithTheirProjects) {
    HostApp& app = this->world.App();
    const std::vector<std::wstring> expected = {L"A.mpp", L"B.mpp"};
    const auto projects = app.Projects();
    ASSERT_TRUE(projects);
    EXPECT_EQ(Names(*projects), expected);
    const auto windows = app.Windows();
    ASSERT_TRUE(windows);
    EXPECT_EQ(Names(*windows), expected);
    EXPECT_EQ(app.WindowCount(), 2);

    const auto project = (*windows)[0]->Project();
    ASSERT_TRUE(project);
    EXPECT_EQ(project->Name(), L"A.mpp");
    EXPECT_EQ(project->Path(), this->world.Folder());
    EXPECT_EQ(project->FullName(), this->world.Folder() + L"\\A.mpp");
    EXPECT_EQ(project->Saved(), true);
    EXPECT_EQ((*windows)[1]->Visible(), true);
}

// Two projects of one name from two folders: their windows share a caption, yet each window
// answers its own project.
TYPED_TEST_P(HostAppContract, WindowsOfOneCaptionKeepTheirOwnProjects) {
    HostApp& app = this->world.App();
    this->world.AddProject(L"A.mpp", L"C:\\Other");
    const auto windows = app.Windows();
    ASSERT_TRUE(windows);
    ASSERT_EQ(windows->size(), 3u);
    const auto first = (*windows)[0]->Project();
    const auto third = (*windows)[2]->Project();
    ASSERT_TRUE(first && third);
    EXPECT_EQ(first->FullName(), this->world.Folder() + L"\\A.mpp");
    EXPECT_EQ(third->FullName(), L"C:\\Other\\A.mpp");
}

TYPED_TEST_P(HostAppContract, WindowByCaption) {
    HostApp& app = this->world.App();
    const auto window = app.WindowByCaption(L"A.mpp");
    ASSERT_TRUE(window);
    EXPECT_EQ(window->Caption(), L"A.mpp");
    EXPECT_EQ(app.WindowByCaption(L"Missing.mpp"), nullptr);
}

TYPED_TEST_P(HostAppContract, ActivationMovesTheActiveProjectAndWindow) {
    HostApp& app = this->world.App();
    ASSERT_TRUE(app.ActiveProject());
    EXPECT_EQ(app.ActiveProject()->Name(), L"B.mpp");
    const auto a = app.WindowByCaption(L"A.mpp")->Project();
    ASSERT_TRUE(a && a->Activate());
    EXPECT_EQ(app.ActiveProject()->Name(), L"A.mpp");
    ASSERT_TRUE(app.ActiveWindow());
    EXPECT_EQ(app.ActiveWindow()->Caption(), L"A.mpp");

    // A window activates itself and its project.
    const auto b = app.WindowByCaption(L"B.mpp");
    ASSERT_TRUE(b && b->Activate());
    EXPECT_EQ(app.ActiveWindow()->Caption(), L"B.mpp");
    EXPECT_EQ(app.ActiveProject()->Name(), L"B.mpp");
}

TYPED_TEST_P(HostAppContract, StateFollowsTheHost) {
    HostApp& app = this->world.App();
    this->world.SetSaved(L"A.mpp", false);
    this->world.SetVisible(L"B.mpp", false);
    EXPECT_EQ(app.WindowByCaption(L"A.mpp")->Project()->Saved(), false);
    EXPECT_EQ(app.WindowByCaption(L"B.mpp")->Visible(), false);
    EXPECT_EQ(app.State(), true);
    this->world.SetState(false);
    EXPECT_EQ(app.State(), false);
    EXPECT_EQ(app.PathSeparator(), L"\\");
    EXPECT_EQ(app.Version(), L"14.0");
    EXPECT_EQ(app.Name(), L"Microsoft Project");
}

TYPED_TEST_P(HostAppContract, Switches) {
    HostApp& app = this->world.App();
    EXPECT_TRUE(app.SetShowWindowsInTaskbar(true));
    EXPECT_EQ(app.ShowWindowsInTaskbar(), true);
    EXPECT_TRUE(app.SetShowWindowsInTaskbar(false));
    EXPECT_EQ(app.ShowWindowsInTaskbar(), false);
    EXPECT_TRUE(this->world.Alerts());
    EXPECT_TRUE(app.SetAlerts(false));
    EXPECT_FALSE(this->world.Alerts());
}

// The save writes the file it is given and moves the project there.
TYPED_TEST_P(HostAppContract, SaveUnderANewFullName) {
    this->world.SetSaved(L"A.mpp", false);
    const auto a = this->world.App().WindowByCaption(L"A.mpp")->Project();
    const std::wstring renamed = this->world.Folder() + L"\\Renamed.mpp";
    this->world.RemoveFile(renamed);
    ASSERT_FALSE(this->world.HasFile(renamed));
    ASSERT_TRUE(a->SaveAs(renamed).ok);
    EXPECT_TRUE(this->world.HasFile(renamed));
    EXPECT_EQ(a->FullName(), renamed);
    EXPECT_EQ(a->Name(), L"Renamed.mpp");
    EXPECT_EQ(a->Path(), this->world.Folder());
    EXPECT_EQ(a->Saved(), true);
}

// In a drive's root the project's folder ends with the separator and its full name holds one.
// A name with trailing dots or blanks is saved, and named, as Windows spells the file.
TYPED_TEST_P(HostAppContract, SaveIntoARootAndUnderANameWindowsShortens) {
    const auto a = this->world.App().WindowByCaption(L"A.mpp")->Project();
    const std::wstring root = this->world.Root();
    const std::wstring inRoot = root + L"morvane-contract.mpp";
    ASSERT_TRUE(a->SaveAs(inRoot).ok);
    EXPECT_TRUE(this->world.HasFile(inRoot));
    EXPECT_EQ(a->FullName(), inRoot);
    EXPECT_EQ(a->Path(), root);
    this->world.RemoveFile(inRoot);

    const std::wstring plain = this->world.Folder() + L"\\Renamed";
    this->world.RemoveFile(plain);
    ASSERT_TRUE(a->SaveAs(plain + L". .").ok);
    EXPECT_TRUE(this->world.HasFile(plain));
    EXPECT_EQ(a->FullName(), plain);
    EXPECT_EQ(a->Name(), L"Renamed");
    EXPECT_EQ(a->Path(), this->world.Folder());
    this->world.RemoveFile(plain);
}

TYPED_TEST_P(HostAppContract, CommandsReachTheHost) {
    const std::vector<std::pair<std::string, std::function<bool(HostApp&)>>> commands = {
        {"FileNew", [](HostApp& app) { return app.FileNew(); }},
        {"FileSave", [](HostApp& app) { return app.FileSave(); }},
        {"FileSaveAs", [](HostApp& app) { return app.FileSaveAs(); }},
        {"FileOpen", [](HostApp& app) { return app.FileOpen(); }},
    };
    for (const auto& [name, run] : commands) {
        SCOPED_TRACE(name);
        TypeParam world;
        world.AddProject(L"A.mpp", world.Folder());
        EXPECT_TRUE(run(world.App()));
        EXPECT_EQ(world.Commands(name), 1);
    }
}

// Each member told to fail gives no value (or false), and the others still answer.
TYPED_TEST_P(HostAppContract, AFailingMemberGivesNoValue) {
    using Check = std::function<bool(HostApp&)>;
    const auto projectA = [](HostApp& app) {
        const auto windows = app.Windows();
        return windows && !windows->empty() ? windows->front()->Project() : nullptr;
    };
    const auto windowA = [](HostApp& app) {
        const auto windows = app.Windows();
        return windows && !windows->empty() ? windows->front() : nullptr;
    };
    const std::vector<std::pair<std::string, Check>> cases = {
        {"Name", [&](HostApp& app) { return !projectA(app)->Name(); }},
        {"Path", [&](HostApp& app) { return !projectA(app)->Path(); }},
        {"FullName", [&](HostApp& app) { return !projectA(app)->FullName(); }},
        {"Saved", [&](HostApp& app) { return !projectA(app)->Saved(); }},
        {"Activate", [&](HostApp& app) { return !projectA(app)->Activate(); }},
        // A refused save says why.
        {"SaveAs",
         [&](HostApp& app) {
             const HostResult saved = projectA(app)->SaveAs(L"C:\\x.mpp");
             return !saved.ok && !saved.error.empty();
         }},
        {"Caption", [&](HostApp& app) { return !windowA(app)->Caption(); }},
        {"Visible", [&](HostApp& app) { return !windowA(app)->Visible(); }},
        {"Project", [&](HostApp& app) { return windowA(app)->Project() == nullptr; }},
        {"Window.Activate", [&](HostApp& app) { return !windowA(app)->Activate(); }},
        {"Projects", [](HostApp& app) { return !app.Projects(); }},
        {"WindowCount", [](HostApp& app) { return !app.WindowCount(); }},
        {"Windows", [](HostApp& app) { return !app.Windows(); }},
        {"WindowByCaption", [](HostApp& app) { return !app.WindowByCaption(L"A.mpp"); }},
        {"ActiveProject", [](HostApp& app) { return !app.ActiveProject(); }},
        {"ActiveWindow", [](HostApp& app) { return !app.ActiveWindow(); }},
        {"State", [](HostApp& app) { return !app.State(); }},
        {"PathSeparator", [](HostApp& app) { return !app.PathSeparator(); }},
        {"Version", [](HostApp& app) { return !app.Version(); }},
        {"SetAlerts", [](HostApp& app) { return !app.SetAlerts(false); }},
        {"ShowWindowsInTaskbar", [](HostApp& app) { return !app.ShowWindowsInTaskbar(); }},
        {"SetShowWindowsInTaskbar",
         [](HostApp& app) { return !app.SetShowWindowsInTaskbar(true); }},
        {"FileNew", [](HostApp& app) { return !app.FileNew(); }},
        {"FileSave", [](HostApp& app) { return !app.FileSave(); }},
        {"FileSaveAs", [](HostApp& app) { return !app.FileSaveAs(); }},
        {"FileOpen", [](HostApp& app) { return !app.FileOpen(); }},
    };
    for (const auto& [member, fails] : cases) {
        SCOPED_TRACE(member);
        TypeParam world;
        world.AddProject(L"A.mpp", world.Folder());
        world.Fail(member);
        EXPECT_TRUE(fails(world.App()));
        const auto other =
            member == "Version" ? world.App().PathSeparator() : world.App().Version();
        EXPECT_TRUE(other.has_value());
    }
}

REGISTER_TYPED_TEST_SUITE_P(HostAppContract, ProjectsAndWindowsInOrderWithTheirProjects,
                            WindowsOfOneCaptionKeepTheirOwnProjects, WindowByCaption,
                            ActivationMovesTheActiveProjectAndWindow, StateFollowsTheHost, Switches,
                            SaveUnderANewFullName, SaveIntoARootAndUnderANameWindowsShortens,
                            CommandsReachTheHost, AFailingMemberGivesNoValue);

}  // namespace morvane::test
