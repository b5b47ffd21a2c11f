#include "addin/tabbar/cSubclass_win.h"

#include <cstring>
#include <new>

#include "shared/Trace.h"

namespace morvane {

LRESULT CALLBACK StubProc(HWND stub, UINT uMsg, WPARAM wParam, LPARAM lParam);

// The per-object window procedure and what it knows. The code puts the stub's own address in
// place of the window handle and jumps to StubProc, as ATL's window thunks do. A stub that
// was left in another procedure's chain outlives its object as a pass-through to the previous
// procedure and frees itself when its window is destroyed.
struct cSubclass::Stub {
#pragma pack(push, 1)
#if defined(_M_X64) || defined(__x86_64__)
    struct Code {
        std::uint8_t movRcx[2];  // mov rcx, imm64
        std::uint64_t stub;
        std::uint8_t movRax[2];  // mov rax, imm64
        std::uint64_t target;
        std::uint8_t jmpRax[2];  // jmp rax
    };
#elif defined(_M_IX86) || defined(__i386__)
    struct Code {
        std::uint8_t movEsp4[4];  // mov dword ptr [esp+4], imm32
        std::uint32_t stub;
        std::uint8_t jmp;  // jmp rel32
        std::int32_t target;
    };
#else
#error "cSubclass needs an x86 or x86_64 target"
#endif
#pragma pack(pop)

    Code code;
    cSubclass* object;  // null once the stub is a pass-through
    HWND hWnd;          // the window whose chain holds the stub
    WNDPROC previous;   // that window's procedure before the stub
};

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

cSubclass::Stub* NewStub(cSubclass* object) {
    void* memory = Heap().Allocate(sizeof(cSubclass::Stub));
    if (!memory) {
        return nullptr;
    }
    auto* stub = new (memory) cSubclass::Stub{};
    stub->object = object;
    auto& code = stub->code;
#if defined(_M_X64) || defined(__x86_64__)
    code.movRcx[0] = 0x48;
    code.movRcx[1] = 0xB9;
    code.stub = reinterpret_cast<std::uint64_t>(stub);
    code.movRax[0] = 0x48;
    code.movRax[1] = 0xB8;
    code.target = reinterpret_cast<std::uint64_t>(&StubProc);
    code.jmpRax[0] = 0xFF;
    code.jmpRax[1] = 0xE0;
#else
    const std::uint8_t movEsp4[4] = {0xC7, 0x44, 0x24, 0x04};
    std::memcpy(code.movEsp4, movEsp4, sizeof movEsp4);
    code.stub = reinterpret_cast<std::uint32_t>(stub);
    code.jmp = 0xE9;
    // The jump is relative to the end of its own four bytes.
    code.target = static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(&StubProc) -
                                            reinterpret_cast<std::uintptr_t>(&code.target + 1));
#endif
    FlushInstructionCache(GetCurrentProcess(), stub, sizeof(stub->code));
    return stub;
}

void FreeStub(cSubclass::Stub* stub) {
    if (stub) {
        stub->~Stub();
        Heap().Free(stub);
    }
}

WNDPROC AsProc(const cSubclass::Stub* stub) {
    return reinterpret_cast<WNDPROC>(const_cast<cSubclass::Stub::Code*>(&stub->code));
}

// Keeps this module loaded until the process ends: a pass-through left in another program's
// chain jumps into its code, so the host must never be able to free it.
void PinThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCWSTR>(reinterpret_cast<std::uintptr_t>(&StubProc)),
                       &module);
}

LRESULT PassOn(WNDPROC previous, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return previous ? CallWindowProcW(previous, hWnd, uMsg, wParam, lParam)
                    : DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK StubProc(HWND stubAsWindow, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto* stub = reinterpret_cast<cSubclass::Stub*>(stubAsWindow);
    if (stub->object) {
        return stub->object->WindowProc(stub->hWnd, uMsg, wParam, lParam);
    }
    const LRESULT result = PassOn(stub->previous, stub->hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_NCDESTROY) {
        // The window's last message: nothing can call this stub again.
        FreeStub(stub);
    }
    return result;
}

cSubclass::cSubclass() : stub_(NewStub(this)) {}

cSubclass::~cSubclass() {
    UnSubclass();
    FreeStub(stub_);
}

WNDPROC cSubclass::Procedure() const {
    return stub_ ? AsProc(stub_) : nullptr;
}

void cSubclass::AddMsg(std::int32_t uMsg, std::int32_t When) {
    if (When & MsgBefore) {
        before_.Add(uMsg);
    }
    if (When & MsgAfter) {
        after_.Add(uMsg);
    }
}

void cSubclass::DelMsg(std::int32_t uMsg, std::int32_t When) {
    if (When & MsgBefore) {
        before_.Remove(uMsg);
    }
    if (When & MsgAfter) {
        after_.Remove(uMsg);
    }
}

std::intptr_t cSubclass::CallOrigWndProc(std::uint32_t uMsg, std::uintptr_t wParam,
                                         std::intptr_t lParam) {
    if (!hWnd_ || !stub_) {
        return 0;
    }
    return PassOn(stub_->previous, hWnd_, uMsg, wParam, lParam);
}

bool cSubclass::Subclass(WindowHandle hWnd, ISubclass* Owner) {
    if (hWnd_ || !stub_ || hWnd == 0) {
        return false;
    }
    const HWND window = reinterpret_cast<HWND>(hWnd);
    if (!IsWindow(window)) {
        return false;
    }
    hWnd_ = window;
    owner_ = Owner;
    stub_->hWnd = window;
    stub_->previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    const LONG_PTR replaced =
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AsProc(stub_)));
    if (replaced == 0) {
        TraceFailure(L"SetWindowLongPtrW GWLP_WNDPROC", HRESULT_FROM_WIN32(GetLastError()));
        hWnd_ = nullptr;
        owner_ = nullptr;
        return false;
    }
    stub_->previous = reinterpret_cast<WNDPROC>(replaced);
    return true;
}

bool cSubclass::UnSubclass() {
    if (!hWnd_) {
        return false;
    }
    // First stop calling the owner: from here on the stub only passes messages on.
    before_.Remove(AllMessages);
    after_.Remove(AllMessages);
    const bool inChain = stub_->hWnd != nullptr;
    if (inChain && IsWindow(hWnd_)) {
        const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hWnd_, GWLP_WNDPROC));
        if (current == AsProc(stub_)) {
            SetWindowLongPtrW(hWnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(stub_->previous));
        } else {
            // Another procedure is chained on top and calls this stub: leave it there as a
            // pass-through of its own and take a fresh stub for a later Subclass.
            PinThisModule();
            stub_->object = nullptr;
            stub_ = NewStub(this);
        }
    }
    if (stub_) {
        stub_->hWnd = nullptr;
        stub_->previous = nullptr;
    }
    hWnd_ = nullptr;
    owner_ = nullptr;
    return true;
}

bool cSubclass::CallOwner(bool before, bool& handled, LRESULT& result, HWND& hWnd, UINT& uMsg,
                          WPARAM& wParam, LPARAM& lParam) {
    if (!owner_) {
        return false;
    }
    // The owner works on copies; a call that throws leaves the message as it was.
    bool h = handled;
    std::intptr_t r = result;
    WindowHandle w = reinterpret_cast<WindowHandle>(hWnd);
    std::uint32_t m = uMsg;
    std::uintptr_t wp = wParam;
    std::intptr_t lp = lParam;
    try {
        owner_->Proc(before, h, r, w, m, wp, lp);
    } catch (...) {
        TraceException(L"a window hook's procedure");
        return false;
    }
    handled = h;
    result = r;
    hWnd = reinterpret_cast<HWND>(w);
    uMsg = m;
    wParam = wp;
    lParam = lp;
    return true;
}

LRESULT cSubclass::WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = stub_->previous;
    const UINT received = uMsg;
    LRESULT result = 0;
    bool handled = false;
    if (before_.Matches(uMsg)) {
        CallOwner(true, handled, result, hWnd, uMsg, wParam, lParam);
        if (handled) {
            return result;
        }
    }
    result = PassOn(previous, hWnd, uMsg, wParam, lParam);
    if (after_.Matches(uMsg)) {
        CallOwner(false, handled, result, hWnd, uMsg, wParam, lParam);
    }
    if (received == WM_NCDESTROY && stub_ && stub_->hWnd == hWnd_) {
        // The window is gone; its chain no longer holds the stub.
        stub_->hWnd = nullptr;
    }
    return result;
}

}  // namespace morvane
