#include "desktop/app/AboutBox.h"

#include "desktop/pages/GbkBridge.h"
#include "solver/Solver.h"

#include <QDir>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace qimbel {

namespace {

const QString kWhat
    = QStringLiteral("Qimbel 是给中小学生用的数学辅导程序。选好题型，每行输入一道题，先进行算式检测，再进行运算操作，"
                     "Qimbel 就用老师在黑板上的说法，一步一行地写出完整的解题过程。");

// Qimbel's own notice, then the notice of the Qt libraries, which Qimbel uses unchanged and links
// dynamically, as the LGPL allows.
QString LicenceTexts()
{
    return QStringLiteral("【Qimbel】\n"
                          "Qimbel %1 版，版权所有 © Qimbel 开发者。\n"
                          "本程序按原样提供，不附带任何明示或暗示的担保。\n"
                          "\n"
                          "【Qt %2】\n"
                          "Qimbel 的窗口由 Qt 库绘制。Qt 版权所有 © Qt 公司及其他贡献者，"
                          "按 GNU 宽通用公共许可证（LGPL）第 3 版授权使用。\n"
                          "Qimbel 没有修改 Qt，只是动态链接它的库：你可以用自己编译的、兼容的 Qt 库替换它们，"
                          "也可以取得 Qt 的全部源代码。\n"
                          "GNU 宽通用公共许可证第 3 版的全文：/usr/share/common-licenses/LGPL-3\n"
                          "GNU 通用公共许可证第 3 版的全文：/usr/share/common-licenses/GPL-3\n"
                          "Qt 的源代码：https://download.qt.io/archive/qt/")
        .arg(QStringLiteral("3.0"), QString::fromLatin1(qVersion()));
}

QLabel *Paragraph(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("关于 Qimbel"));
    setObjectName(QStringLiteral("about_box"));

    auto *line = new QHBoxLayout;
    const QIcon icon = parent != nullptr ? parent->window()->windowIcon() : QIcon();
    if (!icon.isNull()) {
        auto *picture = new QLabel(this);
        picture->setPixmap(icon.pixmap(32, 32));
        line->addWidget(picture);
    }
    auto *version = new QLabel(QStringLiteral("Qimbel 3.0 版"), this);
    version->setObjectName(QStringLiteral("version"));
    QFont bold = version->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    version->setFont(bold);
    line->addWidget(version, 1);

    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("button_1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    line->addWidget(ok, 0, Qt::AlignTop);

    auto *what = Paragraph(kWhat, this);
    what->setObjectName(QStringLiteral("what"));
    const QString data = QDir::toNativeSeparators(QString::fromStdString(Solver().GetLuJing()));
    const QString saved = QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    auto *folders = Paragraph(QStringLiteral("程序读取的数据（帮助文字、公式、单位表、手册、出题程序）：%1\n"
                                             "关闭窗口时保存题目的文件夹：%2")
                                  .arg(data, saved),
        this);
    folders->setObjectName(QStringLiteral("folders"));

    auto *licences = new QPlainTextEdit(LicenceTexts(), this);
    licences->setObjectName(QStringLiteral("licences"));
    licences->setReadOnly(true);
    licences->setTabChangesFocus(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addLayout(line);
    layout->addWidget(what);
    layout->addWidget(folders);
    layout->addWidget(new QLabel(QStringLiteral("许可证"), this));
    layout->addWidget(licences, 1);
    resize(560, 460);
    ok->setFocus();
}

} // namespace qimbel
