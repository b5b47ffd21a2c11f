#pragma once
// The adapter over the stand-in host's command bars, for tests that drive the port and look at
// what the host holds through the stand-in's own test members.

#include <vector>

#include "host/CommandBarsDispatch_win.h"
#include "standin/CommandBars_win.h"

namespace morvane::test {

// The stand-in's object behind a port control, from the IUnknown that is its identity.
inline com::ComPtr<IDispatch> DispatchOf(const CommandBarControl& control) {
    auto* unknown = static_cast<IUnknown*>(const_cast<void*>(control.Identity()));
    com::ComPtr<IDispatch> dispatch;
    if (unknown) {
        unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(dispatch.Put()));
    }
    return dispatch;
}

// A property of a stand-in object, read late-bound; empty when the call fails.
inline com::Variant Read(IDispatch* object, const wchar_t* name,
                         std::vector<com::Variant> args = {}) {
    com::Variant result;
    com::InvokeByName(object, name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, args, &result);
    return result;
}

struct StandinBars {
    com::Apartment apartment;  // first in, last out
    std::vector<long> builtInsRun;
    com::ComPtr<standin::CommandBars> host =
        standin::CreateCommandBars(nullptr, [this](long id) { builtInsRun.push_back(id); });
    CommandBarsDispatch bars{com::ComPtr<IDispatch>(host.Get())};

    // The stand-in's bar of this name, or nullptr.
    com::ComPtr<IDispatch> BarObject(const std::wstring& name) {
        return Read(host.Get(), L"Item", {com::Variant::Text(name)}).ToObject();
    }
};

}  // namespace morvane::test
