#include "core/DrawUpdate.h"

#include "core/BiText.h"
#include "core/DrawFile.h"
#include "core/Sentence.h"

#include <cctype>

namespace core {

DrawDownload PrepareDrawDownload(const std::string& body, const DrawLineRule& isDrawLine) {
    DrawDownload d;
    bool allValid = true;
    for (const std::string& line : DrawFileLines(body)) {
        if (line.empty()) continue;
        if (d.lines > 0) d.fileBytes += "\r\n";
        d.fileBytes += line;
        ++d.lines;
        if (allValid && !isDrawLine(line)) allValid = false;
    }
    d.allDrawLines = allValid && d.lines > 0;
    return d;
}

int CountDrawLines(const std::vector<std::string>& lines, const DrawLineRule& isDrawLine) {
    int count = 0;
    for (const std::string& line : lines) count += isDrawLine(line);
    return count;
}

bool WholeFile(const TransferEnd& end, UnsizedBody unsized) {
    const AnswerFraming& f = end.framing;
    if (end.status != 200 || !f.valid || f.transferCoded) return false;
    if (f.length >= 0) return end.bodyBytes == f.length;
    return unsized == UnsizedBody::EndsWithClose ||
           (!end.body.empty() && (end.body.back() == '\n' || end.body.back() == '\r'));
}

std::optional<std::string> BackupName(const std::string& fileName,
                                      const std::function<bool(const std::string&)>& taken) {
    const std::string plain = fileName + ".bak";
    if (!taken(plain)) return plain;
    for (int n = 1; n <= 9999; ++n) {
        std::string name = plain + "[" + std::to_string(n) + "]";
        if (!taken(name)) return name;
    }
    return std::nullopt;
}

std::string UpdateSuccessMessage(const std::string& fileName, int draws, Lang lang) {
    return Sentence{"Файл с данными %1 был успешно обновлён\r\n\r\nТиражей: %2",
                    "File %1 has been updated successfully\r\n\r\nDraws: %2"}(lang, fileName,
                                                                              draws);
}

std::string BackupFailedMessage(const std::string& fileName, Lang lang) {
    return Sentence{"Не удалось сохранить копию файла %1; файл не обновлён",
                    "The old %1 could not be kept as a backup; the file was not updated"}(lang,
                                                                                          fileName);
}

std::string ShrinkQuestion(const std::string& fileName, int fileDraws, int downloadDraws,
                           Lang lang) {
    return Sentence{"Тиражей в файле %1: %2, в загруженном: %3. Заменить файл?",
                    "Draws in %1: %2, in the download: %3. Replace the file?"}(
        lang, fileName, fileDraws, downloadDraws);
}

std::string ShrinkCaption(Lang lang) {
    return BiText{"Обновление", "Update"}(lang);
}

std::string SaveFailedMessage(const std::string& fileName, Lang lang) {
    return Sentence{"Не удалось записать файл %1; файл не обновлён",
                    "The file %1 could not be written; the file was not updated"}(lang, fileName);
}

std::optional<std::string> VersionMessage(const std::string& body) {
    const std::vector<std::string> lines = SplitTextLines(body);
    if (lines.empty() || lines[0] == kBuildDate) return std::nullopt;
    constexpr std::size_t kLongestVersionLine = 64;
    if (lines[0].size() > kLongestVersionLine) return std::nullopt;
    for (char c : lines[0])
        if (c < ' ' || c > '~' || c == '<' || c == '>') return std::nullopt;
    return std::string("Your Version:  ") + kBuildDate + "\r\n\r\nLatest Version:" + lines[0] +
           "\r\n\r\nPlease, update this program";
}

std::string SiteFileURL(const std::string& siteRoot, const std::string& fileName) {
    std::string root = siteRoot;
    while (!root.empty() && root.back() == '/') root.pop_back();
    return root + "/" + fileName;
}

} // namespace core
