#include "core/DrawUpdate.h"
#include "core/DrawFile.h"
#include "core/Edition.h"

#include <gtest/gtest.h>

#include <set>

namespace {

bool IsDrawLine6x45(std::string_view line) {
    return core::IsValidDrawLine(line, core::Edition6x45.drawFile);
}

TEST(SplitTextLines, AnyLineEnd) {
    using V = std::vector<std::string>;
    EXPECT_EQ(core::SplitTextLines(""), V{});
    EXPECT_EQ(core::SplitTextLines("a"), V{"a"});
    EXPECT_EQ(core::SplitTextLines("a\r\nb\nc\rd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(core::SplitTextLines("a\r\n"), V{"a"});
    EXPECT_EQ(core::SplitTextLines("a\n\n\nb\n"), (V{"a", "", "", "b"}));
    EXPECT_EQ(core::SplitTextLines("\r\n"), V{""});
}

TEST(PrepareDrawDownload, DropsEmptyLinesAndTheFinalLineEnd) {
    const auto d = core::PrepareDrawDownload(
        "1 2 3 4 5 6\r\n\r\n7 8 9 10 11 12\n\n13 14 15 16 17 18\r\n", IsDrawLine6x45);
    EXPECT_EQ(d.fileBytes, "1 2 3 4 5 6\r\n7 8 9 10 11 12\r\n13 14 15 16 17 18");
    EXPECT_EQ(d.lines, 3);
    EXPECT_TRUE(d.allDrawLines);
}

TEST(PrepareDrawDownload, EveryNonEmptyLineMustBeADrawLine) {
    const struct {
        const char* body;
        bool accepted;
    } cases[] = {
        {"", false},
        {"\r\n\r\n", false},
        {"<html><body>Not here</body></html>", false},
        {"<html>\n1 2 3 4 5 6\n</html>", false},
        {"1 2 3 4 5\r\n", false},
        {"1 2 3 4 5 99\r\n", false},
        {"junk\r\n45 44 43 42 41 40", false},
        {"45 44 43 42 41 40\r\n1 2 3", false}, // cut short inside a line
        {"3\r\n1 2 3 4 5 6\r\n0\r\n", false},  // chunk sizes
        {"45 44 43 42 41 40\r\n\r\n1 2 3 4 5 6", true},
        {"\xEF\xBB\xBF"
         "45 44 43 42 41 40\r\n",
         true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(core::PrepareDrawDownload(c.body, IsDrawLine6x45).allDrawLines, c.accepted)
            << c.body;
    // The rule is the edition's.
    EXPECT_TRUE(core::PrepareDrawDownload("x\r\ny", [](std::string_view l) {
                    return l.size() == 1;
                }).allDrawLines);
}

TEST(WholeFile, ALengthOrElseAFinalLineEndMarksTheEnd) {
    // closeEnds: whole as a version text, which needs no final line end.
    const struct {
        int status;
        long long length;
        const char* body;
        std::vector<std::string> header;
        bool whole, closeEnds;
    } cases[] = {
        {200, 5, "1 2\r\n", {}, true, true},
        {200, 6, "1 2\r\n", {}, false, false},
        {200, -1, "1 2\r\n", {}, true, true},
        {200, -1, "1 2\r", {}, true, true},
        {200, -1, "1 2\r\n3 4", {}, false, true}, // cut in a line
        {200, -1, "1 2\r\n3", {}, false, true},   // cut in a number
        {200, -1, "18 April 2011", {}, false, true},
        {200, -1, "", {}, false, true},
        {200, 0, "", {}, true, true},
        {206, -1, "1 2\r\n", {}, false, false},
        {200, -1, "1 2\r\n", {"Transfer-Encoding: chunked"}, false, false},
        {200, -1, "1 2", {"Transfer-Encoding: chunked"}, false, false},
        {200, -1, "1 2\r\n", {"Transfer-Encoding:  Identity "}, true, true},
        // A length the header cannot give is no length to trust.
        {200, -1, "1 2\r\n", {"Content-Length: 5 6"}, false, false},
    };
    for (const auto& c : cases) {
        core::TransferEnd end;
        end.status = c.status;
        std::vector<std::string> fields = c.header;
        if (c.length >= 0) fields.push_back("Content-Length: " + std::to_string(c.length));
        end.framing = core::ReadFraming(fields);
        end.body = c.body;
        end.bodyBytes = static_cast<long long>(end.body.size());
        EXPECT_EQ(core::WholeFile(end, core::UnsizedBody::EndsWithLineEnd), c.whole)
            << c.status << " " << c.length << " " << c.body;
        EXPECT_EQ(core::WholeFile(end, core::UnsizedBody::EndsWithClose), c.closeEnds)
            << c.status << " " << c.length << " " << c.body;
    }
}

TEST(CountDrawLines, SkipsTheMarkAndCountsOnlyDrawLines) {
    EXPECT_EQ(core::CountDrawLines(core::DrawFileLines("\xEF\xBB\xBF"
                                                       "1 2 3 4 5 6\r\n\r\nx\r\n7 8 9 10 11 12"),
                                   IsDrawLine6x45),
              2);
}

TEST(BackupName, FirstFreeName) {
    const struct {
        std::set<std::string> taken;
        std::optional<std::string> want;
    } cases[] = {
        {{}, "6x45.txt.bak"},
        {{"6x45.txt.bak"}, "6x45.txt.bak[1]"},
        {{"6x45.txt.bak", "6x45.txt.bak[1]", "6x45.txt.bak[2]"}, "6x45.txt.bak[3]"},
        {{"6x45.txt.bak", "6x45.txt.bak[2]"}, "6x45.txt.bak[1]"},
        {{"6x45.txt.bak[1]"}, "6x45.txt.bak"},
    };
    for (const auto& c : cases) {
        const auto got = core::BackupName(
            "6x45.txt", [&](const std::string& n) { return c.taken.count(n) > 0; });
        EXPECT_EQ(got, c.want);
    }
}

TEST(BackupName, NothingWhenAllNamesAreTaken) {
    int asked = 0;
    const auto got = core::BackupName("6x45.txt", [&](const std::string&) {
        ++asked;
        return true;
    });
    EXPECT_FALSE(got);
    EXPECT_EQ(asked, 10000);
    const auto last = core::BackupName(
        "6x45.txt", [](const std::string& n) { return n != "6x45.txt.bak[9999]"; });
    EXPECT_EQ(last, "6x45.txt.bak[9999]");
}

TEST(UpdateMessages, TheShrinkQuestionNamesBothCounts) {
    EXPECT_EQ(core::ShrinkQuestion("6x45.txt", 120, 21, core::Lang::English),
              "Draws in 6x45.txt: 120, in the download: 21. Replace the file?");
    EXPECT_EQ(core::ShrinkQuestion("5x36.txt", 3, 2, core::Lang::Russian),
              "Тиражей в файле 5x36.txt: 3, в загруженном: 2. Заменить файл?");
}

TEST(UpdateMessages, BothLanguages) {
    EXPECT_EQ(core::UpdateSuccessMessage("6x45.txt", 3, core::Lang::English),
              "File 6x45.txt has been updated successfully\r\n\r\nDraws: 3");
    EXPECT_EQ(core::UpdateSuccessMessage("6x45.txt", 1200, core::Lang::Russian),
              "Файл с данными 6x45.txt был успешно обновлён\r\n\r\nТиражей: 1200");
    EXPECT_NE(core::BackupFailedMessage("6x45.txt", core::Lang::English).find("6x45.txt"),
              std::string::npos);
    EXPECT_NE(core::SaveFailedMessage("6x45.txt", core::Lang::Russian).find("6x45.txt"),
              std::string::npos);
}

TEST(VersionMessage, OnlyWhenTheFirstLineDiffers) {
    EXPECT_FALSE(core::VersionMessage(""));
    EXPECT_FALSE(core::VersionMessage("17 April 2010"));
    EXPECT_FALSE(core::VersionMessage("17 April 2010\r\nanything else"));
    EXPECT_EQ(core::VersionMessage("17 April 2010 \r\n"),
              "Your Version:  17 April 2010\r\n\r\nLatest Version:17 April 2010 \r\n\r\n"
              "Please, update this program");
    EXPECT_EQ(core::VersionMessage("1 May 2011\nx"),
              "Your Version:  17 April 2010\r\n\r\nLatest Version:1 May 2011\r\n\r\n"
              "Please, update this program");
    EXPECT_TRUE(core::VersionMessage("17 april 2010"));
    // Only a short line of plain text stands for a version.
    EXPECT_FALSE(core::VersionMessage(std::string(10 << 20, '7')));
    EXPECT_FALSE(core::VersionMessage("<!DOCTYPE html>\n<html><body>gone</body></html>"));
    EXPECT_FALSE(core::VersionMessage("1 May\t2011"));
    EXPECT_TRUE(core::VersionMessage(std::string(64, '7')));
}

TEST(SiteFileURL, JoinsWithOneSlash) {
    EXPECT_EQ(core::SiteFileURL("http://site", "6x45.txt"), "http://site/6x45.txt");
    EXPECT_EQ(core::SiteFileURL("http://site/", "6x45_version.txt"),
              "http://site/6x45_version.txt");
}

} // namespace

// The loader and the update read a text the same way: the mark at the start of the text, not of
// a line, is left out before the text is split, so a mark alone is an empty file.
TEST(DrawFileLines, TheMarkGoesBeforeTheTextIsSplitForTheLoaderAndTheDownloadAlike) {
    using V = std::vector<std::string>;
    const std::string mark = "\xEF\xBB\xBF";
    const struct {
        std::string text;
        V lines;
    } cases[] = {
        {mark, V{}},
        {mark + mark + "1 2 3 4 5 6", V{mark + "1 2 3 4 5 6"}},
        {"1 2 3 4 5 6\n" + mark + "7 8 9 10 11 12", V{"1 2 3 4 5 6", mark + "7 8 9 10 11 12"}},
        {"\xEF\xBB" + std::string("1 2 3 4 5 6"), V{"\xEF\xBB" + std::string("1 2 3 4 5 6")}},
    };
    for (const auto& c : cases) {
        const V lines = core::DrawFileLines(c.text);
        EXPECT_EQ(lines, c.lines) << c.text;
        // What the loader reads of a file, the update reads of a download and of the file.
        core::DrawStore store;
        const core::LoadReport loaded =
            core::LoadDrawLines(lines, core::Edition6x45.drawFile, store);
        const core::DrawDownload download = core::PrepareDrawDownload(c.text, IsDrawLine6x45);
        const bool allLoaded = loaded.incorrectLines.empty() && loaded.loaded > 0;
        EXPECT_EQ(download.allDrawLines, allLoaded) << c.text;
        EXPECT_EQ(core::CountDrawLines(lines, IsDrawLine6x45), loaded.loaded) << c.text;
    }
}
