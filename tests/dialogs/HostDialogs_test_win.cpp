// The host events' questions reach the user through the real dialogs, and the user's answer
// comes back as the events expect it.
#include "addin/HostDialogs_win.h"

#include <gtest/gtest.h>

#include "addin/dialogs/frmCloseMsg.h"
#include "addin/dialogs/frmLock.h"
#include "dialogs/DialogScript_win.h"
#include "support/FakeRegistry.h"

namespace morvane {
namespace {

using dialogs::frmCloseMsg;
using dialogs::frmLock;
using dialogs::test::ClickCloseBox;
using dialogs::test::ClickOn;
using dialogs::test::DialogScript;

const dialogs::TextLookup kEnglish = [](const std::wstring&, const std::wstring& def) {
    return def;
};

template <typename Ask>
auto Answer(DialogScript::Step step, Ask ask) {
    DialogScript script({std::move(step)});
    const auto answer = ask();
    EXPECT_TRUE(script.Finished());
    return answer;
}

TEST(ModalHostDialogs, CloseConfirmationGivesEachButtonsChoice) {
    TabSettings settings;
    ModalHostDialogs dialogs(kEnglish, std::make_shared<test::FakeRegistry>(), settings);
    const struct {
        int button;
        CloseChoice choice;
    } cases[] = {
        {frmCloseMsg::PushButton_CloseAll, CloseChoice::CloseAll},
        {frmCloseMsg::PushButton_CloseActive, CloseChoice::CloseCurrent},
        {frmCloseMsg::PushButton_Cancel, CloseChoice::Cancel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        EXPECT_EQ(
            Answer([&](HWND d) { ClickOn(d, c.button); }, [&] { return dialogs.ConfirmClose(0); }),
            c.choice);
    }
    EXPECT_EQ(Answer([](HWND d) { ClickCloseBox(d); }, [&] { return dialogs.ConfirmClose(0); }),
              CloseChoice::Cancel);
}

TEST(ModalHostDialogs, LockWarningNamesTheProjectAtStake) {
    TabSettings settings;
    ModalHostDialogs dialogs(kEnglish, std::make_shared<test::FakeRegistry>(), settings);
    std::wstring shown;
    const bool unlocked = Answer(
        [&](HWND d) {
            wchar_t text[512] = {};
            GetDlgItemTextW(d, frmLock::FlatEdit1, text, 512);
            shown = text;
            ClickOn(d, frmLock::Command_Yes);
        },
        [&] { return dialogs.WarnLocked(0, L"Budget.mpp"); });
    EXPECT_TRUE(unlocked);
    EXPECT_NE(shown.find(L"Budget.mpp"), std::wstring::npos)
        << std::string(shown.begin(), shown.end());
    EXPECT_FALSE(Answer([](HWND d) { ClickOn(d, frmLock::Command_No); },
                        [&] { return dialogs.WarnLocked(0, L"Budget.mpp"); }));
}

}  // namespace
}  // namespace morvane
