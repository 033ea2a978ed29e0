// A label that looks and acts like a link in a browser: blue until it has been opened, purple
// after, red with an underline and a hand pointer while the mouse is over it. A click (or Enter or
// Space when it has the focus) asks its owner to open the target; the owner says whether that
// worked, and only then does the label count as visited, for the life of the window.
#pragma once

#include <QColor>
#include <QLabel>

namespace qimbel {

class HyperlinkLabel : public QLabel {
    Q_OBJECT
public:
    static inline const QColor kUnvisited = QColor(0, 0, 238);
    static inline const QColor kVisited = QColor(85, 26, 139);
    static inline const QColor kHover = QColor(255, 0, 0);

    HyperlinkLabel(const QString &caption, QWidget *parent = nullptr);

    // The file the label opens; shown as its tooltip.
    void SetTarget(const QString &target);
    QString Target() const { return target_; }

    bool Visited() const { return visited_; }
    void SetVisited(bool visited);
    bool Hovered() const { return hovered_; }
    // The colour the caption is drawn in now.
    QColor CurrentColour() const;

signals:
    void Activated();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void ShowState();

    QString target_;
    bool visited_ = false;
    bool hovered_ = false;
    bool pressed_ = false;
};

} // namespace qimbel
