// 错题本 and 练一练 in the window: wrong marks of 批改我的解答 kept once, the tab's list, filters,
// 重做, delete, export/import and printing; a round of 练一练 from start to report, its wrong tries
// in the notebook, and the round and the notebook both still there after a restart.
#include "desktop/app/MainWindow.h"
#include "desktop/notebook/NotebookTab.h"
#include "desktop/notebook/PracticeDialog.h"
#include "desktop/pages/GbkBridge.h"
#include "pages/ProblemPage.h"

#include "PageFinders.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace qimbel;

namespace {

constexpr int kDay = 20795; // 2026-12-08

MadeProblems FakeMaker(int type, MakerLevel level, int count, std::uint64_t)
{
    MadeProblems made;
    for (int i = 0; i < count; ++i)
        made.problems.push_back({type, level, ToGbk(QStringLiteral("%1－(2＋1)").arg(i + 3)), std::to_string(i)});
    return made;
}

MadeProblems FakeSimilar(int type, const std::string &line, int count, std::uint64_t)
{
    MadeProblems made;
    for (int i = 0; i < count; ++i)
        made.problems.push_back({type, MakerLevel::JiChu, "1" + line, "?"});
    return made;
}

void Mark(MainWindow &window, const QString &text)
{
    window.TabWidget()->setCurrentIndex(4);
    Edit(window, 134)->setPlainText(text);
    Button(window, 134, QStringLiteral("button_mark"))->click();
}

template <class T> T *Child(QWidget *parent, const char *name)
{
    T *child = parent->findChild<T *>(QString::fromLatin1(name));
    if (child == nullptr)
        qFatal("no %s", name);
    return child;
}

} // namespace

class NotebookGuiTest : public QObject {
    Q_OBJECT
private slots:
    void wrongMarksGoIntoTheNotebookOnce()
    {
        QTemporaryDir dir;
        MainWindow window;
        window.SetNotebookFile(dir.filePath(QStringLiteral("notebook.db")));
        NotebookTab *tab = window.Notebook();
        QCOMPARE(window.TabWidget()->tabText(window.TabWidget()->count() - 1), QStringLiteral("错题本"));
        tab->SetToday(kDay);
        Mark(window, QStringLiteral("5-8\n＝3"));
        Mark(window, QStringLiteral("5-8\n＝3\n\n2-(1+1)\n=2-2\n=0"));
        QCOMPARE(tab->Book().Size(), std::size_t {1});
        const NotebookEntry &entry = *tab->Book().Entries()[0];
        QCOMPARE(FromGbk(entry.problem), QStringLiteral("5-8"));
        QCOMPARE(FromGbk(entry.slip), QStringLiteral("符号错误"));
        QCOMPARE(FromGbk(entry.correction), QStringLiteral("－3"));
        QCOMPARE(entry.wrongTries, 2);
        QVERIFY(!entry.solution.empty());
        // The marked copy and the status bar are as without the notebook.
        QVERIFY(Edit(window, 134)->toPlainText().contains(QStringLiteral("批改结果：")));

        // Another window on the same file finds the entry.
        MainWindow second;
        second.SetNotebookFile(dir.filePath(QStringLiteral("notebook.db")));
        QCOMPARE(second.Notebook()->Book().Size(), std::size_t {1});
    }

    void theTabListsFiltersRedoesAndPrints()
    {
        QTemporaryDir dir;
        MainWindow window;
        window.SetNotebookFile(dir.filePath(QStringLiteral("notebook.db")));
        NotebookTab *tab = window.Notebook();
        tab->SetToday(kDay - 3);
        Mark(window, QStringLiteral("5-8\n＝3"));
        tab->SetToday(kDay);
        Mark(window, QStringLiteral("7-(1+2)\n=7-1+2\n=8"));
        QCOMPARE(tab->Book().Size(), std::size_t {2});
        const std::vector<std::int64_t> shown = tab->ShownIds();
        QCOMPARE(shown.size(), std::size_t {2});
        // Today's due one first: the one from three days ago.
        QCOMPARE(FromGbk(tab->Book().Find(shown[0])->problem), QStringLiteral("5-8"));
        QCOMPARE(tab->StatusText(), QStringLiteral("今天要重做1道，共2道错题，已掌握0道。"));
        auto *list = Child<QListWidget>(tab, "notebook_list");
        QVERIFY(list->item(0)->text().startsWith(QStringLiteral("【今天重做】5-8")));
        QVERIFY(Child<QWidget>(tab, "notebook_chart")->isVisibleTo(tab));

        auto *slip = Child<QComboBox>(tab, "notebook_slip");
        slip->setCurrentIndex(slip->findText(QStringLiteral("去括号时没有变号")));
        QCOMPARE(tab->ShownIds().size(), std::size_t {1});
        slip->setCurrentIndex(0);

        // 重做 of the due one, right: one right redo in a row.
        tab->Select(shown[0]);
        Child<QPushButton>(tab, "button_redo")->click();
        auto *redo = Child<QPlainTextEdit>(tab, "notebook_redo");
        QCOMPARE(redo->toPlainText(), QStringLiteral("5-8\n"));
        redo->setPlainText(QStringLiteral("5-8\n＝－3"));
        Child<QPushButton>(tab, "button_redo_mark")->click();
        QVERIFY(Child<QPlainTextEdit>(tab, "notebook_detail")->toPlainText().contains(QStringLiteral("做对了！")));
        QCOMPARE(tab->Book().Find(shown[0])->rightInRow, 1);
        QCOMPARE(tab->StatusText(), QStringLiteral("今天要重做0道，共2道错题，已掌握0道。"));

        // 举一反三 says what the maker says.
        tab->Select(shown[0]);
        QVERIFY(!tab->SimilarOfSelected().isEmpty());

        // 导出, then 导入 into a fresh notebook: the same; a damaged file changes nothing.
        const QString exported = dir.filePath(QStringLiteral("a.json"));
        QVERIFY(tab->ExportTo(exported));
        MainWindow other;
        other.SetNotebookFile(dir.filePath(QStringLiteral("other.db")));
        QVERIFY(other.Notebook()->ImportFrom(exported));
        QCOMPARE(other.Notebook()->Book().ExportJson(), tab->Book().ExportJson());
        QFile cut(dir.filePath(QStringLiteral("cut.json")));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(tab->Book().ExportJson().substr(0, 80).c_str());
        cut.close();
        QVERIFY(!other.Notebook()->ImportFrom(cut.fileName()));
        QVERIFY(other.Notebook()->MessageText().contains(QStringLiteral("没有改动")));
        QCOMPARE(other.Notebook()->Book().Size(), std::size_t {2});

        const QString pdf = dir.filePath(QStringLiteral("notebook.pdf"));
        QVERIFY(tab->PrintToPdf(pdf));
        QVERIFY(QFileInfo(pdf).size() > 1000);

        tab->Select(shown[1]);
        tab->DeleteSelected();
        QCOMPARE(tab->Book().Size(), std::size_t {1});
    }

    void aNotebookFileThatCannotBeOpenedIsSaidInChinese()
    {
        QTemporaryDir dir;
        QFile junk(dir.filePath(QStringLiteral("notebook.db")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(5000, 'x'));
        junk.close();
        MainWindow window;
        window.SetNotebookFile(junk.fileName());
        QVERIFY(window.Notebook()->MessageText().contains(QStringLiteral("错题本文件已经损坏")));
        // The window goes on; this run's wrong problems are kept in memory, the file untouched.
        Mark(window, QStringLiteral("5-8\n＝3"));
        QCOMPARE(window.Notebook()->Book().Size(), std::size_t {1});
        QVERIFY(junk.open(QIODevice::ReadOnly));
        QCOMPARE(junk.readAll(), QByteArray(5000, 'x'));
    }

    void practiceFromStartToReportAndAcrossARestart()
    {
        QTemporaryDir dir;
        const QString session = dir.filePath(QStringLiteral("session"));
        {
            MainWindow window;
            window.SetSessionFile(session);
            window.SetNotebookFile(dir.filePath(QStringLiteral("notebook.db")));
            // The makers of this build make nothing yet: 练一练 says so in a sentence.
            window.TabWidget()->setCurrentIndex(4);
            Button(window, 134, QStringLiteral("button_practice"))->click();
            PracticeDialog *dialog = window.PracticeWindow();
            QVERIFY(dialog != nullptr);
            Child<QPushButton>(dialog, "button_practice_start")->click();
            QVERIFY(Child<QLabel>(dialog, "practice_refusal")->text().endsWith(QStringLiteral("。")));

            window.Book().PracticeRound().SetMakers(FakeMaker, FakeSimilar);
            QCOMPARE(dialog->StartRound(0, 5), QString());
            QCOMPARE(Child<QLabel>(dialog, "practice_progress")->text(), QStringLiteral("第1题，共5题"));
            QCOMPARE(Child<QLabel>(dialog, "practice_problem")->text(), QStringLiteral("3－(2＋1)"));
            auto *working = Child<QPlainTextEdit>(dialog, "practice_working");
            working->setPlainText(QStringLiteral("=3-2+1\n=2"));
            dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            working->setFocus();
            QTest::keyClick(working, Qt::Key_Return, Qt::ControlModifier);
            QVERIFY(Child<QPlainTextEdit>(dialog, "practice_marked")
                        ->toPlainText()
                        .contains(QStringLiteral("去括号时没有变号")));
            QCOMPARE(window.Notebook()->Book().Size(), std::size_t {1});
            QVERIFY(Child<QPushButton>(dialog, "button_practice_retry")->isEnabled());
            Child<QPushButton>(dialog, "button_practice_retry")->click();
            QCOMPARE(working->toPlainText(), QString());
            working->setPlainText(QStringLiteral("=3-3\n=0"));
            Child<QPushButton>(dialog, "button_practice_mark")->click();
            QVERIFY(!Child<QPushButton>(dialog, "button_practice_retry")->isEnabled());
            Child<QPushButton>(dialog, "button_practice_next")->click();
            working->setPlainText(QStringLiteral("=4-3"));
            QVERIFY(window.SaveSession());
        }
        MainWindow window;
        window.SetSessionFile(session);
        window.SetNotebookFile(dir.filePath(QStringLiteral("notebook.db")));
        window.RestoreSession();
        QCOMPARE(window.Notebook()->Book().Size(), std::size_t {1});
        PracticeDialog *dialog = window.PracticeWindow();
        QVERIFY(dialog != nullptr);
        QCOMPARE(Child<QLabel>(dialog, "practice_progress")->text(), QStringLiteral("第2题，共5题"));
        QCOMPARE(Child<QPlainTextEdit>(dialog, "practice_working")->toPlainText(), QStringLiteral("=4-3"));
        for (int i = 0; i < 4; ++i)
            Child<QPushButton>(dialog, "button_practice_next")->click();
        const QString report = Child<QPlainTextEdit>(dialog, "practice_report")->toPlainText();
        QVERIFY(report.startsWith(QStringLiteral("练习报告\n共5道题：一次就做对0道，改正后做对1道，做错4道。")));
        QVERIFY(report.contains(QStringLiteral("你一次去括号时没有变号")));
    }
};

QTEST_MAIN(NotebookGuiTest)
#include "NotebookGuiTest.moc"
