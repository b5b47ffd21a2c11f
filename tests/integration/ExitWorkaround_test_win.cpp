// The exit work-around of host "12.0" on Windows 7 in the stand-in host. It runs once in the
// life of the add-in's state, over every connection, so the cases run in order.
#include <gtest/gtest.h>

#include "BarInHost_win.h"
#include "support/FakeSystem.h"

namespace morvane::test {
namespace {

using standin::ObjectKind;

class ExitWorkaround : public BarInHost {
  protected:
    void SetUp() override {
        BarInHost::SetUp();
        state.System = system;
        hostOptions.modalFileDialogs = true;  // the command returns once its dialog is closed
    }

    std::shared_ptr<FakeSystem> system = std::make_shared<FakeSystem>();
};

TEST_F(ExitWorkaround, OnceOnHost12UnderWindows7AndNeverElsewhere) {
    struct Case {
        const char* name;
        const wchar_t* host;
        std::uint32_t minor;  // of Windows 6
        bool runs;
        bool sameState;  // the add-in's state of the case before, else a new one
    };
    const Case cases[] = {
        {"host 14.0 on Windows 7", L"14.0", 1, false, false},
        {"host 12.0 on Windows Vista", L"12.0", 0, false, false},
        {"host 11.0 on Windows 7", L"11.0", 1, false, false},
        {"host 12.0 on Windows 7", L"12.0", 1, true, false},
        {"host 12.0 on Windows 7, a second exit", L"12.0", 1, false, true},
        {"host 12.0 on Windows 7, another add-in's state", L"12.0", 1, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.sameState) {
            state = AddinState{};
            state.System = system;
        }
        system->version = VersionNumbers{2, 6, c.minor};
        StartHost(c.host);
        Connect();
        host->SetAlerts(false);
        // No project window is visible: the host's Open command shows the dialog.
        EXPECT_TRUE(host->Close());
        EXPECT_EQ(host->Calls(ObjectKind::Application, appid::FileOpen), c.runs ? 1 : 0);
        EXPECT_EQ(host->Calls(ObjectKind::Application, appid::FileSaveAs), 0);
        EXPECT_EQ(host->FileDialog(), nullptr);
        // The exit timer closed the dialog and switched the alerts, not screen updating, back on.
        EXPECT_EQ(host->Alerts(), c.runs);
        EXPECT_TRUE(host->ScreenUpdating());
        Disconnect();
        host.reset();
    }
}

}  // namespace
}  // namespace morvane::test
