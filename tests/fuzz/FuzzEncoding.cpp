// The GBK <-> UTF-8 conversion of qimbel-cli on arbitrary bytes, both ways. Text that converts
// must come back unchanged from the round trip (line ends aside), but for the tag characters
// U+E0000 to U+E007F, which it drops as iconv does.
#include "FuzzInput.h"

#include "cli/Encoding.h"

namespace {

// Valid UTF-8 without its tag characters (F3 A0 80 80 to F3 A0 81 BF).
std::string WithoutTags(const std::string &utf8)
{
    std::string kept;
    for (std::size_t i = 0; i < utf8.size();) {
        if (utf8.compare(i, 2, "\xF3\xA0") == 0 && i + 3 < utf8.size()
            && (utf8[i + 2] == '\x80' || utf8[i + 2] == '\x81')) {
            i += 4;
            continue;
        }
        kept += utf8[i++];
    }
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const bool hasLineEnds = bytes.find_first_of("\r\n") != std::string::npos;

    const std::optional<std::string> gbk = qimbel::Utf8ToGbkText(bytes);
    if (gbk) {
        const std::optional<std::string> back = qimbel::GbkToUtf8Text(*gbk);
        if (!back)
            qimbel::fuzz::Fail("converted GBK does not read back");
        if (!hasLineEnds && *back != WithoutTags(bytes))
            qimbel::fuzz::Fail("UTF-8 -> GBK -> UTF-8 changed the text");
    }

    const std::optional<std::string> utf8 = qimbel::GbkToUtf8Text(bytes);
    if (utf8.has_value() != qimbel::IsValidGbk(bytes))
        qimbel::fuzz::Fail("GBK validity and conversion disagree");
    return 0;
}
