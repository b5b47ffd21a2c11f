#include "standin/CommandBars_win.h"

#include <gtest/gtest.h>

#include "shared/Office_win.h"

namespace morvane::standin {
namespace {

using com::Variant;

com::ComPtr<IDispatch> Get(IDispatch* object, const wchar_t* name, std::vector<Variant> args = {}) {
    Variant result;
    EXPECT_EQ(
        com::InvokeByName(object, name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, args, &result),
        S_OK)
        << name;
    return result.ToObject();
}

std::wstring Text(IDispatch* object, const wchar_t* name) {
    Variant result;
    std::wstring text;
    com::InvokeByName(object, name, DISPATCH_PROPERTYGET, {}, &result);
    result.ToText(text);
    return text;
}

HRESULT Put(IDispatch* object, const wchar_t* name, Variant value) {
    return com::InvokeByName(object, name, DISPATCH_PROPERTYPUT, {value}, nullptr);
}

HRESULT Call(IDispatch* object, const wchar_t* name, std::vector<Variant> args = {},
             Variant* result = nullptr) {
    return com::InvokeByName(object, name, DISPATCH_METHOD, args, result);
}

// A _CommandBarButtonEvents sink: records the Parameter of each clicked control.
class ClickSink : public com::DispatchObject {
  public:
    ClickSink() : DispatchObject({}) {}
    std::vector<std::wstring> clicked;
    bool cancel = false;
    bool cancelSeen = false;  // CancelDefault as it arrived

    void Connect(IDispatch* button) {
        auto container = com::ComPtr<IDispatch>(button).As<IConnectionPointContainer>();
        ASSERT_TRUE(container);
        ASSERT_EQ(container->FindConnectionPoint(office::IID_CommandBarButtonEvents, point.Put()),
                  S_OK);
        ASSERT_EQ(point->Advise(static_cast<IDispatch*>(this), &cookie), S_OK);
    }
    void Disconnect() { point->Unadvise(cookie); }

  private:
    HRESULT Call(DISPID id, WORD, const std::vector<VARIANT*>& args, VARIANT*) override {
        if (id != office::kCommandBarButtonClick || args.size() != 2 ||
            args[0]->vt != VT_DISPATCH || args[1]->vt != (VT_BOOL | VT_BYREF)) {
            return DISP_E_MEMBERNOTFOUND;
        }
        clicked.push_back(Text(args[0]->pdispVal, L"Parameter"));
        cancelSeen = *args[1]->pboolVal != VARIANT_FALSE;
        if (cancel) {
            *args[1]->pboolVal = VARIANT_TRUE;
        }
        return S_OK;
    }
    com::ComPtr<IConnectionPoint> point;
    DWORD cookie = 0;
};

class CommandBarsTest : public ::testing::Test {
  protected:
    std::vector<long> builtInsRun;
    com::ComPtr<CommandBars> bars =
        CreateCommandBars(nullptr, [this](long id) { builtInsRun.push_back(id); });
    IDispatch* Bars() { return bars.Get(); }

    com::ComPtr<IDispatch> Find(Variant id, Variant tag) {
        Variant result;
        EXPECT_EQ(Call(Bars(), L"FindControl", {Variant::Missing(), id, tag}, &result), S_OK);
        return result.ToObject();
    }
    com::ComPtr<IDispatch> FindTag(const std::wstring& tag) {
        return Find(Variant::Missing(), Variant::Text(tag));
    }
    // A popup bar added as the add-in adds its context menus.
    com::ComPtr<IDispatch> AddPopupBar(const std::wstring& name) {
        Variant bar;
        EXPECT_EQ(Call(Bars(), L"Add",
                       {Variant::Text(name), Variant::Int(office::msoBarPopup), Variant::Missing(),
                        Variant::Bool(true)},
                       &bar),
                  S_OK);
        return bar.ToObject();
    }
    com::ComPtr<IDispatch> AddButton(IDispatch* owner, const std::wstring& tag,
                                     const std::wstring& parameter) {
        auto button = Get(Get(owner, L"Controls").Get(), L"Add");
        EXPECT_TRUE(button);
        Put(button.Get(), L"Caption", Variant::Text(L"&" + parameter));
        Put(button.Get(), L"Tag", Variant::Text(tag));
        Put(button.Get(), L"Parameter", Variant::Text(parameter));
        return button;
    }
};

TEST_F(CommandBarsTest, BuiltInMenusAreFoundByIdAndNewRunsItsCommand) {
    auto tools = Find(Variant::Int(kToolsMenuId), Variant::Missing());
    ASSERT_TRUE(tools);
    EXPECT_EQ(Text(tools.Get(), L"Caption"), L"&Tools");
    // Names resolve whatever their case, as VB callers spell them.
    DISPID id = 0;
    EXPECT_EQ(com::DispIdOf(Bars(), L"findcontrol", id), S_OK);
    EXPECT_EQ(com::DispIdOf(tools.Get(), L"CONTROLS", id), S_OK);

    auto newCommand = Find(Variant::Int(kNewCommandId), Variant::Missing());
    ASSERT_TRUE(newCommand);
    EXPECT_EQ(Call(newCommand.Get(), L"Execute"), S_OK);
    EXPECT_EQ(builtInsRun, std::vector<long>{kNewCommandId});

    EXPECT_FALSE(Find(Variant::Int(4242), Variant::Missing()));
    EXPECT_FALSE(FindTag(L"QUMBAR"));
}

TEST_F(CommandBarsTest, BarsAreAddedFoundByNameAndDeleted) {
    auto bar = AddPopupBar(L"PupTabOnItem");
    ASSERT_TRUE(bar);
    // A second bar of the same name is refused.
    EXPECT_NE(Call(Bars(), L"Add", {Variant::Text(L"PupTabOnItem"), Variant::Int(5)}), S_OK);

    // CommandBars(Name): the default member with a name argument.
    Variant byName;
    ASSERT_EQ(com::Invoke(Bars(), DISPID_VALUE, DISPATCH_PROPERTYGET | DISPATCH_METHOD,
                          {Variant::Text(L"puptabonitem")}, &byName),
              S_OK);
    EXPECT_EQ(byName.ToObject().Get(), bar.Get());

    auto button = AddButton(bar.Get(), L"QUMBAR", L"New_Project");
    Put(button.Get(), L"FaceId", Variant::Int(2520));
    Put(button.Get(), L"BeginGroup", Variant::Bool(true));
    Put(button.Get(), L"State", Variant::Int(office::msoButtonDown));
    Put(bar.Get(), L"Enabled", Variant::Bool(true));
    Put(bar.Get(), L"Visible", Variant::Bool(true));
    const auto items = bars->BarControls(L"PupTabOnItem");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].caption, L"&New_Project");
    EXPECT_EQ(items[0].parameter, L"New_Project");
    EXPECT_EQ(items[0].faceId, 2520);
    EXPECT_TRUE(items[0].beginGroup);
    EXPECT_EQ(items[0].state, office::msoButtonDown);
    auto controls = Get(bar.Get(), L"Controls");
    Variant count;
    com::InvokeByName(controls.Get(), L"Count", DISPATCH_PROPERTYGET, {}, &count);
    long n = 0;
    EXPECT_TRUE(count.ToInt(n));
    EXPECT_EQ(n, 1);
    EXPECT_EQ(Get(controls.Get(), L"Item", {Variant::Int(1)}).Get(), button.Get());

    EXPECT_EQ(bars->BarNames(), (std::vector<std::wstring>{L"Menu Bar", L"PupTabOnItem"}));
    EXPECT_EQ(Call(bar.Get(), L"Delete"), S_OK);
    EXPECT_EQ(bars->BarNames(), std::vector<std::wstring>{L"Menu Bar"});
    EXPECT_NE(com::Invoke(Bars(), DISPID_VALUE, DISPATCH_PROPERTYGET | DISPATCH_METHOD,
                          {Variant::Text(L"PupTabOnItem")}, nullptr),
              S_OK);
    // The host's own menu bar stays.
    auto menuBar = Get(Bars(), L"Item", {Variant::Text(L"Menu Bar")});
    EXPECT_NE(Call(menuBar.Get(), L"Delete"), S_OK);
}

TEST_F(CommandBarsTest, TagSearchFindsControlsOnMenusAndBarsUntilAllAreDeleted) {
    auto tools = Find(Variant::Int(kToolsMenuId), Variant::Missing());
    auto menuEntry = AddButton(tools.Get(), L"QUMBAR", L"show_Project");
    auto bar = AddPopupBar(L"PupTabNoOnItem");
    AddButton(bar.Get(), L"OTHER", L"Help");
    auto barEntry = AddButton(bar.Get(), L"QUMBAR", L"About");

    EXPECT_EQ(FindTag(L"QUMBAR").Get(), menuEntry.Get());  // menus come before later bars
    EXPECT_FALSE(FindTag(L"qumbar"));                      // tags match exactly
    int swept = 0;
    for (auto found = FindTag(L"QUMBAR"); found; found = FindTag(L"QUMBAR")) {
        ASSERT_EQ(Call(found.Get(), L"Delete"), S_OK);
        ASSERT_LT(++swept, 10);
    }
    EXPECT_EQ(swept, 2);
    EXPECT_EQ(bars->BarControls(L"PupTabNoOnItem").size(), 1u);
    EXPECT_EQ(bars->BarControls(L"&Tools").size(), 1u);  // only the host's own item
    // A deleted control refuses every call.
    EXPECT_NE(Put(barEntry.Get(), L"Caption", Variant::Text(L"x")), S_OK);
}

TEST_F(CommandBarsTest, DeleteFaultsKeepTheControl) {
    auto bar = AddPopupBar(L"Stubborn");
    auto failing = AddButton(bar.Get(), L"QUMBAR", L"a");
    bars->SetDeleteFault(failing.Get(), DeleteFault::Fails);
    EXPECT_NE(Call(failing.Get(), L"Delete"), S_OK);
    EXPECT_EQ(FindTag(L"QUMBAR").Get(), failing.Get());

    bars->SetDeleteFault(failing.Get(), DeleteFault::Ignored);
    EXPECT_EQ(Call(failing.Get(), L"Delete"), S_OK);
    EXPECT_EQ(FindTag(L"QUMBAR").Get(), failing.Get());  // the same control comes back

    bars->SetDeleteFault(failing.Get(), DeleteFault::None);
    EXPECT_EQ(Call(failing.Get(), L"Delete"), S_OK);
    EXPECT_FALSE(FindTag(L"QUMBAR"));
}

TEST_F(CommandBarsTest, ClickReachesEveryConnectedButtonSharingTheTag) {
    auto tools = Find(Variant::Int(kToolsMenuId), Variant::Missing());
    auto show = AddButton(tools.Get(), L"QUMBAR", L"show_Project");
    auto bar = AddPopupBar(L"PupTabNoOnItem");
    auto other = AddButton(bar.Get(), L"OTHER", L"Other");
    auto last = AddButton(bar.Get(), L"QUMBAR", L"About");
    auto untagged = AddButton(bar.Get(), L"", L"Untagged");

    auto handler = com::Make<ClickSink>();  // connected to one button only, as the add-in does
    handler->Connect(last.Get());
    auto otherHandler = com::Make<ClickSink>();
    otherHandler->Connect(other.Get());
    EXPECT_EQ(bars->SinkCount(L"QUMBAR"), 1u);

    ClickResult r = bars->Click(show.Get());
    EXPECT_TRUE(r.clicked);
    EXPECT_EQ(r.handlers, 1);
    EXPECT_EQ(handler->clicked, std::vector<std::wstring>{L"show_Project"});
    EXPECT_TRUE(otherHandler->clicked.empty());

    // Execute raises the same events as a click.
    EXPECT_EQ(Call(last.Get(), L"Execute"), S_OK);
    EXPECT_EQ(handler->clicked.back(), L"About");

    // A button without a Tag reaches only its own sinks.
    auto own = com::Make<ClickSink>();
    own->Connect(untagged.Get());
    bars->Click(untagged.Get());
    EXPECT_EQ(own->clicked, std::vector<std::wstring>{L"Untagged"});
    EXPECT_EQ(handler->clicked.size(), 2u);

    // A disabled control cannot be clicked.
    Put(show.Get(), L"Enabled", Variant::Bool(false));
    EXPECT_FALSE(bars->Click(show.Get()).clicked);
    EXPECT_EQ(handler->clicked.size(), 2u);

    handler->Disconnect();
    bars->Click(last.Get());
    EXPECT_EQ(handler->clicked.size(), 2u);
}

TEST_F(CommandBarsTest, CancelDefaultIsSharedAndStopsTheBuiltInCommand) {
    auto bar = AddPopupBar(L"PupTabOnItem");
    // A copy of the built-in New command, tagged like the add-in's items.
    Variant copy;
    ASSERT_EQ(Call(Get(bar.Get(), L"Controls").Get(), L"Add",
                   {Variant::Missing(), Variant::Int(kNewCommandId)}, &copy),
              S_OK);
    auto newCopy = copy.ToObject();
    EXPECT_EQ(Text(newCopy.Get(), L"Caption"), L"&New...");
    Put(newCopy.Get(), L"Tag", Variant::Text(L"QUMBAR"));
    auto first = com::Make<ClickSink>();
    auto second = com::Make<ClickSink>();
    first->Connect(AddButton(bar.Get(), L"QUMBAR", L"x").Get());
    second->Connect(AddButton(bar.Get(), L"QUMBAR", L"y").Get());

    bars->Click(newCopy.Get());
    EXPECT_EQ(builtInsRun, std::vector<long>{kNewCommandId});

    first->cancel = true;
    ClickResult r = bars->Click(newCopy.Get());
    EXPECT_TRUE(r.cancelDefault);
    EXPECT_TRUE(second->cancelSeen);  // the later handler sees the earlier one's choice
    EXPECT_EQ(builtInsRun.size(), 1u);
}

TEST_F(CommandBarsTest, ShowPopupIsRecordedAndCanChooseAnItem) {
    auto bar = AddPopupBar(L"PupTabOnItem");
    AddButton(bar.Get(), L"QUMBAR", L"New_Project");
    auto second = AddButton(bar.Get(), L"QUMBAR", L"Open");
    auto handler = com::Make<ClickSink>();
    handler->Connect(second.Get());

    ASSERT_EQ(Call(bar.Get(), L"ShowPopup"), S_OK);
    ASSERT_EQ(Call(bar.Get(), L"ShowPopup", {Variant::Int(10), Variant::Int(20)}), S_OK);
    ASSERT_EQ(bars->Popups().size(), 2u);
    EXPECT_EQ(bars->Popups()[0].bar, L"PupTabOnItem");
    EXPECT_TRUE(bars->Popups()[0].atCursor);
    EXPECT_FALSE(bars->Popups()[1].atCursor);
    EXPECT_EQ(bars->Popups()[1].x, 10);
    EXPECT_EQ(bars->Popups()[1].y, 20);
    EXPECT_TRUE(handler->clicked.empty());

    // The items as they stood when shown; then a chosen item is clicked.
    Put(second.Get(), L"Enabled", Variant::Bool(false));
    bars->ChoosePopupItem(2);
    Call(bar.Get(), L"ShowPopup");
    ASSERT_EQ(bars->Popups().size(), 3u);
    EXPECT_FALSE(bars->Popups()[2].items[1].enabled);
    EXPECT_TRUE(handler->clicked.empty());  // a disabled item cannot be chosen
    Put(second.Get(), L"Enabled", Variant::Bool(true));
    bars->ChoosePopupItem(2);
    Call(bar.Get(), L"ShowPopup");
    EXPECT_EQ(handler->clicked, std::vector<std::wstring>{L"Open"});
    bars->ClearPopups();
    EXPECT_TRUE(bars->Popups().empty());

    // Only popup bars pop up.
    auto menuBar = Get(Bars(), L"Item", {Variant::Int(1)});
    EXPECT_NE(Call(menuBar.Get(), L"ShowPopup"), S_OK);
}

// Keys for the open popup menu, sent from a timer while the menu's own loop runs.
std::vector<WPARAM> g_menuKeys;

BOOL CALLBACK FindMenuWindow(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) == L"#32768" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
    }
    return TRUE;
}

void CALLBACK PressMenuKeys(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    // This thread's popup menu window.
    HWND menu = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindMenuWindow, reinterpret_cast<LPARAM>(&menu));
    for (WPARAM key : g_menuKeys) {
        PostMessageW(menu, WM_KEYDOWN, key, 0);
    }
    if (g_menuKeys.empty()) {
        EndMenu();
    }
}

TEST(CommandBarsInteractive, ShowPopupShowsAMenuOwnedByTheMainWindow) {
    HWND main = CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                nullptr, nullptr, nullptr);
    ASSERT_NE(main, nullptr);
    auto bars = CreateCommandBars(main, nullptr);
    bars->SetPopupMode(PopupMode::Interactive);
    Variant added;
    ASSERT_EQ(Call(bars.Get(), L"Add", {Variant::Text(L"Pup"), Variant::Int(office::msoBarPopup)},
                   &added),
              S_OK);
    auto bar = added.ToObject();
    auto controls = Get(bar.Get(), L"Controls");
    auto first = Get(controls.Get(), L"Add");
    auto second = Get(controls.Get(), L"Add");
    Put(first.Get(), L"Caption", Variant::Text(L"&First"));
    Put(second.Get(), L"Caption", Variant::Text(L"&Second"));
    Put(second.Get(), L"Parameter", Variant::Text(L"second"));
    auto handler = com::Make<ClickSink>();
    handler->Connect(second.Get());

    // Dismissed: nothing is clicked.
    g_menuKeys.clear();
    SetTimer(nullptr, 0, 100, PressMenuKeys);
    ASSERT_EQ(Call(bar.Get(), L"ShowPopup", {Variant::Int(50), Variant::Int(50)}), S_OK);
    EXPECT_TRUE(handler->clicked.empty());
    // The second item chosen with the keyboard: its click is raised.
    g_menuKeys = {VK_DOWN, VK_DOWN, VK_RETURN};
    SetTimer(nullptr, 0, 100, PressMenuKeys);
    ASSERT_EQ(Call(bar.Get(), L"ShowPopup", {Variant::Int(50), Variant::Int(50)}), S_OK);
    EXPECT_EQ(handler->clicked, std::vector<std::wstring>{L"second"});
    EXPECT_EQ(bars->Popups().size(), 2u);
    DestroyWindow(main);
}

TEST_F(CommandBarsTest, MembersCanBeMadeToFail) {
    bars->FailMember(L"Add");
    EXPECT_NE(Call(Bars(), L"Add", {Variant::Text(L"X"), Variant::Int(5)}), S_OK);
    auto tools = Find(Variant::Int(kToolsMenuId), Variant::Missing());
    EXPECT_NE(Call(Get(tools.Get(), L"Controls").Get(), L"Add"), S_OK);
    bars->FailMember(L"add", false);
    EXPECT_TRUE(AddPopupBar(L"X"));
}

}  // namespace
}  // namespace morvane::standin
