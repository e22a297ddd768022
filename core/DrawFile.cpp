#include "core/DrawFile.h"

#include "core/Format.h"
#include "core/NumberRoutines.h"

#include <algorithm>

namespace core {

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

// Numbers of a line that passed IsDrawLine; false when one is outside 1..pool or repeated.
bool ReadDraw(std::string_view line, const Game& game, Draw& draw) {
    draw = Draw{};
    std::vector<bool> seen(game.pool + 1, false);
    int k = 0;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ') ++i;
        long long v = 0;
        bool any = false;
        while (i < line.size() && line[i] != ' ') {
            v = v * 10 + (line[i] - '0');
            any = true;
            if (v > game.pool) return false;
            ++i;
        }
        if (!any) break;
        if (v < 1 || seen[v] || k >= game.perDraw) return false;
        seen[v] = true;
        draw[k++] = static_cast<std::uint8_t>(v);
    }
    if (k != game.perDraw) return false;
    SortNumbers(draw.data(), game.perDraw);
    return true;
}

} // namespace

bool IsValidDrawLine(std::string_view line, const Game& game) {
    Draw d;
    return IsDrawLine(line, game.perDraw) && ReadDraw(line, game, d);
}

LoadReport LoadDrawLines(const std::vector<std::string>& lines, const Game& game,
                         DrawStore& store) {
    LoadReport report;
    std::vector<Draw> draws;
    draws.reserve(std::min<std::size_t>(lines.size(), MaxDraws));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Draw d;
        if (!IsDrawLine(lines[i], game.perDraw) || !ReadDraw(lines[i], game, d)) {
            report.incorrectLines.push_back(static_cast<int>(i) + 1);
        } else if (static_cast<int>(draws.size()) < MaxDraws) {
            draws.push_back(d);
        } else {
            ++report.leftOut;
        }
    }
    std::reverse(report.incorrectLines.begin(), report.incorrectLines.end());
    if (draws.empty()) return report;
    for (std::size_t q = 0; q < draws.size(); ++q) store.PutDraw(draws[q], static_cast<int>(q));
    store.DrawCount = static_cast<int>(draws.size());
    report.loaded = store.DrawCount;
    return report;
}

std::string LoadMessage(const LoadReport& report, Lang lang) {
    std::string text;
    if (!report.incorrectLines.empty()) {
        text = Tr(lang, "Ошибка в строках: ", "Error - incorrect lines: ");
        // A box must stay on the screen with its OK button: name the first few, count the rest.
        const std::size_t listed = std::min(report.incorrectLines.size(), MaxListedLines);
        for (std::size_t i = 0; i < listed; ++i)
            text += std::to_string(report.incorrectLines[i]) + " ";
        if (const std::size_t more = report.incorrectLines.size() - listed; more > 0)
            text += lang == Lang::Russian ? "… и ещё " + std::to_string(more)
                                          : "… and " + std::to_string(more) + " more";
    }
    if (report.leftOut > 0) {
        if (!text.empty()) text += "\r\n\r\n";
        text +=
            lang == Lang::Russian
                ? "Загружены последние " + std::to_string(MaxDraws) +
                      " тиражей; более старые строки не загружены: " +
                      std::to_string(report.leftOut)
                : "Only the newest " + std::to_string(MaxDraws) +
                      " draws were loaded; older lines left out: " + std::to_string(report.leftOut);
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

std::vector<std::string> MainGridRow(const DrawStore& store, int index) {
    std::vector<std::string> cells(MainGridColumns);
    const Draw& d = store[index];
    cells[0] = std::to_string(store.DrawCount - index);
    for (int k = 0; k < 6; ++k) cells[2 + k] = std::to_string(d[k]);
    cells[9] = std::to_string(DrawSpan(d));
    int sum = 0;
    for (int k = 0; k < 6; ++k) sum += d[k];
    cells[10] = FormatRatio(sum, 6, 2);
    Draw deltas = d;
    DrawDeltas(deltas);
    for (int k = 0; k < 5; ++k) cells[12 + k] = std::to_string(deltas[k]);
    cells[18] = std::to_string(CountOdd(d, 6));
    cells[19] = std::to_string(CountEven(d, 6));
    cells[20] = std::to_string(sum);
    if (index + 1 < store.DrawCount)
        cells[21] = std::to_string(CountEqualPairs(d, store[index + 1]));
    return cells;
}

} // namespace core
