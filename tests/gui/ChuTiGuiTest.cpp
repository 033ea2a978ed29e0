// 小学数学四则运算自动出题系统 offscreen: choose, generate, check the paper and its key, export the
// PDF and the text file.
#include "desktop/chuti/ChuTiWindow.h"
#include "desktop/chuti/ShiJuanPrinter.h"
#include "desktop/pages/GbkBridge.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace qimbel;
using namespace qimbel::shijuan;

namespace {

int PdfPages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("%PDF"))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(bytes).count(page));
}

} // namespace

class ChuTiGuiTest : public QObject {
    Q_OBJECT

private:
    ChuTiWindow window_;
    QTemporaryDir dir_;

    template <typename T> T *Child(const char *name)
    {
        T *child = window_.findChild<T *>(QString::fromLatin1(name));
        if (child == nullptr)
            qFatal("no child %s", name);
        return child;
    }
    void SetCounts(int kouSuan, int shuShi, int hunHe, int fangCheng)
    {
        Child<QSpinBox>("count0")->setValue(kouSuan);
        Child<QSpinBox>("count1")->setValue(shuShi);
        Child<QSpinBox>("count2")->setValue(hunHe);
        Child<QSpinBox>("count3")->setValue(fangCheng);
    }

private slots:
    void GradeDecidesWhatCanBeChosen()
    {
        auto *grade = Child<QComboBox>("grade");
        grade->setCurrentIndex(1); // 二年级
        QVERIFY(!Child<QSpinBox>("count3")->isEnabled());
        QVERIFY(!Child<QCheckBox>("decimals")->isEnabled());
        QVERIFY(Child<QSpinBox>("count1")->isEnabled());
        grade->setCurrentIndex(4); // 五年级
        QVERIFY(Child<QSpinBox>("count3")->isEnabled());
        QVERIFY(Child<QCheckBox>("decimals")->isEnabled());
    }

    void GeneratesThePaperAndTheKeyAsChosen()
    {
        Child<QComboBox>("grade")->setCurrentIndex(4);
        SetCounts(12, 3, 3, 3);
        Child<QSpinBox>("score3")->setValue(6);
        Child<QCheckBox>("decimals")->setChecked(true);
        Child<QSpinBox>("seed")->setValue(2026);
        QTest::mouseClick(Child<QPushButton>("generate"), Qt::LeftButton);

        const ShiJuan &paper = window_.Paper();
        QCOMPARE(paper.settings.grade, 5);
        QVERIFY(paper.settings.decimals);
        QCOMPARE(paper.sections.size(), std::size_t {4});
        QCOMPARE(paper.total, 12 * 1 + 3 * 4 + 3 * 5 + 3 * 6);
        QCOMPARE(Child<QLabel>("total")->text(), QStringLiteral("满分：57分"));

        const QString shown = Child<QPlainTextEdit>("paperText")->toPlainText();
        const QString key = Child<QPlainTextEdit>("keyText")->toPlainText();
        QVERIFY(shown.startsWith(QStringLiteral("五年级数学四则运算测试卷")));
        QVERIFY(shown.contains(QStringLiteral("四、解方程。（每题6分，共18分）")));
        for (const ShiJuanBuFen &section : paper.sections)
            for (const ShiJuanTi &p : section.problems) {
                QVERIFY2(shown.contains(FromGbk(p.text)), qPrintable(FromGbk(p.text)));
                // 口算 is answered one problem a line; the other kinds are worked out.
                const QString answered = p.kind == TiXing::KouSuan ? FromGbk(p.text + p.answer) : FromGbk(p.worked);
                QVERIFY2(key.contains(answered), qPrintable(FromGbk(p.text)));
            }

        // The same paper number gives the same paper; 换一套 gives another.
        const QString before = window_.PaperText();
        window_.Generate();
        QCOMPARE(window_.PaperText(), before);
        QTest::mouseClick(Child<QPushButton>("newSeed"), Qt::LeftButton);
        QVERIFY(Child<QSpinBox>("seed")->value() != 2026);
        QVERIFY(window_.PaperText() != before);
    }

    void ExportsThePaperAndTheKeyAsPdf()
    {
        QVERIFY(dir_.isValid());
        // A short paper fits one page; the key starts on the next.
        Child<QComboBox>("grade")->setCurrentIndex(0);
        SetCounts(8, 0, 2, 0);
        window_.Generate();
        const QString small = dir_.filePath(QStringLiteral("small.pdf"));
        QVERIFY(window_.ExportPdf(small));
        QCOMPARE(PdfPages(small), 2);

        // A long one runs over several pages on both sides.
        Child<QComboBox>("grade")->setCurrentIndex(5);
        SetCounts(kZuiDuoTiShu, kZuiDuoTiShu, kZuiDuoTiShu, kZuiDuoTiShu);
        window_.Generate();
        const QString large = dir_.filePath(QStringLiteral("large.pdf"));
        QVERIFY(window_.ExportPdf(large));
        QVERIFY2(PdfPages(large) > 10, qPrintable(QString::number(PdfPages(large))));

        // A folder that does not exist: reported, nothing written.
        QVERIFY(!window_.ExportPdf(dir_.filePath(QStringLiteral("missing/paper.pdf"))));
    }

    // Laid out in the printing fonts on an A4 PDF page, the last problem of a paper never stands
    // alone on the paper's last page (三年级 满分100 put it there).
    void NoLoneLastProblemOnPaper()
    {
        // The page of the exported PDF: A4 with margins of 15 mm.
        QPdfWriter writer(dir_.filePath(QStringLiteral("measure.pdf")));
        writer.setPageLayout(QPageLayout(
            QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        const std::unique_ptr<TextMeasure> measure = PrintingMeasure(writer);
        QStringList lone;
        for (int grade = 1; grade <= kZuiGaoNianJi; ++grade)
            for (std::uint64_t seed = 1; seed <= 12; ++seed) {
                ShiJuanSheZhi settings = MoRenSheZhi(grade);
                settings.hundred = seed % 2 == 1;
                settings.seed = seed;
                const std::vector<PaperPage> pages
                    = LayOutPaper(ZuShiJuan(settings), *measure, writer.width(), writer.height());
                // The paper's last page: the page before the key's first.
                std::size_t last = 0;
                while (last + 1 < pages.size() && !pages[last + 1].key)
                    ++last;
                int problems = 0, headings = 0;
                for (const PaperRun &run : pages[last].runs) {
                    problems += run.problem ? 1 : 0;
                    headings += run.heading ? 1 : 0;
                }
                if (last > 0 && problems == 1 && headings == 0)
                    lone << QStringLiteral("grade %1 seed %2").arg(grade).arg(seed);
            }
        QVERIFY2(lone.isEmpty(), qPrintable(lone.join(QLatin1Char('\n'))));
    }

    void SavesPaperAndKeyAsText()
    {
        Child<QComboBox>("grade")->setCurrentIndex(2);
        window_.Generate();
        const QString path = dir_.filePath(QStringLiteral("paper.txt"));
        QVERIFY(window_.SaveText(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.startsWith(QStringLiteral("三年级数学四则运算测试卷")));
        QVERIFY(text.contains(window_.PaperText()));
        QVERIFY(text.contains(window_.KeyText()));
        QVERIFY(!window_.SaveText(dir_.filePath(QStringLiteral("missing/paper.txt"))));
    }
};

QTEST_MAIN(ChuTiGuiTest)
#include "ChuTiGuiTest.moc"
