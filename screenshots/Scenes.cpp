#include "screenshots/Scenes.h"

#include "app/AboutBox.h"
#include "app/MainWindow.h"
#include "pages/PageBook.h"
#include "pages/ProblemPageWidget.h"
#include "tools/SymbolPalette.h"

#include <QDialog>
#include <QPushButton>
#include <QTabWidget>

namespace qimbel {

namespace {

constexpr QSize kSmall(1000, 680); // the smallest window
constexpr QSize kLarge(1280, 860); // the window on a screen with room

QPushButton *Button(QWidget *page, const QString &name)
{
    QPushButton *button = page->findChild<QPushButton *>(name);
    if (button == nullptr)
        qFatal("screenshots: no button %s on %s", qPrintable(name), qPrintable(page->objectName()));
    return button;
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
    Button(widget, QStringLiteral("button_1094"))->click();
    Button(widget, QStringLiteral("button_1039"))->click();
    Button(widget, QStringLiteral("button_1006"))->click();
    return nullptr;
}

// A dialog of the window, shown without its modal loop so that it can be photographed.
QWidget *Dialog(QDialog *dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}

} // namespace

const std::vector<Scene> &Scenes()
{
    // One entry per picture. Still to come with their pages: the word-problem page (tab 2), the
    // bar, line and pie charts (tab 6), the function graph (tab 7), the handbook viewer (tab 8)
    // and the two exercise generators (tab 9).
    static const std::vector<Scene> scenes = {
        {"screenshot.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 134, 20); }},
        {"screenshots/small-window.png", kSmall, [](MainWindow &w) { return WorkedExample(w, 130, 8); }},
        {"screenshots/tab0-unit-conversion.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 129, 6); }},
        {"screenshots/tab1-column-arithmetic.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 130, 7); }},
        {"screenshots/tab1-mixed-operations.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 130, 8); }},
        {"screenshots/tab3-approximation.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 133, 14); }},
        {"screenshots/tab4-polynomials.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 134, 21); }},
        {"screenshots/tab5-linear-system.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 135, 26); }},
        {"screenshots/palette.png", kLarge,
            [](MainWindow &w) { return Dialog(new SymbolPalette(w.ProblemPageWidgetOf(130))); }},
        {"screenshots/help.png", kLarge,
            [](MainWindow &w) {
                WorkedExample(w, 135, 25);
                ProblemPageWidget *page = w.ProblemPageWidgetOf(135);
                page->ShowHelp();
                return page->findChild<QDialog *>(QStringLiteral("help_window"));
            }},
        {"screenshots/about.png", kLarge, [](MainWindow &w) { return Dialog(new AboutBox(&w)); }},
        // 两个数的大小比较, 分式四则运算 and 分式方程
        {"screenshots/tab0-compare-numbers.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 129, 5); }},
        {"screenshots/tab4-algebraic-fractions.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 134, 23); }},
        {"screenshots/tab5-fractional-equation.png", kLarge, [](MainWindow &w) { return WorkedExample(w, 135, 29); }},
    };
    return scenes;
}

} // namespace qimbel
