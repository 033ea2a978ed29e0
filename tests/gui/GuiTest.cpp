#include <QTest>

class GuiTest : public QObject {
    Q_OBJECT
private slots:
    void placeholder() { QVERIFY(true); }
};

QTEST_MAIN(GuiTest)
#include "GuiTest.moc"
