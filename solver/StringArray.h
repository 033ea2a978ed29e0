// The growable array of texts that solver routines use to hand lists to each other.
//
// Routines fill it by inserting at index 0, so the element at the highest index is the first
// piece of the text it was cut from; consumers walk from GetSize() - 1 down to 0 to meet the
// pieces in text order. Out-of-range reads give an empty text rather than undefined behaviour.
// Inserting at either end takes constant time, so filling an array from index 0 stays linear.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace qimbel {

class StringArray {
public:
    int GetSize() const { return static_cast<int>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }

    // Element `i`; an index outside the array gives an empty text.
    const std::string &GetAt(int i) const
    {
        if (i < 0 || i >= GetSize())
            return EmptyText();
        return items_[static_cast<std::size_t>(i)];
    }
    const std::string &operator[](int i) const { return GetAt(i); }
    void SetAt(int i, const std::string &text);

    // Inserts `text` at index `i` (clamped to 0..size); the elements from `i` on move up.
    void InsertAt(int i, const std::string &text);
    void Add(const std::string &text) { items_.push_back(text); }
    void RemoveAt(int i);
    void SetSize(int n);
    void RemoveAll() { items_.clear(); }
    // A copy of the elements, index 0 first.
    std::vector<std::string> Items() const { return {items_.begin(), items_.end()}; }

private:
    static const std::string &EmptyText();

    std::deque<std::string> items_;
};

} // namespace qimbel
