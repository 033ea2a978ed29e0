// The handbooks of the 知识资料汇总 page: which label opens which file below ZhiShi/, and the
// texts of the warning box when a handbook cannot be opened. Texts are GBK like every other text
// of the core.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qimbel {

struct Handbook {
    const char *group; // the group box that holds the label
    int id; // the label's control id
    const char *label; // the label's caption, the handbook's title
    const char *file; // below ZhiShi/: the lower-case pinyin of the label, ".html"
    const char *about; // one line under the label: what the handbook holds
};

// The three group boxes, top to bottom.
const std::vector<const char *> &HandbookGroups();

// The seven handbooks in the order of the page.
const std::vector<Handbook> &Handbooks();

// The folder of the handbooks below the installation folder.
std::filesystem::path HandbookFolder(const std::filesystem::path &installation);

// Why a handbook file cannot be opened, as the failure codes of the warning box; kHandbookOpens
// when it can. A missing folder is 3, a missing file (or a folder in its place) 2, a file that
// cannot be read 5.
constexpr int kHandbookOpens = -1;
int HandbookFault(const std::filesystem::path &file);

// The reason text of failure code `code`.
std::string HyperlinkReason(int code);

// The whole text of the warning box: "无法打开手册：" and the reason.
std::string HyperlinkWarning(int code);

} // namespace qimbel
