// The symbols of the "标准符号" palette: one button per symbol in nine rows, each row introduced
// by a label. Texts are GBK like every other text of the core.
#pragma once

#include <string>
#include <vector>

namespace qimbel {

struct SymbolButton {
    int row; // 0 to 8, top to bottom
    int id; // the button's control id
    const char *caption; // what the button shows
    const char *tooltip; // the hint shown when the mouse rests on the button; "" for none
    const char *text; // what a press appends to the selection line
};

// The number of rows of the palette.
constexpr int kSymbolRows = 9;

// The label in front of each row, top to bottom; the second and third rows of Greek letters
// continue the first and have an empty label.
const std::vector<const char *> &SymbolRowLabels();

// Every symbol button, row by row, left to right.
const std::vector<SymbolButton> &SymbolButtons();

// The button with control id `id`, or nullptr.
const SymbolButton *FindSymbolButton(int id);

} // namespace qimbel
