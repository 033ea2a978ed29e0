#include "desktop/tools/HyperlinkLabel.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace qimbel {

HyperlinkLabel::HyperlinkLabel(const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_Hover);
    ShowState();
}

void HyperlinkLabel::SetTarget(const QString &target)
{
    target_ = target;
    setToolTip(target);
}

void HyperlinkLabel::SetVisited(bool visited)
{
    visited_ = visited;
    ShowState();
}

QColor HyperlinkLabel::CurrentColour() const
{
    if (hovered_)
        return kHover;
    return visited_ ? kVisited : kUnvisited;
}

void HyperlinkLabel::ShowState()
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, CurrentColour());
    setPalette(colours);
    QFont look = font();
    // Underlined under the mouse; a label with the keyboard focus is underlined too, so that a
    // pupil without a mouse sees where Enter goes.
    look.setUnderline(hovered_ || hasFocus());
    setFont(look);
}

void HyperlinkLabel::enterEvent(QEnterEvent *event)
{
    hovered_ = true;
    ShowState();
    QLabel::enterEvent(event);
}

void HyperlinkLabel::leaveEvent(QEvent *event)
{
    hovered_ = false;
    pressed_ = false;
    ShowState();
    QLabel::leaveEvent(event);
}

void HyperlinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and a release on the label, as with a button.
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        event->accept();
        emit Activated();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void HyperlinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        emit Activated();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void HyperlinkLabel::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    ShowState();
}

void HyperlinkLabel::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    ShowState();
}

} // namespace qimbel
