#include "components/net/WSocketInternal.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

using namespace platform;
using net_internal::Api;
using net_internal::Trim;

TCustomWSocket::TCustomWSocket(QObject* owner) : QObject(owner) {
    ResetDefaults();
    net_internal::SocketCreated();
}

TCustomWSocket::~TCustomWSocket() {
    destroying_ = true;
    try {
        CancelLookup();
    } catch (...) {
        // Dropped: a destructor may not throw, and the lookup's answer has no one to go to.
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
        // Dropped: a destructor may not throw; the handle is gone either way.
    }
    net_internal::SocketDestroyed();
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

bool TCustomWSocket::TimevalIsSet(const TTimeVal& tv) {
    return tv.tv_sec != 0 || tv.tv_usec != 0;
}

void TCustomWSocket::TimevalClear(TTimeVal& tv) {
    tv = TTimeVal{};
}

bool TCustomWSocket::TimevalCompare(const TTimeVal& a, const TTimeVal& b, bool isEqual) {
    const bool same = a.tv_sec == b.tv_sec && a.tv_usec == b.tv_usec;
    return same == isEqual;
}

int TCustomWSocket::GetLocalSockAddr(TSockAddrIn& name, int& nameLen) {
    return Api().getsockname(hSocket_, name, nameLen);
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
        // Dropped: the socket is closed already; defaults are only a fresh start.
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
