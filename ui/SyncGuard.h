#pragma once

namespace lanvane {

// Marks the time while a binding copies a model onto its widget, so that the signals the
// widget sends meanwhile are not taken for the user's edits.
class SyncGuard {
public:
    explicit SyncGuard(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~SyncGuard() { flag_ = previous_; }
    SyncGuard(const SyncGuard&) = delete;
    SyncGuard& operator=(const SyncGuard&) = delete;

private:
    bool& flag_;
    bool previous_;
};

}  // namespace lanvane
