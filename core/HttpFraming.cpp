#include "core/HttpFraming.h"

#include "core/HttpText.h"

#include <algorithm>
#include <limits>

namespace core {

namespace {

bool Blank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && Blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && Blank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<long long> DigitRun(std::string_view text) {
    if (text.empty()) return std::nullopt;
    long long n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        const int d = c - '0';
        // A length beyond what a file offset holds is no length.
        if (n > (std::numeric_limits<long long>::max() - d) / 10) return std::nullopt;
        n = n * 10 + d;
    }
    return n;
}

} // namespace

std::optional<long long> ContentLengthValue(std::string_view value) {
    std::optional<long long> length;
    for (;;) {
        const auto comma = value.find(',');
        const std::optional<long long> n = DigitRun(Trimmed(value.substr(0, comma)));
        if (!n || (length && *n != *length)) return std::nullopt;
        length = n;
        if (comma == std::string_view::npos) return length;
        value.remove_prefix(comma + 1);
    }
}

AnswerFraming ReadFraming(const std::vector<std::string>& fieldLines) {
    AnswerFraming f;
    for (const std::string& line : fieldLines) {
        const std::optional<HeaderField> field = SplitHeaderLine(line);
        if (!field) continue;
        const std::string& name = field->name;
        // "Content-Length : 5" is no field a sender may write; taken either way it could
        // hide or invent a length.
        if (std::any_of(name.begin(), name.end(), Blank)) {
            f.valid = false;
            return f;
        }
        const std::string_view value = Trimmed(field->value);
        if (name == "content-length") {
            const std::optional<long long> n = ContentLengthValue(value);
            if (!n || (f.length >= 0 && *n != f.length)) {
                f.valid = false;
                return f;
            }
            f.length = *n;
        } else if (name == "transfer-encoding") {
            f.transferCoded = f.transferCoded || ToLower(std::string(value)) != "identity";
        }
    }
    return f;
}

bool IsFoldedLine(std::string_view line) {
    return !line.empty() && Blank(line.front());
}

std::string JoinFoldedLine(const std::string& field, std::string_view continuation) {
    std::string_view head = field;
    while (!head.empty() && Blank(head.back())) head.remove_suffix(1);
    return std::string(head) + " " + std::string(Trimmed(continuation));
}

} // namespace core
