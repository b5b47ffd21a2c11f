#pragma once
// Sets a flag for its lifetime and then puts back what the flag held, so that a caller's own
// guard (Updating, most often) survives a nested one.

namespace morvane {

class ScopedFlag {
  public:
    explicit ScopedFlag(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = previous_; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

  private:
    bool& flag_;
    const bool previous_;
};

}  // namespace morvane
