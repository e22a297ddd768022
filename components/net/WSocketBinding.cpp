#include "components/net/WSocketInternal.h"

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

} // namespace

void net_internal::SocketCreated() {
    ++TheBinding().socketCount;
}

void net_internal::SocketDestroyed() {
    auto& b = TheBinding();
    if (--b.socketCount <= 0) b.Release();
}

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
