#include "platform/FakeSocketApi.h"

namespace platform {

FakeSocketApi::FakeSocketApi(std::shared_ptr<FakeSocketScript> script,
                             std::unique_ptr<SocketApi> inner)
    : script_(std::move(script)), inner_(std::move(inner)) {
    ++script_->loads;
}

FakeSocketApi::~FakeSocketApi() {
    ++script_->releases;
}

int FakeSocketApi::Take(const char* name) {
    auto it = script_->failNext.find(name);
    if (it != script_->failNext.end()) {
        const int error = it->second;
        script_->failNext.erase(it);
        inner_->WSASetLastError(error);
        return error;
    }
    ++script_->calls[name];
    return 0;
}

int FakeSocketApi::WSAStartup(std::uint16_t version, TWSAData& data) {
    if (int e = Take("WSAStartup")) return e;
    if (script_->startupResult != 0) return script_->startupResult;
    return inner_->WSAStartup(version, data);
}

int FakeSocketApi::WSACleanup() {
    if (Take("WSACleanup")) return SOCKET_ERROR;
    return inner_->WSACleanup();
}

void FakeSocketApi::WSASetLastError(int error) {
    inner_->WSASetLastError(error);
}
int FakeSocketApi::WSAGetLastError() {
    return inner_->WSAGetLastError();
}

int FakeSocketApi::WSACancelAsyncRequest(TAsyncHandle task) {
    if (Take("WSACancelAsyncRequest")) return SOCKET_ERROR;
    return inner_->WSACancelAsyncRequest(task);
}

TAsyncHandle FakeSocketApi::WSAAsyncGetHostByName(QObject* receiver, unsigned msg,
                                                  const std::string& name) {
    if (Take("WSAAsyncGetHostByName")) return 0;
    return inner_->WSAAsyncGetHostByName(receiver, msg, name);
}

TAsyncHandle FakeSocketApi::WSAAsyncGetHostByAddr(QObject* receiver, unsigned msg,
                                                  std::uint32_t addr, int type) {
    if (Take("WSAAsyncGetHostByAddr")) return 0;
    return inner_->WSAAsyncGetHostByAddr(receiver, msg, addr, type);
}

int FakeSocketApi::WSAAsyncSelect(TSocket s, QObject* receiver, unsigned msg, long events) {
    if (Take("WSAAsyncSelect")) return SOCKET_ERROR;
    return inner_->WSAAsyncSelect(s, receiver, msg, events);
}

std::optional<std::uint16_t> FakeSocketApi::getservbyname(const std::string& name,
                                                          const std::string& proto) {
    if (Take("getservbyname")) return std::nullopt;
    return inner_->getservbyname(name, proto);
}

std::optional<int> FakeSocketApi::getprotobyname(const std::string& name) {
    if (Take("getprotobyname")) return std::nullopt;
    return inner_->getprotobyname(name);
}

std::optional<THostEntry> FakeSocketApi::gethostbyname(const std::string& name) {
    if (Take("gethostbyname")) return std::nullopt;
    return inner_->gethostbyname(name);
}

TSocket FakeSocketApi::socket(int af, int type, int protocol) {
    if (Take("socket")) return INVALID_SOCKET;
    const TSocket s = inner_->socket(af, type, protocol);
    if (s != INVALID_SOCKET && script_->sendBuffer > 0)
        inner_->setsockopt(s, WS_SOL_SOCKET, WS_SO_SNDBUF, &script_->sendBuffer,
                           sizeof script_->sendBuffer);
    return s;
}

int FakeSocketApi::shutdown(TSocket s, int how) {
    if (Take("shutdown")) return SOCKET_ERROR;
    return inner_->shutdown(s, how);
}

int FakeSocketApi::setsockopt(TSocket s, int level, int optname, const void* optval, int optlen) {
    if (Take("setsockopt")) return SOCKET_ERROR;
    return inner_->setsockopt(s, level, optname, optval, optlen);
}

int FakeSocketApi::sendto(TSocket s, const void* buf, int len, int flags, const TSockAddrIn& to,
                          int tolen) {
    if (Take("sendto")) return SOCKET_ERROR;
    return inner_->sendto(s, buf, len, flags, to, tolen);
}

int FakeSocketApi::send(TSocket s, const void* buf, int len, int flags) {
    if (Take("send")) return SOCKET_ERROR;
    return inner_->send(s, buf, len, flags);
}

std::uint16_t FakeSocketApi::NetToHostShort(std::uint16_t v) {
    return inner_->NetToHostShort(v);
}
std::uint16_t FakeSocketApi::HostToNetShort(std::uint16_t v) {
    return inner_->HostToNetShort(v);
}

int FakeSocketApi::listen(TSocket s, int backlog) {
    if (Take("listen")) return SOCKET_ERROR;
    return inner_->listen(s, backlog);
}

int FakeSocketApi::ioctlsocket(TSocket s, long cmd, std::uint32_t* argp) {
    if (Take("ioctlsocket")) return SOCKET_ERROR;
    return inner_->ioctlsocket(s, cmd, argp);
}

std::string FakeSocketApi::inet_ntoa(std::uint32_t addr) {
    return inner_->inet_ntoa(addr);
}

std::uint32_t FakeSocketApi::inet_addr(const std::string& text) {
    ++script_->calls["inet_addr"];
    return inner_->inet_addr(text);
}

int FakeSocketApi::getsockname(TSocket s, TSockAddrIn& name, int& namelen) {
    if (Take("getsockname")) return SOCKET_ERROR;
    return inner_->getsockname(s, name, namelen);
}

int FakeSocketApi::getpeername(TSocket s, TSockAddrIn& name, int& namelen) {
    if (Take("getpeername")) return SOCKET_ERROR;
    return inner_->getpeername(s, name, namelen);
}

int FakeSocketApi::connect(TSocket s, const TSockAddrIn& name, int namelen) {
    if (Take("connect")) return SOCKET_ERROR;
    return inner_->connect(s, name, namelen);
}

int FakeSocketApi::closesocket(TSocket s) {
    if (Take("closesocket")) return SOCKET_ERROR;
    return inner_->closesocket(s);
}

int FakeSocketApi::bind(TSocket s, const TSockAddrIn& name, int namelen) {
    if (Take("bind")) return SOCKET_ERROR;
    return inner_->bind(s, name, namelen);
}

TSocket FakeSocketApi::accept(TSocket s, TSockAddrIn* addr, int* addrlen) {
    if (Take("accept")) return INVALID_SOCKET;
    return inner_->accept(s, addr, addrlen);
}

int FakeSocketApi::recv(TSocket s, void* buf, int len, int flags) {
    if (Take("recv")) return SOCKET_ERROR;
    return inner_->recv(s, buf, len, flags);
}

int FakeSocketApi::recvfrom(TSocket s, void* buf, int len, int flags, TSockAddrIn* from,
                            int* fromlen) {
    if (Take("recvfrom")) return SOCKET_ERROR;
    return inner_->recvfrom(s, buf, len, flags, from, fromlen);
}

ScopedFakeSocketLibrary::ScopedFakeSocketLibrary(std::shared_ptr<FakeSocketScript> script,
                                                 int loadError) {
    previous_ = SetSocketLibraryLoader(
        [script, loadError](const std::string&, int& error) -> std::unique_ptr<SocketApi> {
            if (loadError != 0) {
                error = loadError;
                return nullptr;
            }
            return std::make_unique<FakeSocketApi>(script);
        });
}

ScopedFakeSocketLibrary::~ScopedFakeSocketLibrary() {
    SetSocketLibraryLoader(std::move(previous_));
}

} // namespace platform
