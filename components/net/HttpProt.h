#pragma once

#include "components/net/WSocket.h"
#include "core/HttpFraming.h"
#include "core/HttpText.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

class EHttpException : public std::runtime_error {
public:
    EHttpException(const std::string& message, int errorCode)
        : std::runtime_error(message), errorCode_(errorCode) {}
    int ErrorCode() const { return errorCode_; }

private:
    int errorCode_;
};

// Codes of EHttpException that are not HTTP statuses.
constexpr int httpErrBusy = 1;
constexpr int httpErrNothingToPost = 2;
constexpr int httpErrLineTooLong = 4;
constexpr int httpErrNoStatus = 5;   // the response had no (readable) status line
constexpr int httpErrIncomplete = 6; // the connection ended before the document did
constexpr int httpErrTooManyRelocations = 7;
constexpr int httpErrTimeout = 8;
constexpr int httpErrUnsupportedScheme = 9; // https and the like
constexpr int httpErrAborted = 10;          // ended by its owner (Abort)
constexpr int httpErrControlCharacter = 11; // a text of the request holds CR, LF or the like
// A header that cannot delimit the body: Content-Length values that differ or are no numbers,
// a fold under no field, a blank in a field name.
constexpr int httpErrBadFraming = 12;
constexpr int httpErrBadRelocation = 13; // a relocation to a host or port no server can have

enum THttpCliState : std::uint8_t {
    hsReady,
    hsNotConnected,
    hsConnected,
    hsDnsLookup,
    hsDnsLookupDone,
    hsWaitingHeader,
    hsWaitingBody,
    hsAborting
};

enum THttpRequest : std::uint8_t { httpNone = 0, httpGET = 1, httpPOST = 2, httpHEAD = 3 };

using TDocDataEvent = std::function<void(QObject* Sender, const void* Buffer, int Len)>;
using TOnCommand = std::function<void(QObject* Sender, std::string& S)>;
using TCookieRcvdEvent =
    std::function<void(QObject* Sender, const std::string& Data, bool& Accept)>;
using THttpRequestDone =
    std::function<void(QObject* Sender, THttpRequest RqType, std::uint16_t Error)>;

// The HTTP/1.0 client: one request at a time as a state machine driven by its socket's events.
// Get, Head and Post wait for the end of the request while the event loop runs.
class THttpCli : public QObject {
    Q_OBJECT

public:
    static constexpr int BufferSize = 8192;
    // Header bytes of one response beyond which the response is refused.
    static constexpr int MaxHeaderBytes = 65536;
    static constexpr int MaxRelocations = 10;
    static constexpr int DefaultTimeout = 60000;

    explicit THttpCli(QObject* owner = nullptr);
    ~THttpCli() override;

    // Properties.
    std::string URL;
    std::string Proxy;
    std::string ProxyPort = "80";
    std::string Sender;
    std::string Agent = "Mozilla/3.0 (compatible)";
    std::string Accept = "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*";
    std::string Reference;
    std::string Username;
    std::string Password;
    std::string ProxyUsername;
    std::string ProxyPassword;
    bool NoCache = false;
    double ModifiedSince = 0; // days since 1899-12-30; 0: no If-Modified-Since
    std::string Cookie;
    std::string ContentTypePost = "application/x-www-form-urlencoded";
    std::string ContentRangeBegin;
    std::string ContentRangeEnd;
    // Milliseconds a whole request may take, relocations included; 0 or less: the default.
    int Timeout = DefaultTimeout;
    bool MultiThreaded() const { return multiThreaded_; }
    void SetMultiThreaded(bool value);
    const std::string& AcceptRanges() const { return acceptRanges_; }

    // The body is appended to ReceiveStream; a POST body is read from SendStream. Not owned.
    std::ostream* ReceiveStream = nullptr;
    std::istream* SendStream = nullptr;

    // Results of the last request.
    THttpCliState State() const { return state_; }
    int StatusCode() const { return statusCode_; }
    const std::string& ReasonPhrase() const { return reasonPhrase_; }
    const std::string& DocName() const { return docName_; }
    long long ContentLength() const { return contentLength_; }
    const std::string& ContentType() const { return contentType_; }
    // Every header line of the request's responses as received, relocations included.
    const std::vector<std::string>& HeaderLines() const { return headerLines_; }
    // How the body of the last response is delimited.
    const core::AnswerFraming& Framing() const { return framing_; }
    const std::vector<std::string>& AuthenticateLines() const { return authenticateLines_; }
    long long BytesReceived() const { return bytesReceived_; }
    long long BytesSent() const { return bytesSent_; }
    const std::string& LocationURL() const { return target_.location; }
    TWSocket& CtrlSocket() { return *socket_; }

    // Requests. The synchronous ones raise EHttpException (or ESocketException) when the
    // request failed.
    void Get();
    void Head();
    void Post();
    void RequestAsync(THttpRequest kind);
    void RequestSync(THttpRequest kind);
    // Ends the request in progress at once, as failed: a waiting Get returns and raises. Safe
    // from the client's own event handlers.
    void Abort();

    // Events.
    TNotifyEvent OnStateChange;
    TNotifyEvent OnSessionConnected;
    TNotifyEvent OnRequestHeaderBegin;
    TNotifyEvent OnRequestHeaderEnd;
    TNotifyEvent OnHeaderBegin;
    TNotifyEvent OnHeaderEnd;
    TNotifyEvent OnHeaderData;
    TNotifyEvent OnDocBegin;
    TNotifyEvent OnDocEnd;
    TNotifyEvent OnSendBegin;
    TNotifyEvent OnSendEnd;
    TDocDataEvent OnDocData;
    TDocDataEvent OnSendData;
    TOnCommand OnCommand;
    TCookieRcvdEvent OnCookie;
    THttpRequestDone OnRequestDone;
    TNotifyEvent OnLocationChange;
    TNotifyEvent OnTrace;

protected:
    virtual void SendCommand(const std::string& line);
    virtual void DoStartLookup();
    virtual void CloseSession();
    virtual void LocationSessionClosed();
    virtual void TriggerCookie(const std::string& data, bool& accept);
    virtual void TriggerSessionConnected();
    virtual void TriggerRequestHeaderBegin();
    virtual void TriggerRequestHeaderEnd();
    virtual void TriggerHeaderBegin();
    virtual void TriggerHeaderEnd();
    virtual void TriggerDocBegin();
    virtual void TriggerDocData(const void* data, int len);
    virtual void TriggerDocEnd();
    virtual void TriggerSendBegin();
    virtual void TriggerSendData(const void* data, int len);
    virtual void TriggerSendEnd();

private:
    enum class Next { None, Header, Body };

    void SetState(THttpCliState state);
    // The steps of starting a request.
    void RefuseUnsendableTexts() const;
    void ClearResults();
    void SetTarget(const core::UrlParts& url);
    void StartLookup();
    void SocketDnsLookupDone(std::uint16_t error);
    void SocketSessionConnected(std::uint16_t error);
    void SocketSessionClosed(std::uint16_t error);
    void SocketDataAvailable();
    void SocketDataSent();
    void SessionClosedHandling(std::uint16_t error);
    void SendRequest(const std::string& method);
    void SendNextChunk();
    void HeaderLine(const std::string& line);
    // A field line is read once its folded continuations are in; false when it ended the request.
    bool FieldLine(const std::string& line);
    void EndOfHeader();
    void BodyData(const char* data, int len);
    void Dispatch(const std::string& line);
    void PostSetReady();
    void Restart();
    // Marks the request failed with the exception Get raises, and ends it.
    void Fail(const std::string& message, int code);
    void TimedOut();
    void EndFailed(const std::string& message, int code);
    void Check() const;

    std::unique_ptr<TWSocket> socket_;
    QTimer timer_;
    THttpCliState state_ = hsReady;
    THttpRequest kind_ = httpNone;
    std::uint16_t errorWord_ = 0;
    bool connected_ = false;
    bool multiThreaded_ = false;
    bool locationFlag_ = false;
    bool relocating_ = false;
    bool closedHandled_ = false;
    bool sending_ = false;
    bool statusSeen_ = false;
    bool headerEnded_ = false;
    bool headerless_ = false;
    bool failed_ = false;
    // The last field line, folded continuations joined, read when the next line shows it ended.
    std::optional<std::string> pendingField_;
    std::string failMessage_;
    int failCode_ = 0;
    std::uint16_t closeError_ = 0;
    int relocations_ = 0;
    int headerCount_ = 0;
    int chunkCount_ = 0;
    long long headerBytes_ = 0;
    long long responseBody_ = 0;
    Next next_ = Next::None;
    core::HttpTarget target_;
    std::string dnsResult_;
    std::string rcvBuf_;
    std::string requestHeader_;
    std::vector<char> sendBuf_;

    int statusCode_ = 0;
    std::string reasonPhrase_;
    std::string docName_;
    long long contentLength_ = -1;
    std::string contentType_;
    std::vector<std::string> headerLines_;
    std::vector<std::string> fields_; // the field lines of the response being read
    core::AnswerFraming framing_;
    std::vector<std::string> authenticateLines_;
    long long bytesReceived_ = 0;
    long long bytesSent_ = 0;
    std::string acceptRanges_;
};
