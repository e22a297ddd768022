#include "components/net/WSocketInternal.h"

#include "platform/EventWait.h"

#include <chrono>

using namespace platform;
using net_internal::Api;

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

void TCustomWSocket::DeleteBufferedData() {
    bufList_.clear();
    allSent_ = true;
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
