// Opens the stand-in host with sample projects and loads the registered add-in (Morvane.dll) as
// Project does, then shows the bar on each edge in turn for screenshots: the position is set in
// the add-in's settings and the add-in connected again, which reads every setting anew.
//   standin_demo <folder>
// For each view (host, position_above, position_below, position_left, position_right) it writes
// "<folder>\ready-<view>" once the windows are painted and waits for "<folder>\shot-<view>"
// (at most a minute) before the next. Then each dialog of the add-in over the host (views
// dialog_closemsg, dialog_lock, dialog_rename, dialog_message) and each page of the options
// dialog (options_popular, options_appearance, options_about), whose ready file holds the
// dialog's place on the screen as "WxH+X+Y"; then the File view with the add-in's backstage tab
// before and after a click on its show/hide task (views backstage, backstage_hidden), placed
// the same way; then closes the host.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

#include "host/HostAppDispatch_win.h"
#include "addin/dialogs/Dialogs_win.h"
#include "addin/options/frmOption.h"
#include "shared/SettingsSchema.h"
#include "shared/MsXmlReader_win.h"
#include "shared/TabSettings.h"
#include "shared/WinRegistry_win.h"
#include "shared/mdLang.h"
#include "standin/BackstageView_win.h"
#include "standin/Host_win.h"

namespace {

using morvane::standin::Host;
using morvane::standin::HostOptions;

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Touch(const std::wstring& path, const std::string& content = {}) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
}

// Pumps messages for a while, or until `stop` says so.
template <typename Stop>
void PumpFor(Host& host, DWORD milliseconds, Stop stop) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (GetTickCount64() < end && host.IsOpen() && !stop()) {
        host.Pump();
        Sleep(20);
    }
}

// Every project in view, in opening order, the active one in front.
void Cascade(Host& host) {
    RECT client;
    GetClientRect(host.Client(), &client);
    const auto docs = host.Documents();
    const int step = GetSystemMetrics(SM_CYCAPTION) + 8;
    const int n = static_cast<int>(docs.size());
    for (int i = 0; i < n; ++i) {
        SetWindowPos(docs[i]->window, HWND_TOP, i * step, i * step, client.right - (n - 1) * step,
                     client.bottom - (n - 1) * step, SWP_NOACTIVATE);
    }
    if (const auto active = host.ActiveDocument()) {
        BringWindowToTop(active->window);
    }
}

// A window's place on the screen as the screenshot cuts it: "WxH+X+Y".
std::string PlaceOf(HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    return std::to_string(place.right - place.left) + "x" +
           std::to_string(place.bottom - place.top) + "+" + std::to_string(place.left) + "+" +
           std::to_string(place.top);
}

// Paints everything, then hands the view (cut to `place` when one is given) to the screenshot
// and waits for it.
void Show(Host& host, const std::wstring& folder, const std::wstring& view,
          const std::string& place = {}) {
    RedrawWindow(host.MainWindow(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(host, 1500, [] { return false; });
    Touch(folder + L"\\ready-" + view, place);
    const std::wstring shot = folder + L"\\shot-" + view;
    PumpFor(host, 60000, [&] { return Exists(shot); });
}

constexpr wchar_t kProgId[] = L"Qor.Morvane";

void SetSetting(const wchar_t* name, DWORD value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, std::wstring(morvane::SettingsKey).c_str(), name, REG_DWORD,
                    &value, sizeof value);
}

void SetPosition(morvane::BarPosition position) {
    SetSetting(L"Position", static_cast<DWORD>(position));
}

// Puts the bar on another edge: the setting, then the add-in connected again, as a user would
// do it in the host's COM add-ins dialog.
void MoveBar(Host& host, morvane::BarPosition position) {
    SetPosition(position);
    host.Addins().Disconnect(kProgId);
    host.Addins().Connect(kProgId);
    Cascade(host);
}

// The dialog being photographed, one view after another: once painted, its place goes to the
// screenshot; once shot, it is turned to the next view, and after the last closed by its close
// box.
struct DialogShot {
    std::wstring folder;
    std::vector<std::wstring> views;
    std::function<void(HWND dialog)> turn;
    std::size_t at = 0;
    int ticks = 0;
};
DialogShot* shooting = nullptr;

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) == L"#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK ShootDialog(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!shooting || !dialog) {
        return;
    }
    constexpr int kPainted = 15;  // ticks of 100 ms
    constexpr int kGiveUp = 600 + kPainted;
    const std::wstring& view = shooting->views[shooting->at];
    if (++shooting->ticks == kPainted) {
        Touch(shooting->folder + L"\\ready-" + view, PlaceOf(dialog));
    } else if (shooting->ticks > kGiveUp) {
        PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (shooting->ticks > kPainted && Exists(shooting->folder + L"\\shot-" + view)) {
        if (++shooting->at == shooting->views.size()) {
            PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        } else {
            shooting->turn(dialog);
            shooting->ticks = 0;
        }
    }
}

// Shows one dialog modally for the screenshots of its views, turned by `turn` between them.
template <typename ShowDialog>
void ShowDialogViews(const std::wstring& folder, std::vector<std::wstring> views,
                     std::function<void(HWND dialog)> turn, ShowDialog show) {
    DialogShot shot{folder, std::move(views), std::move(turn)};
    shooting = &shot;
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, &ShootDialog);
    show();
    KillTimer(nullptr, timer);
    shooting = nullptr;
}

template <typename ShowDialog>
void ShowDialogView(const std::wstring& folder, const std::wstring& view, ShowDialog show) {
    ShowDialogViews(folder, {view}, {}, show);
}

// The folder this program lies in, with the language file beside it.
std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring program = path;
    return program.substr(0, program.find_last_of(L"\\/"));
}

// Each of the add-in's dialogs over the host's main window, as the add-in shows them.
void ShowDialogs(Host& host, const std::wstring& folder) {
    using namespace morvane::dialogs;
    morvane::mdLang::Language language;
    language.SetXmlReader(morvane::MakeMsXmlReader());
    const TextLookup texts = LanguageTexts(language, morvane::mdLang::FileIn(ProgramFolder()),
                                           morvane::mdLang::SectionFor(1033));
    const HWND owner = host.MainWindow();
    DialogResults results;
    morvane::TabSettings settings;
    morvane::WinRegistry registry;
    ShowDialogView(folder, L"dialog_closemsg",
                   [&] { ShowCloseMsg(owner, texts, registry, settings, results); });
    ShowDialogView(folder, L"dialog_lock", [&] {
        const morvane::HostAppDispatch app(host.Application());
        ShowLock(owner, texts, 1, ActiveProjectName(&app), results, [] {});
    });
    ShowDialogView(folder, L"dialog_rename", [&] {
        ShowRename(owner, texts,
                   texts(L"InputFileName",
                         L"Please Input the new filename(Does not contain the file name "
                         L"suffix) to rename Current Project."),
                   L"Product launch", results);
    });
    ShowDialogView(folder, L"dialog_message", [&] {
        ShowMessage(owner, texts,
                    L"The tab font changes when Project is next started. Please restart "
                    L"Project.");
    });
}

// The File view on the add-in's backstage tab; a click on the show/hide task hides the bar and
// closes the view, which is opened again to show the task's new image. A second click shows the
// bar again.
void ShowBackstage(Host& host, const std::wstring& folder) {
    morvane::standin::RibbonHost* ribbon = host.Addins().Ribbon(kProgId);
    if (!ribbon) {
        return;
    }
    morvane::standin::BackstageView view(host.MainWindow(), *ribbon);
    view.Open();
    Show(host, folder, L"backstage", PlaceOf(view.Hwnd()));
    view.ClickLabel(L"Morvanevisible");
    host.Pump();
    view.Open();
    Show(host, folder, L"backstage_hidden", PlaceOf(view.Hwnd()));
    view.ClickLabel(L"Morvanevisible");
    host.Pump();
}

// Clicks the item of the add-in's context menu on a tab that carries out `command`, as the user
// would choose it.
void ChooseFromTabMenu(Host& host, const std::wstring& command) {
    constexpr wchar_t kTabMenu[] = L"PupTabOnItem";
    const auto items = host.CommandBars().BarControls(kTabMenu);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].parameter == command) {
            host.CommandBars().ClickItem(kTabMenu, static_cast<long>(i + 1));
            return;
        }
    }
}

// Each page of the options dialog, opened by the add-in's own options and About commands, with
// custom colours switched on so that the colour buttons and their preview show their colours.
void ShowOptionsPages(Host& host, const std::wstring& folder) {
    SetSetting(L"CusColor", 1);
    // The Right key on the page strip, which has the focus at opening, turns to the next page.
    const auto nextPage = [](HWND dialog) {
        SendDlgItemMessageW(dialog, morvane::frmOption::TabControl1, WM_KEYDOWN, VK_RIGHT, 0);
    };
    ShowDialogViews(folder, {L"options_popular", L"options_appearance"}, nextPage,
                    [&] { ChooseFromTabMenu(host, L"Option_Project"); });
    ShowDialogView(folder, L"options_about", [&] { ChooseFromTabMenu(host, L"About"); });
    // The settings center's pictures show the stored colours off, as they were.
    RegDeleteKeyValueW(HKEY_CURRENT_USER, std::wstring(morvane::SettingsKey).c_str(), L"CusColor");
}

}  // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 2) {
        return 2;
    }
    const std::wstring folder = argv[1];
    LocalFree(argv);
    morvane::com::Apartment apartment;
    HostOptions options;
    options.version = L"14.0";
    Host host(options);
    // The whole screen, as a maximised Project window would have it.
    SetWindowPos(host.MainWindow(), nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                 GetSystemMetrics(SM_CYSCREEN), SWP_NOZORDER);
    host.OpenProject(L"Office move.mpp", L"C:\\Projects");
    host.OpenProject(L"Website redesign.mpp", L"C:\\Projects");
    host.OpenProject(L"Budget 2027.mpp", L"C:\\Projects");
    host.OpenProject(L"R&D roadmap.mpp", L"C:\\Projects");
    host.OpenProject(L"Product launch.mpp", L"C:\\Projects");
    host.Modify(L"Product launch.mpp");
    // The add-in registered under the host's Addins key, loaded as Project loads it.
    SetPosition(morvane::BarAbove);
    if (host.LoadAddins() != 1) {
        return 1;
    }
    Cascade(host);
    Show(host, folder, L"host");

    const std::pair<morvane::BarPosition, const wchar_t*> views[] = {
        {morvane::BarAbove, L"position_above"},
        {morvane::BarBelow, L"position_below"},
        {morvane::BarLeft, L"position_left"},
        {morvane::BarRight, L"position_right"},
    };
    for (const auto& [position, view] : views) {
        MoveBar(host, position);
        Show(host, folder, view);
    }
    MoveBar(host, morvane::BarAbove);
    ShowDialogs(host, folder);
    ShowOptionsPages(host, folder);
    ShowBackstage(host, folder);
    // The host's exit calls for its add-ins, then the host goes without asking.
    host.Addins().Shutdown();
    host.Close();
    return 0;
}
