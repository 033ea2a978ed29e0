// 出一道题, 换一道 and 举一反三 under the text box of every problem page.
#include "desktop/app/MainWindow.h"
#include "desktop/chuti/ShiJuanPrinter.h"
#include "desktop/pages/GbkBridge.h"
#include "desktop/pages/MakerBar.h"
#include "desktop/pages/ProblemPageWidget.h"
#include "desktop/tools/PaperWindow.h"
#include "maker/Paper.h"
#include "maker/ProblemMaker.h"
#include "pages/Session.h"
#include "solver/DataFile.h"

#include "PageFinders.h"
#include "WhenModal.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

using namespace qimbel;

class MakerGuiTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ResetSession(); }

    // The made problem goes below what the pupil typed; 换一道 swaps only it; check and compute
    // then work it like a typed line.
    void makeAndMakeAnotherGoBelowTheTypedProblems()
    {
        MainWindow window;
        window.TabWidget()->setCurrentIndex(4);
        QCOMPARE(CurrentType(), 20);
        auto *bar = Page(window, 134)->findChild<MakerBar *>(QStringLiteral("maker_bar"));
        QVERIFY(bar != nullptr);
        bar->SetSeed(7);
        QPlainTextEdit *edit = Edit(window, 134);
        edit->setPlainText(QStringLiteral("1+2"));
        Button(window, 134, QStringLiteral("button_make"))->click();
        const QString first = FromGbk(MakeProblems(20, MakerLevel::JiChu, 1, 7).problems.at(0).line);
        QCOMPARE(edit->toPlainText(), QStringLiteral("1+2\n") + first);

        Button(window, 134, QStringLiteral("button_make_again"))->click();
        const QString second = FromGbk(MakeProblems(20, MakerLevel::JiChu, 1, 8).problems.at(0).line);
        QCOMPARE(edit->toPlainText(), QStringLiteral("1+2\n") + second);

        // Once the pupil changed the made line, 换一道 leaves it and makes one more below.
        edit->setPlainText(QStringLiteral("1+2\n") + second + QStringLiteral("+1"));
        Button(window, 134, QStringLiteral("button_make_again"))->click();
        QCOMPARE(edit->document()->blockCount(), 3);
        QVERIFY(edit->toPlainText().startsWith(QStringLiteral("1+2\n") + second + QStringLiteral("+1\n")));

        // Above the results of a compute, at the end of the typed problems.
        edit->setPlainText(QStringLiteral("1+2"));
        Button(window, 134, QStringLiteral("button_1039"))->click();
        Button(window, 134, QStringLiteral("button_1006"))->click();
        Page(window, 134)->findChild<QComboBox *>(QStringLiteral("combo_make_level"))->setCurrentIndex(2);
        bar->SetSeed(3);
        Button(window, 134, QStringLiteral("button_make"))->click();
        const QString third = FromGbk(MakeProblems(20, MakerLevel::TuoZhan, 1, 3).problems.at(0).line);
        QVERIFY2(edit->toPlainText().startsWith(QStringLiteral("1＋2\n") + third + QStringLiteral("\n----")),
            qPrintable(edit->toPlainText()));
    }

    // A system is made as one line per equation; a type without a maker greys the buttons.
    void systemsTakeOneLineEachAndOtherTypesAreGrey()
    {
        MainWindow window;
        window.TabWidget()->setCurrentIndex(5);
        Button(window, 135, QStringLiteral("type_26_1149"))->click();
        QCOMPARE(CurrentType(), 26);
        auto *bar = Page(window, 135)->findChild<MakerBar *>(QStringLiteral("maker_bar"));
        bar->SetSeed(1);
        Edit(window, 135)->clear();
        Button(window, 135, QStringLiteral("button_make"))->click();
        QVERIFY2(Edit(window, 135)->document()->blockCount() == 2, qPrintable(Edit(window, 135)->toPlainText()));
        QVERIFY(!Edit(window, 135)->toPlainText().contains(QStringLiteral("；")));

        // 数的基本性质: the list on one line, the question on the next.
        window.TabWidget()->setCurrentIndex(0);
        Button(window, 129, QStringLiteral("type_16_1080"))->click();
        QCOMPARE(CurrentType(), 16);
        Edit(window, 129)->clear();
        Button(window, 129, QStringLiteral("button_make"))->click();
        QVERIFY2(Edit(window, 129)->document()->blockCount() == 2, qPrintable(Edit(window, 129)->toPlainText()));
        QVERIFY(Edit(window, 129)->document()->lastBlock().text().endsWith(QStringLiteral("？")));

        // A type without a maker greys the buttons.
        auto *first = Page(window, 129)->findChild<MakerBar *>(QStringLiteral("maker_bar"));
        first->SetType(19);
        QVERIFY(!Button(window, 129, QStringLiteral("button_make"))->isEnabled());
        QVERIFY(!Button(window, 129, QStringLiteral("button_similar"))->isEnabled());
    }

    // 举一反三: five problems like the line under the caret, a solution on a click, and all five
    // into the text box on 放进题目框.
    void similarShowsFiveProblemsWithTheirSolutions()
    {
        MainWindow window;
        window.TabWidget()->setCurrentIndex(5);
        QCOMPARE(CurrentType(), 25);
        QPlainTextEdit *edit = Edit(window, 135);
        edit->setPlainText(QStringLiteral("3x+5=2x-7"));
        edit->moveCursor(QTextCursor::End);
        QString shown;
        QString solution;
        WhenModal([&](QWidget *dialog) {
            auto *list = dialog->findChild<QListWidget *>(QStringLiteral("similar_list"));
            for (int i = 0; i < list->count(); ++i)
                shown += list->item(i)->text() + QLatin1Char('\n');
            list->setCurrentRow(1);
            solution = dialog->findChild<QPlainTextEdit *>(QStringLiteral("similar_solution"))->toPlainText();
            dialog->findChild<QPushButton *>(QStringLiteral("button_similar_add"))->click();
        });
        Button(window, 135, QStringLiteral("button_similar"))->click();
        QCOMPARE(shown.count(QLatin1Char('\n')), 5);
        QVERIFY2(solution.contains(QStringLiteral("x＝")), qPrintable(solution));
        QCOMPARE(edit->document()->blockCount(), 6);
        QCOMPARE(edit->document()->firstBlock().text(), QStringLiteral("3x+5=2x-7"));
    }

    // 自动组卷 from the 自动出卷及测试 tab: a grade's default kinds, 满分100, the paper and its key as
    // the model makes them; a total other than 100 is said in the window.
    void paperWindowMakesTheGradesPaper()
    {
        MainWindow window;
        QVERIFY(window.findChild<QPushButton *>(QStringLiteral("button_paper")) != nullptr);
        PaperWindow paper;
        paper.ChooseGrade(8);
        paper.SetSeed(5);
        QVERIFY(paper.MakeThePaper());
        PaperRequest request;
        request.title = GradeName(8) + ToGbk(QStringLiteral("数学测试卷"));
        request.kinds = GradeSelection(ReadDataFile(CurriculumPath()), 8);
        request.seed = 5;
        const MadePaper made = MakePaper(request);
        QCOMPARE(paper.PaperText(), FromGbk(made.paper));
        QCOMPARE(paper.KeyText(), FromGbk(made.key));
        // Printed by the test paper's layout: the paper's pages, then the key's.
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("paper.pdf"));
        QVERIFY(ExportMadePaperPdf(pdf, made));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))) >= 2);
        QVERIFY(paper.findChild<QLabel *>(QStringLiteral("label_total"))->text().contains(QStringLiteral("合计100分")));

        auto *table = paper.findChild<QTableWidget *>(QStringLiteral("table_kinds"));
        static_cast<QSpinBox *>(table->cellWidget(0, 2))->setValue(10);
        QVERIFY(!paper.MakeThePaper());
        QVERIFY(paper.findChild<QLabel *>(QStringLiteral("label_status"))
                    ->text()
                    .contains(QStringLiteral("满分应是100分")));
    }
};

QTEST_MAIN(MakerGuiTest)
#include "MakerGuiTest.moc"
