#include "marking/ExpressionSlips.h"

#include "solver/PerThread.h"

namespace qimbel {

using fractions::Fraction;
using fractions::Poly;

namespace {

using Kind = ExprNode::Kind;

// Lines longer than this are not searched for a slip: every try values a copy of the line.
constexpr std::size_t kMostNodes = 240;
// The most tries of one search, so that no wrong step costs more than a moment.
constexpr int kMostTries = 1500;
QIMBEL_PER_THREAD int triesLeft = 0;

bool Is(const std::optional<Fraction> &value, const Fraction &target)
{
    return value && SameValue(*value, target).value_or(false);
}

// The value of `root` with its node number `at` (in pre-order) replaced.
std::optional<Fraction> ValueWith(const ExprNode &root, std::size_t at, ExprNode replacement)
{
    if (--triesLeft < 0)
        return std::nullopt;
    ExprNode copy = root;
    *NodesOf(copy)[at] = std::move(replacement);
    return ExactValueOf(copy);
}

ExprNode Number(Rational value)
{
    ExprNode n;
    n.number = value;
    return n;
}

ExprNode Group(ExprNode inner)
{
    ExprNode g;
    g.kind = Kind::Group;
    g.kids.push_back(std::move(inner));
    return g;
}

ExprNode Times(std::vector<ExprNode> factors)
{
    ExprNode p;
    p.kind = Kind::Product;
    p.divide.assign(factors.size(), false);
    p.kids = std::move(factors);
    return p;
}

// A bracket holding a sum of two or more terms: what a sign or a factor in front is spread over.
const ExprNode *BracketedSum(const ExprNode &n)
{
    if (n.kind != Kind::Group)
        return nullptr;
    const ExprNode &inner = Unbracketed(n);
    return inner.kind == Kind::Sum && inner.kids.size() >= 2 ? &inner : nullptr;
}

// The multiplier of factor `g` of a product (the product with that factor made 1), or the whole
// node's value when it is the bracket alone.
std::optional<Fraction> MultiplierOf(const ExprNode &product, std::size_t g)
{
    ExprNode rest = product;
    rest.kids[g] = Number({1, 1});
    return ExactValueOf(rest);
}

// −m(a－b＋c) written －ma－mb＋mc: the sign of the first term changed, the others kept.
bool BracketSignKept(const ExprNode &before, const Fraction &target)
{
    const std::vector<const ExprNode *> nodes = NodesOf(before);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const ExprNode &sum = *nodes[i];
        if (sum.kind != Kind::Sum)
            continue;
        for (std::size_t k = 0; k < sum.kids.size(); ++k) {
            if (!sum.negative[k])
                continue;
            const ExprNode &term = sum.kids[k];
            const ExprNode *inner = BracketedSum(term);
            std::optional<Fraction> m = Fraction {fractions::Constant({1, 1}), fractions::Constant({1, 1})};
            if (inner == nullptr && term.kind == Kind::Product) {
                for (std::size_t g = 0; g < term.kids.size() && inner == nullptr; ++g)
                    if (!term.divide[g] && (inner = BracketedSum(term.kids[g])) != nullptr)
                        m = MultiplierOf(term, g);
            }
            if (inner == nullptr || !m)
                continue;
            ExprNode wrong;
            wrong.kind = Kind::Sum;
            for (std::size_t j = 0; j < inner->kids.size(); ++j) {
                wrong.kids.push_back(Times({FixedNode(*m), Group(inner->kids[j])}));
                wrong.negative.push_back(j == 0 ? !inner->negative[j] : static_cast<bool>(inner->negative[j]));
            }
            if (--triesLeft < 0)
                return false;
            ExprNode copy = before;
            ExprNode &changed = *NodesOf(copy)[i];
            changed.kids[k] = Group(std::move(wrong));
            changed.negative[k] = false;
            if (Is(ExactValueOf(copy), target))
                return true;
        }
    }
    return false;
}

// m(a＋b) written ma＋b, or (a＋b)(c＋d) multiplied out with one of its four products left out.
bool MissedProduct(const ExprNode &before, const Fraction &target)
{
    const std::vector<const ExprNode *> nodes = NodesOf(before);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const ExprNode &product = *nodes[i];
        if (product.kind != Kind::Product)
            continue;
        std::vector<std::size_t> sums;
        for (std::size_t g = 0; g < product.kids.size(); ++g)
            if (!product.divide[g] && BracketedSum(product.kids[g]) != nullptr)
                sums.push_back(g);
        for (std::size_t g : sums) {
            const ExprNode &inner = *BracketedSum(product.kids[g]);
            const std::optional<Fraction> m = MultiplierOf(product, g);
            if (!m || Is(m, Fraction {fractions::Constant({1, 1}), fractions::Constant({1, 1})}))
                continue;
            for (std::size_t missed = 0; missed < inner.kids.size(); ++missed) {
                ExprNode wrong;
                wrong.kind = Kind::Sum;
                wrong.negative = inner.negative;
                for (std::size_t j = 0; j < inner.kids.size(); ++j)
                    wrong.kids.push_back(
                        j == missed ? Group(inner.kids[j]) : Times({FixedNode(*m), Group(inner.kids[j])}));
                if (Is(ValueWith(before, i, Group(std::move(wrong))), target))
                    return true;
            }
        }
        if (sums.size() != 2)
            continue;
        ExprNode restNode = product;
        restNode.kids[sums[0]] = Number({1, 1});
        restNode.kids[sums[1]] = Number({1, 1});
        const std::optional<Fraction> rest = ExactValueOf(restNode);
        if (!rest)
            continue;
        const ExprNode &a = *BracketedSum(product.kids[sums[0]]);
        const ExprNode &b = *BracketedSum(product.kids[sums[1]]);
        for (std::size_t p = 0; p < a.kids.size(); ++p)
            for (std::size_t q = 0; q < b.kids.size(); ++q) {
                ExprNode wrong;
                wrong.kind = Kind::Sum;
                wrong.kids.push_back(product);
                wrong.kids.push_back(Times({FixedNode(*rest), Group(a.kids[p]), Group(b.kids[q])}));
                wrong.negative = {false, a.negative[p] == b.negative[q]};
                if (Is(ValueWith(before, i, Group(std::move(wrong))), target))
                    return true;
            }
    }
    return false;
}

bool IsFractionNode(const ExprNode &n)
{
    return n.kind == Kind::Product && n.kids.size() == 2 && !n.divide[0] && n.divide[1];
}

// The polynomial of a value without a denominator whose coefficients are all whole numbers.
std::optional<Poly> WholePoly(const std::optional<Fraction> &f)
{
    if (!f || !fractions::IsConstant(f->den)
        || !(fractions::ConstantOf(f->den).numerator == 1 && fractions::ConstantOf(f->den).denominator == 1))
        return std::nullopt;
    for (const auto &[monomial, c] : f->num)
        if (c.denominator != 1)
            return std::nullopt;
    return f->num;
}

std::optional<Poly> WholeQuotient(const Poly &a, const Poly &b)
{
    std::optional<Poly> q = fractions::ExactQuotient(a, b);
    if (!q)
        return std::nullopt;
    for (const auto &[monomial, c] : *q)
        if (c.denominator != 1)
            return std::nullopt;
    return q;
}

// n/d written n'/d' where n' divides n and d' divides d, but by two different factors: the
// numerator and the denominator were not divided by the same number (or polynomial).
bool WrongReduction(const ExprNode &before, const ExprNode &step, const ExprNode *own, const Fraction &target)
{
    std::vector<const ExprNode *> wholes;
    for (const ExprNode *n : NodesOf(before))
        if (IsFractionNode(*n))
            wholes.push_back(n);
    if (own != nullptr)
        for (const ExprNode *n : NodesOf(*own))
            if (IsFractionNode(*n))
                wholes.push_back(n);
    const std::vector<const ExprNode *> nodes = NodesOf(step);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (!IsFractionNode(*nodes[i]))
            continue;
        const std::optional<Poly> a = WholePoly(ExactValueOf(nodes[i]->kids[0]));
        const std::optional<Poly> b = WholePoly(ExactValueOf(nodes[i]->kids[1]));
        if (!a || !b || a->empty() || b->empty())
            continue;
        for (const ExprNode *whole : wholes) {
            const std::optional<Fraction> nv = ExactValueOf(whole->kids[0]);
            const std::optional<Fraction> dv = ExactValueOf(whole->kids[1]);
            const std::optional<Poly> n = WholePoly(nv);
            const std::optional<Poly> d = WholePoly(dv);
            if (!n || !d || d->empty())
                continue;
            const std::optional<Poly> p = WholeQuotient(*n, *a);
            const std::optional<Poly> q = WholeQuotient(*d, *b);
            if (!p || !q || fractions::SamePoly(*p, *q))
                continue;
            const std::optional<Fraction> meant = ExactValueOf(*whole);
            if (meant && Is(ValueWith(step, i, FixedNode(*meant)), target))
                return true;
        }
    }
    return false;
}

// Decimal places of a typed number.
int PlacesOf(const std::string &text)
{
    const std::size_t point = text.find('.');
    if (point == std::string::npos)
        return 0;
    std::size_t end = point + 1;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    return static_cast<int>(end - point - 1);
}

// The power of ten that `d` is (10, 1, 0.1 …), or nothing.
std::optional<int> PowerOfTen(Rational d)
{
    if (d.numerator < 0)
        d.numerator = -d.numerator;
    int p = 0;
    while (d.numerator > 1 && d.numerator % 10 == 0) {
        d.numerator /= 10;
        ++p;
    }
    while (d.denominator > 1 && d.denominator % 10 == 0) {
        d.denominator /= 10;
        --p;
    }
    if (d.numerator != 1 || d.denominator != 1)
        return std::nullopt;
    return p;
}

bool IsPlainNumber(const ExprNode &n) { return n.kind == Kind::Number && n.text.find('%') == std::string::npos; }

// Two neighbouring numbers added or subtracted, and a number of the step that is their result
// with one place off by one: a carry or a borrow forgotten (or one too many).
bool CarryOrBorrow(const ExprNode &before, const ExprNode &step, const Fraction &target)
{
    const std::vector<const ExprNode *> stepNodes = NodesOf(step);
    for (const ExprNode *sum : NodesOf(before)) {
        if (sum->kind != Kind::Sum)
            continue;
        for (std::size_t k = 0; k + 1 < sum->kids.size(); ++k) {
            const ExprNode &a = sum->kids[k];
            const ExprNode &b = sum->kids[k + 1];
            if (!IsPlainNumber(a) || !IsPlainNumber(b))
                continue;
            const Rational sa = sum->negative[k] ? Rational {-a.number.numerator, a.number.denominator} : a.number;
            const Rational sb = sum->negative[k + 1] ? Rational {-b.number.numerator, b.number.denominator} : b.number;
            const std::optional<Rational> r = RationalSum(sa, sb);
            if (!r)
                continue;
            const Rational right {r->numerator < 0 ? -r->numerator : r->numerator, r->denominator};
            const int lowest = -std::max(PlacesOf(a.text), PlacesOf(b.text));
            for (std::size_t i = 0; i < stepNodes.size(); ++i) {
                const ExprNode &v = *stepNodes[i];
                if (!IsPlainNumber(v))
                    continue;
                const std::optional<Rational> off = RationalSum(v.number, {-right.numerator, right.denominator});
                const std::optional<int> place = off ? PowerOfTen(*off) : std::nullopt;
                if (!off || off->numerator == 0 || !place || *place < lowest + 1)
                    continue;
                if (Is(ValueWith(step, i, Number(right)), target))
                    return true;
            }
        }
    }
    return false;
}

// One sign of the step changed (a term, a number, a bracket or the whole line) makes it right.
bool OneSign(const ExprNode &step, const Fraction &target)
{
    const std::vector<const ExprNode *> nodes = NodesOf(step);
    for (std::size_t i = 0; i < nodes.size(); ++i)
        if (Is(ValueWith(step, i, NegatedNode(*nodes[i])), target))
            return true;
    return false;
}

// A bracketed sum that is a factor of a product (or the base of a power): where a sign slip in
// a factorisation stands.
bool IsFactorGroup(const ExprNode &n)
{
    return n.kind == Kind::Group && Unbracketed(n).kind == Kind::Sum && Unbracketed(n).kids.size() >= 2;
}

// The factor with the sign of its term t changed.
ExprNode FlippedFactor(const ExprNode &group, std::size_t t)
{
    ExprNode copy = group;
    ExprNode *inner = &copy;
    while (inner->kind == Kind::Group)
        inner = &inner->kids[0];
    inner->negative[t] = !inner->negative[t];
    return copy;
}

// A factor as the pupil's polynomial, in brackets: (x＋2).
std::string FactorText(const ExprNode &group)
{
    const std::optional<Fraction> v = ExactValueOf(group);
    if (!v || !fractions::IsConstant(v->den) || fractions::ConstantOf(v->den).numerator != 1
        || fractions::ConstantOf(v->den).denominator != 1)
        return {};
    return "(" + fractions::PolyText(v->num) + ")";
}

// 符号错误 in a factor: one term of one factor with its sign changed gives the right value
// ("因式(x＋2)应该是(x－2)"), or the last terms of two factors both changed, as when the signs of a
// 十字相乘 are swapped ((x－3)(x＋2) for (x＋3)(x－2)).
std::string FactorSign(const ExprNode &step, const Fraction &target)
{
    const std::vector<const ExprNode *> nodes = NodesOf(step);
    std::vector<std::size_t> factors;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const ExprNode &n = *nodes[i];
        if (n.kind != Kind::Product && n.kind != Kind::Power)
            continue;
        if (n.kind == Kind::Product && n.kids.size() < 2)
            continue;
        // The kids of n follow it in pre-order: find each factor group's index.
        for (std::size_t j = i + 1; j < nodes.size(); ++j)
            for (const ExprNode &kid : n.kids)
                if (nodes[j] == &kid && IsFactorGroup(kid))
                    factors.push_back(j);
    }
    for (std::size_t f : factors) {
        const ExprNode &group = *nodes[f];
        // The last term first: (a＋b)^2 for (a－b)^2 is read as the sign of b.
        for (std::size_t t = Unbracketed(group).kids.size(); t-- > 0;) {
            const ExprNode flipped = FlippedFactor(group, t);
            if (Is(ValueWith(step, f, flipped), target)) {
                const std::string was = FactorText(group);
                const std::string right = FactorText(flipped);
                if (was.empty() || right.empty())
                    return "符号错误";
                return "符号错误，因式" + was + "应该是" + right;
            }
        }
    }
    for (std::size_t a = 0; a < factors.size(); ++a)
        for (std::size_t b = a + 1; b < factors.size(); ++b) {
            if (--triesLeft < 0)
                return {};
            ExprNode copy = step;
            const ExprNode &ga = *nodes[factors[a]];
            const ExprNode &gb = *nodes[factors[b]];
            // One factor may hold the other: the nodes are found again after the first change
            // (a flipped sign keeps the shape, so the pre-order numbers stay).
            *NodesOf(copy)[factors[a]] = FlippedFactor(ga, Unbracketed(ga).kids.size() - 1);
            *NodesOf(copy)[factors[b]] = FlippedFactor(*NodesOf(copy)[factors[b]], Unbracketed(gb).kids.size() - 1);
            if (Is(ExactValueOf(copy), target))
                return "符号错误，两个因式里常数项的符号都弄反了";
        }
    return {};
}

// Two terms of a sum worked before the product or quotient beside them: a＋b×c read as
// (a＋b)×c, or a×b＋c as a×(b＋c).
bool OrderOfOperations(const ExprNode &before, const Fraction &target)
{
    const std::vector<const ExprNode *> nodes = NodesOf(before);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const ExprNode &sum = *nodes[i];
        if (sum.kind != Kind::Sum)
            continue;
        for (std::size_t k = 0; k + 1 < sum.kids.size(); ++k) {
            for (int side = 0; side < 2; ++side) {
                // side 0: the product follows the term; side 1: the product comes first.
                const ExprNode &product = sum.kids[k + (side == 0 ? 1 : 0)];
                const ExprNode &other = sum.kids[k + (side == 0 ? 0 : 1)];
                if (product.kind != Kind::Product || product.kids.size() < 2)
                    continue;
                const std::size_t g = side == 0 ? 0 : product.kids.size() - 1;
                if (side == 1 && product.divide[g])
                    continue;
                ExprNode inner;
                inner.kind = Kind::Sum;
                if (side == 0) {
                    inner.kids = {other, product.kids[g]};
                    inner.negative = {sum.negative[k], sum.negative[k + 1]};
                } else {
                    inner.kids = {product.kids[g], other};
                    inner.negative = {false, sum.negative[k + 1]};
                }
                ExprNode wrong = product;
                wrong.kids[g] = Group(std::move(inner));
                ExprNode changed = sum;
                changed.kids[k] = std::move(wrong);
                changed.negative[k] = side == 1 && sum.negative[k];
                changed.kids.erase(changed.kids.begin() + static_cast<std::ptrdiff_t>(k) + 1);
                changed.negative.erase(changed.negative.begin() + static_cast<std::ptrdiff_t>(k) + 1);
                const ExprNode replacement
                    = changed.kids.size() == 1 && !changed.negative[0] ? changed.kids[0] : changed;
                if (Is(ValueWith(before, i, replacement), target))
                    return true;
            }
        }
    }
    return false;
}

std::string SignedText(const Rational &r)
{
    return r.numerator < 0 ? "－" + ExactText({-r.numerator, r.denominator}) : ExactText(r);
}

// A sum, difference, product or quotient of two numbers of the line before, worked out wrongly
// in the step: "计算错误，1000－387＝613，不是723".
std::string WrongResult(const ExprNode &before, const ExprNode &step, const Fraction &target)
{
    const std::vector<const ExprNode *> stepNodes = NodesOf(step);
    for (const ExprNode *node : NodesOf(before)) {
        if (node->kind != Kind::Sum && node->kind != Kind::Product)
            continue;
        for (std::size_t k = 0; k + 1 < node->kids.size(); ++k) {
            const ExprNode &a = node->kids[k];
            const ExprNode &b = node->kids[k + 1];
            if (!IsPlainNumber(a) || !IsPlainNumber(b))
                continue;
            std::optional<Rational> r;
            std::string op;
            if (node->kind == Kind::Sum) {
                const bool minusA = node->negative[k];
                const bool minusB = node->negative[k + 1];
                r = RationalSum(minusA ? Rational {-a.number.numerator, a.number.denominator} : a.number,
                    minusB ? Rational {-b.number.numerator, b.number.denominator} : b.number);
                if (minusA && r)
                    r = Rational {-r->numerator, r->denominator}; // －a－b is read as －(a＋b)
                op = minusA == minusB ? "＋" : "－";
            } else {
                if (k > 0 && node->divide[k])
                    continue;
                r = node->divide[k + 1] ? RationalQuotient(a.number, b.number) : RationalProduct(a.number, b.number);
                op = node->divide[k + 1] ? "÷" : "×";
            }
            if (!r)
                continue;
            for (std::size_t i = 0; i < stepNodes.size(); ++i) {
                const ExprNode &v = *stepNodes[i];
                if (!IsPlainNumber(v) || (v.number.numerator == r->numerator && v.number.denominator == r->denominator))
                    continue;
                // The pupil's number stands for the result: with the right one in its place the
                // step is right. (Its sign is the sum's, so the size is compared.)
                Rational size = *r;
                if (size.numerator < 0)
                    size.numerator = -size.numerator;
                if (Is(ValueWith(step, i, Number(size)), target))
                    return "计算错误，" + ExactText(a.number) + op + ExactText(b.number) + "＝" + SignedText(size)
                        + "，不是" + v.text;
            }
        }
    }
    return {};
}

// The numerator and denominator of a fraction written as a number (3/8) or as a bar.
std::optional<std::pair<Whole, Whole>> FractionParts(const ExprNode &n)
{
    if (n.kind == Kind::Number && n.text.find('/') != std::string::npos)
        return std::make_pair(n.number.numerator, n.number.denominator);
    if (IsFractionNode(n) && n.kids[0].kind == Kind::Number && n.kids[1].kind == Kind::Number
        && n.kids[0].number.denominator == 1 && n.kids[1].number.denominator == 1)
        return std::make_pair(n.kids[0].number.numerator, n.kids[1].number.numerator);
    return std::nullopt;
}

// A product of fractions reduced across (4/9×3/8 → 1/3×1/2) with the numerators and the
// denominators not divided by the same numbers.
bool CrossReduction(const ExprNode &before, const ExprNode &step)
{
    std::vector<const ExprNode *> products;
    for (const ExprNode *n : NodesOf(before))
        if (n->kind == Kind::Product && n->kids.size() >= 2)
            products.push_back(n);
    for (const ExprNode *n : NodesOf(step)) {
        if (n->kind != Kind::Product || n->kids.size() < 2)
            continue;
        for (const ExprNode *p : products) {
            if (p->kids.size() != n->kids.size() || p->divide != n->divide)
                continue;
            Whole top = 1, bottom = 1;
            bool fits = true;
            for (std::size_t k = 0; k < n->kids.size() && fits; ++k) {
                const auto was = FractionParts(p->kids[k]);
                const auto now = FractionParts(n->kids[k]);
                fits = was && now && now->first != 0 && now->second != 0 && was->first % now->first == 0
                    && was->second % now->second == 0;
                if (fits
                    && (MultiplyOverflows(top, was->first / now->first, top)
                        || MultiplyOverflows(bottom, was->second / now->second, bottom)))
                    fits = false;
            }
            if (fits && top != bottom && top != -bottom)
                return true;
        }
    }
    return false;
}

} // namespace

std::string SlipOf(const ExprNode &before, const ExprNode &step, const ExprNode *own)
{
    if (NodesOf(before).size() > kMostNodes || NodesOf(step).size() > kMostNodes)
        return {};
    triesLeft = kMostTries;
    const std::optional<Fraction> right = ExactValueOf(before);
    const std::optional<Fraction> written = ExactValueOf(step);
    if (!right || !written)
        return {};
    if (BracketSignKept(before, *written))
        return "去括号时没有变号";
    if (MissedProduct(before, *written))
        return "漏乘";
    if (WrongReduction(before, step, own, *right) || CrossReduction(before, step))
        return "约分错误";
    if (OrderOfOperations(before, *written))
        return "运算顺序错误，先算乘除，后算加减";
    if (CarryOrBorrow(before, step, *right))
        return "进位/借位错误";
    if (std::string wrong = WrongResult(before, step, *right); !wrong.empty())
        return wrong;
    if (std::string factor = FactorSign(step, *right); !factor.empty())
        return factor;
    if (OneSign(step, *right))
        return "符号错误";
    return {};
}

} // namespace qimbel
