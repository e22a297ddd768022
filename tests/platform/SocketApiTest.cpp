#include "platform/SocketApi.h"

#include "platform/EventWait.h"

#include <QObject>

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <vector>

using namespace platform;

namespace {

bool WaitUntil(const std::function<bool()>& pred, int ms = 3000) {
    const auto deadline = WaitClock::now() + std::chrono::milliseconds(ms);
    while (!pred()) {
        const auto now = WaitClock::now();
        if (now >= deadline) return pred();
        WaitForEvents(std::min(deadline, now + std::chrono::milliseconds(20)));
    }
    return true;
}

void RunEvents(int ms) {
    WaitUntil([] { return false; }, ms);
}

struct Note {
    unsigned msg;
    std::uintptr_t wParam;
    int event;
    int error;
    std::shared_ptr<const THostEntry> host;
};

class Receiver : public QObject {
public:
    std::vector<Note> notes;
    bool event(QEvent* e) override {
        if (e->type() != TSocketMessage::EventType()) return QObject::event(e);
        auto& m = static_cast<TSocketMessage&>(*e);
        notes.push_back({m.Msg, m.WParam, SelectEvent(m.LParam), SelectError(m.LParam), m.Host});
        return true;
    }
    int Count(int event) const {
        int n = 0;
        for (const auto& x : notes) n += x.event == event;
        return n;
    }
};

TEST(SocketErrors, ErrnoTable) {
    const std::vector<std::pair<int, int>> cases = {
        {0, 0},
        {EINPROGRESS, 10035},
        {EAGAIN, 10035},
        {EINTR, 10004},
        {EBADF, 10009},
        {EACCES, 10013},
        {EINVAL, 10022},
        {EMFILE, 10024},
        {ENOTSOCK, 10038},
        {EADDRINUSE, 10048},
        {EADDRNOTAVAIL, 10049},
        {ENETUNREACH, 10051},
        {ECONNABORTED, 10053},
        {ECONNRESET, 10054},
        {ENOBUFS, 10055},
        {EISCONN, 10056},
        {ENOTCONN, 10057},
        {EPIPE, 10058},
        {ETIMEDOUT, 10060},
        {ECONNREFUSED, 10061},
        {EHOSTUNREACH, 10065},
        {EIO, EIO},
    };
    for (const auto& [err, wsa] : cases) EXPECT_EQ(WinsockErrorFromErrno(err), wsa) << err;
}

TEST(SocketErrors, ResolverTable) {
    EXPECT_EQ(WinsockErrorFromResolver(0, 0), 0);
    EXPECT_EQ(WinsockErrorFromResolver(EAI_NONAME, 0), 11001);
    EXPECT_EQ(WinsockErrorFromResolver(EAI_AGAIN, 0), 11002);
    EXPECT_EQ(WinsockErrorFromResolver(EAI_FAIL, 0), 11003);
    EXPECT_EQ(WinsockErrorFromResolver(EAI_NODATA, 0), 11004);
    EXPECT_EQ(WinsockErrorFromResolver(EAI_SYSTEM, ECONNREFUSED), 10061);
}

TEST(SocketMessage, SelectReplyPacking) {
    const auto l = MakeSelectReply(FD_CLOSE, 10054);
    EXPECT_EQ(SelectEvent(l), FD_CLOSE);
    EXPECT_EQ(SelectError(l), 10054);
}

class PosixApi : public ::testing::Test {
protected:
    void SetUp() override {
        api = MakePosixSocketApi();
        TWSAData data;
        ASSERT_EQ(api->WSAStartup(0x0101, data), 0);
        EXPECT_EQ(data.wVersion, 0x0101);
    }
    void TearDown() override { api->WSACleanup(); }

    // A listening handle on 127.0.0.1 and its address.
    TSocket Listener(TSockAddrIn& addr) {
        const TSocket l = api->socket(WS_AF_INET, WS_SOCK_STREAM, WS_IPPROTO_TCP);
        addr.sin_addr = api->inet_addr("127.0.0.1");
        EXPECT_EQ(api->bind(l, addr, sizeof addr), 0);
        EXPECT_EQ(api->listen(l, 5), 0);
        int len = sizeof addr;
        EXPECT_EQ(api->getsockname(l, addr, len), 0);
        return l;
    }

    // A connected client (selected to rx) and the accepted server end.
    std::pair<TSocket, TSocket> Pair(Receiver& rx,
                                     long events = FD_READ | FD_WRITE | FD_CONNECT | FD_CLOSE) {
        TSockAddrIn addr;
        const TSocket l = Listener(addr);
        const TSocket c = api->socket(WS_AF_INET, WS_SOCK_STREAM, WS_IPPROTO_TCP);
        EXPECT_EQ(api->WSAAsyncSelect(c, &rx, 1025, events), 0);
        const int rc = api->connect(c, addr, sizeof addr);
        EXPECT_TRUE(rc == 0 || api->WSAGetLastError() == WSAEWOULDBLOCK);
        EXPECT_TRUE(WaitUntil([&] { return rx.Count(FD_CONNECT) == 1; }));
        TSocket a = INVALID_SOCKET;
        EXPECT_TRUE(WaitUntil([&] {
            a = api->accept(l, nullptr, nullptr);
            return a != INVALID_SOCKET;
        }));
        api->closesocket(l);
        return {c, a};
    }

    std::unique_ptr<SocketApi> api;
};

TEST_F(PosixApi, ConnectCompletesAsConnectThenWrite) {
    Receiver rx;
    auto [c, a] = Pair(rx);
    ASSERT_TRUE(WaitUntil([&] { return rx.Count(FD_WRITE) == 1; }));
    EXPECT_EQ(rx.notes[0].event, FD_CONNECT);
    EXPECT_EQ(rx.notes[0].error, 0);
    EXPECT_EQ(rx.notes[0].wParam, static_cast<std::uintptr_t>(c));
    EXPECT_EQ(rx.notes[0].msg, 1025u);
}

TEST_F(PosixApi, RefusedConnectArrivesAsConnectError) {
    TSockAddrIn addr;
    const TSocket l = Listener(addr);
    api->closesocket(l);
    Receiver rx;
    const TSocket c = api->socket(WS_AF_INET, WS_SOCK_STREAM, WS_IPPROTO_TCP);
    api->WSAAsyncSelect(c, &rx, 1025, FD_READ | FD_WRITE | FD_CONNECT | FD_CLOSE);
    EXPECT_EQ(api->connect(c, addr, sizeof addr), SOCKET_ERROR);
    EXPECT_EQ(api->WSAGetLastError(), WSAEWOULDBLOCK);
    ASSERT_TRUE(WaitUntil([&] { return !rx.notes.empty(); }));
    RunEvents(50);
    ASSERT_EQ(rx.notes.size(), 1u);
    EXPECT_EQ(rx.notes[0].event, FD_CONNECT);
    EXPECT_EQ(rx.notes[0].error, WSAECONNREFUSED);
}

TEST_F(PosixApi, ReadIsNotedAgainOnlyAfterARead) {
    Receiver rx;
    auto [c, a] = Pair(rx);
    ASSERT_EQ(api->send(a, "abc", 3, 0), 3);
    ASSERT_TRUE(WaitUntil([&] { return rx.Count(FD_READ) == 1; }));
    api->send(a, "def", 3, 0);
    RunEvents(100);
    EXPECT_EQ(rx.Count(FD_READ), 1);
    std::uint32_t pending = 0;
    ASSERT_EQ(api->ioctlsocket(c, WS_FIONREAD, &pending), 0);
    EXPECT_EQ(pending, 6u);
    char buf[2];
    EXPECT_EQ(api->recv(c, buf, 2, 0), 2);
    // Data is left, so the next notice comes.
    ASSERT_TRUE(WaitUntil([&] { return rx.Count(FD_READ) == 2; }));
}

TEST_F(PosixApi, PeerCloseAndResetAreNotedAsClose) {
    for (bool reset : {false, true}) {
        Receiver rx;
        auto [c, a] = Pair(rx);
        if (reset) {
            TLinger l;
            l.l_onoff = 1;
            api->setsockopt(a, WS_SOL_SOCKET, WS_SO_LINGER, &l, sizeof l);
        }
        api->closesocket(a);
        ASSERT_TRUE(WaitUntil([&] { return rx.Count(FD_CLOSE) == 1; })) << reset;
        for (const auto& n : rx.notes)
            if (n.event == FD_CLOSE) {
                EXPECT_EQ(n.error, reset ? WSAECONNRESET : 0);
            }
        api->closesocket(c);
    }
}

TEST_F(PosixApi, SendToAGonePeerFailsWithoutSignal) {
    Receiver rx;
    auto [c, a] = Pair(rx, FD_CONNECT);
    TLinger l;
    l.l_onoff = 1;
    api->setsockopt(a, WS_SOL_SOCKET, WS_SO_LINGER, &l, sizeof l);
    api->closesocket(a);
    RunEvents(50);
    const std::string data(100000, 'x');
    int result = 0;
    for (int i = 0; i < 5 && result >= 0; ++i)
        result = api->send(c, data.data(), static_cast<int>(data.size()), 0);
    EXPECT_EQ(result, SOCKET_ERROR);
    EXPECT_EQ(api->WSAGetLastError(), WSAECONNRESET);
}

TEST_F(PosixApi, SendAfterOwnShutdownIsShutdownError) {
    Receiver rx;
    auto [c, a] = Pair(rx, FD_CONNECT);
    ASSERT_EQ(api->shutdown(c, WS_SD_SEND), 0);
    EXPECT_EQ(api->send(c, "x", 1, 0), SOCKET_ERROR);
    EXPECT_EQ(api->WSAGetLastError(), WSAESHUTDOWN);
}

TEST_F(PosixApi, HandlesAreNeverReused) {
    std::vector<TSocket> seen;
    for (int i = 0; i < 5; ++i) {
        const TSocket s = api->socket(WS_AF_INET, WS_SOCK_STREAM, WS_IPPROTO_TCP);
        for (auto x : seen) EXPECT_NE(x, s);
        seen.push_back(s);
        api->closesocket(s);
    }
    // Also not by another instance of the library.
    auto other = MakePosixSocketApi();
    const TSocket s = other->socket(WS_AF_INET, WS_SOCK_STREAM, WS_IPPROTO_TCP);
    for (auto x : seen) EXPECT_NE(x, s);
    EXPECT_EQ(api->closesocket(seen[0]), SOCKET_ERROR);
    EXPECT_EQ(api->WSAGetLastError(), WSAENOTSOCK);
}

TEST_F(PosixApi, ListenerNotesAccept) {
    TSockAddrIn addr;
    const TSocket l = Listener(addr);
    Receiver rx;
    api->WSAAsyncSelect(l, &rx, 1025, FD_ACCEPT);
    const TSocket c = api->socket(WS_AF_INET, WS_SOCK_STREAM, WS_IPPROTO_TCP);
    api->connect(c, addr, sizeof addr);
    ASSERT_TRUE(WaitUntil([&] { return rx.Count(FD_ACCEPT) == 1; }));
    TSockAddrIn peer;
    int len = sizeof peer;
    const TSocket a = api->accept(l, &peer, &len);
    EXPECT_NE(a, INVALID_SOCKET);
    EXPECT_EQ(api->inet_ntoa(peer.sin_addr), "127.0.0.1");
}

TEST_F(PosixApi, LookupsPostBackAndCancelDrops) {
    Receiver rx;
    const TAsyncHandle t = api->WSAAsyncGetHostByName(&rx, 1026, "localhost");
    ASSERT_NE(t, 0u);
    ASSERT_TRUE(WaitUntil([&] { return !rx.notes.empty(); }));
    EXPECT_EQ(rx.notes[0].wParam, t);
    EXPECT_EQ(rx.notes[0].error, 0);
    ASSERT_TRUE(rx.notes[0].host);
    EXPECT_EQ(api->inet_ntoa(rx.notes[0].host->h_addr_list.at(0)), "127.0.0.1");

    rx.notes.clear();
    const TAsyncHandle t2 = api->WSAAsyncGetHostByName(&rx, 1026, "localhost");
    EXPECT_EQ(api->WSACancelAsyncRequest(t2), 0);
    RunEvents(300);
    EXPECT_TRUE(rx.notes.empty());

    api->WSAAsyncGetHostByName(&rx, 1026, "no-such-host.invalid");
    ASSERT_TRUE(WaitUntil([&] { return !rx.notes.empty(); }));
    EXPECT_GE(rx.notes[0].error, 11001);
    EXPECT_FALSE(rx.notes[0].host);
}

TEST_F(PosixApi, LookupForADestroyedReceiverIsDropped) {
    auto rx = std::make_unique<Receiver>();
    api->WSAAsyncGetHostByName(rx.get(), 1026, "localhost");
    rx.reset();
    RunEvents(200);
    SUCCEED();
}

TEST(EventWait, BlocksUntilTheDeadlineWithoutSpinning) {
    const auto start = WaitClock::now();
    const auto deadline = start + std::chrono::milliseconds(150);
    int rounds = 0;
    while (WaitClock::now() < deadline) {
        WaitForEvents(deadline);
        ++rounds;
    }
    // Events left from start-up may end a round early; a spinning wait would count thousands.
    EXPECT_LT(rounds, 20);
    EXPECT_LT(WaitClock::now() - start, std::chrono::milliseconds(1000));
}

} // namespace
