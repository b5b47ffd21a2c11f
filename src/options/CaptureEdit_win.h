#pragma once
// The hot-key edit of the options dialog and the settings center: every key pressed in it goes
// to the options model's capture, and the edit shows the combination the capture names. Tab,
// Esc and Enter keep their meaning in the window (move on, cancel, OK) unless Ctrl, Alt or the
// left Windows key is held; then they belong to the combination. F1 asks for no help here.

#include <windows.h>

#include <optional>

#include "options/OptionsModel.h"

namespace morvane {

class CaptureEdit {
  public:
    // Takes over `edit`'s keys until the edit is destroyed or this object goes.
    CaptureEdit(HWND edit, OptionsModel& model, HotKeyEdit which);
    ~CaptureEdit();
    CaptureEdit(const CaptureEdit&) = delete;
    CaptureEdit& operator=(const CaptureEdit&) = delete;

  private:
    static LRESULT CALLBACK Proc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                 DWORD_PTR self);
    std::optional<LRESULT> Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void KeyDown(WPARAM key);
    void DropCharacters() const;

    HWND edit_;
    OptionsModel& model_;
    HotKeyEdit which_;
};

}  // namespace morvane
