#include "marking/ExactExpression.h"

#include "solver/ExpressionText.h"
#include "solver/GbkText.h"

namespace qimbel {

using fractions::Fraction;
using fractions::Poly;

namespace {

// The line with one ASCII character per sign, blanks dropped: full-width signs, digits and
// brackets become their ASCII forms, "×" "·" become "*", "÷" becomes ":". Nothing, with the
// reason, when it holds a character no expression holds.
std::optional<std::string> AsciiForm(const std::string &gbk, std::string &why)
{
    static const std::pair<const char *, char> wide[] = {{"＋", '+'}, {"－", '-'}, {"×", '*'}, {"·", '*'}, {"÷", ':'},
        {"／", '/'}, {"（", '('}, {"）", ')'}, {"［", '['}, {"］", ']'}, {"｛", '{'}, {"｝", '}'}, {"．", '.'},
        {"％", '%'}, {"＾", '^'}, {"０", '0'}, {"１", '1'}, {"２", '2'}, {"３", '3'}, {"４", '4'}, {"５", '5'},
        {"６", '6'}, {"７", '7'}, {"８", '8'}, {"９", '9'}};
    std::string out;
    const int n = Len(gbk);
    bool blank = false; // a blank since the last character kept
    const auto isNumberChar = [](char b) { return (b >= '0' && b <= '9') || b == '.'; };
    for (int i = 0; i < n;) {
        const int size = CharSize(gbk, i);
        const std::string c = Mid(gbk, i, size);
        i += size;
        if (size == 2) {
            if (c == "　") {
                blank = true;
                continue;
            }
            char ascii = 0;
            for (const auto &[sign, a] : wide)
                if (c == sign)
                    ascii = a;
            if (ascii == 0) {
                why = "有不认识的符号“" + c + "”";
                return std::nullopt;
            }
            if (blank && isNumberChar(ascii) && !out.empty() && isNumberChar(out.back())) {
                why = "数与数之间只有空格";
                return std::nullopt;
            }
            blank = false;
            out += ascii;
            continue;
        }
        const char b = c[0];
        if (b == ' ' || b == '\t') {
            blank = true;
            continue;
        }
        // 12 18 is no number: the blank would join the two.
        if (blank && isNumberChar(b) && !out.empty() && isNumberChar(out.back())) {
            why = "数与数之间只有空格";
            return std::nullopt;
        }
        blank = false;
        const bool known = (b >= '0' && b <= '9') || (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z')
            || std::string("+-*/:^()[]{}.%").find(b) != std::string::npos;
        if (!known) {
            why = static_cast<unsigned char>(b) < 0x20 || static_cast<unsigned char>(b) >= 0x80
                ? std::string("有不认识的符号")
                : "有不认识的符号“" + c + "”";
            return std::nullopt;
        }
        out += b;
    }
    return out;
}

class Parser {
public:
    Parser(std::string s, bool numberFractions)
        : s_(std::move(s))
        , numberFractions_(numberFractions)
    {
    }

    std::optional<ExprNode> Whole(std::string &why)
    {
        std::optional<ExprNode> e = Sum();
        if (e && i_ < s_.size())
            Fail(s_[i_] == ')' || s_[i_] == ']' || s_[i_] == '}' ? "括号不配对" : "不是一个完整的算式");
        if (!why_.empty()) {
            why = why_;
            return std::nullopt;
        }
        return e;
    }

private:
    bool At(char c) const { return i_ < s_.size() && s_[i_] == c; }
    bool AtOpen() const { return At('(') || At('[') || At('{'); }
    bool StartsAtom() const
    {
        if (i_ >= s_.size())
            return false;
        const char c = s_[i_];
        return (c >= '0' && c <= '9') || c == '.' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || AtOpen();
    }
    std::nullopt_t Fail(const char *why)
    {
        if (why_.empty())
            why_ = why;
        return std::nullopt;
    }

    std::optional<ExprNode> Sum()
    {
        if (++depth_ > 48)
            return Fail("括号层数太多");
        ExprNode sum;
        sum.kind = ExprNode::Kind::Sum;
        bool negative = false;
        if (At('+') || At('-'))
            negative = s_[i_++] == '-';
        for (;;) {
            std::optional<ExprNode> term = Product();
            if (!term)
                return std::nullopt;
            sum.kids.push_back(std::move(*term));
            sum.negative.push_back(negative);
            if (!At('+') && !At('-'))
                break;
            negative = s_[i_++] == '-';
        }
        --depth_;
        if (sum.kids.size() == 1 && !sum.negative[0])
            return std::move(sum.kids[0]);
        return sum;
    }

    // Fractions joined by × and ÷; the factors of a unit multiplied in are one flat list, so
    // 2x^2y and 2×3x are products of their pieces, while a fraction stays one factor.
    std::optional<ExprNode> Product()
    {
        ExprNode product;
        product.kind = ExprNode::Kind::Product;
        std::optional<ExprNode> part = Bar();
        if (!part)
            return std::nullopt;
        Append(product, std::move(*part), false);
        while (At('*') || At(':') || At('/')) {
            const bool divide = s_[i_++] != '*';
            part = Bar();
            if (!part)
                return std::nullopt;
            if (divide && SideBySideWithBracket(*part))
                return Fail("除号后面省略了乘号，有两种读法，请写出乘号或添上括号");
            Append(product, std::move(*part), divide);
        }
        if (product.kids.size() == 1)
            return std::move(product.kids[0]);
        return product;
    }

    // With the bar read as in 分式: a unit over the unit after "/" (1/2x is 1 over 2x). With
    // number fractions (the arithmetic and 整式 pages) "/" joins two numbers only (1/2x is half
    // of x), and between other parts it divides.
    std::optional<ExprNode> Bar()
    {
        std::optional<ExprNode> numerator = Unit();
        if (!numerator || numberFractions_ || !At('/'))
            return numerator;
        ++i_;
        std::optional<ExprNode> denominator = Unit();
        if (!denominator)
            return std::nullopt;
        return Over(std::move(*numerator), std::move(*denominator));
    }

    static ExprNode Over(ExprNode numerator, ExprNode denominator)
    {
        ExprNode fraction;
        fraction.kind = ExprNode::Kind::Product;
        fraction.kids.push_back(std::move(numerator));
        fraction.kids.push_back(std::move(denominator));
        fraction.divide = {false, true};
        return fraction;
    }

    static bool HasDivision(const ExprNode &n)
    {
        for (bool d : n.divide)
            if (d)
                return true;
        return false;
    }

    // 6÷2(1＋2), 3÷2(9)9: factors side by side with a bracket among them after a division are
    // read by some as one divisor and by others as a division followed by a multiplication (the
    // worked routines do the latter), so such a line is not marked. 12a^3b^2÷3ab stays one divisor.
    static bool SideBySideWithBracket(const ExprNode &unit)
    {
        if (unit.kind != ExprNode::Kind::Product || unit.kids.size() < 2 || HasDivision(unit))
            return false;
        for (const ExprNode &kid : unit.kids)
            if (kid.kind == ExprNode::Kind::Group
                || (kid.kind == ExprNode::Kind::Power && kid.kids[0].kind == ExprNode::Kind::Group))
                return true;
        return false;
    }

    static void Append(ExprNode &product, ExprNode unit, bool divide)
    {
        if (!divide && unit.kind == ExprNode::Kind::Product && !HasDivision(unit)) {
            for (ExprNode &kid : unit.kids) {
                product.kids.push_back(std::move(kid));
                product.divide.push_back(false);
            }
            return;
        }
        product.kids.push_back(std::move(unit));
        product.divide.push_back(divide);
    }

    // Factors written side by side; after × or ÷ a sign may stand in front (2×－3).
    std::optional<ExprNode> Unit()
    {
        if (At('+') || At('-')) {
            const bool negative = s_[i_++] == '-';
            if (++depth_ > 48)
                return Fail("不是一个完整的算式");
            std::optional<ExprNode> inner = Unit();
            --depth_;
            if (!inner || !negative)
                return inner;
            return NegatedNode(std::move(*inner));
        }
        if (!StartsAtom())
            return Fail("不是一个完整的算式");
        ExprNode unit;
        unit.kind = ExprNode::Kind::Product;
        while (StartsAtom()) {
            std::optional<ExprNode> factor = Factor();
            if (!factor)
                return std::nullopt;
            unit.kids.push_back(std::move(*factor));
            unit.divide.push_back(false);
        }
        if (unit.kids.size() == 1)
            return std::move(unit.kids[0]);
        return unit;
    }

    std::optional<ExprNode> Factor()
    {
        std::optional<ExprNode> atom = Atom();
        if (atom && numberFractions_ && atom->kind == ExprNode::Kind::Number && At('/') && i_ + 1 < s_.size()
            && s_[i_ + 1] >= '0' && s_[i_ + 1] <= '9') {
            ++i_;
            std::optional<ExprNode> denominator = Atom();
            if (!denominator)
                return std::nullopt;
            atom = Over(std::move(*atom), std::move(*denominator));
            // 1/2/4: a fraction of a fraction, or 1÷2÷4? The worked routines read neither.
            if (At('/') && i_ + 1 < s_.size() && s_[i_ + 1] >= '0' && s_[i_ + 1] <= '9')
                return Fail("分数线连着写，有两种读法，请写出除号或添上括号");
        }
        while (atom && At('^')) {
            ++i_;
            const bool bracket = At('(');
            if (bracket)
                ++i_;
            int exponent = 0;
            const std::size_t from = i_;
            while (At('0') || At('1') || At('2') || At('3') || At('4') || At('5') || At('6') || At('7') || At('8')
                || At('9')) {
                exponent = exponent * 10 + (s_[i_++] - '0');
                if (exponent > 64)
                    return Fail("指数太大");
            }
            // A decimal exponent (2^1.0, 2^0.5) is no whole number either: read as 2^1 times .0 it
            // would make the line 0.
            if (i_ == from || At('.'))
                return Fail("乘方的指数要是整数");
            if (bracket && !At(')'))
                return Fail("括号不配对");
            if (bracket)
                ++i_;
            ExprNode power;
            power.kind = ExprNode::Kind::Power;
            power.exponent = exponent;
            power.kids.push_back(std::move(*atom));
            atom = std::move(power);
            // 5^3/2: (5^3)/2 or 5^(3/2)? The worked routines ask for brackets.
            if (numberFractions_ && !bracket && At('/'))
                return Fail("指数后面紧跟着分数线，有两种读法，请添上括号");
        }
        return atom;
    }

    std::optional<ExprNode> Atom()
    {
        const char c = s_[i_];
        if (AtOpen()) {
            const char close = c == '(' ? ')' : c == '[' ? ']' : '}';
            ++i_;
            std::optional<ExprNode> inner = Sum();
            if (!inner)
                return std::nullopt;
            if (!At(close))
                return Fail("括号不配对");
            ++i_;
            ExprNode group;
            group.kind = ExprNode::Kind::Group;
            group.kids.push_back(std::move(*inner));
            return group;
        }
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            ++i_;
            ExprNode letter;
            letter.kind = ExprNode::Kind::Letter;
            letter.letter = c;
            return letter;
        }
        const std::size_t from = i_;
        while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9')
            ++i_;
        if (At('.')) {
            ++i_;
            const std::size_t point = i_;
            while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9')
                ++i_;
            if (i_ == point)
                return Fail("小数点后面要有数字");
        }
        ExprNode number;
        number.kind = ExprNode::Kind::Number;
        number.text = s_.substr(from, i_ - from);
        const std::optional<NumberValue> read = ReadNumber(number.text);
        const std::optional<Rational> value = read ? ExactValue(*read) : std::nullopt;
        if (!value)
            return Fail("数太大，无法准确计算");
        number.number = *value;
        if (At('%')) {
            ++i_;
            number.text += '%';
            const std::optional<Rational> percent = RationalQuotient(number.number, Rational {100, 1});
            if (!percent)
                return Fail("数太大，无法准确计算");
            number.number = *percent;
        }
        return number;
    }

    std::string s_;
    bool numberFractions_;
    std::size_t i_ = 0;
    int depth_ = 0;
    std::string why_;
};

// Products of polynomials whose term counts would pass this are refused: a typed power of a long
// sum would otherwise take a long time before any number grows too large.
constexpr std::size_t kMostTermPairs = 4096;

Poly Times(const Poly &a, const Poly &b)
{
    if (a.size() * b.size() > kMostTermPairs)
        throw fractions::TooLarge {};
    return fractions::Product(a, b);
}

Fraction Tidy(Fraction f)
{
    if (fractions::IsConstant(f.den)) {
        const Rational d = fractions::ConstantOf(f.den);
        f.num = fractions::Scaled(f.num, fractions::Over(Rational {1, 1}, d));
        f.den = fractions::Constant(Rational {1, 1});
    } else if (std::optional<Poly> q = fractions::ExactQuotient(f.num, f.den)) {
        f.num = std::move(*q);
        f.den = fractions::Constant(Rational {1, 1});
    }
    f.typedDen.clear();
    return f;
}

Fraction Add(const Fraction &a, const Fraction &b, bool subtract)
{
    const Poly bn = subtract ? fractions::Scaled(b.num, Rational {-1, 1}) : b.num;
    if (fractions::SamePoly(a.den, b.den))
        return Tidy({fractions::Sum(a.num, bn), a.den});
    return Tidy({fractions::Sum(Times(a.num, b.den), Times(bn, a.den)), Times(a.den, b.den)});
}

struct DivideByZero { };

Fraction Value(const ExprNode &n, int depth)
{
    if (depth > 200)
        throw fractions::TooLarge {};
    const Poly one = fractions::Constant(Rational {1, 1});
    switch (n.kind) {
    case ExprNode::Kind::Number:
        return {fractions::Constant(n.number), one};
    case ExprNode::Kind::Letter:
        return {fractions::LetterPoly(n.letter), one};
    case ExprNode::Kind::Fixed:
        return n.fixed;
    case ExprNode::Kind::Group:
        return Value(n.kids[0], depth + 1);
    case ExprNode::Kind::Sum: {
        Fraction total {{}, one};
        for (std::size_t k = 0; k < n.kids.size(); ++k)
            total = Add(total, Value(n.kids[k], depth + 1), n.negative[k]);
        return total;
    }
    case ExprNode::Kind::Product: {
        Fraction total {one, one};
        for (std::size_t k = 0; k < n.kids.size(); ++k) {
            const Fraction f = Value(n.kids[k], depth + 1);
            if (n.divide[k]) {
                if (f.num.empty())
                    throw DivideByZero {};
                total = Tidy({Times(total.num, f.den), Times(total.den, f.num)});
            } else {
                total = Tidy({Times(total.num, f.num), Times(total.den, f.den)});
            }
        }
        return total;
    }
    case ExprNode::Kind::Power: {
        const Fraction base = Value(n.kids[0], depth + 1);
        Fraction total {one, one};
        for (int k = 0; k < n.exponent; ++k)
            total = Tidy({Times(total.num, base.num), Times(total.den, base.den)});
        return total;
    }
    }
    return {{}, one};
}

template <class Node, class Out> void Collect(Node &node, Out &out)
{
    out.push_back(&node);
    for (auto &kid : node.kids)
        Collect(kid, out);
}

} // namespace

ReadExpression ReadPupilExpression(const std::string &gbk, bool numberFractions)
{
    ReadExpression read;
    const std::optional<std::string> ascii = AsciiForm(gbk, read.why);
    if (!ascii)
        return read;
    if (ascii->empty()) {
        read.why = "这一行没有算式";
        return read;
    }
    if (!BracketsPair(*ascii)) {
        read.why = "括号不配对";
        return read;
    }
    Parser parser(*ascii, numberFractions);
    read.tree = parser.Whole(read.why);
    return read;
}

std::optional<Fraction> ExactValueOf(const ExprNode &node, std::string *why)
{
    try {
        return Value(node, 0);
    } catch (const fractions::TooMuchWork &) {
        if (why != nullptr)
            *why = "式子太复杂，无法在短时间内算出它的值";
    } catch (const fractions::TooLarge &) {
        if (why != nullptr)
            *why = "数太大，无法准确计算";
    } catch (const DivideByZero &) {
        if (why != nullptr)
            *why = "除数（分母）是0";
    }
    return std::nullopt;
}

std::optional<bool> SameValue(const Fraction &a, const Fraction &b)
{
    try {
        return fractions::Difference(Times(a.num, b.den), Times(b.num, a.den)).empty();
    } catch (const fractions::TooLarge &) {
        return std::nullopt;
    }
}

std::vector<ExprNode *> NodesOf(ExprNode &root)
{
    std::vector<ExprNode *> out;
    Collect(root, out);
    return out;
}

std::vector<const ExprNode *> NodesOf(const ExprNode &root)
{
    std::vector<const ExprNode *> out;
    Collect(root, out);
    return out;
}

ExprNode FixedNode(const Fraction &value)
{
    ExprNode n;
    n.kind = ExprNode::Kind::Fixed;
    n.fixed = value;
    return n;
}

ExprNode NegatedNode(ExprNode node)
{
    ExprNode sum;
    sum.kind = ExprNode::Kind::Sum;
    sum.kids.push_back(std::move(node));
    sum.negative.push_back(true);
    return sum;
}

bool IsWholeNumber(const ExprNode &node) { return node.kind == ExprNode::Kind::Number && node.number.denominator == 1; }

const ExprNode &Unbracketed(const ExprNode &node)
{
    const ExprNode *n = &node;
    while (n->kind == ExprNode::Kind::Group)
        n = &n->kids[0];
    return *n;
}

} // namespace qimbel
