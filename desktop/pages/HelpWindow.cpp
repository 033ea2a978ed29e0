#include "desktop/pages/HelpWindow.h"

#include "desktop/pages/GbkBridge.h"
#include "pages/HelpWindowText.h"
#include "desktop/pages/TextBoxFont.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qimbel {

HelpWindow::HelpWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("help_window"));
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("help_text"));
    text_->setReadOnly(true);
    text_->setFont(TextBoxFont());
    new TwoColumnSpacing(text_->document(), text_->font()); // owned by the document
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *close = buttons->addButton(QStringLiteral("关闭"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("button_close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addWidget(buttons);
    resize(720, 600);
}

void HelpWindow::SetHelp(int page, int type)
{
    const HelpWindowText help = HelpForPage(page, type);
    setWindowTitle(FromGbk(help.caption));
    const QString body = FromGbk(help.body);
    if (body != text_->toPlainText())
        text_->setPlainText(body);
}

void HelpWindow::ShowHelp(int page, int type)
{
    SetHelp(page, type);
    show();
    raise();
    activateWindow();
}

} // namespace qimbel
