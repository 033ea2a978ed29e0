// The 知识资料汇总 page offscreen: the link labels' colours, the way a click opens a handbook (the
// desktop, else our own viewer, else the warning box) and the viewer's links, find and zoom. The
// desktop's opener is replaced so that a test decides whether it works.
#include "desktop/tools/HandbookViewer.h"
#include "tools/Handbooks.h"
#include "desktop/tools/HyperlinkLabel.h"
#include "desktop/tools/KnowledgePage.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

#include <memory>

using namespace qimbel;

namespace {

constexpr int kFormulas = 1206; // 数学公式定律手册

// An opener that records what it was asked to open and answers `works`.
struct FakeDesktop {
    bool works = false;
    QList<QUrl> asked;
    KnowledgePage::Opener Opener()
    {
        return [this](const QUrl &url) {
            asked.append(url);
            return works;
        };
    }
};

void Hover(QWidget *widget, bool inside)
{
    if (inside) {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(widget, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(widget, &leave);
    }
}

// Clicks `label` and closes the modal box that the click brings up; returns the box's text, empty
// when no box came. The look for the box stops when the click is over.
struct BoxWatch {
    bool clicking = true;
    QString text;
};

void LookForBox(const std::shared_ptr<BoxWatch> &watch)
{
    if (!watch->clicking)
        return;
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
        watch->text = box->text();
        box->accept();
        return;
    }
    QTimer::singleShot(0, [watch] { LookForBox(watch); });
}

QString ClickForWarning(HyperlinkLabel *label)
{
    auto watch = std::make_shared<BoxWatch>();
    LookForBox(watch);
    QTest::mouseClick(label, Qt::LeftButton);
    watch->clicking = false;
    return watch->text;
}

} // namespace

class KnowledgeGuiTest : public QObject {
    Q_OBJECT
private slots:
    void ThreeGroupsHoldTheSevenLabelsInOrder()
    {
        KnowledgePage page;
        const QList<QGroupBox *> boxes = page.findChildren<QGroupBox *>();
        QCOMPARE(boxes.size(), 3);
        QCOMPARE(boxes[0]->title(), QStringLiteral("小学知识"));
        QCOMPARE(boxes[2]->title(), QStringLiteral("高中知识"));
        QStringList captions;
        for (QGroupBox *box : boxes)
            for (HyperlinkLabel *label : box->findChildren<HyperlinkLabel *>())
                captions << label->text();
        QCOMPARE(captions,
            (QStringList {"小学数学奥数知识总结手册", "数学公式定律手册", "初中数学知识点", "数学手册", "中学数学建模",
                "数学思想", "世界数学史"}));
        // The target is the tooltip and lies in the build's data folder.
        HyperlinkLabel *formulas = page.Label(kFormulas);
        QVERIFY(formulas->toolTip().endsWith(QStringLiteral("/ZhiShi/shuxuegongshidinglvshouce.html")));
        QVERIFY(QFile::exists(formulas->toolTip()));
    }

    void ColoursFollowTheMouseAndTheVisit()
    {
        HyperlinkLabel label(QStringLiteral("数学手册"));
        QCOMPARE(label.CurrentColour(), HyperlinkLabel::kUnvisited);
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0, 0, 238));
        QVERIFY(!label.font().underline());
        QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
        Hover(&label, true);
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(label.font().underline());
        label.SetVisited(true);
        QCOMPARE(label.CurrentColour(), HyperlinkLabel::kHover); // the mouse wins while it is there
        Hover(&label, false);
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(85, 26, 139));
        QVERIFY(!label.font().underline());
    }

    void ClickOpensInTheViewerWhenTheDesktopCannot()
    {
        KnowledgePage page;
        FakeDesktop desktop;
        page.SetOpener(desktop.Opener());
        HyperlinkLabel *label = page.Label(kFormulas);
        QCOMPARE(ClickForWarning(label), QString());
        QCOMPARE(desktop.asked.size(), 1);
        QCOMPARE(desktop.asked[0], QUrl::fromLocalFile(label->Target()));
        HandbookViewer *viewer = page.Viewer();
        QVERIFY(viewer != nullptr);
        QVERIFY(viewer->isVisible());
        QVERIFY(viewer->windowTitle().startsWith(QStringLiteral("数学公式定律手册")));
        QVERIFY(viewer->Browser()->toPlainText().contains(QStringLiteral("面积 ＝ 长×宽")));
        QVERIFY(label->Visited());
        QCOMPARE(label->palette().color(QPalette::WindowText), HyperlinkLabel::kVisited);
        // Again: it opens again, in the same window.
        viewer->hide();
        QCOMPARE(ClickForWarning(label), QString());
        QCOMPARE(desktop.asked.size(), 2);
        QCOMPARE(page.Viewer(), viewer);
        QVERIFY(viewer->isVisible());
    }

    void DesktopThatWorksLeavesTheViewerAlone()
    {
        KnowledgePage page;
        FakeDesktop desktop;
        desktop.works = true;
        page.SetOpener(desktop.Opener());
        QTest::keyClick(page.Label(1207), Qt::Key_Return);
        QCOMPARE(desktop.asked.size(), 1);
        QVERIFY(desktop.asked[0].toLocalFile().endsWith(QStringLiteral("shijieshuxueshi.html")));
        QVERIFY(page.Viewer() == nullptr);
        QVERIFY(page.Label(1207)->Visited());
    }

    void MissingFolderOrFileGivesTheWarningAndStaysUnvisited()
    {
        QTemporaryDir install;
        KnowledgePage page;
        FakeDesktop desktop;
        desktop.works = true;
        page.SetOpener(desktop.Opener());
        page.SetInstallationFolder(install.path());
        HyperlinkLabel *label = page.Label(1208);
        QCOMPARE(
            ClickForWarning(label), QStringLiteral("Unable to open hyperlink:\n\nThe specified path was not found."));
        QVERIFY(!label->Visited());
        QVERIFY(QDir(install.path()).mkdir(QStringLiteral("ZhiShi")));
        QCOMPARE(
            ClickForWarning(label), QStringLiteral("Unable to open hyperlink:\n\nThe specified file was not found."));
        QVERIFY(!label->Visited());
        QVERIFY(desktop.asked.isEmpty());
        QVERIFY(page.Viewer() == nullptr);
    }

    void EmptyAndBinaryFilesOpenInTheViewerAHugeOneNowhere()
    {
        QTemporaryDir install;
        QVERIFY(QDir(install.path()).mkdir(QStringLiteral("ZhiShi")));
        const QDir books(install.filePath(QStringLiteral("ZhiShi")));
        QFile(books.filePath(QStringLiteral("shuxueshouce.html"))).open(QIODevice::WriteOnly);
        QFile binary(books.filePath(QStringLiteral("shuxuesixiang.html")));
        QVERIFY(binary.open(QIODevice::WriteOnly));
        QByteArray bytes;
        for (int i = 0; i < 4096; ++i)
            bytes.append(static_cast<char>((i * 7919) & 0xff));
        binary.write(bytes);
        binary.close();
        KnowledgePage page;
        FakeDesktop desktop;
        page.SetOpener(desktop.Opener());
        page.SetInstallationFolder(install.path());
        QCOMPARE(ClickForWarning(page.Label(1208)), QString());
        QVERIFY(page.Viewer()->Browser()->toPlainText().isEmpty());
        QCOMPARE(ClickForWarning(page.Label(1203)), QString());
        QVERIFY(page.Label(1208)->Visited());
        QVERIFY(page.Label(1203)->Visited());
        // A file too large to be a handbook: the desktop failed, the viewer refuses it too.
        QFile huge(books.filePath(QStringLiteral("shijieshuxueshi.html")));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(17 * 1024 * 1024));
        huge.close();
        QCOMPARE(ClickForWarning(page.Label(1207)),
            QStringLiteral("Unable to open hyperlink:\n\nThere was not enough memory to complete the operation."));
        QVERIFY(!page.Label(1207)->Visited());
    }

    void ViewerFollowsLinksBackAndForward()
    {
        HandbookViewer viewer;
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        const QString folder = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("ZhiShi"));
        QCOMPARE(viewer.Open(QDir(folder).filePath(QStringLiteral("shuxuesixiang.html"))), kHandbookOpens);
        QAction *back = viewer.findChild<QAction *>(QStringLiteral("action_back"));
        QAction *forward = viewer.findChild<QAction *>(QStringLiteral("action_forward"));
        QVERIFY(!back->isEnabled());
        // The link at the end of 数学思想 leads to the modelling handbook.
        viewer.Browser()->setSource(QUrl(QStringLiteral("zhongxueshuxuejianmo.html#buzhou")));
        QVERIFY(viewer.windowTitle().startsWith(QStringLiteral("中学数学建模")));
        QVERIFY(viewer.Browser()->verticalScrollBar()->value() > 0);
        QVERIFY(back->isEnabled());
        back->trigger();
        QVERIFY(viewer.windowTitle().startsWith(QStringLiteral("数学思想")));
        QVERIFY(forward->isEnabled());
        forward->trigger();
        QVERIFY(viewer.windowTitle().startsWith(QStringLiteral("中学数学建模")));
        // Opening a handbook starts a new history.
        QCOMPARE(viewer.Open(QDir(folder).filePath(QStringLiteral("shuxueshouce.html"))), kHandbookOpens);
        QVERIFY(!back->isEnabled());
        QCOMPARE(viewer.Open(QDir(folder).filePath(QStringLiteral("nothing.html"))), 2);
        QVERIFY(viewer.windowTitle().startsWith(QStringLiteral("数学手册")));
    }

    void ViewerFindsRoundTheEndAndZoomsWithinLimits()
    {
        HandbookViewer viewer;
        const QString folder = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("ZhiShi"));
        QCOMPARE(viewer.Open(QDir(folder).filePath(QStringLiteral("shuxuegongshidinglvshouce.html"))), kHandbookOpens);
        QVERIFY(viewer.Find(QStringLiteral("勾股定理")));
        const int first = viewer.Browser()->textCursor().position();
        while (viewer.Find(QStringLiteral("勾股定理")) && viewer.Browser()->textCursor().position() != first) { }
        QCOMPARE(viewer.Browser()->textCursor().position(), first); // round the end to the first again
        QVERIFY(viewer.Find(QStringLiteral("勾股定理"), true));
        QVERIFY(!viewer.Find(QStringLiteral("没有这个词")));
        QVERIFY(
            viewer.findChild<QLabel *>(QStringLiteral("find_result"))->text().contains(QStringLiteral("没有这个词")));
        viewer.ZoomBy(100);
        QCOMPARE(viewer.Zoom(), 10);
        viewer.ZoomBy(-3);
        QCOMPARE(viewer.Zoom(), 7);
        viewer.findChild<QAction *>(QStringLiteral("action_zoom_reset"))->trigger();
        QCOMPARE(viewer.Zoom(), 0);
    }
};

QTEST_MAIN(KnowledgeGuiTest)
#include "KnowledgeGuiTest.moc"
