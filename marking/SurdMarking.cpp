#include "marking/SurdMarking.h"

#include "marking/EquationLine.h"
#include "marking/ExpressionMarking.h"
#include "solver/ExpressionText.h"
#include "solver/GbkText.h"
#include "solver/InputLimits.h"

#include <algorithm>
#include <string_view>

namespace qimbel {

namespace {

// A line of numbers and roots read into a tree that keeps its shape: the slips and the end of a
// working are read from the shape, the marks from the value.
struct SNode {
    enum class Kind {
        Number, // `number`
        Root, // √ of kids[0]
        Sum, // kids are the terms, `negative[k]` the sign in front of term k
        Product, // kids are the factors; `divide[k]`: factor k divides (k ≥ 1)
        Power, // kids[0] raised to `exponent`
        Group, // kids[0] in brackets
        Fixed, // a value put in place of a part while slips are tried
    };
    Kind kind = Kind::Number;
    QValue number;
    std::vector<SNode> kids;
    std::vector<bool> negative;
    std::vector<bool> divide;
    int exponent = 2;
    Surd fixed;
};

using Kind = SNode::Kind;

constexpr int kDeepest = 24; // brackets and roots inside each other
constexpr int kHighestPower = 12;

class SurdParser {
public:
    explicit SurdParser(const std::string &text)
        : text_(text)
    {
    }

    std::optional<SNode> Whole()
    {
        std::optional<SNode> node = Expression();
        if (!node || at_ != text_.size())
            return std::nullopt;
        return node;
    }

private:
    bool Sees(std::string_view what) const { return text_.compare(at_, what.size(), what) == 0; }
    bool Take(std::string_view what)
    {
        if (!Sees(what))
            return false;
        at_ += what.size();
        return true;
    }
    bool SeesDigit() const { return at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9'; }
    bool SeesOpening() const { return Sees("(") || Sees("[") || Sees("{"); }

    std::optional<SNode> Expression()
    {
        if (++depth_ > kDeepest)
            return std::nullopt;
        SNode sum;
        sum.kind = Kind::Sum;
        bool minus = false;
        if (Take("－"))
            minus = true;
        else
            Take("＋");
        for (;;) {
            std::optional<SNode> term = Term();
            if (!term)
                return std::nullopt;
            sum.kids.push_back(std::move(*term));
            sum.negative.push_back(minus);
            if (Take("＋"))
                minus = false;
            else if (Take("－"))
                minus = true;
            else
                break;
        }
        --depth_;
        if (sum.kids.size() == 1 && !sum.negative[0])
            return std::move(sum.kids[0]);
        return sum;
    }

    std::optional<SNode> Term()
    {
        SNode product;
        product.kind = Kind::Product;
        std::optional<SNode> first = Power();
        if (!first)
            return std::nullopt;
        product.kids.push_back(std::move(*first));
        product.divide.push_back(false);
        for (;;) {
            bool divide = false;
            bool bar = false;
            if (Take("×") || Take("·") || Take("*")) {
            } else if (Take("÷")) {
                divide = true;
            } else if (Take("/")) {
                divide = bar = true;
            } else if (!(Sees("√") || SeesOpening() || (SeesDigit() && product.kids.back().kind != Kind::Number))) {
                break;
            }
            std::optional<SNode> next = Power();
            if (!next)
                return std::nullopt;
            // 6÷2√3: the number and the root right after it are one divisor. Under a fraction bar
            // the number alone is the denominator, as the worked routine reads it: 1/2√8 is
            // (1/2)√8.
            if (divide && !bar && next->kind == Kind::Number && Sees("√")) {
                std::optional<SNode> root = Power();
                if (!root)
                    return std::nullopt;
                SNode glued;
                glued.kind = Kind::Product;
                glued.kids = {std::move(*next), std::move(*root)};
                glued.divide = {false, false};
                next = std::move(glued);
            }
            product.kids.push_back(std::move(*next));
            product.divide.push_back(divide);
        }
        if (product.kids.size() == 1)
            return std::move(product.kids[0]);
        return product;
    }

    std::optional<SNode> Power()
    {
        std::optional<SNode> base = Primary();
        if (!base || !Take("^"))
            return base;
        const std::size_t start = at_;
        while (SeesDigit() && at_ - start < 3)
            ++at_;
        if (at_ == start)
            return std::nullopt;
        const int exponent = std::stoi(text_.substr(start, at_ - start));
        if (exponent > kHighestPower)
            return std::nullopt;
        SNode power;
        power.kind = Kind::Power;
        power.exponent = exponent;
        power.kids.push_back(std::move(*base));
        return power;
    }

    std::optional<SNode> Primary()
    {
        if (++depth_ > kDeepest)
            return std::nullopt;
        std::optional<SNode> out;
        if (Take("√")) {
            std::optional<SNode> inside = Primary();
            if (inside) {
                out = SNode {};
                out->kind = Kind::Root;
                out->kids.push_back(std::move(*inside));
            }
        } else if (Take("－")) {
            // A sign after × or ÷: 2×(－√3) is also typed 2×－√3.
            std::optional<SNode> inside = Power();
            if (inside) {
                out = SNode {};
                out->kind = Kind::Sum;
                out->kids.push_back(std::move(*inside));
                out->negative.push_back(true);
            }
        } else if (SeesOpening()) {
            const char close = text_[at_] == '(' ? ')' : text_[at_] == '[' ? ']' : '}';
            ++at_;
            std::optional<SNode> inside = Expression();
            if (inside && at_ < text_.size() && text_[at_] == close) {
                ++at_;
                out = SNode {};
                out->kind = Kind::Group;
                out->kids.push_back(std::move(*inside));
            }
        } else {
            const std::size_t start = at_;
            while (SeesDigit() || (at_ < text_.size() && text_[at_] == '.'))
                ++at_;
            if (at_ > start && at_ - start <= 18) {
                const std::optional<NumberValue> read = ReadNumber(text_.substr(start, at_ - start));
                const std::optional<Rational> value = read ? ExactValue(*read) : std::nullopt;
                if (value) {
                    out = SNode {};
                    out->number = QValue {*value, true};
                }
            }
        }
        --depth_;
        return out;
    }

    const std::string &text_;
    std::size_t at_ = 0;
    int depth_ = 0;
};

// The text of one part as the parser reads it: signs one way, blanks dropped.
std::string ReadableText(const std::string &gbk)
{
    std::string text = marking::NormalisedSigns(gbk);
    std::string out;
    for (int i = 0; i < Len(text);) {
        const int size = CharSize(text, i);
        const std::string c = Mid(text, i, size);
        i += size;
        if (c == " " || c == "\t")
            continue;
        if (c == "+")
            out += "＋";
        else if (c == "-")
            out += "－";
        else
            out += c;
    }
    // sqrt(…) as a pupil types it without a root sign.
    for (std::size_t p = out.find("sqrt("); p != std::string::npos; p = out.find("sqrt(", p))
        out.replace(p, 4, "√");
    return out;
}

std::optional<Surd> Value(const SNode &node)
{
    switch (node.kind) {
    case Kind::Number:
        return SurdOf(node.number);
    case Kind::Fixed:
        return node.fixed;
    case Kind::Group:
        return Value(node.kids[0]);
    case Kind::Root: {
        const std::optional<Surd> inside = Value(node.kids[0]);
        if (!inside || !IsRational(*inside))
            return std::nullopt;
        return SurdRoot(inside->terms.empty() ? MakeQ(0) : inside->terms[0].coefficient);
    }
    case Kind::Power: {
        const std::optional<Surd> base = Value(node.kids[0]);
        std::optional<Surd> result = SurdOf(MakeQ(1));
        for (int k = 0; k < node.exponent && result && base; ++k)
            result = SurdProduct(*result, *base);
        return base ? result : std::nullopt;
    }
    case Kind::Sum: {
        std::optional<Surd> result = Surd {};
        for (std::size_t k = 0; k < node.kids.size() && result; ++k) {
            std::optional<Surd> term = Value(node.kids[k]);
            if (!term)
                return std::nullopt;
            result = SurdSum(*result, node.negative[k] ? *SurdNegated(*term) : *term);
        }
        return result;
    }
    case Kind::Product: {
        std::optional<Surd> result = Value(node.kids[0]);
        for (std::size_t k = 1; k < node.kids.size() && result; ++k) {
            const std::optional<Surd> factor = Value(node.kids[k]);
            if (!factor)
                return std::nullopt;
            result = node.divide[k] ? SurdQuotient(*result, *factor) : SurdProduct(*result, *factor);
        }
        return result;
    }
    }
    return std::nullopt;
}

struct SurdReading {
    std::string text;
    SNode tree;
    Surd value;
};

std::optional<SurdReading> ReadSurdPart(const std::string &text, std::string &why)
{
    if (Len(text) > kLongestExpressionLine) {
        why = "这一行太长，一行最多可以有" + IntText(kLongestExpressionLine) + "个字符";
        return std::nullopt;
    }
    std::optional<SNode> tree = SurdParser(ReadableText(text)).Whole();
    if (!tree) {
        why = "请写出只含数、√、括号和＋－×÷^的算式";
        return std::nullopt;
    }
    const std::optional<Surd> value = Value(*tree);
    if (!value) {
        why = "无法计算：根号里要是不小于0的数，除数不能为0，数也不能太大";
        return std::nullopt;
    }
    return SurdReading {text, std::move(*tree), *value};
}

// ---- slips: one part of the line before worked wrongly gives the pupil's value ----

void Nodes(SNode &node, std::vector<SNode *> &out)
{
    out.push_back(&node);
    for (SNode &kid : node.kids)
        Nodes(kid, out);
}

const SNode &Unbracketed(const SNode &node)
{
    const SNode *n = &node;
    while (n->kind == Kind::Group)
        n = &n->kids[0];
    return *n;
}

// c√r for a value of one term (r is 1 for a rational).
struct OneTerm {
    QValue c;
    Whole r = 1;
};
std::optional<OneTerm> SingleTerm(const std::optional<Surd> &value)
{
    if (!value || value->terms.size() > 1)
        return std::nullopt;
    if (value->terms.empty())
        return OneTerm {MakeQ(0), 1};
    return OneTerm {value->terms[0].coefficient, value->terms[0].radicand};
}

Surd TermValue(const QValue &c, Whole r)
{
    if (r == 1)
        return SurdOf(c);
    Surd s;
    if (!IsZero(c))
        s.terms.push_back(SurdTerm {r, c});
    return s;
}

// √n for a whole n, simplest; nothing when n is not whole or too large.
std::optional<Surd> RootOfWhole(Whole n)
{
    if (n < 0)
        return std::nullopt;
    return SurdRoot(MakeQ(n));
}

std::optional<Surd> Plus(const std::optional<Surd> &a, const std::optional<Surd> &b)
{
    return a && b ? SurdSum(*a, *b) : std::nullopt;
}
std::optional<Surd> Times(const std::optional<Surd> &a, const std::optional<Surd> &b)
{
    return a && b ? SurdProduct(*a, *b) : std::nullopt;
}
std::optional<Surd> Over(const std::optional<Surd> &a, const std::optional<Surd> &b)
{
    return a && b ? SurdQuotient(*a, *b) : std::nullopt;
}
std::optional<Surd> Minus(const std::optional<Surd> &a) { return a ? SurdNegated(*a) : std::nullopt; }

struct Candidate {
    Surd value; // what the pupil made of the node
    std::string slip;
};

void Offer(std::vector<Candidate> &out, const std::optional<Surd> &wrong, const std::optional<Surd> &right,
    const std::string &slip)
{
    if (wrong && right && !SurdEqual(*wrong, *right))
        out.push_back({*wrong, slip});
}

// The signed values of a sum's terms.
std::vector<std::optional<Surd>> SignedTerms(const SNode &sum)
{
    std::vector<std::optional<Surd>> terms;
    for (std::size_t k = 0; k < sum.kids.size(); ++k) {
        std::optional<Surd> v = Value(sum.kids[k]);
        terms.push_back(sum.negative[k] ? Minus(v) : v);
    }
    return terms;
}

std::optional<Surd> SumOfAllBut(const std::vector<std::optional<Surd>> &terms, std::size_t i, std::size_t j)
{
    std::optional<Surd> rest = Surd {};
    for (std::size_t k = 0; k < terms.size(); ++k)
        if (k != i && k != j)
            rest = Plus(rest, terms[k]);
    return rest;
}

void SumSlips(const SNode &sum, std::vector<Candidate> &out)
{
    const std::optional<Surd> right = Value(sum);
    const std::vector<std::optional<Surd>> terms = SignedTerms(sum);
    for (std::size_t i = 0; i < sum.kids.size(); ++i) {
        for (std::size_t j = i + 1; j < sum.kids.size(); ++j) {
            const std::optional<Surd> rest = SumOfAllBut(terms, i, j);
            const SNode &a = Unbracketed(sum.kids[i]);
            const SNode &b = Unbracketed(sum.kids[j]);
            // √a＋√b written √(a＋b).
            if (a.kind == Kind::Root && b.kind == Kind::Root) {
                const std::optional<OneTerm> x = SingleTerm(Value(a.kids[0]));
                const std::optional<OneTerm> y = SingleTerm(Value(b.kids[0]));
                if (x && y && x->r == 1 && y->r == 1 && !sum.negative[i]) {
                    const QValue inside = sum.negative[j] ? x->c - y->c : x->c + y->c;
                    if (inside.ok && !Negative(inside))
                        Offer(out, Plus(rest, SurdRoot(inside)), right, "二次根式相加减时，不能把被开方数相加减");
                }
            }
            // 合并同类二次根式: c1√r ± c2√r.
            const std::optional<OneTerm> x = SingleTerm(terms[i]);
            const std::optional<OneTerm> y = SingleTerm(terms[j]);
            if (!x || !y || x->r != y->r || x->r == 1)
                continue;
            const QValue c = x->c + y->c;
            Offer(out, Plus(rest, TermValue(x->c - y->c, x->r)), right, "合并同类二次根式时符号错了");
            Offer(out, Plus(rest, SurdOf(c)), right, "合并同类二次根式时，根号部分要保留");
            Offer(out, Plus(rest, SurdOf(x->c)), right, "合并同类二次根式时，把系数相加减，根号部分不变");
            Offer(out, Plus(rest, Times(SurdOf(c), RootOfWhole(2 * x->r))), right,
                "合并同类二次根式时，只把系数相加减，被开方数不变");
        }
        // －(a＋b) taken off as －a＋b.
        const SNode &inner = Unbracketed(sum.kids[i]);
        if (sum.negative[i] && sum.kids[i].kind == Kind::Group && inner.kind == Kind::Sum && inner.kids.size() >= 2) {
            std::vector<std::optional<Surd>> kept = SignedTerms(inner);
            std::optional<Surd> wrong = SumOfAllBut(terms, i, i);
            wrong = Plus(wrong, Minus(kept[0]));
            for (std::size_t k = 1; k < kept.size(); ++k)
                wrong = Plus(wrong, kept[k]);
            Offer(out, wrong, right, "去括号时没有变号");
        }
    }
}

std::string RootText(Whole r) { return "√" + WholeText(r); }

void ProductSlips(const SNode &product, std::vector<Candidate> &out)
{
    const std::optional<Surd> right = Value(product);
    std::vector<std::optional<Surd>> factors;
    for (const SNode &kid : product.kids)
        factors.push_back(Value(kid));
    // The value before factor k and the value after it, as the product works from the left.
    for (std::size_t k = 1; k < product.kids.size(); ++k) {
        std::optional<Surd> before = factors[0];
        for (std::size_t m = 1; m < k && before; ++m)
            before = product.divide[m] ? Over(before, factors[m]) : Times(before, factors[m]);
        std::optional<Surd> after = SurdOf(MakeQ(1));
        for (std::size_t m = k + 1; m < product.kids.size() && after; ++m)
            after = product.divide[m] ? Over(after, factors[m]) : Times(after, factors[m]);
        const auto whole = [&](const std::optional<Surd> &part) { return Times(part, after); };
        const std::optional<OneTerm> a = SingleTerm(before);
        const std::optional<OneTerm> b = SingleTerm(factors[k]);
        if (product.divide[k]) {
            if (!factors[k] || IsRational(*factors[k]))
                continue;
            if (b) {
                // ÷ c√r by 分母有理化: the numerator and the denominator times √r.
                const std::optional<Surd> root = RootOfWhole(b->r);
                const std::optional<Surd> top = Times(before, root);
                Offer(out, whole(Over(top, SurdOf(b->c))), right, "分母有理化时，分子、分母要同乘以" + RootText(b->r));
                Offer(out, whole(Over(before, SurdOf(b->c * MakeQ(b->r)))), right,
                    "分母有理化时，分子、分母要同乘以" + RootText(b->r));
                if (a && a->r > 1)
                    Offer(out, whole(TermValue(a->c / b->c, a->r > b->r ? a->r - b->r : b->r - a->r)), right,
                        "二次根式相除，√a÷√b＝√(a÷b)，被开方数要相除");
            } else if (factors[k]->terms.size() == 2) {
                // ÷ (p＋q) by the conjugate p－q: the denominator is p^2－q^2.
                const SurdTerm &p = factors[k]->terms[0];
                const SurdTerm &q = factors[k]->terms[1];
                const Surd conjugate = SurdConjugate(*factors[k]);
                const QValue pp = p.coefficient * p.coefficient * MakeQ(p.radicand);
                const QValue qq = q.coefficient * q.coefficient * MakeQ(q.radicand);
                const std::string slip = "分母有理化时乘错了，分子、分母要同乘以分母的有理化因式";
                Offer(out, whole(Over(Times(before, conjugate), SurdOf(pp + qq))), right,
                    "分母有理化时分母算错了，(a＋b)(a－b)＝a^2－b^2");
                Offer(out, whole(Over(Times(before, factors[k]), SurdOf(pp - qq))), right, slip);
                Offer(out, whole(Over(before, SurdOf(pp - qq))), right, slip);
                Offer(out, whole(Over(Times(before, conjugate), SurdOf(qq - pp))), right, "分母有理化时符号错了");
            }
            continue;
        }
        // × of two single terms a√r·b√s.
        if (a && b && (a->r > 1 || b->r > 1)) {
            const std::string slip = "二次根式相乘，系数与系数相乘，被开方数与被开方数相乘";
            Offer(out, whole(Times(SurdOf(a->c * b->c), RootOfWhole(a->r + b->r))), right, slip);
            Offer(out, whole(Times(SurdOf(a->c + b->c), RootOfWhole(a->r * b->r))), right, slip);
            Offer(out, whole(SurdOf(a->c * b->c * MakeQ(a->r) * MakeQ(b->r))), right,
                "二次根式相乘，√a×√b＝√(ab)，不是ab");
        }
        // A number or a root times a bracket: 乘法分配律 with a term left out.
        const SNode &left = Unbracketed(product.kids[k - 1]);
        const SNode &bracket = Unbracketed(product.kids[k]);
        const bool leftSum = left.kind == Kind::Sum && left.kids.size() >= 2 && product.kids[k - 1].kind == Kind::Group;
        const bool rightSum
            = bracket.kind == Kind::Sum && bracket.kids.size() >= 2 && product.kids[k].kind == Kind::Group;
        if (rightSum && !leftSum && k == 1) {
            const std::vector<std::optional<Surd>> terms = SignedTerms(bracket);
            std::optional<Surd> wrong = Times(before, terms[0]);
            for (std::size_t m = 1; m < terms.size(); ++m)
                wrong = Plus(wrong, terms[m]);
            Offer(out, whole(wrong), right, "乘法分配律漏乘了括号里的项");
        }
        if (rightSum && leftSum && k == 1 && left.kids.size() == 2 && bracket.kids.size() == 2) {
            const std::vector<std::optional<Surd>> x = SignedTerms(left);
            const std::vector<std::optional<Surd>> y = SignedTerms(bracket);
            const std::optional<Surd> squares = Plus(Times(x[0], y[0]), Times(x[1], y[1]));
            Offer(out, whole(squares), right, "多项式乘多项式漏乘了项");
            // (a＋b)(a－b) taken as a^2＋b^2.
            Offer(out, whole(Plus(Times(x[0], x[0]), Times(x[1], x[1]))), right,
                "平方差公式用错了，(a＋b)(a－b)＝a^2－b^2");
        }
    }
}

void PowerSlips(const SNode &power, std::vector<Candidate> &out)
{
    if (power.exponent != 2)
        return;
    const std::optional<Surd> right = Value(power);
    const SNode &base = Unbracketed(power.kids[0]);
    const std::optional<OneTerm> t = SingleTerm(Value(base));
    if (t && t->r > 1) {
        Offer(out, SurdOf(t->c * MakeQ(t->r)), right, "(k√a)^2＝k^2·a，系数也要平方");
        Offer(out, SurdOf(t->c * t->c * MakeQ(2 * t->r)), right, "(√a)^2＝a，不是2a");
        Offer(out, SurdOf(t->c * t->c * MakeQ(t->r) * MakeQ(t->r)), right, "(√a)^2＝a，不是a^2");
    }
    if (base.kind == Kind::Sum && base.kids.size() == 2) {
        const std::vector<std::optional<Surd>> x = SignedTerms(base);
        const std::optional<Surd> squares = Plus(Times(x[0], x[0]), Times(x[1], x[1]));
        Offer(out, squares, right, "完全平方公式漏掉了中间项2ab");
        Offer(out, Plus(squares, Times(x[0], x[1])), right, "完全平方公式的中间项是2ab");
        Offer(out, Plus(squares, Times(SurdOf(MakeQ(-2)), Times(x[0], x[1]))), right, "完全平方公式的中间项符号错了");
    }
}

void RootSlips(const SNode &root, std::vector<Candidate> &out)
{
    const std::optional<Surd> right = Value(root);
    const std::optional<OneTerm> inside = SingleTerm(Value(root.kids[0]));
    if (!right || !inside || inside->r != 1 || !IsWhole(inside->c) || inside->c.v.numerator < 4)
        return;
    const std::optional<OneTerm> simplest = SingleTerm(right);
    if (!simplest || !IsWhole(simplest->c) || simplest->c.v.numerator < 2)
        return;
    // √12 written 4√3 (the square factor not rooted) or 3√2.
    const std::string slip = "化简" + RootText(inside->c.v.numerator) + "错了，" + RootText(inside->c.v.numerator)
        + "＝" + SurdText(*right);
    const Whole k = simplest->c.v.numerator;
    Offer(out, TermValue(MakeQ(k * k), simplest->r), right, slip);
    if (simplest->r > 1)
        Offer(out, TermValue(MakeQ(simplest->r), k), right, slip);
}

constexpr std::size_t kMostSlipNodes = 120;
constexpr int kMostSlipTries = 600;

// The slip that turns the line before into the pupil's value, or empty.
std::string SurdSlipOf(const SNode &before, const Surd &target)
{
    SNode copy = before;
    std::vector<SNode *> nodes;
    Nodes(copy, nodes);
    if (nodes.size() > kMostSlipNodes)
        return {};
    int tries = 0;
    for (SNode *node : nodes) {
        std::vector<Candidate> candidates;
        if (node->kind == Kind::Sum)
            SumSlips(*node, candidates);
        else if (node->kind == Kind::Product)
            ProductSlips(*node, candidates);
        else if (node->kind == Kind::Power)
            PowerSlips(*node, candidates);
        else if (node->kind == Kind::Root)
            RootSlips(*node, candidates);
        for (const Candidate &c : candidates) {
            if (++tries > kMostSlipTries)
                return {};
            SNode saved = std::move(*node);
            *node = SNode {};
            node->kind = Kind::Fixed;
            node->fixed = c.value;
            const std::optional<Surd> value = Value(copy);
            *node = std::move(saved);
            if (value && SurdEqual(*value, target))
                return c.slip;
        }
    }
    // A root made simplest wrongly (√27 written 3√2): the one value of that root which gives
    // the pupil's line, found from two trial values, since the line is linear in a root that
    // stands in no power and no divisor.
    for (SNode *node : nodes) {
        if (node->kind != Kind::Root || tries > kMostSlipTries)
            continue;
        const std::optional<OneTerm> inside = SingleTerm(Value(node->kids[0]));
        const std::optional<Surd> right = Value(*node);
        if (!inside || !right || inside->r != 1 || !IsWhole(inside->c))
            continue;
        tries += 3;
        SNode saved = std::move(*node);
        *node = SNode {};
        node->kind = Kind::Fixed;
        node->fixed = Surd {};
        const std::optional<Surd> atZero = Value(copy);
        node->fixed = SurdOf(MakeQ(1));
        const std::optional<Surd> atOne = Value(copy);
        const std::optional<Surd> slope = Plus(atOne, Minus(atZero));
        const std::optional<Surd> wrong = Over(Plus(SurdOf(MakeQ(0)), Plus(target, Minus(atZero))), slope);
        std::optional<Surd> check;
        if (wrong) {
            node->fixed = *wrong;
            check = Value(copy);
        }
        *node = std::move(saved);
        const std::optional<OneTerm> w = SingleTerm(wrong);
        if (check && SurdEqual(*check, target) && w && w->r > 1 && !SurdEqual(*wrong, *right))
            return "化简" + RootText(inside->c.v.numerator) + "错了，" + RootText(inside->c.v.numerator) + "＝"
                + SurdText(*right);
    }
    // A sign slip in the result alone.
    if (const std::optional<Surd> value = Value(before))
        if (SurdEqual(*SurdNegated(*value), target))
            return "符号错误";
    return {};
}

// ---- the end: the simplest form ----

bool HasRoot(const SNode &node)
{
    if (node.kind == Kind::Root)
        return true;
    for (const SNode &kid : node.kids)
        if (HasRoot(kid))
            return true;
    return false;
}

// A term of a finished answer: a number, c√r, a fraction of them, (a＋b√r)/d.
struct AnswerTerm {
    Whole radicand = 1;
    bool ok = false;
};

AnswerTerm FinishedTerm(const SNode &term)
{
    const std::optional<OneTerm> one = SingleTerm(Value(term));
    const auto number = [](const SNode &n) { return n.kind == Kind::Number; };
    const auto root = [](const SNode &n) { return n.kind == Kind::Root; };
    if (one && (number(term) || root(term)))
        return {one->r, true};
    if (term.kind == Kind::Product && one) {
        // 2√3, 2×√3, √3/2, 2√3/3, 1/2: numbers and one root, the divisors numbers.
        int roots = 0;
        bool plain = true;
        for (std::size_t k = 0; k < term.kids.size(); ++k) {
            roots += root(term.kids[k]) ? 1 : 0;
            plain = plain && (number(term.kids[k]) || (root(term.kids[k]) && !term.divide[k]));
        }
        if (plain && roots <= 1)
            return {one->r, true};
    }
    // (1＋√5)/2.
    if (term.kind == Kind::Product && term.kids.size() == 2 && term.divide[1] && number(term.kids[1])
        && term.kids[0].kind == Kind::Group) {
        const SNode &inner = Unbracketed(term.kids[0]);
        if (inner.kind == Kind::Sum) {
            std::vector<Whole> seen;
            for (const SNode &kid : inner.kids) {
                const AnswerTerm t = FinishedTerm(kid);
                if (!t.ok || std::find(seen.begin(), seen.end(), t.radicand) != seen.end())
                    return {};
                seen.push_back(t.radicand);
            }
            return {0, true}; // several radicands: none repeated in it
        }
    }
    return {};
}

std::string MissingFromSurd(const SNode &tree)
{
    std::vector<SNode *> nodes;
    SNode copy = tree;
    Nodes(copy, nodes);
    for (const SNode *n : nodes) {
        if (n->kind != Kind::Root)
            continue;
        const std::optional<OneTerm> inside = SingleTerm(Value(n->kids[0]));
        const std::optional<OneTerm> value = SingleTerm(Value(*n));
        // The radicand a whole number without a square factor, and not itself a square.
        if (!inside || !value || inside->r != 1 || !IsWhole(inside->c) || !Same(value->c, MakeQ(1)) || value->r == 1)
            return "还要化成最简二次根式";
    }
    for (const SNode *n : nodes)
        if (n->kind == Kind::Product)
            for (std::size_t k = 1; k < n->kids.size(); ++k)
                if (n->divide[k] && HasRoot(n->kids[k]))
                    return "还要分母有理化";
    const SNode &top = Unbracketed(tree);
    std::vector<const SNode *> terms;
    if (top.kind == Kind::Sum)
        for (const SNode &kid : top.kids)
            terms.push_back(&kid);
    else
        terms.push_back(&top);
    std::vector<Whole> radicands;
    bool repeated = false;
    for (const SNode *t : terms) {
        const AnswerTerm a = FinishedTerm(*t);
        if (!a.ok)
            return "还要继续计算";
        if (a.radicand != 0 && std::find(radicands.begin(), radicands.end(), a.radicand) != radicands.end())
            repeated = true;
        radicands.push_back(a.radicand);
    }
    if (repeated)
        return radicands.size() == 2 && radicands[0] == 1 && radicands[1] == 1 ? "还要继续计算"
                                                                               : "还要合并同类二次根式";
    // Fractions of whole numbers reduced: 2/4, 2√3/6.
    for (const SNode *n : nodes)
        if (n->kind == Kind::Product && n->kids.size() >= 2 && n->divide.back()
            && n->kids.back().kind == Kind::Number) {
            SNode top = *n;
            top.kids.pop_back();
            top.divide.pop_back();
            const std::optional<OneTerm> numerator = SingleTerm(Value(top));
            const QValue d = n->kids.back().number;
            if (numerator && IsWhole(numerator->c) && IsWhole(d) && d.v.numerator > 1
                && WholeGcd(numerator->c.v.numerator < 0 ? -numerator->c.v.numerator : numerator->c.v.numerator,
                       d.v.numerator)
                    > 1)
                return "还要约分";
        }
    return {};
}

} // namespace

std::optional<Surd> SurdValueOfText(const std::string &gbk, std::string *why)
{
    std::string reason;
    std::optional<SurdReading> read = ReadSurdPart(gbk, reason);
    if (!read) {
        if (why)
            *why = reason;
        return std::nullopt;
    }
    return read->value;
}

std::string SurdNextStep(Solver &solver, const std::string &line)
{
    std::string why;
    const std::optional<SurdReading> before = ReadSurdPart(line, why);
    if (!before || MissingFromSurd(before->tree).empty())
        return {};
    const std::vector<std::string> lines = CrLfLines(solver.GenShiSiZeYunSuan(ReadableText(line), 4));
    const std::string given = ReadableText(line);
    for (std::size_t k = 1; k < lines.size(); ++k) {
        const std::string step = Trim(lines[k]);
        if (Left(step, 2) != "＝")
            continue;
        const std::string text = Trim(Mid(step, 2));
        // Shown only when it reads and keeps the value exactly: a right step by the marker's own rule.
        const std::optional<SurdReading> read = ReadSurdPart(text, why);
        if (text != given && read && SurdEqual(read->value, before->value))
            return text;
    }
    return {};
}

MarkedProblem MarkSurdWorking(Solver &solver, const std::vector<std::string> &lines)
{
    MarkedProblem marked;
    if (lines.empty())
        return marked;
    const std::vector<std::string> first = PartsOf(lines[0]);
    std::string why;
    const std::optional<SurdReading> problem = ReadSurdPart(WithoutProblemNumber(first[0]), why);
    if (!problem) {
        for (const std::string &line : lines)
            marked.lines.push_back({line, StepMark::Problem, "", ""});
        marked.lines[0].reason = why;
        return marked;
    }
    SurdReading base = *problem;
    int step = 0;
    int firstWrong = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::vector<std::string> parts
            = i == 0 ? std::vector<std::string>(first.begin() + 1, first.end()) : PartsOf(lines[i]);
        if (i > 0)
            parts.erase(parts.begin()); // what stands before the leading "＝"
        while (!parts.empty() && parts.back().empty())
            parts.pop_back();
        if (i == 0 && parts.empty()) {
            marked.lines.push_back({lines[i], StepMark::Problem, "", ""});
            continue;
        }
        ++step;
        MarkedLine mark {lines[i], StepMark::Right, "", ""};
        why.clear();
        if (parts.empty())
            why = "等号后面没有算式";
        std::vector<SurdReading> read;
        for (const std::string &part : parts) {
            if (!why.empty())
                break;
            if (std::optional<SurdReading> r = ReadSurdPart(part, why))
                read.push_back(std::move(*r));
        }
        if (!why.empty()) {
            marked.lines.push_back({lines[i], StepMark::Unreadable, why, ""});
            continue;
        }
        for (SurdReading &r : read) {
            if (!SurdEqual(r.value, base.value) && mark.mark == StepMark::Right) {
                mark.mark = StepMark::Wrong;
                mark.reason = SurdSlipOf(base.tree, r.value);
                if (firstWrong == 0) {
                    firstWrong = step;
                    mark.correctStep = SurdNextStep(solver, base.text);
                }
            }
            base = std::move(r);
        }
        marked.lines.push_back(std::move(mark));
    }
    if (step == 0) {
        marked.missing = "还没有写出计算的步骤";
        return marked;
    }
    if (firstWrong != 0 && !SurdEqual(base.value, problem->value)) {
        marked.missing = "答案不对，要从第" + IntText(firstWrong) + "步改起";
        return marked;
    }
    marked.missing = MissingFromSurd(base.tree);
    if (marked.missing.empty() && firstWrong != 0)
        marked.missing = "答案对了，但是第" + IntText(firstWrong) + "步的做法不对";
    marked.finished = marked.missing.empty();
    return marked;
}

} // namespace qimbel
