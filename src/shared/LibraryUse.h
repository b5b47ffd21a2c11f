#pragma once
// What keeps the library in use: the objects it made that are alive, and the calls into its code
// from outside (a COM method or an event the host calls, a window procedure Windows calls) that
// are on the stack. Any such call may end the add-in (the user switches it off, the host lets go
// of it) while our code still runs below it: what that code works with must live until it has
// returned. So work that would free it waits for the outermost call: AfterOutermostCall.
// The host calls the add-in on its one user-interface thread, and so does Windows.

#include <functional>

namespace morvane::LibraryUse {

// Every COM object of the library counts itself for its whole life.
void ObjectCreated();
void ObjectDestroyed();
long LiveObjects();

// One call into the library's code from outside, counted for as long as it is on the stack.
// When the outermost one ends, the work that waited for it runs, before it returns.
class Entry {
  public:
    Entry();
    ~Entry();
    Entry(const Entry&) = delete;
    Entry& operator=(const Entry&) = delete;
};

// Calls into the library now on the stack, the work that waited for them included.
int CallsInProgress();

// Runs `work` now when no call into the library is on the stack, else right after the outermost
// one has ended, in the order given. What it throws is traced and goes no further.
void AfterOutermostCall(std::function<void()> work);

}  // namespace morvane::LibraryUse
