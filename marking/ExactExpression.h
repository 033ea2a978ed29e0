// A pupil's expression read into a tree and valued exactly, for 批改: numbers, letters, the four
// operations, brackets of every kind and whole powers, as a pupil types them on paper (full-width
// or ASCII signs, "/" or "÷" as the fraction bar, a sign after × or ÷). The value is a fraction of
// polynomials with exact rational coefficients, so two lines are the same exactly when their
// values are; the tree keeps the shape, which the slips and the end of a working are read from.
#pragma once

#include "algebra/FractionAlgebra.h"

#include <optional>
#include <string>
#include <vector>

namespace qimbel {

struct ExprNode {
    enum class Kind {
        Number, // `number`, typed as `text` (digits, a point, a "%")
        Letter, // `letter`
        Sum, // kids are the terms, `negative[k]` the sign in front of term k
        Product, // kids are the factors in order; `divide[k]`: factor k divides (k ≥ 1)
        Power, // kids[0] raised to `exponent`
        Group, // kids[0] in brackets
        Fixed, // a value put in place of a part (`fixed`), never typed
    };
    Kind kind = Kind::Number;
    Rational number;
    std::string text; // a number as typed
    char letter = 0;
    int exponent = 1;
    std::vector<ExprNode> kids;
    std::vector<bool> negative;
    std::vector<bool> divide;
    fractions::Fraction fixed;
};

// A line read: the tree, or why it could not be read (a sentence without its final "。").
struct ReadExpression {
    std::optional<ExprNode> tree;
    std::string why;
};

// Reads one expression (no "＝" in it). `numberFractions`: "/" joins two numbers into a fraction
// that a letter may follow (1/2x is half of x), as the arithmetic and 整式 pages read it; else
// "/" is the bar of 分式 between the units around it (1/2x is 1 over 2x).
ReadExpression ReadPupilExpression(const std::string &gbk, bool numberFractions);

// The exact value; nothing when a divisor is 0 or a number grows beyond what is held exactly
// (`why` then says which).
std::optional<fractions::Fraction> ExactValueOf(const ExprNode &node, std::string *why = nullptr);

// Whether a and b are the same value (as fractions of polynomials: a.num·b.den ＝ b.num·a.den);
// nothing when the cross products grow too large to tell.
std::optional<bool> SameValue(const fractions::Fraction &a, const fractions::Fraction &b);

// Every node in pre-order (the root first); the pointers live as long as the tree is unchanged.
std::vector<ExprNode *> NodesOf(ExprNode &root);
std::vector<const ExprNode *> NodesOf(const ExprNode &root);

// Small builders for the trees that the slips are tried on.
ExprNode FixedNode(const fractions::Fraction &value);
ExprNode NegatedNode(ExprNode node);

// A number or a letter alone, a power of one, or a group: what a product or a power may hold
// without brackets.
bool IsWholeNumber(const ExprNode &node);
// The node without its brackets.
const ExprNode &Unbracketed(const ExprNode &node);

} // namespace qimbel
