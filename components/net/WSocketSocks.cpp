#include "components/net/WSocketInternal.h"

#include <algorithm>
#include <cctype>
#include <cstring>

using namespace platform;
using net_internal::Trim;

namespace {

std::string LowerCase(std::string s) {
    for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

void PutPort(std::string& out, std::uint16_t port) {
    out += static_cast<char>(port >> 8);
    out += static_cast<char>(port & 0xFF);
}

// Every request goes out of one buffer of this size, and every reply comes into one.
constexpr int kBufferSize = 128;

} // namespace

TCustomSocksWSocket::TCustomSocksWSocket(QObject* owner) : TCustomWSocket(owner) {}

void TCustomSocksWSocket::SetSocksServer(const std::string& value) {
    if (State() != wsClosed) {
        RaiseSocketError("Can't change socks server if not closed");
        return;
    }
    socksServer_ = Trim(value);
    socksServerAssigned_ = !socksServer_.empty();
}

void TCustomSocksWSocket::SetSocksPort(const std::string& value) {
    if (State() != wsClosed) {
        RaiseSocketError("Can't change socks port if not closed");
        return;
    }
    socksPort_ = Trim(value);
    socksPortAssigned_ = !socksPort_.empty();
}

void TCustomSocksWSocket::SetSocksLevel(const std::string& value) {
    if (State() != wsClosed) {
        RaiseSocketError("Can't change socks level if not closed");
        return;
    }
    if (value != "4" && value != "5" && value != "4A" && value != "4a") {
        RaiseSocketError("Invalid socks level. Must be 4, 4A or 5.");
        return;
    }
    socksLevel_ = value == "4a" ? "4A" : value;
}

void TCustomSocksWSocket::ResetDefaults() {
    TCustomWSocket::ResetDefaults();
    socksState_ = 0;
    socksServer_.clear();
    socksPort_.clear();
    socksServerAssigned_ = false;
    socksPortAssigned_ = false;
    socksLevel_ = "5";
    replyCount_ = 0;
    surplus_.clear();
}

void TCustomSocksWSocket::Listen() {
    if (socksServerAssigned_) {
        RaiseSocketError("Listening is not supported thru socks server");
        return;
    }
    TCustomWSocket::Listen();
}

std::string TCustomSocksWSocket::CheckRequestLengths() const {
    // The request buffer holds 128 bytes and each length travels in one byte.
    const size_t user = socksUsercode_.size();
    const size_t host = Addr().size();
    if (socksLevel_ == "4") {
        if (user > 119) return "socks user code too long (at most 119 bytes)";
    } else if (socksLevel_ == "4A") {
        if (user + host > 118)
            return "socks user code and host name too long (at most 118 bytes together)";
    } else {
        if (host > 121) return "socks host name too long (at most 121 bytes)";
        if (socksAuthentication_ == socksAuthenticateUsercode && user + socksPassword_.size() > 125)
            return "socks user code and password too long (at most 125 bytes together)";
    }
    return {};
}

void TCustomSocksWSocket::Connect() {
    if (!socksServerAssigned_) {
        TCustomWSocket::Connect();
        return;
    }
    if (LowerCase(Proto()) != "tcp") {
        RaiseSocketError("tcp is the only protocol supported thru socks server");
        return;
    }
    const std::string tooLong = CheckRequestLengths();
    if (!tooLong.empty()) {
        RaiseSocketError("connect: " + tooLong);
        return;
    }
    try {
        if (!portResolved_) {
            portNum_ = WSocketResolvePort(socksPort_, Proto());
            sin_.sin_port = WSocketApi().HostToNetShort(portNum_);
            portResolved_ = true;
        }
        if (!addrResolved_) {
            sin_.sin_addr = WSocketResolveHost(socksServer_);
            addrResolved_ = true;
        }
        targetPort_ = WSocketResolvePort(Port(), Proto());
        socksState_ = 1;
        replyCount_ = 0;
    } catch (const std::exception& e) {
        RaiseSocketError(std::string("connect: ") + e.what());
        return;
    }
    TCustomWSocket::Connect();
}

void TCustomSocksWSocket::SendRequest(const std::string& bytes) {
    try {
        SendText(bytes);
    } catch (...) {
        // Dropped: LastError keeps it; an unsent request gets no reply and the wait times out.
    }
}

void TCustomSocksWSocket::TriggerSocksAuthState(TSocksAuthState state) {
    if (OnSocksAuthState) OnSocksAuthState(this, state);
}

void TCustomSocksWSocket::SocksError(int code, const std::string& msg) {
    if (OnSocksError) OnSocksError(this, code, msg);
    TCustomWSocket::TriggerSessionConnected(static_cast<std::uint16_t>(code));
    DoClose(true, static_cast<std::uint16_t>(code));
}

void TCustomSocksWSocket::TriggerSessionConnected(std::uint16_t error) {
    if (socksState_ == 1) {
        if (OnSocksConnected) OnSocksConnected(this, error);
        if (error == 0) {
            if (socksLevel_[0] == '4') {
                SocksDoConnect();
            } else {
                methodOffered_ = socksAuthentication_ == socksAuthenticateUsercode ? 2 : 0;
                std::string offer;
                offer += '\x05';
                offer += '\x01';
                offer += static_cast<char>(methodOffered_);
                SendRequest(offer);
            }
            // The application hears of the connection once the proxy has made it.
            return;
        }
    }
    TCustomWSocket::TriggerSessionConnected(error);
}

void TCustomSocksWSocket::SocksDoConnect() {
    socksState_ = 3;
    std::string req;
    if (socksLevel_[0] == '4') {
        std::uint32_t addr;
        if (socksLevel_ == "4A") {
            addr = WSocketApi().inet_addr("0.0.0.1");
        } else {
            try {
                addr = WSocketResolveHost(Addr());
            } catch (const std::exception& e) {
                const char* kind =
                    dynamic_cast<const ESocketException*>(&e) ? "ESocketException" : "Exception";
                SocksError(20017, std::string(kind) + " " + e.what());
                return;
            }
        }
        req += '\x04';
        req += '\x01';
        PutPort(req, targetPort_);
        req.append(reinterpret_cast<const char*>(&addr), 4);
        req += socksUsercode_;
        req += '\0';
        if (socksLevel_ == "4A") {
            req += Addr();
            req += '\0';
        }
    } else {
        req += '\x05';
        req += '\x01';
        req += '\x00';
        req += '\x03';
        req += static_cast<char>(Addr().size());
        req += Addr();
        PutPort(req, targetPort_);
    }
    SendRequest(req);
}

void TCustomSocksWSocket::SocksDoAuthenticate() {
    socksState_ = 2;
    std::string req;
    req += '\x01';
    req += static_cast<char>(socksUsercode_.size());
    req += socksUsercode_;
    req += static_cast<char>(socksPassword_.size());
    req += socksPassword_;
    TriggerSocksAuthState(socksAuthStart);
    SendRequest(req);
}

bool TCustomSocksWSocket::ReadReply(int limit) {
    const int room = std::min(limit, kBufferSize - 1) - replyCount_;
    if (room <= 0) return true;
    const int got = Receive(reply_ + replyCount_, room);
    if (got > 0) replyCount_ += got;
    return true;
}

bool TCustomSocksWSocket::TriggerDataAvailable(std::uint16_t error) {
    if (socksState_ == 0) return TCustomWSocket::TriggerDataAvailable(error);
    if (error != 0) {
        SocksError(error, "data receive error");
        return true;
    }
    switch (socksState_) {
    case 1:
        ReadReply(kBufferSize - 1);
        HandleMethodAnswer();
        break;
    case 2:
        ReadReply(kBufferSize - 1);
        HandleAuthAnswer();
        break;
    case 3:
        if (socksLevel_[0] == '4') {
            ReadReply(8);
            HandleSocks4Reply();
        } else {
            ReadReply(kBufferSize - 1);
            HandleSocks5Reply();
        }
        break;
    default:
        SocksError(20013, "internal error");
        break;
    }
    return true;
}

void TCustomSocksWSocket::HandleMethodAnswer() {
    if (socksLevel_[0] == '4') {
        SocksError(20001, "TWSocket logic error");
        return;
    }
    if (replyCount_ < 2) return;
    replyCount_ = 0;
    if (reply_[0] != 5) {
        SocksError(20002, "socks version error");
        return;
    }
    const auto method = static_cast<unsigned char>(reply_[1]);
    if (method == 0) {
        if (methodOffered_ == 2) TriggerSocksAuthState(socksAuthNotRequired);
        SocksDoConnect();
    } else if (method == 2) {
        SocksDoAuthenticate();
    } else {
        SocksError(20003, "authentification method not acceptable");
    }
}

void TCustomSocksWSocket::HandleAuthAnswer() {
    if (replyCount_ >= 1 && reply_[0] != 1) {
        SocksError(20002, "socks version error");
        return;
    }
    if (replyCount_ < 2) return;
    if (replyCount_ > 2) {
        SocksError(20001, "too much data availaible");
        return;
    }
    if (reply_[1] != 0) {
        SocksError(20015, "socks authentication failed");
        return;
    }
    replyCount_ = 0;
    TriggerSocksAuthState(socksAuthSuccess);
    SocksDoConnect();
}

void TCustomSocksWSocket::HandleSocks4Reply() {
    if (replyCount_ < 8) return;
    replyCount_ = 0;
    if (reply_[0] != 0) {
        SocksError(20002, "socks version error");
        return;
    }
    const int code = static_cast<unsigned char>(reply_[1]);
    switch (code) {
    case 90:
        socksState_ = 0;
        TCustomWSocket::TriggerSessionConnected(0);
        if (HSocket() != INVALID_SOCKET) TriggerDataAvailable(0);
        break;
    case 91:
        SocksError(20016, "request rejected or failed");
        break;
    case 92:
        SocksError(20008, "connection refused");
        break;
    case 93:
        SocksError(20015, "authentification failed");
        break;
    default:
        SocksError(20012, "unassigned error #" + std::to_string(code));
        break;
    }
}

void TCustomSocksWSocket::HandleSocks5Reply() {
    if (replyCount_ >= 1 && reply_[0] != 5) {
        SocksError(20002, "socks version error");
        return;
    }
    if (replyCount_ >= 2 && reply_[1] != 0) {
        static const char* const texts[] = {
            "general SOCKS server failure", "connection not allowed by ruleset",
            "network unreachable",          "host unreachable",
            "connection refused",           "time to live expired",
            "command not supported",        "address type not supported"};
        const int code = static_cast<unsigned char>(reply_[1]);
        if (code >= 1 && code <= 8)
            SocksError(20003 + code, texts[code - 1]);
        else
            SocksError(20012, "unassigned error #" + std::to_string(code));
        return;
    }
    if (replyCount_ <= 4) return;
    const int type = static_cast<unsigned char>(reply_[3]);
    int needed;
    if (type == 1)
        needed = 10;
    else if (type == 3)
        needed = 7 + static_cast<unsigned char>(reply_[4]);
    else
        needed = 5;
    // A bound name too long for the reply buffer could never complete.
    if (needed > kBufferSize - 1) {
        SocksError(20001, "socks reply too long");
        return;
    }
    if (replyCount_ < needed) return;
    if (type != 1 && type != 3) {
        SocksError(20011, "address type not supported");
        return;
    }
    socksState_ = 0;
    surplus_.assign(reply_ + needed, static_cast<size_t>(std::max(0, replyCount_ - needed)));
    replyCount_ = 0;
    TCustomWSocket::TriggerSessionConnected(0);
    if (HSocket() != INVALID_SOCKET) TriggerDataAvailable(0);
}

void TCustomSocksWSocket::TriggerSessionClosed(std::uint16_t error) {
    if (socksState_ == 2) TriggerSocksAuthState(socksAuthFailure);
    TCustomWSocket::TriggerSessionClosed(error);
}

int TCustomSocksWSocket::RcvdCount() {
    if (!surplus_.empty()) return static_cast<int>(surplus_.size());
    return TCustomWSocket::RcvdCount();
}

int TCustomSocksWSocket::RecvRaw(void* buffer, int len, int flags) {
    if (!surplus_.empty() && len > 0) {
        const int n = std::min(len, static_cast<int>(surplus_.size()));
        std::memcpy(buffer, surplus_.data(), static_cast<size_t>(n));
        surplus_.erase(0, static_cast<size_t>(n));
        return n;
    }
    return TCustomWSocket::RecvRaw(buffer, len, flags);
}
