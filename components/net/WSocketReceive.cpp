#include "components/net/WSocketInternal.h"

#include "platform/EventWait.h"

#include <chrono>

using namespace platform;
using net_internal::Api;

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
            // Dropped: a handler's failure ends this pass only; the next notice reads on.
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
