#include "platform/TextFile.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace platform;
using Lines = std::vector<std::string>;

TEST(SplitLines, FollowsTheStringListRules) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("\n"), (Lines{""}));
    EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));
}

TEST(JoinLines, WithAndWithoutFinalLineEnd) {
    EXPECT_EQ(JoinLines({"a", "b"}), "a\r\nb\r\n");
    EXPECT_EQ(JoinLines({"a", "b"}, false), "a\r\nb");
    EXPECT_EQ(JoinLines({}), "");
}

TEST(TextFile, ReadsAndWritesInPlace) {
    testing_support::TempDir dir;
    const std::string path = dir.file("x.txt");
    WriteFileAtomic(path, "1 2\r\n3");
    EXPECT_EQ(ReadTextLines(path), (Lines{"1 2", "3"}));
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    WriteFileAtomic(path, "new");
    EXPECT_EQ(ReadFileBytes(path), "new");
    EXPECT_TRUE(FileExists(path));
    EXPECT_FALSE(FileExists(dir.file("none")));
}

TEST(TextFile, AMissingFileIsNamedInTheError) {
    testing_support::TempDir dir;
    try {
        ReadTextLines(dir.file("missing.txt"));
        FAIL();
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("missing.txt"), std::string::npos);
    }
    EXPECT_THROW(WriteFileAtomic(dir.file("no/such/folder.txt"), "x"), FileError);
}

TEST(Cp1251, RoundTripsCyrillicAndMarksTheRest) {
    const std::string ru = "Привет, Ёж №1";
    const std::string bytes = Utf8ToCp1251(ru);
    EXPECT_EQ(bytes.size(), 13u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xCF);
    EXPECT_EQ(Cp1251ToUtf8(bytes), ru);
    bool lossy = false;
    EXPECT_EQ(Utf8ToCp1251("a€b", &lossy), "a\x88"
                                           "b");
    EXPECT_FALSE(lossy);
    EXPECT_EQ(Utf8ToCp1251("a中b", &lossy), "a?b");
    EXPECT_TRUE(lossy);
}
