// A place in a line of working that the tests' own readers move along, sign by sign.
#pragma once

#include <string>

namespace qimbel::tests {

class LineCursor {
public:
    explicit LineCursor(const std::string &text)
        : s_(text)
    {
    }

protected:
    // The sign w when it stands here, taken.
    bool Take(const std::string &w)
    {
        if (!Sees(w))
            return false;
        at_ += w.size();
        return true;
    }
    bool Sees(const std::string &w) const { return s_.compare(at_, w.size(), w) == 0; }
    bool AtEnd() const { return at_ == s_.size(); }

    const std::string &s_;
    std::size_t at_ = 0;
};

} // namespace qimbel::tests
