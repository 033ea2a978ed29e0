// Reads a file Qimbel kept (the session, the chart and graph pages' state) from front to back:
// lines and length-prefixed texts. Every read fails once anything was out of place.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace qimbel {

class KeptFileReader {
public:
    // longestLine: a line longer than this is no line the program wrote.
    explicit KeptFileReader(const std::string &bytes, std::size_t longestLine = std::string::npos)
        : bytes_(bytes)
        , longestLine_(longestLine)
    {
    }

    // The next line without its LF.
    std::optional<std::string> Line()
    {
        const std::size_t end = bytes_.find('\n', at_);
        if (end == std::string::npos || end - at_ > longestLine_)
            return std::nullopt;
        std::string line = bytes_.substr(at_, end - at_);
        at_ = end + 1;
        return line;
    }

    // `count` bytes followed by an LF.
    std::optional<std::string> Bytes(std::size_t count)
    {
        if (count >= bytes_.size() - at_ || bytes_[at_ + count] != '\n')
            return std::nullopt;
        std::string text = bytes_.substr(at_, count);
        at_ += count + 1;
        return text;
    }

    bool AtEnd() const { return at_ == bytes_.size(); }

private:
    const std::string &bytes_;
    std::size_t longestLine_;
    std::size_t at_ = 0;
};

} // namespace qimbel
