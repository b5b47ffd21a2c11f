// Both settings-center programs as real processes in the test prefix: started on prepared
// registry contents, found by their caption, driven with real messages, checked in the
// registry; and their manifest and version resource read back from the built files.

#include <windows.h>

#include <colordlg.h>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "center/CenterForm.h"

namespace morvane::test {
namespace {

using namespace morvane::center;

const std::wstring K = L"SOFTWARE\\Microsoft\\Shared Tools\\Morvane";
const std::wstring Addin = L"SOFTWARE\\Microsoft\\Office\\MS Project\\Addins\\Qor.Morvane";
const std::wstring Loader =
    L"SOFTWARE\\Microsoft\\Office\\MS Project\\Addins\\Qor_Loader.Quma_Loader";
constexpr int kMessageOk = 103;  // frmMessage's OK button

// A path of the build as this Windows program sees it.
std::wstring WindowsPath(const std::string& unixPath) {
    std::wstring path = L"Z:";
    for (const char c : unixPath) {
        path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    }
    return path;
}

const std::wstring UserExe = WindowsPath(MORVANE_CENTER_USER_EXE);
const std::wstring AdminExe = WindowsPath(MORVANE_CENTER_ADMIN_EXE);

bool WaitFor(const std::function<bool()>& ready, DWORD milliseconds = 15000) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (!ready()) {
        if (GetTickCount64() > end) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

void PutDword(HKEY root, const std::wstring& key, const std::wstring& name, DWORD value,
              REGSAM view = 0) {
    HKEY handle = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE | view, nullptr, &handle,
                              nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(handle, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                   sizeof(value));
    RegCloseKey(handle);
}

std::optional<DWORD> GetDword(HKEY root, const std::wstring& key, const std::wstring& name,
                              REGSAM view = 0) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ | view, &handle) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD value = 0;
    DWORD size = sizeof(value);
    const LONG read = RegQueryValueExW(handle, name.c_str(), nullptr, nullptr,
                                       reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(handle);
    return read == ERROR_SUCCESS ? std::optional<DWORD>(value) : std::nullopt;
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000,
                        nullptr);
    return text;
}

// One run of a settings-center program.
class CenterProcess {
  public:
    explicit CenterProcess(const std::wstring& exe, const std::wstring& caption) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        std::wstring command = L"\"" + exe + L"\"";
        if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process_)) {
            return;
        }
        WaitFor([&] {
            window_ = FindWindowW(L"#32770", caption.c_str());
            return window_ != nullptr && IsWindowVisible(window_);
        });
    }
    ~CenterProcess() {
        if (process_.hProcess) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process_.hProcess, 1);
            }
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
    }

    HWND Window() const { return window_; }
    HWND Item(int id) const { return GetDlgItem(window_, id); }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool Visible(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
    bool Checked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    std::wstring Text(int id) const { return TextOf(Item(id)); }
    // A click that returns once it was handled.
    void Click(int id) const { SendMessageW(Item(id), BM_CLICK, 0, 0); }
    // A click that opens a modal window: it is handled while the caller goes on.
    void ClickLater(int id) const { PostMessageW(Item(id), BM_CLICK, 0, 0); }
    void Key(int id, UINT message, WPARAM key) const { SendMessageW(Item(id), message, key, 1); }
    bool Ended(DWORD milliseconds = 15000) const {
        return WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
    }

    // A window of this program captioned `caption`, other than the center's own.
    HWND Find(const std::wstring& caption) const {
        HWND found = nullptr;
        WaitFor([&] {
            found = FindWindowExW(nullptr, nullptr, L"#32770", caption.c_str());
            while (found && (found == window_ || !IsWindowVisible(found))) {
                found = FindWindowExW(nullptr, found, L"#32770", caption.c_str());
            }
            return found != nullptr;
        });
        return found;
    }

    // Presses OK in the program's message box; answers its text.
    std::wstring ConfirmMessage() const {
        const HWND box = Find(L"Morvane");
        if (!box) {
            return L"(no message)";
        }
        const std::wstring text = TextOf(GetDlgItem(box, 102));
        PostMessageW(GetDlgItem(box, kMessageOk), BM_CLICK, 0, 0);
        return text;
    }

  private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

class CenterProgram : public ::testing::Test {
  protected:
    void SetUp() override { CleanUp(); }
    void TearDown() override { CleanUp(); }
    static void CleanUp() {
        RegDeleteTreeW(HKEY_CURRENT_USER, K.c_str());
        for (const auto& key : {Addin, Loader}) {
            RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
            for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
                HKEY parent = nullptr;
                if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_ALL_ACCESS | view,
                                  &parent) == ERROR_SUCCESS) {
                    RegCloseKey(parent);
                    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), view, 0);
                }
            }
        }
    }
    static std::optional<DWORD> Setting(const std::wstring& name, const std::wstring& sub = L"") {
        return GetDword(HKEY_CURRENT_USER, sub.empty() ? K : K + L"\\" + sub, name);
    }
    static void Store(const std::wstring& name, DWORD value) {
        PutDword(HKEY_CURRENT_USER, K, name, value);
    }
    // The add-in's load behaviour in the user hive and in the machine's two views.
    static std::vector<std::optional<DWORD>> Behavior(const std::wstring& key) {
        return {GetDword(HKEY_CURRENT_USER, key, L"LoadBehavior"),
                GetDword(HKEY_LOCAL_MACHINE, key, L"LoadBehavior", KEY_WOW64_64KEY),
                GetDword(HKEY_LOCAL_MACHINE, key, L"LoadBehavior", KEY_WOW64_32KEY)};
    }
    static std::vector<std::optional<DWORD>> All(DWORD value) { return {value, value, value}; }
};

TEST_F(CenterProgram, OkSavesWhatTheControlsShowInBothHivesAndBothViews) {
    Store(L"CusColor", 1);
    Store(L"MaxWidth", 500);
    Store(L"EnableTa", 0);
    CenterProcess center(UserExe, L"Morvane Center");
    ASSERT_TRUE(center.Window());
    // Stored values arrive unbounded; the start registered the add-in and the loader.
    EXPECT_EQ(center.Text(FlatEdit3), L"500");
    EXPECT_EQ(Behavior(Addin), All(3));
    EXPECT_EQ(Behavior(Loader), All(3));

    // The top buttons switch between the options pages and the about page.
    EXPECT_TRUE(center.Visible(CheckBox_Enbeld));
    center.Click(PushButton_Top1);
    EXPECT_TRUE(center.Visible(Labelblog));
    EXPECT_FALSE(center.Visible(CheckBox_Enbeld));
    center.Click(PushButton_Top0);
    EXPECT_TRUE(center.Visible(CheckBox_Enbeld));
    EXPECT_FALSE(center.Visible(Labelblog));
    // The page strip's keys bring the second options page, with the colour preview.
    SendMessageW(center.Item(TabControl_Dorrik0), WM_KEYDOWN, VK_RIGHT, 1);
    EXPECT_TRUE(center.Visible(CheckBox_color));
    EXPECT_TRUE(center.Visible(TabControl3));
    EXPECT_FALSE(center.Visible(CheckBox_Enbeld));

    // A hot key captured from real key messages: the left Windows key held, then B.
    center.Key(FlatEdit4, WM_KEYDOWN, VK_LWIN);
    EXPECT_EQ(center.Text(FlatEdit4), L"Default(Win+Q)");
    center.Key(FlatEdit4, WM_KEYDOWN, 'B');
    center.Key(FlatEdit4, WM_KEYUP, VK_LWIN);
    EXPECT_EQ(center.Text(FlatEdit4), L"Win+B");

    // A colour through the system's chooser.
    ASSERT_TRUE(center.Enabled(PushButton6));
    center.ClickLater(PushButton6);
    const HWND chooser = center.Find(L"Color");
    ASSERT_TRUE(chooser);
    SendMessageW(GetDlgItem(chooser, COLOR_RED), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"18"));
    SendMessageW(GetDlgItem(chooser, COLOR_GREEN), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"52"));
    SendMessageW(GetDlgItem(chooser, COLOR_BLUE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"86"));
    PostMessageW(chooser, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(chooser); }));

    // A valid width, then OK.
    SendMessageW(center.Item(FlatEdit3), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"200"));
    center.ClickLater(PushButton_Apply);
    EXPECT_EQ(center.ConfirmMessage(),
              L"Settings have been saved,Please restart your office application!");
    ASSERT_TRUE(center.Ended());

    EXPECT_EQ(Setting(L"MaxWidth"), 200u);
    EXPECT_EQ(Setting(L"EnabledApp"), 0u);
    EXPECT_EQ(Setting(L"KeyCode", L"HotKeyBar"), static_cast<DWORD>('B'));
    EXPECT_EQ(Setting(L"ModKeyCode", L"HotKeyBar"), 8u);
    EXPECT_EQ(Setting(L"CoBackii"), static_cast<DWORD>(RGB(18, 52, 86)));
    EXPECT_EQ(Behavior(Addin), All(3));
}

TEST_F(CenterProgram, SwitchingTheAddinOffWritesOnlyItsRegistration) {
    Store(L"Position", 2);
    CenterProcess center(UserExe, L"Morvane Center");
    ASSERT_TRUE(center.Window());
    ASSERT_TRUE(center.Checked(CheckBox_Enbeld));
    EXPECT_TRUE(center.Enabled(CheckBox_ExitInfor));

    center.Click(CheckBox_Enbeld);
    EXPECT_FALSE(center.Checked(CheckBox_Enbeld));
    for (const int id : {CheckBox_ExitInfor, ComboBox2, FlatEdit4, FrameTask, Label6}) {
        EXPECT_FALSE(center.Enabled(id)) << id;
    }
    for (const int id :
         {CheckBox_Enbeld, PushButton_Top0, PushButton_Top1, PushButton_Apply, PushButton_Cancel}) {
        EXPECT_TRUE(center.Enabled(id)) << id;
    }
    // A changed control is not saved while the add-in is off.
    center.Click(PushButton_Top0);
    center.ClickLater(PushButton_Apply);
    center.ConfirmMessage();
    ASSERT_TRUE(center.Ended());

    EXPECT_EQ(Behavior(Addin), All(2));
    EXPECT_EQ(Setting(L"EnabledApp"), 1u);
    EXPECT_EQ(Setting(L"Position"), 2u);
    EXPECT_FALSE(Setting(L"ExitInfor"));
}

TEST_F(CenterProgram, AStoredSwitchedOffAddinOpensGreyedAndCancelWritesNothing) {
    Store(L"EnabledApp", 1);
    Store(L"OneHide", 5);
    CenterProcess center(UserExe, L"Morvane Center");
    ASSERT_TRUE(center.Window());
    EXPECT_FALSE(center.Checked(CheckBox_Enbeld));
    EXPECT_FALSE(center.Enabled(CheckBox_onehide));
    EXPECT_TRUE(center.Checked(CheckBox_onehide));
    // Every start registers the add-in from the stored switch.
    EXPECT_EQ(Behavior(Addin), All(2));

    center.Click(CheckBox_Enbeld);
    EXPECT_TRUE(center.Enabled(CheckBox_onehide));
    center.Click(PushButton_Cancel);
    ASSERT_TRUE(center.Ended());
    EXPECT_EQ(Setting(L"EnabledApp"), 1u);
    EXPECT_EQ(Setting(L"OneHide"), 5u);
    EXPECT_EQ(Behavior(Addin), All(2));
}

TEST_F(CenterProgram, TheElevatedBuildNamesItselfInTheCaption) {
    CenterProcess center(AdminExe, L"Morvane Center(Admin)");
    ASSERT_TRUE(center.Window());
    center.Click(PushButton_Cancel);
    EXPECT_TRUE(center.Ended());
}

TEST_F(CenterProgram, AWidthOutOfRangeIsRefusedAndNothingIsWritten) {
    CenterProcess center(UserExe, L"Morvane Center");
    ASSERT_TRUE(center.Window());
    SendMessageW(center.Item(FlatEdit3), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"20"));
    center.ClickLater(PushButton_Apply);
    EXPECT_EQ(center.ConfirmMessage(), L"The number of width must be between 70-400.");
    EXPECT_FALSE(center.Ended(500));
    EXPECT_FALSE(Setting(L"MaxWidth"));
    EXPECT_FALSE(Setting(L"EnabledApp"));
    center.Click(PushButton_Cancel);
    EXPECT_TRUE(center.Ended());
}

// The embedded manifest and version resource of a built program.
struct Resources {
    std::string manifest;
    std::wstring internalName;
    std::wstring originalName;
    std::wstring fileVersion;
    DWORD fixedVersionMs = 0;
    DWORD fixedVersionLs = 0;
};

Resources ReadResources(const std::wstring& exe) {
    Resources out;
    if (const HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
        if (const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST)) {
            const auto* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
            out.manifest.assign(data, SizeofResource(module, found));
        }
        FreeLibrary(module);
    }
    DWORD ignored = 0;
    std::vector<BYTE> info(GetFileVersionInfoSizeW(exe.c_str(), &ignored));
    if (info.empty() ||
        !GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(info.size()), info.data())) {
        return out;
    }
    const auto text = [&](const wchar_t* name) {
        wchar_t* value = nullptr;
        UINT length = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        return VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)
                   ? std::wstring(value)
                   : std::wstring();
    };
    out.internalName = text(L"InternalName");
    out.originalName = text(L"OriginalFilename");
    out.fileVersion = text(L"FileVersion");
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length)) {
        out.fixedVersionMs = fixed->dwFileVersionMS;
        out.fixedVersionLs = fixed->dwFileVersionLS;
    }
    return out;
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(CenterResources, EachProgramCarriesItsManifestForItsOwnProcessor) {
    const std::string arch = sizeof(void*) == 8 ? "\"amd64\"" : "\"x86\"";
    const auto admin = ReadResources(AdminExe);
    EXPECT_TRUE(
        Has(admin.manifest, "name=\"Dorrik\" version=\"1.1.0.0\" processorArchitecture=" + arch));
    EXPECT_TRUE(Has(admin.manifest, "<description>Dorrik_v1.10</description>"));
    EXPECT_TRUE(Has(admin.manifest, "level=\"requireAdministrator\" uiAccess=\"false\""));
    EXPECT_TRUE(Has(admin.manifest, "Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));

    const auto user = ReadResources(UserExe);
    EXPECT_TRUE(Has(user.manifest, "name=\"Qor.Morvane.Center\""));
    EXPECT_TRUE(Has(user.manifest, "processorArchitecture=" + arch));
    EXPECT_TRUE(Has(user.manifest, "Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
    EXPECT_FALSE(Has(user.manifest, "requestedExecutionLevel"));
}

TEST(CenterResources, VersionResourcesDifferOnlyInTheirNames) {
    const auto admin = ReadResources(AdminExe);
    const auto user = ReadResources(UserExe);
    for (const auto* r : {&admin, &user}) {
        EXPECT_EQ(r->fixedVersionMs, MAKELONG(5, 6));
        EXPECT_EQ(r->fixedVersionLs, 0u);
        EXPECT_EQ(r->fileVersion, L"6.5.0.0");
    }
    EXPECT_EQ(admin.internalName, L"MorvaneCenter(Admin)");
    EXPECT_EQ(admin.originalName, L"MorvaneCenter(Admin).exe");
    EXPECT_EQ(user.internalName, L"MorvaneCenter");
    EXPECT_EQ(user.originalName, L"MorvaneCenter.exe");
}

}  // namespace
}  // namespace morvane::test
