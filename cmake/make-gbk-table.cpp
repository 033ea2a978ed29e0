// make-gbk-table: writes the GBK <-> Unicode tables of solver/GbkUnicode.cpp from the iconv of the
// build machine. Built and run by the host compiler at build time (cmake/GbkTable.cmake), also in
// the WebAssembly build, whose own libc has no GBK.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <iconv.h>
#include <string>
#include <vector>

namespace {

// The code point of one GBK character, or 0 when iconv does not take it.
std::uint32_t Decode(iconv_t cd, const std::string &gbk)
{
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string in = gbk;
    char *inPtr = in.data();
    std::size_t inLeft = in.size();
    unsigned char out[16];
    char *outPtr = reinterpret_cast<char *>(out);
    std::size_t outLeft = sizeof out;
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0)
        return 0;
    if (sizeof out - outLeft != 4)
        return 0;
    return std::uint32_t(out[0]) << 24 | std::uint32_t(out[1]) << 16 | std::uint32_t(out[2]) << 8 | out[3];
}

// The GBK bytes of one code point, empty when iconv has none.
std::string Encode(iconv_t cd, std::uint32_t code)
{
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char in[4] = {char(code >> 24), char(code >> 16 & 0xFF), char(code >> 8 & 0xFF), char(code & 0xFF)};
    char *inPtr = in;
    std::size_t inLeft = sizeof in;
    char out[16];
    char *outPtr = out;
    std::size_t outLeft = sizeof out;
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0)
        return {};
    return std::string(out, sizeof out - outLeft);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2 || std::freopen(argv[1], "w", stdout) == nullptr) {
        std::fprintf(stderr, "usage: make-gbk-table OUTPUT\n");
        return 2;
    }
    iconv_t decode = iconv_open("UTF-32BE", "GBK");
    iconv_t encode = iconv_open("GBK", "UTF-32BE");
    if (decode == reinterpret_cast<iconv_t>(-1) || encode == reinterpret_cast<iconv_t>(-1)) {
        std::fprintf(stderr, "make-gbk-table: this iconv has no GBK\n");
        return 1;
    }
    std::printf("// Written by cmake/make-gbk-table.cpp from the build machine's iconv. Do not edit.\n");
    // Single bytes 0x80-0xFF: the code point, 0 when the byte is no character of its own.
    std::printf("static const unsigned short kGbkSingle[128] = {");
    for (int b = 0x80; b <= 0xFF; ++b)
        std::printf("%s%u", b == 0x80 ? "" : ",", unsigned(Decode(decode, std::string(1, char(b)))));
    std::printf("};\n");
    // Two bytes: lead 0x81-0xFE, trail 0x40-0xFE; 0 when iconv does not take the pair.
    std::printf("static const unsigned short kGbkDouble[126 * 191] = {\n");
    int count = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const std::uint32_t code = Decode(decode, std::string{char(lead), char(trail)});
            if (code > 0xFFFF) {
                std::fprintf(stderr, "make-gbk-table: GBK %02X%02X is outside the BMP\n", lead, trail);
                return 1;
            }
            std::printf("%u,%s", unsigned(code), ++count % 24 == 0 ? "\n" : "");
        }
    }
    std::printf("};\n");
    // Encoding: every BMP code point that iconv writes as GBK bytes, in order, with its bytes
    // (one byte in the high half only when the character is a single byte).
    std::vector<std::pair<std::uint32_t, std::string>> pairs;
    for (std::uint32_t code = 0x80; code <= 0xFFFF; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF)
            continue;
        std::string bytes = Encode(encode, code);
        if (!bytes.empty())
            pairs.emplace_back(code, bytes);
    }
    std::printf("static const unsigned short kUnicodeToGbk[%zu][2] = {\n", pairs.size());
    count = 0;
    for (const auto &[code, bytes] : pairs) {
        unsigned value = bytes.size() == 1 ? unsigned(static_cast<unsigned char>(bytes[0]))
                                           : unsigned(static_cast<unsigned char>(bytes[0])) << 8
                | static_cast<unsigned char>(bytes[1]);
        std::printf("{%u,%u},%s", unsigned(code), value, ++count % 8 == 0 ? "\n" : "");
    }
    std::printf("};\n");
    iconv_close(decode);
    iconv_close(encode);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
