#include "components/net/WSocket.h"

using namespace platform;

TCustomSocksWSocket::TCustomSocksWSocket(QObject* owner) : TCustomWSocket(owner) {}

void TCustomSocksWSocket::SetSocksServer(const std::string& value) {
    if (State() != wsClosed) {
        RaiseSocketError("Can't change socks server if not closed");
        return;
    }
    socksServer_ = value;
    socksServerAssigned_ = !socksServer_.empty();
}

void TCustomSocksWSocket::SetSocksPort(const std::string& value) {
    if (State() != wsClosed) {
        RaiseSocketError("Can't change socks port if not closed");
        return;
    }
    socksPort_ = value;
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
    surplus_.clear();
}

void TCustomSocksWSocket::Connect() {
    TCustomWSocket::Connect();
}

void TCustomSocksWSocket::Listen() {
    TCustomWSocket::Listen();
}

int TCustomSocksWSocket::RcvdCount() {
    return TCustomWSocket::RcvdCount();
}

bool TCustomSocksWSocket::TriggerDataAvailable(std::uint16_t error) {
    return TCustomWSocket::TriggerDataAvailable(error);
}

void TCustomSocksWSocket::TriggerSessionConnected(std::uint16_t error) {
    TCustomWSocket::TriggerSessionConnected(error);
}

void TCustomSocksWSocket::TriggerSessionClosed(std::uint16_t error) {
    TCustomWSocket::TriggerSessionClosed(error);
}

int TCustomSocksWSocket::RecvRaw(void* buffer, int len, int flags) {
    return TCustomWSocket::RecvRaw(buffer, len, flags);
}
