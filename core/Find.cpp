#include "core/Find.h"

#include "core/NumberRoutines.h"

namespace core {

std::string CleanFindText(std::string_view text) {
    std::string out;
    for (char c : text) {
        const char k = (c >= '0' && c <= '9') ? c : ' ';
        if (k == ' ' && !out.empty() && out.back() == ' ') continue;
        out += k;
    }
    return out;
}

std::vector<std::string> FindLines(const DrawStore& store, std::string_view cleaned, int perDraw) {
    std::uint8_t query[45];
    ParseNumbers(cleaned, query, 45);
    std::vector<std::string> lines;
    lines.reserve(store.DrawCount);
    for (int p = 0; p < store.DrawCount; ++p) {
        const Draw& d = store[p];
        int k = 0;
        std::string hits;
        for (int j = 0; j < 45; ++j) {
            if (query[j] == 0) continue;
            for (int m = 0; m < perDraw; ++m) {
                if (query[j] == d[m]) {
                    ++k;
                    hits += " " + std::to_string(d[m]);
                }
            }
        }
        const std::string number = std::to_string(store.DrawCount - p);
        lines.push_back(k == 0 ? number + ":0" : number + ":" + std::to_string(k) + " --> " + hits);
    }
    return lines;
}

std::string FindCaption(Lang lang) {
    return Tr(lang, "Поиск номеров в предыдущих тиражах",
              "Draws where selected numbers were found");
}

} // namespace core
