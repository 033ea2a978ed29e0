// Everything a pupil can read in the window is Chinese, and nothing is cut off. The test walks
// every page (every type's introduction, summary and example on the problem pages), the dialogs
// the pages open and the pictures the chart pages draw, collects every visible text, and fails on
// an ASCII word. Digits, signs, single letters (unknowns such as x, mnemonics such as (&C)),
// file paths and a few names stay allowed. It runs twice: as is, and at QT_SCALE_FACTOR=2, where
// it also checks that no button, label or tab is narrower than its text.
#include "desktop/app/MainWindow.h"
#include "desktop/app/QtTranslations.h"
#include "desktop/charts/DisplayListView.h"
#include "desktop/pages/GbkBridge.h"
#include "desktop/pages/ProblemPageWidget.h"
#include "desktop/tools/SymbolPalette.h"
#include "pages/Session.h"
#include "pages/TypeTable.h"

#include "PageFinders.h"
#include "WhenModal.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTextEdit>

using namespace qimbel;

namespace {

// Names, not English: the program, the libraries and licence it names, the file format it
// writes, key caps, and the right-triangle sign of the symbol palette.
const QStringList kAllowedWords = {QStringLiteral("Qimbel"), QStringLiteral("Qt"), QStringLiteral("GNU"),
    QStringLiteral("LGPL"), QStringLiteral("PDF"), QStringLiteral("Ctrl"), QStringLiteral("Shift"),
    QStringLiteral("Enter"), QStringLiteral("Tab"), QStringLiteral("Rt")};

// The ASCII words of a text that are neither allowed, nor algebra (letters next to a digit or an
// operator, as in 2ab or a^2), nor part of a file path or web address.
QStringList EnglishWords(const QString &text)
{
    QStringList found;
    static const QRegularExpression token(QStringLiteral("\\S+"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    static const QString maths = QStringLiteral("0123456789^+-*/=<>×÷＋－＝＞＜·");
    for (const QRegularExpressionMatch &t : token.globalMatch(text)) {
        const QString piece = t.captured();
        if (piece.contains(QLatin1Char('/')) || piece.contains(QLatin1Char('\\')))
            continue;
        for (const QRegularExpressionMatch &w : word.globalMatch(piece)) {
            const qsizetype before = w.capturedStart() - 1;
            const qsizetype after = w.capturedEnd();
            const bool algebra = (before >= 0 && maths.contains(piece[before]))
                || (after < piece.size() && maths.contains(piece[after]));
            if (!algebra && !kAllowedWords.contains(w.captured()))
                found << w.captured();
        }
    }
    return found;
}

QString Plain(const QString &text)
{
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// Every text a widget and its children show: captions, titles, tooltips, placeholders, contents,
// items, menus.
QStringList TextsOf(QWidget *root)
{
    QStringList texts;
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        if (w->isWindow())
            texts << w->windowTitle();
        texts << w->toolTip() << w->statusTip() << w->whatsThis();
        for (QAction *action : w->actions())
            texts << action->text() << action->toolTip();
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            texts << b->text();
        if (auto *l = qobject_cast<QLabel *>(w))
            texts << Plain(l->text());
        if (auto *g = qobject_cast<QGroupBox *>(w))
            texts << g->title();
        if (auto *e = qobject_cast<QLineEdit *>(w))
            texts << e->text() << e->placeholderText();
        if (auto *e = qobject_cast<QPlainTextEdit *>(w))
            texts << e->toPlainText() << e->placeholderText();
        if (auto *e = qobject_cast<QTextEdit *>(w))
            texts << e->toPlainText() << e->placeholderText();
        if (auto *c = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < c->count(); ++i)
                texts << c->itemText(i);
        if (auto *t = qobject_cast<QTabBar *>(w))
            for (int i = 0; i < t->count(); ++i)
                texts << t->tabText(i) << t->tabToolTip(i);
        if (auto *t = qobject_cast<QTableWidget *>(w))
            for (int r = 0; r < t->rowCount(); ++r)
                for (int c = 0; c < t->columnCount(); ++c)
                    if (const QTableWidgetItem *item = t->item(r, c))
                        texts << item->text() << item->toolTip();
        if (auto *m = qobject_cast<QMenuBar *>(w))
            for (QAction *menu : m->actions()) {
                texts << menu->text();
                if (menu->menu() != nullptr)
                    for (QAction *action : menu->menu()->actions())
                        texts << action->text();
            }
        if (auto *s = qobject_cast<QStatusBar *>(w))
            texts << s->currentMessage();
        if (auto *v = qobject_cast<DisplayListView *>(w))
            for (const Text &t : v->Picture().All<Text>())
                texts << FromGbk(t.text);
    }
    return texts;
}

// The room a button's or a label's text takes, with the indicator of a check box or radio button
// and the frame of a push button: less than this and the text is cut.
QSize TextNeed(QWidget *w)
{
    const QFontMetrics metrics(w->font());
    QStyle *style = w->style();
    if (auto *b = qobject_cast<QAbstractButton *>(w)) {
        QSize size = metrics.size(Qt::TextShowMnemonic, b->text());
        if (qobject_cast<QCheckBox *>(w) != nullptr)
            size.rwidth() += style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w)
                + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
        else if (qobject_cast<QRadioButton *>(w) != nullptr)
            size.rwidth() += style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w)
                + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w);
        else
            size.rwidth() += 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w)
                + (b->icon().isNull() ? 0 : b->iconSize().width() + 4);
        return size;
    }
    auto *l = qobject_cast<QLabel *>(w);
    return metrics.size(0, Plain(l->text())) + QSize(2 * (l->margin() + l->frameWidth()), 0);
}

// The buttons and labels whose text does not fit them.
QStringList ClippedIn(QWidget *root)
{
    QStringList clipped;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        auto *label = qobject_cast<QLabel *>(w);
        if (qobject_cast<QAbstractButton *>(w) == nullptr
            && (label == nullptr || label->wordWrap() || label->text().isEmpty()))
            continue;
        const QSize need = TextNeed(w);
        if (w->width() < need.width() || w->height() < need.height())
            clipped << QStringLiteral("%1 %2x%3 < %4x%5")
                           .arg(w->objectName())
                           .arg(w->width())
                           .arg(w->height())
                           .arg(need.width())
                           .arg(need.height());
    }
    return clipped;
}

} // namespace

class WordsGuiTest : public QObject {
    Q_OBJECT
private:
    QStringList english_;

    void Walk(QWidget *root, const QString &where)
    {
        for (const QString &text : TextsOf(root))
            for (const QString &word : EnglishWords(text))
                english_ << QStringLiteral("%1: %2 in \"%3\"").arg(where, word, text.left(80));
    }

    // Opens the next modal dialog with `open`, walks it, and closes it.
    void WalkModal(const QString &where, const std::function<void()> &open)
    {
        WhenModal([this, where](QWidget *dialog) {
            Walk(dialog, where);
            dialog->close();
        });
        open();
    }

private slots:
    void initTestCase() { InstallQtTranslations(*QCoreApplication::instance()); }
    void init() { ResetSession(); }

    void noEnglishWordInAnyWindow()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTabWidget *tabs = window.TabWidget();
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            Walk(&window, tabs->tabText(tab));
        }

        // Every type's introduction, summary and example, as the page shows them.
        for (int id : {129, 130, 131, 133, 134, 135}) {
            tabs->setCurrentIndex(TabOfPage(id));
            ProblemPageWidget *page = Page(window, id);
            for (QPushButton *button : page->findChildren<QPushButton *>()) {
                if (!button->objectName().startsWith(QStringLiteral("type_")) || !button->isEnabled())
                    continue;
                Button(window, id, QStringLiteral("button_1293"))->click(); // 清空
                button->click();
                Walk(page, button->text());
                Button(window, id, QStringLiteral("button_1094"))->click(); // 示例
                Walk(page, button->text() + QStringLiteral(" 示例"));
                Button(window, id, QStringLiteral("button_1013"))->click(); // 帮助
                for (QDialog *help : page->findChildren<QDialog *>())
                    if (help->isVisible()) {
                        Walk(help, button->text() + QStringLiteral(" 帮助"));
                        help->close();
                    }
            }
        }
        // The word-problem page has no types: its introduction and example.
        tabs->setCurrentIndex(TabOfPage(131));
        Page(window, 131)->findChild<QCheckBox *>(QStringLiteral("check_1015"))->setChecked(true);
        Button(window, 131, QStringLiteral("button_1103"))->click();
        Walk(Page(window, 131), QStringLiteral("公式应用题"));
        Button(window, 131, QStringLiteral("button_1094"))->click();
        Walk(Page(window, 131), QStringLiteral("公式应用题 示例"));
        // The word-problem page's message box, with Qt's own button.
        Edit(window, 131)->setPlainText(QStringLiteral("长方形的长是5米"));
        Button(window, 131, QStringLiteral("button_1039"))->click();
        WalkModal(
            QStringLiteral("小学应用题 消息"), [&] { Button(window, 131, QStringLiteral("button_1006"))->click(); });

        // The pictures of the chart pages, legend included.
        tabs->setCurrentIndex(6);
        for (const char *name : {"button_bar", "button_line", "button_pie"}) {
            tabs->currentWidget()->findChild<QPushButton *>(QString::fromLatin1(name))->click();
            Walk(tabs->currentWidget(), QString::fromLatin1(name));
        }
        WalkModal(QStringLiteral("频率分布直方图"),
            [&] { tabs->currentWidget()->findChild<QPushButton *>(QStringLiteral("button_histogram"))->click(); });
        tabs->setCurrentIndex(0);
        WalkModal(QStringLiteral("标准符号"), [&] { Button(window, 129, QStringLiteral("button_1231"))->click(); });
        WalkModal(QStringLiteral("关于"), [&] { window.ShowAbout(); });
        // 新建 with typed work asks, with Qt's 是 and 否.
        Edit(window, 129)->setPlainText(QStringLiteral("12"));
        WalkModal(
            QStringLiteral("新建"), [&] { window.findChild<QAction *>(QStringLiteral("action_new"))->trigger(); });

        QVERIFY2(english_.isEmpty(), qPrintable(english_.join(QLatin1Char('\n'))));
    }

    void qtsOwnButtonsAreChinese()
    {
        // The walk's eye: English words count, algebra, paths and names do not.
        QCOMPARE(EnglishWords(QStringLiteral("Unable to open 2ab＋a^2b /usr/share/x 导出PDF Ctrl+Enter (&C)")),
            (QStringList {QStringLiteral("Unable"), QStringLiteral("to"), QStringLiteral("open")}));

        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes
            | QDialogButtonBox::No | QDialogButtonBox::Save | QDialogButtonBox::Open);
        for (QAbstractButton *button : box.buttons())
            QVERIFY2(EnglishWords(button->text()).isEmpty(), qPrintable(button->text()));
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("取消"));
    }

    void nothingIsClipped()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList clipped;
        for (int tab = 0; tab < window.TabWidget()->count(); ++tab) {
            window.TabWidget()->setCurrentIndex(tab);
            QApplication::processEvents();
            for (const QString &c : ClippedIn(&window))
                clipped << window.TabWidget()->tabText(tab) + QStringLiteral(": ") + c;
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(WordsGuiTest)
#include "WordsGuiTest.moc"
