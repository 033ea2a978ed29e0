#include "desktop/pages/BusyCursorGuard.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

namespace qimbel {

BusyCursorGuard::BusyCursorGuard(int afterMilliseconds)
    : after_(afterMilliseconds)
{
    timer_.start();
}

BusyCursorGuard::~BusyCursorGuard()
{
    if (shown_)
        QGuiApplication::restoreOverrideCursor();
}

void BusyCursorGuard::Tick()
{
    if (!shown_ && timer_.elapsed() >= after_)
        Show();
}

void BusyCursorGuard::Show()
{
    if (shown_)
        return;
    shown_ = true;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    // Let the window system show it now; clicks and keys wait until the compute is done.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace qimbel
