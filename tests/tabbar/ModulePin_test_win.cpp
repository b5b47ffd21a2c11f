// Unloading the add-in while another program's procedure sits above one of ours: the library
// stays loaded, so the window never calls freed code.

#include <windows.h>

#include <gtest/gtest.h>

#include "support/TestWindow_win.h"

namespace {

const wchar_t* const Probe = L"subclass_probe.dll";

using SubclassFn = void* (*)(HWND);
using UnsubclassFn = void (*)(void*);

WNDPROC below = nullptr;

// Another program's procedure, chained on top of ours.
LRESULT CALLBACK OnTop(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(below, hWnd, uMsg, wParam, lParam);
}

class ModulePin : public ::testing::Test {
  protected:
    HWND window = nullptr;

    void SetUp() override {
        window =
            morvane::test::CreateTestWindow(L"MorvaneModulePinTest", WS_POPUP, nullptr, L"Plan");
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { DestroyWindow(window); }

    // Loads the library, subclasses the window with it, runs `between`, removes the subclass
    // and unloads the library as the host does; true when the library is still loaded.
    template <typename F>
    bool StillLoadedAfterUnload(F&& between) {
        HMODULE library = LoadLibraryW(Probe);
        EXPECT_NE(library, nullptr);
        if (!library) {
            return false;
        }
        const auto subclass = reinterpret_cast<SubclassFn>(
            reinterpret_cast<void (*)()>(GetProcAddress(library, "ProbeSubclass")));
        const auto unsubclass = reinterpret_cast<UnsubclassFn>(
            reinterpret_cast<void (*)()>(GetProcAddress(library, "ProbeUnsubclass")));
        void* object = subclass(window);
        between();
        unsubclass(object);
        FreeLibrary(library);
        return GetModuleHandleW(Probe) != nullptr;
    }
};

TEST_F(ModulePin, AProcedureChainedAboveOursKeepsTheLibraryLoaded) {
    // Unhooked cleanly first: nothing of the library is left and it unloads.
    EXPECT_FALSE(StillLoadedAfterUnload([] {}));

    const bool loaded = StillLoadedAfterUnload([this] {
        below = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OnTop)));
    });
    ASSERT_TRUE(loaded) << "the pass-through left in the chain would jump into freed code";
    // The chain still works through the pass-through.
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Renamed"));
    wchar_t text[16] = {};
    GetWindowTextW(window, text, 16);
    EXPECT_STREQ(text, L"Renamed");
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(below));
}

}  // namespace
