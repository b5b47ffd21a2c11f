#include "standin/Host_win.h"

#include <algorithm>
#include <iterator>

#include "shared/Office_win.h"
#include "standin/DocumentView_win.h"
#include "standin/FileDialog_win.h"
#include "standin/ObjectModel_win.h"

namespace morvane::standin {

namespace {

constexpr wchar_t kDocumentClass[] = L"Winproj-DocWindowClass";
constexpr wchar_t kPreviewClass[] = L"Winproj-Preview";
constexpr UINT kFirstChildId = 50000;

enum MenuCommand : UINT { kMenuNew = 100, kMenuOpen, kMenuSave, kMenuSaveAs, kMenuExit };

LRESULT CALLBACK PreviewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        return PaintClient(hwnd, PaintPreviewPage);
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void RegisterWindowClass(const wchar_t* name, WNDPROC proc, int background) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

// A menu bar like Project's; only the File commands do something.
HMENU CreateMainMenu() {
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, kMenuNew, L"&New");
    AppendMenuW(file, MF_STRING, kMenuOpen, L"&Open...");
    AppendMenuW(file, MF_STRING, kMenuSave, L"&Save");
    AppendMenuW(file, MF_STRING, kMenuSaveAs, L"Save &As...");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, kMenuExit, L"E&xit");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    for (const wchar_t* title : {L"&Edit", L"&View", L"&Insert", L"F&ormat", L"&Tools", L"&Project",
                                 L"&Report", L"&Window", L"&Help"}) {
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), title);
    }
    return bar;
}

class FileHandle {
  public:
    explicit FileHandle(HANDLE h) : h_(h) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (h_ != INVALID_HANDLE_VALUE) {
            CloseHandle(h_);
        }
    }
    HANDLE Get() const { return h_; }

  private:
    HANDLE h_;
};

std::wstring AbsolutePath(const std::wstring& path) {
    std::wstring full(MAX_PATH, L'\0');
    const DWORD n =
        GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (n == 0 || n >= full.size()) {
        return path;
    }
    full.resize(n);
    return full;
}

// Splits a full file name at its last separator into folder and file name. A drive's root keeps
// its separator, as Project's Path gives it ("C:\\").
std::pair<std::wstring, std::wstring> SplitPath(const std::wstring& fullName) {
    const auto cut = fullName.find_last_of(L"\\/");
    if (cut == std::wstring::npos) {
        return {L"", fullName};
    }
    const bool root = cut == 2 && fullName[1] == L':';
    return {fullName.substr(0, root ? cut + 1 : cut), fullName.substr(cut + 1)};
}

}  // namespace

Host::Host(HostOptions options)
    : options_(std::move(options)), link_(std::make_shared<HostLink>()) {
    static std::set<std::wstring> mainClasses;
    if (mainClasses.insert(options_.mainWindowClass).second) {
        RegisterWindowClass(options_.mainWindowClass.c_str(), MainProc, COLOR_APPWORKSPACE);
    }
    static const bool registered = [] {
        RegisterWindowClass(kDocumentClass, DocumentProc, COLOR_WINDOW);
        RegisterWindowClass(kPreviewClass, PreviewProc, COLOR_APPWORKSPACE);
        return true;
    }();
    (void)registered;
    link_->host = this;
    application_ = com::Make<ApplicationObject>(link_);
    main_ = CreateWindowExW(0, options_.mainWindowClass.c_str(), L"Microsoft Project",
                            WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 1180, 820,
                            nullptr, CreateMainMenu(), GetModuleHandleW(nullptr), this);
    commandBars_ = CreateCommandBars(main_, [this](long id) {
        if (id == kNewCommandId) {
            NewProject();
        }
    });
}

Host::~Host() {
    Destroy();
    link_->host = nullptr;
}

com::ComPtr<IDispatch> Host::Application() const {
    return com::ComPtr<IDispatch>(static_cast<IDispatch*>(application_.Get()));
}

void Host::Destroy() {
    // The add-ins go first, while the windows they hook are still there.
    if (addins_) {
        addins_->Shutdown();
        addins_.reset();
    }
    tearingDown_ = true;
    if (dialog_) {
        DestroyWindow(dialog_);
        dialog_ = nullptr;
    }
    if (main_) {
        DestroyWindow(main_);
    }
    main_ = client_ = preview_ = nullptr;
    documents_.clear();
}

// --- windows ---

LRESULT CALLBACK Host::MainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    try {
        if (msg == WM_NCCREATE) {
            auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        }
        auto* host = reinterpret_cast<Host*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (host) {
            return host->OnMainMessage(hwnd, msg, wParam, lParam);
        }
    } catch (...) {
    }
    return DefFrameProcW(hwnd, nullptr, msg, wParam, lParam);
}

LRESULT Host::OnMainMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CREATE: {
            CLIENTCREATESTRUCT ccs{nullptr, kFirstChildId};
            client_ = CreateWindowExW(
                WS_EX_CLIENTEDGE, L"MDIClient", nullptr,
                WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL,
                0, 0, 0, 0, hwnd, nullptr, GetModuleHandleW(nullptr), &ccs);
            if (!client_) {
                return -1;
            }
            clientPrevious_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                client_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Host::ClientProc)));
            return 0;
        }
        case WM_SIZE: {
            const LRESULT r = DefFrameProcW(hwnd, client_, msg, wParam, lParam);
            PlacePreview();
            return r;
        }
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case kMenuNew:
                    NewProject();
                    return 0;
                case kMenuOpen:
                    ShowOpen();
                    return 0;
                case kMenuSave:
                    SaveActive();
                    return 0;
                case kMenuSaveAs:
                    ShowSaveAs();
                    return 0;
                case kMenuExit:
                    PostMessageW(hwnd, WM_CLOSE, 0, 0);
                    return 0;
                case AddinsOffCommand:
                    SwitchAddinsOff();
                    return 0;
                case MacroCommand:
                    if (macro_) {
                        macro_();
                    }
                    return 0;
                default:
                    break;
            }
            break;
        case WM_CLOSE:
            Close();
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return DefFrameProcW(hwnd, client_, msg, wParam, lParam);
}

// The main window's user data holds the host from before the client window is made until after
// it is gone.
LRESULT CALLBACK Host::ClientProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* host = reinterpret_cast<Host*>(GetWindowLongPtrW(GetParent(hwnd), GWLP_USERDATA));
    if (!host) {
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    try {
        if (msg == WM_COMMAND && LOWORD(wParam) == AddinsOffCommand) {
            host->SwitchAddinsOff();
            return 0;
        }
    } catch (...) {
    }
    return CallWindowProcW(host->clientPrevious_, hwnd, msg, wParam, lParam);
}

void Host::SwitchAddinsOff() {
    if (addins_) {
        for (const auto& progId : addins_->Connected()) {
            addins_->Disconnect(progId);
        }
        addins_->FreeUnusedLibraries();
    }
    CoFreeUnusedLibrariesEx(0, 0);
    // The dialog closes: the main window is active again and the client window repaints.
    SendMessageW(main_, WM_NCACTIVATE, TRUE, 0);
    SendMessageW(main_, WM_ACTIVATE, WA_ACTIVE, 0);
    RedrawWindow(client_, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

LRESULT CALLBACK Host::DocumentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    try {
        if (msg == WM_NCCREATE) {
            auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
            auto* mdi = static_cast<MDICREATESTRUCTW*>(cs->lpCreateParams);
            auto* doc = reinterpret_cast<Document*>(mdi->lParam);
            doc->window = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(doc));
        }
        auto* doc = reinterpret_cast<Document*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        HWND main = GetParent(GetParent(hwnd));
        auto* host = reinterpret_cast<Host*>(GetWindowLongPtrW(main, GWLP_USERDATA));
        if (doc && host) {
            return host->OnDocumentMessage(*doc, hwnd, msg, wParam, lParam);
        }
    } catch (...) {
    }
    return DefMDIChildProcW(hwnd, msg, wParam, lParam);
}

LRESULT Host::OnDocumentMessage(Document& doc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_MDIACTIVATE:
            if (reinterpret_cast<HWND>(wParam) == hwnd) {
                OnMdiActivate(doc, false);
            }
            if (reinterpret_cast<HWND>(lParam) == hwnd) {
                OnMdiActivate(doc, true);
            }
            break;
        case WM_CLOSE:
            CloseDocument(doc);
            return 0;
        case WM_PAINT:
            return PaintClient(hwnd,
                               [&](HDC dc, const RECT& r) { PaintGanttView(dc, r, doc.name); });
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return DefMDIChildProcW(hwnd, msg, wParam, lParam);
}

void Host::PlacePreview() {
    if (!preview_) {
        return;
    }
    RECT r;
    GetClientRect(main_, &r);
    SetWindowPos(preview_, HWND_TOP, 0, 0, r.right, r.bottom, 0);
}

// --- events ---

void Host::Fire(DISPID id, const std::wstring& subject, std::vector<com::Variant> args) {
    events_.push_back({id, subject});
    application_->Raise(id, args);
}

void Host::OnMdiActivate(Document& doc, bool activated) {
    if (tearingDown_) {
        return;
    }
    const auto window = com::Variant::Object(doc.windowObject.Get());
    if (!activated) {
        Fire(office::WindowDeactivate, doc.name, {window});
        return;
    }
    Fire(office::WindowActivate, doc.name, {window});
    Fire(office::PaneActivate, doc.name, {});
    auto selection = com::Make<SelectionObject>();
    Fire(office::WindowSelectionChange, doc.name,
         {window, com::Variant::Object(selection.Get()), com::Variant::Int(0)});
}

// --- driving ---

HWND Host::OpenProject(const std::wstring& name, const std::wstring& folder) {
    if (!client_) {
        return nullptr;
    }
    auto doc = std::make_shared<Document>();
    doc->name = name;
    doc->folder = folder;
    doc->windowObject = com::ComPtr<IDispatch>(
        com::Make<DocumentObject>(link_, std::weak_ptr<Document>(doc), ObjectKind::Window).Get());
    doc->projectObject = com::ComPtr<IDispatch>(
        com::Make<DocumentObject>(link_, std::weak_ptr<Document>(doc), ObjectKind::Project).Get());
    documents_.push_back(doc);
    const DWORD style = WS_VISIBLE | (options_.maximized ? WS_MAXIMIZE : 0);
    HWND window = CreateMDIWindowW(kDocumentClass, name.c_str(), style, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, client_,
                                   GetModuleHandleW(nullptr), reinterpret_cast<LPARAM>(doc.get()));
    if (!window) {
        documents_.erase(std::find(documents_.begin(), documents_.end(), doc));
    }
    return window;
}

bool Host::Modify(const std::wstring& name) {
    const auto doc = Find(name);
    if (!doc || !ActivateDocument(*doc)) {
        return false;
    }
    doc->saved = false;
    InvalidateRect(doc->window, nullptr, TRUE);
    auto selection = com::Make<SelectionObject>();
    Fire(office::WindowSelectionChange, doc->name,
         {com::Variant::Object(doc->windowObject.Get()), com::Variant::Object(selection.Get()),
          com::Variant::Int(0)});
    return true;
}

bool Host::Activate(const std::wstring& name) {
    const auto doc = Find(name);
    return doc && ActivateDocument(*doc);
}

bool Host::ActivateDocument(const Document& doc) {
    if (!client_ || doc.closing) {
        return false;
    }
    SendMessageW(client_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(doc.window), 0);
    return true;
}

bool Host::Save(const std::wstring& name) {
    const auto doc = Find(name);
    return doc && SUCCEEDED(SaveProject(*doc));
}

bool Host::CloseProject(const std::wstring& name) {
    const auto doc = Find(name);
    if (!doc) {
        return false;
    }
    SendMessageW(doc->window, WM_CLOSE, 0, 0);
    return doc->closing;
}

bool Host::SetWindowVisible(const std::wstring& name, bool visible) {
    const auto doc = Find(name);
    if (!doc) {
        return false;
    }
    ShowWindow(doc->window, visible ? SW_SHOW : SW_HIDE);
    return true;
}

bool Host::Maximize(const std::wstring& name) {
    const auto doc = Find(name);
    if (!doc) {
        return false;
    }
    SendMessageW(client_, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(doc->window), 0);
    return true;
}

void Host::OpenPreview() {
    if (preview_ || !main_) {
        return;
    }
    preview_ =
        CreateWindowExW(0, kPreviewClass, L"Print Preview", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                        0, 0, 0, 0, main_, nullptr, GetModuleHandleW(nullptr), nullptr);
    PlacePreview();
}

void Host::ClosePreview() {
    if (preview_) {
        DestroyWindow(preview_);
        preview_ = nullptr;
    }
}

void Host::PressHotKey(int id, UINT modifiers, UINT key) {
    PostMessageW(main_, WM_HOTKEY, static_cast<WPARAM>(id), MAKELPARAM(modifiers, key));
}

bool Host::CloseDocument(Document& doc) {
    if (doc.closing) {
        return false;
    }
    VARIANT_BOOL cancel = VARIANT_FALSE;
    Fire(office::ProjectBeforeClose, doc.name,
         {com::Variant::Object(doc.projectObject.Get()), com::Variant::BoolRef(&cancel)});
    if (cancel != VARIANT_FALSE || doc.closing) {
        return false;
    }
    const auto found = std::find_if(documents_.begin(), documents_.end(),
                                    [&](const DocumentPtr& d) { return d.get() == &doc; });
    if (found == documents_.end()) {
        return false;
    }
    const DocumentPtr keep = *found;
    keep->closing = true;
    SendMessageW(client_, WM_MDIDESTROY, reinterpret_cast<WPARAM>(keep->window), 0);
    documents_.erase(std::find(documents_.begin(), documents_.end(), keep));
    return true;
}

int Host::LoadAddins() {
    return Addins().LoadAtStartup();
}

AddinLoader& Host::Addins() {
    if (!addins_) {
        addins_ = std::make_unique<AddinLoader>(Application().Get(), options_.version);
    }
    return *addins_;
}

bool Host::Close() {
    if (!main_) {
        return true;
    }
    if (closing_) {
        return false;
    }
    closing_ = true;
    auto info = com::Make<EventInfoObject>();
    Fire(office::ApplicationBeforeClose, L"", {com::Variant::Object(info.Get())});
    bool closed = !info->cancel;
    for (const auto& doc : Documents()) {
        if (!closed || !CloseDocument(*doc)) {
            closed = false;
            break;
        }
    }
    if (closed) {
        Destroy();
    }
    closing_ = false;
    return closed;
}

void Host::Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool Host::AnswerFileDialog(const std::wstring& fullName) {
    if (!dialog_) {
        return false;
    }
    standin::AnswerFileDialog(dialog_, fullName);
    return true;
}

// --- state ---

std::vector<DocumentPtr> Host::Documents() const {
    std::vector<DocumentPtr> open;
    std::copy_if(documents_.begin(), documents_.end(), std::back_inserter(open),
                 [](const DocumentPtr& d) { return !d->closing; });
    return open;
}

DocumentPtr Host::Find(const std::wstring& name) const {
    for (const auto& doc : Documents()) {
        if (doc->name == name) {
            return doc;
        }
    }
    return nullptr;
}

DocumentPtr Host::ActiveDocument() const {
    if (!client_) {
        return nullptr;
    }
    const auto active = reinterpret_cast<HWND>(SendMessageW(client_, WM_MDIGETACTIVE, 0, 0));
    for (const auto& doc : Documents()) {
        if (doc->window == active) {
            return doc;
        }
    }
    return nullptr;
}

int Host::Calls(ObjectKind kind, DISPID id) const {
    const auto found = calls_.find({kind, id});
    return found == calls_.end() ? 0 : found->second;
}

HRESULT Host::Enter(ObjectKind kind, DISPID id) {
    ++calls_[{kind, id}];
    return faults_.count({kind, id}) ? E_FAIL : S_OK;
}

// --- commands ---

HRESULT Host::NewProject() {
    std::wstring name;
    do {
        name = L"Project" + std::to_wstring(++newCount_);
    } while (Find(name));
    return OpenProject(name) ? S_OK : E_FAIL;
}

HRESULT Host::SaveActive() {
    const auto doc = ActiveDocument();
    return doc ? SaveProject(*doc) : E_FAIL;
}

HRESULT Host::SaveProject(Document& doc) {
    if (doc.folder.empty()) {
        const auto found = std::find_if(documents_.begin(), documents_.end(),
                                        [&](const DocumentPtr& d) { return d.get() == &doc; });
        return found == documents_.end() ? E_FAIL : RunFileDialog(true, *found);
    }
    return SaveDocumentAs(doc, doc.FullName());
}

HRESULT Host::SaveDocumentAs(Document& doc, const std::wstring& fullName) {
    VARIANT_BOOL cancel = VARIANT_FALSE;
    Fire(office::ProjectBeforeSave, doc.name,
         {com::Variant::Object(doc.projectObject.Get()), com::Variant::Bool(false),
          com::Variant::BoolRef(&cancel)});
    // A cancelled save is an error for the caller, which must not go on as if the file existed.
    return cancel != VARIANT_FALSE ? E_ABORT : WriteDocument(doc, fullName);
}

HRESULT Host::ShowSaveAs() {
    const auto doc = ActiveDocument();
    return doc ? RunFileDialog(true, doc) : E_FAIL;
}

HRESULT Host::ShowOpen() {
    return RunFileDialog(false, nullptr);
}

HRESULT Host::RunFileDialog(bool save, const DocumentPtr& doc) {
    if (dialog_ || !main_) {
        return E_FAIL;  // Project's file dialog is modal: there is never a second one
    }
    if (save) {
        VARIANT_BOOL cancel = VARIANT_FALSE;
        Fire(office::ProjectBeforeSave, doc->name,
             {com::Variant::Object(doc->projectObject.Get()), com::Variant::Bool(true),
              com::Variant::BoolRef(&cancel)});
        if (cancel != VARIANT_FALSE) {
            return S_OK;
        }
    }
    const std::weak_ptr<Document> weak = doc;
    dialog_ =
        standin::ShowFileDialog(main_, save ? FileDialogKind::Save : FileDialogKind::Open,
                                save ? doc->FullName() : std::wstring(),
                                [this, save, weak](const std::optional<std::wstring>& answer) {
                                    dialog_ = nullptr;
                                    if (answer) {
                                        OnFileChosen(save, weak, *answer);
                                    }
                                });
    if (!dialog_) {
        return E_FAIL;
    }
    if (options_.modalFileDialogs) {
        MSG msg;
        while (dialog_) {
            const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
            if (got <= 0) {
                PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 0);
                break;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return S_OK;
}

void Host::OnFileChosen(bool save, const std::weak_ptr<Document>& weak,
                        const std::wstring& fullName) {
    const std::wstring path = AbsolutePath(fullName);
    if (save) {
        if (const auto doc = weak.lock(); doc && !doc->closing) {
            WriteDocument(*doc, path);
        }
        return;
    }
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return;  // Project would say it cannot find the file
    }
    for (const auto& doc : Documents()) {
        if (_wcsicmp(doc->FullName().c_str(), path.c_str()) == 0) {
            ActivateDocument(*doc);
            return;
        }
    }
    const auto [folder, name] = SplitPath(path);
    OpenProject(name, folder);
}

HRESULT Host::WriteDocument(Document& doc, const std::wstring& fullName) {
    const std::wstring path = AbsolutePath(fullName);
    const auto [folder, name] = SplitPath(path);
    {
        FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.Get() == INVALID_HANDLE_VALUE) {
            return HRESULT_FROM_WIN32(GetLastError());
        }
        const std::string content = "Stand-in project file\r\n";
        DWORD written = 0;
        if (!WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written,
                       nullptr)) {
            return HRESULT_FROM_WIN32(GetLastError());
        }
    }
    doc.name = name;
    doc.folder = folder;
    doc.saved = true;
    SetWindowTextW(doc.window, name.c_str());
    InvalidateRect(doc.window, nullptr, TRUE);
    Fire(office::ProjectAfterSave, doc.name, {});
    return S_OK;
}

}  // namespace morvane::standin
