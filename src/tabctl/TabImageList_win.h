#pragma once
// A list of 16x16 images with soft edges, drawn into tabs.

#include <windows.h>

#include <vector>

#include "tabctl/DibCanvas_win.h"
#include "tabctl/TabIcons.h"

namespace morvane::tabctl {

class TabImageList {
  public:
    explicit TabImageList(const std::vector<Icon16>& images);
    // The tab bar's list: image 0 an ordinary project, image 1 a locked one.
    static TabImageList TabBarImages();

    int Count() const { return count_; }
    // Draws image `index` scaled to `size` pixels, faded when `faded`. Nothing for a bad index.
    void Draw(HDC dc, int index, int x, int y, int size, bool faded) const;

  private:
    int count_ = 0;
    DibCanvas strip_;  // the images side by side, premultiplied
};

}  // namespace morvane::tabctl
