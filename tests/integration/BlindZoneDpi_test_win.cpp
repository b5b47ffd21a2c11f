// The blind zone at the strip's far end at the resolutions users run: 96, 120 and 144 dpi. A
// process takes the screen's resolution when it starts, so each resolution runs this program
// again in a child process, with the prefix's LogPixels set for it.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "BarInHost_win.h"

namespace morvane::test {
namespace {

const wchar_t* const ChildVariable = L"MORVANE_BLIND_ZONE_DPI";
const wchar_t* const DesktopKey = L"Control Panel\\Desktop";

// The resolution this process was started to test at; 0 in the parent.
int ChildDpi() {
    wchar_t value[16] = {};
    return GetEnvironmentVariableW(ChildVariable, value, 16) > 0 ? _wtoi(value) : 0;
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// Sets the user's LogPixels for the processes started while it lives, then puts back what was
// there.
class LogPixels {
  public:
    explicit LogPixels(DWORD dpi) {
        DWORD size = sizeof previous_;
        had_ = RegGetValueW(HKEY_CURRENT_USER, DesktopKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr,
                            &previous_, &size) == ERROR_SUCCESS;
        RegSetKeyValueW(HKEY_CURRENT_USER, DesktopKey, L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
    }
    ~LogPixels() {
        if (had_) {
            RegSetKeyValueW(HKEY_CURRENT_USER, DesktopKey, L"LogPixels", REG_DWORD, &previous_,
                            sizeof previous_);
        } else {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, DesktopKey, L"LogPixels");
        }
    }
    LogPixels(const LogPixels&) = delete;
    LogPixels& operator=(const LogPixels&) = delete;

  private:
    DWORD previous_ = 0;
    bool had_ = false;
};

// Runs the in-host case of this program at a resolution; its exit code, or -1 when it did not
// start or end.
int RunAtDpi(int dpi) {
    const LogPixels resolution(static_cast<DWORD>(dpi));
    SetEnvironmentVariableW(ChildVariable, std::to_wstring(dpi).c_str());
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(program) + L"\" --gtest_filter=BlindZoneInHost.*";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0,
                                        nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableW(ChildVariable, nullptr);
    if (!started) {
        return -1;
    }
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 300000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &code);
    } else {
        TerminateProcess(process.hProcess, code);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

TEST(BlindZoneAtDpi, TheControlsButtonsAreBlindAtEveryResolution) {
    if (ChildDpi() != 0) {
        GTEST_SKIP() << "the parent's case";
    }
    for (const int dpi : {96, 120, 144}) {
        EXPECT_EQ(RunAtDpi(dpi), 0) << dpi << " dpi";
    }
}

using BlindZoneInHost = BarInHost;

// More tabs than fit: the strip shows its scroll arrows beside the close button.
TEST_F(BlindZoneInHost, ADoubleClickOnTheBackArrowCreatesNoProject) {
    const int dpi = ChildDpi();
    if (dpi == 0) {
        GTEST_SKIP() << "runs in a child process at a set resolution";
    }
    ASSERT_EQ(ScreenDpi(), dpi);
    StartHost(L"14.0");
    Connect();
    for (int i = 1; i <= 12; ++i) {
        host->OpenProject(L"A project with a long name " + std::to_wstring(i) + L".mpp",
                          L"C:\\Plans");
    }
    SizeMain(700, 500);
    Refresh();
    auto& control = Control();
    ASSERT_TRUE(control.ScrollArrowsShown());
    EXPECT_EQ(control.CloseButtonLength(), MulDiv(16, dpi, 96));

    RECT area{};
    GetClientRect(control.Hwnd(), &area);
    const int buttons = control.CloseButtonLength() + control.ScrollArrowsLength();
    // The back arrow's leading edge, the farthest part of the buttons from the strip's end.
    const POINT back{area.right - buttons + 1, TabCentre(control.SelectedIndex()).y};
    const auto documents = host->Documents().size();
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, back);
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, back);
    EXPECT_EQ(host->Documents().size(), documents) << dpi << " dpi";
}

}  // namespace
}  // namespace morvane::test
