// The chart and graph pages as a pupil sees them: each page is rendered offscreen and its pixels
// are checked. What the pictures hold is tested on the models' display lists.
#include "desktop/charts/ChartsPage.h"
#include "desktop/charts/DisplayListView.h"
#include "desktop/charts/FunctionGraphPage.h"
#include "desktop/pages/GbkBridge.h"

#include "WhenModal.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>

using namespace qimbel;

namespace {

template <class T> T *Child(QWidget *parent, const QString &name)
{
    T *child = parent->findChild<T *>(name);
    if (child == nullptr)
        qFatal("no %s", qPrintable(name));
    return child;
}

bool IsRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; }

// Draws `function` on a fresh graph page and returns the page.
std::unique_ptr<FunctionGraphPage> GraphOf(const QString &function)
{
    auto page = std::make_unique<FunctionGraphPage>();
    page->resize(900, 620);
    page->show();
    Child<QLineEdit>(page.get(), QStringLiteral("edit_function"))->setText(function);
    Child<QPushButton>(page.get(), QStringLiteral("button_draw"))->click();
    return page;
}

// A chart page with the default table, its picture area laid out at its size.
std::unique_ptr<ChartsPage> ChartPage()
{
    auto page = std::make_unique<ChartsPage>();
    page->resize(990, 620);
    page->show();
    return page;
}

DisplayListView *ChartPicture(ChartsPage &page)
{
    return Child<DisplayListView>(&page, QStringLiteral("picture_chart"));
}

ChartLayout LayoutOf(ChartsPage &page, ChartType type)
{
    DisplayListView *picture = ChartPicture(page);
    return LayOutChart(
        BuildChart(page.Table(), ToGbk(Child<QLineEdit>(&page, QStringLiteral("edit_title"))->text()), type).chart,
        picture->width(), picture->height());
}

QRgb ColourOf(int index)
{
    const Colour c = kChartColours[static_cast<std::size_t>(index)];
    return qRgb(c.r, c.g, c.b);
}

} // namespace

class ChartsGuiTest : public QObject {
    Q_OBJECT
private slots:
    void graphOfALineIsRedWhereItMustPass()
    {
        auto page = GraphOf(QStringLiteral("2x＋1"));
        const QImage image = Child<DisplayListView>(page.get(), QStringLiteral("picture_graph"))->grab().toImage();
        QCOMPARE(image.size(), QSize(500, 500));
        QCOMPARE(image.pixel(100, 250), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(480, 250), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(250, 400), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(250, 20), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(100, 100), qRgb(255, 255, 255));
        QVERIFY(IsRed(image.pixel(250, 225)));
        QVERIFY(IsRed(image.pixel(300, 125)));
        QCOMPARE(Child<QLabel>(page.get(), QStringLiteral("label_status"))->text(), QStringLiteral("已画出图象。"));
    }

    void graphStaysInsideItsPicture()
    {
        auto page = GraphOf(QStringLiteral("x^2"));
        auto *picture = Child<DisplayListView>(page.get(), QStringLiteral("picture_graph"));
        const QImage image = page->grab().toImage();
        const QRect inside = picture->geometry();
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (IsRed(image.pixel(x, y))) {
                    QVERIFY2(inside.contains(x, y), qPrintable(QStringLiteral("red at %1,%2").arg(x).arg(y)));
                    ++red;
                }
        QVERIFY(red > 100);
        // The curve enters at the top edge: the top row of the picture holds red pixels.
        bool topRow = false;
        for (int x = inside.left(); x <= inside.right(); ++x)
            topRow = topRow || IsRed(image.pixel(x, inside.top()));
        QVERIFY(topRow);
    }

    void graphRefusesAMistakeAndKeepsItsPicture()
    {
        auto page = GraphOf(QStringLiteral("(x＋1"));
        QCOMPARE(Child<QLabel>(page.get(), QStringLiteral("label_status"))->text(),
            QStringLiteral("括号不配对，画不出图象：请检查函数中的括号。"));
        auto *picture = Child<DisplayListView>(page.get(), QStringLiteral("picture_graph"));
        const QImage first = picture->grab().toImage();
        page->hide();
        page->show();
        QCOMPARE(picture->grab().toImage(), first);
    }

    void savedPictureIsThePictureShown()
    {
        auto page = ChartPage();
        Child<QPushButton>(page.get(), QStringLiteral("button_pie"))->click();
        DisplayListView *picture = ChartPicture(*page);
        const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(RenderDisplayList(picture->Picture()), shown);
    }

    void pointerShowsCoordinates()
    {
        auto page = GraphOf(QString());
        auto *picture = Child<DisplayListView>(page.get(), QStringLiteral("picture_graph"));
        QTest::mouseMove(picture, QPoint(300, 125));
        emit picture->PointerMoved(300, 125);
        QCOMPARE(Child<QLabel>(page.get(), QStringLiteral("label_pointer"))->text(),
            QStringLiteral("鼠标位置 (2.00, 5.00)"));
    }

    void barOfBoysInFirstYearIsColourZeroAtItsHeight()
    {
        auto page = ChartPage();
        Child<QPushButton>(page.get(), QStringLiteral("button_bar"))->click();
        const QImage image = ChartPicture(*page)->grab().toImage();
        const ChartLayout layout = LayoutOf(*page, ChartType::Bar);
        const ChartBar &bar = layout.bars[0];
        const int middle = static_cast<int>(bar.x + bar.width / 2);
        const int top = static_cast<int>(std::lround(layout.axisY - 61 * layout.scale));
        QCOMPARE(image.pixel(middle, top + 3), ColourOf(0));
        QCOMPARE(image.pixel(middle, static_cast<int>(layout.axisY) - 3), ColourOf(0));
        QCOMPARE(image.pixel(middle, top - 3), qRgb(255, 255, 255));
        const ChartBar &girls = layout.bars[1];
        QCOMPARE(
            image.pixel(static_cast<int>(girls.x + girls.width / 2), static_cast<int>(layout.axisY) - 3), ColourOf(1));
        // The title is drawn across the middle of the top.
        int dark = 0;
        for (int y = 10; y < 40; ++y)
            for (int x = image.width() / 2 - 100; x < image.width() / 2 + 100; ++x)
                dark += qGray(image.pixel(x, y)) < 100;
        QVERIFY(dark > 200);
    }

    void lineAndPieUseTheColoursOfTheValues()
    {
        auto page = ChartPage();
        Child<QPushButton>(page.get(), QStringLiteral("button_line"))->click();
        QImage image = ChartPicture(*page)->grab().toImage();
        const ChartLayout line = LayoutOf(*page, ChartType::Line);
        const ChartPoint &boys5 = line.lines[0][4];
        QCOMPARE(image.pixel(static_cast<int>(boys5.x), static_cast<int>(boys5.y)), ColourOf(0));
        const ChartPoint &girls6 = line.lines[1][5];
        QCOMPARE(image.pixel(static_cast<int>(girls6.x), static_cast<int>(girls6.y)), ColourOf(1));

        Child<QPushButton>(page.get(), QStringLiteral("button_pie"))->click();
        image = ChartPicture(*page)->grab().toImage();
        const ChartLayout pie = LayoutOf(*page, ChartType::Pie);
        QVERIFY(pie.pies[0].radius > 20);
        for (const ChartSlice &slice : pie.slices) {
            const ChartPie &p = pie.pies[static_cast<std::size_t>(slice.series)];
            const double middle = (slice.start + slice.span / 2) * M_PI / 180;
            const int x = static_cast<int>(p.cx + std::cos(middle) * p.radius / 2);
            const int y = static_cast<int>(p.cy - std::sin(middle) * p.radius / 2);
            QCOMPARE(image.pixel(x, y), ColourOf(slice.index));
        }
    }

    void gridButtonsAddClearAndReportWhatWasLeftOut()
    {
        auto page = ChartPage();
        auto *grid = Child<QTableWidget>(page.get(), QStringLiteral("grid"));
        QCOMPARE(grid->rowCount(), 35);
        QCOMPARE(grid->item(1, 5)->text(), QStringLiteral("95"));
        Child<QPushButton>(page.get(), QStringLiteral("button_add_row"))->click();
        Child<QPushButton>(page.get(), QStringLiteral("button_add_column"))->click();
        QCOMPARE(grid->rowCount(), 36);
        QCOMPARE(grid->columnCount(), 36);
        for (int c = 1; c <= 11; ++c) {
            grid->setItem(0, c, new QTableWidgetItem(QStringLiteral("列%1").arg(c)));
            grid->setItem(1, c, new QTableWidgetItem(QStringLiteral("5")));
        }
        Child<QPushButton>(page.get(), QStringLiteral("button_bar"))->click();
        QCOMPARE(Child<QLabel>(page.get(), QStringLiteral("label_note"))->text(),
            QStringLiteral("统计图最多画10组、每组10个数据、10个图例：表中多出的数据没有画出。"));
        Child<QPushButton>(page.get(), QStringLiteral("button_clear"))->click();
        QCOMPARE(grid->rowCount(), 35);
        QCOMPARE(grid->columnCount(), 35);
        for (const std::vector<std::string> &row : page->Table())
            for (const std::string &cell : row)
                QVERIFY(cell.empty());
    }

    void frequencyDialogFillsTheGridOrChangesNothing()
    {
        auto page = ChartPage();
        const ChartTable before = page->Table();
        WhenModal([](QWidget *dialog) { Child<QPushButton>(dialog, QStringLiteral("button_cancel"))->click(); });
        Child<QPushButton>(page.get(), QStringLiteral("button_histogram"))->click();
        QVERIFY(page->Table() == before);

        WhenModal([](QWidget *dialog) {
            Child<QPlainTextEdit>(dialog, QStringLiteral("edit_data"))->setPlainText(QStringLiteral("141 143 144 x"));
            Child<QPushButton>(dialog, QStringLiteral("button_ok"))->click();
            QCOMPARE(Child<QLabel>(dialog, QStringLiteral("label_error"))->text(), QStringLiteral("不认识的数据：x"));
            Child<QPlainTextEdit>(dialog, QStringLiteral("edit_data"))
                ->setPlainText(QStringLiteral("141,143,144,145\n147 149 150 152 155 158 160"));
            Child<QPushButton>(dialog, QStringLiteral("button_ok"))->click();
        });
        Child<QPushButton>(page.get(), QStringLiteral("button_histogram"))->click();
        auto *grid = Child<QTableWidget>(page.get(), QStringLiteral("grid"));
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("分组"));
        QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("140~145"));
        QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("3"));
        QCOMPARE(grid->item(5, 2)->text(), QStringLiteral("0.0909"));
        QVERIFY(grid->item(1, 5) == nullptr || grid->item(1, 5)->text().isEmpty());
        // The histogram's first bar, three of eleven, is drawn in colour 0.
        const QImage image = ChartPicture(*page)->grab().toImage();
        int green = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                green += image.pixel(x, y) == ColourOf(0);
        QVERIFY(green > 1000);
    }
};

QTEST_MAIN(ChartsGuiTest)
#include "ChartsGuiTest.moc"
