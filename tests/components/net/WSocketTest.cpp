#include "components/net/WSocket.h"

#include "platform/FakeSocketApi.h"
#include "tests/components/net/EchoServer.h"
#include "tests/components/net/NetTestUtil.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace net_test;

namespace {

// Destroying the last socket releases the library, so the next test starts from unloaded.
void ReleaseLibrary() {
    TCustomWSocket s;
}

TEST(WinsockErrorText, TableEntries) {
    const std::vector<std::pair<int, std::string>> cases = {
        {0, "No Error"},
        {10004, "Interrupted system call"},
        {10035, "Operation would block"},
        {10048, "Address already in use"},
        {10053, "Connection aborted"},
        {10054, "Connection reset by peer"},
        {10057, "Socket is not connected"},
        {10058, "Can't send after socket shutdown"},
        {10059, "Too many references: can't splice"},
        {10060, "Connection timed out"},
        {10061, "Connection refused"},
        {10069, "Disc quota exceeded"},
        {10092, "WinSock DLL cannot support this application"},
        {10093, "WinSock not initialized"},
        {11001, "Host not found"},
        {11004, "No Data"},
        {5, "Not a WinSock error"},
        {10000, "Not a WinSock error"},
    };
    for (const auto& [n, text] : cases) EXPECT_EQ(WinsockErrorText(n), text) << n;
}

std::string ThrownBy(const std::function<void()>& f) {
    try {
        f();
    } catch (const ESocketException& e) {
        return e.what();
    }
    return "(nothing)";
}

TEST(WSocketResolveHost, DottedAndNames) {
    EXPECT_EQ(WSocketResolveHost("127.0.0.1"), htonl(INADDR_LOOPBACK));
    EXPECT_EQ(WSocketResolveHost("  127.0.0.1  "), htonl(INADDR_LOOPBACK));
    EXPECT_EQ(WSocketResolveHost("255.255.255.255"), 0xFFFFFFFFu);
    EXPECT_EQ(WSocketResolveHost("localhost"), htonl(INADDR_LOOPBACK));
}

TEST(WSocketResolveHost, Refusals) {
    EXPECT_EQ(ThrownBy([] { WSocketResolveHost(""); }), "WSocketResolveHost: '' Invalid Hostname.");
    const std::string longName(257, 'a');
    EXPECT_EQ(ThrownBy([&] { WSocketResolveHost(longName); }),
              "WSocketResolveHost: '" + longName + "' Invalid Hostname.");
    // Two dots is no dotted address: the name lookup reads it the classic way.
    EXPECT_EQ(WSocketResolveHost("1.2.3"), inet_addr("1.2.0.3"));
    EXPECT_NE(ThrownBy([] {
                  WSocketResolveHost("1.2.3.256");
              }).find("WSocketResolveHost: Cannot convert host address '1.2.3.256', Error #"),
              std::string::npos);
    EXPECT_NE(ThrownBy([] {
                  WSocketResolveHost("no-such-host.invalid");
              }).find("Cannot convert host address 'no-such-host.invalid', Error #1100"),
              std::string::npos);
}

TEST(WSocketResolvePort, NumbersServicesAndRefusals) {
    EXPECT_EQ(WSocketResolvePort("80", "tcp"), 80);
    EXPECT_EQ(WSocketResolvePort("8080abc", "tcp"), 8080);
    EXPECT_EQ(WSocketResolvePort("http", "tcp"), 80);
    EXPECT_EQ(WSocketResolvePort(" http ", ""), 80);
    EXPECT_EQ(ThrownBy([] { WSocketResolvePort("", "tcp"); }), "WSocketResolvePort: Invalid Port.");
    EXPECT_EQ(ThrownBy([] { WSocketResolvePort(std::string(32, '1'), "tcp"); }),
              "WSocketResolvePort: Invalid Port.");
    EXPECT_EQ(ThrownBy([] { WSocketResolvePort("70000", "tcp"); }),
              "WSocketResolvePort: Invalid Port.");
    EXPECT_NE(ThrownBy([] {
                  WSocketResolvePort("nosuchservice", "tcp");
              }).find("WSocketResolvePort: Cannot convert port 'nosuchservice', Error #"),
              std::string::npos);
}

TEST(WSocketResolveProto, NumbersNamesAndRefusals) {
    EXPECT_EQ(WSocketResolveProto("tcp"), 6);
    EXPECT_EQ(WSocketResolveProto("udp"), 17);
    EXPECT_EQ(WSocketResolveProto(" 17x"), 17);
    EXPECT_EQ(ThrownBy([] { WSocketResolveProto(""); }), "WSocketResolveProto: Invalid Protocol.");
    EXPECT_NE(ThrownBy([] {
                  WSocketResolveProto("nosuchproto");
              }).find("WSocketResolveProto: Cannot convert protocol 'nosuchproto', Error #"),
              std::string::npos);
}

TEST(WSocketBinding, LastSocketReleasesAndNextLoadsAgain) {
    ReleaseLibrary();
    auto script = std::make_shared<platform::FakeSocketScript>();
    platform::ScopedFakeSocketLibrary fake(script);
    {
        TCustomWSocket s;
        EXPECT_FALSE(WSocketLibraryLoaded());
        EXPECT_EQ(WSocketCount(), 1);
        s.SetLocalAddr("127.0.0.1");
        EXPECT_TRUE(WSocketLibraryLoaded());
        EXPECT_EQ(script->loads, 1);
        EXPECT_EQ(script->calls["WSAStartup"], 1);
        {
            TCustomWSocket second;
            second.SetLocalAddr("127.0.0.1");
        }
        // One socket is still alive.
        EXPECT_TRUE(WSocketLibraryLoaded());
    }
    EXPECT_FALSE(WSocketLibraryLoaded());
    EXPECT_EQ(script->releases, 1);
    EXPECT_EQ(script->calls["WSACleanup"], 1);
    {
        TCustomWSocket s;
        s.SetLocalAddr("127.0.0.1");
        EXPECT_EQ(script->loads, 2);
        EXPECT_EQ(script->calls["WSAStartup"], 2);
    }
    EXPECT_EQ(script->releases, 2);
}

TEST(WSocketBinding, LoadAndStartFailures) {
    ReleaseLibrary();
    {
        auto script = std::make_shared<platform::FakeSocketScript>();
        platform::ScopedFakeSocketLibrary fake(script, 126);
        EXPECT_EQ(ThrownBy([] { WSocketResolveHost("localhost"); }),
                  "Unable to load wsock32.dll Error #126");
    }
    {
        auto script = std::make_shared<platform::FakeSocketScript>();
        platform::ScopedFakeSocketLibrary fake(script);
        script->startupResult = 10091;
        EXPECT_EQ(ThrownBy([] { WSocketResolveHost("localhost"); }),
                  "wsock32.dll: WSAStartup error #10091");
        // Nothing half-started is kept: the next call starts again and succeeds.
        script->startupResult = 0;
        EXPECT_EQ(WSocketResolveHost("127.0.0.1"), htonl(INADDR_LOOPBACK));
        EXPECT_EQ(script->loads, 2);
        ReleaseLibrary();
    }
}

TEST(TCustomWSocket, SettersOnlyWhileClosed) {
    RawListener server;
    TCustomWSocket s;
    s.SetAddr(" 127.0.0.1 ");
    EXPECT_EQ(s.Addr(), "127.0.0.1");
    s.SetPort(server.portText());
    s.Connect();
    ASSERT_TRUE(WaitUntil([&] { return s.State() == wsConnected; }));
    const std::vector<std::pair<std::function<void()>, std::string>> cases = {
        {[&] { s.SetPort("81"); }, "Cannot change Port if not closed"},
        {[&] { s.SetAddr("10.0.0.1"); }, "Cannot change Addr if not closed"},
        {[&] { s.SetProto("udp"); }, "Cannot change Proto if not closed"},
        {[&] { s.SetLocalPort("5"); }, "Cannot change LocalPort if not closed"},
        {[&] { s.SetLocalAddr("127.0.0.1"); }, "Cannot change LocalAddr if not closed"},
        {[&] { s.Connect(); }, "Connect: Socket already in use"},
    };
    for (const auto& [f, text] : cases) EXPECT_EQ(ThrownBy(f), text);
    // An equal value is no change.
    EXPECT_EQ(ThrownBy([&] { s.SetPort(server.portText()); }), "(nothing)");
    int errors = 0;
    s.OnError = [&](QObject*) { ++errors; };
    s.SetPort("81");
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(s.Port(), server.portText());
}

TEST(TCustomWSocket, LocalAddrIsNormalised) {
    TCustomWSocket s;
    s.SetLocalAddr("");
    EXPECT_EQ(s.LocalAddr(), "0.0.0.0");
    s.SetLocalAddr("127.1");
    EXPECT_EQ(s.LocalAddr(), "127.0.0.1");
    EXPECT_EQ(ThrownBy([&] { s.SetLocalAddr("not an address"); }),
              "SetLocalAddr(): Invalid IP address");
}

TEST(TCustomWSocket, ConnectNeedsPortAddressAgainAfterClose) {
    TCustomWSocket s;
    EXPECT_EQ(ThrownBy([&] { s.Connect(); }), "Connect: No Port Specified");
    s.SetPort("80");
    EXPECT_EQ(ThrownBy([&] { s.Connect(); }), "Connect: No IP Address Specified");
    RawListener server;
    s.SetAddr("127.0.0.1");
    s.SetPort(server.portText());
    s.Connect();
    ASSERT_TRUE(WaitUntil([&] { return s.State() == wsConnected; }));
    s.Close();
    EXPECT_EQ(s.State(), wsClosed);
    EXPECT_EQ(s.Port(), server.portText());
    EXPECT_EQ(ThrownBy([&] { s.Connect(); }), "Connect: No Port Specified");
}

TEST(TCustomWSocket, ResolutionFailureInConnect) {
    TCustomWSocket s;
    s.SetAddr("no-such-host.invalid");
    s.SetPort("80");
    EXPECT_NE(ThrownBy([&] {
                  s.Connect();
              }).find("connect: WSocketResolveHost: Cannot convert host address"),
              std::string::npos);
    EXPECT_EQ(s.State(), wsClosed);
}

TEST(TCustomWSocket, SendFlags) {
    TCustomWSocket s;
    EXPECT_EQ(s.SendFlags(), wsSendNormal);
    s.SetSendFlags(wsSendUrgent);
    EXPECT_EQ(s.SendFlags(), wsSendUrgent);
    EXPECT_EQ(ThrownBy([&] { s.SetSendFlags(static_cast<TSocketSendFlags>(7)); }),
              "Invalid SendFlags");
}

TEST(TCustomWSocket, PeerTextsOnlyWhenConnected) {
    TCustomWSocket s;
    EXPECT_EQ(s.PeerAddr(), "error");
    EXPECT_EQ(s.PeerPort(), "error");
    EXPECT_EQ(s.LocalPortText(), "error");
    EXPECT_EQ(s.RcvdCount(), 0);
    RawListener server;
    s.SetAddr("127.0.0.1");
    s.SetPort(server.portText());
    s.Connect();
    ASSERT_TRUE(WaitUntil([&] { return s.State() == wsConnected; }));
    EXPECT_EQ(s.PeerAddr(), "127.0.0.1");
    EXPECT_EQ(s.PeerPort(), server.portText());
    EXPECT_NE(s.LocalPortText(), "error");
}

TEST(TCustomWSocket, SendWhileNotConnectedReports10057) {
    TCustomWSocket s;
    EXPECT_EQ(ThrownBy([&] { s.SendText("x"); }),
              "Error 10057 in function Send\r\nSocket is not connected");
    EXPECT_EQ(s.LastError(), 10057);
}

// ---- on the loopback ----

struct Events {
    std::vector<std::string> log;
    std::vector<int> connected, closed, sent;
};

void Watch(TCustomWSocket& s, Events& ev) {
    s.OnSessionConnected = [&ev](QObject*, std::uint16_t e) {
        ev.connected.push_back(e);
        ev.log.push_back("connected " + std::to_string(e));
    };
    s.OnSessionClosed = [&ev](QObject*, std::uint16_t e) {
        ev.closed.push_back(e);
        ev.log.push_back("closed " + std::to_string(e));
    };
    s.OnDataSent = [&ev](QObject*, std::uint16_t e) { ev.sent.push_back(e); };
}

TEST(TCustomWSocket, RefusedConnectionReportsThenCloses) {
    TCustomWSocket s;
    Events ev;
    Watch(s, ev);
    std::vector<std::pair<TSocketState, TSocketState>> states;
    s.OnChangeState = [&](QObject*, TSocketState o, TSocketState n) { states.push_back({o, n}); };
    s.SetAddr("127.0.0.1");
    s.SetPort(std::to_string(ClosedPort()));
    s.Connect();
    ASSERT_TRUE(WaitUntil([&] { return !ev.closed.empty(); }));
    RunEvents(50);
    EXPECT_EQ(ev.log, (std::vector<std::string>{"connected 10061", "closed 0"}));
    EXPECT_EQ(s.State(), wsClosed);
    const std::vector<std::pair<TSocketState, TSocketState>> expected = {
        {wsClosed, wsOpened},
        {wsOpened, wsConnecting},
        {wsConnecting, wsConnected},
        {wsConnected, wsClosed}};
    EXPECT_EQ(states, expected);
}

TEST(TCustomWSocket, EchoThroughTheLoopback) {
    EchoServer server;
    ASSERT_EQ(server.listener_.State(), wsListening);
    TCustomWSocket s;
    Events ev;
    Watch(s, ev);
    std::string echoed;
    s.OnDataAvailable = [&](QObject*, std::uint16_t) { echoed += s.ReceiveText(); };
    s.OnSessionConnected = [&](QObject*, std::uint16_t e) {
        ev.connected.push_back(e);
        if (e == 0) s.SendText("hello, ");
    };
    s.SetAddr("localhost");
    s.SetPort(server.Port());
    s.Connect();
    ASSERT_TRUE(WaitUntil([&] { return echoed == "hello, "; }));
    s.SendText("world");
    ASSERT_TRUE(WaitUntil([&] { return echoed == "hello, world"; }));
    EXPECT_EQ(ev.connected, std::vector<int>{0});
    EXPECT_FALSE(ev.sent.empty());
    EXPECT_EQ(s.ReadCount(), 12);
    EXPECT_EQ(server.received, "hello, world");
    s.Close();
    ASSERT_TRUE(WaitUntil([&] { return !server.closedErrors.empty(); }));
    EXPECT_EQ(server.closedErrors, std::vector<int>{0});
    EXPECT_EQ(ev.closed, std::vector<int>{0});
}

TEST(TCustomWSocket, OneMegabyteToASlowReaderArrivesIntact) {
    ReleaseLibrary();
    auto script = std::make_shared<platform::FakeSocketScript>();
    script->sendBuffer = 8192;
    platform::ScopedFakeSocketLibrary fake(script);
    {
        RawListener server(4096);
        TCustomWSocket s;
        Events ev;
        Watch(s, ev);
        s.SetAddr("127.0.0.1");
        s.SetPort(server.portText());
        s.Connect();
        RawFd peer = server.Accept();
        ASSERT_GE(peer.get(), 0);
        ASSERT_TRUE(WaitUntil([&] { return s.State() == wsConnected; }));

        std::string data(1 << 20, '\0');
        for (size_t i = 0; i < data.size(); ++i)
            data[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
        std::string got;
        // Reads a little at a time, so the sender meets a full buffer again and again.
        std::thread reader([&] {
            char buf[4096];
            while (got.size() < data.size() && peer.Readable(5000)) {
                const ssize_t n = ::recv(peer.get(), buf, sizeof buf, 0);
                if (n <= 0) break;
                got.append(buf, static_cast<size_t>(n));
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
        });
        EXPECT_EQ(s.Send(data.data(), static_cast<int>(data.size())), 1 << 20);
        ev.sent.clear();
        const bool sent = WaitUntil([&] { return !ev.sent.empty(); }, 20000);
        reader.join();
        ASSERT_TRUE(sent);
        EXPECT_EQ(got.size(), data.size());
        EXPECT_TRUE(got == data);
        EXPECT_TRUE(ev.closed.empty());
        // More send calls than chunks: the queue waited for room at least once.
        EXPECT_GT(script->calls["send"], (1 << 20) / 1514 + 1);
    }
    ReleaseLibrary();
}

TEST(TCustomWSocket, PeerResetWhileSendingGivesOneSessionClosed) {
    RawListener server;
    TCustomWSocket s;
    Events ev;
    Watch(s, ev);
    int bg = 0;
    s.OnBgException = [&](QObject*, const std::exception&, bool&) { ++bg; };
    s.SetAddr("127.0.0.1");
    s.SetPort(server.portText());
    s.Connect();
    RawFd peer = server.Accept();
    ASSERT_TRUE(WaitUntil([&] { return s.State() == wsConnected; }));
    const std::string data(1 << 20, 'z');
    s.Send(data.data(), static_cast<int>(data.size()));
    char buf[1000];
    ASSERT_TRUE(peer.Readable(2000));
    ASSERT_GT(::recv(peer.get(), buf, sizeof buf, 0), 0);
    peer.ResetConnection();
    ASSERT_TRUE(WaitUntil([&] { return !ev.closed.empty(); }));
    RunEvents(100);
    EXPECT_EQ(ev.closed, std::vector<int>{10054});
    EXPECT_EQ(s.State(), wsClosed);
    EXPECT_EQ(bg, 0);
}

TEST(TCustomWSocket, SendOfNothingStillReportsDataSent) {
    RawListener server;
    TCustomWSocket s;
    Events ev;
    Watch(s, ev);
    s.SetAddr("127.0.0.1");
    s.SetPort(server.portText());
    s.Connect();
    RawFd peer = server.Accept();
    ASSERT_TRUE(WaitUntil([&] { return s.State() == wsConnected; }));
    RunEvents(50);
    ev.sent.clear();
    EXPECT_EQ(s.Send(nullptr, 0), 0);
    ASSERT_TRUE(WaitUntil([&] { return !ev.sent.empty(); }));
    EXPECT_EQ(ev.sent.front(), 0);
}

TEST(TCustomWSocket, UnhandledDataIsDroppedAndPeerCloseReported) {
    RawListener server;
    TCustomWSocket s;
    Events ev;
    Watch(s, ev);
    s.SetAddr("127.0.0.1");
    s.SetPort(server.portText());
    s.Connect();
    RawFd peer = server.Accept();
    ASSERT_TRUE(WaitUntil([&] { return s.State() == wsConnected; }));
    peer.SendAll(std::string(5000, 'q'));
    peer.Reset();
    ASSERT_TRUE(WaitUntil([&] { return !ev.closed.empty(); }));
    EXPECT_EQ(ev.closed, std::vector<int>{0});
    EXPECT_EQ(s.State(), wsClosed);
}

TEST(TCustomWSocket, HandlerThatDoesNotReadDoesNotSpin) {
    RawListener server;
    TCustomWSocket s;
    int calls = 0;
    s.OnDataAvailable = [&](QObject*, std::uint16_t) { ++calls; };
    s.SetAddr("127.0.0.1");
    s.SetPort(server.portText());
    s.Connect();
    RawFd peer = server.Accept();
    ASSERT_TRUE(WaitUntil([&] { return s.State() == wsConnected; }));
    peer.SendAll("unread");
    ASSERT_TRUE(WaitUntil([&] { return calls > 0; }));
    RunEvents(200);
    // One notice; the next comes after the handler reads.
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(s.RcvdCount(), 6);
    EXPECT_EQ(s.ReceiveText(), "unread");
}

TEST(TCustomWSocket, HandlerExceptionsNeverLeaveTheEventLoop) {
    RawListener server;
    TCustomWSocket s;
    Events ev;
    Watch(s, ev);
    std::vector<std::string> seen;
    s.SetAddr("127.0.0.1");
    s.SetPort(server.portText());
    s.Connect();
    RawFd peer = server.Accept();
    ASSERT_TRUE(WaitUntil([&] { return s.State() == wsConnected; }));

    // Kept open when the handler says so.
    s.OnBgException = [&](QObject*, const std::exception& e, bool& canClose) {
        seen.push_back(e.what());
        canClose = false;
    };
    s.PostMessage(WM_SOCKET_TEST);
    ASSERT_TRUE(WaitUntil([&] { return !seen.empty(); }));
    EXPECT_EQ(seen.front(), "Test exception in WSocket");
    EXPECT_EQ(s.State(), wsConnected);

    // Aborted by default, also for an exception of another kind.
    s.OnBgException = nullptr;
    s.OnSessionConnected = [](QObject*, std::uint16_t) {};
    s.OnDataSent = [](QObject*, std::uint16_t) { throw 42; };
    s.SendText("x");
    ASSERT_TRUE(WaitUntil([&] { return s.State() == wsClosed; }));

    // Exceptions of the data handler are dropped by the receive loop.
    TCustomWSocket r;
    r.SetAddr("127.0.0.1");
    r.SetPort(server.portText());
    int reads = 0;
    r.OnDataAvailable = [&](QObject*, std::uint16_t) {
        ++reads;
        r.ReceiveText();
        throw ESocketException("bad data");
    };
    r.Connect();
    RawFd peer2 = server.Accept();
    ASSERT_TRUE(WaitUntil([&] { return r.State() == wsConnected; }));
    peer2.SendAll("abc");
    ASSERT_TRUE(WaitUntil([&] { return reads > 0; }));
    RunEvents(50);
    EXPECT_EQ(r.State(), wsConnected);
}

TEST(TCustomWSocket, PostCloseClosesAfterTheHandler) {
    RawListener server;
    TCustomWSocket s;
    Events ev;
    Watch(s, ev);
    s.OnDataAvailable = [&](QObject*, std::uint16_t) {
        s.ReceiveText();
        s.PostClose();
        ev.log.push_back("read");
    };
    s.SetAddr("127.0.0.1");
    s.SetPort(server.portText());
    s.Connect();
    RawFd peer = server.Accept();
    ASSERT_TRUE(WaitUntil([&] { return s.State() == wsConnected; }));
    peer.SendAll("bye");
    ASSERT_TRUE(WaitUntil([&] { return s.State() == wsClosed; }));
    EXPECT_EQ(ev.log, (std::vector<std::string>{"connected 0", "read", "closed 0"}));
}

TEST(TCustomWSocket, ListenFailuresLeaveNoHandle) {
    RawListener taken;
    TCustomWSocket s;
    s.SetAddr("127.0.0.1");
    s.SetPort(taken.portText());
    EXPECT_EQ(ThrownBy([&] { s.Listen(); }),
              "Error 10048 in function Bind\r\nAddress already in use");
    EXPECT_EQ(s.State(), wsClosed);
    EXPECT_EQ(s.HSocket(), platform::INVALID_SOCKET);
    TCustomWSocket n;
    EXPECT_EQ(ThrownBy([&] { n.Listen(); }),
              "Error 10022 in function listen: port not assigned\r\nInvalid argument");
    EXPECT_EQ(ThrownBy([&] { n.Accept(); }),
              "Error 10022 in function not a listening socket\r\nInvalid argument");
    EXPECT_EQ(ThrownBy([&] { n.Dup(platform::INVALID_SOCKET); }),
              "Error 10022 in function Dup\r\nInvalid argument");
}

TEST(TCustomWSocket, AbortClosesAtOnce) {
    EchoServer server;
    TCustomWSocket s;
    Events ev;
    Watch(s, ev);
    s.SetAddr("127.0.0.1");
    s.SetPort(server.Port());
    s.Connect();
    ASSERT_TRUE(WaitUntil([&] { return s.State() == wsConnected; }));
    s.Abort();
    EXPECT_EQ(s.State(), wsClosed);
    EXPECT_EQ(ev.closed, std::vector<int>{0});
    ASSERT_TRUE(WaitUntil([&] { return !server.closedErrors.empty(); }));
}

TEST(TCustomWSocket, FlushEndsWithAnErrorWhenThePeerStalls) {
    RawListener server(4096);
    TCustomWSocket s;
    s.SetAddr("127.0.0.1");
    s.SetPort(server.portText());
    s.Connect();
    RawFd peer = server.Accept();
    ASSERT_TRUE(WaitUntil([&] { return s.State() == wsConnected; }));
    const std::string data(8 << 20, 'f');
    s.Send(data.data(), static_cast<int>(data.size()));
    s.SetFlushTimeout(1);
    const auto start = platform::WaitClock::now();
    EXPECT_EQ(ThrownBy([&] { s.Flush(); }),
              "Error 10060 in function Flush\r\nConnection timed out");
    EXPECT_LT(platform::WaitClock::now() - start, std::chrono::seconds(5));
}

TEST(TCustomWSocket, FlushWaitsForTheQueue) {
    RawListener server;
    TCustomWSocket s;
    // A graceful close, so nothing in flight is dropped by a reset.
    s.SetLingerOnOff(wsLingerNoSet);
    s.SetAddr("127.0.0.1");
    s.SetPort(server.portText());
    s.Connect();
    RawFd peer = server.Accept();
    ASSERT_TRUE(WaitUntil([&] { return s.State() == wsConnected; }));
    const std::string data(200000, 'f');
    s.Send(data.data(), static_cast<int>(data.size()));
    std::string got;
    std::thread reader([&] { got = peer.ReadAll(3000); });
    s.Flush();
    s.Close();
    reader.join();
    EXPECT_EQ(got.size(), data.size());
}

TEST(TCustomWSocket, DnsLookupOfADottedAddressIsImmediate) {
    TCustomWSocket s;
    std::vector<int> done;
    s.OnDnsLookupDone = [&](QObject*, std::uint16_t e) { done.push_back(e); };
    s.DnsLookup("127.1");
    EXPECT_EQ(done, std::vector<int>{0});
    EXPECT_EQ(s.DnsResult(), "127.0.0.1");
    EXPECT_TRUE(s.DnsResultList().empty());
}

TEST(TCustomWSocket, DnsLookupOfANameArrivesLater) {
    TCustomWSocket s;
    std::vector<int> done;
    s.OnDnsLookupDone = [&](QObject*, std::uint16_t e) { done.push_back(e); };
    s.DnsLookup("localhost");
    EXPECT_TRUE(done.empty());
    ASSERT_TRUE(WaitUntil([&] { return !done.empty(); }));
    EXPECT_EQ(done, std::vector<int>{0});
    EXPECT_EQ(s.DnsResult(), "127.0.0.1");
    EXPECT_EQ(s.DnsResultList().front(), "127.0.0.1");

    done.clear();
    s.DnsLookup("no-such-host.invalid");
    ASSERT_TRUE(WaitUntil([&] { return !done.empty(); }));
    EXPECT_GE(done.front(), 11001);
    EXPECT_LE(done.front(), 11004);
}

TEST(TCustomWSocket, AddrLookupGivesTheName) {
    TCustomWSocket s;
    std::vector<int> done;
    s.OnDnsLookupDone = [&](QObject*, std::uint16_t e) { done.push_back(e); };
    s.AddrLookup("127.0.0.1");
    ASSERT_TRUE(WaitUntil([&] { return !done.empty(); }));
    EXPECT_EQ(done, std::vector<int>{0});
    EXPECT_FALSE(s.DnsResult().empty());
    EXPECT_EQ(s.DnsResultList().size(), 1u);
}

TEST(TCustomWSocket, CancelledLookupNeverArrives) {
    TCustomWSocket s;
    std::vector<int> done;
    s.OnDnsLookupDone = [&](QObject*, std::uint16_t e) { done.push_back(e); };
    s.DnsLookup("localhost");
    s.CancelLookup();
    EXPECT_EQ(done, std::vector<int>{10004});
    RunEvents(300);
    EXPECT_EQ(done, std::vector<int>{10004});
    EXPECT_TRUE(s.DnsResult().empty());
    s.CancelLookup();
    EXPECT_EQ(done.size(), 1u);
}

TEST(TCustomWSocket, EmptyLookupName) {
    TCustomWSocket s;
    EXPECT_EQ(ThrownBy([&] { s.DnsLookup(""); }), "DNS lookup: invalid host name.");
    std::vector<int> done;
    s.OnDnsLookupDone = [&](QObject*, std::uint16_t e) { done.push_back(e); };
    s.OnError = [](QObject*) {};
    s.DnsLookup("");
    EXPECT_EQ(done, std::vector<int>{10022});
}

TEST(TCustomWSocket, ScriptedFailuresAreReportedByFunctionName) {
    ReleaseLibrary();
    auto script = std::make_shared<platform::FakeSocketScript>();
    platform::ScopedFakeSocketLibrary fake(script);
    {
        TCustomWSocket s;
        s.SetAddr("127.0.0.1");
        s.SetPort("1");
        script->failNext["socket"] = 10024;
        EXPECT_EQ(ThrownBy([&] { s.Connect(); }),
                  "Error 10024 in function Connect (socket)\r\nToo many open files");
        EXPECT_EQ(s.LastError(), 10024);
        RawListener server;
        s.SetPort(server.portText());
        script->failNext["WSAAsyncGetHostByName"] = 10055;
        EXPECT_EQ(ThrownBy([&] { s.DnsLookup("localhost"); }),
                  "localhost: can't start DNS lookup, error #10055");
    }
    ReleaseLibrary();
}

TEST(TCustomWSocket, UdpSendToAndReceiveFrom) {
    TCustomWSocket server;
    server.SetProto("udp");
    server.SetAddr("127.0.0.1");
    server.SetPort("0");
    std::string got;
    server.OnDataAvailable = [&](QObject*, std::uint16_t) {
        char buf[100];
        platform::TSockAddrIn from;
        int len = sizeof from;
        const int n = server.ReceiveFrom(buf, sizeof buf, from, len);
        if (n > 0) got.append(buf, static_cast<size_t>(n));
    };
    std::vector<int> connected;
    server.OnSessionConnected = [&](QObject*, std::uint16_t e) { connected.push_back(e); };
    server.Listen();
    EXPECT_EQ(server.State(), wsConnected);
    EXPECT_EQ(connected, std::vector<int>{0});

    TCustomWSocket client;
    client.SetProto("udp");
    client.SetAddr("127.0.0.1");
    client.SetPort(server.LocalPortText());
    client.Connect();
    EXPECT_EQ(client.State(), wsConnected);
    client.SendText("datagram");
    ASSERT_TRUE(WaitUntil([&] { return got == "datagram"; }));
}

} // namespace
