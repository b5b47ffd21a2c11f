#include "tabctl/TabImageList_win.h"

#include <cstring>

namespace morvane::tabctl {

TabImageList::TabImageList(const std::vector<Icon16>& images)
    : count_(static_cast<int>(images.size())) {
    if (count_ == 0) {
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kIconSize * count_;
    info.bmiHeader.biHeight = -kIconSize;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    strip_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    dc_.Reset(CreateCompatibleDC(nullptr));
    if (!strip_ || !dc_ || !bits) {
        count_ = 0;
        return;
    }
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const int stride = kIconSize * count_;
    for (int i = 0; i < count_; ++i) {
        for (int row = 0; row < kIconSize; ++row) {
            std::memcpy(pixels + row * stride + i * kIconSize, images[i].data() + row * kIconSize,
                        kIconSize * sizeof(std::uint32_t));
        }
    }
    GdiFlush();
    SelectObject(dc_.Get(), strip_.Get());
}

TabImageList TabImageList::TabBarImages() {
    return TabImageList({ProjectIcon(), LockedProjectIcon()});
}

void TabImageList::Draw(HDC dc, int index, int x, int y, int size, bool faded) const {
    if (index < 0 || index >= count_) {
        return;
    }
    BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(faded ? 110 : 255), AC_SRC_ALPHA};
    if (size != kIconSize) {
        SetStretchBltMode(dc, HALFTONE);
    }
    AlphaBlend(dc, x, y, size, size, dc_.Get(), index * kIconSize, 0, kIconSize, kIconSize, blend);
}

}  // namespace morvane::tabctl
