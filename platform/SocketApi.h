#pragma once

#include <QEvent>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QObject;

namespace platform {

// The WinSock 1.1 subset the socket components bind by name, kept with WinSock's numbers
// (constants, options, error codes) so that the components and their messages stay the same on
// every implementation. The POSIX names are macros, hence the WS_ prefix on the colliding ones.
using TSocket = int;
using TAsyncHandle = std::uintptr_t;

constexpr TSocket INVALID_SOCKET = -1;
constexpr int SOCKET_ERROR = -1;
constexpr std::uint32_t INADDR_NONE_W = 0xFFFFFFFFu;

constexpr int WS_AF_INET = 2;
constexpr int WS_SOCK_STREAM = 1;
constexpr int WS_SOCK_DGRAM = 2;
constexpr int WS_IPPROTO_TCP = 6;
constexpr int WS_IPPROTO_UDP = 17;
constexpr int WS_SOL_SOCKET = 0xFFFF;
constexpr int WS_SO_REUSEADDR = 0x0004;
constexpr int WS_SO_KEEPALIVE = 0x0008;
constexpr int WS_SO_BROADCAST = 0x0020;
constexpr int WS_SO_LINGER = 0x0080;
constexpr int WS_SO_SNDBUF = 0x1001;
constexpr int WS_SO_RCVBUF = 0x1002;
constexpr int WS_MSG_OOB = 1;
constexpr long WS_FIONREAD = 0x4004667F;
constexpr long WS_FIONBIO = static_cast<long>(0x8004667Eu);
constexpr int WS_SD_RECEIVE = 0;
constexpr int WS_SD_SEND = 1;
constexpr int WS_SD_BOTH = 2;

// Network event bits of an asynchronous select.
constexpr long FD_READ = 0x01;
constexpr long FD_WRITE = 0x02;
constexpr long FD_OOB = 0x04;
constexpr long FD_ACCEPT = 0x08;
constexpr long FD_CONNECT = 0x10;
constexpr long FD_CLOSE = 0x20;

constexpr int WSAEINTR = 10004;
constexpr int WSAEBADF = 10009;
constexpr int WSAEACCES = 10013;
constexpr int WSAEFAULT = 10014;
constexpr int WSAEINVAL = 10022;
constexpr int WSAEMFILE = 10024;
constexpr int WSAEWOULDBLOCK = 10035;
constexpr int WSAEINPROGRESS = 10036;
constexpr int WSAEALREADY = 10037;
constexpr int WSAENOTSOCK = 10038;
constexpr int WSAEDESTADDRREQ = 10039;
constexpr int WSAEMSGSIZE = 10040;
constexpr int WSAEPROTOTYPE = 10041;
constexpr int WSAENOPROTOOPT = 10042;
constexpr int WSAEPROTONOSUPPORT = 10043;
constexpr int WSAESOCKTNOSUPPORT = 10044;
constexpr int WSAEOPNOTSUPP = 10045;
constexpr int WSAEPFNOSUPPORT = 10046;
constexpr int WSAEAFNOSUPPORT = 10047;
constexpr int WSAEADDRINUSE = 10048;
constexpr int WSAEADDRNOTAVAIL = 10049;
constexpr int WSAENETDOWN = 10050;
constexpr int WSAENETUNREACH = 10051;
constexpr int WSAENETRESET = 10052;
constexpr int WSAECONNABORTED = 10053;
constexpr int WSAECONNRESET = 10054;
constexpr int WSAENOBUFS = 10055;
constexpr int WSAEISCONN = 10056;
constexpr int WSAENOTCONN = 10057;
constexpr int WSAESHUTDOWN = 10058;
constexpr int WSAETOOMANYREFS = 10059;
constexpr int WSAETIMEDOUT = 10060;
constexpr int WSAECONNREFUSED = 10061;
constexpr int WSAELOOP = 10062;
constexpr int WSAENAMETOOLONG = 10063;
constexpr int WSAEHOSTDOWN = 10064;
constexpr int WSAEHOSTUNREACH = 10065;
constexpr int WSAENOTEMPTY = 10066;
constexpr int WSAEPROCLIM = 10067;
constexpr int WSAEUSERS = 10068;
constexpr int WSAEDQUOT = 10069;
constexpr int WSAESTALE = 10070;
constexpr int WSAEREMOTE = 10071;
constexpr int WSASYSNOTREADY = 10091;
constexpr int WSAVERNOTSUPPORTED = 10092;
constexpr int WSANOTINITIALISED = 10093;
constexpr int WSAHOST_NOT_FOUND = 11001;
constexpr int WSATRY_AGAIN = 11002;
constexpr int WSANO_RECOVERY = 11003;
constexpr int WSANO_DATA = 11004;

// WinSock's sockaddr_in: port and address in network order.
struct TSockAddrIn {
    std::int16_t sin_family = WS_AF_INET;
    std::uint16_t sin_port = 0;
    std::uint32_t sin_addr = 0;
    char sin_zero[8] = {};
};

struct TLinger {
    std::uint16_t l_onoff = 0;
    std::uint16_t l_linger = 0;
};

struct TWSAData {
    std::uint16_t wVersion = 0;
    std::uint16_t wHighVersion = 0;
    std::string szDescription;
    std::string szSystemStatus;
    std::uint16_t iMaxSockets = 0;
    std::uint16_t iMaxUdpDg = 0;
};

struct THostEntry {
    std::string h_name;
    std::vector<std::string> h_aliases;
    std::int16_t h_addrtype = WS_AF_INET;
    std::vector<std::uint32_t> h_addr_list; // network order
};

// A notification posted to a socket's receiver: the messages WinSock posts to a window.
// For lookups, host holds the entry (only when the error word is 0).
class TSocketMessage : public QEvent {
public:
    TSocketMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam,
                   std::shared_ptr<const THostEntry> host = nullptr);
    static QEvent::Type EventType();

    unsigned Msg;
    std::uintptr_t WParam;
    std::intptr_t LParam;
    std::shared_ptr<const THostEntry> Host;
};

constexpr std::intptr_t MakeSelectReply(long event, int error) {
    return static_cast<std::intptr_t>((static_cast<std::uint32_t>(error & 0xFFFF) << 16) |
                                      static_cast<std::uint32_t>(event & 0xFFFF));
}
constexpr std::uint16_t SelectEvent(std::intptr_t lParam) {
    return static_cast<std::uint16_t>(lParam & 0xFFFF);
}
constexpr std::uint16_t SelectError(std::intptr_t lParam) {
    return static_cast<std::uint16_t>((lParam >> 16) & 0xFFFF);
}

void PostSocketMessage(QObject* receiver, unsigned msg, std::uintptr_t wParam,
                       std::intptr_t lParam);

// The functions as the components call them. All calls come from the thread that owns the
// receivers; the asynchronous select and lookups post their TSocketMessage to the receiver.
class SocketApi {
public:
    virtual ~SocketApi() = default;

    virtual int WSAStartup(std::uint16_t version, TWSAData& data) = 0;
    virtual int WSACleanup() = 0;
    virtual void WSASetLastError(int error) = 0;
    virtual int WSAGetLastError() = 0;
    virtual int WSACancelAsyncRequest(TAsyncHandle task) = 0;
    // 0 when the lookup cannot be started.
    virtual TAsyncHandle WSAAsyncGetHostByName(QObject* receiver, unsigned msg,
                                               const std::string& name) = 0;
    virtual TAsyncHandle WSAAsyncGetHostByAddr(QObject* receiver, unsigned msg, std::uint32_t addr,
                                               int type) = 0;
    // events 0 stops all notifications.
    virtual int WSAAsyncSelect(TSocket s, QObject* receiver, unsigned msg, long events) = 0;
    // Port in network order.
    virtual std::optional<std::uint16_t> getservbyname(const std::string& name,
                                                       const std::string& proto) = 0;
    virtual std::optional<int> getprotobyname(const std::string& name) = 0;
    virtual std::optional<THostEntry> gethostbyname(const std::string& name) = 0;
    virtual TSocket socket(int af, int type, int protocol) = 0;
    virtual int shutdown(TSocket s, int how) = 0;
    virtual int setsockopt(TSocket s, int level, int optname, const void* optval, int optlen) = 0;
    virtual int sendto(TSocket s, const void* buf, int len, int flags, const TSockAddrIn& to,
                       int tolen) = 0;
    virtual int send(TSocket s, const void* buf, int len, int flags) = 0;
    virtual std::uint16_t NetToHostShort(std::uint16_t v) = 0;
    virtual int listen(TSocket s, int backlog) = 0;
    virtual int ioctlsocket(TSocket s, long cmd, std::uint32_t* argp) = 0;
    virtual std::string inet_ntoa(std::uint32_t addr) = 0;
    virtual std::uint32_t inet_addr(const std::string& text) = 0;
    virtual std::uint16_t HostToNetShort(std::uint16_t v) = 0;
    virtual int getsockname(TSocket s, TSockAddrIn& name, int& namelen) = 0;
    virtual int getpeername(TSocket s, TSockAddrIn& name, int& namelen) = 0;
    virtual int connect(TSocket s, const TSockAddrIn& name, int namelen) = 0;
    virtual int closesocket(TSocket s) = 0;
    virtual int bind(TSocket s, const TSockAddrIn& name, int namelen) = 0;
    virtual TSocket accept(TSocket s, TSockAddrIn* addr, int* addrlen) = 0;
    virtual int recv(TSocket s, void* buf, int len, int flags) = 0;
    virtual int recvfrom(TSocket s, void* buf, int len, int flags, TSockAddrIn* from,
                         int* fromlen) = 0;
};

// Explicit translation tables, used by the POSIX implementation.
int WinsockErrorFromErrno(int err);
int WinsockErrorFromResolver(int eaiError, int err);

// The POSIX implementation: non-blocking descriptors watched by QSocketNotifier, lookups on a
// worker thread. Handles are never reused, so a notification of a closed socket can never be
// taken for one of a new socket on the same descriptor.
std::unique_ptr<SocketApi> MakePosixSocketApi();

// Loading the library by name, as the binding does at first use. A loader returns nullptr and
// sets error when the library cannot be loaded. The default loader gives the POSIX one.
using SocketLibraryLoader =
    std::function<std::unique_ptr<SocketApi>(const std::string& name, int& error)>;
std::unique_ptr<SocketApi> LoadSocketLibrary(const std::string& name, int& error);
// Installs a loader (empty: back to the default) and returns the one it replaces.
SocketLibraryLoader SetSocketLibraryLoader(SocketLibraryLoader loader);

} // namespace platform
