#include <windows.h>

#include <string>

namespace morvane {

void WriteToDebugger(const std::wstring& line) {
    OutputDebugStringW((line + L"\n").c_str());
}

}  // namespace morvane
