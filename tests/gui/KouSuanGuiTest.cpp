// The 口算练习生成器 window offscreen: a pupil practises one problem at a time and a whole sheet,
// answering some right and some wrong; the score, the report and the retry follow; the worksheet
// and its answers go to a PDF with the expected number of pages.
#include "desktop/kousuan/KouSuanWindow.h"
#include "desktop/pages/GbkBridge.h"
#include "generators/KouSuanSheet.h"
#include "notebook/Notebook.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace qimbel;
using namespace qimbel::kousuan;

namespace {

Options SmallSheet(int count)
{
    Options o;
    o.add = o.sub = o.mul = o.div = true;
    o.remainder = true;
    o.blank = BlankChoice::Mixed;
    o.count = count;
    o.seed = 2024;
    return o;
}

QString Answer(const Problem &p) { return FromGbk(AnswerText(p)); }

// The pages of a PDF file: its page objects.
int PdfPages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
}

} // namespace

class KouSuanGuiTest : public QObject {
    Q_OBJECT
private slots:
    void OneAtATimeScoresTheFirstTryAndRetriesTheWrongOnes()
    {
        KouSuanWindow window;
        window.SetOptions(SmallSheet(10));
        window.SetSheetMode(false);
        window.show();
        window.findChild<QPushButton *>(QStringLiteral("generate"))->click();
        const Practice *practice = window.CurrentPractice();
        QVERIFY(practice != nullptr);
        QCOMPARE(practice->Count(), 10u);
        auto *question = window.findChild<QLabel *>(QStringLiteral("question"));
        auto *answer = window.findChild<QLineEdit *>(QStringLiteral("answer"));
        // The first answer is typed as a pupil types it; the rest go straight in.
        QCOMPARE(question->text(), FromGbk(QuestionText(practice->Problems()[0])));
        QTest::keyClicks(answer, Answer(practice->Problems()[0]));
        QTest::keyClick(answer, Qt::Key_Return);
        QVERIFY(practice->RightFirstTime(0));
        for (std::size_t i = 1; i < 10; ++i) {
            QCOMPARE(question->text(), FromGbk(QuestionText(practice->Problems()[i])));
            if (i % 3 == 0) {
                window.AnswerCurrent(QStringLiteral("99999")); // wrong: the problem stays on screen
                QCOMPARE(question->text(), FromGbk(QuestionText(practice->Problems()[i])));
                window.NextProblem();
            } else {
                window.AnswerCurrent(Answer(practice->Problems()[i]));
            }
        }
        QCOMPARE(practice->Score(), 7u);
        QCOMPARE(practice->WrongOnes(), (std::vector<std::size_t> {3, 6, 9}));
        const QString report = window.ReportText();
        QVERIFY2(report.contains(QStringLiteral("第一次就做对7题")), qPrintable(report));
        QVERIFY(report.contains(QStringLiteral("第4题")) && report.contains(QStringLiteral("第10题")));
        QVERIFY(report.contains(QStringLiteral("用时")));

        // The retry goes through the three wrong ones only; the score stays.
        auto *retry = window.findChild<QPushButton *>(QStringLiteral("retry"));
        QVERIFY(retry->isEnabled());
        retry->click();
        for (std::size_t i : {3u, 6u, 9u}) {
            QCOMPARE(question->text(), FromGbk(QuestionText(practice->Problems()[i])));
            window.AnswerCurrent(Answer(practice->Problems()[i]));
        }
        QCOMPARE(practice->NextOpen(0), practice->Count());
        QCOMPARE(practice->Score(), 7u);
        QVERIFY(window.ReportText().contains(QStringLiteral("已改正")));
        QVERIFY(!retry->isEnabled());
    }

    // Every wrong answer goes into the 错题本 once, as a problem of 四则混合运算 with its answer.
    void WrongAnswersGoIntoTheNotebook()
    {
        Options o = SmallSheet(6);
        o.remainder = false;
        o.blank = BlankChoice::Result;
        KouSuanWindow window;
        qimbel::Notebook notebook;
        window.SetNotebook(&notebook, 20795);
        window.SetOptions(o);
        window.SetSheetMode(false);
        window.findChild<QPushButton *>(QStringLiteral("generate"))->click();
        const Practice *practice = window.CurrentPractice();
        window.AnswerCurrent(QStringLiteral("99999"));
        window.AnswerCurrent(QStringLiteral("99998"));
        window.AnswerCurrent(Answer(practice->Problems()[0]));
        QCOMPARE(notebook.Size(), std::size_t {1});
        const NotebookEntry &entry = *notebook.Entries()[0];
        QCOMPARE(entry.type, 8);
        QCOMPARE(entry.wrongTries, 2);
        QCOMPARE(FromGbk(entry.working), QStringLiteral("99999"));
        QCOMPARE(entry.correction, AnswerText(practice->Problems()[0]));
        QVERIFY(!FromGbk(entry.problem).endsWith(QStringLiteral("＝")));
        QVERIFY(FromGbk(QuestionText(practice->Problems()[0])).startsWith(FromGbk(entry.problem)));
    }

    void WholeSheetMarksTheWrongOnesAndHandsIn()
    {
        KouSuanWindow window;
        window.SetOptions(SmallSheet(12));
        window.SetSheetMode(true);
        window.show();
        window.Generate();
        const Practice *practice = window.CurrentPractice();
        for (std::size_t i = 0; i < 12; ++i) {
            auto *edit = window.findChild<QLineEdit *>(QStringLiteral("answer_%1").arg(i));
            QVERIFY(edit != nullptr);
            if (i < 8)
                edit->setText(i % 2 == 0 ? Answer(practice->Problems()[i]) : QStringLiteral("-1"));
        }
        window.findChild<QPushButton *>(QStringLiteral("check"))->click();
        QCOMPARE(practice->Score(), 4u);
        QVERIFY(window.findChild<QLineEdit *>(QStringLiteral("answer_0"))->isReadOnly());
        auto *wrong = window.findChild<QLineEdit *>(QStringLiteral("answer_1"));
        QVERIFY(!wrong->isReadOnly());
        QVERIFY(!wrong->styleSheet().isEmpty());
        QVERIFY(!practice->Tried(8)); // left empty: not an attempt
        // Corrected and handed in: the score keeps the first try.
        wrong->setText(Answer(practice->Problems()[1]));
        window.findChild<QPushButton *>(QStringLiteral("hand_in"))->click();
        QCOMPARE(practice->Score(), 4u);
        QVERIFY(practice->RightNow(1));
        const QString report = window.ReportText();
        QVERIFY2(report.contains(QStringLiteral("共12题，做了8题，第一次就做对4题")), qPrintable(report));
    }

    // A practice under way survives closing and reopening the window: the same sheet, the answers
    // and the score, the problem on screen, the round, the boxes of a whole sheet and the time.
    void PracticeGoesOnAfterClosingAndReopening()
    {
        QTemporaryDir dir;
        const QString kept = dir.filePath(QStringLiteral("practice"));
        std::vector<std::string> problems;
        {
            KouSuanWindow window;
            window.SetKeptFile(kept);
            QVERIFY(!window.RestorePractice()); // nothing kept yet
            window.SetOptions(SmallSheet(10));
            window.SetSheetMode(false);
            window.show();
            window.Generate();
            const Practice *practice = window.CurrentPractice();
            for (const Problem &p : practice->Problems())
                problems.push_back(SolvedText(p));
            window.AnswerCurrent(Answer(practice->Problems()[0]));
            window.AnswerCurrent(QStringLiteral("99999")); // wrong, then skipped
            window.NextProblem();
            window.AnswerCurrent(QStringLiteral("abc")); // unreadable: no attempt
            QTest::qWait(1100);
            QVERIFY(window.close());
        }
        {
            KouSuanWindow window;
            window.SetKeptFile(kept);
            QVERIFY(window.RestorePractice());
            const Practice *practice = window.CurrentPractice();
            QVERIFY(practice != nullptr);
            std::vector<std::string> again;
            for (const Problem &p : practice->Problems())
                again.push_back(SolvedText(p));
            QCOMPARE(again, problems);
            QVERIFY(practice->RightFirstTime(0));
            QVERIFY(practice->Tried(1) && !practice->RightNow(1));
            QVERIFY(!practice->Tried(2));
            QCOMPARE(window.findChild<QLabel *>(QStringLiteral("question"))->text(),
                FromGbk(QuestionText(practice->Problems()[2])));
            QVERIFY(window.findChild<QLabel *>(QStringLiteral("clock"))->text().contains(QStringLiteral("1")));
            // Finished after the restart: the report counts the answers of both sittings.
            for (std::size_t i = 2; i < 10; ++i)
                window.AnswerCurrent(Answer(practice->Problems()[i]));
            QVERIFY2(window.ReportText().contains(QStringLiteral("第一次就做对9题")), qPrintable(window.ReportText()));
            QVERIFY(window.close());
        }
        {
            // The report again; then a whole sheet with typed boxes, some checked.
            KouSuanWindow window;
            window.SetKeptFile(kept);
            QVERIFY(window.RestorePractice());
            QVERIFY(window.ReportText().contains(QStringLiteral("第一次就做对9题")));
            window.SetOptions(SmallSheet(12));
            window.SetSheetMode(true);
            window.Generate();
            const Practice *practice = window.CurrentPractice();
            window.findChild<QLineEdit *>(QStringLiteral("answer_0"))->setText(Answer(practice->Problems()[0]));
            window.findChild<QLineEdit *>(QStringLiteral("answer_1"))->setText(QStringLiteral("-1"));
            window.findChild<QPushButton *>(QStringLiteral("check"))->click();
            window.findChild<QLineEdit *>(QStringLiteral("answer_2"))->setText(QStringLiteral("7"));
            QVERIFY(window.close());
        }
        KouSuanWindow window;
        window.SetKeptFile(kept);
        QVERIFY(window.RestorePractice());
        const Practice *practice = window.CurrentPractice();
        QCOMPARE(practice->Count(), 12u);
        QCOMPARE(practice->Score(), 1u);
        QVERIFY(window.findChild<QLineEdit *>(QStringLiteral("answer_0"))->isReadOnly());
        QVERIFY(!window.findChild<QLineEdit *>(QStringLiteral("answer_1"))->styleSheet().isEmpty());
        QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("answer_2"))->text(), QStringLiteral("7"));
        QVERIFY(!practice->Tried(2)); // typed, not yet checked

        // A damaged file changes nothing.
        QFile file(kept);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("QimbelKouSuan 1\noptions 1 1 0 0 20 0 20 0 0 0 5\nstate 0 0 0 99\n");
        file.close();
        KouSuanWindow other;
        other.SetKeptFile(kept);
        QVERIFY(!other.RestorePractice());
        QVERIFY(other.CurrentPractice() == nullptr);
    }

    void ExportsTheWorksheetAndTheAnswerSheet()
    {
        QTemporaryDir dir;
        KouSuanWindow window;
        QVERIFY(!window.ExportPdf(dir.filePath(QStringLiteral("none.pdf")))); // nothing generated yet
        for (int count : {10, 120, 200}) {
            window.SetOptions(SmallSheet(count));
            window.Generate();
            const QString path = dir.filePath(QStringLiteral("sheet-%1.pdf").arg(count));
            QVERIFY(window.ExportPdf(path));
            QVERIFY(QFile::exists(path));
            const int columns = SheetColumns(window.CurrentPractice()->Problems());
            QCOMPARE(PdfPages(path), static_cast<int>(2 * PagesPerSheet(static_cast<std::size_t>(count), columns)));
        }
        // These sheets hold remainders: three columns of 25 rows, so 120 problems take 2 + 2 pages.
        QCOMPARE(PdfPages(dir.filePath(QStringLiteral("sheet-120.pdf"))), 4);
        QCOMPARE(PdfPages(dir.filePath(QStringLiteral("sheet-200.pdf"))), 6);
        QVERIFY(!window.ExportPdf(dir.filePath(QStringLiteral("no/such/folder/x.pdf"))));
    }
};

QTEST_MAIN(KouSuanGuiTest)
#include "KouSuanGuiTest.moc"
