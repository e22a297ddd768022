#include "core/DrawFile.h"

#include "core/Format.h"
#include "core/GridColumns.h"
#include "core/NumberRoutines.h"
#include "core/Sentence.h"
#include "core/TextLines.h"

#include <algorithm>

namespace core {

std::vector<std::string> DrawFileLines(std::string_view text) {
    // Common editors start a UTF-8 file with a byte-order mark.
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    if (text.starts_with(kMark)) text.remove_prefix(kMark.size());
    return SplitTextLines(text);
}

bool IsDrawLine(std::string_view line, int perDraw) {
    int tokens = 0;
    bool inToken = false;
    for (char c : line) {
        if (c == ' ') {
            inToken = false;
        } else if (c >= '0' && c <= '9') {
            if (!inToken) ++tokens;
            inToken = true;
        } else {
            return false;
        }
    }
    return tokens == perDraw;
}

namespace {

bool AllOf(std::string_view text, bool (*ok)(char)) {
    for (char c : text)
        if (!ok(c)) return false;
    return true;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Trim as the loader knows it: every character up to the blank goes at both ends.
std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return s;
}

} // namespace

bool ParseDrawLine(std::string_view line, std::string& numbers, std::string& date,
                   std::string& drawNumber) {
    numbers.clear();
    date.clear();
    drawNumber.clear();
    // One leading blank, control characters as blanks, runs of blanks as one.
    std::string text = " ";
    for (char c : Trimmed(line)) {
        const char k = static_cast<unsigned char>(c) < 32 ? ' ' : c;
        if (k == ' ' && text.back() == ' ') continue;
        text += k;
    }
    int blanks = 0;
    for (std::size_t i = text.size(); i-- > 0;) {
        if (text[i] != ' ' || ++blanks < 5) continue;
        numbers = text.substr(i + 1);
        text = text.substr(1, i);
        break;
    }
    // Without a fifth blank the text still starts with its blank: the draw number is empty.
    const std::size_t firstBlank = text.find(' ');
    drawNumber = text.substr(0, firstBlank);
    if (firstBlank != std::string::npos) date = std::string(Trimmed(text.substr(firstBlank + 1)));
    if (!AllOf(drawNumber, IsDigit)) return false;
    if (!AllOf(date, [](char c) { return IsDigit(c) || c == '.'; })) return false;
    if (!AllOf(numbers, [](char c) { return IsDigit(c) || c == ' '; })) return false;
    return !drawNumber.empty() && !date.empty() && !numbers.empty();
}

namespace {

// Numbers of a line that passed IsDrawLine; false when one is outside 1..pool or repeated, or
// its field is longer than a 32-bit number may be written.
bool ReadDraw(std::string_view line, const Game& game, Draw& draw) {
    draw = Draw{};
    std::vector<bool> seen(game.pool + 1, false);
    int k = 0;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ') ++i;
        long long v = 0;
        std::size_t digits = 0;
        while (i < line.size() && line[i] != ' ') {
            v = v * 10 + (line[i] - '0');
            if (v > game.pool || ++digits > MaxNumberField) return false;
            ++i;
        }
        if (digits == 0) break;
        if (v < 1 || seen[v] || k >= game.perDraw) return false;
        seen[v] = true;
        draw[k++] = static_cast<std::uint8_t>(v);
    }
    if (k != game.perDraw) return false;
    SortNumbers(draw.data(), game.perDraw);
    return true;
}

} // namespace

namespace {

// A line by the rules into its draw (and its label under the draw-number-and-date rule).
bool ReadLine(std::string_view line, const DrawFileRules& rules, Draw& draw, DrawLabel& label) {
    if (rules.rule == LineRule::Numbers)
        return IsDrawLine(line, rules.game.perDraw) && ReadDraw(line, rules.game, draw);
    std::string numbers;
    if (!ParseDrawLine(line, numbers, label.date, label.drawNumber)) return false;
    if (label.drawNumber.size() > MaxNumberField) return false;
    return IsDrawLine(numbers, rules.game.perDraw) && ReadDraw(numbers, rules.game, draw);
}

} // namespace

bool IsValidDrawLine(std::string_view line, const DrawFileRules& rules) {
    Draw d;
    DrawLabel label;
    return ReadLine(line, rules, d, label);
}

LoadReport LoadDrawLines(const std::vector<std::string>& lines, const DrawFileRules& rules,
                         DrawStore& store) {
    LoadReport report;
    std::vector<Draw> draws;
    draws.reserve(std::min<std::size_t>(lines.size(), MaxDraws));
    const bool labelled = rules.rule == LineRule::NumberDateNumbers;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Draw d;
        DrawLabel label;
        if (!ReadLine(lines[i], rules, d, label)) {
            report.incorrectLines.push_back(static_cast<int>(i) + 1);
        } else if (static_cast<int>(draws.size()) < MaxDraws) {
            draws.push_back(d);
            if (labelled) report.labels.push_back(std::move(label));
        } else {
            ++report.leftOut;
        }
    }
    std::reverse(report.incorrectLines.begin(), report.incorrectLines.end());
    if (draws.empty()) {
        if (rules.emptyFileClears) {
            store.DrawCount = 0;
            report.emptied = true;
        }
        return report;
    }
    for (std::size_t q = 0; q < draws.size(); ++q) store.PutDraw(draws[q], static_cast<int>(q));
    store.DrawCount = static_cast<int>(draws.size());
    report.loaded = store.DrawCount;
    return report;
}

std::string LoadMessage(const LoadReport& report, Lang lang) {
    std::string text;
    if (!report.incorrectLines.empty()) {
        // A box must stay on the screen with its OK button: name the first few, count the rest.
        const std::size_t listed = std::min(report.incorrectLines.size(), MaxListedLines);
        std::string numbers;
        for (std::size_t i = 0; i < listed; ++i)
            numbers += std::to_string(report.incorrectLines[i]) + " ";
        if (const std::size_t more = report.incorrectLines.size() - listed; more > 0)
            numbers += Sentence{"… и ещё %1", "… and %1 more"}(lang, more);
        text = Sentence{"Ошибка в строках: %1", "Error - incorrect lines: %1"}(lang, numbers);
    }
    if (report.leftOut > 0) {
        if (!text.empty()) text += "\r\n\r\n";
        text += Sentence{"Загружены последние %1 тиражей; более старые строки не загружены: %2",
                         "Only the newest %1 draws were loaded; older lines left out: %2"}(
            lang, MaxDraws, report.leftOut);
    }
    return text;
}

int DrawSpan(Draw d, int perDraw) {
    return d[perDraw - 1] - d[0];
}

long double DrawAverage(Draw d, int perDraw) {
    double sum = 0;
    for (int i = 0; i < perDraw; ++i) sum += d[i];
    return sum * (1.0L / perDraw);
}

void DrawDeltas(Draw& d, int perDraw) {
    for (int i = 0; i + 1 < perDraw; ++i) d[i] = static_cast<std::uint8_t>(d[i + 1] - d[i]);
}

int CountOdd(const Draw& d, int n) {
    int c = 0;
    for (int i = 0; i < n; ++i) c += d[i] % 2;
    return c;
}

int CountEven(const Draw& d, int n) {
    return n - CountOdd(d, n);
}

int CountEqualPairs(const Draw& a, const Draw& b, int perDraw) {
    int c = 0;
    for (int k = 0; k < perDraw; ++k)
        for (int m = 0; m < perDraw; ++m) c += a[k] == b[m];
    return c;
}

std::vector<std::string> MainGridRow(const DrawStore& store, int index, const Game& game,
                                     const DrawLabel* label) {
    std::vector<std::string> cells(MainGridColumns);
    for (int c = 0; c < MainGridColumns; ++c)
        WriteMainGridCell(store, index, game, label, c, cells[c]);
    return cells;
}

} // namespace core
