#include "components/net/WSocket.h"

#include "platform/EventWait.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

#include <cctype>
#include <chrono>

using namespace platform;

namespace {

constexpr const char* kLibraryName = "wsock32.dll";

// The binding every socket shares: the library is loaded and started at the first call that
// needs it and released with the last socket.
struct Binding {
    std::unique_ptr<SocketApi> lib;
    TWSAData data;
    int socketCount = 0;

    ~Binding() { Release(); }

    void Release() {
        if (lib) {
            lib->WSACleanup();
            lib.reset();
        }
        socketCount = 0;
    }
};

Binding& TheBinding() {
    static Binding binding;
    return binding;
}

SocketApi& Api() {
    return WSocketApi();
}

std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return s.substr(b, e - b);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Four decimal groups of at most 255 joined by dots, blanks allowed around.
bool IsDottedAddress(const std::string& s) {
    size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    if (i < s.size() && s[i] == '.') return false;
    int dots = 0;
    long group = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '.') {
            if (group > 255 || i + 1 >= s.size() || !IsDigit(s[i + 1]) || ++dots > 3) return false;
            group = 0;
        } else if (IsDigit(c)) {
            group = std::min<long>(group * 10 + (c - '0'), 1000);
        } else {
            for (; i < s.size(); ++i)
                if (s[i] != ' ') return false;
            break;
        }
    }
    return dots == 3 && group <= 255;
}

long DecimalPrefix(const std::string& s) {
    size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    long v = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i) v = std::min<long>(v * 10 + (s[i] - '0'), 1L << 30);
    return v;
}

} // namespace

SocketApi& WSocketApi() {
    auto& b = TheBinding();
    if (!b.lib) {
        int error = 0;
        auto lib = LoadSocketLibrary(kLibraryName, error);
        if (!lib)
            throw ESocketException(std::string("Unable to load ") + kLibraryName + " Error #" +
                                   std::to_string(error));
        const int rc = lib->WSAStartup(0x0101, b.data);
        // Not kept when it did not start, so the next call tries the whole start again.
        if (rc != 0)
            throw ESocketException(std::string(kLibraryName) + ": WSAStartup error #" +
                                   std::to_string(rc));
        b.lib = std::move(lib);
    }
    return *b.lib;
}

bool WSocketLibraryLoaded() {
    return TheBinding().lib != nullptr;
}

int WSocketCount() {
    return TheBinding().socketCount;
}

std::string WinsockErrorText(int error) {
    switch (error) {
    case 0:
        return "No Error";
    case 10004:
        return "Interrupted system call";
    case 10009:
        return "Bad file number";
    case 10013:
        return "Permission denied";
    case 10014:
        return "Bad address";
    case 10022:
        return "Invalid argument";
    case 10024:
        return "Too many open files";
    case 10035:
        return "Operation would block";
    case 10036:
        return "Operation now in progress";
    case 10037:
        return "Operation already in progress";
    case 10038:
        return "Socket operation on non-socket";
    case 10039:
        return "Destination address required";
    case 10040:
        return "Message too long";
    case 10041:
        return "Protocol wrong type for socket";
    case 10042:
        return "Protocol not available";
    case 10043:
        return "Protocol not supported";
    case 10044:
        return "Socket type not supported";
    case 10045:
        return "Operation not supported on socket";
    case 10046:
        return "Protocol family not supported";
    case 10047:
        return "Address family not supported by protocol family";
    case 10048:
        return "Address already in use";
    case 10049:
        return "Address not available";
    case 10050:
        return "Network is down";
    case 10051:
        return "Network is unreachable";
    case 10052:
        return "Network dropped connection on reset";
    case 10053:
        return "Connection aborted";
    case 10054:
        return "Connection reset by peer";
    case 10055:
        return "No buffer space available";
    case 10056:
        return "Socket is already connected";
    case 10057:
        return "Socket is not connected";
    case 10058:
        return "Can't send after socket shutdown";
    case 10059:
        return "Too many references: can't splice";
    case 10060:
        return "Connection timed out";
    case 10061:
        return "Connection refused";
    case 10062:
        return "Too many levels of symbolic links";
    case 10063:
        return "File name too long";
    case 10064:
        return "Host is down";
    case 10065:
        return "No route to host";
    case 10066:
        return "Directory not empty";
    case 10067:
        return "Too many processes";
    case 10068:
        return "Too many users";
    case 10069:
        return "Disc quota exceeded";
    case 10070:
        return "Stale NFS file handle";
    case 10071:
        return "Too many levels of remote in path";
    case 10091:
        return "Network sub-system is unusable";
    case 10092:
        return "WinSock DLL cannot support this application";
    case 10093:
        return "WinSock not initialized";
    case 11001:
        return "Host not found";
    case 11002:
        return "Non-authoritative host not found";
    case 11003:
        return "Non-recoverable error";
    case 11004:
        return "No Data";
    default:
        return "Not a WinSock error";
    }
}

std::uint32_t WSocketResolveHost(const std::string& host) {
    if (host.empty() || host.size() > 256)
        throw ESocketException("WSocketResolveHost: '" + host + "' Invalid Hostname.");
    const std::string h = Trim(host);
    auto& api = Api();
    if (IsDottedAddress(h)) {
        const std::uint32_t a = api.inet_addr(h);
        if (a == INADDR_NONE_W && h != "255.255.255.255")
            throw ESocketException("WSocketResolveHost: '" + host + "' Invalid IP address.");
        return a;
    }
    auto entry = api.gethostbyname(h);
    if (!entry || entry->h_addr_list.empty())
        throw ESocketException("WSocketResolveHost: Cannot convert host address '" + host +
                               "', Error #" + std::to_string(api.WSAGetLastError()));
    return entry->h_addr_list.front();
}

std::uint16_t WSocketResolvePort(const std::string& port, const std::string& proto) {
    if (port.empty() || port.size() >= 32)
        throw ESocketException("WSocketResolvePort: Invalid Port.");
    if (IsDigit(port[0])) {
        // A number past the last port would wrap to another port.
        const long v = DecimalPrefix(port);
        if (v > 65535) throw ESocketException("WSocketResolvePort: Invalid Port.");
        return static_cast<std::uint16_t>(v);
    }
    auto& api = Api();
    auto s = api.getservbyname(Trim(port), Trim(proto));
    if (!s)
        throw ESocketException("WSocketResolvePort: Cannot convert port '" + port + "', Error #" +
                               std::to_string(api.WSAGetLastError()));
    return api.NetToHostShort(*s);
}

int WSocketResolveProto(const std::string& proto) {
    if (proto.empty() || proto.size() >= 32)
        throw ESocketException("WSocketResolveProto: Invalid Protocol.");
    const std::string p = Trim(proto);
    if (!p.empty() && IsDigit(p[0])) return static_cast<int>(DecimalPrefix(p));
    auto& api = Api();
    auto n = api.getprotobyname(p);
    if (!n)
        throw ESocketException("WSocketResolveProto: Cannot convert protocol '" + proto +
                               "', Error #" + std::to_string(api.WSAGetLastError()));
    return *n;
}

// ---- TCustomWSocket ----

TCustomWSocket::TCustomWSocket(QObject* owner) : QObject(owner) {
    ResetDefaults();
    ++TheBinding().socketCount;
}

TCustomWSocket::~TCustomWSocket() {
    destroying_ = true;
    try {
        CancelLookup();
    } catch (...) {
    }
    try {
        if (state_ != wsClosed || hSocket_ != INVALID_SOCKET) {
            // A handle left open while the state says closed is closed here too.
            if (state_ == wsClosed && hSocket_ != INVALID_SOCKET) {
                if (WSocketLibraryLoaded()) Api().closesocket(hSocket_);
                hSocket_ = INVALID_SOCKET;
            } else {
                Close();
            }
        }
    } catch (...) {
    }
    auto& b = TheBinding();
    if (--b.socketCount <= 0) b.Release();
}

void TCustomWSocket::SetAddr(const std::string& value) {
    if (addrAssigned_ && Trim(value) == addrStr_) return;
    if (state_ != wsClosed) {
        RaiseSocketError("Cannot change Addr if not closed");
        return;
    }
    addrStr_ = Trim(value);
    addrAssigned_ = !addrStr_.empty();
    addrResolved_ = false;
}

void TCustomWSocket::SetPort(const std::string& value) {
    if (portAssigned_ && Trim(value) == portStr_) return;
    if (state_ != wsClosed) {
        RaiseSocketError("Cannot change Port if not closed");
        return;
    }
    portStr_ = Trim(value);
    portAssigned_ = !portStr_.empty();
    portResolved_ = false;
}

void TCustomWSocket::SetProto(const std::string& value) {
    if (protoAssigned_ && Trim(value) == protoStr_) return;
    if (state_ != wsClosed) {
        RaiseSocketError("Cannot change Proto if not closed");
        return;
    }
    protoStr_ = Trim(value);
    protoAssigned_ = !protoStr_.empty();
    protoResolved_ = false;
}

void TCustomWSocket::SetLocalPort(const std::string& value) {
    if (state_ != wsClosed) {
        RaiseSocketError("Cannot change LocalPort if not closed");
        return;
    }
    localPortStr_ = value;
    localPortResolved_ = false;
}

void TCustomWSocket::SetLocalAddr(const std::string& value) {
    if (state_ != wsClosed) {
        RaiseSocketError("Cannot change LocalAddr if not closed");
        return;
    }
    const std::string text = value.empty() ? "0.0.0.0" : value;
    auto& api = Api();
    const std::uint32_t a = api.inet_addr(text);
    if (a == INADDR_NONE_W) {
        RaiseSocketError("SetLocalAddr(): Invalid IP address");
        return;
    }
    localAddr_ = api.inet_ntoa(a);
}

std::string TCustomWSocket::PeerAddr() {
    if (state_ != wsConnected) return "error";
    TSockAddrIn a;
    int len = sizeof a;
    if (Api().getpeername(hSocket_, a, len) != 0) {
        ReportSocketError("GetPeerName");
        return "error";
    }
    return Api().inet_ntoa(a.sin_addr);
}

std::string TCustomWSocket::PeerPort() {
    if (state_ != wsConnected) return "error";
    TSockAddrIn a;
    int len = sizeof a;
    if (Api().getpeername(hSocket_, a, len) != 0) {
        ReportSocketError("GetPeerPort");
        return "error";
    }
    return std::to_string(Api().NetToHostShort(a.sin_port));
}

std::string TCustomWSocket::LocalPortText() {
    if (state_ != wsBound && state_ != wsConnected && state_ != wsListening) return "error";
    TSockAddrIn a;
    int len = sizeof a;
    if (Api().getsockname(hSocket_, a, len) != 0) return "error";
    return std::to_string(Api().NetToHostShort(a.sin_port));
}

int TCustomWSocket::GetPeerSockAddr(TSockAddrIn& name, int& nameLen) {
    if (state_ != wsConnected) return SOCKET_ERROR;
    return Api().getpeername(hSocket_, name, nameLen);
}

int TCustomWSocket::GetLocalSockAddr(TSockAddrIn& name, int& nameLen) {
    return Api().getsockname(hSocket_, name, nameLen);
}

int TCustomWSocket::SocketPending() {
    std::uint32_t n = 0;
    if (hSocket_ == INVALID_SOCKET) return 0;
    if (Api().ioctlsocket(hSocket_, WS_FIONREAD, &n) != 0) {
        lastError_ = Api().WSAGetLastError();
        return -1;
    }
    return static_cast<int>(n);
}

int TCustomWSocket::RcvdCount() {
    // A socket without a handle has nothing waiting.
    if (hSocket_ == INVALID_SOCKET) return 0;
    std::uint32_t n = 0;
    if (Api().ioctlsocket(hSocket_, WS_FIONREAD, &n) != 0) {
        ReportSocketError("ioctlSocket");
        return -1;
    }
    return static_cast<int>(n);
}

TSocketSendFlags TCustomWSocket::SendFlags() const {
    if (sendFlags_ == 0) return wsSendNormal;
    if (sendFlags_ == WS_MSG_OOB) return wsSendUrgent;
    throw ESocketException("Invalid internal SendFlags");
}

void TCustomWSocket::SetSendFlags(TSocketSendFlags value) {
    if (value == wsSendNormal)
        sendFlags_ = 0;
    else if (value == wsSendUrgent)
        sendFlags_ = WS_MSG_OOB;
    else
        RaiseSocketError("Invalid SendFlags");
}

void TCustomWSocket::PostMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    PostSocketMessage(this, msg, wParam, lParam);
}

bool TCustomWSocket::event(QEvent* e) {
    if (e->type() != TSocketMessage::EventType()) return QObject::event(e);
    // Nothing thrown by a handler may leave through the event loop.
    try {
        WndProc(static_cast<TSocketMessage&>(*e));
    } catch (const std::exception& ex) {
        HandleBgException(ex);
    } catch (...) {
        HandleBgException(ESocketException("Unknown exception"));
    }
    return true;
}

void TCustomWSocket::WndProc(TSocketMessage& msg) {
    switch (msg.Msg) {
    case WM_SOCKET_EVENT:
        HandleSocketEvent(msg);
        break;
    case WM_NAME_LOOKUP_DONE:
        HandleLookupDone(msg, true);
        break;
    case WM_ADDR_LOOKUP_DONE:
        HandleLookupDone(msg, false);
        break;
    case WM_SOCKET_CLOSE:
        Close();
        break;
    case WM_SOCKET_FREE:
        deleteLater();
        break;
    case WM_SOCKET_TEST:
        throw ESocketException("Test exception in WSocket");
    default:
        break;
    }
}

void TCustomWSocket::HandleSocketEvent(const TSocketMessage& msg) {
    if (hSocket_ == INVALID_SOCKET || msg.WParam != static_cast<std::uintptr_t>(hSocket_) ||
        paused_)
        return;
    const std::uint16_t ev = SelectEvent(msg.LParam);
    const std::uint16_t err = SelectError(msg.LParam);
    if (ev & FD_CONNECT) {
        ChangeState(wsConnected);
        TriggerSessionConnected(err);
        if (err != 0 && state_ != wsClosed) Close();
    }
    if (ev & FD_READ) ASyncReceive(err);
    if (ev & FD_WRITE) {
        TryToSend();
        if (allSent_) TriggerDataSent(err);
    }
    if (ev & FD_ACCEPT) TriggerSessionAvailable(err);
    if ((ev & FD_CLOSE) && state_ != wsConnecting) {
        // Data still waiting is delivered before the close.
        ASyncReceive(0);
        if (!closeInvoked_) {
            closeInvoked_ = true;
            TriggerSessionClosed(err);
        }
        if (state_ != wsClosed) Close();
    }
}

void TCustomWSocket::RaiseSocketError(const std::string& msg) {
    if (OnError) {
        TriggerError();
        return;
    }
    throw ESocketException(msg);
}

void TCustomWSocket::ReportSocketError(const std::string& name) {
    const int n = Api().WSAGetLastError();
    const std::string msg =
        "Error " + std::to_string(n) + " in function " + name + "\r\n" + WinsockErrorText(n);
    if (n == WSAECONNRESET || n == WSAENOTCONN) {
        if (hSocket_ != INVALID_SOCKET) Api().closesocket(hSocket_);
        hSocket_ = INVALID_SOCKET;
        if (state_ != wsClosed) ChangeState(wsClosed);
    }
    lastError_ = n;
    RaiseSocketError(msg);
}

void TCustomWSocket::HandleBgException(const std::exception& e) {
    bool canClose = true;
    if (OnBgException) {
        try {
            OnBgException(this, e, canClose);
        } catch (...) {
        }
    }
    if (canClose) {
        try {
            Abort();
        } catch (...) {
        }
    }
}

void TCustomWSocket::ChangeState(TSocketState newState) {
    const TSocketState old = state_;
    state_ = newState;
    TriggerChangeState(old, newState);
}

void TCustomWSocket::ResetDefaults() {
    sin_ = TSockAddrIn{};
    sin_.sin_family = WS_AF_INET;
    addrFormat_ = WS_AF_INET;
    addrAssigned_ = false;
    addrResolved_ = false;
    portAssigned_ = false;
    portResolved_ = false;
    protoResolved_ = false;
    localPortResolved_ = false;
    protoAssigned_ = true;
    proto_ = WS_IPPROTO_TCP;
    protoStr_ = "tcp";
    type_ = WS_SOCK_STREAM;
    localPortStr_ = "0";
    localAddr_ = "0.0.0.0";
    lingerOnOff_ = wsLingerOn;
    lingerTimeout_ = 0;
    hSocket_ = INVALID_SOCKET;
    state_ = wsClosed;
    lineLimitedSend_ = false;
    lineCount_ = 0;
    lineLimit_ = 24;
    allSent_ = true;
    paused_ = false;
    readCount_ = 0;
    closeInvoked_ = false;
    flushTimeout_ = 60;
}

bool TCustomWSocket::TriggerDataAvailable(std::uint16_t error) {
    if (!OnDataAvailable) return false;
    OnDataAvailable(this, error);
    return true;
}

void TCustomWSocket::TriggerSessionAvailable(std::uint16_t error) {
    if (OnSessionAvailable) OnSessionAvailable(this, error);
}

void TCustomWSocket::TriggerSessionConnected(std::uint16_t error) {
    if (OnSessionConnected) OnSessionConnected(this, error);
}

void TCustomWSocket::TriggerSessionClosed(std::uint16_t error) {
    if (OnSessionClosed) OnSessionClosed(this, error);
}

void TCustomWSocket::TriggerDataSent(std::uint16_t error) {
    if (OnDataSent) OnDataSent(this, error);
}

void TCustomWSocket::TriggerChangeState(TSocketState oldState, TSocketState newState) {
    if (OnChangeState) OnChangeState(this, oldState, newState);
}

void TCustomWSocket::TriggerDnsLookupDone(std::uint16_t error) {
    if (OnDnsLookupDone) OnDnsLookupDone(this, error);
}

void TCustomWSocket::TriggerError() {
    if (OnError) OnError(this);
}

bool TCustomWSocket::ResolveForOpen(const char* what) {
    try {
        if (!protoResolved_) {
            proto_ = WSocketResolveProto(protoStr_);
            type_ = proto_ == WS_IPPROTO_UDP ? WS_SOCK_DGRAM : WS_SOCK_STREAM;
            protoResolved_ = true;
        }
        if (!portResolved_) {
            portNum_ = WSocketResolvePort(portStr_, protoStr_);
            sin_.sin_port = Api().HostToNetShort(portNum_);
            portResolved_ = true;
        }
        if (!localPortResolved_) {
            localPortNum_ = WSocketResolvePort(localPortStr_, protoStr_);
            localPortResolved_ = true;
        }
        if (!addrResolved_) {
            sin_.sin_addr = WSocketResolveHost(addrStr_);
            addrResolved_ = true;
        }
    } catch (const std::exception& e) {
        RaiseSocketError(std::string(what) + e.what());
        return false;
    }
    return true;
}

void TCustomWSocket::Connect() {
    if (hSocket_ != INVALID_SOCKET && state_ != wsClosed) {
        RaiseSocketError("Connect: Socket already in use");
        return;
    }
    if (!portAssigned_) {
        RaiseSocketError("Connect: No Port Specified");
        return;
    }
    if (!addrAssigned_) {
        RaiseSocketError("Connect: No IP Address Specified");
        return;
    }
    if (!protoAssigned_) {
        RaiseSocketError("Connect: No Protocol Specified");
        return;
    }
    if (!ResolveForOpen("connect: ")) return;

    DeleteBufferedData();
    auto& api = Api();
    hSocket_ = api.socket(addrFormat_, type_, proto_);
    if (hSocket_ == INVALID_SOCKET) {
        ReportSocketError("Connect (socket)");
        return;
    }
    ChangeState(wsOpened);

    if (type_ == WS_SOCK_DGRAM) {
        BindLocal();
        if (sin_.sin_addr == INADDR_NONE_W) {
            int on = 1;
            if (api.setsockopt(hSocket_, WS_SOL_SOCKET, WS_SO_BROADCAST, &on, sizeof on) != 0) {
                ReportSocketError("setsockopt(SO_BROADCAST)");
                return;
            }
        }
    } else {
        if (localPortNum_ != 0 || localAddr_ != "0.0.0.0") BindLocal();
        SetLingerOption();
        int on = -1;
        if (api.setsockopt(hSocket_, WS_SOL_SOCKET, WS_SO_KEEPALIVE, &on, sizeof on) != 0) {
            ReportSocketError("setsockopt(SO_KEEPALIVE)");
            return;
        }
        if (api.setsockopt(hSocket_, WS_SOL_SOCKET, WS_SO_REUSEADDR, &on, sizeof on) != 0) {
            ReportSocketError("setsockopt(SO_REUSEADDR)");
            return;
        }
    }

    selectEvent_ = FD_READ | FD_WRITE | FD_ACCEPT | FD_CONNECT | FD_CLOSE;
    if (api.WSAAsyncSelect(hSocket_, this, WM_SOCKET_EVENT, selectEvent_) != 0) {
        ReportSocketError("WSAAsyncSelect");
        return;
    }

    if (type_ == WS_SOCK_DGRAM) {
        ChangeState(wsConnected);
        TriggerSessionConnected(0);
        return;
    }
    if (api.connect(hSocket_, sin_, sizeof sin_) == 0 || api.WSAGetLastError() == WSAEWOULDBLOCK) {
        ChangeState(wsConnecting);
        return;
    }
    lastError_ = api.WSAGetLastError();
    ReportSocketError("Connect");
}

void TCustomWSocket::BindLocal() {
    auto& api = Api();
    TSockAddrIn local;
    local.sin_family = static_cast<std::int16_t>(addrFormat_);
    local.sin_port = api.HostToNetShort(localPortNum_);
    local.sin_addr = WSocketResolveHost(localAddr_);
    if (api.bind(hSocket_, local, sizeof local) != 0) {
        RaiseSocketError("winsock.bind failed, error #" + std::to_string(api.WSAGetLastError()));
        return;
    }
    int len = sizeof local;
    if (api.getsockname(hSocket_, local, len) != 0) {
        RaiseSocketError("winsock.getsockname failed, error #" +
                         std::to_string(api.WSAGetLastError()));
        return;
    }
    localPortNum_ = api.NetToHostShort(local.sin_port);
    localPortStr_ = std::to_string(localPortNum_);
}

void TCustomWSocket::SetLingerOption() {
    if (lingerOnOff_ == wsLingerNoSet) return;
    if (hSocket_ == INVALID_SOCKET) {
        RaiseSocketError("Cannot set linger option at this time");
        return;
    }
    TLinger l;
    l.l_onoff = lingerOnOff_ == wsLingerOn ? 1 : 0;
    l.l_linger = static_cast<std::uint16_t>(lingerTimeout_);
    if (Api().setsockopt(hSocket_, WS_SOL_SOCKET, WS_SO_LINGER, &l, sizeof l) != 0)
        ReportSocketError("setsockopt(SO_LINGER)");
}

void TCustomWSocket::DeleteBufferedData() {
    bufList_.clear();
    allSent_ = true;
}

void TCustomWSocket::Close() {
    DoClose(true, 0);
}

void TCustomWSocket::Abort() {
    CancelLookup();
    DeleteBufferedData();
    if (state_ == wsConnected && proto_ == WS_IPPROTO_TCP) {
        lingerOnOff_ = wsLingerOff;
        SetLingerOption();
    }
    DoClose(false, 0);
}

void TCustomWSocket::DoClose(bool shutdown, std::uint16_t error) {
    if (hSocket_ == INVALID_SOCKET) {
        if (state_ != wsClosed) {
            ChangeState(wsClosed);
            ResetDefaults();
        }
        return;
    }
    if (state_ == wsClosed) return;
    if (shutdown) ShutdownSocket(WS_SD_SEND);
    auto& api = Api();
    for (int attempt = 0;; ++attempt) {
        if (api.closesocket(hSocket_) == 0) break;
        const int err = api.WSAGetLastError();
        if (err == WSAEWOULDBLOCK && attempt < 100) {
            PumpMessages();
            continue;
        }
        if (err == WSANOTINITIALISED) break;
        lastError_ = err;
        ReportSocketError("Disconnect (closesocket)");
        return;
    }
    hSocket_ = INVALID_SOCKET;
    ChangeState(wsClosed);
    if (!destroying_ && !closeInvoked_) {
        closeInvoked_ = true;
        TriggerSessionClosed(error);
    }
    try {
        ResetDefaults();
    } catch (...) {
    }
}

void TCustomWSocket::ShutdownSocket(int how) {
    if (hSocket_ != INVALID_SOCKET) Api().shutdown(hSocket_, how);
}

void TCustomWSocket::PostClose() {
    PostMessage(WM_SOCKET_CLOSE);
}

void TCustomWSocket::PostFree() {
    PostMessage(WM_SOCKET_FREE);
}

int TCustomWSocket::RecvRaw(void* buffer, int len, int flags) {
    return Api().recv(hSocket_, buffer, len, flags);
}

int TCustomWSocket::RecvFromRaw(void* buffer, int len, int flags, TSockAddrIn& from, int& fromLen) {
    return Api().recvfrom(hSocket_, buffer, len, flags, &from, &fromLen);
}

int TCustomWSocket::Receive(void* buffer, int len) {
    const int n = RecvRaw(buffer, len, 0);
    if (n < 0)
        lastError_ = Api().WSAGetLastError();
    else
        readCount_ += n;
    return n;
}

std::string TCustomWSocket::ReceiveText() {
    const int n = RcvdCount();
    if (n <= 0) return {};
    std::string text(static_cast<size_t>(n), '\0');
    const int got = Receive(text.data(), n);
    if (got <= 0) return {};
    text.resize(static_cast<size_t>(got));
    return text;
}

int TCustomWSocket::ReceiveFrom(void* buffer, int len, TSockAddrIn& from, int& fromLen) {
    const int n = RecvFromRaw(buffer, len, 0, from, fromLen);
    if (n < 0)
        lastError_ = Api().WSAGetLastError();
    else
        readCount_ += n;
    return n;
}

void TCustomWSocket::ASyncReceive(std::uint16_t error) {
    for (;;) {
        lastError_ = 0;
        const std::int64_t before = readCount_;
        bool dropped = false;
        try {
            if (!TriggerDataAvailable(error)) {
                char junk[1024];
                const int n = RecvRaw(junk, sizeof junk, 0);
                if (n < 0) {
                    const int err = Api().WSAGetLastError();
                    if (err == WSAEWOULDBLOCK) {
                        lastError_ = 0;
                        return;
                    }
                    lastError_ = err;
                }
                dropped = n > 0;
            }
            if (componentOptions_ & wsoNoReceiveLoop) return;
            if (lastError_ != 0 || hSocket_ == INVALID_SOCKET) return;
            // A pass that read nothing ends the loop: the data waits for the next notice
            // instead of spinning here while the handler leaves it.
            if (!dropped && readCount_ == before) return;
            if (SocketPending() <= 0) return;
        } catch (...) {
            return;
        }
    }
}

void TCustomWSocket::DrainUntilClosed() {
    const auto deadline =
        WaitClock::now() + std::chrono::seconds(flushTimeout_ > 0 ? flushTimeout_ : 60);
    while (hSocket_ != INVALID_SOCKET && state_ != wsClosed) {
        if (WaitClock::now() >= deadline) {
            Api().WSASetLastError(WSAETIMEDOUT);
            ReportSocketError("DrainUntilClosed");
            return;
        }
        WaitForEvents(deadline);
        if (hSocket_ == INVALID_SOCKET || state_ == wsClosed) break;
        const int n = SocketPending();
        if (n < 0) break;
        if (n > 0) TriggerDataAvailable(0);
        if (hSocket_ == INVALID_SOCKET) break;
        char dummy;
        if (RecvRaw(&dummy, 0, 0) < 0) {
            const int err = Api().WSAGetLastError();
            if (err != WSAEWOULDBLOCK) {
                lastError_ = err;
                break;
            }
        }
    }
}

int TCustomWSocket::Send(const void* data, int len) {
    if (state_ != wsConnected) {
        Api().WSASetLastError(WSAENOTCONN);
        ReportSocketError("Send");
        return -1;
    }
    allSent_ = false;
    if (len <= 0) {
        len = 0;
    } else {
        const char* p = static_cast<const char*>(data);
        int left = len;
        if (!bufList_.empty()) {
            const int n = bufList_.back()->Write(p, left);
            p += n;
            left -= n;
        }
        while (left > 0) {
            auto chunk = std::make_unique<TBuffer>(bufSize_);
            const int n = chunk->Write(p, left);
            p += n;
            left -= n;
            bufList_.push_back(std::move(chunk));
        }
    }
    TryToSend();
    if (allSent_)
        PostMessage(WM_SOCKET_EVENT, static_cast<std::uintptr_t>(hSocket_),
                    MakeSelectReply(FD_WRITE, 0));
    return len;
}

int TCustomWSocket::SendText(const std::string& text) {
    return Send(text.data(), static_cast<int>(text.size()));
}

int TCustomWSocket::SendRaw(const void* data, int len) {
    auto& api = Api();
    const int n = type_ == WS_SOCK_DGRAM
                      ? api.sendto(hSocket_, data, len, sendFlags_, sin_, sizeof sin_)
                      : api.send(hSocket_, data, len, sendFlags_);
    if (n > 0 && OnSendData) OnSendData(this, n);
    return n;
}

int TCustomWSocket::SendTo(const TSockAddrIn& dest, int destLen, const void* data, int len) {
    const int n = Api().sendto(hSocket_, data, len, sendFlags_, dest, destLen);
    if (n > 0 && OnSendData) OnSendData(this, n);
    return n;
}

void TCustomWSocket::TryToSend() {
    if (hSocket_ == INVALID_SOCKET) return;
    if (bufList_.empty()) {
        allSent_ = true;
        return;
    }
    if (lineLimitedSend_ && lineCount_ >= lineLimit_) return;
    while (!bufList_.empty()) {
        TBuffer& chunk = *bufList_.front();
        int len = 0;
        const char* p = chunk.Peek(len);
        if (len <= 0) {
            if (bufList_.size() > 1) {
                bufList_.pop_front();
                continue;
            }
            allSent_ = true;
            return;
        }
        const int count = SendRaw(p, len);
        if (count == 0) return;
        if (count < 0) {
            const int err = Api().WSAGetLastError();
            if (err == WSAEWOULDBLOCK) return;
            if (err == WSAEINVAL || err == WSAENOTSOCK || err == WSAECONNABORTED ||
                err == WSAECONNRESET || err == WSAENOTCONN) {
                // The peer is gone: one session-closed with the reason, no exception.
                closeInvoked_ = true;
                Close();
                TriggerSessionClosed(static_cast<std::uint16_t>(err));
                return;
            }
            lastError_ = err;
            ReportSocketError("TryToSend failed");
            return;
        }
        chunk.Remove(count);
        if (count < len) return;
    }
}

void TCustomWSocket::Flush() {
    const auto deadline =
        WaitClock::now() + std::chrono::seconds(flushTimeout_ > 0 ? flushTimeout_ : 60);
    while (hSocket_ != INVALID_SOCKET && !allSent_) {
        TryToSend();
        if (hSocket_ == INVALID_SOCKET || allSent_) return;
        // A peer that stops reading ends in an error, not in a hung program.
        if (WaitClock::now() >= deadline) {
            Api().WSASetLastError(WSAETIMEDOUT);
            ReportSocketError("Flush");
            return;
        }
        WaitForEvents(deadline);
    }
}

void TCustomWSocket::Listen() {
    auto& api = Api();
    if (!portAssigned_) {
        api.WSASetLastError(WSAEINVAL);
        ReportSocketError("listen: port not assigned");
        return;
    }
    if (!protoAssigned_) {
        api.WSASetLastError(WSAEINVAL);
        ReportSocketError("listen: protocol not assigned");
        return;
    }
    if (!addrAssigned_) {
        api.WSASetLastError(WSAEINVAL);
        ReportSocketError("listen: address not assigned");
        return;
    }
    if (!ResolveForOpen("listen: ")) return;
    DeleteBufferedData();
    hSocket_ = api.socket(addrFormat_, type_, proto_);
    if (hSocket_ == INVALID_SOCKET) {
        ReportSocketError("socket");
        return;
    }
    if (api.bind(hSocket_, sin_, sizeof sin_) != 0) {
        // The handle goes before the error is raised, so none is left open behind a closed
        // state.
        const int err = api.WSAGetLastError();
        api.closesocket(hSocket_);
        hSocket_ = INVALID_SOCKET;
        api.WSASetLastError(err);
        ReportSocketError("Bind");
        return;
    }
    ChangeState(wsBound);
    if (type_ == WS_SOCK_DGRAM) {
        ChangeState(wsListening);
        ChangeState(wsConnected);
        TriggerSessionConnected(0);
    } else {
        if (api.listen(hSocket_, 5) != 0) {
            ReportSocketError("Listen");
            return;
        }
        ChangeState(wsListening);
    }
    selectEvent_ = FD_READ | FD_WRITE | FD_ACCEPT | FD_CLOSE;
    if (hSocket_ != INVALID_SOCKET &&
        api.WSAAsyncSelect(hSocket_, this, WM_SOCKET_EVENT, selectEvent_) != 0)
        ReportSocketError("WSAASyncSelect");
}

TSocket TCustomWSocket::Accept() {
    auto& api = Api();
    if (state_ != wsListening) {
        api.WSASetLastError(WSAEINVAL);
        ReportSocketError("not a listening socket");
        return INVALID_SOCKET;
    }
    int len = sizeof sin_;
    lastAcceptHandle_ = api.accept(hSocket_, &sin_, &len);
    if (lastAcceptHandle_ == INVALID_SOCKET) ReportSocketError("Accept");
    return lastAcceptHandle_;
}

void TCustomWSocket::Dup(TSocket newHandle) {
    auto& api = Api();
    if (newHandle == 0 || newHandle == INVALID_SOCKET) {
        api.WSASetLastError(WSAEINVAL);
        ReportSocketError("Dup");
        return;
    }
    if (state_ != wsClosed || hSocket_ != INVALID_SOCKET) {
        if (hSocket_ != INVALID_SOCKET && api.closesocket(hSocket_) != 0) {
            ReportSocketError("Dup (closesocket)");
            return;
        }
        hSocket_ = INVALID_SOCKET;
        if (state_ != wsClosed) ChangeState(wsClosed);
    }
    hSocket_ = newHandle;
    SetLingerOption();
    selectEvent_ = FD_READ | FD_WRITE | FD_CONNECT | FD_CLOSE;
    if (api.WSAAsyncSelect(hSocket_, this, WM_SOCKET_EVENT, selectEvent_) != 0) {
        ReportSocketError("WSAAsyncSelect");
        return;
    }
    ChangeState(wsConnected);
}

void TCustomWSocket::StartLookup(const std::string& text, bool byName) {
    if (text.empty()) {
        RaiseSocketError("DNS lookup: invalid host name.");
        TriggerDnsLookupDone(WSAEINVAL);
        return;
    }
    auto& api = Api();
    if (dnsTask_ != 0) {
        api.WSACancelAsyncRequest(dnsTask_);
        dnsTask_ = 0;
    }
    dnsResult_.clear();
    dnsResultList_.clear();
    const std::uint32_t a = api.inet_addr(text);
    if (byName) {
        if (a != INADDR_NONE_W) {
            dnsResult_ = api.inet_ntoa(a);
            TriggerDnsLookupDone(0);
            return;
        }
        dnsTask_ = api.WSAAsyncGetHostByName(this, WM_NAME_LOOKUP_DONE, text);
    } else {
        dnsTask_ = api.WSAAsyncGetHostByAddr(this, WM_ADDR_LOOKUP_DONE, a, WS_AF_INET);
    }
    if (dnsTask_ == 0)
        RaiseSocketError(text + ": can't start DNS lookup, error #" +
                         std::to_string(api.WSAGetLastError()));
}

void TCustomWSocket::DnsLookup(const std::string& hostName) {
    StartLookup(hostName, true);
}

void TCustomWSocket::AddrLookup(const std::string& address) {
    StartLookup(address, false);
}

void TCustomWSocket::HandleLookupDone(const TSocketMessage& msg, bool byName) {
    if (dnsTask_ == 0 || msg.WParam != dnsTask_) return;
    dnsTask_ = 0;
    const std::uint16_t err = SelectError(msg.LParam);
    if (err == 0 && msg.Host) {
        if (byName) {
            for (auto a : msg.Host->h_addr_list) dnsResultList_.push_back(Api().inet_ntoa(a));
            if (!dnsResultList_.empty()) dnsResult_ = dnsResultList_.front();
        } else {
            dnsResult_ = msg.Host->h_name;
            dnsResultList_ = {dnsResult_};
        }
    }
    TriggerDnsLookupDone(err);
}

void TCustomWSocket::CancelLookup() {
    if (dnsTask_ == 0) return;
    if (Api().WSACancelAsyncRequest(dnsTask_) != 0) {
        dnsTask_ = 0;
        ReportSocketError("WSACancelAsyncRequest");
        return;
    }
    dnsTask_ = 0;
    if (!destroying_) TriggerDnsLookupDone(WSAEINTR);
}

void TCustomWSocket::PauseEvents() {
    paused_ = true;
    if (hSocket_ != INVALID_SOCKET) Api().WSAAsyncSelect(hSocket_, this, WM_SOCKET_EVENT, 0);
}

void TCustomWSocket::ResumeEvents() {
    paused_ = false;
    if (hSocket_ != INVALID_SOCKET)
        Api().WSAAsyncSelect(hSocket_, this, WM_SOCKET_EVENT, selectEvent_);
}

void TCustomWSocket::PumpMessages() {
    if (multiThreaded_) {
        if (auto* d = QAbstractEventDispatcher::instance()) d->processEvents(QEventLoop::AllEvents);
        if (QCoreApplication::closingDown()) terminated_ = true;
    } else {
        QCoreApplication::processEvents();
    }
}
