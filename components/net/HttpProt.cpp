#include "components/net/HttpProt.h"

#include "platform/EventWait.h"

#include <QCoreApplication>

#include <chrono>
#include <optional>

namespace {

std::string ErrorText(int error) {
    return WinsockErrorText(error) + " (Error #" + std::to_string(error) + ")";
}

bool NoBodyExpected(THttpRequest kind, int status) {
    return kind == httpHEAD || (status >= 100 && status < 200) || status == 204 || status == 304;
}

} // namespace

THttpCli::THttpCli(QObject* owner) : QObject(owner), socket_(std::make_unique<TWSocket>()) {
    socket_->OnSessionConnected = [this](QObject*, std::uint16_t e) { SocketSessionConnected(e); };
    socket_->OnSessionClosed = [this](QObject*, std::uint16_t e) { SocketSessionClosed(e); };
    socket_->OnDataAvailable = [this](QObject*, std::uint16_t) { SocketDataAvailable(); };
    socket_->OnDataSent = [this](QObject*, std::uint16_t) { SocketDataSent(); };
    socket_->OnDnsLookupDone = [this](QObject*, std::uint16_t e) { SocketDnsLookupDone(e); };
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &THttpCli::TimedOut);
    sendBuf_.resize(BufferSize + 1);
}

THttpCli::~THttpCli() {
    timer_.stop();
    socket_->OnSessionConnected = nullptr;
    socket_->OnSessionClosed = nullptr;
    socket_->OnDataAvailable = nullptr;
    socket_->OnDataSent = nullptr;
    socket_->OnDnsLookupDone = nullptr;
    socket_.reset();
}

void THttpCli::SetMultiThreaded(bool value) {
    multiThreaded_ = value;
    socket_->SetMultiThreaded(value);
}

void THttpCli::SetState(THttpCliState state) {
    if (state == state_) return;
    state_ = state;
    if (OnStateChange) OnStateChange(this);
    if (state_ == hsReady) {
        const THttpRequest kind = kind_;
        const std::uint16_t error = errorWord_;
        // Fires from the queue, and only while this client exists.
        QMetaObject::invokeMethod(
            this,
            [this, kind, error] {
                if (OnRequestDone) OnRequestDone(this, kind, error);
            },
            Qt::QueuedConnection);
    }
}

void THttpCli::Get() {
    RequestSync(httpGET);
}
void THttpCli::Head() {
    RequestSync(httpHEAD);
}
void THttpCli::Post() {
    RequestSync(httpPOST);
}

void THttpCli::RequestAsync(THttpRequest kind) {
    if (state_ != hsReady) throw EHttpException("HTTP component is busy", httpErrBusy);
    if (kind == httpPOST && !SendStream)
        throw EHttpException("HTTP component has nothing to post", httpErrNothingToPost);
    RefuseUnsendableTexts();
    const core::UrlParts url = core::SplitURL(URL);
    const std::string scheme = core::ToLower(url.scheme);
    if (scheme == "https")
        throw EHttpException("https is not supported: " + URL, httpErrUnsupportedScheme);
    if (!scheme.empty() && scheme != "http")
        throw EHttpException("Unsupported address: " + URL, httpErrUnsupportedScheme);

    headerLines_.clear();
    kind_ = kind;
    errorWord_ = 0;
    relocating_ = false;
    SetState(hsNotConnected);
    ClearResults();
    SetTarget(url);
    StartLookup();
}

void THttpCli::RefuseUnsendableTexts() const {
    // Nothing is sent that could carry a header of its own into the request.
    for (const std::string* text : {&URL, &Proxy, &ProxyPort, &Sender, &Agent, &Accept, &Reference,
                                    &Username, &Password, &ProxyUsername, &ProxyPassword, &Cookie,
                                    &ContentTypePost, &ContentRangeBegin, &ContentRangeEnd})
        if (core::HasControlCharacter(*text))
            throw EHttpException("Control character in the request refused",
                                 httpErrControlCharacter);
}

void THttpCli::ClearResults() {
    docName_.clear();
    statusCode_ = 0;
    reasonPhrase_.clear();
    bytesReceived_ = 0;
    bytesSent_ = 0;
    headerCount_ = 0;
    chunkCount_ = 0;
    contentLength_ = -1;
    contentType_.clear();
    sending_ = false;
    locationFlag_ = false;
    statusSeen_ = false;
    headerEnded_ = false;
    headerless_ = false;
    failed_ = false;
    pendingField_.reset();
    fields_.clear();
    framing_ = {};
    failMessage_.clear();
    failCode_ = 0;
    closeError_ = 0;
    relocations_ = 0;
    headerBytes_ = 0;
    responseBody_ = 0;
    rcvBuf_.clear();
    next_ = Next::None;
}

void THttpCli::SetTarget(const core::UrlParts& url) {
    target_ = {};
    target_.location = URL;
    if (!url.user.empty() || !url.password.empty()) {
        Username = url.user;
        Password = url.password;
    }
    target_.host = url.host;
    if (Proxy.empty()) {
        target_.path = url.path;
        target_.name = url.host;
        target_.port = url.port.empty() ? "80" : url.port;
    } else {
        target_.path = (url.scheme.empty() ? std::string("http") : url.scheme) + "://" + url.host +
                       (url.port.empty() ? std::string() : ":" + url.port) + url.path;
        const core::UrlParts proxy = core::SplitURL(Proxy);
        target_.name = proxy.host;
        target_.port = proxy.port.empty() ? ProxyPort : proxy.port;
    }
    if (target_.path.empty()) target_.path = "/";
    docName_ = core::DocNameFromPath(url.path);
}

void THttpCli::StartLookup() {
    timer_.start(Timeout > 0 ? Timeout : DefaultTimeout);
    try {
        DoStartLookup();
    } catch (...) {
        // A lookup that could not start leaves the client free for the next request.
        timer_.stop();
        connected_ = false;
        state_ = hsReady;
        throw;
    }
}

void THttpCli::RequestSync(THttpRequest kind) {
    RequestAsync(kind);
    using platform::WaitClock;
    // The timer ends the request; this bound only guards against a lost timer.
    const auto hardDeadline = WaitClock::now() +
                              std::chrono::milliseconds((Timeout > 0 ? Timeout : DefaultTimeout)) +
                              std::chrono::seconds(5);
    while (state_ != hsReady) {
        if (WaitClock::now() >= hardDeadline || !QCoreApplication::instance() ||
            QCoreApplication::closingDown()) {
            TimedOut();
            if (state_ != hsReady) SetState(hsReady);
            break;
        }
        platform::WaitForEvents(hardDeadline);
    }
    Check();
}

void THttpCli::Check() const {
    if (failed_) throw EHttpException(failMessage_, failCode_);
    if (statusCode_ >= 400) throw EHttpException(reasonPhrase_, statusCode_);
    if (closeError_ != 0) throw EHttpException(ErrorText(closeError_), httpErrIncomplete);
    if (!headerEnded_) {
        if (!statusSeen_)
            throw EHttpException("HTTP response without status line", httpErrNoStatus);
        throw EHttpException("HTTP connection closed before the end of the header",
                             httpErrIncomplete);
    }
    if (!statusSeen_ && !headerless_)
        throw EHttpException("HTTP response without status line", httpErrNoStatus);
    if (contentLength_ >= 0 && !NoBodyExpected(kind_, statusCode_) &&
        responseBody_ < contentLength_)
        throw EHttpException("HTTP document shorter than its Content-Length", httpErrIncomplete);
}

void THttpCli::Fail(const std::string& message, int code) {
    if (!failed_) {
        failed_ = true;
        failMessage_ = message;
        failCode_ = code;
    }
    CloseSession();
    if (!closedHandled_) SessionClosedHandling(0);
}

void THttpCli::TimedOut() {
    EndFailed("HTTP request timed out", httpErrTimeout);
}

void THttpCli::Abort() {
    EndFailed("HTTP request aborted", httpErrAborted);
}

void THttpCli::EndFailed(const std::string& message, int code) {
    if (state_ == hsReady) return;
    timer_.stop();
    if (!failed_) {
        failed_ = true;
        failMessage_ = message;
        failCode_ = code;
    }
    try {
        socket_->Abort();
    } catch (...) {
        // Dropped: the request has failed already and keeps its first reason.
    }
    connected_ = false;
    if (!closedHandled_) SessionClosedHandling(0);
}

void THttpCli::DoStartLookup() {
    dnsResult_.clear();
    closedHandled_ = false;
    SetState(hsDnsLookup);
    socket_->DnsLookup(target_.name);
}

void THttpCli::Restart() {
    if (state_ == hsReady) return;
    if (failed_) {
        if (!closedHandled_) SessionClosedHandling(0);
        return;
    }
    try {
        DoStartLookup();
    } catch (const std::exception& e) {
        Fail(e.what(), httpErrIncomplete);
    }
}

void THttpCli::CloseSession() {
    try {
        socket_->Close();
    } catch (...) {
        // A close that fails falls back to the abort.
        try {
            socket_->Abort();
        } catch (...) {
            // Dropped: the session is being given up either way.
        }
    }
    connected_ = false;
}

void THttpCli::SocketDnsLookupDone(std::uint16_t error) {
    if (state_ == hsAborting || state_ == hsReady) return;
    if (error != 0) {
        errorWord_ = error;
        statusCode_ = 404;
        reasonPhrase_ = "can't resolve hostname to IP address";
        SessionClosedHandling(error);
        return;
    }
    dnsResult_ = socket_->DnsResult();
    SetState(hsDnsLookupDone);
    try {
        socket_->SetAddr(dnsResult_);
        socket_->SetPort(target_.port);
        socket_->SetProto("tcp");
        socket_->Connect();
    } catch (const std::exception&) {
        const int n = socket_->LastError();
        errorWord_ = static_cast<std::uint16_t>(n);
        statusCode_ = 404;
        reasonPhrase_ = "can't connect: " + ErrorText(n);
        CloseSession();
        SessionClosedHandling(0);
    }
}

void THttpCli::SocketSessionConnected(std::uint16_t error) {
    if (error != 0) {
        errorWord_ = error;
        statusCode_ = 404;
        reasonPhrase_ = ErrorText(error);
        SessionClosedHandling(0);
        return;
    }
    connected_ = true;
    SetState(hsConnected);
    TriggerSessionConnected();
    next_ = Next::Header;
    SetState(hsWaitingHeader);
    try {
        switch (kind_) {
        case httpGET:
            SendRequest("GET");
            break;
        case httpHEAD:
            SendRequest("HEAD");
            break;
        case httpPOST:
            SendRequest("POST");
            TriggerSendBegin();
            sending_ = true;
            SendNextChunk();
            break;
        case httpNone:
            break;
        }
    } catch (...) {
        // A request that cannot go out ends the session.
        CloseSession();
        if (!closedHandled_) SessionClosedHandling(0);
    }
}

void THttpCli::SendCommand(const std::string& line) {
    std::string s = line;
    if (OnCommand) OnCommand(this, s);
    requestHeader_ += s;
    requestHeader_ += "\r\n";
}

void THttpCli::SendRequest(const std::string& method) {
    requestHeader_.clear();
    TriggerRequestHeaderBegin();
    core::RequestFields f;
    f.method = method;
    f.path = target_.path;
    f.sender = Sender;
    f.accept = Accept;
    f.reference = Reference;
    f.contentTypePost = ContentTypePost;
    f.agent = Agent;
    f.host = target_.host;
    f.noCache = NoCache;
    if (method == "POST" && SendStream) {
        const auto here = SendStream->tellg();
        SendStream->seekg(0, std::ios::end);
        f.postSize = static_cast<long long>(SendStream->tellg() - here);
        SendStream->seekg(here);
    }
    f.modifiedSince = ModifiedSince;
    f.username = Username;
    f.password = Password;
    f.viaProxy = !Proxy.empty();
    f.proxyUsername = ProxyUsername;
    f.proxyPassword = ProxyPassword;
    f.cookie = Cookie;
    f.rangeBegin = ContentRangeBegin;
    f.rangeEnd = ContentRangeEnd;
    const std::vector<std::string> lines = core::RequestLines(f);
    ContentRangeBegin.clear();
    ContentRangeEnd.clear();
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) SendCommand(lines[i]);
    acceptRanges_.clear();
    TriggerRequestHeaderEnd();
    SendCommand("");
    socket_->Send(requestHeader_.data(), static_cast<int>(requestHeader_.size()));
    requestHeader_.clear();
}

void THttpCli::SendNextChunk() {
    if (!sending_ || !SendStream) return;
    SendStream->read(sendBuf_.data(), static_cast<std::streamsize>(sendBuf_.size()));
    const int n = static_cast<int>(SendStream->gcount());
    if (n <= 0) {
        sending_ = false;
        TriggerSendEnd();
        return;
    }
    bytesSent_ += n;
    TriggerSendData(sendBuf_.data(), n);
    socket_->Send(sendBuf_.data(), n);
}

void THttpCli::SocketDataSent() {
    if (sending_) SendNextChunk();
}

void THttpCli::SocketDataAvailable() {
    if (static_cast<int>(rcvBuf_.size()) >= BufferSize) {
        Fail("HTTP line too long", httpErrLineTooLong);
        return;
    }
    const std::size_t fill = rcvBuf_.size();
    rcvBuf_.resize(BufferSize);
    const int n = socket_->Receive(rcvBuf_.data() + fill, BufferSize - static_cast<int>(fill));
    rcvBuf_.resize(fill + static_cast<std::size_t>(n > 0 ? n : 0));
    if (kind_ == httpNone || n <= 0) return;

    if (state_ == hsWaitingBody) {
        std::string chunk;
        chunk.swap(rcvBuf_);
        if (next_ == Next::Body)
            BodyData(chunk.data(), static_cast<int>(chunk.size()));
        else
            PostSetReady();
        return;
    }
    for (;;) {
        const auto lf = rcvBuf_.find('\n');
        if (lf == std::string::npos) break;
        std::string line = rcvBuf_.substr(0, lf);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        rcvBuf_.erase(0, lf + 1);
        if (state_ == hsWaitingHeader || state_ == hsWaitingBody) Dispatch(line);
        if (!connected_ || failed_) {
            rcvBuf_.clear();
            return;
        }
    }
    // After a header-less "<html>" the bytes behind the last line end are body too.
    if (state_ == hsWaitingBody && next_ == Next::Body && !rcvBuf_.empty()) {
        std::string rest;
        rest.swap(rcvBuf_);
        BodyData(rest.data(), static_cast<int>(rest.size()));
        return;
    }
    if (state_ == hsWaitingHeader &&
        headerBytes_ + static_cast<long long>(rcvBuf_.size()) > MaxHeaderBytes)
        Fail("HTTP header too long", httpErrLineTooLong);
}

void THttpCli::Dispatch(const std::string& line) {
    switch (next_) {
    case Next::Header:
        HeaderLine(line);
        break;
    case Next::Body:
        BodyData(line.data(), static_cast<int>(line.size()));
        break;
    case Next::None:
        PostSetReady();
        break;
    }
}

void THttpCli::HeaderLine(const std::string& line) {
    if (headerCount_ == 0) TriggerHeaderBegin();
    ++headerCount_;
    headerBytes_ += static_cast<long long>(line.size()) + 2;
    if (headerBytes_ > MaxHeaderBytes) {
        Fail("HTTP header too long", httpErrLineTooLong);
        return;
    }

    if (core::IsFoldedLine(line)) {
        // An obsolete fold continues the field before it; under a status line or nothing it
        // continues no field at all.
        if (!pendingField_) {
            Fail("HTTP header line continues no field", httpErrBadFraming);
            return;
        }
        headerLines_.push_back(line);
        *pendingField_ = core::JoinFoldedLine(*pendingField_, line);
        return;
    }
    if (pendingField_) {
        const std::string field = std::move(*pendingField_);
        pendingField_.reset();
        if (!FieldLine(field)) return;
    }

    if (core::IsHeaderlessHtml(line)) {
        if (contentType_.empty()) contentType_ = "text/html";
        headerEnded_ = true;
        headerless_ = true;
        SetState(hsWaitingBody);
        next_ = Next::Body;
        TriggerHeaderEnd();
        BodyData(line.data(), static_cast<int>(line.size()));
        return;
    }
    if (line.empty()) {
        EndOfHeader();
        return;
    }

    headerLines_.push_back(line);
    core::StatusLine status;
    switch (core::ParseStatusLine(line, status)) {
    case core::StatusParse::Ok:
        statusCode_ = status.code;
        reasonPhrase_ = status.reason;
        statusSeen_ = true;
        break;
    case core::StatusParse::Malformed:
        Fail("HTTP status line malformed: " + line, httpErrNoStatus);
        return;
    case core::StatusParse::NotStatus:
        pendingField_ = line;
        break;
    }
    if (OnHeaderData) OnHeaderData(this);
    if (statusCode_ >= 400) CloseSession();
}

bool THttpCli::FieldLine(const std::string& line) {
    fields_.push_back(line);
    const auto field = core::SplitHeaderLine(line);
    if (!field) return true;
    const std::string& v = field->value;
    if (field->name == "location") {
        if (core::HasControlCharacter(v)) {
            Fail("Relocation refused: control character", httpErrControlCharacter);
            return false;
        }
        locationFlag_ = true;
        if (core::ApplyLocation(target_, v, !Proxy.empty()) != "http") {
            Fail("Relocation refused: " + v, httpErrUnsupportedScheme);
            return false;
        }
        if (!core::RelocationAddressSound(target_, v)) {
            Fail("Relocation refused for its address: " + v, httpErrBadRelocation);
            return false;
        }
    } else if (field->name == "content-range") {
        core::ParseContentRange(v, ContentRangeBegin, ContentRangeEnd);
    } else if (field->name == "accept-ranges") {
        acceptRanges_ = v;
    } else if (field->name == "content-type") {
        contentType_ = core::ToLower(v);
    } else if (field->name == "www-authenticate") {
        authenticateLines_.push_back(v);
    } else if (field->name == "set-cookie") {
        bool accept = true;
        TriggerCookie(v, accept);
    }
    return !failed_;
}

void THttpCli::EndOfHeader() {
    // The one reading of how the body is delimited; an answer it cannot delimit is no answer.
    framing_ = core::ReadFraming(fields_);
    fields_.clear();
    if (!framing_.valid) {
        Fail("HTTP answer framing invalid", httpErrBadFraming);
        return;
    }
    contentLength_ = framing_.length;
    if (locationFlag_) {
        if (++relocations_ > MaxRelocations) {
            Fail("HTTP too many relocations", httpErrTooManyRelocations);
            return;
        }
        TriggerHeaderEnd();
        rcvBuf_.clear();
        headerCount_ = 0;
        chunkCount_ = 0;
        // The next response must bring its own status line and length.
        statusSeen_ = false;
        contentLength_ = -1;
        framing_ = {};
        headerBytes_ = 0;
        relocating_ = true;
        CloseSession();
        return;
    }
    docName_ = core::DocNameForContentType(docName_, contentType_);
    headerEnded_ = true;
    SetState(hsWaitingBody);
    next_ = Next::Body;
    TriggerHeaderEnd();
    if (!rcvBuf_.empty()) {
        std::string rest;
        rest.swap(rcvBuf_);
        BodyData(rest.data(), static_cast<int>(rest.size()));
    }
}

void THttpCli::BodyData(const char* data, int len) {
    if (chunkCount_ == 0) TriggerDocBegin();
    ++chunkCount_;
    bytesReceived_ += len;
    responseBody_ += len;
    if (ReceiveStream && len > 0) ReceiveStream->write(data, len);
    TriggerDocData(data, len);
}

void THttpCli::SocketSessionClosed(std::uint16_t error) {
    if (relocating_) {
        LocationSessionClosed();
        return;
    }
    SessionClosedHandling(error);
}

void THttpCli::LocationSessionClosed() {
    relocating_ = false;
    connected_ = false;
    locationFlag_ = false;
    if (OnLocationChange) OnLocationChange(this);
    QMetaObject::invokeMethod(
        this, [this] { Restart(); }, Qt::QueuedConnection);
}

void THttpCli::SessionClosedHandling(std::uint16_t error) {
    if (closedHandled_) return;
    closedHandled_ = true;
    connected_ = false;
    if (error != 0 && closeError_ == 0) closeError_ = error;
    if (chunkCount_ > 0) TriggerDocEnd();
    PostSetReady();
}

void THttpCli::PostSetReady() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            timer_.stop();
            SetState(hsReady);
        },
        Qt::QueuedConnection);
}

void THttpCli::TriggerCookie(const std::string& data, bool& accept) {
    if (OnCookie) OnCookie(this, data, accept);
}
void THttpCli::TriggerSessionConnected() {
    if (OnSessionConnected) OnSessionConnected(this);
}
void THttpCli::TriggerRequestHeaderBegin() {
    if (OnRequestHeaderBegin) OnRequestHeaderBegin(this);
}
void THttpCli::TriggerRequestHeaderEnd() {
    if (OnRequestHeaderEnd) OnRequestHeaderEnd(this);
}
void THttpCli::TriggerHeaderBegin() {
    if (OnHeaderBegin) OnHeaderBegin(this);
}
void THttpCli::TriggerHeaderEnd() {
    if (OnHeaderEnd) OnHeaderEnd(this);
}
void THttpCli::TriggerDocBegin() {
    if (OnDocBegin) OnDocBegin(this);
}
void THttpCli::TriggerDocData(const void* data, int len) {
    if (OnDocData) OnDocData(this, data, len);
}
void THttpCli::TriggerDocEnd() {
    if (OnDocEnd) OnDocEnd(this);
}
void THttpCli::TriggerSendBegin() {
    if (OnSendBegin) OnSendBegin(this);
}
void THttpCli::TriggerSendData(const void* data, int len) {
    if (OnSendData) OnSendData(this, data, len);
}
void THttpCli::TriggerSendEnd() {
    if (OnSendEnd) OnSendEnd(this);
}
