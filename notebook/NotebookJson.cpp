// 导出 / 导入: the notebook as one UTF-8 JSON text, the same in every face.
//
//   {"format":"qimbel-notebook","version":1,"entries":[{"id":1,"added":"2026-12-08",…},…]}
#include "notebook/Notebook.h"
#include "solver/JsonText.h"
#include "typeset/GbkUnicode.h"

#include <cstdio>
#include <optional>

namespace qimbel {

namespace {

constexpr const char *kFormat = "qimbel-notebook";
constexpr int kFormatVersion = 1;
// The largest file read: well above kMostEntries entries of pupil-sized texts.
constexpr std::size_t kLongestImport = 256u * 1024 * 1024;

void AppendGbkJsonString(std::string &out, const std::string &gbk)
{
    AppendJsonString(out, GbkToUtf8(gbk).value_or(GbkToUtf8Lossy(gbk)));
}

// A JSON value, only as much of JSON as the notebook needs; numbers are whole.
struct JsonValue {
    enum Kind { Null, Bool, Number, String, Array, Object } kind = Null;
    long long number = 0;
    std::string text;
    std::vector<JsonValue> items;
    // An object's members as two lists, names and values: a pair holding a JsonValue cannot be
    // declared inside JsonValue itself with every standard library.
    std::vector<std::string> memberNames;
    std::vector<JsonValue> memberValues;

    const JsonValue *Member(const std::string &name) const;
};

const JsonValue *JsonValue::Member(const std::string &name) const
{
    for (std::size_t i = 0; i < memberNames.size(); ++i)
        if (memberNames[i] == name)
            return &memberValues[i];
    return nullptr;
}

class JsonReader {
public:
    explicit JsonReader(const std::string &text)
        : s_(text)
    {
    }

    std::optional<JsonValue> Document()
    {
        JsonValue value;
        if (!Value(value, 0))
            return std::nullopt;
        Space();
        return at_ == s_.size() ? std::optional<JsonValue>(std::move(value)) : std::nullopt;
    }

private:
    static constexpr int kDeepest = 8;

    void Space()
    {
        while (at_ < s_.size() && (s_[at_] == ' ' || s_[at_] == '\n' || s_[at_] == '\r' || s_[at_] == '\t'))
            ++at_;
    }
    bool Take(char c)
    {
        Space();
        if (at_ < s_.size() && s_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool Word(const char *word)
    {
        const std::string w(word);
        if (s_.compare(at_, w.size(), w) != 0)
            return false;
        at_ += w.size();
        return true;
    }
    bool Hex4(unsigned &code)
    {
        if (at_ + 4 > s_.size())
            return false;
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = s_[at_++];
            code = code * 16
                + (c >= '0' && c <= '9'        ? c - '0'
                        : c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                               : 99);
            if (code >= 0x10000)
                return false;
        }
        return true;
    }
    bool String(std::string &out)
    {
        if (!Take('"'))
            return false;
        while (at_ < s_.size()) {
            const char c = s_[at_++];
            if (c == '"')
                return true;
            if (static_cast<unsigned char>(c) < 0x20)
                return false;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= s_.size())
                return false;
            const char e = s_[at_++];
            switch (e) {
            case '"':
            case '\\':
            case '/':
                out += e;
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'u': {
                unsigned code = 0;
                if (!Hex4(code))
                    return false;
                if (code >= 0xD800 && code < 0xDC00) {
                    unsigned low = 0;
                    if (!Word("\\u") || !Hex4(low) || low < 0xDC00 || low >= 0xE000)
                        return false;
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                } else if (code >= 0xDC00 && code < 0xE000) {
                    return false;
                }
                AppendUtf8(out, code);
                break;
            }
            default:
                return false;
            }
        }
        return false;
    }
    bool Value(JsonValue &v, int depth)
    {
        if (depth > kDeepest)
            return false;
        Space();
        if (at_ >= s_.size())
            return false;
        const char c = s_[at_];
        if (c == '{') {
            ++at_;
            v.kind = JsonValue::Object;
            if (Take('}'))
                return true;
            do {
                std::string key;
                JsonValue member;
                if (!String(key) || !Take(':') || !Value(member, depth + 1))
                    return false;
                v.memberNames.push_back(std::move(key));
                v.memberValues.push_back(std::move(member));
            } while (Take(','));
            return Take('}');
        }
        if (c == '[') {
            ++at_;
            v.kind = JsonValue::Array;
            if (Take(']'))
                return true;
            do {
                if (v.items.size() > kMostEntries)
                    return false;
                v.items.emplace_back();
                if (!Value(v.items.back(), depth + 1))
                    return false;
            } while (Take(','));
            return Take(']');
        }
        if (c == '"') {
            v.kind = JsonValue::String;
            return String(v.text);
        }
        if (Word("true") || Word("false")) {
            v.kind = JsonValue::Bool;
            v.number = s_[at_ - 2] == 'u';
            return true;
        }
        if (Word("null"))
            return true;
        v.kind = JsonValue::Number;
        const bool negative = s_[at_] == '-';
        at_ += negative;
        const std::size_t start = at_;
        while (at_ < s_.size() && s_[at_] >= '0' && s_[at_] <= '9' && at_ - start < 15)
            v.number = v.number * 10 + (s_[at_++] - '0');
        if (at_ == start
            || (at_ < s_.size()
                && (s_[at_] == '.' || s_[at_] == 'e' || s_[at_] == 'E' || (s_[at_] >= '0' && s_[at_] <= '9'))))
            return false;
        v.number = negative ? -v.number : v.number;
        return true;
    }

    const std::string &s_;
    std::size_t at_ = 0;
};

struct Field {
    const char *name;
    int NotebookEntry::*number;
    std::string NotebookEntry::*text;
    bool date;
};

// Every field but the id, in the order they are written.
constexpr Field kFields[] = {
    {"added", &NotebookEntry::added, nullptr, true},
    {"type", &NotebookEntry::type, nullptr, false},
    {"level", &NotebookEntry::level, nullptr, false},
    {"problem", nullptr, &NotebookEntry::problem, false},
    {"working", nullptr, &NotebookEntry::working, false},
    {"wrongStep", &NotebookEntry::wrongStep, nullptr, false},
    {"wrongLine", nullptr, &NotebookEntry::wrongLine, false},
    {"slip", nullptr, &NotebookEntry::slip, false},
    {"correction", nullptr, &NotebookEntry::correction, false},
    {"solution", nullptr, &NotebookEntry::solution, false},
    {"lastWrong", &NotebookEntry::lastWrong, nullptr, true},
    {"lastRight", &NotebookEntry::lastRight, nullptr, true},
    {"rightInRow", &NotebookEntry::rightInRow, nullptr, false},
    {"wrongTries", &NotebookEntry::wrongTries, nullptr, false},
    {"rightTries", &NotebookEntry::rightTries, nullptr, false},
};

// One entry of an import, or why it cannot be read.
std::optional<NotebookEntry> ReadEntry(const JsonValue &v, std::string &why)
{
    if (v.kind != JsonValue::Object) {
        why = "不是一道错题";
        return std::nullopt;
    }
    NotebookEntry entry;
    const JsonValue *id = v.Member("id");
    if (id == nullptr || id->kind != JsonValue::Number || id->number < 1) {
        why = "编号不对";
        return std::nullopt;
    }
    entry.id = id->number;
    for (const Field &field : kFields) {
        const JsonValue *value = v.Member(field.name);
        why = std::string("缺少") + field.name + "或者它不对";
        if (value == nullptr)
            return std::nullopt;
        if (field.text != nullptr) {
            const std::optional<std::string> gbk
                = value->kind == JsonValue::String ? Utf8ToGbk(value->text) : std::nullopt;
            if (!gbk)
                return std::nullopt;
            entry.*field.text = *gbk;
        } else if (field.date) {
            // "lastRight" is null when no right redo counted.
            const int day = value->kind == JsonValue::String ? DayOfDateText(value->text)
                : value->kind == JsonValue::Null && field.number == &NotebookEntry::lastRight ? 0
                                                                                              : -1;
            if (day < 0)
                return std::nullopt;
            entry.*field.number = day;
        } else {
            if (value->kind != JsonValue::Number || value->number < -1000000000 || value->number > 1000000000)
                return std::nullopt;
            entry.*field.number = static_cast<int>(value->number);
        }
    }
    if (!ValidEntry(entry, &why))
        return std::nullopt;
    why.clear();
    return entry;
}

} // namespace

std::string EntryJson(const NotebookEntry &entry)
{
    std::string out = "{\"id\":" + std::to_string(entry.id);
    for (const Field &field : kFields) {
        out += std::string(",\"") + field.name + "\":";
        if (field.text != nullptr)
            AppendGbkJsonString(out, entry.*field.text);
        else if (field.date && entry.*field.number == 0)
            out += "null";
        else if (field.date)
            out += "\"" + DateText(entry.*field.number) + "\"";
        else
            out += std::to_string(entry.*field.number);
    }
    return out + "}";
}

std::string Notebook::ExportJson() const
{
    std::string out = std::string("{\"format\":\"") + kFormat + "\",\"version\":" + std::to_string(kFormatVersion)
        + ",\"entries\":[";
    bool first = true;
    for (const auto &[id, entry] : entries_) {
        out += first ? "\n" : ",\n";
        first = false;
        out += EntryJson(entry);
    }
    out += "\n]}\n";
    return out;
}

ImportOutcome Notebook::ImportJson(const std::string &utf8)
{
    ImportOutcome outcome;
    const auto refuse = [&](const std::string &why) {
        outcome.message = "这个文件不能导入，错题本没有改动：" + why + "。";
        error_ = outcome.message;
        return outcome;
    };
    if (utf8.size() > kLongestImport)
        return refuse("文件太大");
    std::string text = utf8;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);
    std::optional<JsonValue> document = JsonReader(text).Document();
    if (!document || document->kind != JsonValue::Object)
        return refuse("它不是完整的JSON文件，可能已经损坏");
    const JsonValue *format = document->Member("format");
    const JsonValue *version = document->Member("version");
    const JsonValue *list = document->Member("entries");
    if (format == nullptr || format->kind != JsonValue::String || format->text != kFormat)
        return refuse("它不是错题本导出的文件");
    if (version == nullptr || version->kind != JsonValue::Number || version->number != kFormatVersion)
        return refuse("它是另一个版本的错题本");
    if (list == nullptr || list->kind != JsonValue::Array)
        return refuse("里面没有错题");

    // Checked whole before anything is kept.
    std::vector<NotebookEntry> fresh;
    std::unordered_map<std::string, std::size_t> keysInFile;
    std::map<std::int64_t, bool> idsInFile;
    for (std::size_t i = 0; i < list->items.size(); ++i) {
        std::string why;
        std::optional<NotebookEntry> entry = ReadEntry(list->items[i], why);
        if (!entry)
            return refuse("第" + std::to_string(i + 1) + "道错题" + why);
        if (!idsInFile.emplace(entry->id, true).second
            || !keysInFile.emplace(NotebookKey(entry->type, entry->problem), i).second)
            return refuse("第" + std::to_string(i + 1) + "道错题重复了");
        if (byKey_.count(NotebookKey(entry->type, entry->problem)) != 0)
            ++outcome.skipped;
        else
            fresh.push_back(std::move(*entry));
    }
    if (entries_.size() + fresh.size() > kMostEntries)
        return refuse("错题太多了");

    if (store_ != nullptr) {
        const StoreStatus status = store_->InsertAll(fresh);
        if (!status.ok()) {
            outcome.message = "导入没有成功，错题本没有改动：" + status.message;
            error_ = outcome.message;
            Reload();
            return outcome;
        }
    } else {
        // Ids of the file are kept where they are free, so a notebook moved whole stays the same.
        std::int64_t next = entries_.empty() ? 1 : entries_.rbegin()->first + 1;
        for (const NotebookEntry &entry : fresh)
            next = std::max(next, entry.id + 1);
        for (NotebookEntry &entry : fresh)
            if (entries_.count(entry.id) != 0)
                entry.id = next++;
    }
    for (const NotebookEntry &entry : fresh)
        Index(entry);
    outcome.ok = true;
    outcome.added = static_cast<int>(fresh.size());
    outcome.message = "导入了" + std::to_string(outcome.added) + "道错题"
        + (outcome.skipped > 0 ? "，" + std::to_string(outcome.skipped) + "道已经在错题本里" : "") + "。";
    error_.clear();
    return outcome;
}

} // namespace qimbel
