#include "shared/mdPub_win.h"

#include <algorithm>
#include <array>

#include "shared/WinRegistry_win.h"
#include "shared/WinSystem_win.h"

namespace morvane::mdPub {

std::wstring GetWindowString(HWND hWnd, bool bClass) {
    std::array<wchar_t, 256> buffer{};
    const int size = static_cast<int>(buffer.size());
    const int count = bClass ? GetClassNameW(hWnd, buffer.data(), size)
                             : GetWindowTextW(hWnd, buffer.data(), size);
    if (count <= 0) {
        return L"";
    }
    return std::wstring(buffer.data(), static_cast<std::size_t>(std::min(count, size - 1)));
}

void SetFocusTo(HWND hWnd) {
    SetFocus(hWnd);
}

void UseWindowsPlatform(std::shared_ptr<RegistryApi>& registry,
                        std::shared_ptr<SystemApi>& system) {
    if (!registry) {
        registry = std::make_shared<WinRegistry>();
    }
    if (!system) {
        system = std::make_shared<WinSystem>();
    }
}

}  // namespace morvane::mdPub
