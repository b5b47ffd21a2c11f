// The subclasses' stub memory as the tests build it: each stub gets a page of its own, and a
// freed stub's page is made inaccessible and never given out again, so that any later call or
// read of that stub fails at once instead of passing by luck. A test program lists this file among
// its own sources; its definitions then take the place of the library's (the linker takes a
// library's file only for what is still missing).

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "addin/tabbar/StubMemory_win.h"

namespace morvane {

namespace {

constexpr std::size_t PageSize = 4096;
// Room for every stub one test program makes: freed pages are never given out again.
constexpr std::size_t PageCount = 32768;

class PoisonedPages {
  public:
    PoisonedPages()
        : region_(static_cast<char*>(
              VirtualAlloc(nullptr, PageSize * PageCount, MEM_RESERVE, PAGE_NOACCESS))) {}
    PoisonedPages(const PoisonedPages&) = delete;
    PoisonedPages& operator=(const PoisonedPages&) = delete;

    void* Allocate(std::size_t size) {
        if (!region_ || size > PageSize || used_ == PageCount) {
            std::fputs("poisoned stub memory: no page left for a stub\n", stderr);
            std::abort();
        }
        void* page = region_ + PageSize * used_++;
        return VirtualAlloc(page, PageSize, MEM_COMMIT, PAGE_EXECUTE_READWRITE);
    }
    // Decommitted, the page holds nothing any more (and weighs nothing in the working set), and
    // its address stays reserved: it is never given out again.
    static void Poison(void* block) {
        if (!block) {
            return;
        }
        MEMORY_BASIC_INFORMATION memory{};
        if (VirtualQuery(block, &memory, sizeof memory) == 0 || memory.State != MEM_COMMIT ||
            !VirtualFree(block, PageSize, MEM_DECOMMIT)) {
            std::fputs("poisoned stub memory: a stub freed twice or never allocated\n", stderr);
            std::abort();
        }
    }

  private:
    char* region_;
    std::size_t used_ = 0;
};

PoisonedPages& Pages() {
    static PoisonedPages pages;
    return pages;
}

}  // namespace

void* AllocateStubMemory(std::size_t size) {
    return Pages().Allocate(size);
}

void FreeStubMemory(void* block) {
    PoisonedPages::Poison(block);
}

}  // namespace morvane
