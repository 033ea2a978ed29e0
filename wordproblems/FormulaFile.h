// Reading a formula file: the INI file Document/GongShi/<name>.ini below the installation folder.
//
//   [SheZhi]     BianLiangCount=3   GongShiCount=1
//   [BianLiang]  bianliang0=长  bianliang1=宽  bianliang2=面积
//   [GongShi]    gongshi0=〖面积〗〔长〕×〔宽〕
//
// The file's name is the GBK text that the pupil writes in 〖 〗. The files are installed under
// their readable (UTF-8) names; the folder's name index (FormulaIndex.h) leads from the GBK name
// to the file, and a name that the index does not know is the file's name byte for byte.
#pragma once

#include "solver/StringArray.h"

#include <string>
#include <vector>

namespace qimbel::wordproblems {

struct FormulaFile {
    enum class State {
        Read, // the file was read (it may still hold nothing usable)
        Missing, // no such file, or a name that cannot be a file name
        TooLarge, // larger than any formula file can be
    };
    State state = State::Missing;
    // As the solver keeps them: inserted at the front, so the last key of the file comes first.
    StringArray quantities;
    StringArray formulas;
};

// Files larger than this are not read.
inline constexpr long long kLargestFormulaFile = 64 * 1024;

// The folder of the formula files below the installation folder.
std::string FormulaFolder(const std::string &installation);

// Reads the file `name` of `folder`. Keys "bianliang"+i and "gongshi"+i count for i below the
// counts of [SheZhi]; a value that is empty or holds "default" is skipped, and a value is read as
// into a buffer of 260 bytes (a character cut in half there is dropped). A quantity name counts
// once and must be clean text without the formula marks; a formula must be clean text, start with
// its head 〖quantity〗 and name only quantities of the file in 〔 〕.
FormulaFile ReadFormulaFile(const std::string &folder, const std::string &name);

// The GBK names of the formula files in `folder`, in byte order (for GBK names that is the order
// of the pinyin of their first characters): the names of the index whose files are there, and
// the files named in GBK.
std::vector<std::string> FormulaFileNames(const std::string &folder);

// The formula files of the folder whose words a problem typed without 〖…〗 matches best: its own
// name in the problem, the quantities the problem names, the numbers whose units fit one of its
// quantities (3小时 a 时间, 每小时60千米 a 速度). More than one when they match equally; none when
// no file matches at all or the problem asks nothing.
std::vector<std::string> MatchingFormulaFiles(const std::string &problem, const std::string &folder);

} // namespace qimbel::wordproblems
