// A row of buttons that wraps: the widgets stand side by side in their order and go on to the next
// row where the width runs out, each at its own size hint, so no caption is ever cut. One place in
// the order may be a spring: on a row that holds widgets on both sides of it, the room left over
// goes there (the page's action row keeps check and compute at the right on a wide window).
#pragma once

#include <QLayout>
#include <QList>

namespace qimbel {

class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget *parent = nullptr, int spacing = 6);
    ~FlowLayout() override;

    // The spring stands before the next widget added.
    void AddSpring() { spring_ = static_cast<int>(items_.size()); }

    void addItem(QLayoutItem *item) override;
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

private:
    // Lays the items out in `rect` (only measures unless `place`); the height used.
    int Arrange(const QRect &rect, bool place) const;

    QList<QLayoutItem *> items_;
    int spring_ = -1;
    int spacing_;
};

} // namespace qimbel
