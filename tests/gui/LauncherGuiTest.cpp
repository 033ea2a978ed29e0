// The tab 自动出卷及测试 offscreen: each button points at its program below KaoShi/ of the
// installation folder, every exercise program the build makes is there, a click starts the
// program without a shell, and a missing program is named in a message.
#include "desktop/tools/LauncherPage.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace qimbel;

namespace {

const int kIds[] = {1218, 1217};

// Clicks a button and returns the text of the message box it raises ("" when none comes up). The
// look is queued once: inside a message box's loop it finds the box; after a click that raised
// none it finds nothing and is done.
QString ClickAndReadMessage(QPushButton *button)
{
    auto message = std::make_shared<QString>();
    QTimer::singleShot(0, [message] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            *message = box->text();
            box->close();
        }
    });
    button->click();
    QApplication::processEvents();
    return *message;
}

void WriteProgram(const QString &path, const QByteArray &script)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(script);
    file.close();
    QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser));
}

} // namespace

class LauncherGuiTest : public QObject {
    Q_OBJECT
private slots:
    void EveryBuiltProgramHasItsButton()
    {
        LauncherPage page;
        const QString folder = QCoreApplication::applicationDirPath();
        QStringList targets;
        for (int id : kIds) {
            auto *button = page.findChild<QPushButton *>(QStringLiteral("button_%1").arg(id));
            QVERIFY(button != nullptr);
            QVERIFY(!button->icon().isNull());
            const QString program = page.ProgramOf(id);
            QVERIFY2(program.startsWith(folder + QStringLiteral("/KaoShi/")), qPrintable(program));
            targets << QFileInfo(program).absoluteFilePath();
        }
        QCOMPARE(
            page.findChild<QPushButton *>(QStringLiteral("button_1218"))->text(), QStringLiteral("口算练习生成器"));
        QCOMPARE(page.findChild<QPushButton *>(QStringLiteral("button_1217"))->text(),
            QStringLiteral("小学数学四则运算自动出题系统"));
        QVERIFY(targets[0] != targets[1]);
        const QStringList built = QStringLiteral(QIMBEL_KAOSHI_PROGRAMS).split(QLatin1Char('|'), Qt::SkipEmptyParts);
        QVERIFY(!built.isEmpty());
        for (const QString &program : built) {
            QVERIFY2(targets.contains(QFileInfo(program).absoluteFilePath()), qPrintable(program));
            QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program));
        }

        // A click on a button whose program is there starts it; one whose program is not built
        // says so. Nothing is really started here.
        QStringList started;
        page.SetStarter([&](const QString &program) {
            started << program;
            return true;
        });
        for (int id : kIds) {
            const QString program = page.ProgramOf(id);
            const QString message
                = ClickAndReadMessage(page.findChild<QPushButton *>(QStringLiteral("button_%1").arg(id)));
            if (QFileInfo(program).isExecutable()) {
                QVERIFY2(message.isEmpty(), qPrintable(message));
                QCOMPARE(started.last(), program);
            } else {
                QVERIFY2(message.contains(program), qPrintable(message));
            }
        }
    }

    void AMissingProgramIsNamed()
    {
        QTemporaryDir empty;
        LauncherPage page(nullptr, empty.path());
        int starts = 0;
        page.SetStarter([&](const QString &) { return ++starts > 0; });
        const QString message = ClickAndReadMessage(page.findChild<QPushButton *>(QStringLiteral("button_1217")));
        QVERIFY2(message.contains(QStringLiteral("小学数学四则运算自动出题系统")), qPrintable(message));
        QVERIFY2(message.contains(page.ProgramOf(1217)), qPrintable(message));
        QCOMPARE(starts, 0);
        // A folder in the program's place is not a program either.
        QVERIFY(QDir().mkpath(page.ProgramOf(1218)));
        QVERIFY(ClickAndReadMessage(page.findChild<QPushButton *>(QStringLiteral("button_1218")))
                    .contains(QStringLiteral("口算练习生成器")));
        QCOMPARE(starts, 0);
    }

    void AProgramIsStartedInItsOwnFolderWithoutAShell()
    {
        QTemporaryDir folder;
        LauncherPage page(nullptr, folder.path());
        const QString program = page.ProgramOf(1218);
        // The program leaves a mark in the folder it was started in; a shell would have expanded $0.
        WriteProgram(program, "#!/bin/sh\necho \"$#\" > started\n");
        QVERIFY(ClickAndReadMessage(page.findChild<QPushButton *>(QStringLiteral("button_1218"))).isEmpty());
        const QString mark = QFileInfo(program).absolutePath() + QStringLiteral("/started");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(mark) && QFileInfo(mark).size() > 0, 5000);
        QFile file(mark);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().trimmed(), QByteArray("0")); // no arguments

        // A program that is there but does not start is reported too.
        page.SetStarter([](const QString &) { return false; });
        QVERIFY(ClickAndReadMessage(page.findChild<QPushButton *>(QStringLiteral("button_1218")))
                    .contains(QStringLiteral("没能启动")));
    }
};

QTEST_MAIN(LauncherGuiTest)
#include "LauncherGuiTest.moc"
