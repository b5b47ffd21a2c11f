#pragma once
// Plays a user's actions on the modal dialog this thread shows: one step per timer tick, while
// the code under test runs the dialog's own message loop. Keys and clicks are posted to the
// real windows, as the system would queue them.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace morvane::dialogs::test {

class DialogScript {
  public:
    using Step = std::function<void(HWND dialog)>;

    // Starts playing as soon as a dialog box is up on this thread.
    explicit DialogScript(std::vector<Step> steps);
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // Every step was played.
    bool Finished() const { return next_ == steps_.size(); }
    // The dialog was still open long after the last step; the script closed it.
    bool Stuck() const { return stuck_; }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void Play();

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    int idleTicks_ = 0;
    bool stuck_ = false;
    UINT_PTR timer_ = 0;
};

// The dialog box this thread shows on top (the one that takes input); nullptr when none is shown.
HWND ShownDialog();

// Steps played one after the other.
std::vector<DialogScript::Step> Join(std::initializer_list<std::vector<DialogScript::Step>> parts);

// What a user does.
void PressKey(UINT virtualKey);       // to the control with the focus
void PressAlt(wchar_t letter);        // Alt and a letter: an access key
void Type(const std::wstring& text);  // characters to the control with the focus
void ClickOn(HWND dialog, int id);    // a mouse click on a button or check box
void ClickCloseBox(HWND dialog);
// The id of the control with the focus.
int FocusedId();

// The keyboard's state as if these keys were held, and nothing else.
void HoldKeys(std::initializer_list<BYTE> keys);
// Two steps: `key` pressed in the control with the focus while `held` are down, as the system
// queues it (with Alt held, as system keys), then everything let go.
std::vector<DialogScript::Step> PressWithHeld(std::initializer_list<BYTE> held, BYTE key);

}  // namespace morvane::dialogs::test
