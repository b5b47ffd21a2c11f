#include <gtest/gtest.h>
#include <windows.h>

namespace morvane::test {
namespace {

using AskFn = LRESULT (*)();

constexpr const wchar_t* Library = L"morvane_echo_window.dll";

SIZE_T ImageSize(HMODULE module) {
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    return nt->OptionalHeader.SizeOfImage;
}

LRESULT Ask(HMODULE module, const char* function = "AskEchoWindow") {
    const auto ask =
        reinterpret_cast<AskFn>(reinterpret_cast<void*>(GetProcAddress(module, function)));
    return ask ? ask() : 0;
}

bool Registered(HMODULE module, const wchar_t* className) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    return GetClassInfoExW(module, className, &wc) != FALSE;
}

// The classes the library registers: its own window's and the tab control's.
constexpr const wchar_t* Classes[] = {L"MorvaneEchoWindow", L"MorvaneTabControl"};

// A window class must not outlive its procedure: once the library that registered it has been
// unloaded and loaded again elsewhere, a new window still reaches the loaded procedure.
TEST(WindowClass, FollowsItsLibraryWhenItIsUnloadedAndLoadedAgain) {
    HMODULE first = LoadLibraryW(Library);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Ask(first), 42);
    EXPECT_EQ(Ask(first, "AskTabControl"), DLGC_WANTARROWS);
    for (const auto* name : Classes) {
        EXPECT_TRUE(Registered(first, name)) << name;
    }
    const SIZE_T size = ImageSize(first);
    void* const oldBase = first;
    ASSERT_TRUE(FreeLibrary(first));
    // Unloading the library took its classes with it.
    for (const auto* name : Classes) {
        EXPECT_FALSE(Registered(first, name)) << name;
    }

    // Keep the old address taken, so that the library loads somewhere else.
    void* held = VirtualAlloc(oldBase, size, MEM_RESERVE, PAGE_NOACCESS);
    HMODULE second = LoadLibraryW(Library);
    ASSERT_NE(second, nullptr);
    if (held) {
        EXPECT_NE(static_cast<void*>(second), oldBase);
    }
    EXPECT_EQ(Ask(second), 42);
    EXPECT_EQ(Ask(second, "AskTabControl"), DLGC_WANTARROWS);
    EXPECT_TRUE(FreeLibrary(second));
    if (held) {
        VirtualFree(held, 0, MEM_RELEASE);
    }
}

}  // namespace
}  // namespace morvane::test
