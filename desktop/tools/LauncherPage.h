// The tab 自动出卷及测试: two large buttons that start the exercise-generator programs installed
// under KaoShi/ of the installation folder. A program that is missing is named in a message.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>

namespace qimbel {

class LauncherPage : public QWidget {
    Q_OBJECT
public:
    // `folder` is the installation folder; empty means the folder of the running program.
    explicit LauncherPage(QWidget *parent = nullptr, const QString &folder = QString());

    // The program a button (by control id, 1218 or 1217) starts; empty for another id.
    QString ProgramOf(int id) const;

    // How a program is started: QProcess::startDetached, no shell, no arguments. Tests replace it.
    using Starter = std::function<bool(const QString &program)>;
    void SetStarter(Starter starter) { starter_ = std::move(starter); }

    // What a click on the button does: start the program, or say why it cannot be started.
    void Launch(int id);

private:
    QString folder_;
    Starter starter_;
};

} // namespace qimbel
