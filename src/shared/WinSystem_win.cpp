#include "shared/WinSystem_win.h"

#include <windows.h>

#include <cstddef>
#include <cstring>

#include "shared/AnsiText_win.h"

namespace morvane {

namespace {

// The metrics without the padded-border field: a size every Windows since 2000 accepts, for the
// 32-bit and the 64-bit build alike.
constexpr UINT MetricsSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
static_assert(MetricsSize == 340);

}  // namespace

std::optional<std::int32_t> WinSystem::PixelsPerInchX() const {
    const HWND desktop = GetDesktopWindow();
    const HDC dc = GetDC(desktop);
    if (!dc) {
        return std::nullopt;
    }
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(desktop, dc);
    return dpi;
}

std::optional<NonClientFonts> WinSystem::NonClientMetrics() const {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = MetricsSize;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, MetricsSize, &metrics, 0) != 1) {
        return std::nullopt;
    }
    const char* face = metrics.lfCaptionFont.lfFaceName;
    const std::string ansi(face, strnlen(face, LF_FACESIZE));
    return NonClientFonts{FromAnsi(ansi), metrics.lfMenuFont.lfHeight};
}

std::optional<VersionNumbers> WinSystem::Version() const {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
#ifdef _MSC_VER
#pragma warning(suppress : 4996)  // deprecated, yet the version this program is shown
#endif
    if (!GetVersionExA(&info)) {
        return std::nullopt;
    }
    return VersionNumbers{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

}  // namespace morvane
