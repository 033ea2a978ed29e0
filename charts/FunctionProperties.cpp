#include "charts/FunctionProperties.h"

#include "charts/PolynomialZeros.h"
#include "charts/QuadraticRoots.h"
#include "solver/GbkText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace qimbel {

namespace {

const Rational kZero {0, 1};

Rational Negated(const Rational &r) { return Rational {-r.numerator, r.denominator}; }
int Sign(const Rational &r) { return r.numerator > 0 ? 1 : r.numerator < 0 ? -1 : 0; }

// A number as it stands inside a worked formula: negative numbers and fractions in brackets.
std::string Inside(const Rational &r)
{
    const std::string text = ExactText(r);
    return r.numerator < 0 || text.find('/') != std::string::npos ? "(" + text + ")" : text;
}

std::string Point(const std::string &x, const std::string &y) { return "(" + x + "，" + y + ")"; }

// A value to three places, with the full-width minus: 1.414, －0.5.
std::string Approximate(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", std::fabs(value));
    std::string text = buffer;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    if (text == "0")
        return text;
    return (value < 0 ? "－" : "") + text;
}

std::string Signs(std::string text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsGbkLead(static_cast<unsigned char>(c)) && i + 1 < text.size()) {
            out += c;
            out += text[++i];
        } else if (c == '+') {
            out += "＋";
        } else if (c == '-') {
            out += "－";
        } else if (c == '*') {
            out += "×";
        } else {
            out += c;
        }
    }
    return out;
}

// The right side of the function as Qimbel writes it.
std::string RightSide(const FunctionAnalysis &a, const FunctionFormula &formula)
{
    if (!a.form || a.kind == FunctionKind::Other)
        return Signs(formula.Typed());
    if (a.kind == FunctionKind::Reciprocal) {
        // k/x, with k = n/d written n/(dx)
        const Rational k = *RationalQuotient(a.form->numerator.At(0), a.form->denominator.At(1));
        const std::string sign = k.numerator < 0 ? "－" : "";
        const Whole n = k.numerator < 0 ? -k.numerator : k.numerator;
        if (k.denominator == 1)
            return sign + WholeText(n) + "/x";
        const std::string text = ExactText(Rational {n, k.denominator});
        if (text.find('/') == std::string::npos)
            return sign + text + "/x";
        return sign + WholeText(n) + "/(" + WholeText(k.denominator) + "x)";
    }
    return PolynomialText(a.form->numerator);
}

Rational ReciprocalK(const RationalForm &form)
{
    return *RationalQuotient(form.numerator.At(0), form.denominator.At(1));
}

using Lines = std::vector<std::string>;

std::string Joined(const Lines &lines)
{
    std::string text;
    for (const std::string &line : lines) {
        if (!text.empty())
            text += "\r\n";
        text += line;
    }
    return text;
}

std::string Increase(int sign) { return sign > 0 ? "y随x的增大而增大" : "y随x的增大而减小"; }

// Zeros of `value` from −10 to 10, exact where `exactZero` confirms a simple fraction.
std::vector<FoundZero> ScanZeros(
    const std::function<double(double)> &value, const std::function<bool(const Rational &)> &exactZero)
{
    std::vector<FoundZero> zeros;
    const auto add = [&](FoundZero z) {
        const double at = z.exact ? double(z.value.numerator) / double(z.value.denominator) : z.approximate;
        z.approximate = at;
        for (const FoundZero &known : zeros)
            if (std::fabs(known.approximate - at) < 1e-6)
                return;
        if (zeros.size() < 10)
            zeros.push_back(z);
    };
    const auto snap = [&](double root) {
        for (Whole q = 1; q <= 12; ++q) {
            const double p = std::round(root * double(q));
            if (std::fabs(p / double(q) - root) < 1e-7) {
                const std::optional<Rational> r = MakeRational(static_cast<Whole>(p), q);
                if (r && exactZero(*r))
                    return add(FoundZero {true, *r, 0});
            }
        }
        add(FoundZero {false, kZero, root});
    };
    // x = k/100 from −10 to 10. Values that only round to 0 come in runs (x^45 is below 1e-12
    // from −0.54 to 0.54, x^200 is 0 from −0.02 to 0.02): a run with no exact zero in it has one
    // zero, where the value is least (the middle of the run when it is 0 throughout).
    double previous = std::nan("");
    int runStart = 0, runLeast = 0, runEnd = 0;
    double runLeastValue = 0;
    bool inRun = false, runExact = false;
    const auto endRun = [&]() {
        if (inRun && !runExact)
            snap((runLeastValue == 0 ? (runStart + runEnd) / 2 : runLeast) / 100.0);
        inRun = false;
    };
    for (int k = -1000; k <= 1000; ++k) {
        const double x = k / 100.0;
        const double v = value(x);
        if (v == 0 || (std::isfinite(v) && std::fabs(v) < 1e-12)) {
            if (!inRun) {
                inRun = true;
                runExact = false;
                runStart = runLeast = k;
                runLeastValue = std::fabs(v);
            } else if (std::fabs(v) < runLeastValue) {
                runLeast = k;
                runLeastValue = std::fabs(v);
            }
            runEnd = k;
            const Rational at = *MakeRational(k, 100);
            if (exactZero(at)) {
                add(FoundZero {true, at, 0});
                runExact = true;
            }
        } else {
            endRun();
        }
        // A crossing next to a run is the run's own zero.
        if (!inRun && std::isfinite(previous) && std::isfinite(v) && previous != 0 && (previous < 0) != (v < 0)) {
            double lo = (k - 1) / 100.0, hi = x;
            const double mid = value((lo + hi) / 2);
            // A sign change across a pole is no zero: the middle value would not lie between.
            if (std::isfinite(mid) && std::fabs(mid) <= std::max(std::fabs(previous), std::fabs(v))) {
                double flo = previous;
                for (int i = 0; i < 80; ++i) {
                    const double m = (lo + hi) / 2;
                    const double fm = value(m);
                    if (!std::isfinite(fm))
                        break;
                    if ((fm < 0) == (flo < 0)) {
                        lo = m;
                        flo = fm;
                    } else {
                        hi = m;
                    }
                }
                snap((lo + hi) / 2);
            }
        }
        previous = inRun ? std::nan("") : v;
    }
    endRun();
    return zeros;
}

std::string ZeroText(const FoundZero &z) { return z.exact ? ExactText(z.value) : Approximate(z.approximate); }

// "交点是(3，0)、(－1，0)" for points written from their x texts and y texts.
std::string PointList(const std::vector<std::pair<std::string, std::string>> &points)
{
    std::string text;
    for (const auto &[x, y] : points) {
        if (!text.empty())
            text += "、";
        text += Point(x, y);
    }
    return text;
}

void LinearLines(Lines &lines, const Rational &k, const Rational &b, const std::string &right)
{
    lines.push_back("是一次函数 y＝kx＋b，k＝" + ExactText(k) + "，b＝" + ExactText(b) + "。");
    lines.push_back("k＝" + ExactText(k) + (Sign(k) > 0 ? "＞0，" : "＜0，") + Increase(Sign(k)) + "。");
    lines.push_back("与y轴的交点：令x＝0，得y＝" + ExactText(b) + "，交点是" + Point("0", ExactText(b)) + "。");
    const Rational root = *RationalQuotient(Negated(b), k);
    lines.push_back("与x轴的交点：令y＝0，得" + right + "＝0，解得x＝" + ExactText(root) + "，交点是"
        + Point(ExactText(root), "0") + "。");
    const char *quadrants
        = Sign(k) > 0 ? (Sign(b) > 0 ? "一、二、三" : "一、三、四") : (Sign(b) > 0 ? "一、二、四" : "二、三、四");
    lines.push_back(std::string("图象经过第") + quadrants + "象限。");
}

void QuadraticLines(Lines &lines, const Polynomial &p, const std::string &right)
{
    const Rational a = p.At(2), b = p.At(1), c = p.At(0);
    lines.push_back(
        "是二次函数 y＝ax^2＋bx＋c，a＝" + ExactText(a) + "，b＝" + ExactText(b) + "，c＝" + ExactText(c) + "。");
    const bool up = Sign(a) > 0;
    lines.push_back("a＝" + ExactText(a) + (up ? "＞0，抛物线开口向上。" : "＜0，抛物线开口向下。"));
    const Rational h = *RationalQuotient(Negated(b), *RationalProduct(Rational {2, 1}, a));
    lines.push_back("对称轴：x＝－b/(2a)＝－" + Inside(b) + "/(2×" + Inside(a) + ")＝" + ExactText(h) + "。");
    const std::optional<Rational> k = PolynomialValue(p, h);
    if (k) {
        lines.push_back("顶点：y＝(4ac－b^2)/(4a)＝(4×" + Inside(a) + "×" + Inside(c) + "－" + Inside(b) + "^2)/(4×"
            + Inside(a) + ")＝" + ExactText(*k) + "，顶点是" + Point(ExactText(h), ExactText(*k)) + "。");
        lines.push_back("当x＝" + ExactText(h) + "时，y有" + (up ? "最小值" : "最大值") + ExactText(*k) + "。");
    }
    lines.push_back("当x＜" + ExactText(h) + "时，" + Increase(up ? -1 : 1) + "；当x＞" + ExactText(h) + "时，"
        + Increase(up ? 1 : -1) + "。");
    lines.push_back("与y轴的交点：令x＝0，得y＝" + ExactText(c) + "，交点是" + Point("0", ExactText(c)) + "。");
    const std::optional<QuadraticRoots> roots = SolveQuadratic(a, b, c);
    if (!roots)
        return;
    std::string line = "与x轴的交点：令y＝0，得" + right + "＝0，Δ＝b^2－4ac＝" + Inside(b) + "^2－4×" + Inside(a) + "×"
        + Inside(c) + "＝" + ExactText(roots->delta);
    if (roots->count == 0)
        line += "＜0，方程没有实数根，抛物线与x轴没有交点。";
    else if (roots->count == 1)
        line += "，x1＝x2＝" + RootSurdText(roots->x1) + "，抛物线与x轴只有一个交点"
            + Point(RootSurdText(roots->x1), "0") + "。";
    else
        line += "＞0，x1＝" + RootSurdText(roots->x1) + "，x2＝" + RootSurdText(roots->x2) + "，交点是"
            + PointList({{RootSurdText(roots->x1), "0"}, {RootSurdText(roots->x2), "0"}}) + "。";
    lines.push_back(line);
}

void OtherLines(Lines &lines, const FunctionFormula &formula)
{
    lines.push_back("不是正比例函数、一次函数、反比例函数或二次函数。");
    const std::optional<Rational> y0 = formula.ExactValue(kZero);
    const double approximate = formula.Value(0);
    if (y0)
        lines.push_back("与y轴的交点：令x＝0，得y＝" + ExactText(*y0) + "，交点是" + Point("0", ExactText(*y0)) + "。");
    else if (std::isfinite(approximate))
        lines.push_back("与y轴的交点：令x＝0，得y≈" + Approximate(approximate) + "，交点约是"
            + Point("0", Approximate(approximate)) + "。");
    else
        lines.push_back("x＝0时y没有值，图象与y轴没有交点。");
    // 0 at every point looked at (0×x^50, whose degree is too high for the exact coefficients):
    // the graph lies on the x-axis.
    bool zeroEverywhere = true;
    for (int k = -1000; k <= 1000 && zeroEverywhere; ++k)
        zeroEverywhere = formula.Value(k / 100.0) == 0;
    if (zeroEverywhere) {
        lines.push_back("在－10≤x≤10内y都等于0，图象在x轴上。");
        return;
    }
    const std::vector<FoundZero> zeros = ZerosBetweenTens(formula);
    if (zeros.empty()) {
        lines.push_back("在－10≤x≤10内，图象与x轴没有交点。");
        return;
    }
    bool allExact = true;
    std::string xs;
    std::vector<std::pair<std::string, std::string>> points;
    for (const FoundZero &z : zeros) {
        allExact = allExact && z.exact;
        xs += (xs.empty() ? "" : "，") + std::string(z.exact ? "x＝" : "x≈") + ZeroText(z);
        if (z.multiplicity > 1)
            xs += "（" + IntText(z.multiplicity) + "重根）";
        points.push_back({ZeroText(z), "0"});
    }
    lines.push_back(
        "与x轴的交点：令y＝0，在－10≤x≤10内得" + xs + "，交点" + (allExact ? "是" : "约是") + PointList(points) + "。");
}

} // namespace

std::string FunctionKindName(FunctionKind kind)
{
    switch (kind) {
    case FunctionKind::Proportional:
        return "正比例函数";
    case FunctionKind::Linear:
        return "一次函数";
    case FunctionKind::Reciprocal:
        return "反比例函数";
    case FunctionKind::Quadratic:
        return "二次函数";
    case FunctionKind::Constant:
        return "常数函数";
    case FunctionKind::Other:
        break;
    }
    return "其他函数";
}

FunctionAnalysis AnalyseFunction(const FunctionFormula &formula)
{
    FunctionAnalysis a;
    a.form = RationalFormOf(formula);
    // 0x^9 or x^9－x^9: beyond the degree of the form, but the line y＝0 all the same.
    if (!a.form)
        if (const std::optional<std::vector<Rational>> c = PolynomialCoefficients(formula))
            if (std::all_of(c->begin(), c->end(), [](const Rational &r) { return r.numerator == 0; })) {
                const Polynomial one = Constant(Rational {1, 1});
                a.form = RationalForm {Constant(Rational {0, 1}), one, false};
            }
    if (a.form && !a.form->holes) {
        const Polynomial &n = a.form->numerator;
        const Polynomial &d = a.form->denominator;
        if (d.Degree() == 0) {
            if (n.Degree() <= 0)
                a.kind = FunctionKind::Constant;
            else if (n.Degree() == 1)
                a.kind = n.At(0).numerator == 0 ? FunctionKind::Proportional : FunctionKind::Linear;
            else if (n.Degree() == 2)
                a.kind = FunctionKind::Quadratic;
        } else if (d.Degree() == 1 && d.At(0).numerator == 0 && n.Degree() == 0) {
            a.kind = FunctionKind::Reciprocal;
        }
    }
    a.shown = "y＝" + RightSide(a, formula);
    return a;
}

std::vector<FoundZero> ZerosBetweenTens(const FunctionFormula &formula)
{
    const std::optional<std::vector<Rational>> coefficients = PolynomialCoefficients(formula);
    if (coefficients && coefficients->size() >= 2)
        if (const std::optional<std::vector<PolynomialZero>> zeros = PolynomialZerosBetweenTens(*coefficients)) {
            std::vector<FoundZero> found;
            for (const PolynomialZero &z : *zeros)
                if (z.approximate >= -10 && z.approximate <= 10 && found.size() < 10)
                    found.push_back(FoundZero {z.exact, z.value, z.approximate, z.multiplicity});
            return found;
        }
    return ScanZeros([&](double x) { return formula.Value(x); },
        [&](const Rational &x) {
            const std::optional<Rational> y = formula.ExactValue(x);
            return y && y->numerator == 0;
        });
}

std::string PropertiesText(const FunctionFormula &formula)
{
    if (!formula.Ok())
        return formula.Error();
    const FunctionAnalysis a = AnalyseFunction(formula);
    Lines lines {a.shown};
    const std::string right = RightSide(a, formula);
    switch (a.kind) {
    case FunctionKind::Proportional: {
        const Rational k = a.form->numerator.At(1);
        lines.push_back("是正比例函数 y＝kx，k＝" + ExactText(k) + "。");
        lines.push_back(
            std::string("图象是经过原点(0，0)的直线，在第") + (Sign(k) > 0 ? "一、三" : "二、四") + "象限。");
        lines.push_back("k＝" + ExactText(k) + (Sign(k) > 0 ? "＞0，" : "＜0，") + Increase(Sign(k)) + "。");
        break;
    }
    case FunctionKind::Linear:
        LinearLines(lines, a.form->numerator.At(1), a.form->numerator.At(0), right);
        break;
    case FunctionKind::Reciprocal: {
        const Rational k = ReciprocalK(*a.form);
        lines.push_back("是反比例函数 y＝k/x，k＝" + ExactText(k) + "。");
        lines.push_back("x≠0，y≠0，图象与x轴、y轴都没有交点。");
        lines.push_back("k＝" + ExactText(k)
            + (Sign(k) > 0 ? "＞0，图象的两个分支在第一、三象限" : "＜0，图象的两个分支在第二、四象限")
            + "，在每一个象限内，" + Increase(-Sign(k)) + "。");
        break;
    }
    case FunctionKind::Quadratic:
        QuadraticLines(lines, a.form->numerator, right);
        break;
    case FunctionKind::Constant: {
        const Rational c = a.form->numerator.At(0);
        if (c.numerator == 0) {
            lines.push_back("是常数函数，图象就是x轴。");
        } else {
            lines.push_back("是常数函数，图象是平行于x轴的直线。");
            lines.push_back("与y轴的交点是" + Point("0", ExactText(c)) + "，与x轴没有交点。");
        }
        break;
    }
    case FunctionKind::Other:
        OtherLines(lines, formula);
        break;
    }
    return Joined(lines);
}

std::string IntersectionText(const FunctionFormula &f, const FunctionFormula &g)
{
    const FunctionAnalysis af = AnalyseFunction(f);
    const FunctionAnalysis ag = AnalyseFunction(g);
    const std::string heading = af.shown + " 与 " + ag.shown + " 的交点：";
    Lines lines {heading};
    const std::string equation = "令 " + RightSide(af, f) + "＝" + RightSide(ag, g) + "，";

    // Exactly: f − g = N/D, N of degree at most 2.
    std::optional<Polynomial> n;
    bool denominators = false;
    if (af.form && ag.form && !af.form->holes && !ag.form->holes) {
        const auto same = [](const Polynomial &p, const Polynomial &q) {
            if (p.c.size() != q.c.size())
                return false;
            for (std::size_t i = 0; i < p.c.size(); ++i)
                if (p.c[i].numerator != q.c[i].numerator || p.c[i].denominator != q.c[i].denominator)
                    return false;
            return true;
        };
        if (same(af.form->denominator, ag.form->denominator)) {
            // Over the same denominator only the numerators count.
            n = PolynomialDifference(af.form->numerator, ag.form->numerator);
        } else {
            const std::optional<Polynomial> left = PolynomialProduct(af.form->numerator, ag.form->denominator);
            const std::optional<Polynomial> right = PolynomialProduct(ag.form->numerator, af.form->denominator);
            if (left && right)
                n = PolynomialDifference(*left, *right);
        }
        denominators = af.form->denominator.Degree() > 0 || ag.form->denominator.Degree() > 0;
    }
    if (n && n->Degree() <= 2) {
        if (n->IsZero()) {
            lines.push_back("两个函数相同，图象重合。");
            return Joined(lines);
        }
        if (n->Degree() > 0 && Sign(n->c.back()) < 0) {
            for (Rational &c : n->c)
                c = Negated(c);
        }
        std::string line = equation + (denominators ? "去分母，" : "") + "整理得 " + PolynomialText(*n) + "＝0";
        std::vector<RootSurd> xs;
        if (n->Degree() == 0) {
            const bool lines2 = (af.kind == FunctionKind::Linear || af.kind == FunctionKind::Proportional)
                && (ag.kind == FunctionKind::Linear || ag.kind == FunctionKind::Proportional);
            lines.push_back(equation + (lines2 ? "k相同，两条直线平行，没有交点。" : "方程无解，图象没有交点。"));
            return Joined(lines);
        }
        if (n->Degree() == 1) {
            const Rational x = *RationalQuotient(Negated(n->At(0)), n->At(1));
            line += "，解得 x＝" + ExactText(x) + "，";
            xs.push_back(RationalRootSurd(x));
        } else {
            const std::optional<QuadraticRoots> roots = SolveQuadratic(n->At(2), n->At(1), n->At(0));
            if (!roots) {
                lines.push_back(line + "。");
                return Joined(lines);
            }
            lines.push_back(line + "，");
            line = "Δ＝" + Inside(n->At(1)) + "^2－4×" + Inside(n->At(2)) + "×" + Inside(n->At(0)) + "＝"
                + ExactText(roots->delta);
            if (roots->count == 0) {
                lines.push_back(line + "＜0，方程没有实数根，图象没有交点。");
                return Joined(lines);
            }
            if (roots->count == 1) {
                line += "，x1＝x2＝" + RootSurdText(roots->x1) + "，";
                xs.push_back(roots->x1);
            } else {
                line += "＞0，x1＝" + RootSurdText(roots->x1) + "，x2＝" + RootSurdText(roots->x2) + "，";
                xs.push_back(roots->x1);
                xs.push_back(roots->x2);
            }
        }
        lines.push_back(line);
        std::vector<std::pair<std::string, std::string>> points;
        std::vector<std::string> dropped;
        for (const RootSurd &x : xs) {
            // A root where a denominator is 0 is no meeting point: both must have a value there.
            std::optional<RootSurd> y = FormValue(*af.form, x);
            const std::optional<RootSurd> yg = FormValue(*ag.form, x);
            if (!y || !yg) {
                dropped.push_back(RootSurdText(x));
                continue;
            }
            points.push_back({RootSurdText(x), RootSurdText(*y)});
        }
        std::string last;
        for (const std::string &x : dropped)
            last += "x＝" + x + "时函数没有值，舍去；";
        if (points.empty())
            last += "图象没有交点。";
        else
            last += "交点是" + PointList(points) + "。";
        lines.push_back(last);
        return Joined(lines);
    }

    // Otherwise the points are found from the values, to three places.
    const std::vector<FoundZero> zeros = ScanZeros([&](double x) { return f.Value(x) - g.Value(x); },
        [&](const Rational &x) {
            const std::optional<Rational> a = f.ExactValue(x);
            const std::optional<Rational> b = g.ExactValue(x);
            return a && b && a->numerator == b->numerator && a->denominator == b->denominator;
        });
    if (zeros.empty()) {
        lines.push_back("在－10≤x≤10内，图象没有交点。");
        return Joined(lines);
    }
    std::vector<std::pair<std::string, std::string>> points;
    bool allExact = true;
    for (const FoundZero &z : zeros) {
        const std::optional<Rational> y = z.exact ? f.ExactValue(z.value) : std::nullopt;
        allExact = allExact && y.has_value();
        points.push_back({ZeroText(z), y ? ExactText(*y) : Approximate(f.Value(z.approximate))});
    }
    lines.push_back(equation + "在－10≤x≤10内求得交点" + (allExact ? "是" : "约是") + PointList(points) + "。");
    return Joined(lines);
}

std::string GraphPropertiesText(const std::vector<FunctionFormula> &functions)
{
    std::string text;
    const auto add = [&](const std::string &part) {
        if (!text.empty())
            text += "\r\n\r\n";
        text += part;
    };
    for (const FunctionFormula &f : functions)
        add(PropertiesText(f));
    for (std::size_t i = 0; i < functions.size(); ++i)
        for (std::size_t j = i + 1; j < functions.size(); ++j)
            if (functions[i].Ok() && functions[j].Ok())
                add(IntersectionText(functions[i], functions[j]));
    return text;
}

} // namespace qimbel
