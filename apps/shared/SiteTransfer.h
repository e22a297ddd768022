#pragma once

#include "components/net/HttpProt.h"
#include "core/DrawUpdate.h"

#include <QAction>
#include <QPointer>

#include <memory>
#include <string>
#include <vector>

// Fetches files of the product's web site for a main window: one transfer at a time, ended by
// its time limit and as soon as its body outgrows the size given, without stalling the window,
// and ended for good when the window closes.
class SiteTransfer {
public:
    enum class End {
        Done,     // the server ended the response (see whole for what it sent)
        Failed,   // the transfer failed (no connection, an error status, the time limit)
        TooLarge, // the body outgrew the limit and was dropped
        Busy,     // another transfer is running; nothing was started
        Closed,   // the window has closed; nothing may follow
    };
    struct Result {
        End end = End::Failed;
        int status = 0;
        bool whole = false; // status 200 and the complete body
        std::string body;
    };

    // An HTTP proxy the transfers go through; none while host is empty.
    struct Proxy {
        std::string host, port, username, password;
    };

    explicit SiteTransfer(QObject* owner) : owner_(owner) {}

    // unsized: what ends a body without a length, for Result::whole.
    Result Fetch(const std::string& url, const std::string& referrer, long long maxBytes,
                 core::UnsizedBody unsized);

    bool Busy() const { return client != nullptr; }
    // The window closes: the transfer in progress ends, and none starts any more.
    void Close();
    bool Closed() const { return closed_; }

    // The client of the transfer in progress.
    std::unique_ptr<THttpCli> client;
    // Menu items that start transfers; they are disabled while one runs.
    std::vector<QPointer<QAction>> items;
    int timeoutMs = THttpCli::DefaultTimeout;
    Proxy proxy;

private:
    QObject* owner_;
    bool closed_ = false;
};
