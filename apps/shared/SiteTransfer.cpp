#include "apps/shared/SiteTransfer.h"

#include <sstream>

namespace {

class ItemsOff {
public:
    explicit ItemsOff(const std::vector<QPointer<QAction>>& items) : items_(items) { Set(false); }
    ~ItemsOff() { Set(true); }
    ItemsOff(const ItemsOff&) = delete;
    ItemsOff& operator=(const ItemsOff&) = delete;

private:
    void Set(bool on) {
        for (const auto& item : items_)
            if (item) item->setEnabled(on);
    }
    const std::vector<QPointer<QAction>>& items_;
};

} // namespace

SiteTransfer::Result SiteTransfer::Fetch(const std::string& url, const std::string& referrer,
                                         long long maxBytes, core::UnsizedBody unsized) {
    Result r;
    if (closed_) {
        r.end = End::Closed;
        return r;
    }
    if (client) {
        r.end = End::Busy;
        return r;
    }
    ItemsOff off(items);
    std::ostringstream stream;
    bool tooLarge = false;
    client = std::make_unique<THttpCli>(owner_);
    THttpCli& c = *client;
    // One buffer per read notice: the window's events and the time limit get their turn between
    // reads, however fast the data comes.
    c.CtrlSocket().SetComponentOptions(c.CtrlSocket().ComponentOptions() | wsoNoReceiveLoop);
    c.Timeout = timeoutMs;
    c.ReceiveStream = nullptr;
    c.URL = url;
    c.Reference = referrer;
    c.Proxy = proxy.host;
    if (!proxy.port.empty()) c.ProxyPort = proxy.port;
    c.ProxyUsername = proxy.username;
    c.ProxyPassword = proxy.password;
    c.ReceiveStream = &stream;
    c.OnHeaderEnd = [&](QObject*) {
        if (c.ContentLength() > maxBytes) {
            tooLarge = true;
            c.Abort();
        }
    };
    c.OnDocData = [&](QObject*, const void*, int) {
        if (!tooLarge && c.BytesReceived() > maxBytes) {
            tooLarge = true;
            c.Abort();
        }
    };
    bool failed = false;
    try {
        c.Get();
    } catch (const std::exception&) {
        failed = true;
    }
    core::TransferEnd end;
    end.status = c.StatusCode();
    end.framing = c.Framing();
    end.bodyBytes = c.BytesReceived();
    client.reset();
    const std::string body = stream.str();
    end.body = body;

    r.status = end.status;
    if (closed_)
        r.end = End::Closed;
    else if (tooLarge)
        r.end = End::TooLarge;
    else if (failed)
        r.end = End::Failed;
    else
        r.end = End::Done;
    if (r.end != End::Done) return r;
    r.whole = core::WholeFile(end, unsized);
    r.body = body;
    return r;
}

void SiteTransfer::Close() {
    closed_ = true;
    if (client) client->Abort();
}
