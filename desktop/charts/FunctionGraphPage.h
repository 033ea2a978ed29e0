// The tab 函数与图象: the graph of a typed function. The page hands the typed function to the
// graph model and shows the picture and the status line the model gives back.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace qimbel {

class DisplayListView;

class FunctionGraphPage : public QWidget {
    Q_OBJECT
public:
    explicit FunctionGraphPage(QWidget *parent = nullptr);

    // 绘图: the coordinate system and the curve of the function in the box.
    void Draw();
    // 保存图片.
    void Save();

private:
    void ShowPointer(int x, int y);

    QLineEdit *function_ = nullptr;
    DisplayListView *picture_ = nullptr;
    QLabel *status_ = nullptr;
    QLabel *pointer_ = nullptr;
};

} // namespace qimbel
