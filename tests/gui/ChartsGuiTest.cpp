// The chart and graph pages as a pupil sees them: each page is rendered offscreen and its pixels
// are checked. What the pictures hold is tested on the models' display lists.
#include "desktop/charts/ChartsPage.h"
#include "desktop/charts/DisplayListView.h"
#include "desktop/charts/FrequencyDialog.h"
#include "desktop/charts/FunctionGraphPage.h"
#include "desktop/pages/GbkBridge.h"

#include "WhenModal.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

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
bool IsBlue(QRgb c) { return qBlue(c) > 200 && qRed(c) < 80 && qGreen(c) < 80; }

// A pixel of the colour within a pixel of (x, y): a curve passes there.
bool Near(const QImage &image, double x, double y, bool (*is)(QRgb))
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (is(image.pixel(qRound(x) + dx, qRound(y) + dy)))
                return true;
    return false;
}

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
    void graphOfALineIsRedWhereItMustPassAndGrowsWithThePage()
    {
        auto page = GraphOf(QStringLiteral("y＝2x＋1"));
        auto *picture = Child<DisplayListView>(page.get(), QStringLiteral("picture_graph"));
        const QImage image = picture->grab().toImage();
        QVERIFY(image.width() > 500 && image.height() > 500);
        const GraphView &view = page->Graph().View();
        QCOMPARE(view.unit, 25.0);
        const int ox = qRound(view.PixelX(0)), oy = qRound(view.PixelY(0));
        QCOMPARE(image.pixel(ox - 150, oy), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(ox, oy + 150), qRgb(0, 0, 0));
        QVERIFY(Near(image, view.PixelX(0), view.PixelY(1), IsRed));
        QVERIFY(Near(image, view.PixelX(2), view.PixelY(5), IsRed));
        QCOMPARE(Child<QLabel>(page.get(), QStringLiteral("label_status"))->text(), QStringLiteral("已画出图象。"));
        const QString properties = Child<QPlainTextEdit>(page.get(), QStringLiteral("text_properties"))->toPlainText();
        QVERIFY(QString(properties)
                    .remove(QChar(0x2060))
                    .contains(QStringLiteral("与x轴的交点：令y＝0，得2x＋1＝0，解得x＝－0.5，交点是(－0.5，0)。")));
        // A formula is joined so that the narrow panel never breaks it; Chinese text is not.
        QVERIFY(properties.contains(QStringLiteral("x\u2060＝\u2060－\u20600\u2060.\u20605")));
        QVERIFY(properties.contains(QStringLiteral("令y")));

        // A larger page, a larger picture at the same scale.
        const QSize before = picture->size();
        page->resize(1400, 900);
        QApplication::processEvents();
        QVERIFY(picture->width() > before.width() && picture->height() > before.height());
        QCOMPARE(picture->Picture().width, picture->width());
    }

    void zoomAndPanMoveTheCurve()
    {
        auto page = GraphOf(QStringLiteral("2x＋1"));
        auto *picture = Child<DisplayListView>(page.get(), QStringLiteral("picture_graph"));
        const GraphView &view = page->Graph().View();
        const auto redAt = [&](double x, double y) {
            const QImage image = picture->grab().toImage();
            return Near(image, view.PixelX(x), view.PixelY(y), IsRed);
        };
        QVERIFY(redAt(2, 5));
        Child<QPushButton>(page.get(), QStringLiteral("button_zoom_in"))->click();
        QCOMPARE(view.unit, 50.0);
        QVERIFY(redAt(2, 5));
        QVERIFY(redAt(-1, -1));
        const int x2 = qRound(view.PixelX(2));
        // Dragging 100 pixels to the right carries the point (2, 5) with it.
        QTest::mousePress(picture, Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
        QMouseEvent move(QEvent::MouseMove, QPointF(300, 200), picture->mapToGlobal(QPointF(300, 200)), Qt::NoButton,
            Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &move);
        QTest::mouseRelease(picture, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
        QCOMPARE(qRound(view.PixelX(2)), x2 + 100);
        QVERIFY(redAt(2, 5));
        // The wheel zooms about the mouse: the point under it stays.
        const double xUnder = view.X(400);
        QWheelEvent wheel(QPointF(400, 300), picture->mapToGlobal(QPointF(400, 300)), QPoint(), QPoint(0, 120),
            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(picture, &wheel);
        QCOMPARE(view.unit, 62.5);
        QVERIFY(std::fabs(view.X(400) - xUnder) < 1e-9);
        Child<QPushButton>(page.get(), QStringLiteral("button_reset"))->click();
        QCOMPARE(view.unit, 25.0);
        QCOMPARE(view.centreX, 0.0);
    }

    void severalFunctionsInTheirColoursShownAndHidden()
    {
        auto page = GraphOf(QStringLiteral("x^2"));
        Child<QLineEdit>(page.get(), QStringLiteral("edit_function"))->setText(QStringLiteral("y＝－x＋2"));
        Child<QPushButton>(page.get(), QStringLiteral("button_draw"))->click();
        auto *picture = Child<DisplayListView>(page.get(), QStringLiteral("picture_graph"));
        auto *list = Child<QListWidget>(page.get(), QStringLiteral("list_functions"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(1)->text(), QStringLiteral("y＝－x＋2"));
        const GraphView &view = page->Graph().View();
        QImage image = picture->grab().toImage();
        QVERIFY(Near(image, view.PixelX(1.5), view.PixelY(2.25), IsRed));
        QVERIFY(Near(image, view.PixelX(-3), view.PixelY(5), IsBlue));
        QVERIFY(Child<QPlainTextEdit>(page.get(), QStringLiteral("text_properties"))
                    ->toPlainText()
                    .remove(QChar(0x2060))
                    .contains(QStringLiteral("交点是(1，1)、(－2，4)。")));
        list->item(0)->setCheckState(Qt::Unchecked);
        image = picture->grab().toImage();
        QVERIFY(!Near(image, view.PixelX(1.5), view.PixelY(2.25), IsRed));
        QVERIFY(Near(image, view.PixelX(-3), view.PixelY(5), IsBlue));
    }

    void graphRefusesAMistakeWithItsReasonAndKeepsItsPicture()
    {
        auto page = GraphOf(QStringLiteral("x²－1"));
        auto *picture = Child<DisplayListView>(page.get(), QStringLiteral("picture_graph"));
        const QImage first = picture->grab().toImage();
        Child<QLineEdit>(page.get(), QStringLiteral("edit_function"))->setText(QStringLiteral("(x＋1"));
        Child<QPushButton>(page.get(), QStringLiteral("button_draw"))->click();
        QCOMPARE(Child<QLabel>(page.get(), QStringLiteral("label_status"))->text(),
            QStringLiteral("第1个字符“(”的括号没有配对的右括号。"));
        QCOMPARE(picture->grab().toImage(), first);
        QCOMPARE(page->Graph().Functions().size(), std::size_t(1));
        // A refused function stays in the box to be put right; a drawn one leaves it empty, so the
        // next function is never typed onto it.
        auto *box = Child<QLineEdit>(page.get(), QStringLiteral("edit_function"));
        QCOMPARE(box->text(), QStringLiteral("(x＋1"));
        box->setText(QStringLiteral("12 18"));
        Child<QPushButton>(page.get(), QStringLiteral("button_draw"))->click();
        QCOMPARE(page->Graph().Functions().size(), std::size_t(1));
        box->setText(QStringLiteral("y＝2x＋1"));
        Child<QPushButton>(page.get(), QStringLiteral("button_draw"))->click();
        QCOMPARE(page->Graph().Functions().size(), std::size_t(2));
        QCOMPARE(box->text(), QString());
    }

    void savedPictureIsThePictureShown()
    {
        auto page = ChartPage();
        Child<QPushButton>(page.get(), QStringLiteral("button_pie"))->click();
        DisplayListView *picture = ChartPicture(*page);
        const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(RenderDisplayList(picture->Picture()), shown);
    }

    void pointerShowsCoordinatesAndTracesTheCurve()
    {
        auto page = GraphOf(QStringLiteral("x^2"));
        auto *picture = Child<DisplayListView>(page.get(), QStringLiteral("picture_graph"));
        const GraphView &view = page->Graph().View();
        const int px = qRound(view.PixelX(1.5)), py = qRound(view.PixelY(2.25));
        emit picture->PointerMoved(px, py + 2);
        const QString shown = Child<QLabel>(page.get(), QStringLiteral("label_pointer"))->text();
        QVERIFY2(shown.startsWith(QStringLiteral("鼠标位置 (1.5")), qPrintable(shown));
        QVERIFY2(shown.endsWith(QStringLiteral("y＝x^2 上的点 (1.5，2.25)")), qPrintable(shown));
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
            // Nearer the centre than the percentage written in the slice.
            const int x = static_cast<int>(p.cx + std::cos(middle) * p.radius * 0.3);
            const int y = static_cast<int>(p.cy - std::sin(middle) * p.radius * 0.3);
            QCOMPARE(FromGbk(slice.percent).endsWith(QLatin1Char('%')), true);
            const QRgb seen = image.pixel(x, y), wanted = ColourOf(slice.index);
            QVERIFY2(std::abs(qRed(seen) - qRed(wanted)) + std::abs(qGreen(seen) - qGreen(wanted))
                        + std::abs(qBlue(seen) - qBlue(wanted))
                    < 24,
                qPrintable(QStringLiteral("slice %1 at %2,%3: %4").arg(slice.index).arg(x).arg(y).arg(seen, 0, 16)));
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
        // The title went with the table it named.
        QVERIFY(Child<QLineEdit>(page.get(), QStringLiteral("edit_title"))->text().isEmpty());
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

    // The pupil's own table is replaced by a histogram only after a yes.
    void frequencyDialogAsksBeforeReplacingThePupilsTable()
    {
        auto page = ChartPage();
        auto *grid = Child<QTableWidget>(page.get(), QStringLiteral("grid"));
        grid->setItem(1, 1, new QTableWidgetItem(QStringLiteral("99")));
        const ChartTable before = page->Table();
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            WhenModal([answer](QWidget *dialog) {
                Child<QPlainTextEdit>(dialog, QStringLiteral("edit_data"))->setPlainText(QStringLiteral("141 143 150"));
                WhenModal([answer](QWidget *box) { qobject_cast<QMessageBox *>(box)->button(answer)->click(); });
                Child<QPushButton>(dialog, QStringLiteral("button_ok"))->click();
            });
            Child<QPushButton>(page.get(), QStringLiteral("button_histogram"))->click();
            QCOMPARE(page->Table() == before, answer == QMessageBox::No);
        }
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("分组"));
        // The bars are counts, as the axis says.
        QCOMPARE(Child<QLineEdit>(page.get(), QStringLiteral("edit_title"))->text(), QStringLiteral("频数分布直方图"));
    }

    void frequencyDialogTakesAPastedColumnWithTabAndEnter()
    {
        // A column copied from a spreadsheet: CR LF line ends, a tab and a blank line.
        const QString column = QStringLiteral("141\r\n143\t\r\n144\r\n\r\n150\r\n");
        for (const bool enterInTheDataBox : {true, false}) {
            FrequencyDialog dialog;
            dialog.show();
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            auto *data = Child<QPlainTextEdit>(&dialog, QStringLiteral("edit_data"));
            data->setFocus();
            QApplication::clipboard()->setText(column);
            data->paste();
            QVERIFY(data->toPlainText().contains(QLatin1Char('\n')));
            if (!enterInTheDataBox) {
                // Shift+Enter still starts a line by hand; Tab goes on to the class width.
                QTest::keyClick(data, Qt::Key_Return, Qt::ShiftModifier);
                QTest::keyClicks(data, QStringLiteral("149"));
                QVERIFY(dialog.isVisible());
                QTest::keyClick(data, Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), Child<QLineEdit>(&dialog, QStringLiteral("edit_width")));
                QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.Table().total, enterInTheDataBox ? 4 : 5);
        }
    }
};

QTEST_MAIN(ChartsGuiTest)
#include "ChartsGuiTest.moc"
