#include "components/net/WSocketInternal.h"

#include <algorithm>

using namespace platform;
using net_internal::Api;
using net_internal::Trim;

namespace {

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
