// 二次根式四则运算: an expression of numbers and square roots worked exactly, as the teacher
// writes it: first every root in simplest form (化成最简二次根式: √12＝2√3, √(1/2)＝√2/2), then each
// product, quotient and power of the sum (二次根式相乘, 相除, 分母有理化, 完全平方公式, 平方差公式,
// 乘法分配律), then 合并同类二次根式. Values are held in SurdValue, so nothing is rounded.
#include "algebra/SurdValue.h"
#include "algebra/WorkedSteps.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <memory>
#include <optional>
#include <vector>

namespace qimbel {

namespace {

const std::string kRoot = "√";

struct Node {
    enum Kind { Number, Root, Sum, Product, Power, Bracket, Value } kind = Number;
    std::string text; // a number as typed
    QValue number;
    std::vector<Node> kids;
    std::vector<char> ops; // Sum: '+' or '-' for every kid; Product: '*', '/' (÷), 'f' (a typed
                           // "/") or 'i' (written without a sign) for every kid after the first
    int exponent = 2;
    Surd value; // Value: a worked part
};

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
    bool Take(const std::string &what)
    {
        if (Mid(text_, at_, Len(what)) != what)
            return false;
        at_ += Len(what);
        return true;
    }
    bool Sees(const std::string &what) const { return Mid(text_, at_, Len(what)) == what; }
    bool SeesDigit() const { return at_ < Len(text_) && text_[at_] >= '0' && text_[at_] <= '9'; }

    std::optional<Node> Expression()
    {
        if (++depth_ > kDeepestBrackets * 2)
            return std::nullopt;
        Node sum;
        sum.kind = Node::Sum;
        char sign = '+';
        if (Take("－") || Take("-"))
            sign = '-';
        else if (Take("＋") || Take("+"))
            sign = '+';
        for (;;) {
            std::optional<Node> term = Term();
            if (!term)
                return std::nullopt;
            sum.kids.push_back(std::move(*term));
            sum.ops.push_back(sign);
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
            Node bracket;
            bracket.kind = Node::Bracket;
            bracket.kids.push_back(std::move(*inside));
            return bracket;
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

// A worked value written inside a larger expression: brackets where its text would not read as
// one factor.
std::string ValueText(const Surd &value, bool inFactor, bool first)
{
    const std::string text = SurdText(value);
    const bool several = value.terms.size() > 1;
    const bool negative = !value.terms.empty() && Negative(value.terms[0].coefficient);
    if ((inFactor && (several || negative || Contains(text, "/"))) || (!first && negative && !several))
        return "(" + text + ")";
    return text;
}

std::string Print(const Node &node, bool inFactor = false, bool first = true)
{
    switch (node.kind) {
    case Node::Number:
        return node.text;
    case Node::Value:
        return ValueText(node.value, inFactor, first);
    case Node::Bracket:
        return "(" + Print(node.kids[0]) + ")";
    case Node::Root: {
        return kRoot + Print(node.kids[0], true);
    }
    case Node::Power:
        return Print(node.kids[0], true) + "^" + IntText(node.exponent);
    case Node::Sum: {
        std::string text;
        for (std::size_t k = 0; k < node.kids.size(); ++k) {
            if (k > 0 || node.ops[k] == '-')
                text += node.ops[k] == '-' ? "－" : "＋";
            text += Print(node.kids[k], false, k == 0 && node.ops[k] == '+');
        }
        return text;
    }
    case Node::Product: {
        std::string text = Print(node.kids[0], true);
        for (std::size_t k = 1; k < node.kids.size(); ++k) {
            const char op = node.ops[k - 1];
            text += op == '*' ? "×" : op == '/' ? "÷" : op == 'f' ? "/" : "";
            text += Print(node.kids[k], true);
        }
        return text;
    }
    }
    return {};
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

// Step 1: every root that is not in simplest form replaced by its simplest form.
bool Simplest(Node &node, std::vector<std::string> &said)
{
    if (node.kind == Node::Root) {
        const std::optional<Surd> value = Evaluate(node);
        if (!value)
            return false;
        const bool already = node.kids[0].kind == Node::Number && IsWhole(node.kids[0].number)
            && value->terms.size() == 1 && Same(value->terms[0].coefficient, MakeQ(1));
        if (!already) {
            said.push_back(Print(node) + "＝" + SurdText(*value));
            node = Node {Node::Value, {}, {}, {}, {}, 2, *value};
        }
        return true;
    }
    for (Node &kid : node.kids)
        if (!Simplest(kid, said))
            return false;
    return true;
}

bool IsSumInBrackets(const Node &node) { return node.kind == Node::Bracket && node.kids[0].kind == Node::Sum; }

// The words for working one term of the sum.
std::string HowWorked(const Node &term)
{
    if (term.kind == Node::Power && IsSumInBrackets(term.kids[0]) && term.exponent == 2)
        return "完全平方公式";
    if (term.kind == Node::Product) {
        bool divideByRoot = false;
        bool sums = false;
        std::size_t lastDivision = 0;
        for (std::size_t k = 0; k < term.kids.size(); ++k) {
            if (k > 0 && (term.ops[k - 1] == '/' || term.ops[k - 1] == 'f') && HasRoot(term.kids[k])) {
                divideByRoot = true;
                lastDivision = k;
            }
            sums = sums || IsSumInBrackets(term.kids[k]);
        }
        if (divideByRoot) {
            const std::optional<Surd> d = Evaluate(term.kids[lastDivision]);
            if (d && d->terms.size() == 2)
                return "分母有理化：分子、分母都乘" + SurdText(SurdConjugate(*d));
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
        if (term.kids.size() == 2 && IsSumInBrackets(term.kids[0]) && IsSumInBrackets(term.kids[1])) {
            // (a＋b)(a－b): the same two terms, one of them with the other sign.
            const std::optional<Surd> a = Evaluate(term.kids[0]);
            const std::optional<Surd> b = Evaluate(term.kids[1]);
            if (a && b && a->terms.size() == 2 && b->terms.size() == 2) {
                const SurdTerm &a0 = a->terms[0], &a1 = a->terms[1], &b0 = b->terms[0], &b1 = b->terms[1];
                const bool sameRoots = a0.radicand == b0.radicand && a1.radicand == b1.radicand;
                const bool oneFlips = (Same(a0.coefficient, b0.coefficient) && Same(a1.coefficient, -b1.coefficient))
                    || (Same(a0.coefficient, -b0.coefficient) && Same(a1.coefficient, b1.coefficient));
                if (sameRoots && oneFlips)
                    return "平方差公式";
            }
            return "多项式乘法";
        }
        if (sums)
            return "乘法分配律";
        bool divides = false;
        for (char op : term.ops)
            divides = divides || op == '/' || op == 'f';
        return divides ? "二次根式相除" : "二次根式相乘";
    }
    return "计算";
}

} // namespace

std::string Solver::GenShiSiZeYunSuan(std::string expression, int level)
{
    if (level < 1 || level > 5)
        level = 1;
    expression = Trim(expression);
    if (std::string sentence = ExpressionTooLarge(expression); !sentence.empty())
        return sentence;
    std::optional<Node> tree = Parser(expression).Whole();
    if (!tree)
        return "请写出只含数、√、括号和＋－×÷^的算式，例如：√12＋√27、(√3＋√2)^2、1÷(√3－√2)";
    const std::optional<Surd> answer = Evaluate(*tree);
    if (!answer) {
        // Which part fails: a root of a negative number, a root of a root, 0 as divisor, or size.
        return "无法计算：根号里要是不小于0的数，除数不能为0，数也不能太大。";
    }

    std::vector<WorkedStep> steps;
    const auto add = [&](const std::string &text, const std::string &description) {
        if (steps.empty() ? text != expression : text != steps.back().expression)
            steps.push_back(WorkedStep {text, description});
    };

    Node node = *tree;
    std::vector<std::string> said;
    Simplest(node, said);
    if (!said.empty()) {
        std::string list;
        for (std::size_t k = 0; k < said.size(); ++k)
            list += (k == 0 ? "" : "，") + said[k];
        add(Print(node), "化成最简二次根式：" + list);
    }

    // Each term of the sum that still holds work, one step each.
    Node sum = node;
    if (sum.kind != Node::Sum) {
        Node wrap;
        wrap.kind = Node::Sum;
        wrap.kids.push_back(sum);
        wrap.ops.push_back('+');
        sum = wrap;
    }
    for (std::size_t k = 0; k < sum.kids.size(); ++k) {
        Node &term = sum.kids[k];
        if (term.kind == Node::Number || term.kind == Node::Value || term.kind == Node::Root)
            continue;
        const std::optional<Surd> value = Evaluate(term);
        if (!value)
            return "无法计算：根号里要是不小于0的数，除数不能为0，数也不能太大。";
        const std::string before = Print(term, false);
        const std::string how = HowWorked(term);
        term = Node {Node::Value, {}, {}, {}, {}, 2, *value};
        Node shown = sum;
        const std::string text = sum.kids.size() == 1 && sum.ops[0] == '+' ? SurdText(*value) : Print(shown);
        add(text, how + "，" + before + "＝" + SurdText(*value));
    }
    const std::string final = SurdText(*answer);
    if (steps.empty() || steps.back().expression != final) {
        // Each term valued once: a line of many roots stays quick.
        std::vector<std::optional<Surd>> values;
        for (const Node &kid : sum.kids)
            values.push_back(Evaluate(kid));
        bool like = false;
        for (std::size_t i = 0; i < values.size(); ++i)
            for (std::size_t j = i + 1; j < values.size(); ++j)
                if (values[i] && values[j])
                    for (const SurdTerm &x : values[i]->terms)
                        for (const SurdTerm &y : values[j]->terms)
                            like = like || (x.radicand == y.radicand && x.radicand != 1);
        add(final, like ? "合并同类二次根式" : "计算");
    }

    if (level == 1)
        return final;
    return WrittenSteps(expression, steps, level);
}

} // namespace qimbel
