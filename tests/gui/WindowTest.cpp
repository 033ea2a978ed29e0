// The window as a pupil and a teacher use it: resizing, the text box font, the compute hint, the
// help window and the about box, undo across the page's buttons, the factorisation methods,
// Ctrl+Enter and the mnemonics, printing and PDF export.
#include "PageFinders.h"
#include "WhenModal.h"
#include "desktop/app/MainWindow.h"
#include "desktop/pages/GbkBridge.h"
#include "desktop/pages/PrintedPage.h"
#include "desktop/pages/ProblemPageWidget.h"
#include "pages/Session.h"
#include "desktop/pages/TextBoxFont.h"
#include "solver/Solver.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <memory>
#include <tuple>

using namespace qimbel;

namespace {

const QString kCheckFirst = QStringLiteral("请先点击“先进行算式检测”");

// The window shown and active, as keyboard shortcuts need it.
void ShowActive(MainWindow &window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetSession(); }

    void windowResizesAndThePagesFollow()
    {
        MainWindow window;
        QCOMPARE(window.minimumSize(), QSize(1000, 680));
        QVERIFY(window.maximumWidth() > 1600 && window.maximumHeight() > 1000);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.TabWidget()->setCurrentIndex(4);

        window.resize(1000, 680);
        QTest::qWait(0);
        const QSize small = Edit(window, 134)->size();
        window.resize(1600, 1000);
        QTRY_VERIFY(Edit(window, 134)->width() >= small.width() + 550);
        QVERIFY(Edit(window, 134)->height() >= small.height() + 250);
        // A page that was hidden while the window grew fits the window once shown.
        window.TabWidget()->setCurrentIndex(5);
        QTRY_VERIFY(Edit(window, 135)->width() >= small.width() + 550);
    }

    void textBoxFontDrawsAChineseCharacterTwoLatinColumnsWide()
    {
        const QFont font = TextBoxFont();
        const QString family = QFontInfo(font).family();
        QVERIFY2(
            family == QStringLiteral("WenQuanYi Zen Hei Mono") || family == QStringLiteral("Noto Sans Mono CJK SC"),
            qPrintable(family));
        const QFontMetricsF metrics(font);
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("解")), 2 * metrics.horizontalAdvance(QStringLiteral("0")));
        // So Chinese text is drawn as the font draws it, without spacing pushed between.
        QCOMPARE(TwoColumnShortfall(metrics, QStringLiteral("解")), 0.0);
        QCOMPARE(TwoColumnShortfall(metrics, QStringLiteral("＋")), 0.0);
        QCOMPARE(TwoColumnShortfall(metrics, QStringLiteral("x")), 0.0);

        MainWindow window;
        QCOMPARE(QFontInfo(Edit(window, 134)->font()).family(), family);
    }

    void computeSaysThatTheCheckComesFirst()
    {
        MainWindow window;
        window.TabWidget()->setCurrentIndex(4);
        QPushButton *compute = Button(window, 134, QStringLiteral("button_1006"));
        QCOMPARE(compute->toolTip(), kCheckFirst);
        QVERIFY(window.statusBar()->currentMessage().startsWith(kCheckFirst));

        Edit(window, 134)->setPlainText(QStringLiteral("1+2"));
        Button(window, 134, QStringLiteral("button_1039"))->click();
        QVERIFY(window.statusBar()->currentMessage().isEmpty());
        // A tab whose page needs no check shows no hint, and coming back shows the page's own.
        window.TabWidget()->setCurrentIndex(6);
        QVERIFY(window.statusBar()->currentMessage().isEmpty());
        window.TabWidget()->setCurrentIndex(4);
        QVERIFY(window.statusBar()->currentMessage().isEmpty());
        // Once the results stand in the text box the bar stops asking for a check; a new type
        // asks again.
        compute->click();
        QVERIFY(window.statusBar()->currentMessage().isEmpty());
        Button(window, 134, QStringLiteral("type_21_1142"))->click();
        QVERIFY(window.statusBar()->currentMessage().startsWith(kCheckFirst));
    }

    void helpShowsTheTextsOfTheCurrentType()
    {
        MainWindow window;
        Solver solver;
        Button(window, 129, QStringLiteral("type_6_1073"))->click();
        Button(window, 129, QStringLiteral("button_1013"))->click();
        auto *help = Page(window, 129)->findChild<QDialog *>(QStringLiteral("help_window"));
        QVERIFY(help != nullptr && help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("帮助 - 单位转换"));
        const QString text = help->findChild<QPlainTextEdit *>(QStringLiteral("help_text"))->toPlainText();
        const QString intro = FromGbk(solver.GetJianJie(6));
        QVERIFY(!intro.isEmpty());
        QVERIFY(text.startsWith(QStringLiteral("【简介】\n") + intro));
        QVERIFY(text.contains(QStringLiteral("【摘要】\n") + FromGbk(solver.GetZhaiYao(6))));
        QVERIFY(text.contains(QStringLiteral("【示例】\n") + FromGbk(solver.GetShiLi(6))));
        QVERIFY(text.contains(QStringLiteral("【符号的输入】\n")));
        QVERIFY(text.contains(QStringLiteral("*  换成  ×")));

        // An open help window follows the next type; 帮助 again reuses it.
        Button(window, 129, QStringLiteral("type_12_1081"))->click();
        QCOMPARE(help->windowTitle(), QStringLiteral("帮助 - 分解质因数"));
        Button(window, 129, QStringLiteral("button_1013"))->click();
        QCOMPARE(Page(window, 129)->findChildren<QDialog *>(QStringLiteral("help_window")).size(), 1);

        // The word-problem page has no type of its own: it does not show another page's texts.
        window.TabWidget()->setCurrentIndex(2);
        Button(window, 131, QStringLiteral("button_1013"))->click();
        help = Page(window, 131)->findChild<QDialog *>(QStringLiteral("help_window"));
        QCOMPARE(help->windowTitle(), QStringLiteral("帮助 - 小学应用题"));
        QVERIFY(help->findChild<QPlainTextEdit *>()->toPlainText().startsWith(QStringLiteral("【符号的输入】")));
    }

    void aboutOnAPageOpensTheAboutBox()
    {
        MainWindow window;
        QString caption;
        WhenModal([&](QWidget *box) {
            caption = box->windowTitle();
            box->findChild<QPushButton *>(QStringLiteral("button_1"))->click();
        });
        Button(window, 135, QStringLiteral("button_1014"))->click();
        QCOMPARE(caption, QStringLiteral("关于 Qimbel"));
    }

    void undoTakesBackTypeButtonCheckAndCompute()
    {
        MainWindow window;
        Solver solver;
        QPlainTextEdit *edit = Edit(window, 129);
        edit->setPlainText(QStringLiteral("12345"));
        Button(window, 129, QStringLiteral("type_2_1063"))->click();
        QCOMPARE(edit->toPlainText(), FromGbk(solver.GetJianJie(2)));
        edit->undo();
        QCOMPARE(edit->toPlainText(), QStringLiteral("12345"));
        edit->redo();
        QCOMPARE(edit->toPlainText(), FromGbk(solver.GetJianJie(2)));

        // What the pupil typed by hand stays in the history behind check and compute.
        window.TabWidget()->setCurrentIndex(4);
        ShowActive(window);
        edit = Edit(window, 134);
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("1+2"));
        Button(window, 134, QStringLiteral("button_1039"))->click();
        Button(window, 134, QStringLiteral("button_1006"))->click();
        QVERIFY(edit->toPlainText().contains(QStringLiteral("解题过程")));
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit->toPlainText(), QStringLiteral("1＋2"));
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit->toPlainText(), QStringLiteral("1+2"));
    }

    void factorisationMethodsShowOnlyForFactorisation()
    {
        MainWindow window;
        window.TabWidget()->setCurrentIndex(4);
        ProblemPageWidget *page = Page(window, 134);
        auto *methods = page->findChild<QGroupBox *>(QStringLiteral("methods"));
        QVERIFY(!methods->isVisibleTo(page));
        Button(window, 134, QStringLiteral("type_22_1146"))->click();
        QVERIFY(methods->isVisibleTo(page));
        Button(window, 134, QStringLiteral("type_21_1142"))->click();
        QVERIFY(!methods->isVisibleTo(page));
        Button(window, 134, QStringLiteral("type_22_1146"))->click();
        // Selecting the tab again makes type 20 current.
        window.TabWidget()->setCurrentIndex(5);
        window.TabWidget()->setCurrentIndex(4);
        QVERIFY(!methods->isVisibleTo(page));
        for (int other : {129, 130, 131, 133, 135})
            QVERIFY(Page(window, other)->findChild<QGroupBox *>(QStringLiteral("methods")) == nullptr);
    }

    void ctrlEnterChecksAndComputes()
    {
        MainWindow window;
        window.TabWidget()->setCurrentIndex(4);
        ShowActive(window);
        QPlainTextEdit *edit = Edit(window, 134);
        edit->setPlainText(QStringLiteral("2*(3+4)-5"));
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return, Qt::ControlModifier);
        const QString text = edit->toPlainText();
        QVERIFY2(
            text.startsWith(QStringLiteral("2×(3＋4)－5\n---------------------------------------------\n解题过程:\n")),
            qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("＝9")));
        // The keypad's Enter does the same; the check cuts the old results first.
        QTest::keyClick(edit, Qt::Key_Enter, Qt::ControlModifier);
        QCOMPARE(edit->toPlainText(), text);
    }

    void mnemonicsAreUniqueOnEveryPage()
    {
        MainWindow window;
        const QStringList actions
            = {QStringLiteral("button_1231"), QStringLiteral("button_1293"), QStringLiteral("button_1039"),
                QStringLiteral("button_1006"), QStringLiteral("button_1094"), QStringLiteral("button_1013"),
                QStringLiteral("button_1014"), QStringLiteral("button_print"), QStringLiteral("button_pdf")};
        const auto mnemonic = [](const QString &text) {
            const qsizetype p = text.indexOf(QLatin1Char('&'));
            return p >= 0 && p + 1 < text.size() ? text[p + 1].toUpper() : QChar();
        };
        for (int number : {129, 130, 131, 133, 134, 135}) {
            QSet<QChar> taken;
            for (QAction *menu : window.menuBar()->actions())
                taken.insert(mnemonic(menu->text()));
            for (QPushButton *button : Page(window, number)->findChildren<QPushButton *>()) {
                const QChar key = mnemonic(button->text());
                if (actions.contains(button->objectName()))
                    QVERIFY2(!key.isNull(), qPrintable(button->text()));
                if (key.isNull())
                    continue;
                QVERIFY2(!taken.contains(key), qPrintable(button->text()));
                taken.insert(key);
            }
        }
    }

    void pdfExportWritesTheTextBox()
    {
        MainWindow window;
        window.TabWidget()->setCurrentIndex(4);
        Edit(window, 134)->setPlainText(QStringLiteral("2*(3+4)-5"));
        Button(window, 134, QStringLiteral("button_1039"))->click();
        Button(window, 134, QStringLiteral("button_1006"))->click();

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("worked.pdf"));
        QVERIFY(Page(window, 134)->ExportPdfTo(path));
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QVERIFY(pdf.size() > 1000);
        // A folder that does not exist is reported, not taken for success.
        QVERIFY(!Page(window, 134)->ExportPdfTo(dir.filePath(QStringLiteral("missing/worked.pdf"))));
    }

    void paperKeepsTheColumnsOfTheTextBox()
    {
        // Each line is 12 bytes in GBK, so on paper all of them must be equally long.
        const QStringList lines
            = {QStringLiteral("abcdefghijkl"), QStringLiteral("＝3  第1步:x"), QStringLiteral("＋－×÷＝·"),
                QStringLiteral("αΩ├┃≥12"), QStringLiteral("×abcdefghij"), QStringLiteral("解题过程:   ")};
        std::unique_ptr<QTextDocument> document
            = PrintedDocument(QStringLiteral("标题"), lines.join(QLatin1Char('\n')));
        document->setTextWidth(5000);
        document->documentLayout(); // lays the document out
        QTextBlock block = document->firstBlock();
        QCOMPARE(block.text(), QStringLiteral("标题"));
        block = block.next().next();
        QList<qreal> widths;
        for (; block.isValid(); block = block.next())
            widths.append(block.layout()->lineAt(0).naturalTextWidth());
        QCOMPARE(widths.size(), lines.size());
        for (qreal width : widths)
            QVERIFY2(qAbs(width - widths[0]) < 0.5, qPrintable(QStringLiteral("%1 vs %2").arg(width).arg(widths[0])));
    }

    void paperCentresANarrowSignInItsTwoColumns()
    {
        // "2×3" and "20÷10" as the text box shows them: the sign's glyph starts half of the room
        // it lacks after the column in front of it, and the next character starts on its column.
        std::unique_ptr<QTextDocument> document = PrintedDocument(QStringLiteral("标题"), QStringLiteral("2×3\n20÷10"));
        document->setTextWidth(5000);
        document->documentLayout();
        const QFontMetricsF metrics(document->defaultFont());
        const qreal column = metrics.horizontalAdvance(QLatin1Char('0'));
        for (const auto &[line, sign, glyph] :
            {std::tuple {2, 1, QStringLiteral("×")}, std::tuple {3, 2, QStringLiteral("÷")}}) {
            const QTextLine layout = document->findBlockByNumber(line).layout()->lineAt(0);
            const qreal room = 2 * column - metrics.horizontalAdvance(glyph);
            QVERIFY(room > 1); // the sign is narrow in this font, or there is nothing to centre
            QVERIFY(qAbs(layout.cursorToX(sign) - (sign * column + room / 2)) < 0.5);
            QVERIFY(qAbs(layout.cursorToX(sign + 1) - (sign + 2) * column) < 0.5);
        }
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
