// The options dialog and the settings center side by side, each driven by keys and clicks from
// inside its own modal loop: the hot-key edits, what OK shows when it refuses an input, and the
// colour buttons' captions. The two windows share these controls, so every case runs in both.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "addin/dialogs/frmMessage.h"
#include "addin/options/OptionsDialog_win.h"
#include "addin/options/frmOption.h"
#include "center/CenterForm.h"
#include "center/frmQorCenter_win.h"
#include "dialogs/DialogScript_win.h"
#include "options/OptionsModel.h"
#include "options/SystemKeyNamer_win.h"
#include "shared/SettingsSchema.h"
#include "support/FakeOptionsPorts.h"
#include "support/FakeRegistry.h"

namespace morvane {

void PrintTo(const HotKeyInfo& key, std::ostream* out) {
    *out << "{\"" << std::string(key.KeyName.begin(), key.KeyName.end()) << "\", " << key.KeyCode
         << ", " << key.ModKeyCode << "}";
}

namespace test {
namespace {

using dialogs::test::DialogScript;
using dialogs::test::FocusedId;
using dialogs::test::HoldKeys;
using dialogs::test::Join;
using dialogs::test::PressKey;
using dialogs::test::PressWithHeld;
using Steps = std::vector<DialogScript::Step>;

// The ways a user reaches a page: the two option pages, and the about page opened from each.
enum class Route { Popular, Appearance, AboutFromPopular, AboutFromAppearance };

// What differs between the two windows for these tests: their control ids and how a page is
// reached.
struct Window {
    DialogKind kind;
    int barEdit;
    int tabEdit;
    int afterBarEdit;  // the next control in the tab order
    int barBox;        // the bar hot key's box, which enables its edit
    const wchar_t* barDefaultText;
    int ok;
    int cancel;
    int maxWidthEdit;
    int colorButton0;  // the six colour buttons follow in the model's order
    // A control that shows exactly while each page is shown.
    std::map<OptionsPage, int> pageMarks;
    // The page the window opens on for a route (the options dialog's About command opens
    // its about page), and what the user does next to reach it.
    OptionsPage (*openOn)(Route);
    void (*reach)(HWND window, Route route);
};

void SendKey(HWND window, int id, WPARAM key) {
    SendMessageW(GetDlgItem(window, id), WM_KEYDOWN, key, 1);
}

const Window kOptionsDialog{
    DialogKind::Options,
    frmOption::FlatEdit3,
    frmOption::FlatEdit4,
    frmOption::CheckBox2,
    frmOption::CheckBox5,
    L"Default",
    frmOption::cmdOK,
    frmOption::PushButton_Cancel,
    frmOption::FlatEdit1,
    frmOption::PushButton_Color0,
    {{OptionsPage::PopularPosition, frmOption::Check1},
     {OptionsPage::AppearanceColor, frmOption::ComboBox2},
     {OptionsPage::About, frmOption::Labelblog}},
    [](Route route) {
        return route == Route::AboutFromPopular ? OptionsPage::About : OptionsPage::PopularPosition;
    },
    [](HWND window, Route route) {
        // The page strip's Right key turns to the next page.
        const int turns = route == Route::Appearance            ? 1
                          : route == Route::AboutFromAppearance ? 2
                                                                : 0;
        for (int i = 0; i < turns; ++i) {
            SendKey(window, frmOption::TabControl1, VK_RIGHT);
        }
    },
};

const Window kSettingsCenter{
    DialogKind::Center,
    center::FlatEdit4,
    center::FlatEdit5,
    center::CheckBox4,
    center::CheckBox3,
    L"Default(Win+Q)",
    center::PushButton_Apply,
    center::PushButton_Cancel,
    center::FlatEdit3,
    center::PushButton8,
    {{OptionsPage::PopularPosition, center::CheckBox_Enbeld},
     {OptionsPage::AppearanceColor, center::CheckBox_color},
     {OptionsPage::About, center::Labelblog}},
    [](Route) { return OptionsPage::PopularPosition; },
    [](HWND window, Route route) {
        if (route == Route::Appearance || route == Route::AboutFromAppearance) {
            SendKey(window, center::TabControl_Dorrik0, VK_RIGHT);
        }
        if (route == Route::AboutFromPopular || route == Route::AboutFromAppearance) {
            SendMessageW(GetDlgItem(window, center::PushButton_Top1), BM_CLICK, 0, 0);
        }
    },
};

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

BOOL CALLBACK FindMessageBox(HWND window, LPARAM found) {
    wchar_t kind[16] = {};
    GetClassNameW(GetDlgItem(window, dialogs::frmMessage::FlatEdit_Infor), kind, 16);
    if (_wcsicmp(kind, L"Edit") == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The program's message box, when one is up on this thread.
HWND MessageBoxShown() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindMessageBox, reinterpret_cast<LPARAM>(&found));
    return found;
}

class SettingsWindows : public ::testing::TestWithParam<const Window*> {
  protected:
    SettingsWindows() {
        settings.HotKeyBar = {std::wstring(DefaultBarKeyName), 0, 0};
        settings.HotKeyTabit = {std::wstring(DefaultTabitKeyName), 0, 0};
        settings.TabFontName = L"Tahoma";
        settings.TabFontSize = 9;
    }

    const Window& W() const { return *GetParam(); }

    // Opens the window on what `settings` and the registry double hold and plays `steps` on it;
    // a message shown after the last step is answered with OK.
    void Run(Steps steps, OptionsPage page = OptionsPage::PopularPosition) {
        for (int i = 0; i < 3; ++i) {
            steps.push_back([this](HWND) { AnswerMessage(); });
        }
        DialogScript script(std::move(steps));
        const dialogs::TextLookup texts = [](const std::wstring&, const std::wstring& def) {
            return def;
        };
        if (W().kind == DialogKind::Options) {
            OptionsDialogParts parts{settings, officeTheme, registry, live,        L"14.0",
                                     texts,    texts,       false,    [](auto&) {}};
            ShowOptionsDialog(nullptr, std::move(parts), page);
        } else {
            OptionsModel model(DialogContext{DialogKind::Center, L"14.0"}, settings, officeTheme,
                               registry, texts, keys, fonts, std::nullopt);
            center::ShowCenter(model, texts, false);
        }
        HoldKeys({});
        EXPECT_FALSE(script.Stuck()) << "the window stayed open";
    }

    // Presses OK in the message box shown, keeping its text in `messages`.
    void AnswerMessage() {
        if (const HWND box = MessageBoxShown()) {
            messages.push_back(TextOf(GetDlgItem(box, dialogs::frmMessage::FlatEdit_Infor)));
            PostMessageW(GetDlgItem(box, dialogs::frmMessage::PushButton_OK), BM_CLICK, 0, 0);
        }
    }

    // A step that moves the focus as a click into the control would.
    Steps FocusOn(int id) const {
        return {[id](HWND window) {
            SendMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(window, id)),
                         TRUE);
        }};
    }

    void StoreColor(Setting id, tabctl::OleColor color) {
        registry.PutDword(RootKey::CurrentUser, KeyPathOf(id), std::wstring(SchemaOf(id).Name),
                          static_cast<std::int32_t>(color));
    }

    FakeRegistry registry;
    TabSettings settings;
    std::int32_t officeTheme = 2;
    SystemKeyNamer keys;
    FakeFontSource fonts;
    std::vector<std::string> trace;
    FakeLiveApply live{trace};
    std::vector<std::wstring> messages;
};

TEST_P(SettingsWindows, TabLeavesTheHotKeyEditAndKeepsTheCapturedKey) {
    int focus = 0;
    std::wstring shown;
    Run(Join({FocusOn(W().barEdit),
              PressWithHeld({VK_LWIN}, 'B'),
              {[](HWND) { PressKey(VK_TAB); },
               [&](HWND window) {
                   focus = FocusedId();
                   shown = TextOf(GetDlgItem(window, W().barEdit));
               }},
              FocusOn(W().ok),
              {[](HWND) { PressKey(VK_RETURN); }}}));
    EXPECT_EQ(focus, W().afterBarEdit);
    EXPECT_EQ(shown, L"Win+B");
    EXPECT_EQ(settings.HotKeyBar, (HotKeyInfo{L"Win+B", 'B', ModWin}));
}

TEST_P(SettingsWindows, ShiftTabLeavesTheHotKeyEditBackwardsAndKeepsTheCapturedKey) {
    int focus = 0;
    std::wstring shown;
    Run(Join(
        {FocusOn(W().barEdit),
         PressWithHeld({VK_LWIN}, 'B'),
         PressWithHeld({VK_SHIFT}, VK_TAB),
         {[&](HWND window) {
              focus = FocusedId();
              shown = TextOf(GetDlgItem(window, W().barEdit));
          },
          [this](HWND window) { PostMessageW(GetDlgItem(window, W().ok), BM_CLICK, 0, 0); }}}));
    EXPECT_NE(focus, W().barEdit);
    EXPECT_EQ(shown, L"Win+B");
    EXPECT_EQ(settings.HotKeyBar, (HotKeyInfo{L"Win+B", 'B', ModWin}));
}

TEST_P(SettingsWindows, EnterInTheHotKeyEditIsOk) {
    Run(Join({FocusOn(W().tabEdit), PressWithHeld({VK_CONTROL, VK_SHIFT}, 'B'), {[](HWND) {
                  PressKey(VK_RETURN);
              }}}));
    EXPECT_EQ(settings.HotKeyTabit, (HotKeyInfo{L"Ctrl+Shift+B", 'B', ModControl | ModShift}));
}

TEST_P(SettingsWindows, EscInTheHotKeyEditCancels) {
    const TabSettings before = settings;
    Run(Join({FocusOn(W().barEdit), PressWithHeld({VK_CONTROL}, 'B'), {[](HWND) {
                  PressKey(VK_ESCAPE);
              }}}));
    EXPECT_EQ(settings, before);
    EXPECT_TRUE(registry.writes.empty());
}

TEST_P(SettingsWindows, ModifiersMakeTabAndTheAccessKeysPartOfTheCombination) {
    std::vector<std::wstring> shown;
    Run(Join({FocusOn(W().tabEdit),
              PressWithHeld({VK_CONTROL}, VK_TAB),
              {[&](HWND window) { shown.push_back(TextOf(GetDlgItem(window, W().tabEdit))); }},
              FocusOn(W().barEdit),
              // Alt+C would otherwise press "&Cancel".
              PressWithHeld({VK_MENU}, 'C'),
              {[&](HWND window) {
                  shown.push_back(TextOf(GetDlgItem(window, W().barEdit)));
                  PostMessageW(GetDlgItem(window, W().ok), BM_CLICK, 0, 0);
              }}}));
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"Ctrl+Tab", L"Alt+C"}));
    EXPECT_EQ(settings.HotKeyTabit, (HotKeyInfo{L"Ctrl+Tab", VK_TAB, ModControl}));
    EXPECT_EQ(settings.HotKeyBar, (HotKeyInfo{L"Alt+C", 'C', ModAlt}));
}

// WM_KEYF1, which the system posts after F1 goes down; the SDK headers do not name it.
constexpr UINT kKeyF1 = 0x004D;

// F1 pressed in the control with the focus while `held` are down, as the system queues it: the
// key, then WM_KEYF1, whose default handling asks the window's parents and owner for help.
Steps PressF1WithHeld(std::initializer_list<BYTE> held) {
    Steps steps = PressWithHeld(held, VK_F1);
    steps[0] = [down = steps[0]](HWND window) {
        down(window);
        PostMessageW(GetFocus(), kKeyF1, 0, 0);
    };
    return steps;
}

// Counts the help requests sent to any window of this thread while it lives.
class HelpRequests {
  public:
    HelpRequests() {
        count_ = 0;
        hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &Seen, nullptr, GetCurrentThreadId());
    }
    ~HelpRequests() { UnhookWindowsHookEx(hook_); }
    HelpRequests(const HelpRequests&) = delete;
    HelpRequests& operator=(const HelpRequests&) = delete;
    bool Hooked() const { return hook_ != nullptr; }
    int Count() const { return count_; }

  private:
    static LRESULT CALLBACK Seen(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HC_ACTION && reinterpret_cast<const CWPSTRUCT*>(lParam)->message == WM_HELP) {
            ++count_;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline int count_ = 0;
    HHOOK hook_ = nullptr;
};

TEST_P(SettingsWindows, F1InTheHotKeyEditIsCapturedAndAsksForNoHelp) {
    HelpRequests help;
    ASSERT_TRUE(help.Hooked());
    std::vector<std::wstring> shown;
    const auto show = [&](HWND window) {
        shown.push_back(TextOf(GetDlgItem(window, W().barEdit)));
    };
    Run(Join({FocusOn(W().barEdit),
              PressF1WithHeld({}),
              {show},
              PressF1WithHeld({VK_CONTROL}),
              {show, [this](HWND window) {
                   PostMessageW(GetDlgItem(window, W().ok), BM_CLICK, 0, 0);
               }}}));
    // F1 alone is no combination; Ctrl+F1 is one.
    EXPECT_EQ(shown, (std::vector<std::wstring>{W().barDefaultText, L"Ctrl+F1"}));
    EXPECT_EQ(settings.HotKeyBar, (HotKeyInfo{L"Ctrl+F1", VK_F1, ModControl}));
    EXPECT_EQ(help.Count(), 0);
}

TEST_P(SettingsWindows, AMessageHoldsTheWindowUntilItIsAnswered) {
    settings.MaxWidth = 500;
    HWND main = nullptr;
    bool shown = false;
    bool held = false;
    bool freed = false;
    Run({[&](HWND window) {
             main = window;
             PostMessageW(GetDlgItem(window, W().ok), BM_CLICK, 0, 0);
         },
         [&](HWND) {
             shown = MessageBoxShown() != nullptr;
             held = IsWindowEnabled(main) == FALSE;
             AnswerMessage();
         },
         [&](HWND window) {
             freed = window == main && IsWindowEnabled(main) != FALSE;
             SendMessageW(GetDlgItem(window, W().cancel), BM_CLICK, 0, 0);
         }});
    EXPECT_TRUE(shown);
    EXPECT_TRUE(held) << "the window could be used while its message was up";
    EXPECT_TRUE(freed);
}

TEST_P(SettingsWindows, ARefusedInputIsFocusedOnThePageThatShowsIt) {
    struct Refusal {
        const char* what;
        std::function<void(TabSettings&)> store;
        int control;  // the control focused
        OptionsPage page;
        const wchar_t* message;
    };
    std::vector<Refusal> refusals = {
        {"two keys on one combination",
         [](TabSettings& s) {
             s.HotKeyBar = s.HotKeyTabit = {L"Ctrl+B", 'B', ModControl};
         },
         W().barEdit, OptionsPage::PopularPosition, L"Shortcuts conflict, Please change."},
        {"two keys on one combination, the bar's switched off with its edit",
         [](TabSettings& s) {
             s.HotKeyBar = s.HotKeyTabit = {L"Ctrl+B", 'B', ModControl};
             s.EnableTa = 1;
         },
         W().barBox, OptionsPage::PopularPosition, L"Shortcuts conflict, Please change."},
        {"the next-tab key on a tab's Alt+number key",
         [](TabSettings& s) {
             s.HotKeyTabit = {L"Alt+9", '9', ModAlt};
         },
         W().tabEdit, OptionsPage::PopularPosition, L"Shortcuts conflict, Please change."},
        {"a width out of range", [](TabSettings& s) { s.MaxWidth = 500; }, W().maxWidthEdit,
         OptionsPage::AppearanceColor, L"The number of width must be between 70-400."},
    };
    if (W().kind == DialogKind::Center) {
        // Every option control is disabled with the add-in; a conflict still stops switching
        // it off.
        refusals.push_back({"two keys on one combination, the add-in off",
                            [](TabSettings& s) {
                                s.HotKeyBar = s.HotKeyTabit = {L"Ctrl+B", 'B', ModControl};
                                s.EnabledApp = 1;
                            },
                            center::CheckBox_Enbeld, OptionsPage::PopularPosition,
                            L"Shortcuts conflict, Please change."});
    }
    const std::pair<Route, const char*> routes[] = {
        {Route::Popular, "from the first page"},
        {Route::Appearance, "from the second page"},
        {Route::AboutFromPopular, "from the about page, opened from the first"},
        {Route::AboutFromAppearance, "from the about page, opened from the second"},
    };
    for (const auto& refusal : refusals) {
        for (const auto& [route, where] : routes) {
            SCOPED_TRACE(std::string(refusal.what) + " " + where);
            const TabSettings stored = settings;
            refusal.store(settings);
            messages.clear();
            int focus = 0;
            bool focusShown = false;
            bool focusEnabled = false;
            std::map<OptionsPage, bool> pagesShown;
            Run({[&, route = route](HWND window) { W().reach(window, route); },
                 [&](HWND window) { PostMessageW(GetDlgItem(window, W().ok), BM_CLICK, 0, 0); },
                 [&](HWND) { AnswerMessage(); },
                 [&](HWND window) {
                     focus = FocusedId();
                     focusShown = IsWindowVisible(GetFocus()) != FALSE;
                     focusEnabled = IsWindowEnabled(GetFocus()) != FALSE;
                     for (const auto& [page, mark] : W().pageMarks) {
                         pagesShown[page] = IsWindowVisible(GetDlgItem(window, mark)) != FALSE;
                     }
                     SendMessageW(GetDlgItem(window, W().cancel), BM_CLICK, 0, 0);
                 }},
                W().openOn(route));
            EXPECT_EQ(messages, (std::vector<std::wstring>{refusal.message}));
            EXPECT_EQ(focus, refusal.control);
            EXPECT_TRUE(focusShown);
            EXPECT_TRUE(focusEnabled);
            for (const auto& [page, shown] : pagesShown) {
                EXPECT_EQ(shown, page == refusal.page) << "page " << static_cast<int>(page);
            }
            EXPECT_TRUE(registry.writes.empty());
            settings = stored;
        }
    }
}

// A 32-bit picture of a control as it paints itself.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

Picture PictureOf(HWND control) {
    RECT box{};
    GetClientRect(control, &box);
    Picture picture{box.right, box.bottom, {}};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    const auto* raw = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; i < picture.width * picture.height; ++i) {
        const std::uint32_t p = raw[i];  // 0x00RRGGBB
        picture.pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return picture;
}

// The relative luminance of the sRGB colour space.
double RelativeLuminance(COLORREF color) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(GetRValue(color)) + 0.7152 * channel(GetGValue(color)) +
           0.0722 * channel(GetBValue(color));
}

// The contrast ratio of two colours, 1 (none) to 21 (black on white).
double Contrast(COLORREF a, COLORREF b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool Near(COLORREF a, COLORREF b) {
    constexpr int kSame = 12;
    return std::abs(GetRValue(a) - GetRValue(b)) < kSame &&
           std::abs(GetGValue(a) - GetGValue(b)) < kSame &&
           std::abs(GetBValue(a) - GetBValue(b)) < kSame;
}

// How a caption written in `ink` stands out from what lies behind it, across the middle of the
// button: 0 when no pixel of the caption shows there.
double CaptionContrast(const Picture& button, COLORREF ink) {
    int left = button.width;
    int right = -1;
    const int top = button.height / 2 - 2;
    const int bottom = button.height / 2 + 2;
    for (int y = top; y <= bottom; ++y) {
        for (int x = button.width / 6; x < button.width * 5 / 6; ++x) {
            if (Near(button.At(x, y), ink)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    std::map<COLORREF, int> behind;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            if (!Near(button.At(x, y), ink)) {
                ++behind[button.At(x, y)];
            }
        }
    }
    if (behind.empty()) {
        return 0;
    }
    const auto most = std::max_element(behind.begin(), behind.end(),
                                       [](auto& a, auto& b) { return a.second < b.second; });
    return Contrast(ink, most->first);
}

TEST_P(SettingsWindows, EveryColourButtonsCaptionStandsOutFromWhatIsBehindIt) {
    const tabctl::OleColor colours[] = {
        RGB(255, 255, 255), RGB(240, 240, 240), RGB(210, 210, 210), RGB(255, 255, 160),
        RGB(200, 230, 255), RGB(255, 210, 230), RGB(30, 60, 120),   RGB(0, 0, 0),
    };
    settings.CusColor = 1;
    for (const auto colour : colours) {
        SCOPED_TRACE(testing::Message() << std::hex << "colour " << colour);
        for (const auto& button : kColorButtons) {
            StoreColor(button.value, colour);
        }
        std::vector<double> contrasts;
        Run({[&](HWND window) { W().reach(window, Route::Appearance); },
             [&](HWND window) {
                 for (int i = 0; i < 6; ++i) {
                     const HWND button = GetDlgItem(window, W().colorButton0 + i);
                     contrasts.push_back(CaptionContrast(PictureOf(button), colour));
                 }
                 SendMessageW(GetDlgItem(window, W().cancel), BM_CLICK, 0, 0);
             }});
        ASSERT_EQ(contrasts.size(), 6U);
        for (std::size_t i = 0; i < contrasts.size(); ++i) {
            // At least the contrast asked of large text and of the parts of a control.
            EXPECT_GE(contrasts[i], 3.0) << "button " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothWindows, SettingsWindows,
                         testing::Values(&kOptionsDialog, &kSettingsCenter), [](const auto& info) {
                             return std::string(info.param->kind == DialogKind::Options
                                                    ? "OptionsDialog"
                                                    : "SettingsCenter");
                         });

}  // namespace
}  // namespace test
}  // namespace morvane
