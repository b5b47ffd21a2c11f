#pragma once
// Subclasses one window per object: each object gets a window procedure of its own (a small
// machine-code stub in executable memory that hands its stub to a shared procedure), which
// calls the owner before and/or after the window's previous procedure. Everything that procedure
// works with lives in the stub, which outlives its object while a call of the procedure is on the
// stack or a chain can still reach it: a window's message may end the owner, the object and, for
// the host, the whole add-in. A stub left in another procedure's chain at UnSubclass keeps this
// module loaded for the rest of the process. Once the window is destroyed the owner hears it
// through OnFinalMessage, after the outermost call of the procedure has returned, since a window
// may be destroyed from inside its own procedure.

#include <windows.h>

#include <cstdint>

#include "addin/tabbar/ISubclass.h"

namespace morvane {

class cSubclass final : public WindowSubclass {
  public:
    cSubclass();
    ~cSubclass() override;
    cSubclass(const cSubclass&) = delete;
    cSubclass& operator=(const cSubclass&) = delete;

    void AddMsg(std::int32_t uMsg, std::int32_t When) override;
    std::intptr_t CallOrigWndProc(std::uint32_t uMsg, std::uintptr_t wParam,
                                  std::intptr_t lParam) override;
    void DelMsg(std::int32_t uMsg, std::int32_t When) override;
    bool Subclass(WindowHandle hWnd, ISubclass* Owner) override;
    bool UnSubclass() override;

    // The procedure this object installs; 0 when no executable memory could be had.
    WNDPROC Procedure() const;

    struct Stub;

  private:
    Stub* stub_ = nullptr;
};

}  // namespace morvane
