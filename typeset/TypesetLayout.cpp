#include "typeset/TypesetLayout.h"

#include "typeset/GbkUnicode.h"

#include <algorithm>

namespace qimbel {

namespace {

// A laid-out part: its glyphs and rules relative to its left end on the baseline (y down).
struct Piece {
    double width = 0, ascent = 0, descent = 0;
    std::vector<TsGlyphs> glyphs;
    std::vector<TsRule> rules;

    // Puts `p` with its left end on the baseline at (x, y).
    void Place(const Piece &p, double x, double y)
    {
        for (TsGlyphs g : p.glyphs) {
            g.x += x, g.y += y, g.baseline += y;
            glyphs.push_back(std::move(g));
        }
        for (TsRule r : p.rules) {
            r.x1 += x, r.x2 += x, r.y1 += y, r.y2 += y;
            rules.push_back(r);
        }
        ascent = std::max(ascent, p.ascent - y);
        descent = std::max(descent, p.descent + y);
    }
    // Appends `p` on the same baseline.
    void Append(const Piece &p)
    {
        Place(p, width, 0);
        width += p.width;
    }
};

bool IsRelationText(const std::string &t) { return TsIsRelation(t) || t == "≈"; }

bool IsBinaryText(const std::string &t)
{
    for (const char *r : {"＋", "－", "×", "÷", "±", "+", "-", "*"})
        if (t == r)
            return true;
    return false;
}

class Layout {
public:
    Layout(const TsMetrics &m, double size)
        : m_(m)
        , size_(size)
    {
    }

    Piece Glyphs(const std::string &utf8, TsFont font, double size, double before = 0, double after = 0) const
    {
        Piece p;
        const double w = m_.Advance(utf8, font, size);
        p.ascent = m_.Ascent(size);
        p.descent = m_.Descent(size);
        TsGlyphs g;
        g.x = before;
        g.y = -p.ascent;
        g.width = w;
        g.height = p.ascent + p.descent;
        g.text = utf8;
        g.font = font;
        g.size = size;
        p.glyphs.push_back(std::move(g));
        p.width = before + w + after;
        return p;
    }

    double BlankWidth(const std::string &blanks, double size) const
    {
        double cells = 0;
        for (char c : blanks)
            cells += c == '\t' ? 4 : 1;
        return cells * m_.Advance(" ", TsFont::Text, size);
    }

    Piece Sign(const std::string &gbk, double size, bool unary) const
    {
        const std::string shown = TsMathSign(gbk);
        double space = 0;
        if (IsRelationText(gbk))
            space = 0.28 * size;
        else if (IsBinaryText(gbk) && !unary)
            space = 0.2 * size;
        const double after = gbk == "," ? 0.25 * size : space;
        return Glyphs(shown, TsFont::Upright, size, space, after);
    }

    // A bracket as tall as what it encloses.
    Piece Bracket(const std::string &gbk, double size, double ascent, double descent) const
    {
        const double normal = m_.Ascent(size) + m_.Descent(size);
        const double tall = ascent + descent;
        if (tall <= normal * 1.1)
            return Glyphs(GbkToUtf8Lossy(gbk), TsFont::Upright, size);
        const double big = size * tall / normal;
        Piece p = Glyphs(GbkToUtf8Lossy(gbk), TsFont::Upright, big);
        // Shift it so that its box starts at the top of the contents; the piece is as tall as the
        // box, whatever the face's metrics make of the larger size.
        TsGlyphs &g = p.glyphs.front();
        const double shift = -ascent - g.y;
        g.y += shift, g.baseline += shift;
        p.ascent = std::max(ascent, -g.y);
        p.descent = std::max(descent, g.y + g.height);
        return p;
    }

    Piece Row(const std::vector<TsNode> &kids, double size) const
    {
        Piece row;
        bool unary = true;
        for (const TsNode &k : kids) {
            if (k.kind == TsKind::Sign) {
                row.Append(Sign(k.text, size, unary));
                unary = !(k.text == ")" || k.text == "]" || k.text == "}");
            } else {
                row.Append(Node(k, size));
                unary = k.kind == TsKind::Text;
            }
        }
        if (row.glyphs.empty() && row.rules.empty()) {
            row.ascent = std::max(row.ascent, m_.Ascent(size));
            row.descent = std::max(row.descent, m_.Descent(size));
        }
        return row;
    }

    Piece Node(const TsNode &n, double size) const
    {
        const double script = size_ * kTsScriptScale;
        switch (n.kind) {
        case TsKind::Text:
            return Glyphs(GbkToUtf8Lossy(n.text), TsFont::Text, size);
        case TsKind::Blank: {
            Piece p;
            p.width = BlankWidth(n.text, size);
            return p;
        }
        case TsKind::Number:
            return Glyphs(GbkToUtf8Lossy(n.text), TsFont::Upright, size);
        case TsKind::Name: {
            const bool letter = n.text.size() == 1;
            return Glyphs(GbkToUtf8Lossy(n.text), letter ? TsFont::Italic : TsFont::Upright, size);
        }
        case TsKind::Sign:
            return Sign(n.text, size, false);
        case TsKind::Row:
            return Row(n.kids, size);
        case TsKind::Fenced: {
            const Piece inner = Row(n.kids, size);
            Piece p;
            p.Append(Bracket(n.open, size, inner.ascent, inner.descent));
            p.Append(inner);
            p.Append(Bracket(n.close, size, inner.ascent, inner.descent));
            return p;
        }
        case TsKind::Fraction: {
            const Piece num = Node(n.kids[0], size);
            const Piece den = Node(n.kids[1], size);
            const double pad = 0.12 * size;
            const double axis = 0.3 * size;
            const double gap = 0.12 * size;
            const double thick = std::max(1.0, 0.06 * size);
            const double inner = std::max(num.width, den.width);
            Piece p;
            p.Place(num, pad + (inner - num.width) / 2, -axis - gap - num.descent);
            p.Place(den, pad + (inner - den.width) / 2, -axis + gap + den.ascent);
            p.rules.push_back({pad * 0.5, -axis, pad * 1.5 + inner, -axis, thick});
            p.width = inner + 2 * pad;
            return p;
        }
        case TsKind::Power: {
            const Piece base = Node(n.kids[0], size);
            const Piece exponent = Node(n.kids[1], script);
            Piece p;
            p.Append(base);
            const double raise = std::max(0.45 * size, base.ascent - 0.5 * exponent.ascent);
            p.Place(exponent, p.width + 0.05 * size, -raise);
            p.width += exponent.width + 0.1 * size;
            return p;
        }
        case TsKind::Index: {
            const Piece base = Node(n.kids[0], size);
            const Piece sub = Node(n.kids[1], script);
            Piece p;
            p.Append(base);
            p.Place(sub, p.width + 0.03 * size, 0.25 * size);
            p.width += sub.width + 0.06 * size;
            return p;
        }
        case TsKind::Root: {
            const Piece radicand = Node(n.kids[0], size);
            const double thick = std::max(1.0, 0.06 * size);
            const double sign = 0.55 * size;
            const double top = -(radicand.ascent + 0.1 * size);
            const double bottom = radicand.descent;
            Piece p;
            p.Place(radicand, sign + 0.05 * size, 0);
            const double mid = (top + bottom) / 2;
            p.rules.push_back({0.05 * size, mid, 0.2 * size, mid - 0.05 * size, thick});
            p.rules.push_back({0.2 * size, mid - 0.05 * size, 0.33 * size, bottom, thick});
            p.rules.push_back({0.33 * size, bottom, sign, top, thick});
            p.rules.push_back({sign, top, sign + radicand.width + 0.1 * size, top, thick});
            p.width = sign + radicand.width + 0.15 * size;
            p.ascent = std::max(p.ascent, -top + thick);
            p.descent = std::max(p.descent, bottom + thick / 2);
            return p;
        }
        }
        return {};
    }

    // A row set in as many rows as it takes to keep within `room`: it breaks between its parts
    // and inside a run of text, never inside a number, a fraction, a power or a radical.
    Piece WrappedRow(const std::vector<TsNode> &kids, double size, double room) const
    {
        std::vector<Piece> units;
        std::vector<char> blank;
        bool unary = true;
        for (const TsNode &k : kids) {
            if (k.kind == TsKind::Sign) {
                units.push_back(Sign(k.text, size, unary));
                blank.push_back(0);
                unary = !(k.text == ")" || k.text == "]" || k.text == "}");
                continue;
            }
            unary = k.kind == TsKind::Text;
            if (k.kind == TsKind::Text) {
                for (std::size_t pos = 0; pos < k.text.size();) {
                    const std::size_t n = DecodeGbkChar(k.text, pos).length;
                    units.push_back(
                        Glyphs(GbkToUtf8Lossy(std::string_view(k.text).substr(pos, n)), TsFont::Text, size));
                    blank.push_back(0);
                    pos += n;
                }
                continue;
            }
            units.push_back(Node(k, size));
            blank.push_back(k.kind == TsKind::Blank);
        }
        std::vector<Piece> rows(1);
        for (std::size_t i = 0; i < units.size(); ++i) {
            if (rows.back().width > 0 && rows.back().width + units[i].width > room) {
                rows.emplace_back();
                if (blank[i])
                    continue; // no row starts with blanks
            }
            rows.back().Append(units[i]);
        }
        Piece all;
        double y = 0;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            Piece &row = rows[r];
            row.ascent = std::max(row.ascent, m_.Ascent(size));
            row.descent = std::max(row.descent, m_.Descent(size));
            if (r > 0)
                y += rows[r - 1].descent + 0.3 * size + row.ascent;
            all.Place(row, 0, y);
            all.width = std::max(all.width, row.width);
        }
        return all;
    }

    // A line of column arithmetic: every byte one cell of the fixed-pitch face.
    Piece Grid(const std::string &gbk) const
    {
        const double cell = m_.Advance(" ", TsFont::Mono, size_);
        Piece p;
        p.ascent = m_.Ascent(size_);
        p.descent = m_.Descent(size_);
        std::size_t pos = 0;
        auto add = [&](std::size_t from, std::size_t to) {
            TsGlyphs g;
            g.x = from * cell;
            g.y = -p.ascent;
            g.width = (to - from) * cell;
            g.height = p.ascent + p.descent;
            g.text = GbkToUtf8Lossy(std::string_view(gbk).substr(from, to - from));
            g.font = TsFont::Mono;
            g.size = size_;
            p.glyphs.push_back(std::move(g));
        };
        while (pos < gbk.size()) {
            const unsigned char b = static_cast<unsigned char>(gbk[pos]);
            if (b == ' ' || b == '\t') {
                ++pos;
            } else if (b >= 0x80) {
                const std::size_t n = DecodeGbkChar(gbk, pos).length;
                add(pos, pos + n);
                pos += n;
            } else {
                std::size_t end = pos;
                while (end < gbk.size() && gbk[end] != ' ' && gbk[end] != '\t'
                    && static_cast<unsigned char>(gbk[end]) < 0x80)
                    ++end;
                add(pos, end);
                pos = end;
            }
        }
        p.width = gbk.size() * cell;
        return p;
    }

private:
    const TsMetrics &m_;
    double size_;
};

struct LinePieces {
    Piece body, label;
    double relation = -1; // x of the first relation sign of an aligned line
    double dx = 0;
};

} // namespace

TsDisplayList LayoutTypeset(const TsDocument &doc, const TsMetrics &m, double size, double margin, double width)
{
    // The room for the lines between the margins; 0 for no bound.
    const double room = width > 0 ? std::max(size, width - 2 * margin) : 0;
    Layout layout(m, size);
    const std::size_t n = doc.lines.size();
    std::vector<LinePieces> pieces(n);
    for (std::size_t i = 0; i < n; ++i) {
        const TsLine &line = doc.lines[i];
        LinePieces &lp = pieces[i];
        if (line.grid) {
            lp.body = layout.Grid(TsPlainText(line.body));
            continue;
        }
        if (line.mark != TsMark::None) {
            // The sign goes beside the step above; a wrong step's sentence stays on its own line.
            lp.body = layout.Row(line.body.kids, size);
            if (room > 0 && lp.body.width > room)
                lp.body = layout.WrappedRow(line.body.kids, size, room);
            continue;
        }
        const std::vector<TsNode> &kids = line.body.kids;
        if (line.aligned) {
            std::size_t from = 0;
            while (from < kids.size() && kids[from].kind == TsKind::Blank)
                ++from;
            std::size_t rel = from;
            while (rel < kids.size() && !(kids[rel].kind == TsKind::Sign && TsIsRelation(kids[rel].text)))
                ++rel;
            lp.body = layout.Row(std::vector<TsNode>(kids.begin() + from, kids.begin() + rel), size);
            lp.relation = lp.body.width;
            lp.body.Append(layout.Row(std::vector<TsNode>(kids.begin() + rel, kids.end()), size));
        } else {
            lp.body = layout.Row(kids, size);
            // A line wider than the view goes on in rows below: a long sentence, a long sum.
            if (room > 0 && lp.body.width > room)
                lp.body = layout.WrappedRow(kids, size, room);
        }
        if (!line.label.kids.empty()) {
            lp.label = layout.Row(line.label.kids, size);
            if (room > size && lp.label.width > room - size)
                lp.label = layout.WrappedRow(line.label.kids, size, room - size);
        }
    }
    // Equation chains: the relation signs under one another.
    for (std::size_t i = 0; i < n;) {
        if (!doc.lines[i].aligned) {
            ++i;
            continue;
        }
        std::size_t j = i;
        double rel = 0;
        while (j < n && doc.lines[j].aligned && doc.lines[j].block == doc.lines[i].block)
            rel = std::max(rel, pieces[j++].relation);
        for (std::size_t k = i; k < j; ++k)
            pieces[k].dx = rel - pieces[k].relation;
        i = j;
    }
    // Step labels: one column per block, right of the widest expression that has (or leads to) one.
    // Where that column would reach past the room, each of the block's labels goes on a row of its
    // own under its step.
    std::vector<double> labelX(n, 0);
    std::vector<char> labelUnder(n, 0);
    for (std::size_t i = 0; i < n;) {
        std::size_t j = i;
        double widest = 0, widestLabel = 0;
        bool any = false;
        while (j < n && doc.lines[j].block == doc.lines[i].block) {
            const bool labelled = !doc.lines[j].label.kids.empty();
            const bool leads
                = j + 1 < n && doc.lines[j + 1].block == doc.lines[j].block && !doc.lines[j + 1].label.kids.empty();
            if (!doc.lines[j].grid && (labelled || leads))
                widest = std::max(widest, pieces[j].dx + pieces[j].body.width);
            if (labelled)
                widestLabel = std::max(widestLabel, pieces[j].label.width);
            any = any || labelled;
            ++j;
        }
        if (doc.lines[i].block == 0)
            j = std::max(j, i + 1);
        const bool under = any && room > 0 && widest + 2 * size + widestLabel > room;
        for (std::size_t k = i; k < j && any; ++k) {
            labelX[k] = under ? size : widest + 2 * size;
            labelUnder[k] = under;
        }
        i = j;
    }

    // Marks: one column per block, right of the widest step that carries one.
    const auto markOf = [&doc, n](std::size_t i) {
        return i + 1 < n && doc.lines[i].mark == TsMark::None ? doc.lines[i + 1].mark : TsMark::None;
    };
    std::vector<double> markX(n, 0);
    for (std::size_t i = 0; i < n;) {
        std::size_t j = i;
        double widest = 0;
        while (j < n && (j == i || (doc.lines[j].block != 0 && doc.lines[j].block == doc.lines[i].block))) {
            if (markOf(j) != TsMark::None)
                widest = std::max(widest, pieces[j].dx + pieces[j].body.width);
            ++j;
        }
        for (std::size_t k = i; k < j; ++k)
            markX[k] = widest + size;
        i = j;
    }

    TsDisplayList list;
    const double lead = 0.3 * size;
    double y = margin;
    std::size_t offset = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const TsLine &line = doc.lines[i];
        LinePieces &lp = pieces[i];
        Piece whole;
        whole.ascent = m.Ascent(size);
        whole.descent = m.Descent(size);
        whole.Place(lp.body, lp.dx, 0);
        whole.width = lp.dx + lp.body.width;
        // The end of the step's own row, which the mark stands after.
        double rowEnd = whole.width;
        if (!line.label.kids.empty()) {
            if (labelUnder[i]) {
                whole.Place(lp.label, labelX[i], whole.descent + lead + lp.label.ascent);
                whole.width = std::max(whole.width, labelX[i] + lp.label.width);
            } else {
                whole.Place(lp.label, labelX[i], 0);
                whole.width = labelX[i] + lp.label.width;
                rowEnd = whole.width;
            }
        }
        if (const TsMark mark = markOf(i); mark != TsMark::None) {
            Piece sign = layout.Glyphs(mark == TsMark::Right ? "\xE2\x9C\x93" : "\xE2\x9C\x97", TsFont::Text, size);
            sign.glyphs.front().ink = mark == TsMark::Right ? TsInk::Right : TsInk::Wrong;
            double x = std::max(markX[i], rowEnd + size);
            if (room > 0 && x + sign.width > room)
                x = std::max(room - sign.width, rowEnd + 0.4 * size);
            whole.Place(sign, x, 0);
            whole.width = std::max(whole.width, x + sign.width);
        }
        TsLineBox box;
        box.x = margin;
        box.y = y;
        box.height = whole.ascent + whole.descent + lead;
        // A right step's mark line shows nothing of its own: its ✓ stands beside the step.
        if (line.mark == TsMark::Right)
            box.height = 0;
        box.width = whole.width;
        const double baseline = y + lead / 2 + whole.ascent;
        box.firstGlyph = list.glyphs.size();
        for (TsGlyphs g : whole.glyphs) {
            g.x += margin, g.y += baseline, g.baseline += baseline;
            box.width = std::max(box.width, g.x + g.width - margin);
            list.glyphs.push_back(std::move(g));
        }
        box.glyphCount = list.glyphs.size() - box.firstGlyph;
        for (TsRule r : whole.rules) {
            r.x1 += margin, r.x2 += margin, r.y1 += baseline, r.y2 += baseline;
            box.width = std::max({box.width, r.x1 - margin, r.x2 - margin});
            list.rules.push_back(r);
        }
        const std::size_t bytes = TsPlainText(line).size();
        box.begin = offset;
        box.end = offset + bytes;
        offset += bytes;
        list.lines.push_back(box);
        list.width = std::max(list.width, margin + box.width + margin);
        y += box.height;
    }
    list.height = y + margin;
    return list;
}

} // namespace qimbel
