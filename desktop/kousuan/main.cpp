// 口算练习生成器: mental-arithmetic practice and worksheets, started from Qimbel's tab
// 自动出卷及测试 or on its own.
#include "desktop/kousuan/KouSuanWindow.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("口算练习生成器"));
    qimbel::kousuan::KouSuanWindow window;
    window.showMaximized();
    return QApplication::exec();
}
