#pragma once
// The stand-in host: Project's main window, its client window with one document window per open
// project, the print preview, the automation objects and their events. Tests and the demo drive
// it through this class on one thread; the add-in sees only the windows and the objects.

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "shared/Com_win.h"
#include "standin/AddinLoader_win.h"
#include "standin/CommandBars_win.h"
#include "standin/Members_win.h"

namespace morvane::standin {

class ApplicationObject;
class Host;

struct HostOptions {
    std::wstring version = L"14.0";  // "11.0", "12.0" or "14.0"
    bool maximized = false;          // documents open maximised
    // The save-as and open commands wait until their dialog is answered or closed, as Project's
    // do; otherwise they return at once and leave the dialog open.
    bool modalFileDialogs = false;
    // A window's Parent is its project, as some hosts answer; otherwise the windows collection.
    bool windowParentIsProject = false;
    // The main window's class: another name plays a host whose main window cannot be found.
    std::wstring mainWindowClass = L"JWinproj-WhimperMainClass";
};

// One open project with its document window and automation objects.
struct Document {
    std::wstring name;
    std::wstring folder;  // empty while never saved; a drive's root ends with "\\" ("C:\\")
    bool saved = true;
    bool closing = false;
    HWND window = nullptr;
    com::ComPtr<IDispatch> windowObject;
    com::ComPtr<IDispatch> projectObject;

    std::wstring FullName() const {
        return folder.empty() || folder.ends_with(L'\\') ? folder + name : folder + L"\\" + name;
    }
};
using DocumentPtr = std::shared_ptr<Document>;

// One event as the host fired it, with the name of the project or window it concerned.
struct FiredEvent {
    DISPID id;
    std::wstring subject;
};

// Lets automation objects that outlive the host find out that it is gone.
struct HostLink {
    Host* host = nullptr;
};

class Host {
  public:
    // Creates the main window; the caller's thread must be in a COM apartment.
    explicit Host(HostOptions options = {});
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    HWND MainWindow() const { return main_; }
    HWND Client() const { return client_; }
    HWND Preview() const { return preview_; }
    com::ComPtr<IDispatch> Application() const;
    const HostOptions& Options() const { return options_; }

    // --- driving, as the user would ---
    HWND OpenProject(const std::wstring& name, const std::wstring& folder = {});
    // The project gets unsaved changes.
    bool Modify(const std::wstring& name);
    bool Activate(const std::wstring& name);
    // Saves as the user's save command does: a never-saved project shows the save-as dialog.
    bool Save(const std::wstring& name);
    // Closes the project's window with WM_CLOSE; false when the close was cancelled.
    bool CloseProject(const std::wstring& name);
    bool SetWindowVisible(const std::wstring& name, bool visible);
    bool Maximize(const std::wstring& name);
    void OpenPreview();
    void ClosePreview();
    // Posts WM_HOTKEY to the main window as the system does for a registered hot key.
    void PressHotKey(int id, UINT modifiers, UINT key);
    // Connects the add-ins registered to load at start-up, as Project does once its windows are
    // up; returns how many. Closing the host shuts them down.
    int LoadAddins();
    // The add-ins, as the host's COM add-ins dialog manages them.
    AddinLoader& Addins();
    // The command of the COM add-ins dialog with every add-in unticked, as Project's own window
    // opens the dialog: WM_COMMAND with this id, sent to the main window or the client window,
    // disconnects and releases every connected add-in and frees the libraries no longer used
    // from inside that message, and the windows then get the messages of the dialog closing.
    static constexpr UINT AddinsOffCommand = 110;
    // A command of the main window that runs a macro: WM_COMMAND with this id, sent or posted
    // to the main window, runs what SetMacro gave inside that message, as a macro bound to a
    // menu command or a button runs inside the host's own window.
    static constexpr UINT MacroCommand = 111;
    void SetMacro(std::function<void()> macro) { macro_ = std::move(macro); }
    // Raises an application event with arguments of the caller's choosing, in natural order.
    void RaiseEvent(DISPID id, std::vector<com::Variant> args) { Fire(id, L"", std::move(args)); }
    // Closes the host as its close box does; false when an event handler kept it open.
    bool Close();
    bool IsOpen() const { return main_ != nullptr; }
    // Handles every message waiting on this thread.
    void Pump();

    // The file dialog of the save-as and open commands, or nullptr.
    HWND FileDialog() const { return dialog_; }
    // Answers the file dialog with a full file name as the user would; false when none is open.
    bool AnswerFileDialog(const std::wstring& fullName);

    // --- state ---
    std::vector<DocumentPtr> Documents() const;  // open order, closing ones left out
    DocumentPtr Find(const std::wstring& name) const;
    DocumentPtr ActiveDocument() const;
    bool State() const { return state_; }
    void SetState(bool on) { state_ = on; }
    bool Alerts() const { return alerts_; }
    bool ScreenUpdating() const { return screenUpdating_; }
    bool ShowWindowsInTaskbar() const { return showInTaskbar_; }
    const std::vector<FiredEvent>& Events() const { return events_; }
    void ClearEvents() { events_.clear(); }
    int Calls(ObjectKind kind, DISPID id) const;

    // --- fault injection: the member answers E_FAIL until healed ---
    void Fail(ObjectKind kind, DISPID id) { faults_.insert({kind, id}); }
    void Fail(ObjectKind kind, const std::wstring& name) { Fail(kind, MemberId(kind, name)); }
    void Heal(ObjectKind kind, DISPID id) { faults_.erase({kind, id}); }
    void HealAll() { faults_.clear(); }

    // --- for the automation objects ---
    // Records a member call; E_FAIL when the member is told to fail.
    HRESULT Enter(ObjectKind kind, DISPID id);
    HRESULT NewProject();
    HRESULT SaveActive();
    HRESULT ShowSaveAs();
    HRESULT ShowOpen();
    // Saves under a new full name without the dialog; E_ABORT when an event handler cancels.
    HRESULT SaveDocumentAs(Document& doc, const std::wstring& fullName);
    bool ActivateDocument(const Document& doc);
    void SetAlerts(bool on) { alerts_ = on; }
    void SetScreenUpdating(bool on) { screenUpdating_ = on; }
    void SetShowWindowsInTaskbar(bool on) { showInTaskbar_ = on; }
    standin::CommandBars& CommandBars() const { return *commandBars_.Get(); }

  private:
    static LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // The host's own procedure on its client window, above the system's.
    static LRESULT CALLBACK ClientProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK DocumentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnMainMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnDocumentMessage(Document& doc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    void SwitchAddinsOff();
    void Fire(DISPID id, const std::wstring& subject, std::vector<com::Variant> args);
    void OnMdiActivate(Document& doc, bool activated);
    bool CloseDocument(Document& doc);
    HRESULT SaveProject(Document& doc);
    HRESULT RunFileDialog(bool save, const DocumentPtr& doc);
    HRESULT WriteDocument(Document& doc, const std::wstring& fullName);
    void OnFileChosen(bool save, const std::weak_ptr<Document>& doc, const std::wstring& fullName);
    void PlacePreview();
    void Destroy();

    HostOptions options_;
    std::shared_ptr<HostLink> link_;
    HWND main_ = nullptr;
    HWND client_ = nullptr;
    WNDPROC clientPrevious_ = nullptr;
    HWND preview_ = nullptr;
    HWND dialog_ = nullptr;
    com::ComPtr<ApplicationObject> application_;
    com::ComPtr<standin::CommandBars> commandBars_;
    std::unique_ptr<AddinLoader> addins_;
    std::function<void()> macro_;
    std::vector<DocumentPtr> documents_;
    bool state_ = true;
    bool alerts_ = true;
    bool screenUpdating_ = true;
    bool showInTaskbar_ = false;
    bool closing_ = false;
    bool tearingDown_ = false;
    int newCount_ = 0;
    std::vector<FiredEvent> events_;
    std::set<std::pair<ObjectKind, DISPID>> faults_;
    std::map<std::pair<ObjectKind, DISPID>, int> calls_;
};

}  // namespace morvane::standin
