#pragma once
// A 32-bit bitmap selected into its own memory device context: somewhere to draw off screen,
// with its pixels at hand (0xAARRGGBB, rows from the top).

#include <windows.h>

#include <cstdint>

#include "shared/GdiObject_win.h"

namespace morvane::tabctl {

class DibCanvas {
  public:
    DibCanvas(int width, int height);

    bool Valid() const { return dc_ && bitmap_ && bits_; }
    HDC Dc() const { return dc_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Call GdiFlush before reading what GDI drew.
    std::uint32_t* Pixels() const { return static_cast<std::uint32_t*>(bits_); }

  private:
    int width_;
    int height_;
    void* bits_ = nullptr;
    GdiBitmap bitmap_;
    MemoryDc dc_;  // declared after the bitmap, so that it goes first and lets go of it
};

}  // namespace morvane::tabctl
