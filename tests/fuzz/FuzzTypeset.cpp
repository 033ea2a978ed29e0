// The typesetter (--format html and the browser's page) on worked texts: the first byte chooses a
// problem type whose page computes the rest of the input first, or (0) the input typeset as it
// is. The tree reads back the text byte for byte, and the output stays within a few bytes for each
// byte of the text.
#include "FuzzInput.h"

#include "pages/Headless.h"
#include "typeset/TypesetMathML.h"
#include "typeset/TypesetTree.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const int types[] = {0, 7, 8, 9, 10, 20, 21, 22, 23, 25, 26, 27, 29, 30, 31, 32, 33};
    const int type = types[data[0] % std::size(types)];
    // A text to typeset as it is may be longer than a line typeset whole; a problem to compute
    // first is kept short, for speed.
    if (size > (type == 0 ? 20000u : 3000u))
        return 0;
    std::string text = qimbel::fuzz::Rest(data, size);
    if (type != 0) {
        qimbel::HeadlessRequest request;
        request.type = type;
        request.level = qimbel::fuzz::LevelOf(static_cast<std::uint8_t>(data[0] / std::size(types)));
        request.mark = (data[0] & 0x80) != 0 && type != 31 && type != 32 && type != 33 && type != 10;
        text = qimbel::RunHeadless(request, text);
    }
    const qimbel::TsDocument document = qimbel::ReadTypeset(text);
    if (qimbel::TsPlainText(document) != text)
        qimbel::fuzz::Fail("the typeset tree does not read back the text");
    const std::string html = qimbel::TypesetToMathMLDocument(text);
    // About twenty bytes of MathML for each typeset byte at most, a few for plain text.
    const std::size_t typeset = std::min(text.size(), qimbel::kMostTypesetText);
    if (html.size() > 40 * typeset + 4 * text.size() + 4096)
        qimbel::fuzz::Fail("typeset output out of proportion to the text");
    return 0;
}
