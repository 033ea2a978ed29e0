#include "typeset/TypesetMathML.h"

#include "typeset/GbkUnicode.h"

#include <cstdio>

namespace qimbel {

namespace {

// UTF-8 of GBK bytes, escaped for XML. Bytes that are no GBK and control characters (XML cannot
// hold them) become U+FFFD, one per byte, so nothing is dropped.
void AppendEscaped(std::string &out, const std::string &gbk)
{
    for (std::size_t pos = 0; pos < gbk.size();) {
        const GbkChar c = DecodeGbkChar(gbk, pos);
        char32_t cp = c.codePoint;
        if ((cp == 0) || (cp < 0x20 && cp != '\t'))
            cp = U'\uFFFD';
        switch (cp) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            AppendUtf8(out, cp);
        }
        pos += c.length;
    }
}

// Blanks as space: half an em per byte, two for a tab.
void AppendBlank(std::string &out, const std::string &blanks)
{
    double ems = 0;
    for (char c : blanks)
        ems += c == '\t' ? 2.0 : 0.5;
    char width[32];
    std::snprintf(width, sizeof width, "%.1fem", ems);
    out += "<mspace width=\"" + std::string(width) + "\"/>";
}

// <tag>text</tag>; a sign in its maths form (a sign is never a control character).
void AppendLeaf(std::string &out, const char *tag, const std::string &gbk, bool sign = false)
{
    out += '<';
    out += tag;
    out += '>';
    if (sign) {
        for (char c : TsMathSign(gbk))
            out += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : c == '"' ? "&quot;" : std::string(1, c);
    } else {
        AppendEscaped(out, gbk);
    }
    out += "</";
    out += tag;
    out += '>';
}

void AppendNode(std::string &out, const TsNode &n);

void AppendRow(std::string &out, const TsNode &row)
{
    out += "<mrow>";
    for (const TsNode &k : row.kids)
        AppendNode(out, k);
    out += "</mrow>";
}

void AppendNode(std::string &out, const TsNode &n)
{
    switch (n.kind) {
    case TsKind::Text:
        AppendLeaf(out, "mtext", n.text);
        break;
    case TsKind::Blank:
        AppendBlank(out, n.text);
        break;
    case TsKind::Number:
        AppendLeaf(out, "mn", n.text);
        break;
    case TsKind::Name:
        AppendLeaf(out, "mi", n.text);
        break;
    case TsKind::Sign:
        AppendLeaf(out, "mo", n.text, true);
        break;
    case TsKind::Row:
        AppendRow(out, n);
        break;
    case TsKind::Fenced:
        out += "<mrow><mo>";
        AppendEscaped(out, n.open);
        out += "</mo>";
        for (const TsNode &k : n.kids)
            AppendNode(out, k);
        out += "<mo>";
        AppendEscaped(out, n.close);
        out += "</mo></mrow>";
        break;
    case TsKind::Fraction:
        out += "<mfrac>";
        AppendRow(out, n.kids[0]);
        AppendRow(out, n.kids[1]);
        out += "</mfrac>";
        break;
    case TsKind::Power:
        out += "<msup>";
        AppendNode(out, n.kids[0]);
        AppendRow(out, n.kids[1]);
        out += "</msup>";
        break;
    case TsKind::Root:
        out += "<msqrt>";
        AppendRow(out, n.kids[0]);
        out += "</msqrt>";
        break;
    case TsKind::Index:
        out += "<msub>";
        AppendNode(out, n.kids[0]);
        AppendNode(out, n.kids[1]);
        out += "</msub>";
        break;
    }
}

void AppendMath(std::string &out, const std::vector<TsNode> &nodes, std::size_t from, std::size_t to)
{
    out += "<math xmlns=\"http://www.w3.org/1998/Math/MathML\">";
    for (std::size_t i = from; i < to; ++i)
        AppendNode(out, nodes[i]);
    out += "</math>";
}

// The mark beside a step of a marked copy: a green ✓ or a red ✗ in a cell of its own.
void AppendMark(std::string &out, TsMark mark)
{
    if (mark == TsMark::Right)
        out += "<td class=\"mark right\" style=\"color:#1a7f37;padding-left:1em\">\xE2\x9C\x93</td>";
    else if (mark == TsMark::Wrong)
        out += "<td class=\"mark wrong\" style=\"color:#c62828;padding-left:1em\">\xE2\x9C\x97</td>";
}

void AppendLine(std::string &out, const TsLine &line, bool blockHasLabels, TsMark mark)
{
    if (line.mark == TsMark::Right)
        return; // shown as the ✓ beside the step above
    if (line.mark == TsMark::Wrong) {
        // The sentence of a wrong step, in the text colour; its ✗ stands beside the step above.
        out += "<tr><td colspan=\"" + std::to_string(blockHasLabels ? 3 : 2) + "\" class=\"note\">";
        AppendEscaped(out, TsPlainText(line.body));
        out += "</td></tr>\n";
        return;
    }
    const int columns = blockHasLabels ? 3 : 2;
    out += "<tr>";
    if (line.untypeset) {
        // As typed, with the sentence that says why: a few bytes for each byte of the line.
        out += "<td colspan=\"" + std::to_string(columns) + "\" class=\"plain\">";
        AppendEscaped(out, TsPlainText(line.body));
        if (!line.plain.empty()) {
            out += "<span class=\"note\">";
            AppendEscaped(out, line.plain);
            out += "</span>";
        }
        out += "</td>";
    } else if (line.grid) {
        out += "<td colspan=\"" + std::to_string(columns) + "\"><pre>";
        AppendEscaped(out, TsPlainText(line.body));
        out += "</pre></td>";
    } else {
        const std::vector<TsNode> &kids = line.body.kids;
        std::size_t relation = kids.size();
        if (line.aligned) {
            for (std::size_t i = 0; i < kids.size(); ++i)
                if (kids[i].kind == TsKind::Sign && TsIsRelation(kids[i].text)) {
                    relation = i;
                    break;
                }
        }
        if (relation < kids.size()) {
            // Leading blanks only placed the sign in the plain text; the table lines it up here.
            std::size_t from = 0;
            while (from < relation && kids[from].kind == TsKind::Blank)
                ++from;
            out += "<td class=\"lhs\">";
            if (from < relation)
                AppendMath(out, kids, from, relation);
            out += "</td><td class=\"rhs\">";
            AppendMath(out, kids, relation, kids.size());
            out += "</td>";
        } else {
            out += "<td colspan=\"2\">";
            AppendMath(out, kids, 0, kids.size());
            out += "</td>";
        }
        if (blockHasLabels) {
            out += "<td class=\"label\">";
            if (!line.label.kids.empty())
                AppendMath(out, line.label.kids, 0, line.label.kids.size());
            out += "</td>";
        }
    }
    AppendMark(out, mark);
    out += "</tr>\n";
}

} // namespace

std::string TypesetToMathML(const TsDocument &document)
{
    std::string out = "<div class=\"qimbel-typeset\">\n";
    const std::vector<TsLine> &lines = document.lines;
    for (std::size_t i = 0; i < lines.size();) {
        if (lines[i].block == 0) {
            out += "<div class=\"gap\"></div>\n";
            ++i;
            continue;
        }
        std::size_t j = i;
        bool labels = false;
        while (j < lines.size() && lines[j].block == lines[i].block) {
            labels = labels || !lines[j].label.kids.empty();
            ++j;
        }
        out += "<table class=\"block\">\n";
        for (std::size_t k = i; k < j; ++k)
            AppendLine(out, lines[k], labels,
                k + 1 < lines.size() && lines[k].mark == TsMark::None ? lines[k + 1].mark : TsMark::None);
        out += "</table>\n";
        i = j;
    }
    out += "</div>\n";
    return out;
}

std::string TypesetToMathML(const std::string &gbkText) { return TypesetToMathML(ReadTypeset(gbkText)); }

std::string TypesetToMathMLDocument(const std::string &gbkText, bool divisionBars)
{
    return "<!DOCTYPE html>\n"
           "<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"zh-CN\">\n"
           "<head>\n<meta charset=\"utf-8\"/>\n<title>Qimbel</title>\n"
           "<style>\n"
           "body { font-family: serif; font-size: 18px; }\n"
           ".qimbel-typeset table.block { border-collapse: collapse; margin: 0; }\n"
           ".qimbel-typeset td { padding: 0.15em 0; vertical-align: middle; white-space: nowrap; }\n"
           ".qimbel-typeset td.lhs { text-align: right; }\n"
           ".qimbel-typeset td.label { padding-left: 2em; }\n"
           ".qimbel-typeset pre { margin: 0; font-family: monospace; }\n"
           ".qimbel-typeset div.gap { height: 1em; }\n"
           ".qimbel-typeset math { font-size: 1em; }\n"
           ".qimbel-typeset td.plain { white-space: pre-wrap; word-break: break-all; }\n"
           "</style>\n</head>\n<body>\n"
        + TypesetToMathML(ReadTypeset(gbkText, divisionBars)) + "</body>\n</html>\n";
}

} // namespace qimbel
