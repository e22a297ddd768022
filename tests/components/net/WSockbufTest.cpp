#include "components/net/WSockbuf.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Unread(const TBuffer& b) {
    int len = 0;
    const char* p = b.Peek(len);
    return p ? std::string(p, static_cast<size_t>(len)) : std::string();
}

TEST(TBuffer, SizeZeroOrNegativeMeansDefault) {
    for (int size : {0, -1, -1000}) {
        TBuffer b(size);
        EXPECT_EQ(b.Size(), 1514) << size;
    }
    TBuffer b(100);
    EXPECT_EQ(b.Size(), 100);
}

TEST(TBuffer, WriteTakesWhatFitsThenNothing) {
    TBuffer b(0);
    const std::string data(2000, 'x');
    EXPECT_EQ(b.Write(data.data(), 2000), 1514);
    EXPECT_EQ(b.Write(data.data(), 2000), 0);
    EXPECT_EQ(b.WriteCount(), 1514);
}

TEST(TBuffer, PeekOfEmptyGivesNothing) {
    TBuffer b(10);
    int len = 99;
    EXPECT_EQ(b.Peek(len), nullptr);
    EXPECT_EQ(len, 0);
}

TEST(TBuffer, PartialRemoveLeavesTheRest) {
    TBuffer b(10);
    b.Write("abcdef", 6);
    EXPECT_EQ(b.Remove(2), 2);
    EXPECT_EQ(Unread(b), "cdef");
    EXPECT_EQ(b.Remove(100), 4);
    EXPECT_EQ(b.Remove(1), 0);
}

TEST(TBuffer, RemovingAllRefillsFromTheStart) {
    TBuffer b(6);
    b.Write("abcdef", 6);
    EXPECT_EQ(b.Write("g", 1), 0);
    b.Remove(6);
    EXPECT_EQ(b.ReadCount(), 0);
    EXPECT_EQ(b.WriteCount(), 0);
    EXPECT_EQ(b.Write("ghijklmn", 8), 6);
    EXPECT_EQ(Unread(b), "ghijkl");
}

TEST(TBuffer, NegativeLengthsChangeNothing) {
    TBuffer b(10);
    EXPECT_EQ(b.Write("abc", -1), 0);
    b.Write("abc", 3);
    EXPECT_EQ(b.Remove(-2), 0);
    EXPECT_EQ(Unread(b), "abc");
}

TEST(TBuffer, GrowingKeepsReadAndUnreadBytes) {
    TBuffer b(4);
    b.Write("abcd", 4);
    b.Remove(1);
    b.SetSize(8);
    EXPECT_EQ(b.Size(), 8);
    EXPECT_EQ(Unread(b), "bcd");
    EXPECT_EQ(b.Write("efghij", 6), 4);
    EXPECT_EQ(Unread(b), "bcdefgh");
}

TEST(TBuffer, ShrinkingBelowTheDataKeepsTheData) {
    TBuffer b(10);
    b.Write("abcdefgh", 8);
    b.SetSize(3);
    EXPECT_EQ(b.Size(), 8);
    EXPECT_EQ(Unread(b), "abcdefgh");
    EXPECT_EQ(b.Write("x", 1), 0);
}

TEST(TBuffer, SetSizeOnEmptyChunkTakesTheNewSize) {
    TBuffer b(10);
    b.SetSize(3);
    EXPECT_EQ(b.Size(), 3);
    EXPECT_EQ(b.Write("abcdef", 6), 3);
    b.SetSize(3);
    EXPECT_EQ(Unread(b), "abc");
}

} // namespace
