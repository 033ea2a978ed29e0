// Replays a display list of the chart and graph models with QPainter: on screen in a view of the
// picture's size, and on an image for saving. Texts are drawn in the GUI's Chinese font.
#pragma once

#include "charts/DisplayList.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QPainter;

namespace qimbel {

// The proportional font of charts and graphs, with Chinese glyphs.
QFont ChartFont(int pixelSize, bool bold);

// Draws the list with its origin at the painter's origin, clipped to the list's size.
void PaintDisplayList(QPainter &painter, const DisplayList &picture);

// The list drawn on a white image of its size.
QImage RenderDisplayList(const DisplayList &picture);

// Asks for a file name and saves the list as a PNG picture; false when the pupil cancelled or
// the file could not be written (the pupil is told).
bool SaveDisplayList(QWidget *parent, const DisplayList &picture, const QString &suggestedName);

// A picture area that shows a display list and reports the pixel under the mouse.
class DisplayListView : public QWidget {
    Q_OBJECT
public:
    explicit DisplayListView(QWidget *parent = nullptr);

    const DisplayList &Picture() const { return picture_; }
    void SetPicture(DisplayList picture);
    // A picture that follows the view's size: laid out now and again whenever the view is resized.
    void SetPictureSource(std::function<DisplayList(int width, int height)> source);

signals:
    // The pixel under the mouse, or (-1, -1) when the mouse has left the picture.
    void PointerMoved(int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    DisplayList picture_;
    std::function<DisplayList(int, int)> source_;
};

} // namespace qimbel
