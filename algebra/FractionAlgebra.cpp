#include "algebra/FractionAlgebra.h"

#include <algorithm>
#include <set>

namespace qimbel::fractions {

Rational Plus(const Rational &a, const Rational &b)
{
    const std::optional<Rational> r = RationalSum(a, b);
    if (!r)
        throw TooLarge {};
    return *r;
}

Rational Times(const Rational &a, const Rational &b)
{
    const std::optional<Rational> r = RationalProduct(a, b);
    if (!r)
        throw TooLarge {};
    return *r;
}

Rational Over(const Rational &a, const Rational &b)
{
    const std::optional<Rational> r = RationalQuotient(a, b);
    if (!r)
        throw TooLarge {};
    return *r;
}

Rational Negated(const Rational &a) { return Times(a, Rational {-1, 1}); }

namespace {

bool IsZeroValue(const Rational &r) { return r.numerator == 0; }

void AddTerm(Poly &p, const Monomial &m, const Rational &c)
{
    auto it = p.find(m);
    if (it == p.end()) {
        if (!IsZeroValue(c))
            p.emplace(m, c);
        return;
    }
    it->second = Plus(it->second, c);
    if (IsZeroValue(it->second))
        p.erase(it);
}

int TotalDegree(const Monomial &m)
{
    int d = 0;
    for (const auto &[letter, power] : m)
        d += power;
    return d;
}

// The written order: higher total degree first, then the earlier letter with the higher power.
bool WrittenBefore(const Monomial &a, const Monomial &b)
{
    const int da = TotalDegree(a);
    const int db = TotalDegree(b);
    if (da != db)
        return da > db;
    auto ia = a.begin();
    auto ib = b.begin();
    while (ia != a.end() && ib != b.end()) {
        if (ia->first != ib->first)
            return ia->first < ib->first;
        if (ia->second != ib->second)
            return ia->second > ib->second;
        ++ia;
        ++ib;
    }
    return ia != a.end() && ib == b.end();
}

std::vector<Monomial> WrittenOrder(const Poly &p)
{
    std::vector<Monomial> order;
    for (const auto &[m, c] : p)
        order.push_back(m);
    std::sort(order.begin(), order.end(), WrittenBefore);
    return order;
}

Monomial Leading(const Poly &p) { return WrittenOrder(p).front(); }

std::set<char> LettersOf(const Poly &p)
{
    std::set<char> letters;
    for (const auto &[m, c] : p)
        for (const auto &[letter, power] : m)
            letters.insert(letter);
    return letters;
}

// The coefficients of p as a polynomial in `letter`: exponent → polynomial in the other letters.
std::map<int, Poly> CoefficientsIn(const Poly &p, char letter)
{
    std::map<int, Poly> result;
    for (const auto &[m, c] : p) {
        Monomial rest = m;
        int power = 0;
        auto it = rest.find(letter);
        if (it != rest.end()) {
            power = it->second;
            rest.erase(it);
        }
        AddTerm(result[power], rest, c);
    }
    return result;
}

Poly PowerOf(char letter, int power)
{
    Poly p;
    Monomial m;
    if (power > 0)
        m[letter] = power;
    p.emplace(m, Rational {1, 1});
    return p;
}

Poly GcdIn(const Poly &a, const Poly &b);

// The greatest common divisor of the coefficients of p in `letter`.
Poly ContentIn(const Poly &p, char letter)
{
    Poly g;
    for (const auto &[power, coefficient] : CoefficientsIn(p, letter))
        g = GcdIn(g, coefficient);
    return g;
}

Poly PrimitiveIn(const Poly &p, char letter)
{
    const std::optional<Poly> q = ExactQuotient(p, ContentIn(p, letter));
    return q ? *q : p;
}

// lc(b)^k · a reduced modulo b as polynomials in `letter`.
Poly PseudoRemainder(Poly r, const Poly &b, char letter)
{
    const int db = DegreeIn(b, letter);
    const Poly lb = CoefficientsIn(b, letter)[db];
    for (int guard = 0; !r.empty() && DegreeIn(r, letter) >= db && guard < 64; ++guard) {
        const int dr = DegreeIn(r, letter);
        const Poly lr = CoefficientsIn(r, letter)[dr];
        r = Difference(Product(lb, r), Product(Product(lr, PowerOf(letter, dr - db)), b));
    }
    return r;
}

Poly GcdIn(const Poly &a, const Poly &b)
{
    if (a.empty())
        return Normalised(b);
    if (b.empty())
        return Normalised(a);
    std::set<char> letters = LettersOf(a);
    for (char c : LettersOf(b))
        letters.insert(c);
    if (letters.empty())
        return Constant(Rational {1, 1});
    const char x = *letters.begin();
    const Poly common = GcdIn(ContentIn(a, x), ContentIn(b, x));
    Poly pa = PrimitiveIn(a, x);
    Poly pb = PrimitiveIn(b, x);
    if (DegreeIn(pa, x) < DegreeIn(pb, x))
        std::swap(pa, pb);
    for (int guard = 0; !pb.empty() && guard < 64; ++guard) {
        if (DegreeIn(pb, x) == 0) {
            pa = Constant(Rational {1, 1});
            break;
        }
        const Poly r = PseudoRemainder(pa, pb, x);
        pa = pb;
        pb = r.empty() ? Poly {} : PrimitiveIn(r, x);
    }
    return Normalised(Product(common, Normalised(pa)));
}

} // namespace

Poly Constant(const Rational &value)
{
    Poly p;
    AddTerm(p, {}, value);
    return p;
}

Poly LetterPoly(char letter) { return PowerOf(letter, 1); }

Poly Sum(const Poly &a, const Poly &b)
{
    Poly r = a;
    for (const auto &[m, c] : b)
        AddTerm(r, m, c);
    return r;
}

Poly Scaled(const Poly &a, const Rational &factor)
{
    Poly r;
    for (const auto &[m, c] : a)
        AddTerm(r, m, Times(c, factor));
    return r;
}

Poly Difference(const Poly &a, const Poly &b) { return Sum(a, Scaled(b, Rational {-1, 1})); }

Poly Product(const Poly &a, const Poly &b)
{
    Poly r;
    for (const auto &[ma, ca] : a)
        for (const auto &[mb, cb] : b) {
            Monomial m = ma;
            for (const auto &[letter, power] : mb) {
                m[letter] += power;
                if (m[letter] > 64)
                    throw TooLarge {};
            }
            AddTerm(r, m, Times(ca, cb));
        }
    return r;
}

bool SamePoly(const Poly &a, const Poly &b) { return Difference(a, b).empty(); }

bool IsConstant(const Poly &p) { return p.empty() || (p.size() == 1 && p.begin()->first.empty()); }

Rational ConstantOf(const Poly &p)
{
    auto it = p.find(Monomial {});
    return it == p.end() ? Rational {0, 1} : it->second;
}

int DegreeIn(const Poly &p, char letter)
{
    int d = 0;
    for (const auto &[m, c] : p) {
        auto it = m.find(letter);
        if (it != m.end() && it->second > d)
            d = it->second;
    }
    return d;
}

Poly Substituted(const Poly &p, char letter, const Rational &value)
{
    Poly r;
    for (const auto &[m, c] : p) {
        Monomial rest = m;
        Rational factor = c;
        auto it = rest.find(letter);
        if (it != rest.end()) {
            for (int k = 0; k < it->second; ++k)
                factor = Times(factor, value);
            rest.erase(it);
        }
        AddTerm(r, rest, factor);
    }
    return r;
}

std::optional<Poly> ExactQuotient(const Poly &a, const Poly &b)
{
    if (b.empty())
        return std::nullopt;
    const Monomial lb = Leading(b);
    const Rational cb = b.at(lb);
    Poly q;
    Poly r = a;
    for (int guard = 0; !r.empty(); ++guard) {
        if (guard > 4096)
            return std::nullopt;
        const Monomial lr = Leading(r);
        Monomial t = lr;
        for (const auto &[letter, power] : lb) {
            auto it = t.find(letter);
            if (it == t.end() || it->second < power)
                return std::nullopt;
            it->second -= power;
            if (it->second == 0)
                t.erase(it);
        }
        Poly step;
        step.emplace(t, Over(r.at(lr), cb));
        q = Sum(q, step);
        r = Difference(r, Product(step, b));
    }
    return q;
}

Poly Gcd(const Poly &a, const Poly &b) { return GcdIn(a, b); }

Poly Normalised(const Poly &p, Rational *factor)
{
    if (factor != nullptr)
        *factor = Rational {1, 1};
    if (p.empty())
        return p;
    Whole lcm = 1;
    for (const auto &[m, c] : p) {
        const Whole g = WholeGcd(lcm, c.denominator);
        Whole next = 0;
        if (MultiplyOverflows(lcm / g, c.denominator, next))
            throw TooLarge {};
        lcm = next;
    }
    Whole g = 0;
    for (const auto &[m, c] : p)
        g = WholeGcd(g, Times(c, Rational {lcm, 1}).numerator);
    const bool negative = p.at(Leading(p)).numerator < 0;
    const Rational scale = *MakeRational(negative ? -lcm : lcm, g);
    if (factor != nullptr)
        *factor = Over(Rational {1, 1}, scale);
    return Scaled(p, scale);
}

namespace {

std::string CoefficientText(const Rational &c)
{
    const Whole n = c.numerator < 0 ? -c.numerator : c.numerator;
    return c.denominator == 1 ? WholeText(n) : WholeText(n) + "/" + WholeText(c.denominator);
}

std::string MonomialText(const Monomial &m)
{
    std::string text;
    for (const auto &[letter, power] : m) {
        text += letter;
        if (power > 1)
            text += "^" + WholeText(power);
    }
    return text;
}

} // namespace

bool HasOuterSign(const std::string &text)
{
    int depth = 0;
    for (int i = 0; i < Len(text);) {
        const char c = text[i];
        if (c == '(' || c == '[')
            ++depth;
        else if (c == ')' || c == ']')
            --depth;
        const std::string two = Mid(text, i, 2);
        if (i > 0 && depth == 0 && (two == "＋" || two == "－"))
            return true;
        i += IsGbkLead(static_cast<unsigned char>(c)) && i + 1 < Len(text) ? 2 : 1;
    }
    return false;
}

std::string PolyText(const Poly &p)
{
    if (p.empty())
        return "0";
    std::string text;
    bool first = true;
    for (const Monomial &m : WrittenOrder(p)) {
        const Rational &c = p.at(m);
        const bool negative = c.numerator < 0;
        if (negative)
            text += "－";
        else if (!first)
            text += "＋";
        const bool one = c.numerator == 1 || c.numerator == -1;
        if (m.empty())
            text += CoefficientText(c);
        else if (c.denominator != 1)
            text += "(" + CoefficientText(c) + ")" + MonomialText(m);
        else
            text += (one && c.denominator == 1 ? "" : CoefficientText(c)) + MonomialText(m);
        first = false;
    }
    return text;
}

std::string FactorText(const Poly &p)
{
    const std::string text = PolyText(p);
    if (p.size() > 1 || (p.size() == 1 && !p.begin()->first.empty() && text != MonomialText(p.begin()->first)))
        return "(" + text + ")";
    return text;
}

std::string FactorisedText(Solver &solver, const Poly &p)
{
    const std::string plain = PolyText(p);
    if (p.size() < 2)
        return plain;
    for (const auto &[m, c] : p)
        if (c.denominator != 1)
            return plain;
    const std::string factored = Trim(solver.YinShiFenJie(plain, 8, 1));
    if (factored.empty() || !Contains(factored, "(") || Contains(factored, "。") || Contains(factored, "，"))
        return plain;
    return factored;
}

std::string DenominatorText(Solver &solver, const Poly &den, bool factorised)
{
    std::string text = factorised ? FactorisedText(solver, den) : PolyText(den);
    const bool single = den.size() == 1
        && (den.begin()->first.empty() ? ConstantOf(den).numerator > 0 && ConstantOf(den).denominator == 1
                                       : text == MonomialText(den.begin()->first) && den.begin()->first.size() == 1);
    if (!single)
        text = Contains(text, "(") ? "[" + text + "]" : "(" + text + ")";
    return text;
}

std::string FractionText(Solver &solver, const Fraction &f, bool factorNum, bool factorDen)
{
    std::string num = factorNum ? FactorisedText(solver, f.num) : PolyText(f.num);
    if (IsConstant(f.den) && ConstantOf(f.den).numerator == 1 && ConstantOf(f.den).denominator == 1)
        return num;
    if (HasOuterSign(num))
        num = "(" + num + ")";
    const std::string den = DenominatorText(solver, f.den, factorDen);
    return num + "/" + den;
}

Poly CommonDenominator(const std::vector<Fraction> &values)
{
    Whole number = 1;
    Poly rest = Constant(Rational {1, 1});
    for (const Fraction &f : values) {
        Rational factor;
        const Poly q = Normalised(f.den, &factor);
        const Whole n = factor.numerator < 0 ? -factor.numerator : factor.numerator;
        Whole next = 0;
        if (MultiplyOverflows(number / WholeGcd(number, n), n, next))
            throw TooLarge {};
        number = next;
        const std::optional<Poly> lcm = ExactQuotient(Product(rest, q), Gcd(rest, q));
        if (!lcm)
            throw TooLarge {};
        rest = Normalised(*lcm);
    }
    return Scaled(rest, Rational {number, 1});
}

// ---- Reading ----

namespace {

// A piece of the reader's plain text with the signs written as the page writes them, outer
// brackets taken off: (8-4x) gives 8－4x.
std::string TypedText(std::string plain)
{
    if (plain.size() > 1 && plain.front() == '(' && plain.back() == ')') {
        int depth = 0;
        bool outer = true;
        for (std::size_t k = 0; k + 1 < plain.size(); ++k) {
            depth += plain[k] == '(' ? 1 : plain[k] == ')' ? -1 : 0;
            outer = outer && depth > 0;
        }
        if (outer)
            plain = plain.substr(1, plain.size() - 2);
    }
    std::string text;
    for (char c : plain)
        text += c == '+' ? "＋" : c == '-' ? "－" : c == '*' ? "×" : c == ':' ? "÷" : std::string(1, c);
    return text;
}

class Reader {
public:
    explicit Reader(std::string text)
        : s_(std::move(text))
        , slash_(s_.find('/') != std::string::npos)
    {
    }

    std::optional<std::vector<Term>> Sum()
    {
        std::vector<Term> terms;
        bool negative = false;
        if (At('+') || At('-'))
            negative = s_[i_++] == '-';
        for (;;) {
            std::optional<Term> term = ReadTerm();
            if (!term)
                return std::nullopt;
            term->negative = negative;
            terms.push_back(*term);
            if (!At('+') && !At('-'))
                return terms;
            negative = s_[i_++] == '-';
        }
    }

    bool AtEnd() const { return i_ >= s_.size(); }
    bool At(char c) const { return i_ < s_.size() && s_[i_] == c; }

private:
    std::optional<Term> ReadTerm()
    {
        Term term;
        std::optional<Fraction> f = ReadFraction();
        if (!f)
            return std::nullopt;
        term.factors.push_back(*f);
        term.divides.push_back(false);
        while (At('*') || At(':') || (slash_ && At('/'))) {
            const bool divide = s_[i_] != '*';
            ++i_;
            f = ReadFraction();
            if (!f)
                return std::nullopt;
            term.factors.push_back(*f);
            term.divides.push_back(divide);
        }
        return term;
    }

    // A unit, or unit bar unit.
    std::optional<Fraction> ReadFraction()
    {
        std::optional<Fraction> num = ReadUnit();
        if (!num)
            return std::nullopt;
        if (At('/') || (!slash_ && At(':'))) {
            ++i_;
            const std::size_t from = i_;
            std::optional<Fraction> den = ReadUnit();
            if (!den || den->num.empty())
                return std::nullopt;
            return Fraction {
                Product(num->num, den->den), Product(num->den, den->num), TypedText(s_.substr(from, i_ - from))};
        }
        return num;
    }

    bool StartsAtom() const
    {
        if (AtEnd())
            return false;
        const char c = s_[i_];
        return (c >= '0' && c <= '9') || c == '.' || c == '(' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    }

    // Atoms written side by side.
    std::optional<Fraction> ReadUnit()
    {
        if (!StartsAtom())
            return std::nullopt;
        Fraction f {Constant(Rational {1, 1}), Constant(Rational {1, 1})};
        while (StartsAtom()) {
            std::optional<Fraction> atom = ReadAtom();
            if (!atom)
                return std::nullopt;
            f = Fraction {Product(f.num, atom->num), Product(f.den, atom->den)};
        }
        return f;
    }

    std::optional<Fraction> ReadAtom()
    {
        if (++depth_ > 32)
            return std::nullopt;
        std::optional<Fraction> atom;
        const char c = s_[i_];
        if (c == '(') {
            ++i_;
            std::optional<std::vector<Term>> inner = Sum();
            if (!inner || !At(')'))
                return std::nullopt;
            ++i_;
            atom = SumValue(*inner);
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            ++i_;
            atom = Fraction {LetterPoly(c), Constant(Rational {1, 1})};
        } else {
            const std::size_t from = i_;
            while (!AtEnd() && ((s_[i_] >= '0' && s_[i_] <= '9') || s_[i_] == '.'))
                ++i_;
            const std::optional<NumberValue> read = ReadNumber(s_.substr(from, i_ - from));
            const std::optional<Rational> value = read ? ExactValue(*read) : std::nullopt;
            if (!value)
                return std::nullopt;
            atom = Fraction {Constant(*value), Constant(Rational {1, 1})};
        }
        --depth_;
        if (!atom)
            return std::nullopt;
        if (At('^')) {
            ++i_;
            const bool bracket = At('(');
            if (bracket)
                ++i_;
            int power = 0;
            const std::size_t from = i_;
            while (!AtEnd() && s_[i_] >= '0' && s_[i_] <= '9' && i_ - from < 3)
                power = power * 10 + (s_[i_++] - '0');
            if (i_ == from || power > 16)
                return std::nullopt;
            if (bracket) {
                if (!At(')'))
                    return std::nullopt;
                ++i_;
            }
            Fraction p {Constant(Rational {1, 1}), Constant(Rational {1, 1})};
            for (int k = 0; k < power; ++k)
                p = Fraction {Product(p.num, atom->num), Product(p.den, atom->den)};
            atom = p;
        }
        return atom;
    }

    std::string s_;
    bool slash_;
    std::size_t i_ = 0;
    int depth_ = 0;
};

// The typed text with one ASCII character per sign: "÷" becomes ":", brackets become round ones;
// nothing when it holds a character that no expression holds.
std::optional<std::string> Plain(const std::string &text)
{
    static const std::pair<const char *, char> signs[] = {{"＋", '+'}, {"－", '-'}, {"×", '*'}, {"·", '*'}, {"÷", ':'},
        {"（", '('}, {"）", ')'}, {"［", '('}, {"］", ')'}, {"｛", '('}, {"｝", ')'}};
    std::string plain;
    for (int i = 0; i < Len(text);) {
        const char c = text[i];
        if (IsGbkLead(static_cast<unsigned char>(c)) && i + 1 < Len(text)) {
            const std::string two = Mid(text, i, 2);
            bool known = false;
            for (const auto &[sign, ascii] : signs)
                if (two == sign) {
                    plain += ascii;
                    known = true;
                }
            if (!known)
                return std::nullopt;
            i += 2;
            continue;
        }
        if (c == '[' || c == '{')
            plain += '(';
        else if (c == ']' || c == '}')
            plain += ')';
        else if (c == ' ' || c == '\t')
            ;
        else if (static_cast<unsigned char>(c) < 0x80 && c != ',' && c != '=')
            plain += c;
        else
            return std::nullopt;
        ++i;
    }
    return plain;
}

} // namespace

std::optional<std::vector<Term>> ReadSum(const std::string &text)
{
    try {
        const std::optional<std::string> plain = Plain(text);
        if (!plain || plain->empty() || plain->size() > 2000)
            return std::nullopt;
        Reader reader(*plain);
        std::optional<std::vector<Term>> terms = reader.Sum();
        if (!terms || !reader.AtEnd())
            return std::nullopt;
        return terms;
    } catch (const TooLarge &) {
        return std::nullopt;
    }
}

std::optional<Fraction> TermValue(const Term &term)
{
    Fraction value {Constant(Rational {term.negative ? -1 : 1, 1}), Constant(Rational {1, 1})};
    for (std::size_t k = 0; k < term.factors.size(); ++k) {
        const Fraction &f = term.factors[k];
        if (term.divides[k]) {
            if (f.num.empty())
                return std::nullopt;
            value = Fraction {Product(value.num, f.den), Product(value.den, f.num)};
        } else {
            value = Fraction {Product(value.num, f.num), Product(value.den, f.den)};
        }
    }
    return value;
}

std::optional<Fraction> SumValue(const std::vector<Term> &terms)
{
    Fraction sum {Poly {}, Constant(Rational {1, 1})};
    for (const Term &term : terms) {
        const std::optional<Fraction> v = TermValue(term);
        if (!v)
            return std::nullopt;
        sum = Fraction {Sum(Product(sum.num, v->den), Product(v->num, sum.den)), Product(sum.den, v->den)};
    }
    return sum;
}

Fraction Reduced(const Fraction &f)
{
    if (f.num.empty())
        return Fraction {Poly {}, Constant(Rational {1, 1})};
    const Poly g = Gcd(f.num, f.den);
    const std::optional<Poly> n = ExactQuotient(f.num, g);
    const std::optional<Poly> d = ExactQuotient(f.den, g);
    Rational numFactor;
    Rational denFactor;
    const Poly num = Normalised(n && d ? *n : f.num, &numFactor);
    const Poly den = Normalised(n && d ? *d : f.den, &denFactor);
    // Whole coefficients on both sides: p·N over q·D with p/q the ratio of the factors.
    const Rational ratio = Over(numFactor, denFactor);
    return Fraction {Scaled(num, Rational {ratio.numerator, 1}), Scaled(den, Rational {ratio.denominator, 1})};
}

} // namespace qimbel::fractions
