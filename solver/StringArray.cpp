#include "solver/StringArray.h"

namespace qimbel {

const std::string &StringArray::EmptyText()
{
    static const std::string empty;
    return empty;
}

void StringArray::SetAt(int i, const std::string &text)
{
    if (i >= 0 && i < GetSize())
        items_[static_cast<std::size_t>(i)] = text;
}

void StringArray::InsertAt(int i, const std::string &text)
{
    if (i < 0)
        i = 0;
    if (i == 0)
        items_.push_front(text);
    else if (i >= GetSize())
        items_.push_back(text);
    else
        items_.insert(items_.begin() + i, text);
}

void StringArray::RemoveAt(int i)
{
    if (i >= 0 && i < GetSize())
        items_.erase(items_.begin() + i);
}

void StringArray::SetSize(int n) { items_.resize(n < 0 ? 0 : static_cast<std::size_t>(n)); }

} // namespace qimbel
