#pragma once

#include "components/net/WSocket.h"

#include <string>

// Shared by the sources of the socket classes, not by their users.
namespace net_internal {

inline platform::SocketApi& Api() {
    return WSocketApi();
}

// Blanks and control characters cut from both ends, as every property setter takes its text.
inline std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return s.substr(b, e - b);
}

// The count of live sockets; the last one going releases the library.
void SocketCreated();
void SocketDestroyed();

} // namespace net_internal
