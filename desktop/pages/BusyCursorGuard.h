// The busy cursor of a long compute. The window has one thread, so the work itself reports its
// progress: Tick() after every unit of work shows the busy cursor once the work has run longer
// than a pupil waits without wondering (about 100 ms); a short compute never flickers it. The
// cursor comes back when the guard goes out of scope.
#pragma once

#include <QElapsedTimer>

namespace qimbel {

class BusyCursorGuard {
public:
    explicit BusyCursorGuard(int afterMilliseconds = 100);
    ~BusyCursorGuard();
    BusyCursorGuard(const BusyCursorGuard &) = delete;
    BusyCursorGuard &operator=(const BusyCursorGuard &) = delete;

    // Shows the busy cursor once the time is up.
    void Tick();
    // Shows it now, for a step known to take a while (putting a long text on the screen).
    void Show();
    bool Shown() const { return shown_; }

private:
    QElapsedTimer timer_;
    int after_;
    bool shown_ = false;
};

} // namespace qimbel
