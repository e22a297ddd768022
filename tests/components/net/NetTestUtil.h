#pragma once

#include "platform/EventWait.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>

namespace net_test {

// Runs events until pred holds or ms passed; the result is pred's last value.
inline bool WaitUntil(const std::function<bool()>& pred, int ms = 5000) {
    using platform::WaitClock;
    const auto deadline = WaitClock::now() + std::chrono::milliseconds(ms);
    while (!pred()) {
        const auto now = WaitClock::now();
        if (now >= deadline) return pred();
        platform::WaitForEvents(std::min(deadline, now + std::chrono::milliseconds(20)));
    }
    return true;
}

// Runs events for ms.
inline void RunEvents(int ms) {
    WaitUntil([] { return false; }, ms);
}

// A plain blocking descriptor for the far end of a connection, closed at the end of the scope.
class RawFd {
public:
    explicit RawFd(int fd = -1) : fd_(fd) {}
    ~RawFd() { Reset(); }
    RawFd(RawFd&& o) noexcept : fd_(o.fd_) { o.fd_ = -1; }
    RawFd& operator=(RawFd&& o) noexcept {
        if (this != &o) {
            Reset();
            fd_ = o.fd_;
            o.fd_ = -1;
        }
        return *this;
    }
    int get() const { return fd_; }
    void Reset() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    // Closes with a reset instead of a graceful end.
    void ResetConnection() {
        linger l{1, 0};
        ::setsockopt(fd_, SOL_SOCKET, SO_LINGER, &l, sizeof l);
        Reset();
    }
    // Waits up to ms for the descriptor to become readable.
    bool Readable(int ms) const {
        pollfd p{fd_, POLLIN, 0};
        return ::poll(&p, 1, ms) > 0;
    }
    // Everything that arrives until the peer closes or ms of silence.
    std::string ReadAll(int ms = 2000) const {
        std::string out;
        char buf[4096];
        while (Readable(ms)) {
            const ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
            if (n <= 0) break;
            out.append(buf, static_cast<size_t>(n));
        }
        return out;
    }
    bool SendAll(const std::string& data) const {
        size_t off = 0;
        while (off < data.size()) {
            const ssize_t n = ::send(fd_, data.data() + off, data.size() - off, MSG_NOSIGNAL);
            if (n <= 0) return false;
            off += static_cast<size_t>(n);
        }
        return true;
    }

private:
    int fd_;
};

// A listening descriptor on 127.0.0.1 with a free port.
class RawListener {
public:
    // receiveBuffer > 0: accepted connections get that small a window from the start.
    explicit RawListener(int receiveBuffer = 0) {
        fd_ = RawFd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
        if (receiveBuffer > 0)
            ::setsockopt(fd_.get(), SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd_.get(), reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(fd_.get(), 8);
        socklen_t len = sizeof a;
        ::getsockname(fd_.get(), reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
    }
    int port() const { return port_; }
    std::string portText() const { return std::to_string(port_); }
    // Accepts while running events (the connecting socket lives on this thread).
    RawFd Accept(int ms = 5000) {
        RawFd result;
        WaitUntil(
            [&] {
                if (!fd_.Readable(0)) return false;
                result = RawFd(::accept4(fd_.get(), nullptr, nullptr, SOCK_CLOEXEC));
                return true;
            },
            ms);
        return result;
    }
    int fd() const { return fd_.get(); }

private:
    RawFd fd_;
    int port_ = 0;
};

// A port on 127.0.0.1 where nobody listens.
inline int ClosedPort() {
    RawListener l;
    return l.port();
}

} // namespace net_test
