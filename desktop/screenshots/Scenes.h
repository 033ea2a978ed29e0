// The pictures in docs/, one scene per picture: how to set the window up for it. The screenshot
// program takes every scene from a fresh main window, offscreen, so the pictures never go stale.
#pragma once

#include <QSize>

#include <functional>
#include <vector>

class QWidget;

namespace qimbel {

class MainWindow;

struct Scene {
    const char *file; // below docs/
    QSize size; // of the main window
    // Sets the window up; returns the widget to photograph, or nullptr for the whole window.
    std::function<QWidget *(MainWindow &)> stage;
};

const std::vector<Scene> &Scenes();

} // namespace qimbel
