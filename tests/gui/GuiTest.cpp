// What a pupil sees and presses in the window: start-up, type buttons, check and compute, tab
// switching, the symbol palette, the text box font, and the crossing between widget text and
// the GBK texts of the page models. The page logic itself is tested below the widgets.
#include "desktop/app/MainWindow.h"
#include "desktop/pages/BusyCursorGuard.h"
#include "desktop/pages/GbkBridge.h"
#include "desktop/pages/ProblemPageWidget.h"
#include "desktop/pages/TypesetView.h"
#include "desktop/tools/SymbolPalette.h"
#include "pages/ProblemPage.h"
#include "pages/Session.h"
#include "pages/TypeTable.h"
#include "solver/Solver.h"
#include "typeset/TypesetLayout.h"

#include "PageFinders.h"
#include "WhenModal.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

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
        QCOMPARE(window.TabWidget()->count(), 11);
        QCOMPARE(window.TabWidget()->tabText(0), QStringLiteral("小学基础知识"));
        QCOMPARE(window.TabWidget()->tabText(9), QStringLiteral("自动出卷及测试"));
        QCOMPARE(window.TabWidget()->tabText(10), QStringLiteral("错题本"));
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
                // A greyed button says what its type will do; the others need no word.
                QCOMPARE(button->toolTip(), FromGbk(TypeButtonTip(*row)));
                QCOMPARE(button->toolTip().contains(QStringLiteral("还没有开放")), !row->enabled);
            }
        QVERIFY(Button(window, 131, QStringLiteral("button_1103"))->isEnabled());
    }

    void typeButtonKeepsTypedTextAndShowsTheIntroductionBeside()
    {
        MainWindow window;
        Solver solver;
        QPlainTextEdit *edit = Edit(window, 129);
        // An empty text box gets the introduction; so does one that holds only an introduction.
        Button(window, 129, QStringLiteral("type_4_1077"))->click();
        QCOMPARE(edit->toPlainText(), FromGbk(solver.GetJianJie(4)));
        Button(window, 129, QStringLiteral("type_2_1063"))->click();
        QCOMPARE(edit->toPlainText(), FromGbk(solver.GetJianJie(2)));
        QCOMPARE(CurrentType(), 2);
        QCOMPARE(LabelText(window, 129, 1263), QStringLiteral("数的写法"));
        QCOMPARE(LabelText(window, 129, 1216), FromGbk(solver.GetZhaiYao(2)));

        // Typed problems stay; the introduction goes to the summary panel.
        edit->setPlainText(QStringLiteral("12345\n"));
        Button(window, 129, QStringLiteral("type_1_1062"))->click();
        QCOMPARE(edit->toPlainText(), QStringLiteral("12345\n"));
        QCOMPARE(CurrentType(), 1);
        QCOMPARE(LabelText(window, 129, 1263), QStringLiteral("数的读法"));
        QCOMPARE(LabelText(window, 129, 1216), FromGbk(solver.GetJianJie(1) + "\r\n" + solver.GetZhaiYao(1)));
        QVERIFY(window.statusBar()->currentMessage().contains(QStringLiteral("题目保持不变")));
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

    // What an input method types reaches the page in the forms it reads; a character that cannot
    // be read is named in a message box, and the text stays as typed for the pupil to mend.
    void inputMethodFormsAreReadAndAnUnreadableCharacterIsNamed()
    {
        MainWindow window;
        window.TabWidget()->setCurrentIndex(1);
        QPlainTextEdit *edit = Edit(window, 130);
        QPushButton *check = Button(window, 130, QStringLiteral("button_1039"));
        edit->setPlainText(QStringLiteral("２*(３+４)−５\nx²·3"));
        check->click();
        QCOMPARE(edit->toPlainText(), QStringLiteral("2×(3＋4)－5\nx^2×3"));

        const QString typed = QStringLiteral("1+2\n3+") + QString::fromUtf8("\xF0\x9F\x98\x80");
        edit->setPlainText(typed);
        auto message = std::make_shared<QString>();
        QTimer::singleShot(0, [message] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                *message = box->text();
                box->close();
            }
        });
        check->click();
        QApplication::processEvents();
        QVERIFY2(message->startsWith(QStringLiteral("第2行有无法处理的字符"))
                && message->contains(QStringLiteral("U+1F600")),
            qPrintable(*message));
        QCOMPARE(edit->toPlainText(), typed);
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

    // 批改我的解答 stands on every problem page, enabled for the types that can be marked; it puts
    // the marked copy below the typed working, and the status bar counts the steps.
    void markButtonMarksTheTypedWorking()
    {
        MainWindow window;
        window.TabWidget()->setCurrentIndex(4);
        QPushButton *mark = Button(window, 134, QStringLiteral("button_mark"));
        QVERIFY(mark->isEnabled());
        QPlainTextEdit *edit = Edit(window, 134);
        edit->setPlainText(QStringLiteral("5-8\n＝3"));
        mark->click();
        QCOMPARE(edit->toPlainText(),
            QStringLiteral(
                "5-8\n＝3\n---------------------------------------------\n批改结果：\n5-8\n＝3\n"
                "× 第1步错了：符号错误。\n应该是：－3\n还没有做完：答案不对，要从第1步改起。\n共1步，对0步。\n"));
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("已批改 1 道题：共1步，对0步。"));
        // 二次根式 is marked too; 分解质因数 (page 129) cannot be.
        Button(window, 134, QStringLiteral("type_24_1144"))->click();
        QVERIFY(mark->isEnabled());
        Button(window, 129, QStringLiteral("type_12_1081"))->click();
        QVERIFY(!Button(window, 129, QStringLiteral("button_mark"))->isEnabled());
        for (int page : {129, 130, 131, 133, 135})
            QVERIFY(Button(window, page, QStringLiteral("button_mark")) != nullptr);
    }

    // 下一步检查 and 提示 stand beside it: the last line checked at once, the next move named.
    void stepAtATimeButtonsAnswerBelowTheWorking()
    {
        MainWindow window;
        window.TabWidget()->setCurrentIndex(4);
        QPushButton *last = Button(window, 134, QStringLiteral("button_mark_last"));
        QPushButton *hint = Button(window, 134, QStringLiteral("button_hint"));
        QVERIFY(last->isEnabled());
        QVERIFY(hint->isEnabled());
        QPlainTextEdit *edit = Edit(window, 134);
        edit->setPlainText(QStringLiteral("36-20÷4\n＝16÷4"));
        last->click();
        QCOMPARE(edit->toPlainText(),
            QStringLiteral("36-20÷4\n＝16÷4\n---------------------------------------------\n下一步检查：\n＝16÷4\n"
                           "× 第1步错了：运算顺序错误，先算乘除，后算加减。\n应该是：36－5\n"));
        edit->setPlainText(QStringLiteral("36-20÷4"));
        hint->click();
        QCOMPARE(edit->toPlainText(),
            QStringLiteral("36-20÷4\n---------------------------------------------\n提示：\n下一步：先算20÷4\n"));
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("下一步：先算20÷4"));
        Button(window, 134, QStringLiteral("type_24_1144"))->click();
        QVERIFY(last->isEnabled());
        Button(window, 129, QStringLiteral("type_12_1081"))->click();
        QVERIFY(!Button(window, 129, QStringLiteral("button_mark_last"))->isEnabled());
        QVERIFY(!Button(window, 129, QStringLiteral("button_hint"))->isEnabled());
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
            QStringLiteral("请在题目的前面写清楚支持的公式文件，例如要求长方形的话，则在题目的前面添加〖长方形〗！"));
        QVERIFY(caption.isEmpty());
        QVERIFY(Edit(window, 131)->toPlainText().contains(QStringLiteral("面积＝长×宽\n＝5×3\n＝15")));
        QVERIFY(Button(window, 131, QStringLiteral("button_1006"))->isEnabled());
    }

    void switchingTabsKeepsTypedTextAndEachPagesType()
    {
        MainWindow window;
        QTabWidget *tabs = window.TabWidget();
        Button(window, 129, QStringLiteral("type_4_1077"))->click();
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
        // The first page comes back with the type it was left with: title, buttons and text agree.
        QCOMPARE(CurrentType(), 4);
        QCOMPARE(LabelText(window, 129, 1263), QStringLiteral("因数（公因数）"));
        QCOMPARE(LabelText(window, 129, 1216), FromGbk(Solver().GetZhaiYao(4)));
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

    void symbolPaletteInsertsAtTheCaretInPlaceOfASelection()
    {
        MainWindow window;
        window.TabWidget()->setCurrentIndex(1);
        QPlainTextEdit *edit = Edit(window, 130);
        edit->setPlainText(QStringLiteral("12\n34"));
        QTextCursor caret = edit->textCursor();
        caret.setPosition(1);
        edit->setTextCursor(caret);

        WhenModal([](QWidget *palette) {
            QCOMPARE(palette->windowTitle(), QStringLiteral("标准符号"));
            Press(palette, QStringLiteral("symbol_1234")); // ＋
            Press(palette, QStringLiteral("symbol_1234"));
            Press(palette, QStringLiteral("symbol_1249")); // ( )
            Press(palette, QStringLiteral("button_1"));
        });
        Button(window, 130, QStringLiteral("button_1231"))->click();
        QCOMPARE(edit->toPlainText(), QStringLiteral("1＋＋( )2\n34"));
        QCOMPARE(edit->textCursor().position(), 6); // after the symbols, ready to go on typing

        // A selection is replaced, as typing would replace it; Ctrl+Z takes the insertion back.
        caret.setPosition(8);
        caret.setPosition(10, QTextCursor::KeepAnchor); // "34"
        edit->setTextCursor(caret);
        WhenModal([](QWidget *palette) {
            Press(palette, QStringLiteral("symbol_1245")); // ×
            Press(palette, QStringLiteral("button_1"));
        });
        Button(window, 130, QStringLiteral("button_1231"))->click();
        QCOMPARE(edit->toPlainText(), QStringLiteral("1＋＋( )2\n×"));
        edit->undo();
        QCOMPARE(edit->toPlainText(), QStringLiteral("1＋＋( )2\n34"));

        // Cancel after several presses changes nothing.
        WhenModal([](QWidget *palette) {
            Press(palette, QStringLiteral("symbol_1245"));
            Press(palette, QStringLiteral("symbol_1246"));
            Press(palette, QStringLiteral("button_2"));
        });
        Button(window, 130, QStringLiteral("button_1231"))->click();
        QCOMPARE(edit->toPlainText(), QStringLiteral("1＋＋( )2\n34"));
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
        QString folders;
        QString licences;
        WhenModal([&](QWidget *box) {
            caption = box->windowTitle();
            version = box->findChild<QLabel *>(QStringLiteral("version"))->text();
            folders = box->findChild<QLabel *>(QStringLiteral("folders"))->text();
            licences = box->findChild<QPlainTextEdit *>(QStringLiteral("licences"))->toPlainText();
            Press(box, QStringLiteral("button_1"));
        });
        window.ShowAbout();
        QCOMPARE(caption, QStringLiteral("关于 Qimbel"));
        QCOMPARE(version, QStringLiteral("Qimbel 3.0 版"));
        // The folder of the help texts, and the licences of Qimbel and of the Qt it runs on.
        QVERIFY2(folders.contains(QString::fromStdString(Solver().GetLuJing())), qPrintable(folders));
        QVERIFY(licences.contains(QStringLiteral("【Qimbel】")));
        QVERIFY(licences.contains(QStringLiteral("【Qt %1】").arg(QString::fromLatin1(qVersion()))));
        QVERIFY(licences.contains(QStringLiteral("GNU 宽通用公共许可证（LGPL）第 3 版")));
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

    // 课本排版: chosen on one page, it holds on every page; compute shows it; it is read-only,
    // copies plain text, hands typing to the plain text, and is what 导出PDF puts on paper.
    void typesetViewFollowsThePupilsChoice()
    {
        MainWindow window;
        window.resize(1000, 680);
        window.show();
        window.TabWidget()->setCurrentIndex(TabOfPage(134));
        Button(window, 134, QStringLiteral("type_20_1135"))->click();
        QPlainTextEdit *edit = Edit(window, 134);
        auto *views = Page(window, 134)->findChild<QStackedWidget *>();
        auto *typeset = Page(window, 134)->findChild<TypesetView *>(QStringLiteral("typeset_view"));
        QVERIFY(views != nullptr && typeset != nullptr);
        QCOMPARE(views->currentWidget(), edit); // 纯文本 at start

        Page(window, 134)->findChild<QToolButton *>(QStringLiteral("view_typeset"))->click();
        QCOMPARE(views->currentWidget(), typeset);
        // Typing on the typeset view goes to the plain text, before any old results.
        edit->setPlainText(QStringLiteral("1+1\n---------\nold"));
        typeset->setFocus();
        QTest::keyClicks(typeset, QStringLiteral("2"));
        QCOMPARE(views->currentWidget(), edit);
        QCOMPARE(edit->toPlainText(), QStringLiteral("1+12\n---------\nold"));
        // So does a paste: Ctrl+V is never lost on the typeset view.
        Page(window, 134)->findChild<QToolButton *>(QStringLiteral("view_typeset"))->click();
        QApplication::clipboard()->setText(QStringLiteral("+3"));
        typeset->setFocus();
        QTest::keyClick(typeset, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(views->currentWidget(), edit);
        QCOMPARE(edit->toPlainText(), QStringLiteral("1+12+3\n---------\nold"));

        // Check and compute: the typeset view comes back with the worked text, stacked fractions
        // and raised exponents of at least 70 % of the text size.
        edit->setPlainText(QStringLiteral("1/2+1/3"));
        Button(window, 134, QStringLiteral("button_1039"))->click();
        edit->setPlainText(QStringLiteral("1/2+1/3\n2^2+1"));
        Button(window, 134, QStringLiteral("button_1006"))->click();
        QCOMPARE(views->currentWidget(), typeset);
        const TsDisplayList &list = typeset->Page();
        QVERIFY(!list.rules.empty()); // fraction bars
        double smallest = 1e9;
        for (const TsGlyphs &g : list.glyphs)
            smallest = std::min(smallest, g.size);
        QVERIFY(smallest >= 0.7 * kTypesetPixelSize);
        QVERIFY(smallest < kTypesetPixelSize); // the exponent is raised and smaller
        // Nothing is clipped at the smallest window: the view scrolls to the end of the page.
        QVERIFY(typeset->verticalScrollBar()->maximum() + typeset->viewport()->height() >= list.height - 1);

        // Copy gives back the plain text of the selected lines, or of all of them.
        typeset->Copy();
        QCOMPARE(
            QApplication::clipboard()->text(), edit->toPlainText().chopped(edit->toPlainText().endsWith('\n') ? 1 : 0));
        QTest::mouseClick(typeset->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
        typeset->Copy();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1/2+1/3"));

        // The choice holds on another page and for the next window of the run.
        window.TabWidget()->setCurrentIndex(TabOfPage(135));
        QCOMPARE(Page(window, 135)->TypesetShown(), true);
        Page(window, 135)->findChild<QToolButton *>(QStringLiteral("view_plain"))->click();
        window.TabWidget()->setCurrentIndex(TabOfPage(134));
        QCOMPARE(views->currentWidget(), edit);
        Page(window, 134)->findChild<QToolButton *>(QStringLiteral("view_typeset"))->click();

        // 导出PDF of the typeset view writes a PDF.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("typeset.pdf"));
        QVERIFY(Page(window, 134)->ExportPdfTo(path));
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QVERIFY(pdf.size() > 1000);
    }

    // At 390, 800 and 1280 pixels no label, mark or sentence of a worked or marked text lies
    // beyond the right edge of the typeset view, and no sideways scroll bar is needed: labels go
    // under their steps, marks stand right after them, long sentences go on below.
    void typesetViewKeepsEverythingInsideItsWidth()
    {
        const QString worked = QStringLiteral(
            "[(a＋b)]×(12.5－3.75)÷(2.5＋7.25)\n---------------------------------------------\n解题过程:\n"
            "  [(a＋b)]×(12.5－3.75)÷(2.5＋7.25)\n"
            "＝[a＋b]×(12.5－3.75)÷(2.5＋7.25)              第1步:去掉式子 (a＋b) 两边的括号，右边进行－7－5＝－12\n"
            "＝(a＋b)×8.75÷9.75                              第2步:计算括号里的 12.5－3.75＝8.75 和 2.5＋7.25＝9.75");
        const QString marked = QStringLiteral(
            "3-2x>7\n-2x>4\nx>-2\n---------------------------------------------\n批改结果：\n3-2x>7\n-2x>4\n√\n"
            "x>-2\n× 第2步错了：不等式两边同除以负数没有改变方向，所以这一步和后面的答案都要重新写过。\n应该是：x＜－2\n");
        for (const QString &text : {worked, marked}) {
            for (const int width : {390, 800, 1280}) {
                TypesetView view;
                view.resize(width, 600);
                view.show();
                view.SetText(ToGbk(QString(text).replace(QStringLiteral("\n"), QStringLiteral("\r\n"))));
                QVERIFY(QTest::qWaitForWindowExposed(&view));
                const TsDisplayList &list = view.Page();
                const int room = view.viewport()->width();
                int marks = 0;
                for (const TsGlyphs &g : list.glyphs) {
                    QVERIFY2(g.x + g.width <= room + 0.5, qPrintable(QString::fromStdString(g.text)));
                    marks += g.ink != TsInk::Text;
                }
                QCOMPARE(marks, text == marked ? 2 : 0);
                QCOMPARE(view.horizontalScrollBar()->maximum(), 0);
            }
        }
    }
};

QTEST_MAIN(GuiTest)
#include "GuiTest.moc"
