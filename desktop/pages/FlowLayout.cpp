#include "desktop/pages/FlowLayout.h"

#include <QWidget>

#include <algorithm>

namespace qimbel {

FlowLayout::FlowLayout(QWidget *parent, int spacing)
    : QLayout(parent)
    , spacing_(spacing)
{
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem *item) { items_.append(item); }

QLayoutItem *FlowLayout::itemAt(int index) const
{
    return index >= 0 && index < items_.size() ? items_[index] : nullptr;
}

QLayoutItem *FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= items_.size())
        return nullptr;
    if (spring_ > index)
        --spring_;
    return items_.takeAt(index);
}

int FlowLayout::heightForWidth(int width) const { return Arrange(QRect(0, 0, width, 0), false); }

QSize FlowLayout::minimumSize() const
{
    // The widest single widget: narrower than that, a caption would be cut.
    QSize size;
    for (const QLayoutItem *item : items_)
        if (!item->isEmpty())
            size = size.expandedTo(item->minimumSize().expandedTo(item->sizeHint()));
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize FlowLayout::sizeHint() const
{
    // All on one row.
    int width = 0, height = 0, shown = 0;
    for (const QLayoutItem *item : items_) {
        if (item->isEmpty())
            continue;
        width += item->sizeHint().width() + (shown++ > 0 ? spacing_ : 0);
        height = std::max(height, item->sizeHint().height());
    }
    const QMargins margins = contentsMargins();
    return {width + margins.left() + margins.right(), height + margins.top() + margins.bottom()};
}

void FlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    Arrange(rect, true);
}

int FlowLayout::Arrange(const QRect &rect, bool place) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    // The rows: the indices of the shown items, each row as many as fit across.
    QList<QList<int>> rows(1);
    int used = 0;
    for (int i = 0; i < items_.size(); ++i) {
        if (items_[i]->isEmpty())
            continue;
        const int width = items_[i]->sizeHint().width();
        if (!rows.back().isEmpty() && used + spacing_ + width > area.width()) {
            rows.append(QList<int>());
            used = 0;
        }
        used += (rows.back().isEmpty() ? 0 : spacing_) + width;
        rows.back().append(i);
    }
    int y = area.y();
    for (const QList<int> &row : rows) {
        if (row.isEmpty())
            continue;
        int width = 0, height = 0;
        for (int i : row) {
            width += items_[i]->sizeHint().width();
            height = std::max(height, items_[i]->sizeHint().height());
        }
        width += spacing_ * static_cast<int>(row.size() - 1);
        // The first widget after the spring, on a row that holds widgets before it too.
        const auto afterSpring
            = std::find_if(row.begin(), row.end(), [this](int k) { return spring_ >= 0 && k >= spring_; });
        const int pushed = afterSpring != row.begin() && afterSpring != row.end() ? *afterSpring : -1;
        int x = area.x();
        for (int i : row) {
            if (i == pushed)
                x += std::max(0, area.width() - width);
            const QSize size = items_[i]->sizeHint();
            if (place)
                items_[i]->setGeometry(QRect(QPoint(x, y + (height - size.height()) / 2), size));
            x += size.width() + spacing_;
        }
        y += height + spacing_;
    }
    const QMargins margins = contentsMargins();
    return std::max(0, y - spacing_ - area.y()) + margins.top() + margins.bottom();
}

} // namespace qimbel
