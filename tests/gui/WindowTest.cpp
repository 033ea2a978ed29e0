// The window as a pupil and a teacher use it: resizing, the text box font, the status bar, the
// help window and the about box, undo across the page's buttons, the keyboard's way through a
// page, the factorisation methods, Ctrl+Enter and the mnemonics, printing and PDF export.
#include "PageFinders.h"
#include "WhenModal.h"
#include "desktop/app/MainWindow.h"
#include "desktop/charts/ChartsPage.h"
#include "desktop/charts/FunctionGraphPage.h"
#include "desktop/pages/GbkBridge.h"
#include "desktop/pages/PrintedPage.h"
#include "desktop/pages/ProblemPageWidget.h"
#include "desktop/pages/SaveFolder.h"
#include "desktop/pages/TextBoxFont.h"
#include "pages/Session.h"
#include "pages/TypeTable.h"
#include "solver/Solver.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
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

// The buttons of `page` that are cut: narrower or lower than their size hint, or reaching past
// a widget they stand in (a scroll area's view excepted: the pupil scrolls to them).
QStringList ClippedButtons(QWidget *page)
{
    QStringList clipped;
    for (QAbstractButton *button : page->findChildren<QAbstractButton *>()) {
        if (!button->isVisibleTo(page))
            continue;
        bool inList = false;
        for (QWidget *up = button->parentWidget(); up != nullptr && up != page; up = up->parentWidget())
            inList = inList || qobject_cast<QAbstractItemView *>(up) != nullptr;
        if (inList) // the corner button of a table
            continue;
        const QString name = button->objectName() + QLatin1Char(' ') + button->text();
        const QSize hint = button->sizeHint();
        if (button->width() < hint.width() || button->height() < hint.height())
            clipped << QStringLiteral("%1: %2x%3 < %4x%5")
                           .arg(name)
                           .arg(button->width())
                           .arg(button->height())
                           .arg(hint.width())
                           .arg(hint.height());
        QRect rect = button->rect();
        // Up to the window: the page itself must fit its tab.
        for (QWidget *w = button; !w->isWindow(); w = w->parentWidget()) {
            QWidget *up = w->parentWidget();
            if (auto *scroller = qobject_cast<QAbstractScrollArea *>(up->parentWidget());
                scroller != nullptr && scroller->viewport() == up)
                break;
            rect = rect.translated(w->pos());
            if (!up->rect().contains(rect)) {
                clipped << QStringLiteral("%1: outside %2").arg(name, up->objectName());
                break;
            }
        }
    }
    return clipped;
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetSession(); }

    void windowResizesAndThePagesFollow()
    {
        MainWindow window;
        QCOMPARE(window.minimumSize(), QSize(780, 440));
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

    // At 800×600, at the window's smallest size and at 1280×800 every tab is reachable on the tab
    // strip and no button of its page is cut; the pages never make the window larger. Run once more
    // with twice the pixels on a 1600×1000 screen (ctest gui_window_scale2): the window opens on it.
    void everyTabFitsSmallScreens()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect screen = window.screen()->availableGeometry();
        QVERIFY2(window.minimumSize().width() <= 800 && window.minimumSize().height() <= 480,
            qPrintable(QStringLiteral("%1x%2").arg(window.minimumSize().width()).arg(window.minimumSize().height())));
        QVERIFY(window.width() <= std::max(screen.width(), window.minimumWidth()));
        QVERIFY(window.height() <= std::max(screen.height(), window.minimumHeight()));
        QTabBar *bar = window.TabWidget()->tabBar();
        QStringList clipped;
        for (const QSize size : {QSize(800, 600), window.minimumSize(), QSize(1280, 800)}) {
            window.resize(size);
            for (int tab = 0; tab < window.TabWidget()->count(); ++tab) {
                window.TabWidget()->setCurrentIndex(tab);
                QTest::qWait(0);
                QCOMPARE(window.size(), size);
                const QString where = QStringLiteral("%1x%2 %3: ")
                                          .arg(size.width())
                                          .arg(size.height())
                                          .arg(window.TabWidget()->tabText(tab));
                // The chosen tab is shown whole on the strip (scrolled to, where the strip is short).
                const QRect shown = bar->tabRect(tab);
                if (!bar->rect().contains(shown))
                    clipped << where + QStringLiteral("the tab is off the strip");
                for (const QString &c : ClippedButtons(window.TabWidget()->currentWidget()))
                    clipped << where + c;
            }
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
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

    void statusBarSaysWhatHappenedAndAsksForTheCheckOnlyWhenComputeWaits()
    {
        MainWindow window;
        window.TabWidget()->setCurrentIndex(4);
        QPushButton *compute = Button(window, 134, QStringLiteral("button_1006"));
        QCOMPARE(compute->toolTip(), kCheckFirst);
        // Nothing typed: nothing to check, and nothing to say.
        QVERIFY(window.statusBar()->currentMessage().isEmpty());
        Edit(window, 134)->setPlainText(QStringLiteral("1+2\n3*4"));
        QVERIFY(window.statusBar()->currentMessage().startsWith(kCheckFirst));

        Button(window, 134, QStringLiteral("button_1039"))->click();
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("算式检测完成，可以进行运算操作。"));
        // A tab whose page needs no check shows nothing, and coming back shows the page's own line.
        window.TabWidget()->setCurrentIndex(6);
        QVERIFY(window.statusBar()->currentMessage().isEmpty());
        window.TabWidget()->setCurrentIndex(4);
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("算式检测完成，可以进行运算操作。"));
        compute->click();
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("已完成 2 道题的运算。"));
        // Compute is off again; the request for a check comes back once the pupil changes the text.
        QVERIFY(!compute->isEnabled());
        Edit(window, 134)->appendPlainText(QStringLiteral("5-6"));
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

    void undoTakesBackTypeButtonCheckAndComputeWhereverTheFocusIs()
    {
        MainWindow window;
        Solver solver;
        ShowActive(window);
        QPlainTextEdit *edit = Edit(window, 129);
        Button(window, 129, QStringLiteral("type_4_1077"))->click();
        QCOMPARE(edit->toPlainText(), FromGbk(solver.GetJianJie(4)));
        Button(window, 129, QStringLiteral("type_2_1063"))->click();
        QCOMPARE(edit->toPlainText(), FromGbk(solver.GetJianJie(2)));
        // The type button hands the focus to the text box: Ctrl+Z works at once.
        QCOMPARE(QApplication::focusWidget(), edit);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit->toPlainText(), FromGbk(solver.GetJianJie(4)));
        edit->redo();
        QCOMPARE(edit->toPlainText(), FromGbk(solver.GetJianJie(2)));

        // What the pupil typed by hand stays in the history behind check and compute, and Ctrl+Z
        // reaches it from the button that was pressed last.
        window.TabWidget()->setCurrentIndex(4);
        edit = Edit(window, 134);
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("1+2"));
        QPushButton *compute = Button(window, 134, QStringLiteral("button_1006"));
        Button(window, 134, QStringLiteral("button_1039"))->click();
        compute->click();
        QVERIFY(edit->toPlainText().contains(QStringLiteral("解题过程")));
        compute->setFocus();
        QTest::keyClick(compute, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit->toPlainText(), QStringLiteral("1＋2"));
        QTest::keyClick(compute, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit->toPlainText(), QStringLiteral("1+2"));
    }

    void tabOrderRunsTypesTextCheckCompute()
    {
        MainWindow window;
        window.TabWidget()->setCurrentIndex(5);
        ShowActive(window);
        Edit(window, 135)->setPlainText(QStringLiteral("x+1=2"));
        Button(window, 135, QStringLiteral("button_1039"))->click(); // compute can take the focus now
        QStringList expected;
        for (const ProblemType *row : TypesOfPage(135))
            if (row->enabled)
                expected << QStringLiteral("type_%1_%2").arg(row->type).arg(row->buttonId);
        expected << QStringLiteral("edit_1004") << QStringLiteral("button_1039") << QStringLiteral("button_1006");
        Button(window, 135, expected.first())->setFocus();
        QStringList visited {QApplication::focusWidget()->objectName()};
        while (visited.size() < expected.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void sessionComesBackAfterCloseAndADamagedOneIsIgnored()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("config/session")); // the folder is made on saving
        double zoomedUnit = 0;
        {
            MainWindow window;
            window.SetSessionFile(file);
            window.RestoreSession(); // no file yet: a first start, nothing to say
            QVERIFY(window.statusBar()->currentMessage().isEmpty());
            Button(window, 129, QStringLiteral("type_12_1081"))->click();
            Edit(window, 129)->setPlainText(QStringLiteral("36\n48"));
            window.TabWidget()->setCurrentIndex(4);
            Button(window, 134, QStringLiteral("type_22_1146"))->click();
            Edit(window, 134)->setPlainText(QStringLiteral("x^2-1"));
            Page(window, 134)->findChild<QCheckBox *>(QStringLiteral("check_1261"))->setChecked(false);
            // The graph's functions and view, the chart's table and title.
            auto *graph = window.findChild<FunctionGraphPage *>();
            for (const QString &function : {QStringLiteral("y＝2x＋1"), QStringLiteral("x^2－1")}) {
                graph->findChild<QLineEdit *>(QStringLiteral("edit_function"))->setText(function);
                graph->findChild<QPushButton *>(QStringLiteral("button_draw"))->click();
            }
            graph->findChild<QPushButton *>(QStringLiteral("button_zoom_in"))->click();
            zoomedUnit = graph->Graph().View().unit;
            auto *charts = window.findChild<ChartsPage *>();
            charts->findChild<QLineEdit *>(QStringLiteral("edit_title"))->setText(QStringLiteral("我们班的身高"));
            charts->SetTable({{"", ToGbk(QStringLiteral("男"))}, {"150", "7"}});
            window.TabWidget()->setCurrentIndex(6);
            QVERIFY(window.close());
        }
        QVERIFY(QFile::exists(file));
        QCOMPARE(QDir(dir.filePath(QStringLiteral("config"))).entryList(QDir::Files),
            (QStringList {"session", "session-chart", "session-graph"}));

        ResetSession();
        {
            MainWindow window;
            window.SetSessionFile(file);
            window.RestoreSession();
            QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("已恢复上次的题目。"));
            QCOMPARE(window.TabWidget()->currentIndex(), 6);
            QCOMPARE(Edit(window, 129)->toPlainText(), QStringLiteral("36\n48"));
            QCOMPARE(Page(window, 129)->findChild<QLabel *>(QStringLiteral("label_1263"))->text(),
                QStringLiteral("分解质因数"));
            QCOMPARE(Edit(window, 134)->toPlainText(), QStringLiteral("x^2-1"));
            QVERIFY(!Page(window, 134)->findChild<QCheckBox *>(QStringLiteral("check_1261"))->isChecked());
            window.TabWidget()->setCurrentIndex(4);
            QCOMPARE(CurrentType(), 22);
            QVERIFY(
                Page(window, 134)->findChild<QGroupBox *>(QStringLiteral("methods"))->isVisibleTo(Page(window, 134)));
            const FunctionGraph &graph = window.findChild<FunctionGraphPage *>()->Graph();
            QCOMPARE(graph.Functions().size(), std::size_t(2));
            QCOMPARE(FromGbk(graph.Functions()[1].typed), QStringLiteral("x^2－1"));
            QCOMPARE(graph.View().unit, zoomedUnit); // the view as it was left
            auto *charts = window.findChild<ChartsPage *>();
            QCOMPARE(
                charts->findChild<QLineEdit *>(QStringLiteral("edit_title"))->text(), QStringLiteral("我们班的身高"));
            const ChartTable table = charts->Table();
            QCOMPARE(table[0][1], ToGbk(QStringLiteral("男")));
            QCOMPARE(table[1][0] + " " + table[1][1], std::string("150 7"));

            // 新建 asks first, since typed work would go, then starts clean.
            WhenModal([](QWidget *box) { qobject_cast<QMessageBox *>(box)->button(QMessageBox::Yes)->click(); });
            window.findChild<QAction *>(QStringLiteral("action_new"))->trigger();
            QCOMPARE(window.TabWidget()->currentIndex(), 0);
            QCOMPARE(CurrentType(), 1);
            for (int page : {129, 130, 131, 133, 134, 135})
                QVERIFY(Edit(window, page)->toPlainText().isEmpty());
            QVERIFY(Page(window, 134)->findChild<QCheckBox *>(QStringLiteral("check_1261"))->isChecked());
        }

        // A damaged file and a file of another program are ignored with a word; nothing breaks.
        const struct {
            QByteArray bytes;
            QString said;
        } rows[] = {
            {"QimbelSession 1\ntab 0\npage 129 1 1 1 1 1 8 0 99999\nabc",
                QStringLiteral("上次的题目没有恢复：保存它们的文件已损坏。")},
            {QByteArray("\x89PNG\r\n\x1a\n\0\0", 10),
                QStringLiteral("上次的题目没有恢复：保存它们的文件不是本程序的。")},
        };
        for (const auto &row : rows) {
            QFile damaged(file);
            QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
            damaged.write(row.bytes);
            damaged.close();
            ResetSession();
            MainWindow window;
            window.SetSessionFile(file);
            window.RestoreSession();
            QCOMPARE(window.statusBar()->currentMessage(), row.said);
            QCOMPARE(window.TabWidget()->currentIndex(), 0);
            QVERIFY(Edit(window, 129)->toPlainText().isEmpty());
        }
    }

    void saveFoldersStartInTheUsersFoldersAndRememberTheLastOne()
    {
        for (const auto &[kind, place] : {std::pair {SavedFile::Document, QStandardPaths::DocumentsLocation},
                 std::pair {SavedFile::Picture, QStandardPaths::PicturesLocation}}) {
            const QString standard = QStandardPaths::writableLocation(place);
            QCOMPARE(SaveFolder(kind), QFileInfo(standard).isDir() ? standard : QDir::homePath());
            QVERIFY(SaveFolder(kind) != QCoreApplication::applicationDirPath());
        }
        QTemporaryDir dir;
        RememberSaveFolder(SavedFile::Picture, dir.filePath(QStringLiteral("统计图.png")));
        QCOMPARE(SaveFolder(SavedFile::Picture), dir.path());
        QVERIFY(SaveFolder(SavedFile::Document) != dir.path());
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
        // The page keeps its type while another tab is shown.
        window.TabWidget()->setCurrentIndex(5);
        window.TabWidget()->setCurrentIndex(4);
        QVERIFY(methods->isVisibleTo(page));
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
