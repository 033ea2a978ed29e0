// 小学数学四则运算自动出题系统: a program of its own, started from Qimbel's 自动出卷及测试 page.
#include "desktop/chuti/ChuTiWindow.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("小学数学四则运算自动出题系统"));
    qimbel::ChuTiWindow window;
    window.showMaximized();
    return QApplication::exec();
}
