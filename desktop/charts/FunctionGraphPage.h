// The tab 函数与图象: graphs of typed functions. The page hands the typed functions, the picture's
// size, the buttons, the wheel and the mouse to the graph model and shows what the model gives
// back: the picture, the list of functions, 函数的性质 and the status lines.
#pragma once

#include "charts/FunctionGraph.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;

namespace qimbel {

class DisplayListView;

class FunctionGraphPage : public QWidget {
    Q_OBJECT
public:
    explicit FunctionGraphPage(QWidget *parent = nullptr);

    // 绘图: adds the function in the box to the graph.
    void Draw();
    // 删除: takes the selected function off the graph; 清空: all of them.
    void RemoveSelected();
    void ClearAll();
    // 保存图片.
    void Save();
    const FunctionGraph &Graph() const { return graph_; }

    // The functions, grid and view as kept over a restart, and putting back what was kept (false,
    // and the page as it was, for bytes that are no kept graph).
    std::string KeptState() const;
    bool RestoreKept(const std::string &bytes);

private:
    void Refresh();
    // The list of functions, 函数的性质 and the grid box as the model holds them.
    void ShowFunctions();
    void ShowPointer(int x, int y);
    void ItemChanged(QListWidgetItem *item);

    FunctionGraph graph_;
    QLineEdit *function_ = nullptr;
    DisplayListView *picture_ = nullptr;
    QListWidget *list_ = nullptr;
    QCheckBox *grid_ = nullptr;
    QPlainTextEdit *properties_ = nullptr;
    QLabel *status_ = nullptr;
    QLabel *pointer_ = nullptr;
};

} // namespace qimbel
