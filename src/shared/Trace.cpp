#include "shared/Trace.h"

#include <cstdio>

namespace morvane {

// The debugger's output on Windows (Trace_win.cpp); nowhere elsewhere.
void WriteToDebugger(const std::wstring& line);

namespace {

TraceSink& Sink() {
    static TraceSink sink;
    return sink;
}

void Emit(const std::wstring& line) {
    if (Sink()) {
        Sink()(line);
    } else {
        WriteToDebugger(line);
    }
}

}  // namespace

std::wstring TraceLine(std::wstring_view call, std::int32_t hresult) {
    wchar_t code[16] = {};
    std::swprintf(code, 16, L"0x%08X", static_cast<std::uint32_t>(hresult));
    return L"Morvane: " + std::wstring(call) + L" failed, HRESULT " + code;
}

void TraceFailure(std::wstring_view call, std::int32_t hresult) noexcept {
    try {
        Emit(TraceLine(call, hresult));
    } catch (...) {
        // Tracing never becomes a failure of its own.
    }
}

void TraceException(std::wstring_view call) noexcept {
    try {
        Emit(L"Morvane: " + std::wstring(call) + L" threw");
    } catch (...) {
    }
}

void SetTraceSink(TraceSink sink) {
    Sink() = std::move(sink);
}

#ifndef _WIN32
void WriteToDebugger(const std::wstring&) {}
#endif

}  // namespace morvane
