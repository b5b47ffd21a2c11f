#pragma once
// Subclasses one window per object: each object gets a window procedure of its own (a small
// machine-code stub in executable memory that hands its object to a shared procedure), which
// calls the owner before and/or after the window's previous procedure. A stub left in another
// procedure's chain at UnSubclass keeps this module loaded for the rest of the process. Once the
// window is destroyed the owner hears it through OnFinalMessage, after the outermost call of the
// procedure has returned, since a window may be destroyed from inside its own procedure.

#include <windows.h>

#include <cstdint>

#include "addin/tabbar/ISubclass.h"
#include "addin/tabbar/MessageTable.h"

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
    friend LRESULT CALLBACK StubProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    bool CallOwner(bool before, bool& handled, LRESULT& result, HWND& hWnd, UINT& uMsg,
                   WPARAM& wParam, LPARAM& lParam);

    Stub* stub_ = nullptr;
    MessageTable before_;
    MessageTable after_;
    HWND hWnd_ = nullptr;
    ISubclass* owner_ = nullptr;
    // Calls of WindowProc in progress, and whether one of them saw the window's last message.
    int calls_ = 0;
    bool destroyed_ = false;
};

}  // namespace morvane
