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

    void Tick();
    bool Shown() const { return shown_; }

private:
    QElapsedTimer timer_;
    int after_;
    bool shown_ = false;
};

} // namespace qimbel
