// Reading a typed sum of fractions: "/" or "÷" as the fraction bar, pieces written side by side
// multiplied, powers, brackets of every kind.
#include "algebra/FractionAlgebra.h"

namespace qimbel::fractions {

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

} // namespace qimbel::fractions
