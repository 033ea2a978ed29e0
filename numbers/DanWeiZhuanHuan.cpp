#include "numbers/IniFile.h"
#include "numbers/NumberText.h"
#include "numbers/UnitTable.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace qimbel {

namespace {

// One quantity of the problem: its number as typed, its unit, and the number filled in.
struct Quantity {
    std::string number;
    std::string unit;
    bool unknown = false;
    std::string filled;
};

using Unit = numbers::UnitRate;

// Cuts one side of the equation into quantities: a run of number bytes (digits, ".", "/", "(",
// ")", "%") and the run of other bytes after it. Text before the first number is not a quantity.
std::vector<Quantity> Quantities(Solver &solver, const std::string &side)
{
    const std::string pattern = solver.GetKuoHaoMoShi(side);
    std::vector<Quantity> quantities;
    std::size_t i = pattern.find('1');
    while (i != std::string::npos) {
        const std::size_t unitAt = pattern.find('a', i);
        const std::size_t next = unitAt == std::string::npos ? std::string::npos : pattern.find('1', unitAt);
        Quantity q;
        q.number = side.substr(i, unitAt == std::string::npos ? std::string::npos : unitAt - i);
        if (unitAt != std::string::npos)
            q.unit = Trim(side.substr(unitAt, next == std::string::npos ? std::string::npos : next - unitAt));
        q.unknown = Contains(q.number, "(") && Contains(q.number, ")");
        quantities.push_back(q);
        i = next;
    }
    return quantities;
}

bool HoldsUnits(const std::string &chain, const std::vector<Quantity> &quantities)
{
    for (const Quantity &q : quantities)
        if (!Contains(chain, "_" + q.unit + "〗"))
            return false;
    return true;
}

// Writes the conversions of one problem as numbered steps.
class Working {
public:
    Working(Solver &solver, const std::map<std::string, Unit> &units, const Unit &reference)
        : solver_(solver)
        , units_(units)
        , reference_(reference)
    {
    }

    // `amount` of `from` in the unit `to`, with a conversion step when the rate texts differ in
    // length. The explanation names the quantity's own unit `own` first either way.
    std::string Convert(const std::string &amount, const Unit &from, const Unit &to, const Unit &own)
    {
        const std::string result = solver_.ShuZhiWenBen(numbers::LeadingValue(amount) * to.rate / from.rate);
        const int fromLength = Len(from.rateText);
        const int toLength = Len(to.rateText);
        if (fromLength == toLength)
            return result;
        const Unit &other = &own == &to ? from : to;
        const double larger = std::max(from.rate, to.rate);
        const double smaller = std::min(from.rate, to.rate);
        const std::string ratio = solver_.ShuZhiWenBen(std::floor(larger / smaller + 0.5));
        const std::string sign = toLength > fromLength ? "×" : "÷";
        Step(amount + from.name + "=" + amount + sign + ratio + "=" + result + to.name + "  (" + own.name + "与"
            + other.name + "之间是" + ratio + "进，由" + from.name + "化为" + to.name + "，则 " + sign + ratio + " )");
        return result;
    }

    // Adds the known quantities of one side in the reference unit.
    double Total(std::vector<Quantity> &side)
    {
        double total = 0;
        bool first = true;
        for (const Quantity &q : side) {
            if (q.unknown)
                continue;
            const Unit &unit = units_.at(q.unit);
            const std::string value = Convert(solver_.QuLing(q.number), unit, reference_, unit);
            const double sum = total + numbers::LeadingValue(value);
            if (!first)
                Step(solver_.ShuZhiWenBen(total) + "+" + value + "=" + solver_.ShuZhiWenBen(sum));
            total = sum;
            first = false;
        }
        return total;
    }

    // Fills the unknown quantities of one side with `amount` (in the reference unit): every
    // unknown but the last takes the whole part of what is still to be placed, the last takes
    // the rest.
    void Fill(std::vector<Quantity> &side, double amount)
    {
        std::vector<Quantity *> unknowns;
        for (Quantity &q : side)
            if (q.unknown)
                unknowns.push_back(&q);
        std::string rest = solver_.ShuZhiWenBen(amount);
        for (std::size_t i = 0; i < unknowns.size(); ++i) {
            const Unit &unit = units_.at(unknowns[i]->unit);
            const std::string value = Convert(rest, reference_, unit, unit);
            if (i + 1 == unknowns.size()) {
                unknowns[i]->filled = value;
                break;
            }
            const double whole = std::floor(numbers::LeadingValue(value) + 1e-9);
            unknowns[i]->filled = solver_.ShuZhiWenBen(whole);
            const std::string placed = solver_.ShuZhiWenBen(whole * reference_.rate / unit.rate);
            const std::string left = solver_.ShuZhiWenBen(numbers::LeadingValue(rest) - numbers::LeadingValue(placed));
            Step(rest + " - " + placed + "=" + left);
            rest = left;
        }
    }

    const std::string &Steps() const { return steps_; }

private:
    void Step(const std::string &body) { steps_ += "第" + IntText(++count_) + "步：" + body + "\r\n"; }

    Solver &solver_;
    const std::map<std::string, Unit> &units_;
    const Unit &reference_;
    std::string steps_;
    int count_ = 0;
};

std::string Side(const std::vector<Quantity> &side)
{
    std::string text;
    for (const Quantity &q : side)
        text += (q.unknown && !q.filled.empty() ? q.filled : q.number) + q.unit;
    return text;
}

} // namespace

// Problem type 单位转换: fills the "()" of an equation between quantities, such as 3千米500米＝()米,
// with the units and rates of the unit chains in Document/danwei.ini. Every known quantity is
// brought to the reference unit (the largest unit of the chain that the problem names) and added
// up; the difference of the two sides fills the unknowns, converted into their units. Level 5
// adds the numbered steps. Without "＝" or without a chain that holds the units, the line comes
// back as it is.
std::string Solver::DanWeiZhuanHuan(std::string line, int level)
{
    if (std::string sentence = LineTooLong(line, kLongestNumberLine); !sentence.empty())
        return sentence;
    const int equals = Find(line, "＝");
    if (equals < 0)
        return line;
    std::vector<Quantity> left = Quantities(*this, Left(line, equals));
    std::vector<Quantity> right = Quantities(*this, Mid(line, equals + 2));

    // The chain: the last one that holds every unit of the left side, preferring among those
    // the last that also holds every unit of the right side (分 is a unit of time and of money).
    const std::shared_ptr<const std::vector<std::string>> chains
        = numbers::CachedUnitChains(GetLuJing() + "/Document/danwei.ini");
    std::string chain;
    bool chainHoldsRight = false;
    for (const std::string &value : *chains) {
        if (!HoldsUnits(value, left))
            continue;
        const bool holdsRight = HoldsUnits(value, right);
        if (holdsRight || !chainHoldsRight) {
            chain = value;
            chainHoldsRight = holdsRight;
        }
    }
    if (chain.empty() || !chainHoldsRight)
        return line;

    const std::vector<Unit> units = numbers::ParseUnitChain(chain);
    std::map<std::string, Unit> byName;
    for (const Unit &unit : units)
        byName.emplace(unit.name, unit);
    for (const auto *side : {&left, &right})
        for (const Quantity &q : *side)
            if (byName.find(q.unit) == byName.end())
                return line;
    const Unit *reference = nullptr;
    for (const Unit &unit : units)
        if (Contains(line, unit.name)) {
            reference = &unit;
            break;
        }
    if (reference == nullptr)
        return line;

    Working working(*this, byName, *reference);
    const double leftTotal = working.Total(left);
    const double rightTotal = working.Total(right);
    if (leftTotal > rightTotal)
        working.Fill(right, leftTotal - rightTotal);
    else
        working.Fill(left, rightTotal - leftTotal);

    const std::string completed = Side(left) + "=" + Side(right);
    if (level == 5)
        return completed + "\r\n\r\n" + working.Steps();
    return completed;
}

} // namespace qimbel
