#include "components/net/WSocket.h"

#include "tests/components/net/NetTestUtil.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

using namespace net_test;

namespace {

std::string B(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes) s += static_cast<char>(b);
    return s;
}

std::string ThrownBy(const std::function<void()>& f) {
    try {
        f();
    } catch (const ESocketException& e) {
        return e.what();
    }
    return "(nothing)";
}

// Everything the application sees of a socket, in order.
struct Recorder {
    std::vector<std::string> log;
    std::string data;
    std::vector<int> rcvdFirst;

    void Watch(TWSocket& s) {
        s.OnSocksConnected = [this](QObject*, std::uint16_t e) {
            log.push_back("socks-connected " + std::to_string(e));
        };
        s.OnSessionConnected = [this](QObject*, std::uint16_t e) {
            log.push_back("connected " + std::to_string(e));
        };
        s.OnSessionClosed = [this](QObject*, std::uint16_t e) {
            log.push_back("closed " + std::to_string(e));
        };
        s.OnSocksError = [this](QObject*, int e, const std::string& m) {
            log.push_back("error " + std::to_string(e) + " " + m);
        };
        s.OnSocksAuthState = [this](QObject*, TSocksAuthState a) {
            log.push_back("auth " + std::to_string(static_cast<int>(a)));
        };
        s.OnDataAvailable = [this, &s](QObject*, std::uint16_t) {
            const int n = s.RcvdCount();
            const std::string text = s.ReceiveText();
            if (text.empty()) return;
            rcvdFirst.push_back(n);
            data += text;
        };
    }
    bool Has(const std::string& entry) const {
        for (const auto& l : log)
            if (l == entry) return true;
        return false;
    }
};

// Reads exactly n bytes from the far end while the socket's events run.
std::string ReadExactly(const RawFd& peer, size_t n, int ms = 3000) {
    std::string got;
    WaitUntil(
        [&] {
            char buf[512];
            const size_t want = std::min(sizeof buf, n - got.size());
            const ssize_t r = ::recv(peer.get(), buf, want, MSG_DONTWAIT);
            if (r > 0) got.append(buf, static_cast<size_t>(r));
            return got.size() >= n || r == 0;
        },
        ms);
    return got;
}

// A SOCKS client against a server the test plays itself.
class ScriptedSocks : public ::testing::Test {
protected:
    void Start(const std::string& level, const std::string& target = "target.example",
               const std::string& port = "80") {
        rec.Watch(s);
        s.SetSocksServer("127.0.0.1");
        s.SetSocksPort(proxy.portText());
        s.SetSocksLevel(level);
        s.SetAddr(target);
        s.SetPort(port);
        s.Connect();
        peer = proxy.Accept();
        ASSERT_GE(peer.get(), 0);
    }
    // Plays the SOCKS 5 start without authentication.
    void Socks5Accepted(const std::string& target = "target.example") {
        Start("5", target);
        EXPECT_EQ(ReadExactly(peer, 3), B({5, 1, 0}));
        peer.SendAll(B({5, 0}));
        EXPECT_EQ(ReadExactly(peer, 7 + target.size()),
                  B({5, 1, 0, 3, static_cast<int>(target.size())}) + target + B({0, 80}));
    }
    bool WaitFor(const std::string& entry) {
        return WaitUntil([&] { return rec.Has(entry); });
    }

    RawListener proxy;
    RawFd peer;
    TWSocket s;
    Recorder rec;
};

TEST_F(ScriptedSocks, Socks4aRequestBytesAndReplyWithDataInOneSegment) {
    s.SetSocksUsercode("bob");
    Start("4a", "target.example", "8080");
    EXPECT_EQ(s.SocksLevel(), "4A");
    const std::string expected =
        B({4, 1, 0x1F, 0x90, 0, 0, 0, 1}) + "bob" + B({0}) + "target.example" + B({0});
    EXPECT_EQ(ReadExactly(peer, expected.size()), expected);
    peer.SendAll(B({0, 90, 0, 0, 0, 0, 0, 0}) + "hello");
    ASSERT_TRUE(WaitUntil([&] { return rec.data == "hello"; }));
    EXPECT_EQ(rec.log, (std::vector<std::string>{"socks-connected 0", "connected 0"}));
    EXPECT_EQ(s.State(), wsConnected);
    s.SendText("to target");
    EXPECT_EQ(ReadExactly(peer, 9), "to target");
}

TEST_F(ScriptedSocks, Socks4RequestWithoutUserIsNineBytes) {
    Start("4", "127.0.0.1", "80");
    EXPECT_EQ(ReadExactly(peer, 9), B({4, 1, 0, 80, 127, 0, 0, 1, 0}));
    EXPECT_TRUE(rec.log == std::vector<std::string>{"socks-connected 0"});
}

struct ReplyCase {
    std::string reply;
    int code;
    std::string text;
};

TEST(ScriptedSocksReplies, Socks4Codes) {
    const std::vector<ReplyCase> cases = {
        {B({0, 91, 0, 0, 0, 0, 0, 0}), 20016, "request rejected or failed"},
        {B({0, 92, 0, 0, 0, 0, 0, 0}), 20008, "connection refused"},
        {B({0, 93, 0, 0, 0, 0, 0, 0}), 20015, "authentification failed"},
        {B({0, 94, 0, 0, 0, 0, 0, 0}), 20012, "unassigned error #94"},
        {B({4, 90, 0, 0, 0, 0, 0, 0}), 20002, "socks version error"},
    };
    for (const auto& c : cases) {
        RawListener proxy;
        TWSocket s;
        Recorder rec;
        rec.Watch(s);
        s.SetSocksServer("127.0.0.1");
        s.SetSocksPort(proxy.portText());
        s.SetSocksLevel("4");
        s.SetAddr("127.0.0.1");
        s.SetPort("80");
        s.Connect();
        RawFd peer = proxy.Accept();
        ReadExactly(peer, 9);
        peer.SendAll(c.reply);
        const std::string code = std::to_string(c.code);
        ASSERT_TRUE(WaitUntil([&] { return rec.Has("closed " + code); })) << c.text;
        EXPECT_EQ(rec.log,
                  (std::vector<std::string>{"socks-connected 0", "error " + code + " " + c.text,
                                            "connected " + code, "closed " + code}));
        EXPECT_EQ(s.State(), wsClosed);
    }
}

TEST(ScriptedSocksReplies, Socks5Codes) {
    const std::vector<ReplyCase> cases = {
        {B({5, 1, 0, 1}), 20004, "general SOCKS server failure"},
        {B({5, 2, 0, 1}), 20005, "connection not allowed by ruleset"},
        {B({5, 3, 0, 1}), 20006, "network unreachable"},
        {B({5, 4, 0, 1}), 20007, "host unreachable"},
        {B({5, 5, 0, 1}), 20008, "connection refused"},
        {B({5, 6, 0, 1}), 20009, "time to live expired"},
        {B({5, 7, 0, 1}), 20010, "command not supported"},
        {B({5, 8, 0, 1}), 20011, "address type not supported"},
        {B({5, 9, 0, 1}), 20012, "unassigned error #9"},
        {B({6, 0, 0, 1}), 20002, "socks version error"},
        {B({5, 0, 0, 4, 0, 0, 0, 0, 0, 0}), 20011, "address type not supported"},
        {B({5, 0, 0, 3, 121}), 20001, "socks reply too long"},
    };
    for (const auto& c : cases) {
        RawListener proxy;
        TWSocket s;
        Recorder rec;
        rec.Watch(s);
        s.SetSocksServer("127.0.0.1");
        s.SetSocksPort(proxy.portText());
        s.SetAddr("t");
        s.SetPort("80");
        s.Connect();
        RawFd peer = proxy.Accept();
        ReadExactly(peer, 3);
        peer.SendAll(B({5, 0}));
        ReadExactly(peer, 8);
        peer.SendAll(c.reply);
        const std::string code = std::to_string(c.code);
        ASSERT_TRUE(WaitUntil([&] { return rec.Has("closed " + code); })) << c.text;
        EXPECT_EQ(rec.log,
                  (std::vector<std::string>{"socks-connected 0", "error " + code + " " + c.text,
                                            "connected " + code, "closed " + code}));
    }
}

TEST(ScriptedSocksReplies, MethodAnswers) {
    const std::vector<ReplyCase> cases = {
        {B({5, 255}), 20003, "authentification method not acceptable"},
        {B({5, 1}), 20003, "authentification method not acceptable"},
        {B({4, 0}), 20002, "socks version error"},
    };
    for (const auto& c : cases) {
        RawListener proxy;
        TWSocket s;
        Recorder rec;
        rec.Watch(s);
        s.SetSocksServer("127.0.0.1");
        s.SetSocksPort(proxy.portText());
        s.SetAddr("t");
        s.SetPort("80");
        s.Connect();
        RawFd peer = proxy.Accept();
        ReadExactly(peer, 3);
        peer.SendAll(c.reply);
        const std::string code = std::to_string(c.code);
        ASSERT_TRUE(WaitUntil([&] { return rec.Has("closed " + code); })) << c.text;
        EXPECT_TRUE(rec.Has("error " + code + " " + c.text));
    }
}

TEST_F(ScriptedSocks, Socks5ReplyFollowedByData) {
    Socks5Accepted();
    peer.SendAll(B({5, 0, 0, 1, 127, 0, 0, 1, 0, 80}) + "DATA");
    ASSERT_TRUE(WaitUntil([&] { return rec.data == "DATA"; }));
    EXPECT_EQ(rec.rcvdFirst.front(), 4);
    EXPECT_EQ(rec.log, (std::vector<std::string>{"socks-connected 0", "connected 0"}));
    peer.SendAll("more");
    ASSERT_TRUE(WaitUntil([&] { return rec.data == "DATAmore"; }));
}

TEST_F(ScriptedSocks, LineModeStartsBehindTheProxyReply) {
    s.SetLineMode(true);
    std::vector<std::string> lines;
    Socks5Accepted();
    s.OnDataAvailable = [&](QObject*, std::uint16_t) {
        const std::string line = s.ReceiveText();
        if (!line.empty()) lines.push_back(line);
    };
    peer.SendAll(B({5, 0, 0, 1, 127, 0, 0, 1, 0, 80}) + "L1\r\nL2\r\npart");
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 2; }));
    EXPECT_EQ(lines, (std::vector<std::string>{"L1\r\n", "L2\r\n"}));
    peer.Reset();
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 3; }));
    EXPECT_EQ(lines[2], "part");
}

TEST_F(ScriptedSocks, Socks5ReplyWithBoundName) {
    Socks5Accepted();
    peer.SendAll(B({5, 0, 0, 3, 5}) + "abcde" + B({0, 80}));
    ASSERT_TRUE(WaitFor("connected 0"));
    EXPECT_TRUE(rec.data.empty());
}

TEST_F(ScriptedSocks, RepliesOneByteAtATime) {
    s.SetSocksAuthentication(socksAuthenticateUsercode);
    s.SetSocksUsercode("user");
    s.SetSocksPassword("pw");
    Start("5");
    EXPECT_EQ(ReadExactly(peer, 3), B({5, 1, 2}));
    auto trickle = [&](const std::string& bytes) {
        for (char c : bytes) {
            peer.SendAll(std::string(1, c));
            RunEvents(15);
        }
    };
    trickle(B({5, 2}));
    EXPECT_EQ(ReadExactly(peer, 9), B({1, 4}) + "user" + B({2}) + "pw");
    peer.SendAll(B({1}));
    RunEvents(30);
    EXPECT_FALSE(rec.Has("auth 1"));
    peer.SendAll(B({0}));
    ReadExactly(peer, 7 + 14);
    trickle(B({5, 0, 0, 1, 127, 0, 0, 1, 0, 80}));
    ASSERT_TRUE(WaitFor("connected 0"));
    EXPECT_EQ(rec.log,
              (std::vector<std::string>{"socks-connected 0", "auth 0", "auth 1", "connected 0"}));
}

TEST_F(ScriptedSocks, AuthenticationAnswers) {
    s.SetSocksAuthentication(socksAuthenticateUsercode);
    s.SetSocksUsercode("u");
    s.SetSocksPassword("p");
    Start("5");
    ReadExactly(peer, 3);
    peer.SendAll(B({5, 2}));
    ReadExactly(peer, 5);
    peer.SendAll(B({1, 1}));
    ASSERT_TRUE(WaitFor("closed 20015"));
    // The close comes while the state still waits for the answer, so "auth 2" precedes it.
    EXPECT_EQ(rec.log, (std::vector<std::string>{"socks-connected 0", "auth 0",
                                                 "error 20015 socks authentication failed",
                                                 "connected 20015", "auth 2", "closed 20015"}));
}

TEST_F(ScriptedSocks, AuthenticationAnswerTooLong) {
    s.SetSocksAuthentication(socksAuthenticateUsercode);
    Start("5");
    ReadExactly(peer, 3);
    peer.SendAll(B({5, 2}));
    ReadExactly(peer, 3);
    peer.SendAll(B({1, 0, 0}));
    ASSERT_TRUE(WaitFor("closed 20001"));
    EXPECT_TRUE(rec.Has("error 20001 too much data availaible"));
}

TEST_F(ScriptedSocks, NoAuthenticationAlthoughOffered) {
    s.SetSocksAuthentication(socksAuthenticateUsercode);
    Start("5");
    EXPECT_EQ(ReadExactly(peer, 3), B({5, 1, 2}));
    peer.SendAll(B({5, 0}));
    ReadExactly(peer, 7 + 14);
    peer.SendAll(B({5, 0, 0, 1, 127, 0, 0, 1, 0, 80}));
    ASSERT_TRUE(WaitFor("connected 0"));
    EXPECT_EQ(rec.log, (std::vector<std::string>{"socks-connected 0", "auth 3", "connected 0"}));
}

TEST_F(ScriptedSocks, EarlyCloseWhileWaitingForTheAuthAnswer) {
    s.SetSocksAuthentication(socksAuthenticateUsercode);
    Start("5");
    ReadExactly(peer, 3);
    peer.SendAll(B({5, 2}));
    ReadExactly(peer, 3);
    peer.Reset();
    ASSERT_TRUE(WaitUntil([&] { return s.State() == wsClosed; }));
    EXPECT_EQ(rec.log,
              (std::vector<std::string>{"socks-connected 0", "auth 0", "auth 2", "closed 0"}));
}

TEST_F(ScriptedSocks, EarlyCloseAfterTheOffer) {
    Start("5");
    ReadExactly(peer, 3);
    peer.Reset();
    ASSERT_TRUE(WaitUntil([&] { return s.State() == wsClosed; }));
    EXPECT_EQ(rec.log, (std::vector<std::string>{"socks-connected 0", "closed 0"}));
}

TEST_F(ScriptedSocks, Socks4TargetThatCannotBeResolved) {
    Start("4", "no-such-host.invalid");
    ASSERT_TRUE(WaitFor("closed 20017"));
    ASSERT_EQ(rec.log.size(), 4u);
    EXPECT_EQ(rec.log[1].rfind("error 20017 ESocketException WSocketResolveHost: Cannot convert "
                               "host address 'no-such-host.invalid'",
                               0),
              0u);
    EXPECT_EQ(rec.log[2], "connected 20017");
    // Nothing was sent to the proxy.
    EXPECT_EQ(ReadExactly(peer, 1, 200), "");
}

TEST_F(ScriptedSocks, SettingsAndRefusals) {
    EXPECT_EQ(s.SocksLevel(), "5");
    EXPECT_EQ(ThrownBy([&] { s.SetSocksLevel("6"); }), "Invalid socks level. Must be 4, 4A or 5.");
    EXPECT_EQ(ThrownBy([&] { s.SetSocksLevel("4b"); }), "Invalid socks level. Must be 4, 4A or 5.");
    s.SetSocksServer(" 127.0.0.1 ");
    EXPECT_EQ(s.SocksServer(), "127.0.0.1");
    EXPECT_EQ(ThrownBy([&] { s.Listen(); }), "Listening is not supported thru socks server");
    s.SetProto("udp");
    s.SetAddr("t");
    s.SetPort("1");
    EXPECT_EQ(ThrownBy([&] { s.Connect(); }),
              "tcp is the only protocol supported thru socks server");
    s.SetProto("tcp");
    EXPECT_EQ(ThrownBy([&] { s.Connect(); }), "connect: WSocketResolvePort: Invalid Port.");

    s.SetSocksUsercode("keep");
    Start("4", "127.0.0.1");
    EXPECT_EQ(ThrownBy([&] { s.SetSocksLevel("5"); }), "Can't change socks level if not closed");
    EXPECT_EQ(ThrownBy([&] { s.SetSocksPort("1"); }), "Can't change socks port if not closed");
    EXPECT_EQ(ThrownBy([&] { s.SetSocksServer("x"); }), "Can't change socks server if not closed");
    s.Close();
    // After a close the proxy must be given again; the user code stays.
    EXPECT_EQ(s.SocksServer(), "");
    EXPECT_EQ(s.SocksPort(), "");
    EXPECT_EQ(s.SocksLevel(), "5");
    EXPECT_EQ(s.SocksUsercode(), "keep");
}

struct LengthCase {
    std::string level;
    std::string user;
    std::string password;
    std::string host;
    std::string refusal; // empty: accepted
};

TEST(SocksLimits, OverlongFieldsAreRefusedBeforeConnecting) {
    const std::string h121(121, 'h');
    const std::vector<LengthCase> cases = {
        {"4", std::string(119, 'u'), "", "127.0.0.1", ""},
        {"4", std::string(120, 'u'), "", "127.0.0.1",
         "connect: socks user code too long (at most 119 bytes)"},
        {"4A", std::string(100, 'u'), "", std::string(18, 'h'), ""},
        {"4A", std::string(100, 'u'), "", std::string(19, 'h'),
         "connect: socks user code and host name too long (at most 118 bytes together)"},
        {"5", "", "", h121, ""},
        {"5", "", "", h121 + "h", "connect: socks host name too long (at most 121 bytes)"},
        {"5", std::string(100, 'u'), std::string(25, 'p'), "t", ""},
        {"5", std::string(100, 'u'), std::string(26, 'p'), "t",
         "connect: socks user code and password too long (at most 125 bytes together)"},
    };
    for (const auto& c : cases) {
        RawListener proxy;
        TWSocket s;
        s.SetSocksServer("127.0.0.1");
        s.SetSocksPort(proxy.portText());
        s.SetSocksLevel(c.level);
        s.SetSocksAuthentication(socksAuthenticateUsercode);
        s.SetSocksUsercode(c.user);
        s.SetSocksPassword(c.password);
        s.SetAddr(c.host);
        s.SetPort("80");
        const std::string thrown = ThrownBy([&] { s.Connect(); });
        EXPECT_EQ(thrown, c.refusal.empty() ? "(nothing)" : c.refusal) << c.level << c.host;
        EXPECT_EQ(s.State(), c.refusal.empty() ? wsConnecting : wsClosed);
    }
}

} // namespace
