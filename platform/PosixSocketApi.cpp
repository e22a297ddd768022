#include "platform/SocketApi.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QSocketNotifier>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>
#include <system_error>
#include <thread>

namespace platform {

namespace {

// Handles and lookup tasks are numbered across every library instance, so that a message still
// queued for a closed socket never matches a socket made later.
TSocket NextHandle() {
    static std::atomic<TSocket> next{0x100};
    return next++;
}

TAsyncHandle NextTask() {
    static std::atomic<TAsyncHandle> next{1};
    return next++;
}

constexpr long kReadEvents = FD_READ | FD_ACCEPT | FD_CLOSE | FD_OOB;

sockaddr_in ToPosix(const TSockAddrIn& a) {
    sockaddr_in s{};
    s.sin_family = a.sin_family == WS_AF_INET ? AF_INET : static_cast<sa_family_t>(a.sin_family);
    s.sin_port = a.sin_port;
    s.sin_addr.s_addr = a.sin_addr;
    return s;
}

TSockAddrIn FromPosix(const sockaddr_in& s) {
    TSockAddrIn a;
    a.sin_family = s.sin_family == AF_INET ? WS_AF_INET : static_cast<std::int16_t>(s.sin_family);
    a.sin_port = s.sin_port;
    a.sin_addr = s.sin_addr.s_addr;
    return a;
}

int ResolveName(const std::string& name, THostEntry& entry) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_CANONNAME;
    addrinfo* list = nullptr;
    errno = 0;
    const int rc = ::getaddrinfo(name.c_str(), nullptr, &hints, &list);
    if (rc != 0) return WinsockErrorFromResolver(rc, errno);
    entry = THostEntry{};
    entry.h_name = list->ai_canonname ? list->ai_canonname : name;
    for (addrinfo* ai = list; ai; ai = ai->ai_next) {
        if (ai->ai_family != AF_INET) continue;
        const auto a = reinterpret_cast<const sockaddr_in*>(ai->ai_addr)->sin_addr.s_addr;
        bool seen = false;
        for (auto x : entry.h_addr_list) seen = seen || x == a;
        if (!seen) entry.h_addr_list.push_back(a);
    }
    ::freeaddrinfo(list);
    return entry.h_addr_list.empty() ? WSANO_DATA : 0;
}

int ResolveAddr(std::uint32_t addr, THostEntry& entry) {
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = addr;
    char host[NI_MAXHOST];
    errno = 0;
    const int rc = ::getnameinfo(reinterpret_cast<const sockaddr*>(&sa), sizeof sa, host,
                                 sizeof host, nullptr, 0, NI_NAMEREQD);
    if (rc != 0) return WinsockErrorFromResolver(rc, errno);
    entry = THostEntry{};
    entry.h_name = host;
    entry.h_addr_list.push_back(addr);
    return 0;
}

class LookupDoneEvent : public QEvent {
public:
    LookupDoneEvent(TAsyncHandle task, int error, std::shared_ptr<const THostEntry> host)
        : QEvent(Type()), Task(task), Error(error), Host(std::move(host)) {}
    static QEvent::Type Type() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }
    TAsyncHandle Task;
    int Error;
    std::shared_ptr<const THostEntry> Host;
};

// Lives on the owning thread; a worker posts its result here and the result is passed on to
// the receiver only when the task was not cancelled meanwhile.
class LookupDispatcher : public QObject {
public:
    struct Pending {
        QPointer<QObject> receiver;
        unsigned msg;
    };
    std::map<TAsyncHandle, Pending> pending;

    bool event(QEvent* e) override {
        if (e->type() != LookupDoneEvent::Type()) return QObject::event(e);
        auto* done = static_cast<LookupDoneEvent*>(e);
        auto it = pending.find(done->Task);
        if (it == pending.end()) return true;
        const Pending p = it->second;
        pending.erase(it);
        if (p.receiver)
            QCoreApplication::postEvent(
                p.receiver, new TSocketMessage(p.msg, done->Task, MakeSelectReply(0, done->Error),
                                               done->Error ? nullptr : done->Host));
        return true;
    }
};

struct LookupShared {
    std::mutex mutex;
    QObject* dispatcher = nullptr;
};

struct Entry {
    int fd = -1;
    int type = SOCK_STREAM;
    bool listening = false;
    bool connecting = false;
    int pendingConnectError = 0;
    bool peerClosed = false;
    bool shutWrite = false;
    QPointer<QObject> receiver;
    unsigned msg = 0;
    long mask = 0;
    std::unique_ptr<QSocketNotifier> rd;
    std::unique_ptr<QSocketNotifier> wr;
};

class PosixSocketApi : public SocketApi {
public:
    PosixSocketApi() : shared_(std::make_shared<LookupShared>()) {
        dispatcher_ = std::make_unique<LookupDispatcher>();
        shared_->dispatcher = dispatcher_.get();
    }

    ~PosixSocketApi() override {
        CloseAll();
        {
            std::lock_guard lock(shared_->mutex);
            shared_->dispatcher = nullptr;
        }
    }

    int WSAStartup(std::uint16_t version, TWSAData& data) override {
        if ((version & 0xFF) < 1) return WSAVERNOTSUPPORTED;
        data.wVersion = 0x0101;
        data.wHighVersion = 0x0101;
        data.szDescription = "POSIX sockets";
        data.szSystemStatus = "Running";
        data.iMaxSockets = 0xFFFF;
        data.iMaxUdpDg = 65507;
        return 0;
    }

    int WSACleanup() override {
        CloseAll();
        return 0;
    }

    void WSASetLastError(int error) override { lastError_ = error; }
    int WSAGetLastError() override { return lastError_; }

    int WSACancelAsyncRequest(TAsyncHandle task) override {
        // A task that has finished already is simply forgotten: its result is on its way and
        // the receiver ignores it.
        if (task == 0) return Fail(WSAEINVAL);
        dispatcher_->pending.erase(task);
        return 0;
    }

    TAsyncHandle WSAAsyncGetHostByName(QObject* receiver, unsigned msg,
                                       const std::string& name) override {
        return StartLookup(receiver, msg, [name](THostEntry& e) { return ResolveName(name, e); });
    }

    TAsyncHandle WSAAsyncGetHostByAddr(QObject* receiver, unsigned msg, std::uint32_t addr,
                                       int type) override {
        if (type != WS_AF_INET) {
            lastError_ = WSAEAFNOSUPPORT;
            return 0;
        }
        return StartLookup(receiver, msg, [addr](THostEntry& e) { return ResolveAddr(addr, e); });
    }

    int WSAAsyncSelect(TSocket s, QObject* receiver, unsigned msg, long events) override {
        Entry* e = Find(s);
        if (!e) return Fail(WSAENOTSOCK);
        e->receiver = receiver;
        e->msg = msg;
        e->mask = events;
        if (events == 0 || !receiver) {
            e->rd.reset();
            e->wr.reset();
            return 0;
        }
        if (!e->rd) {
            e->rd = std::make_unique<QSocketNotifier>(e->fd, QSocketNotifier::Read);
            e->rd->setEnabled(false);
            QObject::connect(e->rd.get(), &QSocketNotifier::activated, e->rd.get(),
                             [this, s] { OnReadable(s); });
        }
        if (!e->wr) {
            e->wr = std::make_unique<QSocketNotifier>(e->fd, QSocketNotifier::Write);
            e->wr->setEnabled(false);
            QObject::connect(e->wr.get(), &QSocketNotifier::activated, e->wr.get(),
                             [this, s] { OnWritable(s); });
        }
        e->rd->setEnabled((events & kReadEvents) && !e->connecting && !e->peerClosed);
        // Like WinSock, selecting on a socket that can send posts one FD_WRITE.
        bool wantWrite = e->connecting;
        if (!e->connecting && !e->listening && (events & FD_WRITE))
            wantWrite = e->type == SOCK_DGRAM || IsConnected(e->fd);
        e->wr->setEnabled(wantWrite);
        return 0;
    }

    std::optional<std::uint16_t> getservbyname(const std::string& name,
                                               const std::string& proto) override {
        if (servent* se = ::getservbyname(name.c_str(), proto.empty() ? nullptr : proto.c_str()))
            return static_cast<std::uint16_t>(se->s_port);
        // Systems without a services file still know the usual few.
        static const std::pair<const char*, std::uint16_t> known[] = {
            {"ftp", 21},  {"ssh", 22},   {"telnet", 23}, {"smtp", 25},
            {"http", 80}, {"pop3", 110}, {"https", 443}, {"socks", 1080}};
        for (const auto& [n, port] : known)
            if (name == n) return ::htons(port);
        lastError_ = WSANO_DATA;
        return std::nullopt;
    }

    std::optional<int> getprotobyname(const std::string& name) override {
        if (protoent* pe = ::getprotobyname(name.c_str())) return pe->p_proto;
        static const std::pair<const char*, int> known[] = {
            {"ip", 0}, {"icmp", 1}, {"tcp", 6}, {"udp", 17}};
        for (const auto& [n, number] : known)
            if (name == n) return number;
        lastError_ = WSANO_DATA;
        return std::nullopt;
    }

    std::optional<THostEntry> gethostbyname(const std::string& name) override {
        THostEntry entry;
        const int err = ResolveName(name, entry);
        if (err != 0) {
            lastError_ = err;
            return std::nullopt;
        }
        return entry;
    }

    TSocket socket(int af, int type, int protocol) override {
        if (af != WS_AF_INET) return FailHandle(WSAEAFNOSUPPORT);
        int t;
        if (type == WS_SOCK_STREAM)
            t = SOCK_STREAM;
        else if (type == WS_SOCK_DGRAM)
            t = SOCK_DGRAM;
        else
            return FailHandle(WSAESOCKTNOSUPPORT);
        const int fd = ::socket(AF_INET, t | SOCK_NONBLOCK | SOCK_CLOEXEC, protocol);
        if (fd < 0) return FailHandle(WinsockErrorFromErrno(errno));
        return Add(fd, t);
    }

    int shutdown(TSocket s, int how) override {
        Entry* e = Find(s);
        if (!e) return Fail(WSAENOTSOCK);
        int h;
        if (how == WS_SD_RECEIVE)
            h = SHUT_RD;
        else if (how == WS_SD_SEND)
            h = SHUT_WR;
        else if (how == WS_SD_BOTH)
            h = SHUT_RDWR;
        else
            return Fail(WSAEINVAL);
        if (::shutdown(e->fd, h) != 0) return Fail(WinsockErrorFromErrno(errno));
        if (h != SHUT_RD) e->shutWrite = true;
        return 0;
    }

    int setsockopt(TSocket s, int level, int optname, const void* optval, int optlen) override {
        Entry* e = Find(s);
        if (!e) return Fail(WSAENOTSOCK);
        if (!optval) return Fail(WSAEFAULT);
        int rc;
        if (level == WS_SOL_SOCKET && optname == WS_SO_LINGER) {
            if (optlen < static_cast<int>(sizeof(TLinger))) return Fail(WSAEFAULT);
            TLinger l;
            std::memcpy(&l, optval, sizeof l);
            linger pl{l.l_onoff ? 1 : 0, l.l_linger};
            rc = ::setsockopt(e->fd, SOL_SOCKET, SO_LINGER, &pl, sizeof pl);
        } else {
            if (optlen < static_cast<int>(sizeof(int))) return Fail(WSAEFAULT);
            int v;
            std::memcpy(&v, optval, sizeof v);
            int plevel, popt;
            const bool sizeOption =
                level == WS_SOL_SOCKET && (optname == WS_SO_SNDBUF || optname == WS_SO_RCVBUF);
            if (!sizeOption) v = v != 0 ? 1 : 0;
            if (sizeOption) {
                plevel = SOL_SOCKET;
                popt = optname == WS_SO_SNDBUF ? SO_SNDBUF : SO_RCVBUF;
            } else if (level == WS_SOL_SOCKET) {
                plevel = SOL_SOCKET;
                switch (optname) {
                case WS_SO_REUSEADDR:
                    popt = SO_REUSEADDR;
                    break;
                case WS_SO_KEEPALIVE:
                    popt = SO_KEEPALIVE;
                    break;
                case WS_SO_BROADCAST:
                    popt = SO_BROADCAST;
                    break;
                default:
                    return Fail(WSAENOPROTOOPT);
                }
            } else if (level == WS_IPPROTO_TCP && optname == 1) {
                plevel = IPPROTO_TCP;
                popt = TCP_NODELAY;
            } else {
                return Fail(WSAENOPROTOOPT);
            }
            rc = ::setsockopt(e->fd, plevel, popt, &v, sizeof v);
        }
        if (rc != 0) return Fail(WinsockErrorFromErrno(errno));
        return 0;
    }

    int sendto(TSocket s, const void* buf, int len, int flags, const TSockAddrIn& to,
               int tolen) override {
        Entry* e = Find(s);
        if (!e) return Fail(WSAENOTSOCK);
        if (tolen < static_cast<int>(sizeof(TSockAddrIn)) || len < 0) return Fail(WSAEFAULT);
        const sockaddr_in sa = ToPosix(to);
        const ssize_t n = ::sendto(e->fd, buf, static_cast<size_t>(len), SendFlags(flags),
                                   reinterpret_cast<const sockaddr*>(&sa), sizeof sa);
        return SendResult(*e, n, len);
    }

    int send(TSocket s, const void* buf, int len, int flags) override {
        Entry* e = Find(s);
        if (!e) return Fail(WSAENOTSOCK);
        if (len < 0) return Fail(WSAEFAULT);
        const ssize_t n = ::send(e->fd, buf, static_cast<size_t>(len), SendFlags(flags));
        return SendResult(*e, n, len);
    }

    std::uint16_t NetToHostShort(std::uint16_t v) override { return ::ntohs(v); }
    std::uint16_t HostToNetShort(std::uint16_t v) override { return ::htons(v); }

    int listen(TSocket s, int backlog) override {
        Entry* e = Find(s);
        if (!e) return Fail(WSAENOTSOCK);
        if (::listen(e->fd, backlog) != 0) return Fail(WinsockErrorFromErrno(errno));
        e->listening = true;
        return 0;
    }

    int ioctlsocket(TSocket s, long cmd, std::uint32_t* argp) override {
        Entry* e = Find(s);
        if (!e) return Fail(WSAENOTSOCK);
        if (!argp) return Fail(WSAEFAULT);
        if (cmd == WS_FIONREAD) {
            int n = 0;
            if (::ioctl(e->fd, FIONREAD, &n) != 0) return Fail(WinsockErrorFromErrno(errno));
            *argp = static_cast<std::uint32_t>(n < 0 ? 0 : n);
            return 0;
        }
        if (cmd == WS_FIONBIO) {
            const int flags = ::fcntl(e->fd, F_GETFL);
            const int wanted = *argp ? (flags | O_NONBLOCK) : (flags & ~O_NONBLOCK);
            if (flags < 0 || ::fcntl(e->fd, F_SETFL, wanted) != 0)
                return Fail(WinsockErrorFromErrno(errno));
            return 0;
        }
        return Fail(WSAEINVAL);
    }

    std::string inet_ntoa(std::uint32_t addr) override {
        in_addr a{};
        a.s_addr = addr;
        char text[INET_ADDRSTRLEN];
        return ::inet_ntop(AF_INET, &a, text, sizeof text) ? text : "";
    }

    std::uint32_t inet_addr(const std::string& text) override { return ::inet_addr(text.c_str()); }

    int getsockname(TSocket s, TSockAddrIn& name, int& namelen) override {
        return NameOf(s, name, namelen, ::getsockname);
    }

    int getpeername(TSocket s, TSockAddrIn& name, int& namelen) override {
        return NameOf(s, name, namelen, ::getpeername);
    }

    int connect(TSocket s, const TSockAddrIn& name, int namelen) override {
        Entry* e = Find(s);
        if (!e) return Fail(WSAENOTSOCK);
        if (namelen < static_cast<int>(sizeof(TSockAddrIn))) return Fail(WSAEFAULT);
        const sockaddr_in sa = ToPosix(name);
        const int rc = ::connect(e->fd, reinterpret_cast<const sockaddr*>(&sa), sizeof sa);
        const int err = rc == 0 ? 0 : errno;
        if (e->type != SOCK_STREAM) return rc == 0 ? 0 : Fail(WinsockErrorFromErrno(err));
        // As with WinSock, the outcome of a stream connect always arrives as FD_CONNECT.
        const bool outcome = err == 0 || err == EINPROGRESS || err == ECONNREFUSED ||
                             err == ENETUNREACH || err == EHOSTUNREACH || err == ETIMEDOUT;
        if (!outcome) return Fail(WinsockErrorFromErrno(err));
        e->connecting = true;
        e->pendingConnectError = err == EINPROGRESS ? 0 : err;
        if (e->rd) e->rd->setEnabled(false);
        if (e->wr && e->mask != 0) e->wr->setEnabled(true);
        if (rc == 0) return 0;
        return Fail(WSAEWOULDBLOCK);
    }

    int closesocket(TSocket s) override {
        auto it = entries_.find(s);
        if (it == entries_.end()) return Fail(WSAENOTSOCK);
        auto entry = std::move(it->second);
        entries_.erase(it);
        entry->rd.reset();
        entry->wr.reset();
        if (::close(entry->fd) != 0 && errno != EINTR) return Fail(WinsockErrorFromErrno(errno));
        return 0;
    }

    int bind(TSocket s, const TSockAddrIn& name, int namelen) override {
        Entry* e = Find(s);
        if (!e) return Fail(WSAENOTSOCK);
        if (namelen < static_cast<int>(sizeof(TSockAddrIn))) return Fail(WSAEFAULT);
        const sockaddr_in sa = ToPosix(name);
        if (::bind(e->fd, reinterpret_cast<const sockaddr*>(&sa), sizeof sa) != 0)
            return Fail(WinsockErrorFromErrno(errno));
        return 0;
    }

    TSocket accept(TSocket s, TSockAddrIn* addr, int* addrlen) override {
        Entry* e = Find(s);
        if (!e) return FailHandle(WSAENOTSOCK);
        if (!e->listening) return FailHandle(WSAEINVAL);
        sockaddr_in sa{};
        socklen_t len = sizeof sa;
        const int fd =
            ::accept4(e->fd, reinterpret_cast<sockaddr*>(&sa), &len, SOCK_NONBLOCK | SOCK_CLOEXEC);
        const int err = errno;
        RearmRead(*e);
        if (fd < 0) return FailHandle(WinsockErrorFromErrno(err));
        if (addr) *addr = FromPosix(sa);
        if (addrlen) *addrlen = sizeof(TSockAddrIn);
        return Add(fd, SOCK_STREAM);
    }

    int recv(TSocket s, void* buf, int len, int flags) override {
        Entry* e = Find(s);
        if (!e) return Fail(WSAENOTSOCK);
        if (len < 0) return Fail(WSAEFAULT);
        const ssize_t n =
            ::recv(e->fd, buf, static_cast<size_t>(len), (flags & WS_MSG_OOB) ? MSG_OOB : 0);
        const int err = errno;
        RearmRead(*e);
        if (n < 0) return Fail(WinsockErrorFromErrno(err));
        return static_cast<int>(n);
    }

    int recvfrom(TSocket s, void* buf, int len, int flags, TSockAddrIn* from,
                 int* fromlen) override {
        Entry* e = Find(s);
        if (!e) return Fail(WSAENOTSOCK);
        if (len < 0) return Fail(WSAEFAULT);
        sockaddr_in sa{};
        socklen_t sl = sizeof sa;
        const ssize_t n =
            ::recvfrom(e->fd, buf, static_cast<size_t>(len), (flags & WS_MSG_OOB) ? MSG_OOB : 0,
                       reinterpret_cast<sockaddr*>(&sa), &sl);
        const int err = errno;
        RearmRead(*e);
        if (n < 0) return Fail(WinsockErrorFromErrno(err));
        if (from) *from = FromPosix(sa);
        if (fromlen) *fromlen = sizeof(TSockAddrIn);
        return static_cast<int>(n);
    }

private:
    Entry* Find(TSocket s) {
        auto it = entries_.find(s);
        return it == entries_.end() ? nullptr : it->second.get();
    }

    TSocket Add(int fd, int type) {
        auto entry = std::make_unique<Entry>();
        entry->fd = fd;
        entry->type = type;
        const TSocket h = NextHandle();
        entries_[h] = std::move(entry);
        lastError_ = 0;
        return h;
    }

    void CloseAll() {
        for (auto& [h, e] : entries_) {
            e->rd.reset();
            e->wr.reset();
            ::close(e->fd);
        }
        entries_.clear();
        dispatcher_->pending.clear();
    }

    int Fail(int error) {
        lastError_ = error;
        return SOCKET_ERROR;
    }

    TSocket FailHandle(int error) {
        lastError_ = error;
        return INVALID_SOCKET;
    }

    static int SendFlags(int flags) { return MSG_NOSIGNAL | ((flags & WS_MSG_OOB) ? MSG_OOB : 0); }

    int SendResult(Entry& e, ssize_t n, int len) {
        // A partial send means the buffer is full, as a refused one does: WinSock takes all or
        // nothing and the caller waits for FD_WRITE either way.
        if (n >= 0 && n < len && e.wr && (e.mask & FD_WRITE)) e.wr->setEnabled(true);
        if (n >= 0) return static_cast<int>(n);
        const int err = errno;
        if (err == EAGAIN || err == EWOULDBLOCK) {
            // FD_WRITE follows once the buffer has room again.
            if (e.wr && (e.mask & FD_WRITE)) e.wr->setEnabled(true);
            return Fail(WSAEWOULDBLOCK);
        }
        // Linux says EPIPE also when the peer reset the connection; only a send after our own
        // shutdown is "after shutdown".
        if (err == EPIPE && !e.shutWrite) return Fail(WSAECONNRESET);
        return Fail(WinsockErrorFromErrno(err));
    }

    static bool IsConnected(int fd) {
        sockaddr_in sa{};
        socklen_t len = sizeof sa;
        return ::getpeername(fd, reinterpret_cast<sockaddr*>(&sa), &len) == 0;
    }

    template <typename F> int NameOf(TSocket s, TSockAddrIn& name, int& namelen, F f) {
        Entry* e = Find(s);
        if (!e) return Fail(WSAENOTSOCK);
        if (namelen < static_cast<int>(sizeof(TSockAddrIn))) return Fail(WSAEFAULT);
        sockaddr_in sa{};
        socklen_t len = sizeof sa;
        if (f(e->fd, reinterpret_cast<sockaddr*>(&sa), &len) != 0)
            return Fail(WinsockErrorFromErrno(errno));
        name = FromPosix(sa);
        namelen = sizeof(TSockAddrIn);
        return 0;
    }

    // WinSock posts the next FD_READ (or FD_ACCEPT) only after the socket was read again.
    void RearmRead(Entry& e) {
        if (e.rd && (e.mask & kReadEvents) && !e.connecting && !e.peerClosed)
            e.rd->setEnabled(true);
    }

    void Post(Entry& e, TSocket s, long event, int error) {
        if (e.receiver && (e.mask & event))
            PostSocketMessage(e.receiver, e.msg, static_cast<std::uintptr_t>(s),
                              MakeSelectReply(event, error));
    }

    void OnReadable(TSocket s) {
        Entry* e = Find(s);
        if (!e || !e->rd) return;
        e->rd->setEnabled(false);
        if (e->listening) {
            Post(*e, s, FD_ACCEPT, 0);
            return;
        }
        char c;
        const ssize_t n = ::recv(e->fd, &c, 1, MSG_PEEK | MSG_DONTWAIT);
        const int err = errno;
        if (n > 0 || e->type == SOCK_DGRAM) {
            Post(*e, s, FD_READ, 0);
            return;
        }
        if (n < 0 && (err == EAGAIN || err == EWOULDBLOCK || err == EINTR)) {
            e->rd->setEnabled(true);
            return;
        }
        e->peerClosed = true;
        Post(*e, s, FD_CLOSE, n == 0 ? 0 : WinsockErrorFromErrno(err));
    }

    void OnWritable(TSocket s) {
        Entry* e = Find(s);
        if (!e || !e->wr) return;
        e->wr->setEnabled(false);
        if (!e->connecting) {
            Post(*e, s, FD_WRITE, 0);
            return;
        }
        e->connecting = false;
        int soerr = e->pendingConnectError;
        e->pendingConnectError = 0;
        if (soerr == 0) {
            socklen_t len = sizeof soerr;
            if (::getsockopt(e->fd, SOL_SOCKET, SO_ERROR, &soerr, &len) != 0) soerr = errno;
        }
        Post(*e, s, FD_CONNECT, WinsockErrorFromErrno(soerr));
        if (soerr != 0) return;
        RearmRead(*e);
        Post(*e, s, FD_WRITE, 0);
    }

    template <typename F> TAsyncHandle StartLookup(QObject* receiver, unsigned msg, F resolve) {
        const TAsyncHandle task = NextTask();
        dispatcher_->pending[task] = {receiver, msg};
        try {
            std::thread([shared = shared_, task, resolve] {
                auto entry = std::make_shared<THostEntry>();
                const int err = resolve(*entry);
                std::lock_guard lock(shared->mutex);
                if (shared->dispatcher)
                    QCoreApplication::postEvent(shared->dispatcher,
                                                new LookupDoneEvent(task, err, entry));
            }).detach();
        } catch (const std::system_error&) {
            dispatcher_->pending.erase(task);
            lastError_ = WSAENOBUFS;
            return 0;
        }
        return task;
    }

    std::shared_ptr<LookupShared> shared_;
    std::unique_ptr<LookupDispatcher> dispatcher_;
    std::map<TSocket, std::unique_ptr<Entry>> entries_;
    int lastError_ = 0;
};

} // namespace

std::unique_ptr<SocketApi> MakePosixSocketApi() {
    return std::make_unique<PosixSocketApi>();
}

} // namespace platform
