// The chart and graph pages as a pupil sees them: each page is rendered offscreen and its pixels
// are checked. What the pictures hold is tested on the models' display lists.
#include "charts/DisplayListView.h"
#include "charts/FunctionGraphPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

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

    void pointerShowsCoordinates()
    {
        auto page = GraphOf(QString());
        auto *picture = Child<DisplayListView>(page.get(), QStringLiteral("picture_graph"));
        QTest::mouseMove(picture, QPoint(300, 125));
        emit picture->PointerMoved(300, 125);
        QCOMPARE(Child<QLabel>(page.get(), QStringLiteral("label_pointer"))->text(),
            QStringLiteral("鼠标位置 (2.00, 5.00)"));
    }
};

QTEST_MAIN(ChartsGuiTest)
#include "ChartsGuiTest.moc"
