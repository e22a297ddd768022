#pragma once

#include "core/Lang.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// The stored value of line 1; anything but 1 and 2 means a normal window.
WindowState WindowStateFromValue(int value);
int WindowStateValue(WindowState state);

// A decimal integer as the settings file holds it: leading blanks, an optional sign, digits,
// within 32 bits. Nothing when the text is not such a number.
std::optional<int> ParseSettingsInt(std::string_view text);

// What a settings file yields, as far as it could be read. Reading stops at the first line
// that should be a number and is not; what came before stays. Login and password are the
// bytes as stored (code page 1251).
struct SettingsRead {
    std::optional<int> windowState; // the raw value of line 1
    std::optional<int> width, height, left, top;
    std::optional<Lang> language;
    std::optional<std::string> login, password;
};

SettingsRead ParseSettingsLines(const std::vector<std::string>& lines);

// Outer geometry of a window, or the screen area it may take.
struct WindowBox {
    int left = 0, top = 0, width = 0, height = 0;
};

// The smallest main window a settings file may ask for.
inline constexpr int MinWindowWidth = 200;
inline constexpr int MinWindowHeight = 150;

// Geometry from a settings file kept within the available screen area and not below the
// minimum size, so a damaged or foreign file cannot make a window larger than the screen or
// put it where it cannot be reached.
WindowBox KeepOnScreen(WindowBox wanted, const WindowBox& screen);

struct SettingsToWrite {
    WindowState state = WindowState::Normal;
    int width = 0, height = 0, left = 0, top = 0;
    Lang language = Lang::English; // stored as 1 for Russian, 0 for English
    std::string login, password;   // code page 1251 bytes
};

// Always exactly lineCount lines: eight with login and password, six without them. A line
// break inside login or password (which no edit lets through) becomes a blank so it cannot
// push the password out of its line.
std::vector<std::string> SettingsLines(const SettingsToWrite& values, int lineCount = 8);

} // namespace core
