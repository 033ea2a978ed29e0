#include "wordproblems/FormulaFile.h"

#include "numbers/IniFile.h"
#include "solver/CachedReading.h"
#include "solver/FileStamp.h"
#include "solver/GbkText.h"
#include "wordproblems/FormulaIndex.h"
#include "wordproblems/FormulaText.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

namespace qimbel::wordproblems {

namespace {

// The indices i below `count` for which the section has a key prefix + i (ASCII case does not
// matter), in increasing order. Going through the keys that exist, rather than counting up to
// `count`, keeps a huge count from taking any time.
std::vector<int> NumberedKeys(
    const numbers::IniFile &ini, const std::string &section, const std::string &prefix, int count)
{
    std::vector<int> indices;
    for (const std::string &key : ini.Keys(section)) {
        if (key.size() <= prefix.size() || key.size() > prefix.size() + 9)
            continue;
        bool matches = true;
        for (std::size_t i = 0; i < prefix.size() && matches; ++i) {
            char c = key[i];
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
            matches = c == prefix[i];
        }
        const std::string digits = key.substr(prefix.size());
        if (!matches || (digits.size() > 1 && digits[0] == '0'))
            continue;
        int index = 0;
        for (char c : digits) {
            if (c < '0' || c > '9') {
                matches = false;
                break;
            }
            index = index * 10 + (c - '0');
        }
        if (matches && index < count)
            indices.push_back(index);
    }
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    return indices;
}

// A value read into a fixed buffer may end in the first byte of a character: that byte goes.
std::string WithoutHalfCharacter(const std::string &text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsGbkLead(static_cast<unsigned char>(text[i]))) {
            if (i + 1 == text.size())
                return text.substr(0, i);
            i += 2;
        } else {
            ++i;
        }
    }
    return text;
}

// The values of the numbered keys, in key order; empty values and values holding "default" are
// left out, as a read with the default "default" would leave them.
std::vector<std::string> NumberedValues(
    const numbers::IniFile &ini, const std::string &section, const std::string &prefix, const std::string &countKey)
{
    const int count = ini.GetInt("SheZhi", countKey, 0);
    std::vector<std::string> values;
    for (int i : NumberedKeys(ini, section, prefix, count)) {
        const std::string value = WithoutHalfCharacter(ini.GetString(section, prefix + IntText(i), "default", 260));
        if (!value.empty() && !Contains(value, "default"))
            values.push_back(value);
    }
    return values;
}

bool IsQuantityName(const std::string &name)
{
    if (name.empty() || Len(name) > kLongestName || !IsCleanGbk(name))
        return false;
    for (const char *mark : {"〖", "〗", "〔", "〕"})
        if (Contains(name, mark))
            return false;
    return true;
}

bool IsFormula(const std::string &formula, const std::vector<std::string> &names)
{
    if (!IsCleanGbk(formula))
        return false;
    const std::string head = FormulaHead(formula);
    if (std::find(names.begin(), names.end(), head) == names.end())
        return false;
    const std::string body = FormulaBody(formula);
    if (Trim(body).empty() || Contains(body, "〖") || Contains(body, "〗"))
        return false;
    // Every 〔 closes before the next one opens, around a quantity of the file.
    int open = 0;
    int close = 0;
    for (int p = 0; p < Len(body);) {
        const std::string c
            = Mid(body, p, IsGbkLead(static_cast<unsigned char>(body[static_cast<std::size_t>(p)])) ? 2 : 1);
        if (c == "〔")
            ++open;
        else if (c == "〕")
            ++close;
        if (open - close < 0 || open - close > 1)
            return false;
        p += Len(c);
    }
    if (open != close)
        return false;
    for (const std::string &input : FormulaInputs(formula))
        if (std::find(names.begin(), names.end(), input) == names.end())
            return false;
    return true;
}

// The file of a GBK name: the one the name index gives, when it is there; else the file named by
// the GBK name itself (one that a teacher put into the folder under that name).
std::filesystem::path FormulaFilePath(const std::string &folder, const std::string &name)
{
    const std::string indexed = FormulaIndex::Of(folder)->FileOf(name);
    if (!indexed.empty()) {
        std::filesystem::path path(folder + "/" + indexed);
        if (StampOf(path.string()).regular)
            return path;
    }
    return std::filesystem::path(folder + "/" + name + ".ini");
}

// Valid UTF-8 with a character of three or four bytes (every Chinese character is one): a
// readable file name, not a GBK one, even where its bytes happen to pair up as GBK.
bool IsUtf8Chinese(const std::string &text)
{
    bool wide = false;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        if (b >= 0xF0 && b <= 0xF4)
            length = 4;
        else if (b >= 0xE0 && b <= 0xEF)
            length = 3;
        else if (b >= 0xC2 && b <= 0xDF)
            length = 2;
        else if (b >= 0x80)
            return false;
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        wide = wide || length >= 3;
        i += length;
    }
    return wide;
}

} // namespace

std::string FormulaFolder(const std::string &installation) { return installation + "/Document/GongShi"; }

namespace {

// What a formula file says, read once and again when the file changes (CachedReading): a page
// reads the same few files line after line, and 公式应用题 without 〖…〗 reads every file for
// every line.
struct FormulaFileReading {
    explicit FormulaFileReading(const std::string &path)
    {
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error))
            return;
        const auto size = std::filesystem::file_size(path, error);
        if (error || size > static_cast<std::uintmax_t>(kLargestFormulaFile)) {
            file.state = error ? FormulaFile::State::Missing : FormulaFile::State::TooLarge;
            return;
        }
        file.state = FormulaFile::State::Read;
        const numbers::IniFile ini(path);
        std::vector<std::string> names;
        for (const std::string &value : NumberedValues(ini, "BianLiang", "bianliang", "BianLiangCount")) {
            if (Len(value) <= kLongestName && IsQuantityName(value)
                && std::find(names.begin(), names.end(), value) == names.end()
                && static_cast<int>(names.size()) < kMostQuantities)
                names.push_back(value);
        }
        std::vector<std::string> formulas;
        for (const std::string &value : NumberedValues(ini, "GongShi", "gongshi", "GongShiCount")) {
            if (IsFormula(value, names) && std::find(formulas.begin(), formulas.end(), value) == formulas.end()
                && static_cast<int>(formulas.size()) < kMostFormulas)
                formulas.push_back(value);
        }
        for (const std::string &quantity : names)
            file.quantities.InsertAt(0, quantity);
        for (const std::string &formula : formulas)
            file.formulas.InsertAt(0, formula);
    }

    FormulaFile file;
};

} // namespace

FormulaFile ReadFormulaFile(const std::string &folder, const std::string &name)
{
    if (!IsSafeFormulaName(name))
        return {};
    return CachedReading<FormulaFileReading>(FormulaFilePath(folder, name).string())->file;
}

std::vector<std::string> FormulaFileNames(const std::string &folder)
{
    std::vector<std::string> names;
    std::set<std::string> indexed;
    // Held for the whole loop: the reading of a missing index is shared by no one else.
    const std::shared_ptr<const FormulaIndex> index = FormulaIndex::Of(folder);
    for (const auto &[name, file] : index->Files()) {
        indexed.insert(file);
        if (StampOf(folder + "/" + file).regular)
            names.push_back(name);
    }
    // Files by their GBK names; a file that the index names is already there by its GBK name.
    for (const FolderEntry &entry : EntriesOf(folder)) {
        const std::filesystem::path path(entry.name);
        const std::string stem = path.stem().string();
        if (entry.regular && path.extension() == ".ini" && !indexed.count(entry.name) && IsSafeFormulaName(stem)
            && !IsUtf8Chinese(stem))
            names.push_back(stem);
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

} // namespace qimbel::wordproblems
