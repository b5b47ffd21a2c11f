#include "addin/tabbar/cSubclass_win.h"

#include <cstring>
#include <new>

#include "addin/tabbar/MessageTable.h"
#include "addin/tabbar/StubMemory_win.h"
#include "shared/LibraryUse.h"
#include "shared/Trace.h"

namespace morvane {

LRESULT CALLBACK StubProc(HWND stub, UINT uMsg, WPARAM wParam, LPARAM lParam);

// The per-object window procedure and everything it works with. The code puts the stub's own
// address in place of the window handle and jumps to StubProc, as ATL's window thunks do. The
// procedure never reaches the object: the object may be gone while a call is on the stack.
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
    MessageTable before;
    MessageTable after;
    ISubclass* owner = nullptr;  // called while attached
    HWND hWnd = nullptr;         // the window subclassed; 0 = not attached
    WNDPROC previous = nullptr;  // that window's procedure before the stub
    bool inChain = false;        // the window's chain holds the stub
    bool held = true;            // its object holds it
    bool destroyed = false;      // the window's last message passed while the owner was attached
    int calls = 0;               // calls of the procedure on the stack
};

namespace {

cSubclass::Stub* NewStub() {
    void* memory = AllocateStubMemory(sizeof(cSubclass::Stub));
    if (!memory) {
        return nullptr;
    }
    auto* stub = new (memory) cSubclass::Stub{};
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

// Frees a stub once nothing can reach it: no object holds it, no chain and no call.
void FreeIfUnreachable(cSubclass::Stub* stub) {
    if (!stub->held && !stub->inChain && stub->calls == 0) {
        stub->~Stub();
        FreeStubMemory(stub);
    }
}

void LetGo(cSubclass::Stub* stub) {
    if (stub) {
        stub->held = false;
        FreeIfUnreachable(stub);
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

// The owner works on copies; a call that throws leaves the message as it was. The owner may end
// itself and the object: nothing of either is touched once it returns.
void CallOwner(const cSubclass::Stub& stub, bool before, bool& handled, LRESULT& result, HWND& hWnd,
               UINT& uMsg, WPARAM& wParam, LPARAM& lParam) {
    ISubclass* const owner = stub.owner;
    if (!owner) {
        return;
    }
    bool h = handled;
    std::intptr_t r = result;
    WindowHandle w = reinterpret_cast<WindowHandle>(hWnd);
    std::uint32_t m = uMsg;
    std::uintptr_t wp = wParam;
    std::intptr_t lp = lParam;
    try {
        owner->Proc(before, h, r, w, m, wp, lp);
    } catch (...) {
        TraceException(L"a window hook's procedure");
        return;
    }
    handled = h;
    result = r;
    hWnd = reinterpret_cast<HWND>(w);
    uMsg = m;
    wParam = wp;
    lParam = lp;
}

LRESULT WindowProc(cSubclass::Stub& stub, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = stub.previous;
    LRESULT result = 0;
    bool handled = false;
    if (stub.before.Matches(uMsg)) {
        CallOwner(stub, true, handled, result, hWnd, uMsg, wParam, lParam);
    }
    if (handled) {
        return result;
    }
    result = PassOn(previous, hWnd, uMsg, wParam, lParam);
    if (stub.after.Matches(uMsg)) {
        CallOwner(stub, false, handled, result, hWnd, uMsg, wParam, lParam);
    }
    return result;
}

void TellFinalMessage(ISubclass& owner, HWND hWnd) {
    try {
        owner.OnFinalMessage(reinterpret_cast<WindowHandle>(hWnd));
    } catch (...) {
        TraceException(L"a window hook's final message");
    }
}

}  // namespace

LRESULT CALLBACK StubProc(HWND stubAsWindow, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    // A call into the library: while it is on the stack the module stays loaded.
    const LibraryUse::Entry entry;
    auto* stub = reinterpret_cast<cSubclass::Stub*>(stubAsWindow);
    const HWND hWnd = stub->hWnd;
    ++stub->calls;
    const LRESULT result = WindowProc(*stub, hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_NCDESTROY && stub->inChain) {
        // The window is gone; its chain no longer holds the stub.
        stub->inChain = false;
        stub->destroyed = stub->owner != nullptr;
    }
    if (--stub->calls > 0) {
        return result;
    }
    ISubclass* const finalOwner = stub->destroyed ? stub->owner : nullptr;
    stub->destroyed = false;
    FreeIfUnreachable(stub);
    if (finalOwner) {
        // The owner may free the object, and with it the stub: nothing of it is touched after.
        TellFinalMessage(*finalOwner, hWnd);
    }
    return result;
}

cSubclass::cSubclass() : stub_(NewStub()) {}

cSubclass::~cSubclass() {
    UnSubclass();
    LetGo(stub_);
}

WNDPROC cSubclass::Procedure() const {
    return stub_ ? AsProc(stub_) : nullptr;
}

void cSubclass::AddMsg(std::int32_t uMsg, std::int32_t When) {
    if (!stub_) {
        return;
    }
    if (When & MsgBefore) {
        stub_->before.Add(uMsg);
    }
    if (When & MsgAfter) {
        stub_->after.Add(uMsg);
    }
}

void cSubclass::DelMsg(std::int32_t uMsg, std::int32_t When) {
    if (!stub_) {
        return;
    }
    if (When & MsgBefore) {
        stub_->before.Remove(uMsg);
    }
    if (When & MsgAfter) {
        stub_->after.Remove(uMsg);
    }
}

std::intptr_t cSubclass::CallOrigWndProc(std::uint32_t uMsg, std::uintptr_t wParam,
                                         std::intptr_t lParam) {
    if (!stub_ || !stub_->hWnd) {
        return 0;
    }
    return PassOn(stub_->previous, stub_->hWnd, uMsg, wParam, lParam);
}

bool cSubclass::Subclass(WindowHandle hWnd, ISubclass* Owner) {
    if (!stub_ || stub_->hWnd || hWnd == 0) {
        return false;
    }
    const HWND window = reinterpret_cast<HWND>(hWnd);
    if (!IsWindow(window)) {
        return false;
    }
    stub_->hWnd = window;
    stub_->owner = Owner;
    stub_->previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    const LONG_PTR replaced =
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AsProc(stub_)));
    if (replaced == 0) {
        TraceFailure(L"SetWindowLongPtrW GWLP_WNDPROC", HRESULT_FROM_WIN32(GetLastError()));
        stub_->hWnd = nullptr;
        stub_->owner = nullptr;
        stub_->previous = nullptr;
        return false;
    }
    stub_->previous = reinterpret_cast<WNDPROC>(replaced);
    stub_->inChain = true;
    return true;
}

bool cSubclass::UnSubclass() {
    if (!stub_ || !stub_->hWnd) {
        return false;
    }
    Stub* const stub = stub_;
    // First stop calling the owner: from here on the stub only passes messages on.
    stub->owner = nullptr;
    stub->destroyed = false;
    stub->before.Remove(AllMessages);
    stub->after.Remove(AllMessages);
    if (stub->inChain && !IsWindow(stub->hWnd)) {
        stub->inChain = false;
    }
    if (stub->inChain) {
        const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(stub->hWnd, GWLP_WNDPROC));
        if (current == AsProc(stub)) {
            SetWindowLongPtrW(stub->hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(stub->previous));
            stub->inChain = false;
        } else {
            // Another procedure is chained on top and calls this stub: it stays there as a
            // pass-through of its own.
            PinThisModule();
        }
    }
    if (stub->inChain || stub->calls > 0) {
        // A chain or a call on the stack still reaches the stub: it goes on without this object,
        // which takes a fresh one for a later Subclass.
        stub_ = NewStub();
        LetGo(stub);
    } else {
        stub->hWnd = nullptr;
        stub->previous = nullptr;
    }
    return true;
}

}  // namespace morvane
