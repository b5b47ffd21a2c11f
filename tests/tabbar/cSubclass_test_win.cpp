#include "addin/tabbar/cSubclass_win.h"
#include "shared/LibraryUse.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace morvane {
namespace {

constexpr UINT TestMsg = WM_APP + 1;
constexpr UINT OtherMsg = WM_APP + 2;
// The test class's procedure destroys its window on this one, as a host does on WM_CLOSE.
constexpr UINT DestroyMsg = WM_APP + 3;
// On this one it runs baseAction and answers 7, as a host runs a command.
constexpr UINT CommandMsg = WM_APP + 4;

// What the window's own procedure saw, for every window of the test class.
struct BaseCall {
    HWND hWnd;
    UINT uMsg;
    WPARAM wParam;
};
std::vector<BaseCall> baseCalls;
std::function<void(HWND)> baseAction;

LRESULT CALLBACK BaseProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == TestMsg || uMsg == OtherMsg) {
        baseCalls.push_back({hWnd, uMsg, wParam});
        return static_cast<LRESULT>(wParam + 100);
    }
    if (uMsg == DestroyMsg) {
        DestroyWindow(hWnd);
        return 0;
    }
    if (uMsg == CommandMsg) {
        if (baseAction) {
            baseAction(hWnd);
        }
        return 7;
    }
    return DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

// A plain hook of the kind another add-in chains on top: counts what passes through it.
WNDPROC chainedPrevious = nullptr;
int chainedCalls = 0;
LRESULT CALLBACK ChainedProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == TestMsg) {
        ++chainedCalls;
    }
    return CallWindowProcW(chainedPrevious, hWnd, uMsg, wParam, lParam);
}

struct OwnerCall {
    bool before;
    HWND hWnd;
    UINT uMsg;
    WPARAM wParam;
    LRESULT lReturn;
};

class RecordingOwner : public ISubclass {
  public:
    std::vector<OwnerCall> calls;
    std::function<void(bool, bool&, std::intptr_t&, std::uintptr_t&)> act;

    void Proc(bool bBefore, bool& bHandled, std::intptr_t& lReturn, WindowHandle& hWnd,
              std::uint32_t& uMsg, std::uintptr_t& wParam, std::intptr_t&) override {
        calls.push_back({bBefore, reinterpret_cast<HWND>(hWnd), uMsg, wParam, lReturn});
        if (act) {
            act(bBefore, bHandled, lReturn, wParam);
        }
    }

    int CountOf(UINT uMsg) const {
        int n = 0;
        for (const auto& call : calls) {
            n += call.uMsg == uMsg ? 1 : 0;
        }
        return n;
    }
};

// An owner that frees its subclass when it hears the window's final message, as the project
// windows' watchers do.
class FreeingOwner : public ISubclass {
  public:
    std::unique_ptr<cSubclass> subclass = std::make_unique<cSubclass>();
    std::vector<std::string> events;
    HWND finalWindow = nullptr;

    void Proc(bool, bool&, std::intptr_t&, WindowHandle&, std::uint32_t& uMsg, std::uintptr_t&,
              std::intptr_t&) override {
        events.push_back(uMsg == WM_NCDESTROY ? "after WM_NCDESTROY" : "after DestroyMsg");
    }
    void OnFinalMessage(WindowHandle hWnd) override {
        events.push_back("final");
        finalWindow = reinterpret_cast<HWND>(hWnd);
        subclass.reset();
    }
};

// One object on a page of its own: once the object is ended the page is made inaccessible and
// kept, so that any later use of the object fails at once.
template <typename T>
class GuardedBox {
  public:
    GuardedBox()
        : page_(VirtualAlloc(nullptr, sizeof(T), MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE)),
          object_(new (page_) T()) {}
    ~GuardedBox() {
        End();
        VirtualFree(page_, 0, MEM_RELEASE);
    }
    GuardedBox(const GuardedBox&) = delete;
    GuardedBox& operator=(const GuardedBox&) = delete;

    T* operator->() const { return object_; }
    bool Ended() const { return object_ == nullptr; }
    void End() {
        if (object_) {
            object_->~T();
            object_ = nullptr;
            DWORD previous = 0;
            VirtualProtect(page_, sizeof(T), PAGE_NOACCESS, &previous);
        }
    }

  private:
    void* page_;
    T* object_;
};

// An owner that runs `act` on each call, told whether it is the before call and of which message.
class ActingOwner : public ISubclass {
  public:
    std::function<void(bool, UINT)> act;

    void Proc(bool bBefore, bool&, std::intptr_t&, WindowHandle&, std::uint32_t& uMsg,
              std::uintptr_t&, std::intptr_t&) override {
        if (act) {
            act(bBefore, uMsg);
        }
    }
};

struct WindowDeleter {
    void operator()(HWND hWnd) const { DestroyWindow(hWnd); }
};
using Window = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;

class SubclassTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = BaseProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"MorvaneSubclassTest";
        RegisterClassW(&wc);
    }

    void SetUp() override {
        baseCalls.clear();
        baseAction = nullptr;
        chainedCalls = 0;
    }
    void TearDown() override { baseAction = nullptr; }

    static Window NewWindow() {
        return Window(CreateWindowExW(0, L"MorvaneSubclassTest", L"", WS_OVERLAPPED, 0, 0, 10, 10,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    }

    static WNDPROC ProcOf(HWND hWnd) {
        return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
    }

    static void ChainOnTop(HWND hWnd) {
        chainedPrevious = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ChainedProc)));
    }
};

TEST_F(SubclassTest, BeforeAndAfterTablesFrameThePreviousProcedure) {
    auto window = NewWindow();
    ASSERT_TRUE(window);
    RecordingOwner owner;
    cSubclass subclass;
    subclass.AddMsg(TestMsg, MsgBefore);
    subclass.AddMsg(TestMsg, MsgAfter);
    subclass.AddMsg(OtherMsg, MsgAfter);
    ASSERT_TRUE(subclass.Subclass(reinterpret_cast<WindowHandle>(window.get()), &owner));
    EXPECT_EQ(ProcOf(window.get()), subclass.Procedure());

    EXPECT_EQ(SendMessageW(window.get(), TestMsg, 1, 0), 101);
    EXPECT_EQ(SendMessageW(window.get(), OtherMsg, 2, 0), 102);
    SendMessageW(window.get(), WM_NULL, 0, 0);

    ASSERT_EQ(owner.calls.size(), 3u);
    EXPECT_TRUE(owner.calls[0].before);
    EXPECT_EQ(owner.calls[0].hWnd, window.get());
    EXPECT_EQ(owner.calls[0].lReturn, 0);
    EXPECT_FALSE(owner.calls[1].before);
    EXPECT_EQ(owner.calls[1].lReturn, 101);  // the after pass sees the previous result
    EXPECT_FALSE(owner.calls[2].before);
    EXPECT_EQ(owner.calls[2].uMsg, OtherMsg);
    EXPECT_EQ(baseCalls.size(), 2u);

    // Table changes take effect at once, while attached.
    subclass.DelMsg(TestMsg, MsgBefore | MsgAfter);
    SendMessageW(window.get(), TestMsg, 1, 0);
    EXPECT_EQ(owner.CountOf(TestMsg), 2);
    EXPECT_EQ(subclass.CallOrigWndProc(TestMsg, 5, 0), 105);
}

TEST_F(SubclassTest, HandledBeforeCallShortCutsEverythingElse) {
    auto window = NewWindow();
    RecordingOwner owner;
    owner.act = [](bool before, bool& handled, std::intptr_t& result, std::uintptr_t&) {
        if (before) {
            handled = true;
            result = 5;
        }
    };
    cSubclass subclass;
    subclass.AddMsg(TestMsg, MsgBefore | MsgAfter);
    ASSERT_TRUE(subclass.Subclass(reinterpret_cast<WindowHandle>(window.get()), &owner));
    EXPECT_EQ(SendMessageW(window.get(), TestMsg, 1, 0), 5);
    EXPECT_TRUE(baseCalls.empty());
    EXPECT_EQ(owner.calls.size(), 1u);
}

TEST_F(SubclassTest, ChangedArgumentsAndResultArePassedOn) {
    auto window = NewWindow();
    RecordingOwner owner;
    owner.act = [](bool before, bool&, std::intptr_t& result, std::uintptr_t& wParam) {
        if (before) {
            wParam = 7;
        } else {
            result += 1000;
        }
    };
    cSubclass subclass;
    subclass.AddMsg(TestMsg, MsgBefore | MsgAfter);
    ASSERT_TRUE(subclass.Subclass(reinterpret_cast<WindowHandle>(window.get()), &owner));
    EXPECT_EQ(SendMessageW(window.get(), TestMsg, 1, 0), 1107);
    ASSERT_EQ(baseCalls.size(), 1u);
    EXPECT_EQ(baseCalls[0].wParam, 7u);
    ASSERT_EQ(owner.calls.size(), 2u);
    EXPECT_EQ(owner.calls[1].wParam, 7u);
}

TEST_F(SubclassTest, EveryMessageModeSeesEachMessageTwiceUntilSwitchedOff) {
    auto window = NewWindow();
    RecordingOwner owner;
    cSubclass subclass;
    subclass.AddMsg(AllMessages, MsgBefore | MsgAfter);
    ASSERT_TRUE(subclass.Subclass(reinterpret_cast<WindowHandle>(window.get()), &owner));
    SendMessageW(window.get(), OtherMsg, 0, 0);
    EXPECT_EQ(owner.CountOf(OtherMsg), 2);
    subclass.DelMsg(AllMessages, MsgBefore | MsgAfter);
    const auto seen = owner.calls.size();
    SendMessageW(window.get(), OtherMsg, 0, 0);
    SendMessageW(window.get(), WM_NULL, 0, 0);
    EXPECT_EQ(owner.calls.size(), seen);
    EXPECT_EQ(ProcOf(window.get()), subclass.Procedure());
}

TEST_F(SubclassTest, TwoObjectsOnTwoWindowsEachSeeTheirOwn) {
    auto first = NewWindow();
    auto second = NewWindow();
    RecordingOwner firstOwner, secondOwner;
    cSubclass a, b;
    a.AddMsg(TestMsg, MsgAfter);
    b.AddMsg(TestMsg, MsgAfter);
    ASSERT_TRUE(a.Subclass(reinterpret_cast<WindowHandle>(first.get()), &firstOwner));
    ASSERT_TRUE(b.Subclass(reinterpret_cast<WindowHandle>(second.get()), &secondOwner));
    EXPECT_NE(a.Procedure(), b.Procedure());
    SendMessageW(first.get(), TestMsg, 1, 0);
    SendMessageW(second.get(), TestMsg, 2, 0);
    SendMessageW(second.get(), TestMsg, 3, 0);
    ASSERT_EQ(firstOwner.calls.size(), 1u);
    EXPECT_EQ(firstOwner.calls[0].hWnd, first.get());
    ASSERT_EQ(secondOwner.calls.size(), 2u);
    EXPECT_EQ(secondOwner.calls[1].hWnd, second.get());
    EXPECT_EQ(secondOwner.calls[1].lReturn, 103);
}

TEST_F(SubclassTest, SecondSubclassWhileAttachedChangesNothing) {
    auto first = NewWindow();
    auto second = NewWindow();
    RecordingOwner owner;
    cSubclass subclass;
    ASSERT_TRUE(subclass.Subclass(reinterpret_cast<WindowHandle>(first.get()), &owner));
    EXPECT_FALSE(subclass.Subclass(reinterpret_cast<WindowHandle>(second.get()), &owner));
    EXPECT_EQ(ProcOf(second.get()), BaseProc);
    EXPECT_FALSE(subclass.Subclass(0, &owner));
}

TEST_F(SubclassTest, UnSubclassInOrderRestoresTheWindowAndMayAttachAgain) {
    auto window = NewWindow();
    RecordingOwner owner;
    cSubclass subclass;
    EXPECT_FALSE(subclass.UnSubclass());
    ASSERT_TRUE(subclass.Subclass(reinterpret_cast<WindowHandle>(window.get()), &owner));
    EXPECT_TRUE(subclass.UnSubclass());
    EXPECT_EQ(ProcOf(window.get()), BaseProc);
    EXPECT_FALSE(subclass.UnSubclass());
    EXPECT_EQ(subclass.CallOrigWndProc(TestMsg, 1, 0), 0);

    ASSERT_TRUE(subclass.Subclass(reinterpret_cast<WindowHandle>(window.get()), &owner));
    subclass.AddMsg(TestMsg, MsgBefore);
    SendMessageW(window.get(), TestMsg, 1, 0);
    EXPECT_EQ(owner.calls.size(), 1u);
}

TEST_F(SubclassTest, UnSubclassUnderAChainedProcedureLeavesAWorkingPassThrough) {
    auto window = NewWindow();
    RecordingOwner owner;
    auto subclass = std::make_unique<cSubclass>();
    subclass->AddMsg(TestMsg, MsgBefore);
    ASSERT_TRUE(subclass->Subclass(reinterpret_cast<WindowHandle>(window.get()), &owner));
    ChainOnTop(window.get());
    EXPECT_TRUE(subclass->UnSubclass());
    EXPECT_EQ(ProcOf(window.get()), ChainedProc);

    EXPECT_EQ(SendMessageW(window.get(), TestMsg, 4, 0), 104);
    EXPECT_EQ(chainedCalls, 1);
    EXPECT_TRUE(owner.calls.empty());

    // The object may go away and even attach elsewhere: the chain keeps working.
    auto other = NewWindow();
    ASSERT_TRUE(subclass->Subclass(reinterpret_cast<WindowHandle>(other.get()), &owner));
    EXPECT_EQ(SendMessageW(window.get(), TestMsg, 5, 0), 105);
    subclass.reset();
    EXPECT_EQ(ProcOf(other.get()), BaseProc);
    EXPECT_EQ(SendMessageW(window.get(), TestMsg, 6, 0), 106);
    EXPECT_EQ(chainedCalls, 3);
    EXPECT_TRUE(owner.calls.empty());
    window.reset();  // the pass-through frees itself with its window
}

TEST_F(SubclassTest, TwoObjectsOnOneWindowUnSubclassOutOfOrder) {
    auto window = NewWindow();
    RecordingOwner lower, upper;
    cSubclass first, second;
    first.AddMsg(TestMsg, MsgAfter);
    second.AddMsg(TestMsg, MsgAfter);
    ASSERT_TRUE(first.Subclass(reinterpret_cast<WindowHandle>(window.get()), &lower));
    ASSERT_TRUE(second.Subclass(reinterpret_cast<WindowHandle>(window.get()), &upper));

    EXPECT_TRUE(first.UnSubclass());
    EXPECT_EQ(ProcOf(window.get()), second.Procedure());
    EXPECT_EQ(SendMessageW(window.get(), TestMsg, 1, 0), 101);
    EXPECT_TRUE(lower.calls.empty());
    EXPECT_EQ(upper.calls.size(), 1u);

    // The upper one puts back what it found: the lower one's pass-through.
    EXPECT_TRUE(second.UnSubclass());
    EXPECT_EQ(SendMessageW(window.get(), TestMsg, 2, 0), 102);
    EXPECT_EQ(baseCalls.size(), 2u);
    EXPECT_EQ(upper.calls.size(), 1u);
}

TEST_F(SubclassTest, AnOwnerThatThrowsLeavesTheMessageAlone) {
    auto window = NewWindow();
    RecordingOwner owner;
    owner.act = [](bool, bool& handled, std::intptr_t& result, std::uintptr_t& wParam) {
        handled = true;
        result = 9;
        wParam = 50;
        throw std::runtime_error("owner failed");
    };
    cSubclass subclass;
    subclass.AddMsg(TestMsg, MsgBefore | MsgAfter);
    ASSERT_TRUE(subclass.Subclass(reinterpret_cast<WindowHandle>(window.get()), &owner));
    EXPECT_EQ(SendMessageW(window.get(), TestMsg, 1, 0), 101);
    EXPECT_EQ(owner.calls.size(), 2u);
}

TEST_F(SubclassTest, DestroyingTheWindowWhileAttachedIsHarmless) {
    auto window = NewWindow();
    RecordingOwner owner;
    cSubclass subclass;
    subclass.AddMsg(WM_NCDESTROY, MsgAfter);
    ASSERT_TRUE(subclass.Subclass(reinterpret_cast<WindowHandle>(window.get()), &owner));
    window.reset();
    EXPECT_EQ(owner.CountOf(WM_NCDESTROY), 1);
    EXPECT_TRUE(subclass.UnSubclass());
}

TEST_F(SubclassTest, TheOwnerHearsTheFinalMessageOnceEveryCallOfTheProcedureHasReturned) {
    struct Case {
        const char* name;
        bool fromInside;  // destroyed by its own procedure, under a call of ours
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {"destroyed from outside", false, {"after WM_NCDESTROY", "final"}},
        {"destroyed inside its own procedure",
         true,
         {"after WM_NCDESTROY", "after DestroyMsg", "final"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HWND window = NewWindow().release();
        FreeingOwner owner;
        owner.subclass->AddMsg(DestroyMsg, MsgAfter);
        owner.subclass->AddMsg(WM_NCDESTROY, MsgAfter);
        ASSERT_TRUE(owner.subclass->Subclass(reinterpret_cast<WindowHandle>(window), &owner));
        if (c.fromInside) {
            SendMessageW(window, DestroyMsg, 0, 0);
        } else {
            DestroyWindow(window);
        }
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(owner.events, c.events);
        EXPECT_EQ(owner.finalWindow, window);
        EXPECT_EQ(owner.subclass, nullptr);
    }
}

TEST_F(SubclassTest, AnOwnerThatLetGoHearsNoFinalMessage) {
    // Unhooked under a procedure chained on top: the stub stays in the chain, the owner does not.
    const HWND window = NewWindow().release();
    FreeingOwner owner;
    owner.subclass->AddMsg(WM_NCDESTROY, MsgAfter);
    ASSERT_TRUE(owner.subclass->Subclass(reinterpret_cast<WindowHandle>(window), &owner));
    ChainOnTop(window);
    EXPECT_TRUE(owner.subclass->UnSubclass());
    EXPECT_EQ(SendMessageW(window, DestroyMsg, 0, 0), 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(owner.events.empty());
    EXPECT_NE(owner.subclass, nullptr);
}

TEST_F(SubclassTest, AnObjectEndedInsideACallOfItsProcedureIsNeverTouchedAgain) {
    // As a host that switches the add-in off from inside a message of a window it hooks: the
    // object goes while its procedure is on the stack, and the module must stay until that call
    // has returned.
    enum class EndedBy { PreviousProcedure, BeforeCall, AfterCall, NestedCall };
    struct Case {
        const char* name;
        EndedBy endedBy;
    };
    const Case cases[] = {
        {"by the previous procedure", EndedBy::PreviousProcedure},
        {"by the owner's before call", EndedBy::BeforeCall},
        {"by the owner's after call", EndedBy::AfterCall},
        {"in a nested call", EndedBy::NestedCall},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto window = NewWindow();
        GuardedBox<cSubclass> subclass;
        ActingOwner owner;
        int callsWhenEnded = 0;
        const auto end = [&] {
            callsWhenEnded = LibraryUse::CallsInProgress();
            subclass.End();
        };
        owner.act = [&](bool before, UINT uMsg) {
            if ((c.endedBy == EndedBy::BeforeCall && before && uMsg == CommandMsg) ||
                (c.endedBy == EndedBy::AfterCall && !before && uMsg == CommandMsg) ||
                (c.endedBy == EndedBy::NestedCall && before && uMsg == OtherMsg)) {
                end();
            }
        };
        baseAction = [&](HWND hWnd) {
            if (c.endedBy == EndedBy::PreviousProcedure) {
                end();
            } else if (c.endedBy == EndedBy::NestedCall) {
                SendMessageW(hWnd, OtherMsg, 0, 0);
            }
        };
        subclass->AddMsg(CommandMsg, MsgBefore | MsgAfter);
        subclass->AddMsg(OtherMsg, MsgBefore | MsgAfter);
        ASSERT_TRUE(subclass->Subclass(reinterpret_cast<WindowHandle>(window.get()), &owner));

        EXPECT_EQ(SendMessageW(window.get(), CommandMsg, 0, 0), 7);
        ASSERT_TRUE(subclass.Ended());
        EXPECT_GT(callsWhenEnded, 0);
        EXPECT_EQ(LibraryUse::CallsInProgress(), 0);
        // Nothing of ours is left in the chain, and the window works on.
        EXPECT_EQ(ProcOf(window.get()), BaseProc);
        baseAction = nullptr;
        EXPECT_EQ(SendMessageW(window.get(), CommandMsg, 0, 0), 7);
        EXPECT_EQ(SendMessageW(window.get(), TestMsg, 1, 0), 101);
    }
}

TEST_F(SubclassTest, TheTestsBuildPoisonsAFreedStub) {
    // What the tests above rely on to fail loudly: a stub freed is no longer reachable at all.
    auto subclass = std::make_unique<cSubclass>();
    const WNDPROC procedure = subclass->Procedure();
    ASSERT_NE(procedure, nullptr);
    subclass.reset();
    MEMORY_BASIC_INFORMATION memory{};
    ASSERT_NE(VirtualQuery(reinterpret_cast<const void*>(procedure), &memory, sizeof memory), 0u);
    EXPECT_NE(memory.State, static_cast<DWORD>(MEM_COMMIT));
}

}  // namespace
}  // namespace morvane
