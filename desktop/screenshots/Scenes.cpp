#include "desktop/screenshots/Scenes.h"

#include "desktop/app/AboutBox.h"
#include "desktop/app/MainWindow.h"
#include "desktop/kousuan/KouSuanWindow.h"
#include "desktop/kousuan/SheetPrinter.h"
#include "desktop/notebook/NotebookTab.h"
#include "desktop/notebook/PracticeDialog.h"
#include "desktop/pages/GbkBridge.h"
#include "desktop/pages/MakerBar.h"
#include "desktop/pages/ProblemPageWidget.h"
#include "desktop/tools/HandbookViewer.h"
#include "desktop/tools/KnowledgePage.h"
#include "desktop/tools/PaperWindow.h"
#include "desktop/tools/SymbolPalette.h"
#include "generators/KouSuanSheet.h"
#include "pages/PageBook.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

namespace qimbel {

namespace {

constexpr QSize kSmall(1000, 680); // a small window on a laptop screen
constexpr QSize kLarge(1280, 860); // the window on a screen with room
constexpr QSize kScreen800(800, 600); // the window filling an 800×600 screen
constexpr QSize kSmallest(780, 440); // the smallest the window can be made
constexpr QSize kHalf1600(800, 500); // a 1600×1000 screen at twice the pixels (run with QT_SCALE_FACTOR=2)

template <class T> T *Child(QWidget *parent, const QString &name)
{
    T *child = parent->findChild<T *>(name);
    if (child == nullptr)
        qFatal("screenshots: no %s on %s", qPrintable(name), qPrintable(parent->objectName()));
    return child;
}

QPushButton *Button(QWidget *page, const QString &name) { return Child<QPushButton>(page, name); }

// The example of `widget` loaded, checked and computed.
void CheckAndCompute(ProblemPageWidget *widget)
{
    Button(widget, QStringLiteral("button_1094"))->click();
    Button(widget, QStringLiteral("button_1039"))->click();
    Button(widget, QStringLiteral("button_1006"))->click();
}

// The problem page `page` with type `type` chosen, its example loaded, checked and computed: a
// worked example as a pupil gets it.
QWidget *WorkedExample(MainWindow &window, int page, int type)
{
    window.TabWidget()->setCurrentIndex(TabOfPage(page));
    ProblemPageWidget *widget = window.ProblemPageWidgetOf(page);
    QPushButton *typeButton = nullptr;
    for (QPushButton *button : widget->findChildren<QPushButton *>())
        if (button->objectName().startsWith(QStringLiteral("type_%1_").arg(type)))
            typeButton = button;
    if (typeButton == nullptr)
        qFatal("screenshots: no button for type %d on page %d", type, page);
    typeButton->click();
    CheckAndCompute(widget);
    return nullptr;
}

// The problem page `page` with type `type` chosen and `problem` worked (its example when empty),
// shown in 课本排版 or in 纯文本. A "/" that the check turned into "÷" is typed back, as a pupil
// does for a fraction.
QWidget *Worked(MainWindow &window, int page, int type, const QString &problem, bool typeset)
{
    WorkedExample(window, page, type);
    ProblemPageWidget *widget = window.ProblemPageWidgetOf(page);
    if (!problem.isEmpty()) {
        auto *edit = Child<QPlainTextEdit>(widget, QStringLiteral("edit_1004"));
        edit->setPlainText(problem);
        Button(widget, QStringLiteral("button_1039"))->click();
        edit->setPlainText(problem);
        Button(widget, QStringLiteral("button_1006"))->click();
    }
    Child<QToolButton>(widget, typeset ? QStringLiteral("view_typeset") : QStringLiteral("view_plain"))->click();
    return nullptr;
}

// A pupil's own working marked by 批改我的解答 on the 初中计算题 page: a right step, a bracket
// whose sign was not changed, the step after it, and the end; in 课本排版 or in 纯文本.
QWidget *MarkedWorking(MainWindow &window, bool typeset)
{
    window.TabWidget()->setCurrentIndex(TabOfPage(134));
    ProblemPageWidget *widget = window.ProblemPageWidgetOf(134);
    Button(widget, QStringLiteral("type_21_1142"))->click();
    auto *edit = Child<QPlainTextEdit>(widget, QStringLiteral("edit_1004"));
    edit->setPlainText(QStringLiteral("(x+1)(x-2)-(x^2-3x)\n＝x^2-x-2-(x^2-3x)\n＝x^2-x-2-x^2-3x\n＝-4x-2\n\n"
                                      "1/2+2/3×3/4\n＝1/2+1/2\n＝1"));
    Button(widget, QStringLiteral("button_mark"))->click();
    // The marked copy at the top of the view (both views start at the same line).
    edit->verticalScrollBar()->setValue(edit->document()->find(QStringLiteral("----")).blockNumber());
    Child<QToolButton>(widget, typeset ? QStringLiteral("view_typeset") : QStringLiteral("view_plain"))->click();
    return nullptr;
}

// Problems typed on the first page, then another type chosen: the lines stay, and the
// introduction of the new type stands above its summary.
QWidget *TypedLinesStay(MainWindow &window)
{
    ProblemPageWidget *widget = window.ProblemPageWidgetOf(129);
    Child<QPlainTextEdit>(widget, QStringLiteral("edit_1004"))->setPlainText(QStringLiteral("36 48\n12 18 30\n"));
    Button(widget, QStringLiteral("type_4_1077"))->click();
    return nullptr;
}

// The word-problem page (tab 2), which chooses no type: its 公式应用题 example worked.
QWidget *WordProblems(MainWindow &window)
{
    window.TabWidget()->setCurrentIndex(TabOfPage(131));
    ProblemPageWidget *widget = window.ProblemPageWidgetOf(131);
    Button(widget, QStringLiteral("button_1103"))->click();
    CheckAndCompute(widget);
    return nullptr;
}

// The page of tab `page` (统计图初步, 函数与图象), shown.
QWidget *ToolPage(MainWindow &window, int page)
{
    window.TabWidget()->setCurrentIndex(TabOfPage(page));
    return window.TabWidget()->currentWidget();
}

// 函数与图象 with `function` typed and drawn.
QWidget *Graph(MainWindow &window, const QString &function)
{
    QWidget *page = ToolPage(window, 137);
    Child<QLineEdit>(page, QStringLiteral("edit_function"))->setText(function);
    Button(page, QStringLiteral("button_draw"))->click();
    return nullptr;
}

// 函数与图象 with several functions drawn, zoomed by `zoomIns` clicks of 放大.
QWidget *Graphs(MainWindow &window, const QStringList &functions, int zoomIns = 0)
{
    QWidget *page = ToolPage(window, 137);
    for (const QString &function : functions) {
        Child<QLineEdit>(page, QStringLiteral("edit_function"))->setText(function);
        Button(page, QStringLiteral("button_draw"))->click();
    }
    for (int i = 0; i < zoomIns; ++i)
        Button(page, QStringLiteral("button_zoom_in"))->click();
    return nullptr;
}

// 统计图初步 with its default table drawn by the button `button`.
QWidget *Chart(MainWindow &window, const QString &button)
{
    Button(ToolPage(window, 132), button)->click();
    return nullptr;
}

// 统计图初步 with the 频率分布直方图 dialog filled with `data` (class width `width`) and accepted.
// The dialog runs modally, so it is filled once its loop has started.
QWidget *Histogram(MainWindow &window, const QString &data, const QString &width)
{
    QWidget *page = ToolPage(window, 132);
    QTimer::singleShot(0, page, [data, width] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || dialog->objectName() != QStringLiteral("dialog_frequency"))
            qFatal("screenshots: the frequency dialog did not open");
        Child<QPlainTextEdit>(dialog, QStringLiteral("edit_data"))->setPlainText(data);
        Child<QLineEdit>(dialog, QStringLiteral("edit_width"))->setText(width);
        Button(dialog, QStringLiteral("button_ok"))->click();
        if (dialog->isVisible())
            qFatal("screenshots: the frequency dialog refused its data");
    });
    Button(page, QStringLiteral("button_histogram"))->click();
    return nullptr;
}

// A dialog of the window, shown without its modal loop so that it can be photographed.
QWidget *Dialog(QDialog *dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}

// 出一道题 twice below a typed equation on the 方程与不等式 page, then the working of all three.
QWidget *MadeProblemsScene(MainWindow &window)
{
    window.TabWidget()->setCurrentIndex(TabOfPage(135));
    ProblemPageWidget *widget = window.ProblemPageWidgetOf(135);
    Child<QPlainTextEdit>(widget, QStringLiteral("edit_1004"))->setPlainText(QStringLiteral("3x+5=2x-7"));
    widget->findChild<MakerBar *>(QStringLiteral("maker_bar"))->SetSeed(2024);
    Button(widget, QStringLiteral("button_make"))->click();
    Button(widget, QStringLiteral("button_make"))->click();
    return nullptr;
}

// 举一反三 of a quadratic that factors, the second problem's solution shown.
QWidget *SimilarProblems(MainWindow &window)
{
    window.TabWidget()->setCurrentIndex(TabOfPage(135));
    ProblemPageWidget *widget = window.ProblemPageWidgetOf(135);
    Button(widget, QStringLiteral("type_27_1148"))->click();
    auto *bar = widget->findChild<MakerBar *>(QStringLiteral("maker_bar"));
    const QString typed = QStringLiteral("x^2-5x+6=0");
    auto made = std::make_shared<const qimbel::MadeProblems>(Similar(27, ToGbk(typed), 5, 7));
    QDialog *dialog = bar->SimilarDialog(typed, made);
    dialog->findChild<QListWidget *>(QStringLiteral("similar_list"))->setCurrentRow(1);
    return Dialog(dialog);
}

// 自动组卷 of a 七年级 paper, its key shown.
QWidget *JuniorPaper(MainWindow &window)
{
    auto *paper = new PaperWindow(&window);
    paper->ChooseGrade(7);
    paper->SetSeed(2024);
    paper->MakeThePaper();
    return Dialog(paper);
}

// The choices a second-year teacher would make for the 口算练习生成器.
kousuan::Options SecondYearSheet(int count)
{
    kousuan::Options options;
    options.add = options.sub = options.mul = options.div = true;
    options.range = 100;
    options.table = 9;
    options.remainder = true;
    options.blank = kousuan::BlankChoice::Mixed;
    options.count = count;
    options.seed = 1208;
    return options;
}

// The 口算练习生成器 beside the main window (it is a program of its own, started from tab 9): a
// second-year sheet, practised as `stage` says.
QWidget *KouSuan(MainWindow &window, bool sheet, const std::function<void(kousuan::KouSuanWindow &)> &stage)
{
    auto *program = new kousuan::KouSuanWindow(&window);
    program->setWindowFlag(Qt::Window);
    const kousuan::Options options = SecondYearSheet(40);
    program->SetOptions(options);
    program->SetSheetMode(sheet);
    program->resize(1100, 720);
    program->show();
    program->Generate();
    stage(*program);
    return program;
}

// What a pupil types: the right answer, or a wrong one where `wrong` says so.
QString Typed(const kousuan::Problem &problem, bool wrong)
{
    kousuan::Problem answer = problem;
    if (wrong)
        (answer.blank == kousuan::Blank::Operand ? answer.b : answer.result) += 1;
    return FromGbk(kousuan::AnswerText(answer));
}

// The first page of the exported worksheet (or answer sheet), drawn as on A4 paper.
QWidget *SheetPicture(MainWindow &window, bool answers)
{
    const kousuan::Options options = SecondYearSheet(100);
    const std::vector<kousuan::SheetPage> pages = kousuan::SheetPages(kousuan::Generate(options), options.seed);
    QImage image(900, 1273, QImage::Format_RGB32); // A4 at 110 dpi
    image.setDotsPerMeterX(4331);
    image.setDotsPerMeterY(4331);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    kousuan::PaintSheetPage(painter, QRectF(65, 65, 770, 1143), pages[answers ? pages.size() / 2 : 0]);
    painter.end();
    auto *label = new QLabel(&window);
    label->setWindowFlag(Qt::Window);
    label->setPixmap(QPixmap::fromImage(image));
    label->resize(image.size());
    label->show();
    return label;
}

// The knowledge page (tab 8) with the desktop unable to open a handbook, so that the click on
// `label` shows it in Qimbel's own viewer, scrolled to `anchor`.
QWidget *Handbook(MainWindow &window, int label, const QString &anchor)
{
    window.TabWidget()->setCurrentIndex(TabOfPage(153));
    auto *page = qobject_cast<KnowledgePage *>(window.TabWidget()->currentWidget());
    if (page == nullptr)
        qFatal("screenshots: no knowledge page");
    page->SetOpener([](const QUrl &) { return false; });
    page->OpenHandbook(label);
    HandbookViewer *viewer = page->Viewer();
    if (viewer == nullptr)
        qFatal("screenshots: the handbook %d did not open", label);
    viewer->Browser()->scrollToAnchor(anchor);
    return viewer;
}

} // namespace

// Pages 134 and 135 marked with a few wrong workings on three days: the 错题本 tab as a pupil
// finds it a few days later, the oldest due entry selected.
QWidget *NotebookTabScene(MainWindow &window)
{
    NotebookTab *tab = window.Notebook();
    const auto mark = [&](int page, int typeButton, int day, const QString &text) {
        tab->SetToday(day);
        window.TabWidget()->setCurrentIndex(TabOfPage(page));
        ProblemPageWidget *widget = window.ProblemPageWidgetOf(page);
        if (typeButton != 0)
            Child<QPushButton>(widget, QStringLiteral("type_%1").arg(typeButton))->click();
        widget->findChild<QPlainTextEdit *>(QStringLiteral("edit_1004"))->setPlainText(text);
        Button(widget, QStringLiteral("button_mark"))->click();
    };
    const int today = 20795;
    mark(134, 0, today - 5, QStringLiteral("7-(1+2)\n=7-1+2\n=8"));
    mark(134, 0, today - 3, QStringLiteral("5-8\n=3"));
    mark(134, 0, today - 1, QStringLiteral("12-(5-3)\n=12-5-3\n=4"));
    mark(134, 0, today, QStringLiteral("9-(4+1)\n=9-4+1\n=6"));
    tab->SetToday(today);
    window.TabWidget()->setCurrentWidget(tab);
    Child<QListWidget>(tab, QStringLiteral("notebook_list"))->setCurrentRow(0);
    return nullptr;
}

// 练一练 on page 134, the second problem marked wrong (problems as a maker of 四则混合运算 makes
// them at 基础).
QWidget *PracticeScene(MainWindow &window)
{
    window.TabWidget()->setCurrentIndex(TabOfPage(134));
    window.Book().PracticeRound().SetMakers(
        [](int type, MakerLevel level, int count, std::uint64_t) {
            MadeProblems made;
            const char *lines[] = {"36－(14＋9)", "48－(20－7)", "25＋(31－16)", "60－(18＋12)", "72－(30－5)"};
            for (int i = 0; i < count && i < 5; ++i)
                made.problems.push_back({type, level, ToGbk(QString::fromUtf8(lines[i])), ""});
            return made;
        },
        Similar);
    PracticeDialog *dialog = window.OpenPractice(8);
    dialog->StartRound(0, 5);
    const auto press = [&](const char *name) { Button(dialog, QString::fromLatin1(name))->click(); };
    auto *working = Child<QPlainTextEdit>(dialog, QStringLiteral("practice_working"));
    working->setPlainText(QStringLiteral("=36-23\n=13"));
    press("button_practice_mark");
    press("button_practice_next");
    working->setPlainText(QStringLiteral("=48-20-7\n=21"));
    press("button_practice_mark");
    return dialog;
}

const std::vector<Scene> &Scenes()
{
    // One entry per picture.
    static const std::vector<Scene> scenes = {
        {"screenshot.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 134, 20); }},
        {"screenshots/notebook.png", kLarge, [](MainWindow &w) { return NotebookTabScene(w); }},
        {"screenshots/notebook-small-window.png", kSmall, [](MainWindow &w) { return NotebookTabScene(w); }},
        {"screenshots/practice.png", kSmall, [](MainWindow &w) { return PracticeScene(w); }},
        {"screenshots/typed-lines-stay.png", kSmall, [](MainWindow &w) { return TypedLinesStay(w); }},
        {"screenshots/small-window.png", kSmall, [](MainWindow &w) { return WorkedExample(w, 130, 8); }},
        {"screenshots/tab0-unit-conversion.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 129, 6); }},
        {"screenshots/tab1-column-arithmetic.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 130, 7); }},
        {"screenshots/tab1-mixed-operations.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 130, 8); }},
        {"screenshots/tab3-approximation.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 133, 14); }},
        {"screenshots/tab4-polynomials.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 134, 21); }},
        {"screenshots/tab5-linear-system.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 135, 26); }},
        // The pictures of the tabs 2, 6 and 7 that the README shows, in a small window.
        {"word-problems.png", kSmall, [](MainWindow &w) { return WordProblems(w); }},
        {"function-graph.png", kSmall, [](MainWindow &w) { return Graph(w, QStringLiteral("x^2－2x－3")); }},
        {"screenshots/function-graph-several.png", kLarge,
            [](MainWindow &w) {
                return Graphs(w, {QStringLiteral("y＝x²－2x－3"), QStringLiteral("y＝2x＋1"), QStringLiteral("6/x")});
            }},
        {"screenshots/function-graph-zoomed.png", kLarge,
            [](MainWindow &w) {
                return Graphs(w, {QStringLiteral("√x"), QStringLiteral("|x－1|")}, 2);
            }},
        {"chart-bar.png", kSmall, [](MainWindow &w) { return Chart(w, QStringLiteral("button_bar")); }},
        {"chart-line.png", kSmall, [](MainWindow &w) { return Chart(w, QStringLiteral("button_line")); }},
        {"chart-pie.png", kSmall, [](MainWindow &w) { return Chart(w, QStringLiteral("button_pie")); }},
        // The heights (cm) of 24 pupils, in five classes of 5 cm: 1, 6, 8, 6 and 3 pupils.
        {"chart-histogram.png", kSmall,
            [](MainWindow &w) {
                return Histogram(w,
                    QStringLiteral("143 145 146 147 148 149 149 150 151 151 152 152\n"
                                   "153 153 154 155 156 156 157 158 159 160 162 164"),
                    QStringLiteral("5"));
            }},
        // The window on small screens: the buttons wrap, the side column scrolls, the tabs scroll.
        {"screenshots/window-800x600.png", kScreen800, [](MainWindow &w) { return WorkedExample(w, 130, 8); }},
        {"screenshots/window-800x600-factorisation.png", kScreen800,
            [](MainWindow &w) { return WorkedExample(w, 134, 22); }},
        {"screenshots/window-800x600-chart.png", kScreen800,
            [](MainWindow &w) { return Chart(w, QStringLiteral("button_bar")); }},
        {"screenshots/window-800x600-graph.png", kScreen800,
            [](MainWindow &w) {
                return Graphs(
                    w, {QStringLiteral("y＝x²－2x－3"), QStringLiteral("y＝2x＋1"), QStringLiteral("6/x")}, 3);
            }},
        {"screenshots/window-smallest.png", kSmallest, [](MainWindow &w) { return WorkedExample(w, 134, 22); }},
        {"screenshots/window-800x500.png", kHalf1600, [](MainWindow &w) { return WorkedExample(w, 135, 25); }},
        {"screenshots/palette.png", kLarge,
            [](MainWindow &w) { return Dialog(new SymbolPalette(w.ProblemPageWidgetOf(130))); }},
        {"screenshots/help.png", kLarge,
            [](MainWindow &w) {
                WorkedExample(w, 135, 25);
                ProblemPageWidget *page = w.ProblemPageWidgetOf(135);
                page->ShowHelp();
                return page->findChild<QDialog *>(QStringLiteral("help_window"));
            }},
        {"screenshots/make-a-problem.png", kLarge, [](MainWindow &w) { return MadeProblemsScene(w); }},
        {"screenshots/similar-problems.png", kLarge, [](MainWindow &w) { return SimilarProblems(w); }},
        {"screenshots/paper-junior.png", kLarge, [](MainWindow &w) { return JuniorPaper(w); }},
        {"screenshots/about.png", kLarge, [](MainWindow &w) { return Dialog(new AboutBox(&w)); }},
        // Tab 9 and the 口算练习生成器 it starts.
        {"screenshots/tab9-launchers.png", kLarge,
            [](MainWindow &w) {
                w.TabWidget()->setCurrentIndex(TabOfPage(164));
                return nullptr;
            }},
        {"screenshots/kousuan-one-at-a-time.png", kSmall,
            [](MainWindow &w) {
                return KouSuan(w, false, [](kousuan::KouSuanWindow &k) {
                    for (std::size_t i = 0; i < 3; ++i)
                        k.AnswerCurrent(Typed(k.CurrentPractice()->Problems()[i], false));
                    auto *answer = k.findChild<QLineEdit *>(QStringLiteral("answer"));
                    answer->setText(Typed(k.CurrentPractice()->Problems()[3], true));
                    k.AnswerCurrent(answer->text());
                });
            }},
        {"screenshots/kousuan-sheet.png", kSmall,
            [](MainWindow &w) {
                return KouSuan(w, true, [](kousuan::KouSuanWindow &k) {
                    for (std::size_t i = 0; i < 14; ++i)
                        k.findChild<QLineEdit *>(QStringLiteral("answer_%1").arg(i))
                            ->setText(Typed(k.CurrentPractice()->Problems()[i], i % 5 == 3));
                    k.CheckSheet();
                });
            }},
        {"screenshots/kousuan-report.png", kSmall,
            [](MainWindow &w) {
                return KouSuan(w, false, [](kousuan::KouSuanWindow &k) {
                    for (std::size_t i = 0; i < k.CurrentPractice()->Count(); ++i) {
                        k.AnswerCurrent(Typed(k.CurrentPractice()->Problems()[i], i % 7 == 2));
                        if (i % 7 == 2)
                            k.NextProblem();
                    }
                });
            }},
        {"screenshots/kousuan-worksheet-pdf.png", kSmall, [](MainWindow &w) { return SheetPicture(w, false); }},
        {"screenshots/kousuan-answers-pdf.png", kSmall, [](MainWindow &w) { return SheetPicture(w, true); }},
        {"screenshots/tab8-knowledge.png", kSmall,
            [](MainWindow &w) {
                w.TabWidget()->setCurrentIndex(TabOfPage(153));
                return nullptr;
            }},
        {"screenshots/handbook-formulas.png", kLarge,
            [](MainWindow &w) { return Handbook(w, 1206, QStringLiteral("gongshi")); }},
        // 两个数的大小比较, 分式四则运算 and 分式方程
        {"screenshots/tab0-compare-numbers.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 129, 5); }},
        {"screenshots/tab4-algebraic-fractions.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 134, 23); }},
        {"screenshots/tab5-fractional-equation.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 135, 29); }},
        // 课本排版 beside 纯文本: the same worked texts in both views.
        {"screenshots/typeset-fraction-sum.png", kSmall,
            [](MainWindow &w) { return Worked(w, 134, 20, QStringLiteral("1/2+1/3-1/4\n5/6×(2/3+1/2)"), true); }},
        {"screenshots/plain-fraction-sum.png", kSmall,
            [](MainWindow &w) { return Worked(w, 134, 20, QStringLiteral("1/2+1/3-1/4\n5/6×(2/3+1/2)"), false); }},
        {"screenshots/typeset-quadratic.png", kSmall,
            [](MainWindow &w) { return Worked(w, 135, 27, QStringLiteral("x^2-2x-1=0\n2x^2-5x+2=0"), true); }},
        {"screenshots/plain-quadratic.png", kSmall,
            [](MainWindow &w) { return Worked(w, 135, 27, QStringLiteral("x^2-2x-1=0\n2x^2-5x+2=0"), false); }},
        {"screenshots/typeset-fractional-equation.png", kSmall,
            [](MainWindow &w) { return Worked(w, 135, 29, QStringLiteral("3/x=x/3"), true); }},
        {"screenshots/plain-fractional-equation.png", kSmall,
            [](MainWindow &w) { return Worked(w, 135, 29, QStringLiteral("3/x=x/3"), false); }},
        {"screenshots/typeset-factorisation.png", kSmall, [](MainWindow &w) { return Worked(w, 134, 22, {}, true); }},
        {"screenshots/plain-factorisation.png", kSmall, [](MainWindow &w) { return Worked(w, 134, 22, {}, false); }},
        {"screenshots/typeset-column-division.png", kSmall,
            [](MainWindow &w) { return Worked(w, 130, 7, QStringLiteral("1.5÷0.4"), true); }},
        {"screenshots/plain-column-division.png", kSmall,
            [](MainWindow &w) { return Worked(w, 130, 7, QStringLiteral("1.5÷0.4"), false); }},
        {"screenshots/typeset-quadratic-maximised.png", kLarge,
            [](MainWindow &w) { return Worked(w, 135, 27, QStringLiteral("x^2-2x-1=0\n2x^2-5x+2=0"), true); }},
        // 批改我的解答: a pupil's own working marked, in both views.
        {"marking-text.png", kSmall, [](MainWindow &w) { return MarkedWorking(w, false); }},
        {"marking-typeset.png", kSmall, [](MainWindow &w) { return MarkedWorking(w, true); }},
        {"screenshots/tab0-fill-in.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 129, 32); }},
        {"screenshots/tab1-simplified-calculation.png", kLarge,
            [](MainWindow &w) { return WorkedExample(w, 130, 11); }},
        {"screenshots/tab2-number-patterns.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 131, 33); }},
        {"screenshots/tab4-surds.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 134, 24); }},
        {"screenshots/tab5-quadratic-system.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 135, 28); }},
        // Long step labels in a small window: under their steps, nothing cut at the edge.
        {"screenshots/typeset-simplified-calculation.png", kSmall,
            [](MainWindow &w) { return Worked(w, 130, 11, {}, true); }},
        {"screenshots/typeset-linear-equation.png", kSmall,
            [](MainWindow &w) {
                return Worked(w, 135, 25, QStringLiteral("3(x-2)+1=x-(2x-1)\n(x+1)/2-(2x-1)/3=1"), true);
            }},
    };
    return scenes;
}

} // namespace qimbel
