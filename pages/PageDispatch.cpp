#include "pages/PageDispatch.h"

#include <iterator>

namespace qimbel {

namespace {

// Page 129 hands its routines ASCII "+" and "-", full-width "×" and "＝" and round brackets only.
// Page 133 applies the same steps without the last two, so its signs stay full-width.
const char *const normalise129[][2] = {
    {"（", "("},
    {"）", ")"},
    {"+", "＋"},
    {"-", "－"},
    {"*", "×"},
    {"=", "＝"},
    {"（", "("},
    {"）", ")"},
    {"[", "("},
    {"]", ")"},
    {"{", "("},
    {"}", ")"},
    {"=", "＝"},
    {" ", ""},
    {"＋", "+"},
    {"－", "-"},
};
// Pages 130 and 134. A ">=" or "<=" typed after the check is one sign, as the check makes it.
const char *const normalise130[][2] = {
    {"（", "("},
    {"）", ")"},
    {"+", "＋"},
    {"-", "－"},
    {"*", "×"},
    {"=", "＝"},
    {">＝", "≥"},
    {"<＝", "≤"},
    {"＞＝", "≥"},
    {"＜＝", "≤"},
    {" ", ""},
};
const char *const normalise131[][2] = {
    {"-", "－"},
    {" ", ""},
};
// Page 135; ">=" and "<=" typed after the check become one sign here too.
const char *const normalise135[][2] = {
    {"（", "("},
    {"）", ")"},
    {"[", "("},
    {"]", ")"},
    {"{", "("},
    {"}", ")"},
    {">", "＞"},
    {"<", "＜"},
    {"=", "＝"},
    {"＞＝", "≥"},
    {"＜＝", "≤"},
    {" ", ""},
};

void Nothing(ComputeRun &) { }

const PageDispatch dispatch129
    = {normalise129, static_cast<int>(std::size(normalise129)), false, true, Nothing, ComputeLine129, AfterLines129};
const PageDispatch dispatch130
    = {normalise130, static_cast<int>(std::size(normalise130)), false, true, Nothing, ComputeLine130, Nothing};
const PageDispatch dispatch131
    = {normalise131, static_cast<int>(std::size(normalise131)), false, false, Nothing, ComputeLine131, Nothing};
const PageDispatch dispatch133 = {
    normalise129, static_cast<int>(std::size(normalise129)) - 2, false, true, Nothing, ComputeLine133, AfterLines133};
const PageDispatch dispatch134
    = {normalise130, static_cast<int>(std::size(normalise130)), false, true, Nothing, ComputeLine134, Nothing};
const PageDispatch dispatch135 = {normalise135, static_cast<int>(std::size(normalise135)), true, false, BeforeLines135,
    ComputeLine135, AfterLines135};

} // namespace

const PageDispatch &DispatchOf(int page)
{
    switch (page) {
    case 129:
        return dispatch129;
    case 130:
        return dispatch130;
    case 131:
        return dispatch131;
    case 133:
        return dispatch133;
    case 135:
        return dispatch135;
    default:
        return dispatch134;
    }
}

} // namespace qimbel
