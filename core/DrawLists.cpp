#include "core/DrawLists.h"

#include "core/BiText.h"
#include "core/NumberRoutines.h"
#include "core/Sentence.h"

#include <algorithm>
#include <cctype>

namespace core {

std::vector<std::string> DrawListLines(const DrawStore& store, const Game& game, bool oldestFirst) {
    std::vector<std::string> lines;
    const int count = std::clamp(store.DrawCount, 0, MaxDraws);
    lines.reserve(count);
    for (int k = 0; k < count; ++k) {
        const int index = oldestFirst ? count - 1 - k : k;
        lines.push_back(NumbersToText(store[index].data(), true, " ", game.perDraw, game.pool));
    }
    return lines;
}

std::vector<std::string> BinaryDrawLines(std::string_view bytes, int perDraw) {
    std::vector<std::string> lines;
    for (std::size_t pos = 0; pos < bytes.size(); pos += perDraw) {
        std::string line;
        const std::size_t end = std::min(bytes.size(), pos + perDraw);
        for (std::size_t i = pos; i < end; ++i) {
            if (i > pos) line += ' ';
            line += ZeroPad(static_cast<unsigned char>(bytes[i]), 10);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string ListFileName(const std::string& chosen) {
    const std::size_t slash = chosen.find_last_of('/');
    const std::size_t dot = chosen.find_last_of('.');
    std::string ext;
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
        ext = chosen.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".txt" ? chosen : chosen + ".txt";
}

std::string UniqueFileName(const std::string& path,
                           const std::function<bool(const std::string&)>& exists) {
    if (!exists(path)) return path;
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t first = name.find('.');
    const std::size_t last = name.rfind('.');
    const std::string base = name.substr(0, first);
    const std::string ext = last == std::string::npos ? "" : name.substr(last);
    for (long long n = 0;; ++n) {
        const std::string candidate = folder + base + "[" + std::to_string(n) + "]" + ext;
        if (!exists(candidate)) return candidate;
    }
}

int ExportCountAnswer(std::string_view answer, int drawCount) {
    std::string digits;
    for (char c : answer)
        if (c >= '0' && c <= '9') digits += c;
    int n = digits.empty() ? 20 : StrToInt(digits);
    if (n > drawCount) n = 20;
    return std::clamp(n, std::min(1, std::max(drawCount, 0)), std::max(drawCount, 0));
}

std::string ExportCaption(Lang lang) {
    return BiText{"Картинки в последних тиражах", "Charts in last draws"}(lang);
}

std::string ExportPrompt(Lang lang, int drawCount) {
    return Sentence{"Введите число тиражей 1..%1", "Enter number of last draws 1..%1"}(lang,
                                                                                       drawCount);
}

std::string ExportCancelText(Lang lang) {
    return BiText{"Отмена", "Cancel"}(lang);
}

std::string ExportSaveFailedMessage(Lang lang, const std::string& path, const std::string& reason) {
    if (reason.empty())
        return Sentence{"Не удалось сохранить файл %1", "Could not save file %1"}(lang, path);
    return Sentence{"Не удалось сохранить файл %1: %2", "Could not save file %1: %2"}(lang, path,
                                                                                      reason);
}

std::string ExportCancelledMessage(Lang lang, int written, const std::string& folder) {
    return Sentence{"Экспорт отменён; создано bmp файлов: %1; директория %2",
                    "Export cancelled; bmp files created: %1; directory %2"}(lang, written, folder);
}

std::string ExportDoneMessage(Lang lang, const std::string& folder) {
    return Sentence{"bmp файлы были созданы в директории %1",
                    "bmp files has been created in directory %1"}(lang, folder);
}

} // namespace core
