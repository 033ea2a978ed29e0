// Pressing buttons in a modal dialog from a test: exec() does not return before the dialog is
// closed, so the presses are queued to run as soon as the dialog is up.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs `inside` as soon as the next modal dialog is up.
inline void WhenModal(std::function<void(QWidget *)> inside)
{
    QTimer::singleShot(0, [inside] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            WhenModal(inside);
            return;
        }
        inside(modal);
    });
}
