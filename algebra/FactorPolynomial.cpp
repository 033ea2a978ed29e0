#include "algebra/FactorPolynomial.h"

#include "solver/GbkText.h"

#include <algorithm>
#include <limits>

namespace qimbel {

namespace {

// Bounds that keep every polynomial small enough to show and to factorise quickly.
constexpr int kHighestExponent = 40;
constexpr std::size_t kMostTerms = 400;
constexpr int kDeepestBrackets = 64;

const char *const kTooLarge = "数太大，超出了计算范围。";

// Checked arithmetic that also refuses the smallest value, so every coefficient can be negated.
bool Added(long long a, long long b, long long &sum)
{
    return !__builtin_add_overflow(a, b, &sum) && sum != std::numeric_limits<long long>::min();
}

bool Multiplied(long long a, long long b, long long &product)
{
    return !__builtin_mul_overflow(a, b, &product) && product != std::numeric_limits<long long>::min();
}

bool AddTerm(Poly &p, const PolyTerm &t)
{
    if (t.coefficient == 0)
        return true;
    for (std::size_t i = 0; i < p.terms.size(); ++i) {
        if (p.terms[i].exponents == t.exponents) {
            long long sum = 0;
            if (!Added(p.terms[i].coefficient, t.coefficient, sum))
                return false;
            if (sum == 0)
                p.terms.erase(p.terms.begin() + static_cast<long>(i));
            else
                p.terms[i].coefficient = sum;
            return true;
        }
    }
    if (p.terms.size() >= kMostTerms)
        return false;
    p.terms.push_back(t);
    return true;
}

// Recursive descent over the typed text; each bracket level goes one call deeper, bounded.
class Reader {
public:
    explicit Reader(const std::string &text)
        : text_(text)
    {
    }

    std::optional<Poly> Read(std::string &why)
    {
        std::optional<Poly> p = Sum(0);
        if (p && pos_ == text_.size())
            return p;
        why = why_.empty() ? "式子中有不能识别的符号。" : why_;
        return std::nullopt;
    }

private:
    bool At(const char *what) const { return text_.compare(pos_, std::char_traits<char>::length(what), what) == 0; }

    // A sign at the read position: +1, -1, or 0 when there is none (it is then not consumed).
    int Sign()
    {
        for (const char *plus : {"＋", "+"})
            if (At(plus)) {
                pos_ += std::char_traits<char>::length(plus);
                return 1;
            }
        for (const char *minus : {"－", "-"})
            if (At(minus)) {
                pos_ += std::char_traits<char>::length(minus);
                return -1;
            }
        return 0;
    }

    std::optional<Poly> Fail(const char *why)
    {
        if (why_.empty())
            why_ = why;
        return std::nullopt;
    }

    std::optional<Poly> Sum(int depth)
    {
        Poly sum;
        int sign = Sign();
        bool first = true;
        for (;;) {
            if (!first) {
                sign = Sign();
                if (sign == 0)
                    return sum;
            }
            first = false;
            std::optional<Poly> term = Product(depth);
            if (!term)
                return std::nullopt;
            if (sign < 0)
                *term = PolyNegated(*term);
            for (const PolyTerm &t : term->terms)
                if (!AddTerm(sum, t))
                    return Fail(kTooLarge);
        }
    }

    bool StartsFactor() const
    {
        if (pos_ >= text_.size())
            return false;
        const char c = text_[pos_];
        return LetterIndex(c) >= 0 || (c >= '0' && c <= '9') || c == '(' || c == '[' || c == '{';
    }

    std::optional<Poly> Product(int depth)
    {
        std::optional<Poly> product = Power(depth);
        while (product) {
            if (At("×") || At("·"))
                pos_ += 2;
            else if (At("*"))
                pos_ += 1;
            else if (!StartsFactor())
                return product;
            std::optional<Poly> next = Power(depth);
            if (!next)
                return std::nullopt;
            product = PolyProduct(*product, *next);
            if (!product)
                return Fail(kTooLarge);
        }
        return product;
    }

    std::optional<Poly> Power(int depth)
    {
        std::optional<Poly> base = Primary(depth);
        if (!base || !At("^"))
            return base;
        ++pos_;
        const bool bracket = At("(");
        if (bracket)
            ++pos_;
        int exponent = 0;
        bool digit = false;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            exponent = exponent * 10 + (text_[pos_] - '0');
            if (exponent > kHighestExponent)
                return Fail(kTooLarge);
            digit = true;
            ++pos_;
        }
        if (!digit || (bracket && !At(")")))
            return Fail("乘方的指数必须是整数。");
        if (bracket)
            ++pos_;
        Poly result = MonomialPoly(1, Exponents {});
        for (int i = 0; i < exponent; ++i) {
            std::optional<Poly> next = PolyProduct(result, *base);
            if (!next)
                return Fail(kTooLarge);
            result = *next;
        }
        return result;
    }

    std::optional<Poly> Primary(int depth)
    {
        if (pos_ >= text_.size())
            return Fail("式子不完整。");
        const char c = text_[pos_];
        if (c >= '0' && c <= '9') {
            long long value = 0;
            while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
                if (!Multiplied(value, 10, value) || !Added(value, text_[pos_] - '0', value))
                    return Fail(kTooLarge);
                ++pos_;
            }
            return MonomialPoly(value, Exponents {});
        }
        if (LetterIndex(c) >= 0) {
            Exponents e {};
            e[static_cast<std::size_t>(LetterIndex(c))] = 1;
            ++pos_;
            return MonomialPoly(1, e);
        }
        const char close = c == '(' ? ')' : c == '[' ? ']' : c == '{' ? '}' : '\0';
        if (close == '\0')
            return Fail("式子中有不能识别的符号。");
        if (depth >= kDeepestBrackets)
            return Fail("括号太多，超出了计算范围。");
        ++pos_;
        std::optional<Poly> inside = Sum(depth + 1);
        if (!inside)
            return std::nullopt;
        if (pos_ >= text_.size() || text_[pos_] != close)
            return Fail("括号不配对。");
        ++pos_;
        return inside;
    }

    const std::string &text_;
    std::size_t pos_ = 0;
    std::string why_;
};

std::string ExponentText(int letter, int exponent)
{
    std::string text(1, LetterOf(letter));
    if (exponent > 1)
        text += "^" + std::to_string(exponent);
    return text;
}

} // namespace

char LetterOf(int index) { return static_cast<char>(index < 26 ? 'a' + index : 'A' + index - 26); }

int LetterIndex(char c)
{
    if (c >= 'a' && c <= 'z')
        return c - 'a';
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 26;
    return -1;
}

std::optional<Poly> ReadPolynomial(const std::string &typed, std::string &why)
{
    std::string text = Trim(typed);
    if (Len(text) >= 2 && Right(text, 2) == "＝")
        text = Left(text, Len(text) - 2);
    if (text.empty()) {
        why = "没有找到要分解的多项式。";
        return std::nullopt;
    }
    if (Contains(text, ".") || Contains(text, "/") || Contains(text, "÷")) {
        why = "这里只分解整数系数的多项式。";
        return std::nullopt;
    }
    if (Contains(text, "＝")) {
        why = "要分解的是多项式，式子中不能有等号。";
        return std::nullopt;
    }
    Reader reader(text);
    return reader.Read(why);
}

Poly MonomialPoly(long long coefficient, const Exponents &exponents)
{
    Poly p;
    if (coefficient != 0)
        p.terms.push_back({exponents, coefficient});
    return p;
}

std::optional<Poly> PolyProduct(const Poly &a, const Poly &b)
{
    Poly product;
    for (const PolyTerm &x : a.terms)
        for (const PolyTerm &y : b.terms) {
            PolyTerm t;
            if (!Multiplied(x.coefficient, y.coefficient, t.coefficient))
                return std::nullopt;
            for (int i = 0; i < kLetterCount; ++i) {
                const int e = x.exponents[static_cast<std::size_t>(i)] + y.exponents[static_cast<std::size_t>(i)];
                if (e > kHighestExponent)
                    return std::nullopt;
                t.exponents[static_cast<std::size_t>(i)] = static_cast<unsigned char>(e);
            }
            if (!AddTerm(product, t))
                return std::nullopt;
        }
    return product;
}

std::optional<Poly> PolySum(const Poly &a, const Poly &b)
{
    Poly sum = a;
    for (const PolyTerm &t : b.terms)
        if (!AddTerm(sum, t))
            return std::nullopt;
    return sum;
}

Poly PolyNegated(const Poly &p)
{
    Poly n = p;
    for (PolyTerm &t : n.terms)
        t.coefficient = -t.coefficient; // coefficients never reach the smallest value: products are checked
    return n;
}

Poly PolySorted(Poly p)
{
    std::stable_sort(
        p.terms.begin(), p.terms.end(), [](const PolyTerm &x, const PolyTerm &y) { return x.exponents > y.exponents; });
    return p;
}

bool SamePoly(const Poly &a, const Poly &b)
{
    const Poly x = PolySorted(a);
    const Poly y = PolySorted(b);
    if (x.terms.size() != y.terms.size())
        return false;
    for (std::size_t i = 0; i < x.terms.size(); ++i)
        if (x.terms[i].exponents != y.terms[i].exponents || x.terms[i].coefficient != y.terms[i].coefficient)
            return false;
    return true;
}

int TotalDegree(const Exponents &e)
{
    int sum = 0;
    for (unsigned char x : e)
        sum += x;
    return sum;
}

int DegreeIn(const Poly &p, int letter)
{
    int degree = 0;
    for (const PolyTerm &t : p.terms)
        degree = std::max(degree, static_cast<int>(t.exponents[static_cast<std::size_t>(letter)]));
    return degree;
}

std::vector<int> LettersOf(const Poly &p)
{
    std::vector<int> letters;
    for (int i = 0; i < kLetterCount; ++i)
        if (DegreeIn(p, i) > 0)
            letters.push_back(i);
    return letters;
}

std::string CoefficientText(long long value)
{
    return value < 0 ? "－" + std::to_string(value).substr(1) : std::to_string(value);
}

std::string MonomialText(long long coefficient, const Exponents &e, bool withPlus)
{
    std::string letters;
    for (int i = 0; i < kLetterCount; ++i)
        if (e[static_cast<std::size_t>(i)] > 0)
            letters += ExponentText(i, e[static_cast<std::size_t>(i)]);
    std::string text;
    if (coefficient < 0)
        text = "－";
    else if (withPlus)
        text = "＋";
    const std::string digits = CoefficientText(coefficient < 0 ? -coefficient : coefficient);
    if (letters.empty() || digits != "1")
        text += digits;
    return text + letters;
}

std::string PolyText(const Poly &p)
{
    if (p.terms.empty())
        return "0";
    std::string text;
    for (std::size_t i = 0; i < p.terms.size(); ++i)
        text += MonomialText(p.terms[i].coefficient, p.terms[i].exponents, i > 0);
    return text;
}

std::string FactoredText(const Factored &f, int replaced, const std::string &replacement)
{
    const bool hasMonomial = TotalDegree(f.monomial) > 0;
    const bool alone = f.factors.size() == 1 && f.constant == 1 && !hasMonomial && f.factors[0].power == 1;
    std::string text;
    if (f.constant == -1)
        text = "－";
    else if (f.constant != 1 || (!hasMonomial && f.factors.empty()))
        text = CoefficientText(f.constant);
    if (hasMonomial)
        text += MonomialText(1, f.monomial);
    for (std::size_t i = 0; i < f.factors.size(); ++i) {
        const std::string inner = static_cast<int>(i) == replaced ? replacement : PolyText(f.factors[i].poly);
        if (alone)
            return inner;
        // 2[(x－1)^2－2^2]: a replacement with brackets of its own goes in the next kind.
        const bool replacedHere = static_cast<int>(i) == replaced;
        if (replacedHere && Contains(inner, "["))
            text += "{" + inner + "}";
        else if (replacedHere && Contains(inner, "("))
            text += "[" + inner + "]";
        else
            text += "(" + inner + ")";
        if (f.factors[i].power > 1)
            text += "^" + std::to_string(f.factors[i].power);
    }
    return text;
}

std::optional<Poly> Expand(const Factored &f)
{
    std::optional<Poly> product = MonomialPoly(f.constant, f.monomial);
    for (const PolyFactor &factor : f.factors)
        for (int i = 0; i < factor.power && product; ++i)
            product = PolyProduct(*product, factor.poly);
    return product;
}

void Tidy(Factored &f)
{
    std::vector<PolyFactor> kept;
    for (PolyFactor &factor : f.factors) {
        if (!factor.poly.terms.empty() && factor.poly.terms[0].coefficient < 0) {
            factor.poly = PolyNegated(factor.poly);
            if (factor.power % 2 == 1)
                f.constant = -f.constant;
        }
        if (factor.poly.terms.size() == 1) {
            const PolyTerm &t = factor.poly.terms[0];
            long long constant = f.constant;
            Exponents monomial = f.monomial;
            bool fits = true;
            for (int i = 0; i < factor.power && fits; ++i) {
                fits = Multiplied(constant, t.coefficient, constant);
                for (std::size_t k = 0; k < monomial.size() && fits; ++k) {
                    const int e = monomial[k] + t.exponents[k];
                    fits = e <= kHighestExponent;
                    monomial[k] = static_cast<unsigned char>(e);
                }
            }
            if (fits) {
                f.constant = constant;
                f.monomial = monomial;
                continue;
            }
        }
        bool merged = false;
        for (PolyFactor &earlier : kept)
            if (!merged && SamePoly(earlier.poly, factor.poly) && earlier.power + factor.power <= kHighestExponent) {
                earlier.power += factor.power; // (x＋1)(x＋1) is written (x＋1)^2
                merged = true;
            }
        if (!merged)
            kept.push_back(factor);
    }
    f.factors = kept;
}

} // namespace qimbel
