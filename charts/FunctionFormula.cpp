#include "charts/FunctionFormula.h"

#include "numbers/ExactRoot.h"
#include "solver/GbkText.h"
#include "solver/InputLimits.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace qimbel {

namespace {

struct Token {
    enum class Kind { Number, X, Plus, Minus, Times, Divide, Power, Open, Close, Root, Bar, End };
    Kind kind = Kind::End;
    int at = 0; // 1-based character index in the typed line
    std::string shown; // the character as typed
    char bracket = 0; // '(' '[' '{' or ')' ']' '}'
    Rational number;
    double value = 0;
};

Token Make(Token::Kind kind, int at, const std::string &shown)
{
    Token t;
    t.kind = kind;
    t.at = at;
    t.shown = shown;
    return t;
}

std::string At(int index, const std::string &shown) { return "第" + IntText(index) + "个字符“" + shown + "”"; }

// The two-byte signs that mean the same as an ASCII one.
char AsciiOf(const std::string &wide)
{
    static const std::array<std::pair<const char *, char>, 19> signs {{{"＋", '+'}, {"－", '-'}, {"×", '*'}, {"·", '*'},
        {"＊", '*'}, {"÷", '/'}, {"／", '/'}, {"＝", '='}, {"（", '('}, {"）", ')'}, {"［", '['}, {"］", ']'},
        {"｛", '{'}, {"｝", '}'}, {"｜", '|'}, {"＾", '^'}, {"．", '.'}, {"ｘ", 'x'}, {"—", '-'}}};
    for (const auto &[sign, ascii] : signs)
        if (wide == sign)
            return ascii;
    const unsigned char lead = static_cast<unsigned char>(wide[0]);
    const unsigned char trail = static_cast<unsigned char>(wide[1]);
    if (lead == 0xA3 && trail >= 0xB0 && trail <= 0xB9)
        return static_cast<char>('0' + (trail - 0xB0)); // full-width digits
    return 0;
}

class Reader {
public:
    explicit Reader(std::vector<FormulaStep> &steps)
        : steps_(steps)
    {
    }

    // The characters of the line: (character, index, shown).
    bool Tokenise(const std::string &line, int firstIndex, std::string &error);
    bool Parse(std::string &error);

private:
    bool Fail(std::string &error, const std::string &why)
    {
        if (error.empty())
            error = why;
        return false;
    }
    const Token &Next() const { return tokens_[pos_]; }
    bool StartsOperand(const Token &t) const
    {
        return t.kind == Token::Kind::Number || t.kind == Token::Kind::X || t.kind == Token::Kind::Open
            || t.kind == Token::Kind::Root || (t.kind == Token::Kind::Bar && bars_ == 0);
    }
    void Emit(FormulaStep::Code code) { steps_.push_back(FormulaStep {code, {}, 0}); }
    bool Sum(std::string &error);
    bool Product(std::string &error);
    bool Signed(std::string &error);
    bool Power(std::string &error);
    bool Operand(std::string &error);
    // The operand after `op` is missing: the reason.
    std::string Missing(const Token &op) const
    {
        if (op.kind == Token::Kind::End)
            return "缺少数或x。";
        return At(op.at, op.shown) + "后面缺少数或x。";
    }

    std::vector<FormulaStep> &steps_;
    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
    int bars_ = 0; // open absolute-value bars
    int depth_ = 0; // open brackets and bars
};

bool Reader::Tokenise(const std::string &line, int firstIndex, std::string &error)
{
    int index = firstIndex - 1;
    for (std::size_t i = 0; i < line.size();) {
        ++index;
        std::string shown(1, line[i]);
        char c = line[i];
        if (IsGbkLead(static_cast<unsigned char>(c)) && i + 1 < line.size()) {
            shown = line.substr(i, 2);
            c = AsciiOf(shown);
            if (shown == "√") {
                tokens_.push_back(Make(Token::Kind::Root, index, shown));
                i += 2;
                continue;
            }
            if (c == 0 && shown == "　") {
                i += 2;
                continue;
            }
            if (c == 0)
                return Fail(error, At(index, shown) + "不认识：函数里只能有数、x、＋－×÷、^、√、| |和括号。");
        }
        const std::size_t width = shown.size();
        if (IsBlank(c)) {
            i += width;
            continue;
        }
        if ((c >= '0' && c <= '9') || c == '.') {
            // A number: its digits, one point at most.
            std::string digits;
            int decimals = -1;
            const int start = index;
            std::size_t j = i;
            int k = index - 1;
            while (j < line.size()) {
                std::string one(1, line[j]);
                char d = line[j];
                if (IsGbkLead(static_cast<unsigned char>(d)) && j + 1 < line.size()) {
                    one = line.substr(j, 2);
                    d = AsciiOf(one);
                }
                if (d == '.') {
                    if (decimals >= 0)
                        return Fail(error, At(k + 1, one) + "：一个数里只能有一个小数点。");
                    decimals = 0;
                } else if (d >= '0' && d <= '9') {
                    digits += d;
                    if (decimals >= 0)
                        ++decimals;
                } else {
                    break;
                }
                ++k;
                j += one.size();
            }
            if (digits.empty() || decimals == 0)
                return Fail(error, At(k, ".") + "：小数点的两边要有数字。");
            if (digits.size() > 30)
                return Fail(error, At(start, shown) + "起的数太长。");
            Whole n = 0;
            for (char d : digits)
                n = n * 10 + (d - '0');
            Whole den = 1;
            for (int p = 0; p < decimals; ++p)
                den *= 10;
            Token t = Make(Token::Kind::Number, start, shown);
            t.number = *MakeRational(n, den);
            t.value = static_cast<double>(n) / static_cast<double>(den);
            tokens_.push_back(t);
            index = k;
            i = j;
            continue;
        }
        if ((c == 's' || c == 'S') && i + 4 <= line.size()) {
            std::string word = line.substr(i, 4);
            for (char &w : word)
                w = static_cast<char>(w | 0x20);
            if (word == "sqrt") {
                tokens_.push_back(Make(Token::Kind::Root, index, "sqrt"));
                i += 4;
                index += 3;
                std::size_t j = i;
                while (j < line.size() && IsBlank(line[j]))
                    ++j;
                if (j >= line.size() || (line[j] != '(' && line.compare(j, 2, "（") != 0))
                    return Fail(error, At(index, "t") + "：sqrt后面要有括号，如sqrt(x)。");
                continue;
            }
        }
        Token t = Make(Token::Kind::End, index, shown);
        switch (c) {
        case 'x':
        case 'X':
            t.kind = Token::Kind::X;
            break;
        case '+':
            t.kind = Token::Kind::Plus;
            break;
        case '-':
            t.kind = Token::Kind::Minus;
            break;
        case '*':
            t.kind = Token::Kind::Times;
            break;
        case '/':
        case ':':
            t.kind = Token::Kind::Divide;
            break;
        case '^':
            t.kind = Token::Kind::Power;
            break;
        case '(':
        case '[':
        case '{':
            t.kind = Token::Kind::Open;
            t.bracket = c;
            break;
        case ')':
        case ']':
        case '}':
            t.kind = Token::Kind::Close;
            t.bracket = c;
            break;
        case '|':
            t.kind = Token::Kind::Bar;
            break;
        case '=':
            return Fail(error, At(index, shown) + "：一个函数里只能有一个等号。");
        default:
            if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
                return Fail(error, At(index, shown) + "：函数里只能用字母x。");
            return Fail(error, At(index, shown) + "不认识：函数里只能有数、x、＋－×÷、^、√、| |和括号。");
        }
        tokens_.push_back(t);
        i += width;
    }
    Token end;
    end.at = index + 1;
    tokens_.push_back(end);
    return true;
}

bool Reader::Parse(std::string &error)
{
    if (!Sum(error))
        return false;
    const Token &t = Next();
    if (t.kind == Token::Kind::Close)
        return Fail(error, At(t.at, t.shown) + "前面没有与它配对的左括号。");
    if (t.kind == Token::Kind::Bar)
        return Fail(error, At(t.at, t.shown) + "前面缺少数或x。");
    if (t.kind != Token::Kind::End)
        return Fail(error, At(t.at, t.shown) + "的位置不对。");
    return true;
}

bool Reader::Sum(std::string &error)
{
    if (!Product(error))
        return false;
    while (Next().kind == Token::Kind::Plus || Next().kind == Token::Kind::Minus) {
        const Token op = Next();
        ++pos_;
        if (!Product(error))
            return false;
        Emit(op.kind == Token::Kind::Plus ? FormulaStep::Code::Add : FormulaStep::Code::Subtract);
    }
    return true;
}

bool Reader::Product(std::string &error)
{
    if (!Signed(error))
        return false;
    for (;;) {
        const Token op = Next();
        if (op.kind == Token::Kind::Times || op.kind == Token::Kind::Divide) {
            ++pos_;
            // 2×－3: a sign right after × or ÷ belongs to the number behind it.
            if (!Signed(error))
                return false;
            Emit(op.kind == Token::Kind::Times ? FormulaStep::Code::Multiply : FormulaStep::Code::Divide);
        } else if (StartsOperand(op)) {
            if (!Power(error))
                return false;
            Emit(FormulaStep::Code::Multiply);
        } else {
            return true;
        }
    }
}

bool Reader::Signed(std::string &error)
{
    const Token op = Next();
    if (op.kind == Token::Kind::Plus || op.kind == Token::Kind::Minus) {
        ++pos_;
        const Token after = Next();
        if (after.kind == Token::Kind::Plus || after.kind == Token::Kind::Minus || !StartsOperand(after))
            return Fail(error, Missing(op));
        if (!Signed(error))
            return false;
        if (op.kind == Token::Kind::Minus)
            Emit(FormulaStep::Code::Negate);
        return true;
    }
    return Power(error);
}

bool Reader::Power(std::string &error)
{
    if (!Operand(error))
        return false;
    if (Next().kind == Token::Kind::Power) {
        const Token op = Next();
        ++pos_;
        const Token after = Next();
        if (after.kind != Token::Kind::Plus && after.kind != Token::Kind::Minus && !StartsOperand(after))
            return Fail(error, Missing(op));
        if (!Signed(error))
            return false;
        Emit(FormulaStep::Code::Power);
    }
    return true;
}

bool Reader::Operand(std::string &error)
{
    const Token t = Next();
    switch (t.kind) {
    case Token::Kind::Number: {
        ++pos_;
        FormulaStep step {FormulaStep::Code::Number, t.number, t.value};
        steps_.push_back(step);
        return true;
    }
    case Token::Kind::X:
        ++pos_;
        Emit(FormulaStep::Code::X);
        return true;
    case Token::Kind::Root: {
        ++pos_;
        const Token after = Next();
        if (after.kind != Token::Kind::Plus && after.kind != Token::Kind::Minus && !StartsOperand(after))
            return Fail(error, Missing(t));
        if (!Signed(error))
            return false;
        Emit(FormulaStep::Code::Root);
        return true;
    }
    case Token::Kind::Open:
    case Token::Kind::Bar: {
        ++pos_;
        if (++depth_ > kDeepestBrackets)
            return Fail(error, At(t.at, t.shown) + "：括号层数太多。");
        const bool bar = t.kind == Token::Kind::Bar;
        bars_ += bar ? 1 : 0;
        const int outerBars = bars_;
        if (!bar)
            bars_ = 0; // a bar inside brackets opens a new absolute value
        if (!StartsOperand(Next()) && Next().kind != Token::Kind::Plus && Next().kind != Token::Kind::Minus)
            return Fail(error, Missing(t));
        if (!Sum(error))
            return false;
        const Token close = Next();
        if (bar) {
            if (close.kind != Token::Kind::Bar)
                return Fail(error, At(t.at, t.shown) + "的绝对值符号没有配对的“|”。");
            Emit(FormulaStep::Code::Absolute);
        } else {
            if (close.kind == Token::Kind::End)
                return Fail(error, At(t.at, t.shown) + "的括号没有配对的右括号。");
            if (close.kind != Token::Kind::Close)
                return Fail(error, At(close.at, close.shown) + "的位置不对。");
            const char wanted = t.bracket == '(' ? ')' : t.bracket == '[' ? ']' : '}';
            if (close.bracket != wanted)
                return Fail(error, At(close.at, close.shown) + "与" + At(t.at, t.shown) + "不配对。");
        }
        ++pos_;
        bars_ = bar ? outerBars - 1 : outerBars;
        --depth_;
        return true;
    }
    case Token::Kind::End:
        return Fail(error, pos_ == 0 ? "请输入函数，例如 y＝2x＋1。" : Missing(tokens_[pos_ - 1]));
    case Token::Kind::Close:
        if (pos_ > 0 && tokens_[pos_ - 1].kind != Token::Kind::Open)
            return Fail(error, Missing(tokens_[pos_ - 1]));
        return Fail(error, At(t.at, t.shown) + "前面缺少数或x。");
    default:
        if (pos_ > 0 && tokens_[pos_ - 1].kind != Token::Kind::Open && tokens_[pos_ - 1].kind != Token::Kind::Bar)
            return Fail(error, Missing(tokens_[pos_ - 1]));
        return Fail(error, At(t.at, t.shown) + "前面缺少数或x。");
    }
}

// The left side of "y＝…" or "f(x)＝…".
bool IsFunctionName(const std::string &left)
{
    std::string name;
    for (char c : left)
        if (!IsBlank(c))
            name += c;
    for (const char *n : {"y", "Y", "f(x)", "F(x)", "g(x)", "h(x)", "y(x)", "f（x）", "F（x）", "g（x）", "h（x）"})
        if (name == n)
            return true;
    return false;
}

bool IsInteger(const Rational &r) { return r.denominator == 1; }

std::optional<Rational> ExactPower(const Rational &base, const Rational &exponent)
{
    if (!IsInteger(exponent) || exponent.numerator > 64 || exponent.numerator < -64)
        return std::nullopt;
    Rational result {1, 1};
    const int n = static_cast<int>(exponent.numerator < 0 ? -exponent.numerator : exponent.numerator);
    for (int k = 0; k < n; ++k) {
        const std::optional<Rational> next = RationalProduct(result, base);
        if (!next)
            return std::nullopt;
        result = *next;
    }
    if (exponent.numerator < 0)
        return RationalQuotient(Rational {1, 1}, result);
    return result;
}

} // namespace

std::optional<Rational> ExactSquareRoot(const Rational &value)
{
    if (value.numerator < 0)
        return std::nullopt;
    const std::optional<numbers::Fraction> root = numbers::RationalRoot(
        static_cast<numbers::Wide>(value.numerator), static_cast<numbers::Wide>(value.denominator), 2);
    if (!root)
        return std::nullopt;
    return MakeRational(static_cast<Whole>(root->numerator), static_cast<Whole>(root->denominator));
}

FunctionFormula ReadFunction(const std::string &typed)
{
    FunctionFormula formula;
    std::string line = Trim(typed);
    if (line.empty()) {
        formula.error_ = "请输入函数，例如 y＝2x＋1。";
        return formula;
    }
    if (Len(line) > kLongestFunctionLine) {
        formula.error_ = "函数太长：一行最多可以有" + IntText(kLongestFunctionLine) + "个字符。";
        return formula;
    }
    // "y＝" or "f(x)＝" in front: the function is what stands right of the sign.
    int firstIndex = 1;
    int equals = Find(line, "＝");
    const int ascii = Find(line, "=");
    if (equals < 0 || (ascii >= 0 && ascii < equals))
        equals = ascii;
    // Characters are counted in the line as typed: the blanks trimmed off in front count too.
    int index = 0;
    while (index < Len(typed) && IsBlank(typed[static_cast<std::size_t>(index)]))
        ++index;
    if (equals >= 0) {
        const std::string left = Left(line, equals);
        if (!IsFunctionName(left)) {
            formula.error_ = "等号左边只能是y或f(x)，如 y＝2x＋1。";
            return formula;
        }
        const int width = line[equals] == '=' ? 1 : 2;
        for (int i = 0; i < equals + width; i += IsGbkLead(static_cast<unsigned char>(line[i])) ? 2 : 1)
            ++index;
        line = Mid(line, equals + width);
    }
    firstIndex = index + 1;
    // Blanks go, but two numbers that only blanks separate are no product: 12 18 is refused, as
    // the problem pages refuse it, never drawn as y＝1218 or y＝216.
    const auto digit = [](char c) { return (c >= '0' && c <= '9') || c == '.'; };
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (!IsBlank(line[i]) || i == 0 || !digit(line[i - 1]))
            continue;
        std::size_t next = i;
        while (next < line.size() && IsBlank(line[next]))
            ++next;
        if (next < line.size() && digit(line[next])) {
            formula.error_ = "两个数之间只有空格：请写出运算符号，如 12×18。";
            return formula;
        }
    }
    for (char c : line)
        if (!IsBlank(c))
            formula.typed_ += c;
    if (formula.typed_.empty()) {
        formula.error_ = "等号右边缺少函数，如 y＝2x＋1。";
        return formula;
    }

    std::vector<FormulaStep> steps;
    Reader reader(steps);
    std::string error;
    if (!reader.Tokenise(line, firstIndex, error) || !reader.Parse(error)) {
        formula.error_ = error;
        return formula;
    }
    int size = 0;
    for (const FormulaStep &step : steps) {
        switch (step.code) {
        case FormulaStep::Code::Number:
        case FormulaStep::Code::X:
            ++size;
            break;
        case FormulaStep::Code::Negate:
        case FormulaStep::Code::Root:
        case FormulaStep::Code::Absolute:
            break;
        default:
            --size;
        }
        formula.depth_ = std::max(formula.depth_, size);
    }
    formula.steps_ = std::move(steps);
    return formula;
}

double FunctionFormula::Value(double x) const
{
    if (!Ok())
        return std::nan("");
    // Lines are at most 256 bytes, so the stack never holds more than 256 values.
    std::array<double, kLongestFunctionLine + 1> stack;
    int top = -1;
    for (const FormulaStep &step : steps_) {
        switch (step.code) {
        case FormulaStep::Code::Number:
            stack[++top] = step.value;
            continue;
        case FormulaStep::Code::X:
            stack[++top] = x;
            continue;
        case FormulaStep::Code::Negate:
            stack[top] = -stack[top];
            continue;
        case FormulaStep::Code::Root:
            stack[top] = stack[top] < 0 ? std::nan("") : std::sqrt(stack[top]);
            continue;
        case FormulaStep::Code::Absolute:
            stack[top] = std::fabs(stack[top]);
            continue;
        default:
            break;
        }
        const double b = stack[top--];
        double &a = stack[top];
        switch (step.code) {
        case FormulaStep::Code::Add:
            a += b;
            break;
        case FormulaStep::Code::Subtract:
            a -= b;
            break;
        case FormulaStep::Code::Multiply:
            a *= b;
            break;
        case FormulaStep::Code::Divide:
            a = b == 0 ? std::nan("") : a / b;
            break;
        default:
            a = std::pow(a, b);
            break;
        }
    }
    const double y = top == 0 ? stack[0] : std::nan("");
    return std::isfinite(y) ? y : std::nan("");
}

std::optional<Rational> FunctionFormula::ExactValue(const Rational &x) const
{
    if (!Ok())
        return std::nullopt;
    std::vector<Rational> stack;
    stack.reserve(static_cast<std::size_t>(depth_) + 1);
    for (const FormulaStep &step : steps_) {
        std::optional<Rational> result;
        switch (step.code) {
        case FormulaStep::Code::Number:
            stack.push_back(step.number);
            continue;
        case FormulaStep::Code::X:
            stack.push_back(x);
            continue;
        case FormulaStep::Code::Negate:
            stack.back().numerator = -stack.back().numerator;
            continue;
        case FormulaStep::Code::Root:
            result = ExactSquareRoot(stack.back());
            if (!result)
                return std::nullopt;
            stack.back() = *result;
            continue;
        case FormulaStep::Code::Absolute:
            if (stack.back().numerator < 0)
                stack.back().numerator = -stack.back().numerator;
            continue;
        default:
            break;
        }
        const Rational b = stack.back();
        stack.pop_back();
        const Rational a = stack.back();
        switch (step.code) {
        case FormulaStep::Code::Add:
            result = RationalSum(a, b);
            break;
        case FormulaStep::Code::Subtract:
            result = RationalSum(a, Rational {-b.numerator, b.denominator});
            break;
        case FormulaStep::Code::Multiply:
            result = RationalProduct(a, b);
            break;
        case FormulaStep::Code::Divide:
            result = RationalQuotient(a, b);
            break;
        default:
            result = ExactPower(a, b);
            break;
        }
        if (!result)
            return std::nullopt;
        stack.back() = *result;
    }
    if (stack.size() != 1)
        return std::nullopt;
    return stack[0];
}

} // namespace qimbel
