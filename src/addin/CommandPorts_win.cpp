#include "addin/CommandPorts_win.h"

#include <utility>
#include <vector>

#include "addin/dialogs/Dialogs_win.h"
#include "shared/Browser_win.h"
#include "shared/Com_win.h"
#include "shared/Trace.h"

namespace morvane {

namespace {

HWND AsWindow(WindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}

// Posts a message; a window that is gone or a full queue is traced.
void Post(HWND window, UINT message, WPARAM wParam, const wchar_t* call) {
    if (!PostMessageW(window, message, wParam, 0)) {
        TraceFailure(call, HRESULT_FROM_WIN32(GetLastError()));
    }
}

}  // namespace

WindowHandle Win32CommandWindows::ActiveChild() {
    // The maximised flag comes back through lParam; it is not used.
    BOOL maximised = FALSE;
    return static_cast<WindowHandle>(
        SendMessageW(AsWindow(client_), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised)));
}

void Win32CommandWindows::PostClose(WindowHandle window) {
    Post(AsWindow(window), WM_CLOSE, 0, L"PostMessageW WM_CLOSE");
}

void Win32CommandWindows::SendClose(WindowHandle window) {
    SendMessageW(AsWindow(window), WM_CLOSE, 0, 0);
}

void Win32CommandWindows::PostActivate(WindowHandle window) {
    Post(AsWindow(client_), WM_MDIACTIVATE, static_cast<WPARAM>(window),
         L"PostMessageW WM_MDIACTIVATE");
}

Existence Win32CommandFiles::Exists(const std::wstring& path) {
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return {.answer = Existence::Answer::Present, .reason = {}};
    }
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
        return {.answer = Existence::Answer::Absent, .reason = {}};
    }
    return {.answer = Existence::Answer::Unknown,
            .reason = com::SystemErrorText(HRESULT_FROM_WIN32(error))};
}

std::optional<FileIdentity> Win32CommandFiles::Identity(const std::wstring& path) {
    // No access asked: reading the identity must not stand in the way of other users. Without
    // backup semantics a folder does not open.
    HANDLE file =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    const OwnedHandle closer(file);
    // A device (NUL, COM1, ...) opens too, but is no file on a disk.
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &info)) {
        return std::nullopt;
    }
    return FileIdentity{.volume = info.dwVolumeSerialNumber,
                        .index = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

std::optional<std::wstring> Win32CommandFiles::Delete(const std::wstring& path) {
    CLSID clsid{};
    HRESULT hr = CLSIDFromProgID(L"Scripting.FileSystemObject", &clsid);
    if (FAILED(hr)) {
        TraceFailure(L"CLSIDFromProgID Scripting.FileSystemObject", hr);
    }
    com::ComPtr<IDispatch> fso;
    if (SUCCEEDED(hr)) {
        hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(fso.Put()));
        if (FAILED(hr)) {
            TraceFailure(L"CoCreateInstance Scripting.FileSystemObject", hr);
        }
    }
    DISPID deleteFile = DISPID_UNKNOWN;
    if (SUCCEEDED(hr)) {
        hr = com::DispIdOf(fso.Get(), L"DeleteFile", deleteFile);
        if (FAILED(hr)) {
            TraceFailure(L"GetIDsOfNames FileSystemObject.DeleteFile", hr);
        }
    }
    // The object's own words say why, where it gives them.
    std::wstring error;
    if (SUCCEEDED(hr)) {
        hr = com::InvokeDescribed(fso.Get(), deleteFile, DISPATCH_METHOD,
                                  {com::Variant::Text(path), com::Variant::Bool(true)}, nullptr,
                                  error, L"FileSystemObject.DeleteFile");
    }
    if (FAILED(hr)) {
        return error.empty() ? com::SystemErrorText(hr) : error;
    }
    return std::nullopt;
}

bool Win32CommandFiles::SameName(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

OwnedHandle StartWindowsProgram(const std::wstring& program, const std::wstring& arguments) {
    // The system's Windows folder: on a terminal server GetWindowsDirectoryW may give the user's
    // own one, which the user can write.
    wchar_t windows[MAX_PATH] = {};
    const UINT length = GetSystemWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        TraceFailure(L"GetSystemWindowsDirectoryW", HRESULT_FROM_WIN32(GetLastError()));
        return nullptr;
    }
    const std::wstring path = std::wstring(windows, length) + L"\\" + program;
    const std::wstring commandLine = L"\"" + path + L"\" " + arguments;
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    // The program's full path as the module to run: nothing is searched.
    if (!CreateProcessW(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        TraceFailure(L"CreateProcessW", HRESULT_FROM_WIN32(GetLastError()));
        return nullptr;
    }
    CloseHandle(process.hThread);
    return OwnedHandle(process.hProcess);
}

void Win32CommandShell::StartWindowsProgram(const std::wstring& program,
                                            const std::wstring& arguments) {
    morvane::StartWindowsProgram(program, arguments);
}

void Win32CommandShell::OpenPage(const std::wstring& address) {
    OpenInBrowser(address);
}

void Win32CommandShell::Beep() {
    MessageBeep(MB_OK);
}

ModalCommandDialogs::ModalCommandDialogs(const std::intptr_t& owner, dialogs::TextLookup texts,
                                         std::function<void()> openHelp,
                                         std::function<void(OptionsPage)> showOptions)
    : owner_(owner),
      texts_(std::move(texts)),
      openHelp_(std::move(openHelp)),
      showOptions_(std::move(showOptions)) {}

void ModalCommandDialogs::Alert(const std::wstring& text) {
    MessageBoxW(Owner(), text.c_str(), L"Morvane", MB_OK);
}

bool ModalCommandDialogs::AskUnlock(const std::wstring& projectName) {
    return dialogs::ShowLock(Owner(), texts_, 1, projectName, results_, openHelp_);
}

std::wstring ModalCommandDialogs::AskNewName(const std::wstring& prompt,
                                             const std::wstring& current) {
    return dialogs::ShowRename(Owner(), texts_, prompt, current, results_);
}

void ModalCommandDialogs::ShowMessage(const std::wstring& text) {
    dialogs::ShowMessage(Owner(), texts_, text);
}

void ModalCommandDialogs::ShowOptions(OptionsPage page) {
    showOptions_(page);
}

}  // namespace morvane
