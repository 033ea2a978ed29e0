// The text box of the page that owns `type` after check and compute, GBK in and out: the road of
// qimbel-cli --gbk, for the tests that look at a whole page.
#pragma once

#include "pages/Headless.h"

#include <string>

namespace pagetest {

inline std::string Page(int type, const std::string &text, int level = 5)
{
    qimbel::HeadlessRequest request;
    request.type = type;
    request.level = level;
    request.gbk = true;
    return qimbel::RunHeadless(request, text);
}

} // namespace pagetest
