#pragma once

#include "platform/SocketApi.h"

#include <map>
#include <memory>
#include <string>

namespace platform {

// What a test scripts and reads back; shared, so it outlives the library instances that the
// binding loads and releases.
struct FakeSocketScript {
    // The next call of the named function fails with the given WinSock error (once each).
    std::map<std::string, int> failNext;
    // Calls that reached the real implementation, by function name.
    std::map<std::string, int> calls;
    int startupResult = 0;
    // Above 0: every new socket gets this small a send buffer, so a sender meets back-pressure.
    int sendBuffer = 0;
    int loads = 0;
    int releases = 0;
};

// A socket library for tests: every call goes to a real implementation unless the script makes
// it fail first.
class FakeSocketApi : public SocketApi {
public:
    explicit FakeSocketApi(std::shared_ptr<FakeSocketScript> script,
                           std::unique_ptr<SocketApi> inner = MakePosixSocketApi());
    ~FakeSocketApi() override;

    int WSAStartup(std::uint16_t version, TWSAData& data) override;
    int WSACleanup() override;
    void WSASetLastError(int error) override;
    int WSAGetLastError() override;
    int WSACancelAsyncRequest(TAsyncHandle task) override;
    TAsyncHandle WSAAsyncGetHostByName(QObject* receiver, unsigned msg,
                                       const std::string& name) override;
    TAsyncHandle WSAAsyncGetHostByAddr(QObject* receiver, unsigned msg, std::uint32_t addr,
                                       int type) override;
    int WSAAsyncSelect(TSocket s, QObject* receiver, unsigned msg, long events) override;
    std::optional<std::uint16_t> getservbyname(const std::string& name,
                                               const std::string& proto) override;
    std::optional<int> getprotobyname(const std::string& name) override;
    std::optional<THostEntry> gethostbyname(const std::string& name) override;
    TSocket socket(int af, int type, int protocol) override;
    int shutdown(TSocket s, int how) override;
    int setsockopt(TSocket s, int level, int optname, const void* optval, int optlen) override;
    int sendto(TSocket s, const void* buf, int len, int flags, const TSockAddrIn& to,
               int tolen) override;
    int send(TSocket s, const void* buf, int len, int flags) override;
    std::uint16_t NetToHostShort(std::uint16_t v) override;
    int listen(TSocket s, int backlog) override;
    int ioctlsocket(TSocket s, long cmd, std::uint32_t* argp) override;
    std::string inet_ntoa(std::uint32_t addr) override;
    std::uint32_t inet_addr(const std::string& text) override;
    std::uint16_t HostToNetShort(std::uint16_t v) override;
    int getsockname(TSocket s, TSockAddrIn& name, int& namelen) override;
    int getpeername(TSocket s, TSockAddrIn& name, int& namelen) override;
    int connect(TSocket s, const TSockAddrIn& name, int namelen) override;
    int closesocket(TSocket s) override;
    int bind(TSocket s, const TSockAddrIn& name, int namelen) override;
    TSocket accept(TSocket s, TSockAddrIn* addr, int* addrlen) override;
    int recv(TSocket s, void* buf, int len, int flags) override;
    int recvfrom(TSocket s, void* buf, int len, int flags, TSockAddrIn* from,
                 int* fromlen) override;

private:
    // The scripted error for name (0 when none), counting the call otherwise.
    int Take(const char* name);

    std::shared_ptr<FakeSocketScript> script_;
    std::unique_ptr<SocketApi> inner_;
};

// Installs a loader that hands out FakeSocketApi instances on this script, and restores the
// previous loader at the end of the scope. loadError: the library "cannot be loaded".
class ScopedFakeSocketLibrary {
public:
    explicit ScopedFakeSocketLibrary(std::shared_ptr<FakeSocketScript> script, int loadError = 0);
    ~ScopedFakeSocketLibrary();
    ScopedFakeSocketLibrary(const ScopedFakeSocketLibrary&) = delete;
    ScopedFakeSocketLibrary& operator=(const ScopedFakeSocketLibrary&) = delete;

private:
    SocketLibraryLoader previous_;
};

} // namespace platform
