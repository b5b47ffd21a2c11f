#include "addin/tabbar/StubMemory_win.h"

#include <windows.h>

namespace morvane {

namespace {

// One process-wide heap whose blocks may hold code; small stubs need not take whole pages.
class CodeHeap {
  public:
    CodeHeap() : heap_(HeapCreate(HEAP_CREATE_ENABLE_EXECUTE, 0, 0)) {}
    ~CodeHeap() {
        if (heap_) {
            HeapDestroy(heap_);
        }
    }
    CodeHeap(const CodeHeap&) = delete;
    CodeHeap& operator=(const CodeHeap&) = delete;

    void* Allocate(std::size_t size) { return heap_ ? HeapAlloc(heap_, 0, size) : nullptr; }
    void Free(void* block) {
        if (heap_ && block) {
            HeapFree(heap_, 0, block);
        }
    }

  private:
    HANDLE heap_;
};

CodeHeap& Heap() {
    static CodeHeap heap;
    return heap;
}

}  // namespace

void* AllocateStubMemory(std::size_t size) {
    return Heap().Allocate(size);
}

void FreeStubMemory(void* block) {
    Heap().Free(block);
}

}  // namespace morvane
