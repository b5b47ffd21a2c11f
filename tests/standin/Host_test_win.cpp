#include "standin/Host_win.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include <commctrl.h>

#include "shared/Office_win.h"

namespace morvane::standin {
namespace {

using office::ProjectAppEvent;

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    return name;
}

std::wstring TextOf(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
}

// The host's file dialog as the add-in's exit timer looks for it.
HWND FindFileDialog(HWND owner) {
    HWND found = nullptr;
    while ((found = FindWindowExW(nullptr, found, L"#32770", nullptr)) != nullptr) {
        if (GetParent(found) == owner &&
            FindWindowExW(found, nullptr, L"DUIViewWndClassName", nullptr) != nullptr) {
            return found;
        }
    }
    return nullptr;
}

com::Variant Get(IDispatch* object, DISPID id, std::vector<com::Variant> args = {}) {
    com::Variant result;
    EXPECT_EQ(com::Invoke(object, id, DISPATCH_PROPERTYGET | DISPATCH_METHOD, args, &result), S_OK)
        << "member " << id;
    return result;
}

std::wstring Text(const com::Variant& v) {
    std::wstring text;
    v.ToText(text);
    return text;
}

// Records one message as a window receives it, while the spy lives.
class MessageSpy {
  public:
    MessageSpy(HWND hwnd, UINT msg) : hwnd_(hwnd), msg_(msg) {
        SetWindowSubclass(hwnd_, Proc, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    MessageSpy(const MessageSpy&) = delete;
    MessageSpy& operator=(const MessageSpy&) = delete;
    ~MessageSpy() { RemoveWindowSubclass(hwnd_, Proc, 1); }
    std::vector<std::pair<WPARAM, LPARAM>> seen;

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR self) {
        auto* spy = reinterpret_cast<MessageSpy*>(self);
        if (msg == spy->msg_) {
            spy->seen.emplace_back(wParam, lParam);
        }
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }
    HWND hwnd_;
    UINT msg_;
};

// An application event sink: records each event with the name of the window or project it came
// with, and sets Cancel for the events it is told to.
class EventLog : public com::DispatchObject {
  public:
    EventLog() : DispatchObject({}) {}
    struct Entry {
        DISPID id;
        std::wstring subject;
        bool saveAsUi = false;
        HWND activeChild = nullptr;  // what WM_MDIGETACTIVE answered while the event ran
        std::vector<VARTYPE> types;  // the arguments' types in natural order
    };
    std::vector<Entry> entries;
    std::set<DISPID> cancel;
    HWND client = nullptr;

    std::vector<DISPID> Ids() const {
        std::vector<DISPID> ids;
        for (const auto& e : entries) {
            ids.push_back(e.id);
        }
        return ids;
    }

  protected:
    HRESULT Call(DISPID id, WORD, const std::vector<VARIANT*>& args, VARIANT*) override {
        Entry e{id, L"", false, nullptr, {}};
        for (const VARIANT* arg : args) {
            e.types.push_back(arg->vt);
        }
        if (!args.empty() && args[0]->vt == VT_DISPATCH &&
            id != ProjectAppEvent::ApplicationBeforeClose) {
            com::Variant name;
            com::Invoke(args[0]->pdispVal, 0, DISPATCH_PROPERTYGET, {}, &name);
            e.subject = Text(name);
        }
        if (id == ProjectAppEvent::ProjectBeforeSave && args.size() == 3) {
            e.saveAsUi = args[1]->boolVal != VARIANT_FALSE;
        }
        e.activeChild = reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0));
        if (cancel.count(id)) {
            if (id == ProjectAppEvent::ApplicationBeforeClose) {
                com::InvokeByName(args[0]->pdispVal, L"Cancel", DISPATCH_PROPERTYPUT,
                                  {com::Variant::Bool(true)}, nullptr);
            } else {
                *args.back()->pboolVal = VARIANT_TRUE;
            }
        }
        entries.push_back(e);
        return S_OK;
    }
};

class HostTest : public ::testing::Test {
  protected:
    void Start(HostOptions options = {}) {
        host = std::make_unique<Host>(options);
        app = host->Application();
        auto container = app.As<IConnectionPointContainer>();
        ASSERT_TRUE(container);
        ASSERT_EQ(container->FindConnectionPoint(office::IID_EProjectApp2, point.Put()), S_OK);
        ASSERT_EQ(point->Advise(static_cast<IDispatch*>(log.Get()), &cookie), S_OK);
        log->client = host->Client();
    }
    void TearDown() override {
        if (point) {
            point->Unadvise(cookie);
        }
    }
    HWND Doc(const std::wstring& name) { return host->Find(name)->window; }
    HWND ActiveChild(BOOL* maximized = nullptr) {
        return reinterpret_cast<HWND>(
            SendMessageW(host->Client(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(maximized)));
    }
    std::wstring TempFile(const std::wstring& name) {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        const std::wstring path = std::wstring(temp) + name;
        DeleteFileW(path.c_str());
        return path;
    }
    static bool Exists(const std::wstring& path) {
        return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    com::Apartment apartment;
    com::ComPtr<EventLog> log = com::Make<EventLog>();
    std::unique_ptr<Host> host;
    com::ComPtr<IDispatch> app;
    com::ComPtr<IConnectionPoint> point;
    DWORD cookie = 0;
};

TEST_F(HostTest, WindowsHaveProjectsClassesAndCaptions) {
    Start();
    EXPECT_EQ(FindWindowA("JWinproj-WhimperMainClass", nullptr), host->MainWindow());
    EXPECT_EQ(FindWindowExA(host->MainWindow(), nullptr, "MDIClient", nullptr), host->Client());
    HWND a = host->OpenProject(L"Alpha.mpp", L"C:\\Plans");
    ASSERT_TRUE(a);
    EXPECT_EQ(ClassOf(a), L"Winproj-DocWindowClass");
    EXPECT_EQ(GetParent(a), host->Client());
    EXPECT_EQ(TextOf(a), L"Alpha.mpp");

    EXPECT_EQ(FindWindowExW(host->MainWindow(), nullptr, L"Winproj-Preview", nullptr), nullptr);
    host->OpenPreview();
    HWND preview = FindWindowExW(host->MainWindow(), nullptr, L"Winproj-Preview", nullptr);
    EXPECT_TRUE(preview);
    EXPECT_EQ(preview, host->Preview());
    host->ClosePreview();
    EXPECT_EQ(FindWindowExW(host->MainWindow(), nullptr, L"Winproj-Preview", nullptr), nullptr);
}

// The client-window hook learns of new and destroyed documents through WM_PARENTNOTIFY.
TEST_F(HostTest, ClientHearsOfDocumentsCreatedAndDestroyed) {
    Start();
    MessageSpy spy(host->Client(), WM_PARENTNOTIFY);
    HWND a = host->OpenProject(L"A.mpp");
    host->CloseProject(L"A.mpp");
    ASSERT_EQ(spy.seen.size(), 2u);
    EXPECT_EQ(LOWORD(spy.seen[0].first), WM_CREATE);
    EXPECT_EQ(reinterpret_cast<HWND>(spy.seen[0].second), a);
    EXPECT_EQ(LOWORD(spy.seen[1].first), WM_DESTROY);
    EXPECT_EQ(reinterpret_cast<HWND>(spy.seen[1].second), a);
}

TEST_F(HostTest, ActivationChangesFireWindowAndPaneEvents) {
    Start();
    host->OpenProject(L"A.mpp");
    host->OpenProject(L"B.mpp");
    EXPECT_EQ(ActiveChild(), Doc(L"B.mpp"));
    log->entries.clear();

    // As the tab bar does it: posted to the client window.
    PostMessageW(host->Client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Doc(L"A.mpp")), 0);
    host->Pump();
    EXPECT_EQ(ActiveChild(), Doc(L"A.mpp"));
    EXPECT_EQ(host->ActiveDocument()->name, L"A.mpp");
    ASSERT_EQ(log->Ids(),
              (std::vector<DISPID>{ProjectAppEvent::WindowDeactivate,
                                   ProjectAppEvent::WindowActivate, ProjectAppEvent::PaneActivate,
                                   ProjectAppEvent::WindowSelectionChange}));
    EXPECT_EQ(log->entries[0].subject, L"B.mpp");
    EXPECT_EQ(log->entries[1].subject, L"A.mpp");
    EXPECT_EQ(log->entries[1].activeChild, Doc(L"A.mpp"));
    EXPECT_EQ(log->entries[3].subject, L"A.mpp");
    ASSERT_GE(host->Events().size(), 4u);
    EXPECT_EQ(host->Events().back().id, ProjectAppEvent::WindowSelectionChange);
    EXPECT_EQ(host->Events().back().subject, L"A.mpp");

    // Activating the active window again changes nothing.
    log->entries.clear();
    host->Activate(L"A.mpp");
    EXPECT_TRUE(log->entries.empty());
}

TEST_F(HostTest, DocumentsCanOpenMaximised) {
    HostOptions options;
    options.maximized = true;
    Start(options);
    host->OpenProject(L"A.mpp");
    host->OpenProject(L"B.mpp");
    BOOL maximized = FALSE;
    EXPECT_EQ(ActiveChild(&maximized), Doc(L"B.mpp"));
    EXPECT_TRUE(maximized);
    EXPECT_TRUE(IsZoomed(Doc(L"B.mpp")));
}

TEST_F(HostTest, CloseMessageClosesADocumentUnlessCancelled) {
    Start();
    host->OpenProject(L"A.mpp");
    host->OpenProject(L"B.mpp");
    HWND b = Doc(L"B.mpp");
    log->cancel = {ProjectAppEvent::ProjectBeforeClose};
    PostMessageW(b, WM_CLOSE, 0, 0);
    host->Pump();
    EXPECT_TRUE(IsWindow(b));
    EXPECT_EQ(host->Documents().size(), 2u);
    ASSERT_FALSE(log->entries.empty());
    EXPECT_EQ(log->entries.back().id, ProjectAppEvent::ProjectBeforeClose);
    EXPECT_EQ(log->entries.back().subject, L"B.mpp");

    log->cancel.clear();
    PostMessageW(b, WM_CLOSE, 0, 0);
    host->Pump();
    EXPECT_FALSE(IsWindow(b));
    ASSERT_EQ(host->Documents().size(), 1u);
    EXPECT_EQ(ActiveChild(), Doc(L"A.mpp"));
}

TEST_F(HostTest, ClosingTheHostAsksFirstAndClosesEveryProject) {
    Start();
    host->OpenProject(L"A.mpp");
    host->OpenProject(L"B.mpp");
    log->entries.clear();
    log->cancel = {ProjectAppEvent::ApplicationBeforeClose};
    EXPECT_FALSE(host->Close());
    EXPECT_TRUE(IsWindow(host->MainWindow()));
    EXPECT_EQ(log->Ids(), (std::vector<DISPID>{ProjectAppEvent::ApplicationBeforeClose}));

    // A project that refuses to close keeps the host open too.
    log->cancel = {ProjectAppEvent::ProjectBeforeClose};
    EXPECT_FALSE(host->Close());
    EXPECT_TRUE(host->IsOpen());

    log->cancel.clear();
    log->entries.clear();
    HWND main = host->MainWindow();
    PostMessageW(main, WM_CLOSE, 0, 0);
    host->Pump();
    EXPECT_FALSE(host->IsOpen());
    EXPECT_FALSE(IsWindow(main));
    std::vector<std::wstring> closed;
    for (const auto& e : log->entries) {
        if (e.id == ProjectAppEvent::ProjectBeforeClose) {
            closed.push_back(e.subject);
        }
    }
    EXPECT_EQ(log->entries.front().id, ProjectAppEvent::ApplicationBeforeClose);
    EXPECT_EQ(closed, (std::vector<std::wstring>{L"A.mpp", L"B.mpp"}));
}

TEST_F(HostTest, SavingUnderANewNameWritesTheFileUnlessCancelled) {
    Start();
    host->OpenProject(L"A.mpp");
    host->Modify(L"A.mpp");
    com::Variant project = Get(app.Get(), appid::ActiveProject);
    const std::wstring target = TempFile(L"Saved by test.mpp");

    log->cancel = {ProjectAppEvent::ProjectBeforeSave};
    EXPECT_EQ(com::Invoke(project.ToObject().Get(), projectid::SaveAs, DISPATCH_METHOD,
                          {com::Variant::Text(target)}, nullptr),
              E_ABORT);
    EXPECT_FALSE(Exists(target));
    EXPECT_FALSE(host->Find(L"A.mpp")->saved);

    log->cancel.clear();
    log->entries.clear();
    ASSERT_EQ(com::Invoke(project.ToObject().Get(), projectid::SaveAs, DISPATCH_METHOD,
                          {com::Variant::Text(target)}, nullptr),
              S_OK);
    EXPECT_TRUE(Exists(target));
    EXPECT_EQ(log->Ids(), (std::vector<DISPID>{ProjectAppEvent::ProjectBeforeSave,
                                               ProjectAppEvent::ProjectAfterSave}));
    EXPECT_FALSE(log->entries[0].saveAsUi);
    EXPECT_EQ(Text(Get(project.ToObject().Get(), projectid::FullName)), target);
    EXPECT_EQ(Text(Get(project.ToObject().Get(), projectid::Name)), L"Saved by test.mpp");
    EXPECT_EQ(TextOf(host->ActiveDocument()->window), L"Saved by test.mpp");
    DeleteFileW(target.c_str());
}

TEST_F(HostTest, SaveAsDialogIsFoundByClassAndOwnerAndClosedByCloseMessage) {
    Start();
    host->OpenProject(L"A.mpp");
    ASSERT_EQ(com::Invoke(app.Get(), appid::FileSaveAs, DISPATCH_METHOD, {}, nullptr), S_OK);
    ASSERT_FALSE(log->entries.empty());
    EXPECT_EQ(log->entries.back().id, ProjectAppEvent::ProjectBeforeSave);
    EXPECT_TRUE(log->entries.back().saveAsUi);
    HWND dialog = FindFileDialog(host->MainWindow());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog, host->FileDialog());
    log->entries.clear();
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    host->Pump();
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(host->FileDialog(), nullptr);
    EXPECT_TRUE(log->entries.empty());  // nothing saved

    // Answered, it saves under the chosen name; a never-saved project's save shows it too.
    const std::wstring target = TempFile(L"Answered.mpp");
    ASSERT_TRUE(host->Save(L"A.mpp"));
    ASSERT_TRUE(host->AnswerFileDialog(target));
    EXPECT_TRUE(Exists(target));
    EXPECT_EQ(host->ActiveDocument()->FullName(), target);
    EXPECT_EQ(log->entries.back().id, ProjectAppEvent::ProjectAfterSave);
    DeleteFileW(target.c_str());
}

// With modal dialogs the command returns only once the dialog is gone, as in Project: a timer
// like the add-in's exit timer has to close it.
void CALLBACK CloseFileDialog(HWND, UINT, UINT_PTR id, DWORD) {
    if (HWND dialog = FindFileDialog(FindWindowW(L"JWinproj-WhimperMainClass", nullptr))) {
        PostMessageW(dialog, WM_CLOSE, 0, 0);
        KillTimer(nullptr, id);
    }
}

TEST_F(HostTest, ModalFileDialogEndsWhenATimerClosesIt) {
    HostOptions options;
    options.modalFileDialogs = true;
    Start(options);
    host->OpenProject(L"A.mpp");
    SetTimer(nullptr, 0, 30, CloseFileDialog);
    EXPECT_EQ(com::Invoke(app.Get(), appid::FileOpen, DISPATCH_METHOD, {}, nullptr), S_OK);
    EXPECT_EQ(host->FileDialog(), nullptr);
    EXPECT_EQ(FindFileDialog(host->MainWindow()), nullptr);
}

TEST_F(HostTest, OpenDialogAnsweredOpensTheFile) {
    Start();
    const std::wstring file = TempFile(L"Opened.mpp");
    host->OpenProject(L"Seed.mpp");
    ASSERT_TRUE(host->Find(L"Seed.mpp"));
    com::Invoke(Get(app.Get(), appid::ActiveProject).ToObject().Get(), projectid::SaveAs,
                DISPATCH_METHOD, {com::Variant::Text(file)}, nullptr);
    host->CloseProject(L"Opened.mpp");
    ASSERT_TRUE(host->Documents().empty());

    ASSERT_EQ(com::Invoke(app.Get(), appid::FileOpen, DISPATCH_METHOD, {}, nullptr), S_OK);
    ASSERT_TRUE(host->AnswerFileDialog(file));
    ASSERT_EQ(host->Documents().size(), 1u);
    EXPECT_EQ(host->ActiveDocument()->FullName(), file);
    EXPECT_TRUE(host->ActiveDocument()->saved);

    // A file that is not there opens nothing.
    com::Invoke(app.Get(), appid::FileOpen, DISPATCH_METHOD, {}, nullptr);
    host->AnswerFileDialog(TempFile(L"Missing.mpp"));
    EXPECT_EQ(host->Documents().size(), 1u);
    DeleteFileW(file.c_str());
}

TEST_F(HostTest, ApplicationMembersByIdAndByName) {
    HostOptions options;
    options.version = L"12.0";
    Start(options);
    EXPECT_EQ(Get(app.Get(), appid::ActiveProject).Get()->pdispVal, nullptr);
    EXPECT_EQ(Get(app.Get(), appid::ActiveWindow).Get()->pdispVal, nullptr);
    host->OpenProject(L"A.mpp", L"C:\\Plans");
    host->OpenProject(L"B.mpp");

    com::Variant name;
    ASSERT_EQ(com::InvokeByName(app.Get(), L"Name", DISPATCH_PROPERTYGET, {}, &name), S_OK);
    EXPECT_EQ(Text(name), L"Microsoft Project");
    EXPECT_EQ(Text(Get(app.Get(), DISPID_VALUE)), L"Microsoft Project");
    EXPECT_EQ(Text(Get(app.Get(), appid::Version)), L"12.0");
    EXPECT_EQ(Text(Get(app.Get(), appid::PathSeparator)), L"\\");
    bool state = false;
    EXPECT_TRUE(Get(app.Get(), appid::Visible).ToBool(state) && state);
    // Project's own name for the taskbar switch.
    DISPID taskbar = DISPID_UNKNOWN;
    EXPECT_EQ(com::DispIdOf(app.Get(), L"DisplayWindowsInTaskbar", taskbar), S_OK);
    EXPECT_EQ(taskbar, appid::ShowWindowsInTaskbar);

    // Each switch moves only itself: the alerts are not screen updating.
    const std::vector<std::pair<long, bool (Host::*)() const>> switches = {
        {appid::DisplayAlerts, &Host::Alerts},
        {appid::ScreenUpdating, &Host::ScreenUpdating},
        {appid::ShowWindowsInTaskbar, &Host::ShowWindowsInTaskbar}};
    for (const auto& [id, read] : switches) {
        for (bool on : {false, true}) {
            ASSERT_EQ(
                com::Invoke(app.Get(), id, DISPATCH_PROPERTYPUT, {com::Variant::Bool(on)}, nullptr),
                S_OK);
            EXPECT_EQ(((*host).*read)(), on);
            for (const auto& [other, readOther] : switches) {
                if (other != id) {
                    EXPECT_EQ(((*host).*readOther)(),
                              other == appid::ShowWindowsInTaskbar ? false : true)
                        << "member " << other << " after " << id;
                }
            }
        }
    }

    // A window's Parent is a windows collection, as in Project; its project is the one whose own
    // windows hold it.
    auto window = Get(app.Get(), appid::ActiveWindow).ToObject();
    EXPECT_EQ(Text(Get(window.Get(), windowid::Caption)), L"B.mpp");
    auto parent = Get(window.Get(), windowid::Parent).ToObject();
    EXPECT_EQ(Get(parent.Get(), collectionid::Count).Get()->lVal, 2);
    DISPID fullNameId = 0;
    EXPECT_NE(com::DispIdOf(parent.Get(), L"FullName", fullNameId), S_OK);
    auto project = Get(Get(app.Get(), appid::Projects).ToObject().Get(), collectionid::Item,
                       {com::Variant::Text(L"B.mpp")})
                       .ToObject();
    auto ownWindows = Get(project.Get(), projectid::Windows).ToObject();
    EXPECT_EQ(Get(ownWindows.Get(), collectionid::Count).Get()->lVal, 1);
    EXPECT_EQ(
        Text(Get(Get(ownWindows.Get(), collectionid::Item, {com::Variant::Int(1)}).ToObject().Get(),
                 windowid::Caption)),
        L"B.mpp");
    EXPECT_EQ(Text(Get(project.Get(), projectid::Name)), L"B.mpp");
    EXPECT_EQ(Text(Get(project.Get(), projectid::Path)), L"");
    com::Variant fullName, saved, projectName;
    EXPECT_EQ(com::InvokeByName(project.Get(), L"FullName", DISPATCH_PROPERTYGET, {}, &fullName),
              S_OK);
    EXPECT_EQ(Text(fullName), L"B.mpp");
    EXPECT_EQ(com::InvokeByName(project.Get(), L"Saved", DISPATCH_PROPERTYGET, {}, &saved), S_OK);
    EXPECT_TRUE(saved.ToBool(state) && state);
    EXPECT_EQ(com::InvokeByName(project.Get(), L"Name", DISPATCH_PROPERTYGET, {}, &projectName),
              S_OK);
    EXPECT_EQ(Text(projectName), L"B.mpp");
    host->Modify(L"B.mpp");
    EXPECT_TRUE(Get(project.Get(), projectid::Saved).ToBool(state) && !state);

    // Activate and new.
    auto projects = Get(app.Get(), appid::Projects).ToObject();
    auto a = Get(projects.Get(), collectionid::Item, {com::Variant::Text(L"A.mpp")}).ToObject();
    EXPECT_EQ(Text(Get(a.Get(), projectid::FullName)), L"C:\\Plans\\A.mpp");
    ASSERT_EQ(com::Invoke(a.Get(), projectid::Activate, DISPATCH_METHOD, {}, nullptr), S_OK);
    EXPECT_EQ(host->ActiveDocument()->name, L"A.mpp");
    ASSERT_EQ(com::Invoke(app.Get(), appid::FileNew, DISPATCH_METHOD, {}, nullptr), S_OK);
    EXPECT_EQ(host->ActiveDocument()->name, L"Project1");
    EXPECT_EQ(host->ActiveDocument()->folder, L"");
}

// The built-in New command of the command bars creates a project, as the add-in's blank-bar
// double-click does it.
// The members answer Project's own names and dispatch ids.
TEST_F(HostTest, MembersHaveProjectsNamesAndIds) {
    struct Case {
        ObjectKind kind;
        const wchar_t* name;
        DISPID id;
    };
    const Case cases[] = {
        {ObjectKind::Application, L"DisplayAlerts", 5157},
        {ObjectKind::Application, L"ScreenUpdating", 5045},
        {ObjectKind::Application, L"Visible", 5006},
        {ObjectKind::Application, L"FileSaveAs", 107},
        {ObjectKind::Application, L"FileOpenEx", 2273},
        {ObjectKind::Window, L"Caption", 0},
        {ObjectKind::Window, L"Visible", 3},
        {ObjectKind::Window, L"Parent", 0xFFF3},
        {ObjectKind::Project, L"Saved", 50},
        {ObjectKind::Project, L"Windows", 30},
        {ObjectKind::Project, L"FullName", 42},
        {ObjectKind::Project, L"Name", 0},
        {ObjectKind::Projects, L"Count", 0xFFF5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MemberId(c.kind, c.name), c.id) << std::string(c.name, c.name + wcslen(c.name));
    }
    EXPECT_EQ(MemberId(ObjectKind::Window, L"Project"), DISPID_UNKNOWN);
    EXPECT_EQ(MemberId(ObjectKind::Application, L"FileOpen"), DISPID_UNKNOWN);
}

TEST_F(HostTest, AWindowsParentIsItsProjectWhereTheHostIsSoTold) {
    HostOptions options;
    options.windowParentIsProject = true;
    Start(options);
    host->OpenProject(L"A.mpp", L"C:\\Plans");
    auto window = Get(app.Get(), appid::ActiveWindow).ToObject();
    EXPECT_EQ(Text(Get(Get(window.Get(), windowid::Parent).ToObject().Get(), projectid::FullName)),
              L"C:\\Plans\\A.mpp");
}

// Every event comes with the arguments Project passes: objects, a Boolean by value, Cancel as a
// Boolean by reference.
TEST_F(HostTest, EventsCarryProjectsArgumentForms) {
    Start();
    const std::wstring file = TempFile(L"A.mpp");
    const std::wstring folder = file.substr(0, file.find_last_of(L'\\'));
    host->OpenProject(L"A.mpp", folder);
    host->OpenProject(L"B.mpp", folder);
    log->entries.clear();
    host->Activate(L"A.mpp");
    host->Save(L"A.mpp");
    host->CloseProject(L"B.mpp");
    host->Close();
    std::map<DISPID, std::vector<VARTYPE>> forms;
    for (const auto& e : log->entries) {
        forms.emplace(e.id, e.types);
    }
    const VARTYPE cancel = VT_BOOL | VT_BYREF;
    // By _EProjectApp2's dispatch ids.
    const std::map<DISPID, std::vector<VARTYPE>> expected = {
        {2, {VT_DISPATCH, cancel}},               // ProjectBeforeClose
        {3, {VT_DISPATCH, VT_BOOL, cancel}},      // ProjectBeforeSave
        {16, {VT_DISPATCH, VT_DISPATCH, VT_I4}},  // WindowSelectionChange
        {19, {VT_DISPATCH}},                      // WindowActivate
        {20, {VT_DISPATCH}},                      // WindowDeactivate
        {25, {}},                                 // ProjectAfterSave
        {31, {VT_DISPATCH}},                      // ApplicationBeforeClose
        {40, {}},                                 // PaneActivate
    };
    EXPECT_EQ(forms, expected);
}

TEST_F(HostTest, CommandBarsNewCommandCreatesAProject) {
    Start();
    auto bars = Get(app.Get(), appid::CommandBars).ToObject();
    ASSERT_TRUE(bars);
    com::Variant control;
    ASSERT_EQ(com::InvokeByName(bars.Get(), L"FindControl", DISPATCH_METHOD,
                                {com::Variant(), com::Variant::Int(kNewCommandId)}, &control),
              S_OK);
    ASSERT_TRUE(control.ToObject());
    ASSERT_EQ(com::InvokeByName(control.ToObject().Get(), L"Execute", DISPATCH_METHOD, {}, nullptr),
              S_OK);
    ASSERT_EQ(host->Documents().size(), 1u);
    EXPECT_EQ(host->ActiveDocument()->name, L"Project1");
}

TEST_F(HostTest, CollectionsCountIndexAndEnumerate) {
    Start();
    host->OpenProject(L"A.mpp");
    host->OpenProject(L"B.mpp");
    host->OpenProject(L"C.mpp");
    for (long collection : {appid::Windows, appid::Projects}) {
        SCOPED_TRACE(collection);
        auto items = Get(app.Get(), collection).ToObject();
        long count = 0;
        EXPECT_TRUE(Get(items.Get(), collectionid::Count).ToInt(count));
        EXPECT_EQ(count, 3);
        DISPID id = 0;
        EXPECT_EQ(com::DispIdOf(items.Get(), L"Count", id), S_OK);
        EXPECT_EQ(id, collectionid::Count);

        EXPECT_EQ(
            Text(Get(Get(items.Get(), collectionid::Item, {com::Variant::Int(2)}).ToObject().Get(),
                     DISPID_VALUE)),
            L"B.mpp");
        EXPECT_EQ(Text(Get(Get(items.Get(), collectionid::Item, {com::Variant::Text(L"c.MPP")})
                               .ToObject()
                               .Get(),
                           DISPID_VALUE)),
                  L"C.mpp");
        com::Variant none;
        for (auto key : {com::Variant::Int(0), com::Variant::Int(4), com::Variant::Text(L"D")}) {
            EXPECT_EQ(
                com::Invoke(items.Get(), collectionid::Item, DISPATCH_PROPERTYGET, {key}, &none),
                DISP_E_BADINDEX);
        }

        com::Variant enumerator;
        ASSERT_EQ(com::Invoke(items.Get(), DISPID_NEWENUM, DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                              {}, &enumerator),
                  S_OK);
        ASSERT_EQ(enumerator.Get()->vt, VT_UNKNOWN);
        com::ComPtr<IEnumVARIANT> walk;
        ASSERT_EQ(enumerator.Get()->punkVal->QueryInterface(IID_IEnumVARIANT,
                                                            reinterpret_cast<void**>(walk.Put())),
                  S_OK);
        std::vector<std::wstring> names;
        for (;;) {
            com::Variant item;
            ULONG fetched = 0;
            if (walk->Next(1, item.Get(), &fetched) != S_OK) {
                EXPECT_EQ(fetched, 0u);
                break;
            }
            names.push_back(Text(Get(item.ToObject().Get(), DISPID_VALUE)));
        }
        EXPECT_EQ(names, (std::vector<std::wstring>{L"A.mpp", L"B.mpp", L"C.mpp"}));
    }
}

TEST_F(HostTest, FaultsByIdOrByNameUntilHealed) {
    Start();
    host->OpenProject(L"A.mpp");
    auto project = Get(app.Get(), appid::ActiveProject).ToObject();
    com::Variant v;
    host->Fail(ObjectKind::Project, L"fullname");
    EXPECT_EQ(com::InvokeByName(project.Get(), L"FullName", DISPATCH_PROPERTYGET, {}, &v), E_FAIL);
    EXPECT_EQ(com::Invoke(project.Get(), projectid::Name, DISPATCH_PROPERTYGET, {}, &v), S_OK);
    host->Fail(ObjectKind::Application, appid::Version);
    EXPECT_EQ(com::Invoke(app.Get(), appid::Version, DISPATCH_PROPERTYGET, {}, &v), E_FAIL);
    EXPECT_EQ(host->Calls(ObjectKind::Application, appid::Version), 1);
    host->HealAll();
    EXPECT_EQ(com::InvokeByName(project.Get(), L"FullName", DISPATCH_PROPERTYGET, {}, &v), S_OK);
    EXPECT_EQ(com::Invoke(app.Get(), appid::Version, DISPATCH_PROPERTYGET, {}, &v), S_OK);

    // A closed project's objects answer nothing, and neither do any once the host is gone.
    host->CloseProject(L"A.mpp");
    EXPECT_EQ(com::Invoke(project.Get(), projectid::Name, DISPATCH_PROPERTYGET, {}, &v),
              RPC_E_DISCONNECTED);
    host.reset();
    EXPECT_EQ(com::Invoke(app.Get(), appid::Version, DISPATCH_PROPERTYGET, {}, &v),
              RPC_E_DISCONNECTED);
}

// The hot key arrives at the main window as the system posts it.
TEST_F(HostTest, HotKeyIsPostedToTheMainWindow) {
    Start();
    MessageSpy spy(host->MainWindow(), WM_HOTKEY);
    host->PressHotKey(402, MOD_CONTROL, VK_TAB);
    EXPECT_TRUE(spy.seen.empty());  // posted, not sent
    host->Pump();
    ASSERT_EQ(spy.seen.size(), 1u);
    EXPECT_EQ(spy.seen[0].first, 402u);
    EXPECT_EQ(spy.seen[0].second, MAKELPARAM(MOD_CONTROL, VK_TAB));
}

}  // namespace
}  // namespace morvane::standin
