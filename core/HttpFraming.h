#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How the body of one HTTP answer is delimited, read from its field lines. Whoever takes a
// body as whole asks this one reading, so a length the client trusted is the length the file
// check trusts.
namespace core {

struct AnswerFraming {
    // False when the field lines cannot delimit a body: a Content-Length that is not a list of
    // equal decimal numbers, or a field name with a blank in it. Such an answer is refused.
    bool valid = true;
    long long length = -1;      // the Content-Length; -1: none given
    bool transferCoded = false; // a transfer coding other than identity (chunks and the like)
};

// Field lines are "Name: value", folded continuations already joined.
AnswerFraming ReadFraming(const std::vector<std::string>& fieldLines);

// A Content-Length value: decimal digit runs separated by commas, blanks or tabs around each
// member, every member the same number. Nothing for anything else.
std::optional<long long> ContentLengthValue(std::string_view value);

// A line of an answer's header that starts with a blank or a tab continues the line before it.
bool IsFoldedLine(std::string_view line);
// The field line with its continuation: one blank in place of the line break and the indent.
std::string JoinFoldedLine(const std::string& field, std::string_view continuation);

} // namespace core
