#pragma once
// Failures at a COM or host boundary, told where a developer can see them inside someone else's
// process: the debugger's output (OutputDebugStringW), one line per failure, with the call and
// its HRESULT. No file, no setting. Tests read the lines through a sink of their own.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace morvane {

// "Morvane: <call> failed, HRESULT 0x80020006".
std::wstring TraceLine(std::wstring_view call, std::int32_t hresult);

// Tells one failed call and its HRESULT. Never throws.
void TraceFailure(std::wstring_view call, std::int32_t hresult) noexcept;
// Tells that a call threw where nothing may leave ("Morvane: <call> threw"). Never throws.
void TraceException(std::wstring_view call) noexcept;

// Where the lines go; an empty sink puts back the debugger's output.
using TraceSink = std::function<void(const std::wstring& line)>;
void SetTraceSink(TraceSink sink);

// Runs an action where nothing may leave: a window procedure, a COM method, a callback from the
// host. What it throws is traced and goes no further.
template <typename F>
void Guarded(std::wstring_view where, F&& action) noexcept {
    try {
        action();
    } catch (...) {
        TraceException(where);
    }
}

}  // namespace morvane
