#include "tabctl/DibCanvas_win.h"

#include <algorithm>

namespace morvane::tabctl {

DibCanvas::DibCanvas(int width, int height)
    : width_(std::max(width, 1)), height_(std::max(height, 1)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
    dc_.Reset(CreateCompatibleDC(nullptr));
    if (bitmap_ && dc_) {
        SelectObject(dc_.Get(), bitmap_.Get());
    }
}

}  // namespace morvane::tabctl
