#pragma once

#include <optional>
#include <string>
#include <vector>

// The text rules of the HTTP/1.0 client: addresses, request lines, response header lines and
// relocation targets. No I/O here, so every rule can be tested on its own.
namespace core {

struct UrlParts {
    std::string scheme, user, password, host, port, path;
};

// Splits an address into its parts; anything missing stays empty.
UrlParts SplitURL(const std::string& url);

// The document name a request path gives ("document.htm" for the root).
std::string DocNameFromPath(const std::string& path);

// The ".exe" served as "text/html" is kept as ".htm".
std::string DocNameForContentType(const std::string& docName, const std::string& contentType);

std::string Base64Encode(const std::string& bytes);

// A date-time as days since 1899-12-30 with the time as the fraction; gives
// "Sat, 17 Apr 2010 10:05:03" (the caller appends " GMT").
std::string HttpDateText(double dateTime);
// The date-time of a civil date and time, in the same count of days.
double EncodeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

struct RequestFields {
    std::string method; // "GET", "HEAD" or "POST"
    std::string path;   // request path, already absolute when a proxy is used
    std::string sender, accept, reference, contentTypePost, agent, host;
    bool noCache = false;
    long long postSize = 0;
    double modifiedSince = 0;
    std::string username, password;
    bool viaProxy = false;
    std::string proxyUsername, proxyPassword;
    std::string cookie;
    std::string rangeBegin, rangeEnd;
};

// The lines of a request header in their order, the closing empty line included. The request
// path and the referrer go out through EncodeRequestTarget.
std::vector<std::string> RequestLines(const RequestFields& fields);

// A request target as it may go on the wire: blanks and bytes of 0x80 and up percent-encoded,
// so that the request line keeps its three fields whatever address it was given. Anything
// already encoded stays as it is.
std::string EncodeRequestTarget(const std::string& target);

// Whether the text holds a blank or a byte of 0x80 and up: no host name does.
bool HasBlankOrHighByte(const std::string& text);

struct StatusLine {
    int code = 0;
    std::string reason;
};

enum class StatusParse { NotStatus, Malformed, Ok };

// "HTTP/1.0 404 Not Found" or "HTTP/1.1 ...": the code from the three characters after the
// version and the reason from there on. A line that names the version but has no three-digit
// code is Malformed.
StatusParse ParseStatusLine(const std::string& line, StatusLine& status);

struct HeaderField {
    std::string name; // lower case
    std::string value;
};

// "Name: value" with the name lower-cased and leading blanks of the value skipped.
std::optional<HeaderField> SplitHeaderLine(const std::string& line);

// "bytes 0-99/1000" gives "0" and "99".
void ParseContentRange(const std::string& value, std::string& rangeBegin, std::string& rangeEnd);

// Whether the header says "<html>" instead of a status line (a response without a header).
bool IsHeaderlessHtml(const std::string& line);

// The target of a request, as the client connects to and asks it.
struct HttpTarget {
    std::string name;     // host name to look up and connect to (the proxy with a proxy)
    std::string host;     // value of "Host: "
    std::string port;     // port to connect to
    std::string path;     // request path
    std::string location; // absolute address of the target
};

// Moves the target to a "location" value, its fragment left out (a fragment is never sent);
// the address as shown goes through EncodeRequestTarget, the path is encoded when it is asked.
// Returns the scheme of the new target in lower case ("http" for a relative one), so the caller
// can refuse what it cannot speak.
std::string ApplyLocation(HttpTarget& target, const std::string& location, bool viaProxy);

// Whether the target a "location" value gave can be asked: host names without blanks or high
// bytes, and a port the location names of one to five digits up to 65535.
bool RelocationAddressSound(const HttpTarget& target, const std::string& location);

std::string ToLower(std::string text);

// Whether the text holds CR, LF or another control character: such a text would end a request
// line early and start a header of its own, so it never goes into a request.
bool HasControlCharacter(const std::string& text);

} // namespace core
