#include "shared/LibraryUse.h"

#include <atomic>
#include <utility>
#include <vector>

#include "shared/Trace.h"

namespace morvane::LibraryUse {

namespace {

std::atomic<long> liveObjects{0};
int entries = 0;
// The waiting work is running: it is the outermost call then.
bool runningWaiting = false;
std::vector<std::function<void()>> waiting;

void Run(const std::function<void()>& work) noexcept {
    Guarded(L"work after the outermost call", work);
}

// Work may add work, and calls made by it end without running any: this loop takes it all.
void RunWaiting() {
    runningWaiting = true;
    while (!waiting.empty()) {
        const auto work = std::move(waiting.front());
        waiting.erase(waiting.begin());
        Run(work);
    }
    // Nothing stays allocated between two uses.
    std::vector<std::function<void()>>().swap(waiting);
    runningWaiting = false;
}

}  // namespace

void ObjectCreated() {
    ++liveObjects;
}

void ObjectDestroyed() {
    --liveObjects;
}

long LiveObjects() {
    return liveObjects;
}

Entry::Entry() {
    ++entries;
}

Entry::~Entry() {
    if (--entries == 0 && !runningWaiting) {
        RunWaiting();
    }
}

int CallsInProgress() {
    return entries + (runningWaiting ? 1 : 0);
}

void AfterOutermostCall(std::function<void()> work) {
    if (entries == 0) {
        Run(work);
        return;
    }
    waiting.push_back(std::move(work));
}

}  // namespace morvane::LibraryUse
