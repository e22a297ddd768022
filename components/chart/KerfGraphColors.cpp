#include "components/chart/KerfGraphColors.h"

#include <cctype>
#include <cstdio>
#include <string_view>

namespace kerfgraph {

namespace {

struct NamedColor {
    std::string_view name;
    core::TColor color;
};

constexpr NamedColor kNames[] = {
    {"clBlack", core::clBlack}, {"clMaroon", core::clMaroon},   {"clGreen", core::clGreen},
    {"clOlive", core::clOlive}, {"clNavy", core::clNavy},       {"clPurple", core::clPurple},
    {"clTeal", core::clTeal},   {"clGray", core::clGray},       {"clSilver", core::clSilver},
    {"clRed", core::clRed},     {"clLime", core::clLime},       {"clYellow", core::clYellow},
    {"clBlue", core::clBlue},   {"clFuchsia", core::clFuchsia}, {"clAqua", core::clAqua},
    {"clWhite", core::clWhite}, {"clNone", core::clNone},
};

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

std::string SchemeStore::ReadString(const std::string&, const std::string&,
                                    const std::string& defaultValue) const {
    return defaultValue;
}

void SchemeStore::WriteString(const std::string&, const std::string&, const std::string&) {}

std::string DefaultSchemeColor(int index) {
    switch (index) {
    case -2:
    case -1:
        return "clWhite";
    case 0:
        return "clBlack";
    case 1:
        return "clLime";
    case 2:
        return "clBlue";
    case 3:
        return "clRed";
    case 4:
        return "clGreen";
    case 5:
        return "clMaroon";
    case 6:
        return "clOlive";
    case 7:
        return "clSilver";
    case 8:
        return "clTeal";
    case 9:
        return "clBlack";
    case 10:
        return "clAqua";
    default:
        // Above 10 (and the unused indices below -2).
        return "$00888888";
    }
}

core::TColor StringToColor(const std::string& text) {
    for (const auto& n : kNames)
        if (EqualNoCase(n.name, text)) return n.color;
    if (!text.empty() && text[0] == '$') {
        core::TColor v = 0;
        if (text.size() < 2) return core::clBlack;
        for (std::size_t i = 1; i < text.size(); ++i) {
            const int c = std::tolower(static_cast<unsigned char>(text[i]));
            int d;
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else
                return core::clBlack;
            v = (v << 4) | static_cast<core::TColor>(d);
        }
        return v;
    }
    if (!text.empty()) {
        core::TColor v = 0;
        for (char ch : text) {
            if (ch < '0' || ch > '9') return core::clBlack;
            v = v * 10 + static_cast<core::TColor>(ch - '0');
        }
        return v;
    }
    return core::clBlack;
}

std::string ColorToString(core::TColor color) {
    for (const auto& n : kNames)
        if (n.color == color) return std::string(n.name);
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(color));
    return buf;
}

} // namespace kerfgraph
