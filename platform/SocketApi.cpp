#include "platform/SocketApi.h"

#include <QCoreApplication>

#include <cerrno>
#include <netdb.h>

namespace platform {

TSocketMessage::TSocketMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam,
                               std::shared_ptr<const THostEntry> host)
    : QEvent(EventType()), Msg(msg), WParam(wParam), LParam(lParam), Host(std::move(host)) {}

QEvent::Type TSocketMessage::EventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void PostSocketMessage(QObject* receiver, unsigned msg, std::uintptr_t wParam,
                       std::intptr_t lParam) {
    QCoreApplication::postEvent(receiver, new TSocketMessage(msg, wParam, lParam));
}

int WinsockErrorFromErrno(int err) {
    struct Pair {
        int err;
        int wsa;
    };
    // A non-blocking connect that has started is "would block" to WinSock, as is a full buffer.
    static constexpr Pair table[] = {
        {EINTR, WSAEINTR},
        {EBADF, WSAEBADF},
        {EACCES, WSAEACCES},
        {EPERM, WSAEACCES},
        {EFAULT, WSAEFAULT},
        {EINVAL, WSAEINVAL},
        {EMFILE, WSAEMFILE},
        {ENFILE, WSAEMFILE},
        {EAGAIN, WSAEWOULDBLOCK},
        {EINPROGRESS, WSAEWOULDBLOCK},
        {EALREADY, WSAEALREADY},
        {ENOTSOCK, WSAENOTSOCK},
        {EDESTADDRREQ, WSAEDESTADDRREQ},
        {EMSGSIZE, WSAEMSGSIZE},
        {EPROTOTYPE, WSAEPROTOTYPE},
        {ENOPROTOOPT, WSAENOPROTOOPT},
        {EPROTONOSUPPORT, WSAEPROTONOSUPPORT},
        {ESOCKTNOSUPPORT, WSAESOCKTNOSUPPORT},
        {EOPNOTSUPP, WSAEOPNOTSUPP},
        {EPFNOSUPPORT, WSAEPFNOSUPPORT},
        {EAFNOSUPPORT, WSAEAFNOSUPPORT},
        {EADDRINUSE, WSAEADDRINUSE},
        {EADDRNOTAVAIL, WSAEADDRNOTAVAIL},
        {ENETDOWN, WSAENETDOWN},
        {ENETUNREACH, WSAENETUNREACH},
        {ENETRESET, WSAENETRESET},
        {ECONNABORTED, WSAECONNABORTED},
        {ECONNRESET, WSAECONNRESET},
        {ENOBUFS, WSAENOBUFS},
        {ENOMEM, WSAENOBUFS},
        {EISCONN, WSAEISCONN},
        {ENOTCONN, WSAENOTCONN},
        {ESHUTDOWN, WSAESHUTDOWN},
        {EPIPE, WSAESHUTDOWN},
        {ETOOMANYREFS, WSAETOOMANYREFS},
        {ETIMEDOUT, WSAETIMEDOUT},
        {ECONNREFUSED, WSAECONNREFUSED},
        {ELOOP, WSAELOOP},
        {ENAMETOOLONG, WSAENAMETOOLONG},
        {EHOSTDOWN, WSAEHOSTDOWN},
        {EHOSTUNREACH, WSAEHOSTUNREACH},
        {ENOTEMPTY, WSAENOTEMPTY},
        {EUSERS, WSAEUSERS},
        {EDQUOT, WSAEDQUOT},
        {ESTALE, WSAESTALE},
        {EREMOTE, WSAEREMOTE},
    };
    if (err == 0) return 0;
    for (const auto& p : table)
        if (p.err == err) return p.wsa;
    // Anything else is passed on; its text is then "Not a WinSock error".
    return err;
}

int WinsockErrorFromResolver(int eaiError, int err) {
    switch (eaiError) {
    case 0:
        return 0;
    case EAI_NONAME:
    case EAI_SERVICE:
        return WSAHOST_NOT_FOUND;
    case EAI_AGAIN:
        return WSATRY_AGAIN;
    case EAI_NODATA:
    case EAI_ADDRFAMILY:
        return WSANO_DATA;
    case EAI_MEMORY:
        return WSAENOBUFS;
    case EAI_SYSTEM:
        return err == 0 ? WSANO_RECOVERY : WinsockErrorFromErrno(err);
    default:
        return WSANO_RECOVERY;
    }
}

namespace {

SocketLibraryLoader& LoaderSlot() {
    static SocketLibraryLoader loader;
    return loader;
}

} // namespace

std::unique_ptr<SocketApi> LoadSocketLibrary(const std::string& name, int& error) {
    error = 0;
    if (auto& loader = LoaderSlot()) return loader(name, error);
    return MakePosixSocketApi();
}

SocketLibraryLoader SetSocketLibraryLoader(SocketLibraryLoader loader) {
    auto previous = std::move(LoaderSlot());
    LoaderSlot() = std::move(loader);
    return previous;
}

} // namespace platform
