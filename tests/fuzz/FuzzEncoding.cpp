// The GBK <-> UTF-8 conversion of qimbel-cli on arbitrary bytes, both ways. Text that converts
// must come back unchanged from the round trip (line ends aside).
#include "FuzzInput.h"

#include "cli/Encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const bool hasLineEnds = bytes.find_first_of("\r\n") != std::string::npos;

    const std::optional<std::string> gbk = qimbel::Utf8ToGbkText(bytes);
    if (gbk) {
        const std::optional<std::string> back = qimbel::GbkToUtf8Text(*gbk);
        if (!back)
            qimbel::fuzz::Fail("converted GBK does not read back");
        if (!hasLineEnds && *back != bytes)
            qimbel::fuzz::Fail("UTF-8 -> GBK -> UTF-8 changed the text");
    }

    const std::optional<std::string> utf8 = qimbel::GbkToUtf8Text(bytes);
    if (utf8.has_value() != qimbel::IsValidGbk(bytes))
        qimbel::fuzz::Fail("GBK validity and conversion disagree");
    return 0;
}
