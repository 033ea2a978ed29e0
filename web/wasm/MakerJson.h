// 出题 and 自动组卷 as the web edition receives them (JSON, UTF-8): the calls are listed in
// MakerJson.cpp.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qimbel::web {

std::string MakerCall(const std::vector<std::string> &words, std::string_view text);

} // namespace qimbel::web
