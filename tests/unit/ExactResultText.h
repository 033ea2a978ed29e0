// Exact values of result texts, for the property tests that compare final answers with exact
// rational arithmetic.
#pragma once

#include <optional>
#include <string>

namespace exacttest {

struct Rational {
    long long n = 0;
    long long d = 1;
};

inline std::optional<Rational> Make(__int128 n, __int128 d)
{
    if (d == 0)
        return std::nullopt;
    if (d < 0) {
        n = -n;
        d = -d;
    }
    __int128 a = n < 0 ? -n : n;
    __int128 b = d;
    while (b != 0) {
        const __int128 t = a % b;
        a = b;
        b = t;
    }
    if (a > 1) {
        n /= a;
        d /= a;
    }
    const __int128 limit = static_cast<__int128>(1) << 62;
    if (n > limit || n < -limit || d > limit)
        return std::nullopt;
    return Rational {static_cast<long long>(n), static_cast<long long>(d)};
}

// The exact value of a final result text: a whole number, a decimal of at most six places or a
// fraction in lowest terms, "－" for minus. Nothing for any other text.
inline std::optional<Rational> ExactOf(std::string text)
{
    bool negative = false;
    if (text.rfind("－", 0) == 0) {
        negative = true;
        text = text.substr(std::string("－").size());
    }
    const std::size_t mark = text.find_first_of("./");
    const std::string first = text.substr(0, mark);
    const std::string second = mark == std::string::npos ? std::string() : text.substr(mark + 1);
    auto digits = [](const std::string &t) {
        return !t.empty() && t.size() <= 30 && t.find_first_not_of("0123456789") == std::string::npos;
    };
    auto value = [](const std::string &t) {
        __int128 v = 0;
        for (char c : t)
            v = v * 10 + (c - '0');
        return v;
    };
    if (!digits(first) || (mark != std::string::npos && !digits(second)))
        return std::nullopt;
    const __int128 a = value(first);
    if (mark == std::string::npos)
        return Make(negative ? -a : a, 1);
    if (text[mark] == '.') {
        if (second.size() > 6 || second.back() == '0')
            return std::nullopt;
        __int128 scale = 1;
        for (std::size_t i = 0; i < second.size(); ++i)
            scale *= 10;
        const __int128 n = a * scale + value(second);
        return Make(negative ? -n : n, scale);
    }
    const __int128 b = value(second);
    const std::optional<Rational> reduced = Make(a, b);
    if (b <= 1 || !reduced || reduced->d != b)
        return std::nullopt; // not in lowest terms
    return Make(negative ? -a : a, b);
}

inline std::string Shown(const Rational &r) { return std::to_string(r.n) + "/" + std::to_string(r.d); }

} // namespace exacttest
