// Finding a problem page's widgets in the main window from a GUI test.
#pragma once

#include "desktop/app/MainWindow.h"
#include "desktop/pages/ProblemPageWidget.h"

#include <QPlainTextEdit>
#include <QPushButton>

inline qimbel::ProblemPageWidget *Page(qimbel::MainWindow &window, int page)
{
    return window.ProblemPageWidgetOf(page);
}

inline QPlainTextEdit *Edit(qimbel::MainWindow &window, int page)
{
    return Page(window, page)->findChild<QPlainTextEdit *>(QStringLiteral("edit_1004"));
}

inline QPushButton *Button(qimbel::MainWindow &window, int page, const QString &name)
{
    QPushButton *button = Page(window, page)->findChild<QPushButton *>(name);
    if (button == nullptr)
        qFatal("no button %s on page %d", qPrintable(name), page);
    return button;
}
