#include "app/time_sync.h"

void TimeSync::add(int ours, int theirs) {
    sumOurs_ += ours - ours_[next_];
    sumTheirs_ += theirs - theirs_[next_];
    ours_[next_] = ours;
    theirs_[next_] = theirs;
    next_ = (next_ + 1) % ours_.size();
}

int TimeSync::stretchMs() const {
    // Ahead by (ours - theirs) / 2 ticks on average, compared without dividing.
    const long long gap = sumOurs_ - sumTheirs_;
    if (gap >= 2 * 3 * timeSyncFrames) return 6;
    if (gap >= 2 * 1 * timeSyncFrames) return 3;
    return 0;
}
