// The host frees Morvane.dll when its last object is gone and loads it again for the next
// connection: what stays behind each time is measured on the process's heaps, beside a small
// library of our window base that is loaded and freed the same way (what Wine and the C++
// runtime keep per load).
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "AddinDll_win.h"
#include "support/ThreadWindows_win.h"

namespace morvane::test {
namespace {

constexpr int kCycles = 10;

// What the heaps hold more after kCycles cycles, once two have run to load what the system
// loads once.
HeapUse KeptBy(const std::function<void()>& cycle) {
    cycle();
    cycle();
    const HeapUse before = HeapInUse();
    for (int i = 0; i < kCycles; ++i) {
        cycle();
    }
    const HeapUse after = HeapInUse();
    return {after.blocks - before.blocks, after.bytes - before.bytes};
}

void FloorCycle() {
    const HMODULE library = LoadLibraryW(L"morvane_echo_window.dll");
    ASSERT_NE(library, nullptr);
    using Ask = LRESULT (*)();
    const auto ask = reinterpret_cast<Ask>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, "AskTabControl")));
    ASSERT_NE(ask, nullptr);
    EXPECT_NE(ask(), 0);
    FreeLibrary(library);
}

TEST_F(AddinDllTest, FreeingTheLibraryAndLoadingItAgainKeepsNoMoreThanASmallLibraryDoes) {
    StartHost(3);
    int freed = 0;
    const HeapUse addin = KeptBy([&] {
        ASSERT_TRUE(host->Addins().Connect(kProgId));
        host->Pump();
        ASSERT_NE(Bar(), nullptr);
        ASSERT_TRUE(host->Addins().Disconnect(kProgId));
        host->Pump();
        host->Addins().FreeUnusedLibraries();
        freed += DllLoaded() ? 0 : 1;
    });
    const HeapUse floor = KeptBy(FloorCycle);

    EXPECT_EQ(freed, kCycles + 2) << "the host could not free the library";
    // The C++ runtime's reserve for throwing without memory (18 KB in 32-bit, 71 KB in 64-bit
    // builds) is given back with the library.
    EXPECT_LT(addin.bytes, kCycles * 4096u);
    EXPECT_LE(addin.blocks, floor.blocks);
}

}  // namespace
}  // namespace morvane::test
