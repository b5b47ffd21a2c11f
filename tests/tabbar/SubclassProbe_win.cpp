// A library that subclasses a window with cSubclass, so that a test can unload it afterwards
// as the host unloads the add-in.

#include <windows.h>

#include "addin/tabbar/cSubclass_win.h"

namespace {

class Owner final : public morvane::ISubclass {
  public:
    void Proc(bool, bool&, std::intptr_t&, morvane::WindowHandle&, std::uint32_t&, std::uintptr_t&,
              std::intptr_t&) override {}
};

Owner owner;

}  // namespace

extern "C" __declspec(dllexport) void* ProbeSubclass(HWND window) {
    auto* subclass = new morvane::cSubclass();
    subclass->AddMsg(morvane::AllMessages, morvane::MsgBefore);
    subclass->Subclass(reinterpret_cast<morvane::WindowHandle>(window), &owner);
    return subclass;
}

extern "C" __declspec(dllexport) void ProbeUnsubclass(void* subclass) {
    delete static_cast<morvane::cSubclass*>(subclass);
}
