#include "tabctl/TabImageList_win.h"

#include <algorithm>
#include <cstring>

namespace morvane::tabctl {

TabImageList::TabImageList(const std::vector<Icon16>& images)
    : count_(static_cast<int>(images.size())), strip_(kIconSize * std::max(count_, 1), kIconSize) {
    if (!strip_.Valid()) {
        count_ = 0;
        return;
    }
    std::uint32_t* pixels = strip_.Pixels();
    const int stride = strip_.Width();
    for (int i = 0; i < count_; ++i) {
        for (int row = 0; row < kIconSize; ++row) {
            std::memcpy(pixels + row * stride + i * kIconSize, images[i].data() + row * kIconSize,
                        kIconSize * sizeof(std::uint32_t));
        }
    }
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
    AlphaBlend(dc, x, y, size, size, strip_.Dc(), index * kIconSize, 0, kIconSize, kIconSize,
               blend);
}

}  // namespace morvane::tabctl
