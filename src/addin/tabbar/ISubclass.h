#pragma once
// The owner's side of a subclassed window: called before and/or after the window's previous
// procedure for the messages the owner asked for.

#include <cstdint>

#include "shared/WindowHandle.h"

namespace morvane {

class ISubclass {
  public:
    // bBefore: true before the previous procedure, false after it. Setting bHandled in the
    // before call returns lReturn at once. Changes to the message values are passed on.
    virtual void Proc(bool bBefore, bool& bHandled, std::intptr_t& lReturn, WindowHandle& hWnd,
                      std::uint32_t& uMsg, std::uintptr_t& wParam, std::intptr_t& lParam) = 0;
    // The window has been destroyed and every call of its procedure has returned: nothing of
    // the subclass is on the stack any more, so the owner may let go of it (and of itself)
    // here. Called once, as the last thing the subclass does.
    virtual void OnFinalMessage(WindowHandle hWnd) { (void)hWnd; }

  protected:
    ~ISubclass() = default;
};

// When masks of AddMsg and DelMsg.
inline constexpr std::int32_t MsgAfter = 1;
inline constexpr std::int32_t MsgBefore = 2;
// The message number that stands for every message.
inline constexpr std::int32_t AllMessages = -1;

// One subclassed window, as its owners use it; cSubclass is the real one.
class WindowSubclass {
  public:
    virtual ~WindowSubclass() = default;
    virtual void AddMsg(std::int32_t uMsg, std::int32_t When) = 0;
    virtual std::intptr_t CallOrigWndProc(std::uint32_t uMsg, std::uintptr_t wParam,
                                          std::intptr_t lParam) = 0;
    virtual void DelMsg(std::int32_t uMsg, std::int32_t When) = 0;
    // The owner is not held: it must call UnSubclass before it goes away.
    virtual bool Subclass(WindowHandle hWnd, ISubclass* Owner) = 0;
    virtual bool UnSubclass() = 0;
};

}  // namespace morvane
