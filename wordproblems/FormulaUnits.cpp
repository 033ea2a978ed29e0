#include "wordproblems/FormulaUnits.h"

#include "algebra/ExactNumber.h"
#include "solver/GbkText.h"

#include <cstdlib>
#include <mutex>

namespace qimbel::wordproblems {

namespace {

const std::string kSquare = "平方";
const std::string kCube = "立方";

// A/B split at its bar; B is "" for a simple unit.
std::pair<std::string, std::string> Parts(const std::string &unit)
{
    const int bar = Find(unit, "/");
    if (bar < 0)
        return {unit, ""};
    return {Left(unit, bar), Mid(unit, bar + 1)};
}

std::optional<Rational> RateOf(const numbers::UnitRate &unit)
{
    return MakeRational(static_cast<Whole>(std::strtoll(unit.rateText.c_str(), nullptr, 10)), 1);
}

} // namespace

UnitBook::UnitBook(const std::vector<std::string> &chainTexts)
{
    for (const std::string &text : chainTexts) {
        chains_.push_back(numbers::ParseUnitChain(text));
        for (const numbers::UnitRate &unit : chains_.back())
            names_.push_back(unit.name);
    }
    auto known = [&](const std::string &name) { return ChainOf(name) >= 0; };
    for (std::size_t c = 0; c < chains_.size(); ++c) {
        int power = 0;
        for (const numbers::UnitRate &unit : chains_[c]) {
            const std::string front = Left(unit.name, 4);
            if ((front == kSquare || front == kCube) && known(Mid(unit.name, 4)) && ChainOf(Mid(unit.name, 4)) != static_cast<int>(c))
                power = front == kSquare ? 2 : 3;
            else if (known(kSquare + unit.name))
                power = 1;
            if (power != 0)
                break;
        }
        powers_.push_back(power);
        if (power == 1 && lengthChain_ < 0)
            lengthChain_ = static_cast<int>(c);
    }
}

std::shared_ptr<const UnitBook> CachedUnitBook(const std::string &path)
{
    const std::shared_ptr<const std::vector<std::string>> chains = numbers::CachedUnitChains(path);
    static std::mutex mutex;
    static std::weak_ptr<const std::vector<std::string>> from;
    static std::shared_ptr<const UnitBook> book;
    const std::lock_guard<std::mutex> lock(mutex);
    if (book == nullptr || from.lock() != chains) {
        book = std::make_shared<const UnitBook>(*chains);
        from = chains;
    }
    return book;
}

int UnitBook::ChainOf(const std::string &unit) const
{
    for (std::size_t c = 0; c < chains_.size(); ++c)
        for (const numbers::UnitRate &u : chains_[c])
            if (u.name == unit)
                return static_cast<int>(c);
    return -1;
}

const numbers::UnitRate *UnitBook::Rate(const std::string &unit) const
{
    const int c = ChainOf(unit);
    if (c < 0)
        return nullptr;
    for (const numbers::UnitRate &u : chains_[static_cast<std::size_t>(c)])
        if (u.name == unit)
            return &u;
    return nullptr;
}

int UnitBook::PowerOf(int chain) const
{
    return chain >= 0 && chain < static_cast<int>(powers_.size()) ? powers_[static_cast<std::size_t>(chain)] : 0;
}

std::string UnitBook::LengthOf(const std::string &unit) const
{
    const int chain = ChainOf(unit);
    const int power = PowerOf(chain);
    if (power == 1)
        return unit;
    if (power == 0)
        return {};
    const std::string prefix = power == 2 ? kSquare : kCube;
    if (Left(unit, 4) == prefix && ChainOf(Mid(unit, 4)) == lengthChain_)
        return Mid(unit, 4);
    // 升 is as large as 立方分米.
    const numbers::UnitRate *rate = Rate(unit);
    for (const numbers::UnitRate &u : chains_[static_cast<std::size_t>(chain)])
        if (u.rateText == rate->rateText && Left(u.name, 4) == prefix && ChainOf(Mid(u.name, 4)) == lengthChain_)
            return Mid(u.name, 4);
    return {};
}

CommonUnits::CommonUnits(const UnitBook &book, const std::string &questionUnit, const std::vector<Amount> &amounts)
    : book_(book)
{
    std::vector<std::string> units;
    for (const std::string &part : {Parts(questionUnit).first, Parts(questionUnit).second})
        if (book.ChainOf(part) >= 0)
            units.push_back(part);
    const std::size_t fromQuestion = units.size();
    for (const Amount &amount : amounts)
        for (const std::string &part : {Parts(amount.unit).first, Parts(amount.unit).second})
            if (book.ChainOf(part) >= 0)
                units.push_back(part);
    for (std::size_t i = 0; i < units.size(); ++i) {
        const int chain = book.ChainOf(units[i]);
        if (length_.empty())
            length_ = book.LengthOf(units[i]);
        // The question's own unit stands for its chain (升 stays 升); an amount's only where the
        // chain is not one of length, area or volume, which follow the common length.
        if (!common_.count(chain) && (i < fromQuestion || book.PowerOf(chain) == 0))
            common_[chain] = units[i];
    }
}

std::string CommonUnits::CommonOf(const std::string &unit) const
{
    const int chain = book_.ChainOf(unit);
    if (chain < 0)
        return unit;
    if (const auto found = common_.find(chain); found != common_.end())
        return found->second;
    const int power = book_.PowerOf(chain);
    if (power == 0 || length_.empty())
        return unit;
    const std::string wanted = power == 1 ? length_ : (power == 2 ? kSquare : kCube) + length_;
    return book_.ChainOf(wanted) == chain ? wanted : unit;
}

std::string CommonUnits::TargetOf(const std::string &unit) const
{
    const auto [top, bottom] = Parts(unit);
    return bottom.empty() ? CommonOf(top) : CommonOf(top) + "/" + CommonOf(bottom);
}

std::string CommonUnits::ConvertOne(const Amount &amount, const std::string &target, std::string &step) const
{
    step.clear();
    const auto [top, bottom] = Parts(amount.unit);
    const auto [toTop, toBottom] = Parts(target);
    const numbers::UnitRate *from = book_.Rate(top);
    const numbers::UnitRate *under = bottom.empty() ? nullptr : book_.Rate(bottom);
    const numbers::UnitRate *to = book_.Rate(toTop);
    const numbers::UnitRate *toUnder = toBottom.empty() ? nullptr : book_.Rate(toBottom);
    if (from == nullptr || to == nullptr || (under == nullptr) != (toUnder == nullptr)
        || book_.ChainOf(top) != book_.ChainOf(toTop) || (under != nullptr && book_.ChainOf(bottom) != book_.ChainOf(toBottom)))
        return amount.number;

    // factor = rate(to) / rate(from), over the units below the bar the other way round.
    std::optional<Rational> factor = RationalQuotient(*RateOf(*to), *RateOf(*from));
    if (factor && under != nullptr)
        factor = RationalProduct(*factor, *RationalQuotient(*RateOf(*under), *RateOf(*toUnder)));
    const std::optional<NumberValue> read = ReadNumber(amount.number);
    const std::optional<Rational> value = read ? ExactValue(*read) : std::nullopt;
    if (!factor || !value || (factor->numerator == 1 && factor->denominator == 1))
        return amount.number;
    const std::optional<Rational> result = RationalProduct(*value, *factor);
    if (!result)
        return amount.number;

    const bool grows = factor->denominator == 1;
    const std::string sign = grows ? "×" : "÷";
    const Whole ratio = grows ? factor->numerator : factor->denominator;
    if (!grows && factor->numerator != 1)
        return amount.number; // no whole ratio between the units: the table has none such
    const std::string ratioText = WholeText(ratio);
    const std::string converted = ExactText(*result);
    const std::string because = bottom.empty() ? amount.unit + "与" + target + "之间是" + ratioText + "进，" : "";
    step = amount.number + amount.unit + "=" + amount.number + sign + ratioText + "=" + converted + target + "  ("
        + because + "由" + amount.unit + "化为" + target + "，则 " + sign + ratioText + " )";
    return converted;
}

std::string CommonUnits::Convert(const Amount &amount, std::vector<std::string> &steps) const
{
    steps.clear();
    const std::string target = TargetOf(amount.unit);
    std::string step;
    std::string total = ConvertOne(amount, target, step);
    if (!step.empty())
        steps.push_back(step);
    // 1米20厘米: every part into the same unit, then added up as 单位转换 adds them.
    for (const Amount &part : amount.parts) {
        if (Contains(target, "/") || Contains(part.unit, "/") || book_.ChainOf(part.unit) != book_.ChainOf(target)
            || book_.ChainOf(target) < 0)
            return {};
        const std::string value = ConvertOne(part, target, step);
        if (!step.empty())
            steps.push_back(step);
        const std::optional<NumberValue> a = ReadNumber(total);
        const std::optional<NumberValue> b = ReadNumber(value);
        const std::optional<Rational> x = a ? ExactValue(*a) : std::nullopt;
        const std::optional<Rational> y = b ? ExactValue(*b) : std::nullopt;
        const std::optional<Rational> sum = x && y ? RationalSum(*x, *y) : std::nullopt;
        if (!sum)
            return {};
        const std::string sumText = ExactText(*sum);
        steps.push_back(total + "+" + value + "=" + sumText);
        total = sumText;
    }
    return total;
}

std::optional<Dimension> CommonUnits::DimensionOf(const std::string &unit) const
{
    Dimension dimension;
    const auto [top, bottom] = Parts(unit);
    int sign = 1;
    for (const std::string &part : {top, bottom}) {
        if (!part.empty()) {
            const int chain = book_.ChainOf(part);
            if (chain < 0)
                return std::nullopt;
            const int power = book_.PowerOf(chain);
            if (power == 0)
                dimension[chain] += sign;
            else
                dimension[book_.LengthChain()] += sign * power;
        }
        sign = -1;
    }
    for (auto it = dimension.begin(); it != dimension.end();)
        it = it->second == 0 ? dimension.erase(it) : std::next(it);
    return dimension;
}

std::string CommonUnits::UnitOf(const Dimension &dimension) const
{
    // One kind over at most one other: 平方米, 元, 千米/时.
    std::string top;
    std::string bottom;
    for (const auto &[chain, power] : dimension) {
        std::string unit;
        if (chain == book_.LengthChain()) {
            if (length_.empty() || power < -1 || power > 3)
                return {};
            unit = power == 1 || power == -1 ? length_ : (power == 2 ? kSquare : kCube) + length_;
            if (const auto found = common_.find(book_.ChainOf(unit)); found != common_.end())
                unit = found->second;
            if (book_.ChainOf(unit) < 0)
                return {};
        } else if (power == 1 || power == -1) {
            const auto found = common_.find(chain);
            if (found == common_.end())
                return {};
            unit = found->second;
        } else {
            return {};
        }
        std::string &slot = power > 0 ? top : bottom;
        if (!slot.empty())
            return {};
        slot = unit;
    }
    if (top.empty())
        return {};
    return bottom.empty() ? top : top + "/" + bottom;
}

namespace {

// Reads a formula's expression for its kind: 〔quantity〕, numbers, ＋ － × ÷ and brackets.
class DimensionReader {
public:
    DimensionReader(const std::string &text, const std::map<std::string, Dimension> &quantities)
        : text_(text)
        , quantities_(quantities)
    {
    }

    std::optional<Dimension> Run()
    {
        bool ok = true;
        std::optional<Dimension> value = Sum(ok, 0);
        return ok && at_ == Len(text_) ? value : std::nullopt;
    }

private:
    bool Take(const std::string &piece)
    {
        if (Mid(text_, at_, Len(piece)) != piece)
            return false;
        at_ += Len(piece);
        return true;
    }

    // A sum takes the kind of its terms; a term of unknown kind leaves it to the others.
    std::optional<Dimension> Sum(bool &ok, int depth)
    {
        std::optional<Dimension> value = Product(ok, depth);
        while (ok && (Take("＋") || Take("－"))) {
            const std::optional<Dimension> right = Product(ok, depth);
            if (!value)
                value = right;
        }
        return value;
    }

    std::optional<Dimension> Product(bool &ok, int depth)
    {
        std::optional<Dimension> value = Factor(ok, depth);
        for (;;) {
            int sign = 0;
            if (Take("×"))
                sign = 1;
            else if (Take("÷"))
                sign = -1;
            else
                return value;
            const std::optional<Dimension> right = Factor(ok, depth);
            if (!value || !right)
                value.reset();
            else
                for (const auto &[chain, power] : *right)
                    if (((*value)[chain] += sign * power) == 0)
                        value->erase(chain);
            if (!ok)
                return std::nullopt;
        }
    }

    std::optional<Dimension> Factor(bool &ok, int depth)
    {
        if (depth > 16) {
            ok = false;
            return std::nullopt;
        }
        if (Take("(")) {
            std::optional<Dimension> value = Sum(ok, depth + 1);
            ok = ok && Take(")");
            return value;
        }
        if (Take("〔")) {
            const int close = Find(text_, "〕", at_);
            if (close < 0) {
                ok = false;
                return std::nullopt;
            }
            const std::string name = Mid(text_, at_, close - at_);
            at_ = close + Len("〕");
            const auto found = quantities_.find(name);
            return found == quantities_.end() ? std::nullopt : std::optional<Dimension>(found->second);
        }
        const int start = at_;
        while (at_ < Len(text_)
            && ((text_[static_cast<std::size_t>(at_)] >= '0' && text_[static_cast<std::size_t>(at_)] <= '9')
                || text_[static_cast<std::size_t>(at_)] == '.' || text_[static_cast<std::size_t>(at_)] == '/'))
            ++at_;
        ok = ok && at_ > start;
        return Dimension {};
    }

    std::string text_;
    int at_ = 0;
    const std::map<std::string, Dimension> &quantities_;
};

} // namespace

std::optional<Dimension> ExpressionDimension(
    const std::string &expression, const std::map<std::string, Dimension> &quantities)
{
    return DimensionReader(expression, quantities).Run();
}

} // namespace qimbel::wordproblems
