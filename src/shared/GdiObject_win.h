#pragma once
// One owner for every GDI object the library makes (fonts, bitmaps, brushes, pens, regions and
// memory device contexts), counting the live ones so that a leak shows as a count that does not
// return to its start. Stock objects are never wrapped.

#include <windows.h>

#include <utility>

namespace morvane {

// GDI objects made through GdiObject and not yet deleted, in this process.
long GdiLiveCount();

namespace detail {
void CountGdiObject(long delta);
inline void DeleteGdiHandle(HDC dc) {
    DeleteDC(dc);
}
inline void DeleteGdiHandle(HGDIOBJ object) {
    DeleteObject(object);
}
}  // namespace detail

template <typename Handle>
class GdiObject {
  public:
    GdiObject() = default;
    // Takes ownership; a null handle (a failed creation) owns nothing.
    explicit GdiObject(Handle handle) { Reset(handle); }
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    void Reset(Handle handle = nullptr) {
        if (handle_) {
            detail::DeleteGdiHandle(handle_);
            detail::CountGdiObject(-1);
        }
        handle_ = handle;
        if (handle_) {
            detail::CountGdiObject(1);
        }
    }

  private:
    Handle handle_ = nullptr;
};

using GdiFont = GdiObject<HFONT>;
using GdiBitmap = GdiObject<HBITMAP>;
using GdiBrush = GdiObject<HBRUSH>;
using GdiPen = GdiObject<HPEN>;
using GdiRegion = GdiObject<HRGN>;
using MemoryDc = GdiObject<HDC>;

// Selects an object into a device context for a scope and puts the previous one back.
class ScopedSelect {
  public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelect() {
        if (previous_) {
            SelectObject(dc_, previous_);
        }
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace morvane
