// 二次根式四则运算: an expression of numbers and square roots worked exactly, one move per line, as
// the teacher writes it on the blackboard:
//   1. every root in simplest form (化成最简二次根式: √12＝2√3, √(1/2)＝√2/2); a number in front of
//      such a root multiplies it (3√8＝3×2√2), and the next line works the product (＝6√2);
//   2. the terms of the sum in turn: products and quotients of single roots, all in one line;
//      a square of a sum by 完全平方公式 written as a²±2ab＋b² first; a product of two sums by
//      平方差公式 or term by term; a number times a sum by 乘法分配律; a divisor with roots by
//      分母有理化;
//   3. brackets taken off (a "－" before them changes every sign inside), then
//      合并同类二次根式.
// Terms keep the order in which they were typed, and a result starts with a positive term
// (√5－1). A line typed with decimals keeps its rational results as decimals (√0.04＝0.2). Values
// are held in SurdValue, so nothing is rounded.
#include "algebra/SurdValue.h"
#include "algebra/WorkedSteps.h"
#include "solver/ExpressionText.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

namespace qimbel {

namespace {

const std::string kRoot = "√";
const std::string kCannot = "无法计算：根号里要是不小于0的数，除数不能为0，数也不能太大。";

struct Node {
    enum Kind { Number, Root, Sum, Product, Power, Bracket, Value } kind = Number;
    std::string text; // a number as typed
    QValue number;
    std::vector<Node> kids;
    std::vector<char> ops; // Sum: '+' or '-' for every kid; Product: '*', '/' (÷), 'f' (a typed
                           // "/") or 'i' (written without a sign) for every kid after the first
    int exponent = 2;
    Surd value; // Value: one worked term c√r, its coefficient above 0 where it stands in a sum
    bool glued = false; // Product: a number and its root after ÷, read as one number (6÷2√3)
    bool known = false; // Root: its value is held in `value`, so a large radicand is split once
};

Node ValueNode(const Surd &value)
{
    Node node;
    node.kind = Node::Value;
    node.value = value;
    return node;
}

Node SumNode() // an empty sum, filled with Append
{
    Node node;
    node.kind = Node::Sum;
    return node;
}

void Append(Node &sum, char op, Node kid)
{
    sum.kids.push_back(std::move(kid));
    sum.ops.push_back(op);
}

Node BracketNode(Node inside)
{
    Node node;
    node.kind = Node::Bracket;
    node.kids.push_back(std::move(inside));
    return node;
}

// The text as the routines read it: digits and brackets of an input method narrowed, sqrt(…)
// written √(…).
std::string Normalised(const std::string &line)
{
    std::string text = HalfWidthNumbers(line);
    if (text.find("sqrt(") == std::string::npos)
        return text;
    for (int at = Find(text, "sqrt("); at >= 0; at = Find(text, "sqrt(", at))
        text = Left(text, at) + kRoot + Mid(text, at + 4);
    return text;
}

class Parser {
public:
    explicit Parser(const std::string &text)
        : text_(text)
    {
    }

    std::optional<Node> Whole()
    {
        std::optional<Node> node = Expression();
        if (!node || at_ != Len(text_))
            return std::nullopt;
        return node;
    }

private:
    bool Take(std::string_view what)
    {
        if (!Sees(what))
            return false;
        at_ += static_cast<int>(what.size());
        return true;
    }
    // Compared in place: the signs are whole characters, so a match never starts on a trail byte
    // of the character before it, which the parser has already passed.
    bool Sees(std::string_view what) const
    {
        return text_.compare(static_cast<std::size_t>(at_), what.size(), what) == 0;
    }
    bool SeesDigit() const { return at_ < Len(text_) && text_[at_] >= '0' && text_[at_] <= '9'; }

    std::optional<Node> Expression()
    {
        if (++depth_ > kDeepestBrackets * 2)
            return std::nullopt;
        Node sum = SumNode();
        char sign = '+';
        if (Take("－") || Take("-"))
            sign = '-';
        else if (Take("＋") || Take("+"))
            sign = '+';
        for (;;) {
            std::optional<Node> term = Term();
            if (!term)
                return std::nullopt;
            Append(sum, sign, std::move(*term));
            if (Take("＋") || Take("+"))
                sign = '+';
            else if (Take("－") || Take("-"))
                sign = '-';
            else
                break;
        }
        --depth_;
        if (sum.kids.size() == 1 && sum.ops[0] == '+')
            return std::move(sum.kids[0]);
        return sum;
    }

    std::optional<Node> Term()
    {
        Node product;
        product.kind = Node::Product;
        std::optional<Node> first = Power();
        if (!first)
            return std::nullopt;
        product.kids.push_back(std::move(*first));
        for (;;) {
            char op = 0;
            if (Take("×") || Take("*"))
                op = '*';
            else if (Take("÷"))
                op = '/';
            else if (Take("/"))
                op = 'f';
            else if (Sees(kRoot) || Sees("(") || (SeesDigit() && product.kids.back().kind != Node::Number))
                op = 'i';
            else
                break;
            std::optional<Node> next = Power();
            if (!next)
                return std::nullopt;
            // After ÷ a number and the root written right after it are one number: 6÷2√3.
            if (op == '/' && next->kind == Node::Number && Sees(kRoot)) {
                std::optional<Node> root = Power();
                if (!root)
                    return std::nullopt;
                Node glued;
                glued.kind = Node::Product;
                glued.glued = true;
                glued.kids.push_back(std::move(*next));
                glued.kids.push_back(std::move(*root));
                glued.ops.push_back('i');
                next = std::move(glued);
            }
            product.kids.push_back(std::move(*next));
            product.ops.push_back(op);
        }
        if (product.kids.size() == 1)
            return std::move(product.kids[0]);
        return product;
    }

    std::optional<Node> Power()
    {
        std::optional<Node> base = Primary();
        if (!base)
            return std::nullopt;
        if (!Take("^"))
            return base;
        const int start = at_;
        while (SeesDigit())
            ++at_;
        if (at_ == start || at_ - start > 1)
            return std::nullopt;
        Node power;
        power.kind = Node::Power;
        power.exponent = text_[start] - '0';
        power.kids.push_back(std::move(*base));
        return power;
    }

    std::optional<Node> Primary()
    {
        if (Take(kRoot)) {
            std::optional<Node> inside = Primary();
            if (!inside)
                return std::nullopt;
            Node root;
            root.kind = Node::Root;
            root.kids.push_back(std::move(*inside));
            return root;
        }
        if (Take("(")) {
            std::optional<Node> inside = Expression();
            if (!inside || !Take(")"))
                return std::nullopt;
            return BracketNode(std::move(*inside));
        }
        const int start = at_;
        while (SeesDigit() || (at_ < Len(text_) && text_[at_] == '.'))
            ++at_;
        if (at_ == start || at_ - start > 17)
            return std::nullopt;
        Node number;
        number.kind = Node::Number;
        number.text = Mid(text_, start, at_ - start);
        const std::optional<NumberValue> read = ReadNumber(number.text);
        const std::optional<Rational> value = read ? ExactValue(*read) : std::nullopt;
        if (!value)
            return std::nullopt;
        number.number = QValue {*value, true};
        return number;
    }

    const std::string &text_;
    int at_ = 0;
    int depth_ = 0;
};

std::optional<Surd> Evaluate(const Node &node)
{
    switch (node.kind) {
    case Node::Number:
        return SurdOf(node.number);
    case Node::Value:
        return node.value;
    case Node::Bracket:
        return Evaluate(node.kids[0]);
    case Node::Root: {
        if (node.known)
            return node.value;
        const std::optional<Surd> inside = Evaluate(node.kids[0]);
        if (!inside || !IsRational(*inside))
            return std::nullopt;
        return SurdRoot(inside->terms.empty() ? MakeQ(0) : inside->terms[0].coefficient);
    }
    case Node::Power: {
        const std::optional<Surd> base = Evaluate(node.kids[0]);
        if (!base || node.exponent < 0)
            return std::nullopt;
        std::optional<Surd> result = SurdOf(MakeQ(1));
        for (int k = 0; k < node.exponent && result; ++k)
            result = SurdProduct(*result, *base);
        return result;
    }
    case Node::Sum: {
        std::optional<Surd> result = Surd {};
        for (std::size_t k = 0; k < node.kids.size() && result; ++k) {
            std::optional<Surd> term = Evaluate(node.kids[k]);
            if (!term)
                return std::nullopt;
            if (node.ops[k] == '-')
                term = SurdNegated(*term);
            result = SurdSum(*result, *term);
        }
        return result;
    }
    case Node::Product: {
        std::optional<Surd> result = Evaluate(node.kids[0]);
        for (std::size_t k = 1; k < node.kids.size() && result; ++k) {
            const std::optional<Surd> factor = Evaluate(node.kids[k]);
            if (!factor)
                return std::nullopt;
            const bool divides = node.ops[k - 1] == '/' || node.ops[k - 1] == 'f';
            result = divides ? SurdQuotient(*result, *factor) : SurdProduct(*result, *factor);
        }
        return result;
    }
    }
    return std::nullopt;
}

bool Divides(char op) { return op == '/' || op == 'f'; }

bool IsSum(const Node &node) { return node.kind == Node::Sum && node.kids.size() > 1; }
bool IsSumInBrackets(const Node &node) { return node.kind == Node::Bracket && IsSum(node.kids[0]); }

// A single number or root that needs no more work.
bool IsPlain(const Node &node)
{
    return node.kind == Node::Number || node.kind == Node::Value || node.kind == Node::Root;
}

// One term: numbers and roots multiplied, divided and raised, with no sum in it.
bool IsMonomial(const Node &node)
{
    switch (node.kind) {
    case Node::Number:
    case Node::Root:
    case Node::Value:
        return true;
    case Node::Sum:
        return node.kids.size() == 1 && IsMonomial(node.kids[0]);
    case Node::Bracket:
    case Node::Power:
        return IsMonomial(node.kids[0]);
    case Node::Product:
        for (const Node &kid : node.kids)
            if (!IsMonomial(kid))
                return false;
        return true;
    }
    return false;
}

bool HasRoot(const Node &node)
{
    if (node.kind == Node::Root)
        return true;
    if (node.kind == Node::Value)
        return !IsRational(node.value);
    for (const Node &kid : node.kids)
        if (HasRoot(kid))
            return true;
    return false;
}

// The radicand of a plain term (1 for a number); 0 when it cannot be valued.
Whole RadicandOf(const Node &node)
{
    if (node.kind == Node::Number)
        return 1;
    if (node.kind == Node::Value || (node.kind == Node::Root && node.known))
        return node.value.terms.empty() ? 1 : node.value.terms[0].radicand;
    const std::optional<Surd> v = Evaluate(node);
    if (!v)
        return 0;
    return v->terms.empty() ? 1 : v->terms[0].radicand;
}

// True when two plain terms of a sum are like terms (two numbers, or the same root).
bool HasLikeTerms(const Node &sum)
{
    std::vector<Whole> seen;
    for (const Node &kid : sum.kids) {
        if (!IsPlain(kid))
            return false;
        const Whole r = RadicandOf(kid);
        if (std::find(seen.begin(), seen.end(), r) != seen.end())
            return true;
        seen.push_back(r);
    }
    return false;
}

bool HasLikeRoots(const Node &sum)
{
    std::vector<Whole> seen;
    for (const Node &kid : sum.kids) {
        const Whole r = RadicandOf(kid);
        if (r > 1 && std::find(seen.begin(), seen.end(), r) != seen.end())
            return true;
        seen.push_back(r);
    }
    return false;
}

// The terms of a value in the order of `order` (radicands as they first appear, 1 for the
// numbers), the rest after them, a positive term first.
std::vector<SurdTerm> Ordered(const Surd &value, const std::vector<Whole> &order)
{
    std::vector<SurdTerm> out;
    std::vector<bool> taken(value.terms.size(), false);
    for (Whole r : order)
        for (std::size_t k = 0; k < value.terms.size(); ++k)
            if (!taken[k] && value.terms[k].radicand == r) {
                out.push_back(value.terms[k]);
                taken[k] = true;
            }
    for (std::size_t k = 0; k < value.terms.size(); ++k)
        if (!taken[k])
            out.push_back(value.terms[k]);
    for (std::size_t k = 0; k < out.size(); ++k)
        if (!Negative(out[k].coefficient)) {
            std::rotate(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(k),
                out.begin() + static_cast<std::ptrdiff_t>(k) + 1);
            break;
        }
    return out;
}

// The radicands of the plain terms of a sum, in order.
std::vector<Whole> OrderOf(const Node &sum)
{
    std::vector<Whole> order;
    for (const Node &kid : sum.kids)
        if (IsPlain(kid))
            order.push_back(RadicandOf(kid));
    return order;
}

class Writer {
public:
    explicit Writer(bool decimals)
        : decimals_(decimals)
    {
    }

    // c√r without its sign.
    std::string TermText(const SurdTerm &t, bool shareDenominator = false) const
    {
        const Whole p = Negative(t.coefficient) ? -t.coefficient.v.numerator : t.coefficient.v.numerator;
        const Whole q = shareDenominator ? 1 : t.coefficient.v.denominator;
        if (t.radicand == 1)
            return decimals_ ? ExactText(Rational {p, q}) : FractionText(p, q);
        std::string text = (p == 1 ? std::string() : WholeText(p)) + kRoot + WholeText(t.radicand);
        return q == 1 ? text : text + "/" + WholeText(q);
    }

    // A whole value in the given order; terms over one denominator share it: (1＋√5)/2.
    std::string ValueText(const std::vector<SurdTerm> &terms) const
    {
        if (terms.empty())
            return "0";
        Whole common = terms[0].coefficient.v.denominator;
        for (const SurdTerm &t : terms)
            common = t.coefficient.v.denominator == common ? common : 1;
        const bool together = terms.size() > 1 && common > 1 && !(decimals_ && AllRational(terms));
        std::string text;
        for (const SurdTerm &t : terms) {
            text += Negative(t.coefficient) ? "－" : text.empty() ? "" : "＋";
            text += TermText(t, together);
        }
        return together ? "(" + text + ")/" + WholeText(common) : text;
    }

    std::string Print(const Node &node, bool inFactor = false) const
    {
        switch (node.kind) {
        case Node::Number:
            return node.text;
        case Node::Value: {
            if (node.value.terms.empty())
                return "0";
            const SurdTerm &t = node.value.terms[0];
            const std::string text = (Negative(t.coefficient) ? "－" : "") + TermText(t);
            return (inFactor && (Negative(t.coefficient) || Contains(text, "/"))) ? "(" + text + ")" : text;
        }
        case Node::Bracket:
            return "(" + Print(node.kids[0]) + ")";
        case Node::Root:
            return kRoot + Print(node.kids[0], true);
        case Node::Power: {
            const Node &base = node.kids[0];
            const bool bare = base.kind == Node::Number || base.kind == Node::Bracket;
            const std::string text = Print(base);
            return (bare ? text : "(" + text + ")") + "^" + IntText(node.exponent);
        }
        case Node::Sum: {
            std::string text;
            for (std::size_t k = 0; k < node.kids.size(); ++k) {
                if (k > 0 || node.ops[k] == '-')
                    text += node.ops[k] == '-' ? "－" : "＋";
                const Node &kid = node.kids[k];
                const bool negative
                    = kid.kind == Node::Value && !kid.value.terms.empty() && Negative(kid.value.terms[0].coefficient);
                const std::string piece = Print(kid);
                text += negative && (k > 0 || node.ops[k] == '-') ? "(" + piece + ")" : piece;
            }
            return text;
        }
        case Node::Product: {
            std::string text = Print(node.kids[0], true);
            bool wide = false;
            for (std::size_t k = 1; k < node.kids.size(); ++k) {
                const char op = node.ops[k - 1];
                const Node &kid = node.kids[k];
                // Written without a sign only where it reads as one number: 2√3, 3(√2＋1).
                const bool joins = op == 'i' && (kid.kind == Node::Root || kid.kind == Node::Bracket);
                text += op == '*' || (op == 'i' && !joins) ? "×" : op == '/' ? "÷" : op == 'f' ? "/" : "";
                wide = wide || !joins;
                text += Print(kid, true);
            }
            return node.glued && wide ? "(" + text + ")" : text;
        }
        }
        return {};
    }

private:
    static bool AllRational(const std::vector<SurdTerm> &terms)
    {
        for (const SurdTerm &t : terms)
            if (t.radicand != 1)
                return false;
        return true;
    }

    bool decimals_;
};

// A value as the terms of a sum: each term a Value above 0 with its sign. 0 is one term.
Node Pieces(const Surd &value, const std::vector<Whole> &order)
{
    Node sum = SumNode();
    for (const SurdTerm &t : Ordered(value, order)) {
        Surd one;
        one.terms.push_back(SurdTerm {t.radicand, Negative(t.coefficient) ? -t.coefficient : t.coefficient});
        Append(sum, Negative(t.coefficient) ? '-' : '+', ValueNode(one));
    }
    if (sum.kids.empty())
        Append(sum, '+', ValueNode(Surd {}));
    return sum;
}

// The words for valuing a term in one go.
std::string HowValued(const Node &term)
{
    if (term.kind == Node::Power)
        return IsSumInBrackets(term.kids[0]) ? "乘方" : "二次根式的乘方";
    if (term.kind != Node::Product)
        return "计算";
    std::size_t lastDivision = 0;
    for (std::size_t k = 1; k < term.kids.size(); ++k)
        if (Divides(term.ops[k - 1]) && HasRoot(term.kids[k]))
            lastDivision = k;
    if (lastDivision > 0) {
        const std::optional<Surd> d = Evaluate(term.kids[lastDivision]);
        if (d && d->terms.size() == 2) {
            const Node &divisor = term.kids[lastDivision];
            const Node inside = divisor.kind == Node::Bracket ? divisor.kids[0] : divisor;
            // The conjugate in the order typed: the negative term, else the second, changes its sign.
            std::vector<SurdTerm> conjugate = Ordered(*d, OrderOf(inside));
            SurdTerm &flip = Negative(conjugate[1].coefficient) || !Negative(conjugate[0].coefficient) ? conjugate[1]
                                                                                                       : conjugate[0];
            flip.coefficient = -flip.coefficient;
            return "分母有理化：分子、分母都乘" + Writer(false).ValueText(conjugate);
        }
        // One root in the divisor: the same root above it divides out, else it is multiplied in.
        Node top = term;
        top.kids.resize(lastDivision);
        top.ops.resize(lastDivision - 1);
        const std::optional<Surd> t = top.kids.size() == 1 ? Evaluate(top.kids[0]) : Evaluate(top);
        if (d && d->terms.size() == 1 && t && t->terms.size() == 1 && t->terms[0].radicand == d->terms[0].radicand)
            return "二次根式相除";
        if (d && d->terms.size() == 1)
            return "分母有理化：分子、分母都乘√" + WholeText(d->terms[0].radicand);
        return "二次根式相除";
    }
    bool divides = false;
    bool roots = false;
    for (std::size_t k = 0; k < term.kids.size(); ++k) {
        divides = divides || (k > 0 && Divides(term.ops[k - 1]));
        roots = roots || term.kids[k].kind == Node::Root;
    }
    if (divides)
        return "计算";
    return roots ? "二次根式相乘" : "系数相乘";
}

// Works a line one move at a time.
class Worker {
public:
    explicit Worker(const Writer &writer)
        : writer_(writer)
    {
    }

    // Every root not in simplest form replaced by its simplest form.
    bool Simplest(Node &node, std::vector<std::string> &said) const
    {
        if (node.kind == Node::Root) {
            const std::optional<Surd> value = Evaluate(node);
            if (!value)
                return false;
            const bool already = node.kids[0].kind == Node::Number && IsWhole(node.kids[0].number)
                && value->terms.size() == 1 && Same(value->terms[0].coefficient, MakeQ(1));
            if (!already) {
                Node replaced = ValueNode(*value);
                said.push_back(writer_.Print(node) + "＝" + writer_.Print(replaced));
                node = replaced;
            } else {
                node.value = *value;
                node.known = true;
            }
            return true;
        }
        for (Node &kid : node.kids)
            if (!Simplest(kid, said))
                return false;
        return true;
    }

    // One move on the sum; false when nothing is left to do, or a part cannot be valued
    // (failed_ is set then).
    bool Move(Node &sum, std::string &how, bool top)
    {
        // Products and powers of single terms, all in one line.
        const auto single = [top](const Node &kid) {
            return !IsPlain(kid) && IsMonomial(kid) && !(top && kid.kind == Node::Bracket);
        };
        const bool anySingle = std::any_of(sum.kids.begin(), sum.kids.end(), single);
        std::string said;
        bool valued = false;
        int count = 0;
        how.clear();
        Node next = SumNode();
        for (std::size_t k = 0; anySingle && k < sum.kids.size(); ++k) {
            Node &kid = sum.kids[k];
            if (!single(kid)) {
                Append(next, sum.ops[k], kid);
                continue;
            }
            const std::optional<Surd> v = Evaluate(kid);
            if (!v)
                return Fail();
            const Node value = Pieces(*v, {});
            if (how.empty())
                how = HowValued(kid);
            said += (said.empty() ? "" : "，") + writer_.Print(kid) + "＝" + writer_.ValueText(Ordered(*v, {}));
            ++count;
            const bool minus = (sum.ops[k] == '-') != (value.ops[0] == '-');
            Append(next, minus ? '-' : '+', value.kids[0]);
            valued = true;
        }
        if (valued) {
            sum = next;
            how = count > 1 ? "计算各项：" + said : how + "，" + said;
            return true;
        }
        // The first term that holds more work.
        for (std::size_t k = 0; k < sum.kids.size(); ++k) {
            Node &kid = sum.kids[k];
            if (IsPlain(kid))
                continue;
            const bool negated = sum.ops[k] == '-';
            std::optional<Node> result = Work(kid, how, negated);
            if (failed_)
                return false;
            if (!result)
                continue;
            if (result->kind == Node::Sum && !negated) {
                // Its terms join the sum: a single term typed alone shows the value as it ends.
                Node spliced = SumNode();
                for (std::size_t j = 0; j < k; ++j)
                    Append(spliced, sum.ops[j], sum.kids[j]);
                for (std::size_t j = 0; j < result->kids.size(); ++j)
                    Append(spliced, result->ops[j], result->kids[j]);
                for (std::size_t j = k + 1; j < sum.kids.size(); ++j)
                    Append(spliced, sum.ops[j], sum.kids[j]);
                sum = spliced;
            } else {
                kid = result->kind == Node::Sum ? BracketNode(*result) : *result;
            }
            return true;
        }
        // Brackets taken off.
        const bool anyBracket
            = std::any_of(sum.kids.begin(), sum.kids.end(), [](const Node &n) { return n.kind == Node::Bracket; });
        bool bracket = false;
        bool flips = false;
        Node open = SumNode();
        for (std::size_t k = 0; anyBracket && k < sum.kids.size(); ++k) {
            const Node &kid = sum.kids[k];
            if (kid.kind != Node::Bracket) {
                Append(open, sum.ops[k], kid);
                continue;
            }
            bracket = true;
            const Node &inside = kid.kids[0];
            if (inside.kind != Node::Sum) {
                Append(open, sum.ops[k], inside);
                continue;
            }
            for (std::size_t j = 0; j < inside.kids.size(); ++j) {
                const bool minus = (sum.ops[k] == '-') != (inside.ops[j] == '-');
                flips = flips || sum.ops[k] == '-';
                Append(open, minus ? '-' : '+', inside.kids[j]);
            }
        }
        if (bracket) {
            sum = open;
            how = flips ? "去括号：括号前是“－”号，去掉括号后，括号里的各项都要变号" : "去括号";
            return true;
        }
        // Like terms combined.
        if (sum.kids.size() > 1 && HasLikeTerms(sum)) {
            const std::optional<Surd> v = Evaluate(sum);
            if (!v)
                return Fail();
            how = HasLikeRoots(sum) ? "合并同类二次根式" : "计算";
            sum = Pieces(*v, OrderOf(sum));
            return true;
        }
        return false;
    }

    bool failed() const { return failed_; }

private:
    bool Fail()
    {
        failed_ = true;
        return false;
    }

    // One move on a term that is not a single number or root; the term itself, changed, or a sum
    // of terms that takes its place. Nothing when it has no work left.
    std::optional<Node> Work(Node &term, std::string &how, bool negated)
    {
        if (term.kind == Node::Bracket) {
            Node &inside = term.kids[0];
            if (inside.kind != Node::Sum)
                return std::nullopt;
            if (Move(inside, how, false))
                return term;
            return std::nullopt;
        }
        if (term.kind == Node::Power)
            return Square(term, how, negated);
        if (term.kind == Node::Product)
            return Product(term, how, negated);
        return std::nullopt;
    }

    std::optional<Node> Direct(const Node &term, const std::string &words, const std::vector<Whole> &order)
    {
        const std::optional<Surd> v = Evaluate(term);
        if (!v) {
            failed_ = true;
            return std::nullopt;
        }
        how_ = words + "，" + writer_.Print(term) + "＝" + writer_.ValueText(Ordered(*v, order));
        return Pieces(*v, order);
    }

    // (a±b)^2 ＝ a^2 ± 2×a×b ＋ b^2, the next line works each term; after a "－" the terms are
    // valued at once, in brackets.
    std::optional<Node> Square(Node &term, std::string &how, bool negated)
    {
        Node &base = term.kids[0];
        if (!IsSumInBrackets(base)) {
            std::optional<Node> r = Direct(term, HowValued(term), {});
            how = how_;
            return r;
        }
        Node &inside = base.kids[0];
        if (Move(inside, how, false))
            return term;
        if (failed_)
            return std::nullopt;
        const bool formula = term.exponent == 2 && inside.kids.size() == 2 && inside.ops[0] == '+'
            && IsPlain(inside.kids[0]) && IsPlain(inside.kids[1]);
        if (!formula) {
            std::optional<Node> r = Direct(term, "乘方", OrderOf(inside));
            how = how_;
            return r;
        }
        const Node &a = inside.kids[0];
        const Node &b = inside.kids[1];
        const char sign = inside.ops[1];
        Node a2;
        a2.kind = Node::Power;
        a2.kids.push_back(a);
        Node b2 = a2;
        b2.kids[0] = b;
        Node twice;
        twice.kind = Node::Product;
        Node two;
        two.text = "2";
        two.number = MakeQ(2);
        twice.kids = {two, a, b};
        twice.ops = {'*', '*'};
        Node expanded = SumNode();
        Append(expanded, '+', a2);
        Append(expanded, sign, twice);
        Append(expanded, '+', b2);
        const std::string rule
            = sign == '+' ? "完全平方公式：(a＋b)^2＝a^2＋2ab＋b^2" : "完全平方公式：(a－b)^2＝a^2－2ab＋b^2";
        if (!negated) {
            how = rule;
            return expanded;
        }
        // After a "－": each term valued, kept in brackets.
        Node valued = SumNode();
        for (std::size_t k = 0; k < expanded.kids.size(); ++k) {
            const std::optional<Surd> v = Evaluate(expanded.kids[k]);
            if (!v) {
                failed_ = true;
                return std::nullopt;
            }
            const Node p = Pieces(*v, {});
            Append(valued, (expanded.ops[k] == '-') != (p.ops[0] == '-') ? '-' : '+', p.kids[0]);
        }
        how = rule + "，" + writer_.Print(term) + "＝" + writer_.Print(valued);
        return BracketNode(valued);
    }

    std::optional<Node> Product(Node &term, std::string &how, bool negated)
    {
        // A factor with work of its own first: a sum in brackets, a power of a sum. Like terms in
        // a bracket wait: the product is spread out first.
        for (Node &kid : term.kids) {
            const auto working = [](const Node &sum) {
                return std::any_of(sum.kids.begin(), sum.kids.end(), [](const Node &n) { return !IsPlain(n); });
            };
            if (IsSumInBrackets(kid) && working(kid.kids[0]) && Move(kid.kids[0], how, false))
                return term;
            if (failed_)
                return std::nullopt;
            if (kid.kind == Node::Power && IsSumInBrackets(kid.kids[0])) {
                std::optional<Node> r = Square(kid, how, true);
                if (!r)
                    return std::nullopt;
                kid = r->kind == Node::Sum ? BracketNode(*r) : *r;
                return term;
            }
        }
        // A divisor with a root, or a sum as divisor: valued at once.
        bool divides = false;
        std::vector<std::size_t> sums;
        for (std::size_t k = 0; k < term.kids.size(); ++k) {
            if (k > 0 && Divides(term.ops[k - 1])) {
                divides = true;
            } else if (IsSumInBrackets(term.kids[k])) {
                sums.push_back(k);
            }
        }
        std::vector<Whole> order;
        for (const Node &kid : term.kids)
            if (IsSumInBrackets(kid))
                for (Whole r : OrderOf(kid.kids[0]))
                    order.push_back(r);
        if (divides || sums.empty() || sums.size() > 2 || (sums.size() == 2 && term.kids.size() > 2)) {
            std::optional<Node> r = Direct(term, sums.size() >= 2 ? "多项式乘法" : HowValued(term), order);
            how = how_;
            if (r && negated && r->kids.size() == 1 && r->ops[0] == '+')
                return r->kids[0]; // one term after "－" stays where it is
            return r;
        }
        if (sums.size() == 2)
            return TwoSums(term, how, negated);
        // A number times a sum: 乘法分配律, each product valued.
        const std::size_t at = sums[0];
        Node factor = term;
        factor.kids.erase(factor.kids.begin() + static_cast<std::ptrdiff_t>(at));
        factor.ops.erase(factor.ops.begin() + static_cast<std::ptrdiff_t>(at == 0 ? 0 : at - 1));
        const std::optional<Surd> m = factor.kids.size() == 1 ? Evaluate(factor.kids[0]) : Evaluate(factor);
        const Node &inside = term.kids[at].kids[0];
        Node spread = SumNode();
        for (std::size_t k = 0; k < inside.kids.size(); ++k) {
            const std::optional<Surd> s = Evaluate(inside.kids[k]);
            const std::optional<Surd> p = m && s ? SurdProduct(*m, *s) : std::nullopt;
            if (!p) {
                failed_ = true;
                return std::nullopt;
            }
            const Node piece = Pieces(*p, {});
            Append(spread, (inside.ops[k] == '-') != (piece.ops[0] == '-') ? '-' : '+', piece.kids[0]);
        }
        how = "乘法分配律，" + writer_.Print(term) + "＝" + writer_.Print(spread);
        return spread;
    }

    // (a＋b)(a－b) by 平方差公式, written a^2－b^2 first; other products of two sums term by term.
    std::optional<Node> TwoSums(const Node &term, std::string &how, bool negated)
    {
        const Node &x = term.kids[0].kids[0];
        const Node &y = term.kids[1].kids[0];
        if (x.kids.size() == 2 && y.kids.size() == 2 && x.ops[0] == '+' && y.ops[0] == '+') {
            // The same two terms, one with its sign changed; the common one is a.
            const std::optional<Surd> x0 = Evaluate(x.kids[0]), x1 = Evaluate(x.kids[1]);
            const std::optional<Surd> y0 = Evaluate(y.kids[0]), y1 = Evaluate(y.kids[1]);
            if (x0 && x1 && y0 && y1) {
                const bool sameOrder = SurdEqual(*x0, *y0) && SurdEqual(*x1, *y1) && x.ops[1] != y.ops[1];
                const bool crossed = SurdEqual(*x0, *y1) && SurdEqual(*x1, *y0) && x.ops[1] != y.ops[1];
                if ((sameOrder || crossed) && !negated) {
                    const Node &a = x.ops[1] == '+' && crossed ? x.kids[1] : x.kids[0];
                    const Node &b = x.ops[1] == '+' && crossed ? x.kids[0] : x.kids[1];
                    Node a2;
                    a2.kind = Node::Power;
                    a2.kids.push_back(a);
                    Node b2 = a2;
                    b2.kids[0] = b;
                    Node formula = SumNode();
                    Append(formula, '+', a2);
                    Append(formula, '-', b2);
                    how = "平方差公式：(a＋b)(a－b)＝a^2－b^2";
                    return formula;
                }
            }
        }
        Node spread = SumNode();
        for (std::size_t i = 0; i < x.kids.size(); ++i) {
            for (std::size_t j = 0; j < y.kids.size(); ++j) {
                const std::optional<Surd> a = Evaluate(x.kids[i]), b = Evaluate(y.kids[j]);
                const std::optional<Surd> p = a && b ? SurdProduct(*a, *b) : std::nullopt;
                if (!p) {
                    failed_ = true;
                    return std::nullopt;
                }
                const Node piece = Pieces(*p, {});
                const bool minus = (x.ops[i] == '-') != (y.ops[j] == '-');
                Append(spread, minus != (piece.ops[0] == '-') ? '-' : '+', piece.kids[0]);
            }
        }
        how = "多项式乘法，" + writer_.Print(term) + "＝" + writer_.Print(spread);
        return spread;
    }

    const Writer &writer_;
    std::string how_;
    bool failed_ = false;
};

} // namespace

std::string Solver::GenShiSiZeYunSuan(std::string expression, int level)
{
    if (level < 1 || level > 5)
        level = 1;
    expression = Trim(expression);
    if (std::string sentence = ExpressionTooLarge(expression); !sentence.empty())
        return sentence;
    const std::string typed = Normalised(expression);
    std::optional<Node> tree = Parser(typed).Whole();
    if (!tree)
        return "请写出只含数、√、括号和＋－×÷^的算式，例如：√12＋√27、(√3＋√2)^2、1÷(√3－√2)";
    // A line typed with decimals and no fraction keeps its numbers as decimals.
    // ('.' and '/' are never the second byte of a Chinese character.)
    const Writer writer(typed.find('.') != std::string::npos && typed.find('/') == std::string::npos);
    std::vector<WorkedStep> steps;
    const auto add = [&](const std::string &text, const std::string &description) {
        if (steps.empty() ? text != expression : text != steps.back().expression)
            steps.push_back(WorkedStep {text, description});
    };
    Worker worker(writer);

    Node sum = std::move(*tree);
    if (sum.kind != Node::Sum) {
        Node wrap = SumNode();
        Append(wrap, '+', std::move(sum));
        sum = std::move(wrap);
    }
    // The roots are valued once, in simplest form, before the whole line is.
    std::vector<std::string> said;
    if (!worker.Simplest(sum, said))
        return kCannot;
    const std::optional<Surd> answer = Evaluate(sum);
    if (!answer)
        return kCannot;
    if (!said.empty()) {
        std::string list;
        for (std::size_t k = 0; k < said.size(); ++k)
            if (std::find(said.begin(), said.begin() + static_cast<std::ptrdiff_t>(k), said[k])
                == said.begin() + static_cast<std::ptrdiff_t>(k))
                list += (list.empty() ? "" : "，") + said[k];
        add(writer.Print(sum), "化成最简二次根式：" + list);
    }
    // Every move changes the line; the bound only guards against a fault.
    for (int round = 0; round < 4 * Len(expression) + 16; ++round) {
        std::string how;
        if (!worker.Move(sum, how, true))
            break;
        add(writer.Print(sum), how);
    }
    if (worker.failed())
        return kCannot;
    std::vector<Whole> order = OrderOf(sum);
    const std::string final = writer.ValueText(Ordered(*answer, order));
    if (!steps.empty() && steps.back().expression != final) {
        // The last line in the order of the answer; terms over one denominator share it.
        if (Contains(final, ")/") && Contains(steps.back().description, "＝" + final))
            steps.back().expression = final;
        else
            add(final, Contains(final, ")/") ? "写成一个分数" : "把正的项写在前面");
    }
    if (level == 1)
        return steps.empty() ? expression : final;
    return WrittenSteps(expression, steps, level);
}

} // namespace qimbel
