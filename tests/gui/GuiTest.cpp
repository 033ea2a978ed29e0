// What a pupil sees and presses in the window: start-up, type buttons, check and compute, tab
// switching, the symbol palette, the text box font, and the crossing between widget text and
// the GBK texts of the page models. The page logic itself is tested below the widgets.
#include "desktop/app/MainWindow.h"
#include "desktop/pages/BusyCursorGuard.h"
#include "desktop/pages/GbkBridge.h"
#include "pages/ProblemPage.h"
#include "desktop/pages/ProblemPageWidget.h"
#include "pages/Session.h"
#include "pages/TypeTable.h"
#include "solver/Solver.h"
#include "desktop/tools/SymbolPalette.h"

#include "PageFinders.h"
#include "WhenModal.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

#include <functional>

using namespace qimbel;

namespace {

const QString kResultHeader = QStringLiteral("\n---------------------------------------------\n解题过程:\n");

QString LabelText(MainWindow &window, int page, int id)
{
    return Page(window, page)->findChild<QLabel *>(QStringLiteral("label_%1").arg(id))->text();
}

void Press(QWidget *dialog, const QString &name)
{
    QPushButton *button = dialog->findChild<QPushButton *>(name);
    if (button == nullptr)
        qFatal("no button %s in the dialog", qPrintable(name));
    button->click();
}

} // namespace

class GuiTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetSession(); }

    void startsOnTheFirstTabWithTypeOne()
    {
        MainWindow window;
        QCOMPARE(window.TabWidget()->count(), 10);
        QCOMPARE(window.TabWidget()->tabText(0), QStringLiteral("小学基础知识"));
        QCOMPARE(window.TabWidget()->tabText(9), QStringLiteral("自动出卷及测试"));
        QCOMPARE(window.TabWidget()->currentIndex(), 0);
        QCOMPARE(CurrentType(), 1);
        QCOMPARE(LabelText(window, 129, 1263), QStringLiteral("数的读法"));
        Solver solver;
        QCOMPARE(LabelText(window, 129, 1216), FromGbk(solver.GetZhaiYao(1)));
        QVERIFY(!LabelText(window, 129, 1216).isEmpty());
        QVERIFY(Edit(window, 129)->toPlainText().isEmpty());

        // Every problem page starts with compute disabled and 运算结果 checked but not changeable;
        // only the word-problem page starts with 显示简介 unchecked.
        for (int page : {129, 130, 131, 133, 134, 135}) {
            QVERIFY(!Button(window, page, QStringLiteral("button_1006"))->isEnabled());
            auto *result = Page(window, page)->findChild<QCheckBox *>(QStringLiteral("check_1259"));
            QVERIFY(result->isChecked() && !result->isEnabled());
            auto *intro = Page(window, page)->findChild<QCheckBox *>(QStringLiteral("check_1015"));
            QCOMPARE(intro->isChecked(), page != 131);
        }
    }

    void typeButtonsFollowTheTypeTable()
    {
        MainWindow window;
        for (int page : {129, 130, 131, 133, 134, 135})
            for (const ProblemType *row : TypesOfPage(page)) {
                const QString name = QStringLiteral("type_%1_%2").arg(row->type).arg(row->buttonId);
                QPushButton *button = Button(window, page, name);
                QCOMPARE(button->text(), FromGbk(row->caption));
                QCOMPARE(button->isEnabled(), row->enabled);
            }
        QVERIFY(!Button(window, 129, QStringLiteral("button_1082"))->isEnabled());
        QVERIFY(Button(window, 131, QStringLiteral("button_1103"))->isEnabled());
        QVERIFY(!Button(window, 131, QStringLiteral("button_1158"))->isEnabled());
    }

    void typeButtonReplacesTypedTextWithTheIntroduction()
    {
        MainWindow window;
        Solver solver;
        QPlainTextEdit *edit = Edit(window, 129);
        edit->setPlainText(QStringLiteral("12345"));
        Button(window, 129, QStringLiteral("type_2_1063"))->click();
        QCOMPARE(edit->toPlainText(), FromGbk(solver.GetJianJie(2)));
        QCOMPARE(CurrentType(), 2);
        QCOMPARE(LabelText(window, 129, 1263), QStringLiteral("数的写法"));
        QCOMPARE(LabelText(window, 129, 1216), FromGbk(solver.GetZhaiYao(2)));

        // With 显示简介 unchecked the typed text is dropped and nothing takes its place.
        Page(window, 129)->findChild<QCheckBox *>(QStringLiteral("check_1015"))->setChecked(false);
        edit->setPlainText(QStringLiteral("12345"));
        Button(window, 129, QStringLiteral("type_1_1062"))->click();
        QCOMPARE(edit->toPlainText(), QString());
        QCOMPARE(CurrentType(), 1);
    }

    void checkNormalisesTheTypedSymbols()
    {
        MainWindow window;
        window.TabWidget()->setCurrentIndex(1);
        QPlainTextEdit *edit = Edit(window, 130);
        edit->setPlainText(QStringLiteral("3+4*2\n5-1"));
        Button(window, 130, QStringLiteral("button_1039"))->click();
        QCOMPARE(edit->toPlainText(), QStringLiteral("3＋4×2\n5－1"));
        QVERIFY(Button(window, 130, QStringLiteral("button_1006"))->isEnabled());
    }

    void computeNeedsACheckEveryTimeOnTheJuniorCalculationPage()
    {
        MainWindow window;
        window.TabWidget()->setCurrentIndex(4);
        QCOMPARE(CurrentType(), 20);
        QPushButton *compute = Button(window, 134, QStringLiteral("button_1006"));
        QPlainTextEdit *edit = Edit(window, 134);
        QVERIFY(!compute->isEnabled());

        edit->setPlainText(QStringLiteral("1+2"));
        Button(window, 134, QStringLiteral("button_1039"))->click();
        QVERIFY(compute->isEnabled());
        compute->click();
        QVERIFY(!compute->isEnabled());
        // The worked text lands below the typed line, with LF line ends on the screen.
        QVERIFY2(
            edit->toPlainText().startsWith(QStringLiteral("1＋2") + kResultHeader), qPrintable(edit->toPlainText()));
        QVERIFY(!edit->toPlainText().contains(QLatin1Char('\r')));

        // Clear keeps the button's state; the next check enables it again and drops the results.
        Button(window, 134, QStringLiteral("button_1293"))->click();
        QVERIFY(edit->toPlainText().isEmpty());
        QVERIFY(!compute->isEnabled());
        edit->setPlainText(QStringLiteral("1＋2") + kResultHeader + QStringLiteral("old"));
        Button(window, 134, QStringLiteral("button_1039"))->click();
        QCOMPARE(edit->toPlainText(), QStringLiteral("1＋2"));
        QVERIFY(compute->isEnabled());
    }

    void optionBoxesSetTheDetailLevelOfACompute()
    {
        MainWindow window;
        window.TabWidget()->setCurrentIndex(4);
        QWidget *page = Page(window, 134);
        const auto compute = [&] {
            Edit(window, 134)->setPlainText(QStringLiteral("1+2"));
            Button(window, 134, QStringLiteral("button_1039"))->click();
            Button(window, 134, QStringLiteral("button_1006"))->click();
        };
        compute();
        QCOMPARE(DetailLevel(), 5);
        page->findChild<QCheckBox *>(QStringLiteral("check_1260"))->setChecked(false);
        compute();
        QCOMPARE(DetailLevel(), 4);
        page->findChild<QCheckBox *>(QStringLiteral("check_1261"))->setChecked(false);
        compute();
        QCOMPARE(DetailLevel(), 1);
        // The boxes keep what the pupil set across the handlers.
        QVERIFY(!page->findChild<QCheckBox *>(QStringLiteral("check_1260"))->isChecked());
    }

    void exampleShowsTheExampleOfTheCurrentType()
    {
        MainWindow window;
        Solver solver;
        window.TabWidget()->setCurrentIndex(4);
        Edit(window, 134)->setPlainText(QStringLiteral("typed"));
        Button(window, 134, QStringLiteral("button_1094"))->click();
        QCOMPARE(Edit(window, 134)->toPlainText(), FromGbk(solver.GetShiLi(20)));
        // The word-problem page has no type: it shows word problems of its own, whatever type
        // another page made current last.
        window.TabWidget()->setCurrentIndex(2);
        Button(window, 131, QStringLiteral("button_1094"))->click();
        QCOMPARE(Edit(window, 131)->toPlainText(), FromGbk(solver.GetShiLi(kWordProblemHelp)));
    }

    void checkedFactorMethodReachesTheCompute()
    {
        MainWindow window;
        window.TabWidget()->setCurrentIndex(4);
        Button(window, 134, QStringLiteral("type_22_1146"))->click();
        QWidget *page = Page(window, 134);
        // What the model writes for the line with method n, page window-free.
        const auto modelText = [](int method) {
            ProblemPage model(134);
            model.SetEditText(ToGbk(QStringLiteral("x^2+5x+6")));
            model.SetFactorMethod(method);
            model.Check();
            model.Compute();
            return FromGbk(model.EditText());
        };
        const auto compute = [&] {
            Edit(window, 134)->setPlainText(QStringLiteral("x^2+5x+6"));
            Button(window, 134, QStringLiteral("button_1039"))->click();
            Button(window, 134, QStringLiteral("button_1006"))->click();
            return Edit(window, 134)->toPlainText();
        };
        // Nothing checked: 综合处理.
        QCOMPARE(compute(), modelText(8));
        QVERIFY(modelText(1) != modelText(8) && modelText(1) != modelText(4));
        for (int method : {1, 4, 8}) {
            page->findChild<QRadioButton *>(QStringLiteral("method_%1").arg(method))->setChecked(true);
            QCOMPARE(compute(), modelText(method));
        }
    }

    void wordProblemPageSolvesAndShowsItsMessage()
    {
        MainWindow window;
        window.TabWidget()->setCurrentIndex(2);
        QCOMPARE(LabelText(window, 131, 1263), QStringLiteral("公式应用题"));
        QVERIFY(LabelText(window, 131, 1216).contains(QStringLiteral("〖")));
        Edit(window, 131)
            ->setPlainText(
                QStringLiteral("长方形的长是5米\n〖长方形〗长方形的长是5米，宽是3米，求长方形的面积是多少？\n"));
        Button(window, 131, QStringLiteral("button_1039"))->click();
        // The line without a formula file brings up a message box: no caption, one OK button.
        QString shown;
        QString caption = QStringLiteral("unset");
        WhenModal([&shown, &caption](QWidget *box) {
            auto *message = qobject_cast<QMessageBox *>(box);
            if (message == nullptr)
                qFatal("the modal window is not a message box");
            shown = message->text();
            caption = message->windowTitle();
            QCOMPARE(message->buttons().size(), 1);
            message->button(QMessageBox::Ok)->click();
        });
        Button(window, 131, QStringLiteral("button_1006"))->click();
        QCOMPARE(shown,
            QStringLiteral("请在题目的前面写清楚支持的公式文件，例如要求长方形的话，则在题目的前面添加〖边长〗！"));
        QVERIFY(caption.isEmpty());
        QVERIFY(Edit(window, 131)->toPlainText().contains(QStringLiteral("面积＝长×宽\n＝5×3\n＝15")));
        QVERIFY(Button(window, 131, QStringLiteral("button_1006"))->isEnabled());
    }

    void switchingTabsKeepsTypedTextAndFollowsTheTabType()
    {
        MainWindow window;
        QTabWidget *tabs = window.TabWidget();
        Edit(window, 129)->setPlainText(QStringLiteral("一百二十\n"));
        tabs->setCurrentIndex(4);
        QCOMPARE(CurrentType(), 20);
        QCOMPARE(LabelText(window, 134, 1263), QStringLiteral("有理数四则运算"));
        Edit(window, 134)->setPlainText(QStringLiteral("2*(3+4)-5"));

        // Tabs without a type of their own leave the current type alone.
        for (int tab : {2, 6, 7, 8, 9}) {
            tabs->setCurrentIndex(tab);
            QCOMPARE(CurrentType(), 20);
        }
        tabs->setCurrentIndex(5);
        QCOMPARE(CurrentType(), 25);
        tabs->setCurrentIndex(4);
        tabs->setCurrentIndex(0);
        QCOMPARE(CurrentType(), 1);
        QCOMPARE(Edit(window, 129)->toPlainText(), QStringLiteral("一百二十\n"));
        QCOMPARE(Edit(window, 134)->toPlainText(), QStringLiteral("2*(3+4)-5"));
    }

    void chartAndGraphTabsShowTheirPages()
    {
        MainWindow window;
        window.TabWidget()->setCurrentIndex(6);
        QCOMPARE(window.TabWidget()->currentWidget()->objectName(), QStringLiteral("page_132"));
        QVERIFY(window.TabWidget()->currentWidget()->findChild<QWidget *>(QStringLiteral("picture_chart")) != nullptr);
        window.TabWidget()->setCurrentIndex(7);
        QCOMPARE(window.TabWidget()->currentWidget()->objectName(), QStringLiteral("page_137"));
        QVERIFY(window.TabWidget()->currentWidget()->findChild<QWidget *>(QStringLiteral("picture_graph")) != nullptr);
    }

    void symbolPaletteAppendsItsSelectionAtTheEnd()
    {
        MainWindow window;
        window.TabWidget()->setCurrentIndex(1);
        QPlainTextEdit *edit = Edit(window, 130);
        edit->setPlainText(QStringLiteral("1\n"));
        edit->moveCursor(QTextCursor::Start); // the caret does not decide where symbols go

        WhenModal([](QWidget *palette) {
            QCOMPARE(palette->windowTitle(), QStringLiteral("标准符号"));
            Press(palette, QStringLiteral("symbol_1234")); // ＋
            Press(palette, QStringLiteral("symbol_1234"));
            Press(palette, QStringLiteral("symbol_1249")); // ( )
            Press(palette, QStringLiteral("button_1"));
        });
        Button(window, 130, QStringLiteral("button_1231"))->click();
        QCOMPARE(edit->toPlainText(), QStringLiteral("1\n＋＋( )"));

        // Cancel after several presses changes nothing.
        WhenModal([](QWidget *palette) {
            Press(palette, QStringLiteral("symbol_1245"));
            Press(palette, QStringLiteral("symbol_1246"));
            Press(palette, QStringLiteral("button_2"));
        });
        Button(window, 130, QStringLiteral("button_1231"))->click();
        QCOMPARE(edit->toPlainText(), QStringLiteral("1\n＋＋( )"));
    }

    void symbolPaletteKeepsWhatThePupilTyped()
    {
        SymbolPalette palette;
        auto *line = palette.findChild<QLineEdit *>(QStringLiteral("edit_1004"));
        QVERIFY(line->text().isEmpty());
        line->setText(QStringLiteral("x"));
        Press(&palette, QStringLiteral("symbol_1250")); // [ ] with its trailing blank
        Press(&palette, QStringLiteral("symbol_1205")); // φ without the caption's leading blank
        QCOMPARE(palette.Selection(), QStringLiteral("x[ ] φ"));
        QCOMPARE(palette.findChild<QPushButton *>(QStringLiteral("symbol_1205"))->text(), QStringLiteral(" φ"));
        QCOMPARE(palette.findChild<QPushButton *>(QStringLiteral("symbol_1234"))->toolTip(), QStringLiteral("加号"));
        QVERIFY(palette.findChild<QPushButton *>(QStringLiteral("symbol_1253"))->toolTip().isEmpty());
    }

    void aboutBoxNamesTheVersion()
    {
        MainWindow window;
        QString caption;
        QString version;
        WhenModal([&](QWidget *box) {
            caption = box->windowTitle();
            version = box->findChild<QLabel *>(QStringLiteral("version"))->text();
            Press(box, QStringLiteral("button_1"));
        });
        window.ShowAbout();
        QCOMPARE(caption, QStringLiteral("关于 Qimbel"));
        QCOMPARE(version, QStringLiteral("Qimbel 3.0 版"));
    }

    void textBoxDrawsTwoByteCharactersTwoColumnsWide()
    {
        // Worked solutions align their lines with blanks counted in GBK bytes: each line below
        // is 12 bytes long, so all of them must end at the same place on the screen.
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.TabWidget()->setCurrentIndex(4);
        QPlainTextEdit *edit = Edit(window, 134);
        const QStringList lines
            = {QStringLiteral("abcdefghijkl"), QStringLiteral("＝3  第1步:x"), QStringLiteral("＋－×÷＝·"),
                QStringLiteral("αΩ├┃≥12"), QStringLiteral("×abcdefghij"), QStringLiteral("x          y")};
        edit->setPlainText(lines.join(QLatin1Char('\n')));
        QTextCursor cursor(edit->document());
        QList<int> ends;
        for (int line = 0; line < lines.size(); ++line) {
            cursor.movePosition(QTextCursor::EndOfBlock);
            ends.append(edit->cursorRect(cursor).x());
            cursor.movePosition(QTextCursor::NextBlock);
        }
        for (int line = 1; line < lines.size(); ++line)
            QCOMPARE(ends[line], ends[0]);
    }

    void widgetTextCrossesToGbkWithCrLf()
    {
        QCOMPARE(ToGbk(QStringLiteral("1＋2\n3")),
            std::string("1\xa3\xab"
                        "2\r\n3"));
        QCOMPARE(FromGbk(std::string("1\xa3\xab"
                                     "2\r\n3\r\n")),
            QStringLiteral("1＋2\n3\n"));
        // Line breaks of every kind the widgets produce end up as one CR LF.
        QCOMPARE(ToGbk(QStringLiteral("a\r\nb\nc") + QChar(QChar::ParagraphSeparator) + QStringLiteral("d")),
            std::string("a\r\nb\r\nc\r\nd"));
        // A character that GBK cannot hold becomes "?" rather than broken bytes.
        QCOMPARE(ToGbk(QStringLiteral("1") + QString::fromUtf8("\xF0\x9F\x98\x80") + QStringLiteral("2")),
            std::string("1?2"));
        QCOMPARE(FromGbk(ToGbk(QStringLiteral("≯≮├∮〖℃"))), QStringLiteral("≯≮├∮〖℃"));
    }

    void busyCursorShowsOnlyPastItsTimeAndComesBack()
    {
        {
            BusyCursorGuard quick(3600 * 1000);
            quick.Tick();
            QVERIFY(!quick.Shown());
            QVERIFY(QGuiApplication::overrideCursor() == nullptr);
            quick.Show();
            QVERIFY(quick.Shown());
            QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        {
            BusyCursorGuard slow(0);
            slow.Tick();
            slow.Tick();
            QVERIFY(slow.Shown());
            QVERIFY(QGuiApplication::overrideCursor() != nullptr);
            QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void computeWritesTheTextBoxOnceAtTheEnd()
    {
        MainWindow window;
        window.TabWidget()->setCurrentIndex(1);
        Button(window, 130, QStringLiteral("type_9_1081"))->click();
        QPlainTextEdit *edit = Edit(window, 130);
        QString text;
        for (int i = 0; i < 300; ++i)
            text += QStringLiteral("%1x+%2=%3\n").arg(i % 7 + 2).arg(i % 5).arg(i);
        edit->setPlainText(text);
        Button(window, 130, QStringLiteral("button_1039"))->click();
        QSignalSpy changes(edit, &QPlainTextEdit::textChanged);
        Button(window, 130, QStringLiteral("button_1006"))->click();
        QCOMPARE(changes.count(), 1);
        QCOMPARE(edit->toPlainText().count(QStringLiteral("解题过程:")), 300);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }
};

QTEST_MAIN(GuiTest)
#include "GuiTest.moc"
