#include "components/net/WSocket.h"

#include "tests/components/net/NetTestUtil.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <ctime>
#include <memory>
#include <string>
#include <vector>

using namespace net_test;

namespace {

// A TWSocket connected to a plain descriptor that the test writes into.
class LinePair : public ::testing::Test {
protected:
    void SetUp() override {
        s = std::make_unique<TWSocket>();
        s->SetAddr("127.0.0.1");
        s->SetPort(server.portText());
        s->SetLineMode(true);
        s->OnSessionClosed = [this](QObject*, std::uint16_t e) {
            closed.push_back(e);
            log.push_back("closed");
        };
        s->Connect();
        peer = server.Accept();
        ASSERT_TRUE(WaitUntil([&] { return s->State() == wsConnected; }));
    }

    // Every notice reads the whole ready line.
    void ReadLines() {
        s->OnDataAvailable = [this](QObject*, std::uint16_t) {
            counts.push_back(s->RcvdCount());
            lines.push_back(s->ReceiveText());
            log.push_back("line");
        };
    }

    // Sends and waits until the socket has read it from the connection.
    void Feed(const std::string& bytes) {
        const auto before = s->ReadCount();
        peer.SendAll(bytes);
        WaitUntil([&] { return s->ReadCount() > before; });
    }

    RawListener server;
    RawFd peer;
    std::unique_ptr<TWSocket> s;
    std::vector<std::string> lines;
    std::vector<int> counts;
    std::vector<int> closed;
    std::vector<std::string> log;
};

TEST_F(LinePair, DefaultsAreOffAndCrLf) {
    TWSocket plain;
    EXPECT_FALSE(plain.LineMode());
    EXPECT_EQ(plain.LineEnd(), "\r\n");
    EXPECT_FALSE(plain.LineEcho());
    EXPECT_FALSE(plain.LineEdit());
}

TEST_F(LinePair, OneLineThenTheRestAtClose) {
    ReadLines();
    Feed("ab\r\ncd");
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 1; }));
    RunEvents(50);
    EXPECT_EQ(counts, std::vector<int>{4});
    EXPECT_EQ(lines, std::vector<std::string>{"ab\r\n"});
    peer.Reset();
    ASSERT_TRUE(WaitUntil([&] { return !closed.empty(); }));
    EXPECT_EQ(lines, (std::vector<std::string>{"ab\r\n", "cd"}));
    EXPECT_EQ(log, (std::vector<std::string>{"line", "line", "closed"}));
}

TEST_F(LinePair, LineEndSplitOverTwoReads) {
    ReadLines();
    Feed("ab\r");
    RunEvents(30);
    EXPECT_TRUE(lines.empty());
    Feed("\ncd\r\n");
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 2; }));
    EXPECT_EQ(lines, (std::vector<std::string>{"ab\r\n", "cd\r\n"}));
}

TEST_F(LinePair, TwoLinesInOneRead) {
    ReadLines();
    Feed("one\r\ntwo\r\n");
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 2; }));
    EXPECT_EQ(lines, (std::vector<std::string>{"one\r\n", "two\r\n"}));
    EXPECT_EQ(counts, (std::vector<int>{5, 5}));
}

TEST_F(LinePair, OtherLineEnd) {
    ReadLines();
    s->SetLineEnd("\n");
    Feed("a\nbb\n");
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 2; }));
    EXPECT_EQ(lines, (std::vector<std::string>{"a\n", "bb\n"}));
}

TEST_F(LinePair, LineReadInPieces) {
    s->OnDataAvailable = [this](QObject*, std::uint16_t) {
        char buf[3];
        const int n = s->Receive(buf, sizeof buf);
        if (n > 0) lines.emplace_back(buf, static_cast<size_t>(n));
    };
    Feed("abcdefg\r\nxy\r\n");
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 5; }));
    EXPECT_EQ(lines, (std::vector<std::string>{"abc", "def", "g\r\n", "xy\r", "\n"}));
}

struct EditCase {
    std::string input;
    std::string line;
    std::string echo;
};

TEST_F(LinePair, LineEditing) {
    const std::vector<EditCase> cases = {
        {"abc\bd\r\n", "abd\r\n", "abc\b \bd\r\n"},
        {"ab\tc\r\n", "ab      c\r\n", "ab      c\r\n"},
        {"\bx\r\n", "x\r\n", "x\r\n"},
        {"abcdefgh\tz\r\n", "abcdefgh        z\r\n", "abcdefgh        z\r\n"},
    };
    ReadLines();
    s->SetLineEdit(true);
    s->SetLineEcho(true);
    for (const auto& c : cases) {
        lines.clear();
        Feed(c.input);
        ASSERT_TRUE(WaitUntil([&] { return lines.size() == 1; })) << c.input;
        EXPECT_EQ(lines[0], c.line);
        std::string echo;
        WaitUntil(
            [&] {
                char buf[256];
                const ssize_t n = ::recv(peer.get(), buf, sizeof buf, MSG_DONTWAIT);
                if (n > 0) echo.append(buf, static_cast<size_t>(n));
                return echo.size() >= c.echo.size();
            },
            2000);
        EXPECT_EQ(echo, c.echo) << c.input;
    }
}

TEST_F(LinePair, BackspaceDeletesFromAnEarlierRead) {
    ReadLines();
    s->SetLineEdit(true);
    Feed("abc");
    Feed("\b\bX\r\n");
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 1; }));
    EXPECT_EQ(lines[0], "aX\r\n");
}

TEST_F(LinePair, EchoWithoutEditSendsBytesAsTheyCame) {
    ReadLines();
    s->SetLineEcho(true);
    Feed("a\tb\bc\r\n");
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 1; }));
    EXPECT_EQ(lines[0], "a\tb\bc\r\n");
    EXPECT_EQ(peer.ReadAll(300), "a\tb\bc\r\n");
}

TEST_F(LinePair, OverlongLineIsHandedOverInPieces) {
    ReadLines();
    int tooLong = 0;
    s->OnLineTooLong = [&](QObject*) { ++tooLong; };
    s->SetLineLimit(10);
    Feed(std::string(25, 'x'));
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 2; }));
    RunEvents(30);
    EXPECT_EQ(tooLong, 2);
    EXPECT_EQ(lines, (std::vector<std::string>{std::string(10, 'x'), std::string(10, 'x')}));
    Feed("\r\n");
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 3; }));
    EXPECT_EQ(lines[2], "xxxxx\r\n");
}

TEST_F(LinePair, SwitchingLineModeOffHandsOverTheBufferedBytes) {
    s->OnDataAvailable = [this](QObject*, std::uint16_t) {
        lines.push_back(s->ReceiveText());
        if (s->LineMode()) s->SetLineMode(false);
    };
    Feed("first\r\nraw bytes\r\nmore");
    ASSERT_TRUE(WaitUntil([&] { return lines.size() >= 2; }));
    RunEvents(50);
    std::string rest;
    for (size_t i = 1; i < lines.size(); ++i) rest += lines[i];
    EXPECT_EQ(lines[0], "first\r\n");
    EXPECT_EQ(rest, "raw bytes\r\nmore");
}

TEST_F(LinePair, SwitchingLineModeOnCutsBufferedBytes) {
    s->SetLineMode(false);
    int raw = 0;
    s->OnDataAvailable = [&](QObject*, std::uint16_t) {
        if (!s->LineMode()) {
            ++raw;
            s->SetLineMode(true);
            return;
        }
        lines.push_back(s->ReceiveText());
    };
    Feed("x\r\ny\r\n");
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 2; }));
    EXPECT_EQ(raw, 1);
    EXPECT_EQ(lines, (std::vector<std::string>{"x\r\n", "y\r\n"}));
}

TEST_F(LinePair, UnreadLineWaitsWithoutSpinning) {
    int notices = 0;
    s->OnDataAvailable = [&](QObject*, std::uint16_t) { ++notices; };
    Feed("one\r\ntwo\r\n");
    ASSERT_TRUE(WaitUntil([&] { return notices > 0; }));
    RunEvents(100);
    EXPECT_EQ(notices, 1);
    // Read later, the next line follows.
    ReadLines();
    EXPECT_EQ(s->ReceiveText(), "one\r\n");
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 1; }));
    EXPECT_EQ(lines[0], "two\r\n");
}

TEST_F(LinePair, LinesWithoutHandlerAreDropped) {
    Feed("lost\r\nalso lost\r\n");
    RunEvents(50);
    ReadLines();
    Feed("kept\r\n");
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 1; }));
    EXPECT_EQ(lines[0], "kept\r\n");
}

// ---- the synchronous wait ----

TEST(TCustomSyncWSocket, FlagAlreadySetReturnsAtOnce) {
    TWSocket s;
    std::uint8_t done = 1;
    int ticks = 0;
    QTimer t;
    QObject::connect(&t, &QTimer::timeout, [&] { ++ticks; });
    t.start(0);
    EXPECT_EQ(s.WaitForFlag(done), 0);
    EXPECT_EQ(ticks, 0);
}

TEST(TCustomSyncWSocket, FlagSetByAnEvent) {
    TWSocket s;
    std::uint8_t done = 0;
    QTimer::singleShot(50, [&] { done = 1; });
    EXPECT_EQ(s.WaitForFlag(done), 0);
}

TEST(TCustomSyncWSocket, TimesOutWithoutBusySpin) {
    TWSocket s;
    s.SetWaitTimeout(300);
    std::uint8_t done = 0;
    const std::clock_t cpu = std::clock();
    const auto start = platform::WaitClock::now();
    EXPECT_EQ(s.WaitForFlag(done), 12001);
    const auto took = platform::WaitClock::now() - start;
    EXPECT_GE(took, std::chrono::milliseconds(290));
    EXPECT_LT(took, std::chrono::seconds(3));
    // A spinning wait would burn the whole 300 ms.
    EXPECT_LT(static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC, 0.1);
    s.SetWaitTimeout(0);
    EXPECT_EQ(s.WaitTimeout(), TCustomSyncWSocket::DefaultWaitTimeout);
}

TEST(TCustomSyncWSocket, RunAndWaitForAConnection) {
    RawListener server;
    TWSocket s;
    std::uint8_t done = 7;
    s.OnSessionConnected = [&](QObject*, std::uint16_t) { done = 1; };
    s.SetAddr("127.0.0.1");
    s.SetPort(server.portText());
    EXPECT_EQ(s.RunAndWait(done, [&] { s.Connect(); }), 0);
    EXPECT_EQ(s.State(), wsConnected);
    std::uint8_t never = 0;
    s.SetWaitTimeout(100);
    EXPECT_EQ(s.RunAndWait(never, nullptr), 12001);
}

} // namespace
