#include "desktop/charts/FunctionGraphPage.h"

#include "desktop/charts/DisplayListView.h"
#include "charts/FunctionGraph.h"
#include "desktop/pages/GbkBridge.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qimbel {

FunctionGraphPage::FunctionGraphPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("page_137"));

    picture_ = new DisplayListView(this);
    picture_->setObjectName(QStringLiteral("picture_graph"));
    picture_->setFixedSize(kGraphSize, kGraphSize);
    picture_->SetPicture(CoordinateSystem());
    connect(picture_, &DisplayListView::PointerMoved, this, &FunctionGraphPage::ShowPointer);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("label_status"));
    pointer_ = new QLabel(this);
    pointer_->setObjectName(QStringLiteral("label_pointer"));

    auto *caption = new QLabel(QStringLiteral("函数F(x)"), this);
    function_ = new QLineEdit(this);
    function_->setObjectName(QStringLiteral("edit_function"));
    caption->setBuddy(function_);
    auto *draw = new QPushButton(QStringLiteral("绘图"), this);
    draw->setObjectName(QStringLiteral("button_draw"));
    auto *save = new QPushButton(QStringLiteral("保存图片"), this);
    save->setObjectName(QStringLiteral("button_save"));
    auto *heading = new QLabel(QStringLiteral("函数的性质简要说明："), this);
    auto *kinds = new QLabel(QStringLiteral("正比例图象,方程函数图象,反比例图象,二次函数图象,一次函数图象"), this);
    kinds->setWordWrap(true);

    connect(draw, &QPushButton::clicked, this, &FunctionGraphPage::Draw);
    connect(function_, &QLineEdit::returnPressed, this, &FunctionGraphPage::Draw);
    connect(save, &QPushButton::clicked, this, &FunctionGraphPage::Save);

    auto *side = new QVBoxLayout;
    side->addWidget(caption);
    side->addWidget(function_);
    side->addWidget(draw);
    side->addWidget(save);
    side->addSpacing(24);
    side->addWidget(heading);
    side->addWidget(kinds);
    side->addStretch(1);

    auto *layout = new QGridLayout(this);
    layout->addWidget(picture_, 0, 0);
    layout->addLayout(side, 0, 1);
    layout->addWidget(status_, 1, 0, 1, 2);
    layout->addWidget(pointer_, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(3, 1);
}

void FunctionGraphPage::Draw()
{
    const FunctionPlot plot = PlotFunction(ToGbk(function_->text()));
    picture_->SetPicture(GraphPicture(plot));
    status_->setText(FromGbk(plot.status));
}

void FunctionGraphPage::Save() { SaveDisplayList(this, picture_->Picture(), QStringLiteral("函数图象.png")); }

void FunctionGraphPage::ShowPointer(int x, int y)
{
    pointer_->setText(x < 0 ? QString() : QStringLiteral("鼠标位置 ") + FromGbk(PicturePosition(x, y)));
}

} // namespace qimbel
