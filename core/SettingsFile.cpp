#include "core/SettingsFile.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace core {

WindowState WindowStateFromValue(int value) {
    switch (value) {
    case 1:
        return WindowState::Minimized;
    case 2:
        return WindowState::Maximized;
    default:
        return WindowState::Normal;
    }
}

int WindowStateValue(WindowState state) {
    return static_cast<int>(state);
}

std::optional<int> ParseSettingsInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t{std::numeric_limits<int>::max()} + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(value);
}

SettingsRead ParseSettingsLines(const std::vector<std::string>& lines) {
    SettingsRead r;
    auto line = [&](std::size_t number) -> const std::string* {
        return number <= lines.size() ? &lines[number - 1] : nullptr;
    };
    // Each step needs its line to be a number; the first one that is not ends the reading.
    auto number = [&](std::size_t n, std::optional<int>& into) {
        const std::string* text = line(n);
        if (!text) return true;
        into = ParseSettingsInt(*text);
        return into.has_value();
    };
    if (!number(1, r.windowState)) return r;
    if (r.windowState != 2) {
        if (!number(2, r.width) || !number(3, r.height) || !number(4, r.left) || !number(5, r.top))
            return r;
    }
    std::optional<int> language;
    if (!number(6, language)) return r;
    if (language) r.language = (*language & 0xFF) != 0 ? Lang::Russian : Lang::English;
    if (const std::string* l = line(7)) r.login = *l;
    if (const std::string* p = line(8)) r.password = *p;
    return r;
}

namespace {

std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

} // namespace

std::vector<std::string> SettingsLines(const SettingsToWrite& v, int lineCount) {
    std::vector<std::string> lines{std::to_string(WindowStateValue(v.state)),
                                   std::to_string(v.width),
                                   std::to_string(v.height),
                                   std::to_string(v.left),
                                   std::to_string(v.top),
                                   v.language == Lang::Russian ? "1" : "0",
                                   OneLine(v.login),
                                   OneLine(v.password)};
    lines.resize(static_cast<std::size_t>(std::clamp(lineCount, 0, 8)));
    return lines;
}

WindowBox KeepOnScreen(WindowBox wanted, const WindowBox& screen) {
    const auto clamp = [](long long v, long long lo, long long hi) {
        return static_cast<int>(std::max(lo, std::min(v, hi)));
    };
    const int maxW = std::max(screen.width, 1), maxH = std::max(screen.height, 1);
    WindowBox b;
    b.width = clamp(wanted.width, std::min(MinWindowWidth, maxW), maxW);
    b.height = clamp(wanted.height, std::min(MinWindowHeight, maxH), maxH);
    b.left = clamp(wanted.left, screen.left, static_cast<long long>(screen.left) + maxW - b.width);
    b.top = clamp(wanted.top, screen.top, static_cast<long long>(screen.top) + maxH - b.height);
    return b;
}

} // namespace core
