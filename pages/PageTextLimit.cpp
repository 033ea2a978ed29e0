#include "pages/PageTextLimit.h"

#include "pages/ResultTexts.h"

namespace qimbel {

std::size_t PageTextLength(const std::string &text)
{
    const std::size_t mark = text.find(kResultMark);
    return mark == std::string::npos ? text.size() : mark;
}

std::string PageTextTooLong(const std::string &text)
{
    return PageTextLength(text) > kLongestPageText ? kPageTextTooLong : std::string();
}

} // namespace qimbel
