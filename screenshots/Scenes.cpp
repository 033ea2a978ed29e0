#include "screenshots/Scenes.h"

#include "app/AboutBox.h"
#include "app/MainWindow.h"
#include "pages/PageBook.h"
#include "pages/ProblemPageWidget.h"
#include "tools/HandbookViewer.h"
#include "tools/KnowledgePage.h"
#include "tools/SymbolPalette.h"

#include <QDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>

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

const std::vector<Scene> &Scenes()
{
    // One entry per picture. Still to come with their pages: the word-problem page (tab 2), the
    // bar, line and pie charts (tab 6), the function graph (tab 7) and the two exercise
    // generators (tab 9).
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
        {"screenshots/tab8-knowledge.png", kSmall,
            [](MainWindow &w) {
                w.TabWidget()->setCurrentIndex(TabOfPage(153));
                return nullptr;
            }},
        {"screenshots/handbook-formulas.png", kLarge,
            [](MainWindow &w) { return Handbook(w, 1206, QStringLiteral("gongshi")); }},
    };
    return scenes;
}

} // namespace qimbel
