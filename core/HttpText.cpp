#include "core/HttpText.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace core {

std::string ToLower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool HasControlCharacter(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < ' ' || c == '\x7F') return true;
    return false;
}

namespace {

bool StartsWith(const std::string& text, const std::string& head) {
    return text.compare(0, head.size(), head) == 0;
}

} // namespace

UrlParts SplitURL(const std::string& url) {
    UrlParts u;
    if (url.empty()) return u;
    std::string rest;
    const auto sep = url.find("://");
    if (sep != std::string::npos) {
        u.scheme = url.substr(0, sep);
        rest = url.substr(sep + 3);
    } else if (url[0] == '/') {
        u.scheme = "http";
        if (url.size() > 1 && url[1] != '/') {
            u.path = url;
            return u;
        }
        rest = url.substr(1);
    } else if (ToLower(url.substr(0, 5)) != "http:") {
        if (ToLower(url.substr(0, 7)) == "mailto:") {
            u.scheme = "mailto";
            rest = url.substr(url.find(':') + 1);
        } else {
            rest = url;
        }
    } else {
        u.scheme = "http";
        if (url.size() > 6 && url[6] != '/') {
            u.path = url.substr(5);
            return u;
        }
        rest = url.size() > 6 ? url.substr(6) : std::string();
    }

    const auto slash = rest.find('/');
    std::string authority = rest;
    if (slash != std::string::npos) {
        u.path = rest.substr(slash);
        authority = rest.substr(0, slash);
    }
    // 1-based positions of the last "@" and the last ":", 0 when absent.
    const auto at = authority.rfind('@');
    const auto colon = authority.rfind(':');
    const std::size_t c = at == std::string::npos ? 0 : at + 1;
    const std::size_t b = colon == std::string::npos ? 0 : colon + 1;
    if (c == 0 && b == 0) {
        u.host = authority;
        return u;
    }
    if (b > c) {
        u.port = authority.substr(b);
        u.host = authority.substr(c, b - 1 - c);
        if (c == 0) return u;
    } else {
        u.host = authority.substr(c);
    }
    const std::string userInfo = authority.substr(0, c - 1);
    const auto userColon = userInfo.find(':');
    if (userColon == std::string::npos) {
        u.user = userInfo;
    } else {
        u.user = userInfo.substr(0, userColon);
        u.password = userInfo.substr(userColon + 1);
    }
    return u;
}

std::string DocNameFromPath(const std::string& path) {
    if (path.empty() || path == "/") return "document.htm";
    std::string name = path;
    if (name.back() == '/') name.pop_back();
    const auto slash = name.rfind('/');
    if (slash != std::string::npos) name = name.substr(slash + 1);
    if (name.size() > 255) name.resize(255);
    const auto query = name.find('?');
    if (query != std::string::npos) name.resize(query);
    return name;
}

std::string DocNameForContentType(const std::string& docName, const std::string& contentType) {
    const auto dot = docName.rfind('.');
    const std::string ext = dot == std::string::npos ? std::string() : docName.substr(dot);
    if (ToLower(ext) != ".exe" || contentType != "text/html") return docName;
    return docName.substr(0, dot + 1) + "htm";
}

std::string Base64Encode(const std::string& bytes) {
    static const char* alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) |
                           (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                           static_cast<unsigned char>(bytes[i + 2]);
        out += alphabet[(v >> 18) & 63];
        out += alphabet[(v >> 12) & 63];
        out += alphabet[(v >> 6) & 63];
        out += alphabet[v & 63];
    }
    if (i < bytes.size()) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += alphabet[(v >> 18) & 63];
        out += alphabet[(v >> 12) & 63];
        out += i + 1 < bytes.size() ? alphabet[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

namespace {

// Days since 1970-01-01 of a civil date and back (proleptic Gregorian).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, long long& y, unsigned& m, unsigned& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y += m <= 2;
}

constexpr long long kUnixEpochDateTime = 25569; // 1970-01-01 counted from 1899-12-30

} // namespace

double EncodeDateTime(int year, int month, int day, int hour, int minute, int second) {
    const long long days =
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
        kUnixEpochDateTime;
    return static_cast<double>(days) + (hour * 3600 + minute * 60 + second) / 86400.0;
}

std::string HttpDateText(double dateTime) {
    long long whole = static_cast<long long>(std::trunc(dateTime));
    long long ms = std::llround(std::fabs(dateTime - static_cast<double>(whole)) * 86400000.0);
    if (ms >= 86400000) {
        ++whole;
        ms -= 86400000;
    }
    const long long secs = ms / 1000;
    long long y = 0;
    unsigned m = 1, d = 1;
    CivilFromDays(whole - kUnixEpochDateTime, y, m, d);
    static const char* days = "MonTueWedThuFriSatSun";
    static const char* months = "JanFebMarAprMayJunJulAugSepOctNovDec";
    const long long dayIndex = (((whole - 2) % 7) + 7) % 7;
    char text[64];
    std::snprintf(text, sizeof text, "%.3s, %02u %.3s %04lld %02lld:%02lld:%02lld",
                  days + dayIndex * 3, d, months + (m - 1) * 3, y, secs / 3600, secs / 60 % 60,
                  secs % 60);
    return text;
}

std::vector<std::string> RequestLines(const RequestFields& f) {
    std::vector<std::string> lines;
    const bool post = f.method == "POST";
    lines.push_back(f.method + " " + EncodeRequestTarget(f.path) + " HTTP/1.0");
    if (!f.sender.empty()) lines.push_back("From: " + f.sender);
    if (!f.accept.empty()) lines.push_back("Accept: " + f.accept);
    if (!f.reference.empty()) lines.push_back("Referer: " + EncodeRequestTarget(f.reference));
    if (post && !f.contentTypePost.empty()) lines.push_back("Content-Type: " + f.contentTypePost);
    if (!f.agent.empty()) lines.push_back("User-Agent: " + f.agent);
    lines.push_back("Host: " + f.host);
    if (f.noCache) lines.push_back("Pragma: no-cache");
    if (post) lines.push_back("Content-Length: " + std::to_string(f.postSize));
    if (f.modifiedSince != 0)
        lines.push_back("If-Modified-Since: " + HttpDateText(f.modifiedSince) + " GMT");
    if (!f.username.empty())
        lines.push_back("Authorization: Basic " + Base64Encode(f.username + ":" + f.password));
    if (f.viaProxy && !f.proxyUsername.empty())
        lines.push_back("Proxy-Authorization: Basic " +
                        Base64Encode(f.proxyUsername + ":" + f.proxyPassword));
    if (!f.cookie.empty()) lines.push_back("Cookie: " + f.cookie);
    if (!f.rangeBegin.empty() || !f.rangeEnd.empty())
        lines.push_back("Range: bytes=" + f.rangeBegin + "-" + f.rangeEnd);
    lines.emplace_back();
    return lines;
}

namespace {

// A byte no request line may carry as it is.
bool BlankOrHigh(char c) {
    return c == ' ' || static_cast<unsigned char>(c) >= 0x80;
}

} // namespace

std::string EncodeRequestTarget(const std::string& target) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    out.reserve(target.size());
    for (char c : target) {
        if (BlankOrHigh(c)) {
            const auto b = static_cast<unsigned char>(c);
            out += '%';
            out += hex[b >> 4];
            out += hex[b & 15];
        } else {
            out += c;
        }
    }
    return out;
}

bool HasBlankOrHighByte(const std::string& text) {
    return std::any_of(text.begin(), text.end(), BlankOrHigh);
}

StatusParse ParseStatusLine(const std::string& line, StatusLine& status) {
    if (!StartsWith(line, "HTTP/1.0") && !StartsWith(line, "HTTP/1.1"))
        return StatusParse::NotStatus;
    if (line.size() < 12) return StatusParse::Malformed;
    int code = 0;
    for (std::size_t i = 9; i < 12; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(line[i]))) return StatusParse::Malformed;
        code = code * 10 + (line[i] - '0');
    }
    status.code = code;
    status.reason = line.size() > 13 ? line.substr(13) : std::string();
    return StatusParse::Ok;
}

std::optional<HeaderField> SplitHeaderLine(const std::string& line) {
    const auto colon = line.find(':');
    if (colon == std::string::npos) return std::nullopt;
    HeaderField field;
    field.name = ToLower(line.substr(0, colon));
    std::size_t v = colon + 1;
    while (v < line.size() && line[v] == ' ') ++v;
    field.value = line.substr(v);
    return field;
}

void ParseContentRange(const std::string& value, std::string& rangeBegin, std::string& rangeEnd) {
    rangeBegin.clear();
    rangeEnd.clear();
    if (value.size() <= 6) return;
    const auto dash = value.find('-', 6);
    if (dash == std::string::npos) {
        rangeBegin = value.substr(6);
        return;
    }
    rangeBegin = value.substr(6, dash - 6);
    const auto slash = value.find('/', dash);
    rangeEnd =
        value.substr(dash + 1, slash == std::string::npos ? std::string::npos : slash - dash - 1);
}

bool IsHeaderlessHtml(const std::string& line) {
    return line.size() >= 6 && ToLower(line.substr(0, 6)) == "<html>";
}

namespace {

std::string ApplyDirect(HttpTarget& t, const std::string& v) {
    if (!v.empty() && v[0] == '/') {
        t.path = v;
        t.location = "http://" + t.name + t.path;
        return "http";
    }
    UrlParts u = SplitURL(v);
    t.path = u.path;
    t.name = u.host;
    if (!u.port.empty())
        t.port = u.port;
    else if (!u.scheme.empty() && !u.host.empty())
        t.port = "80"; // another server named without a port listens on the default one
    if (!u.scheme.empty() && !t.name.empty()) {
        t.host = t.name;
        if (t.path.empty()) {
            t.path = "/";
            t.location = u.scheme + "://" + t.name;
        } else {
            t.location = u.scheme + "://" + t.name + t.path;
        }
        return ToLower(u.scheme);
    }
    if (u.scheme.empty()) u.scheme = "http";
    if (t.path.empty()) {
        // A bare name is taken relative to the current host and asked by its full address.
        t.location = u.scheme + "://" + t.host + "/" + t.name;
        t.name = t.host;
        t.path = t.location;
    } else if (t.name.empty()) {
        t.location = u.scheme + "://" + t.host + t.path;
        t.name = t.host;
    } else {
        t.host = t.name;
    }
    return ToLower(u.scheme);
}

std::string ApplyViaProxy(HttpTarget& t, const std::string& v) {
    if (!v.empty() && v[0] == '/') {
        const UrlParts current = SplitURL(t.path);
        const std::string scheme = current.scheme.empty() ? "http" : current.scheme;
        t.location = scheme + "://" + current.host +
                     (current.port.empty() ? std::string() : ":" + current.port) + v;
        t.path = t.location;
        return ToLower(scheme);
    }
    UrlParts u = SplitURL(v);
    // The proxy stays where it is; a port of the new target goes into its address.
    const std::string port = u.port.empty() ? std::string() : ":" + u.port;
    if (!u.scheme.empty() && !u.host.empty()) {
        t.host = u.host;
        t.location = u.scheme + "://" + u.host + port + u.path;
        t.path = t.location;
        return ToLower(u.scheme);
    }
    if (u.scheme.empty()) u.scheme = "http";
    if (!u.host.empty()) t.host = u.host;
    t.location = u.scheme + "://" + t.host + port + (u.path.empty() ? "/" : u.path);
    t.path = t.location;
    return ToLower(u.scheme);
}

std::string WithoutFragment(const std::string& location) {
    return location.substr(0, location.find('#'));
}

// One to five digits up to 65535.
bool SoundPort(const std::string& port) {
    if (port.empty() || port.size() > 5) return false;
    if (!std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    return std::stol(port) <= 65535;
}

} // namespace

std::string ApplyLocation(HttpTarget& target, const std::string& location, bool viaProxy) {
    const std::string v = WithoutFragment(location);
    std::string scheme = viaProxy ? ApplyViaProxy(target, v) : ApplyDirect(target, v);
    target.location = EncodeRequestTarget(target.location);
    return scheme;
}

bool RelocationAddressSound(const HttpTarget& target, const std::string& location) {
    if (HasBlankOrHighByte(target.host) || HasBlankOrHighByte(target.name)) return false;
    const std::string port = SplitURL(WithoutFragment(location)).port;
    return port.empty() || SoundPort(port);
}

} // namespace core
