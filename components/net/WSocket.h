#pragma once

#include "components/net/WSockbuf.h"
#include "platform/SocketApi.h"

#include <QObject>

#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

class ESocketException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum TSocketState {
    wsInvalidState,
    wsOpened,
    wsBound,
    wsConnecting,
    wsConnected,
    wsAccepting,
    wsListening,
    wsClosed
};
enum TSocketSendFlags { wsSendNormal, wsSendUrgent };
enum TSocketLingerOnOff { wsLingerOff, wsLingerOn, wsLingerNoSet };
enum TWSocketOption : unsigned { wsoNoReceiveLoop = 1 };
using TWSocketOptions = unsigned; // a set of TWSocketOption bits

using TDataAvailable = std::function<void(QObject* Sender, std::uint16_t Error)>;
using TDataSent = std::function<void(QObject* Sender, std::uint16_t Error)>;
using TSessionClosed = std::function<void(QObject* Sender, std::uint16_t Error)>;
using TSessionAvailable = std::function<void(QObject* Sender, std::uint16_t Error)>;
using TSessionConnected = std::function<void(QObject* Sender, std::uint16_t Error)>;
using TDnsLookupDone = std::function<void(QObject* Sender, std::uint16_t Error)>;
using TSendData = std::function<void(QObject* Sender, int BytesSent)>;
using TChangeState =
    std::function<void(QObject* Sender, TSocketState OldState, TSocketState NewState)>;
using TBgExceptionEvent =
    std::function<void(QObject* Sender, const std::exception& E, bool& CanClose)>;
using TNotifyEvent = std::function<void(QObject* Sender)>;

// WinSock's time value.
struct TTimeVal {
    std::int32_t tv_sec = 0;
    std::int32_t tv_usec = 0;
};

// The messages of the socket's own queue (the numbers WinSock-era code used for them).
constexpr unsigned WM_USER = 0x0400;
constexpr unsigned WM_SOCKET_EVENT = WM_USER + 1;
constexpr unsigned WM_NAME_LOOKUP_DONE = WM_USER + 2;
constexpr unsigned WM_ADDR_LOOKUP_DONE = WM_USER + 3;
constexpr unsigned WM_SOCKET_CLOSE = WM_USER + 4;
constexpr unsigned WM_SOCKET_FREE = WM_USER + 5;
constexpr unsigned WM_SOCKET_TEST = WM_USER + 6;
constexpr unsigned WM_LINE_DELIVER = WM_USER + 20;

std::string WinsockErrorText(int error);
// IPv4 address in network order; raises ESocketException.
std::uint32_t WSocketResolveHost(const std::string& host);
// Port number in host order; raises ESocketException.
std::uint16_t WSocketResolvePort(const std::string& port, const std::string& proto);
int WSocketResolveProto(const std::string& proto);
// The library every socket shares, loaded and started at first use; raises ESocketException
// when it cannot be loaded or started.
platform::SocketApi& WSocketApi();
// Whether the library is loaded at the moment (it goes with the last socket).
bool WSocketLibraryLoaded();
// Sockets alive now.
int WSocketCount();

// A non-blocking TCP or UDP socket; its notifications arrive as posted messages handled on
// the thread that made it. Events are fired only when assigned.
class TCustomWSocket : public QObject {
    Q_OBJECT

public:
    explicit TCustomWSocket(QObject* owner = nullptr);
    ~TCustomWSocket() override;

    // Properties.
    const std::string& Addr() const { return addrStr_; }
    void SetAddr(const std::string& value);
    const std::string& Port() const { return portStr_; }
    virtual void SetPort(const std::string& value);
    const std::string& Proto() const { return protoStr_; }
    virtual void SetProto(const std::string& value);
    const std::string& LocalAddr() const { return localAddr_; }
    void SetLocalAddr(const std::string& value);
    const std::string& LocalPort() const { return localPortStr_; }
    void SetLocalPort(const std::string& value);
    virtual std::string PeerAddr();
    virtual std::string PeerPort();
    virtual std::string LocalPortText();
    const std::string& DnsResult() const { return dnsResult_; }
    const std::vector<std::string>& DnsResultList() const { return dnsResultList_; }
    TSocketState State() const { return state_; }
    std::int64_t ReadCount() const { return readCount_; }
    virtual int RcvdCount();
    int LastError() const { return lastError_; }
    bool MultiThreaded() const { return multiThreaded_; }
    void SetMultiThreaded(bool value) { multiThreaded_ = value; }
    TWSocketOptions ComponentOptions() const { return componentOptions_; }
    void SetComponentOptions(TWSocketOptions value) { componentOptions_ = value; }
    // Seconds that Flush and DrainUntilClosed wait at most.
    int FlushTimeout() const { return flushTimeout_; }
    void SetFlushTimeout(int seconds) { flushTimeout_ = seconds; }
    TSocketSendFlags SendFlags() const;
    void SetSendFlags(TSocketSendFlags value);
    TSocketLingerOnOff LingerOnOff() const { return lingerOnOff_; }
    void SetLingerOnOff(TSocketLingerOnOff value) { lingerOnOff_ = value; }
    int LingerTimeout() const { return lingerTimeout_; }
    void SetLingerTimeout(int seconds) { lingerTimeout_ = seconds; }
    platform::TSocket HSocket() const { return hSocket_; }

    // Operations.
    virtual void Connect();
    virtual void Close();
    virtual void PostClose();
    // Frees the socket from its own queue (deleteLater): for sockets owned by a Qt parent or
    // by nobody, never for one held by a unique_ptr.
    virtual void PostFree();
    virtual void Abort();
    virtual void Flush();
    virtual void DrainUntilClosed();
    virtual void Listen();
    virtual platform::TSocket Accept();
    virtual int Receive(void* buffer, int len);
    virtual std::string ReceiveText();
    virtual int ReceiveFrom(void* buffer, int len, platform::TSockAddrIn& from, int& fromLen);
    virtual int Send(const void* data, int len);
    virtual int SendTo(const platform::TSockAddrIn& dest, int destLen, const void* data, int len);
    virtual int SendText(const std::string& text);
    virtual void DnsLookup(const std::string& hostName);
    virtual void AddrLookup(const std::string& address);
    virtual void CancelLookup();
    virtual int GetPeerSockAddr(platform::TSockAddrIn& name, int& nameLen);
    // Set when either field is not 0.
    virtual bool TimevalIsSet(const TTimeVal& tv);
    virtual void TimevalClear(TTimeVal& tv);
    // isEqual when both fields match, its negation otherwise.
    virtual bool TimevalCompare(const TTimeVal& a, const TTimeVal& b, bool isEqual);
    virtual int GetLocalSockAddr(platform::TSockAddrIn& name, int& nameLen);
    virtual void Dup(platform::TSocket newHandle);
    virtual void ShutdownSocket(int how);
    virtual void PauseEvents();
    virtual void ResumeEvents();
    virtual void PumpMessages();
    // Puts a message in the own queue, as a post to the hidden window did.
    void PostMessage(unsigned msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

    // Events.
    TDataAvailable OnDataAvailable;
    TDataSent OnDataSent;
    TSendData OnSendData;
    TSessionClosed OnSessionClosed;
    TSessionAvailable OnSessionAvailable;
    TSessionConnected OnSessionConnected;
    TChangeState OnChangeState;
    TNotifyEvent OnLineTooLong;
    TDnsLookupDone OnDnsLookupDone;
    TNotifyEvent OnError;
    TBgExceptionEvent OnBgException;

protected:
    bool event(QEvent* e) override;
    virtual void WndProc(platform::TSocketMessage& msg);
    virtual void ResetDefaults();
    virtual void DoClose(bool shutdown, std::uint16_t error);
    virtual void BindLocal();
    virtual int SendRaw(const void* data, int len);
    virtual void RaiseSocketError(const std::string& msg);
    virtual void HandleBgException(const std::exception& e);
    virtual bool TriggerDataAvailable(std::uint16_t error);
    virtual void TriggerSessionAvailable(std::uint16_t error);
    virtual void TriggerSessionConnected(std::uint16_t error);
    virtual void TriggerSessionClosed(std::uint16_t error);
    virtual void TriggerDataSent(std::uint16_t error);
    virtual void TriggerChangeState(TSocketState oldState, TSocketState newState);
    virtual void TriggerDnsLookupDone(std::uint16_t error);
    virtual void TriggerError();
    virtual int RecvRaw(void* buffer, int len, int flags);
    virtual int RecvFromRaw(void* buffer, int len, int flags, platform::TSockAddrIn& from,
                            int& fromLen);

    void ReportSocketError(const std::string& name);
    void ChangeState(TSocketState newState);
    void TryToSend();
    void ASyncReceive(std::uint16_t error);
    void SetLingerOption();
    void DeleteBufferedData();
    bool Destroying() const { return destroying_; }
    // The own pump saw the application ending.
    bool QuitSeen() const { return terminated_; }
    // Bytes waiting in the socket itself (-1 on failure, the error in LastError).
    int SocketPending();

    bool closeInvoked_ = false; // OnSessionClosed fired for this connection
    bool portResolved_ = false;
    bool addrResolved_ = false;
    std::uint16_t portNum_ = 0;
    platform::TSockAddrIn sin_;
    int lastError_ = 0;

private:
    void HandleSocketEvent(const platform::TSocketMessage& msg);
    void HandleLookupDone(const platform::TSocketMessage& msg, bool byName);
    void StartLookup(const std::string& text, bool byName);
    bool ResolveForOpen(const char* what);

    std::string dnsResult_;
    std::vector<std::string> dnsResultList_;
    platform::TSocket lastAcceptHandle_ = platform::INVALID_SOCKET;
    std::deque<std::unique_ptr<TBuffer>> bufList_;
    int bufSize_ = TBuffer::DefaultSize;
    int sendFlags_ = 0;
    platform::TAsyncHandle dnsTask_ = 0;
    long selectEvent_ = 0;
    platform::TSocket hSocket_ = platform::INVALID_SOCKET;
    std::string addrStr_;
    bool addrAssigned_ = false;
    int addrFormat_ = platform::WS_AF_INET;
    int proto_ = platform::WS_IPPROTO_TCP;
    bool protoAssigned_ = true;
    bool protoResolved_ = false;
    bool localPortResolved_ = false;
    std::string protoStr_ = "tcp";
    std::string portStr_;
    bool portAssigned_ = false;
    std::string localPortStr_ = "0";
    std::uint16_t localPortNum_ = 0;
    std::string localAddr_ = "0.0.0.0";
    int type_ = platform::WS_SOCK_STREAM;
    TSocketLingerOnOff lingerOnOff_ = wsLingerOn;
    int lingerTimeout_ = 0;
    bool lineLimitedSend_ = false;
    int lineCount_ = 0;
    int lineLimit_ = 24;
    bool allSent_ = true;
    std::int64_t readCount_ = 0;
    bool paused_ = false;
    int flushTimeout_ = 60;
    bool multiThreaded_ = false;
    TWSocketOptions componentOptions_ = 0;
    TSocketState state_ = wsClosed;
    bool terminated_ = false; // the own pump saw the application ending
    bool destroying_ = false;
};

enum TSocksAuthentication { socksNoAuthentication, socksAuthenticateUsercode };
// As fired: 0 user/password sent, 1 accepted, 2 closed while waiting for the answer, 3 the
// server chose no authentication although user/password was offered.
enum TSocksAuthState { socksAuthStart, socksAuthSuccess, socksAuthFailure, socksAuthNotRequired };
using TSocksErrorEvent = std::function<void(QObject* Sender, int Error, const std::string& Msg)>;
using TSocksAuthStateEvent = std::function<void(QObject* Sender, TSocksAuthState AuthState)>;

// A stream socket that reaches its target through a SOCKS 4, 4A or 5 proxy when SocksServer
// is set; without it, a plain socket.
class TCustomSocksWSocket : public TCustomWSocket {
    Q_OBJECT

public:
    explicit TCustomSocksWSocket(QObject* owner = nullptr);

    const std::string& SocksServer() const { return socksServer_; }
    void SetSocksServer(const std::string& value);
    const std::string& SocksPort() const { return socksPort_; }
    void SetSocksPort(const std::string& value);
    const std::string& SocksLevel() const { return socksLevel_; }
    void SetSocksLevel(const std::string& value);
    const std::string& SocksUsercode() const { return socksUsercode_; }
    void SetSocksUsercode(const std::string& value) { socksUsercode_ = value; }
    const std::string& SocksPassword() const { return socksPassword_; }
    void SetSocksPassword(const std::string& value) { socksPassword_ = value; }
    TSocksAuthentication SocksAuthentication() const { return socksAuthentication_; }
    void SetSocksAuthentication(TSocksAuthentication value) { socksAuthentication_ = value; }

    void Connect() override;
    void Listen() override;
    int RcvdCount() override;

    TSessionConnected OnSocksConnected;
    TSocksErrorEvent OnSocksError;
    TSocksAuthStateEvent OnSocksAuthState;

protected:
    // The proxy negotiation is running: received bytes belong to it.
    bool SocksNegotiating() const { return socksState_ != 0; }
    void ResetDefaults() override;
    bool TriggerDataAvailable(std::uint16_t error) override;
    void TriggerSessionConnected(std::uint16_t error) override;
    void TriggerSessionClosed(std::uint16_t error) override;
    int RecvRaw(void* buffer, int len, int flags) override;

private:
    // A refusal text when a request would not fit its buffer, else empty.
    std::string CheckRequestLengths() const;
    void SocksDoConnect();
    void SocksDoAuthenticate();
    void SendRequest(const std::string& bytes);
    void SocksError(int code, const std::string& msg);
    void TriggerSocksAuthState(TSocksAuthState state);
    // Reads into the reply buffer up to limit bytes in all; false when the read failed.
    bool ReadReply(int limit);
    void HandleMethodAnswer();
    void HandleAuthAnswer();
    void HandleSocks4Reply();
    void HandleSocks5Reply();

    int socksState_ =
        0; // 0 none or finished, 1 method offer sent, 2 user/password sent, 3 request sent
    std::string socksServer_;
    std::string socksLevel_ = "5";
    std::string socksPort_;
    bool socksPortAssigned_ = false;
    bool socksServerAssigned_ = false;
    std::string socksUsercode_;
    std::string socksPassword_;
    TSocksAuthentication socksAuthentication_ = socksNoAuthentication;
    int methodOffered_ = 0;
    std::uint16_t targetPort_ = 0;
    char reply_[128] = {};
    int replyCount_ = 0;
    std::string surplus_; // bytes that came behind the proxy's reply
};

// Cuts the received stream into lines when LineMode is on: OnDataAvailable fires once per
// line and Receive returns that line. Also echo and simple line editing for terminal peers.
class TCustomLineWSocket : public TCustomSocksWSocket {
    Q_OBJECT

public:
    static constexpr int DefaultLineLimit = 65536;

    explicit TCustomLineWSocket(QObject* owner = nullptr);

    bool LineMode() const { return lineMode_; }
    void SetLineMode(bool value);
    const std::string& LineEnd() const { return lineEnd_; }
    void SetLineEnd(const std::string& value) { lineEnd_ = value; }
    bool LineEcho() const { return lineEcho_; }
    void SetLineEcho(bool value) { lineEcho_ = value; }
    bool LineEdit() const { return lineEdit_; }
    void SetLineEdit(bool value) { lineEdit_ = value; }
    // The longest line kept waiting for its end; past it OnLineTooLong fires and the bytes
    // held are handed over as a line of this length.
    int LineLimit() const { return lineLimit_; }
    void SetLineLimit(int value) { lineLimit_ = value > 0 ? value : DefaultLineLimit; }

    int RcvdCount() override;

protected:
    void WndProc(platform::TSocketMessage& msg) override;
    bool TriggerDataAvailable(std::uint16_t error) override;
    void TriggerSessionClosed(std::uint16_t error) override;
    int RecvRaw(void* buffer, int len, int flags) override;
    // Line editing of the count new bytes from position from of the buffer; afterwards from
    // is the lowest changed position and count the bytes from there on.
    virtual void EditReceivedBytes(std::size_t& from, int& count);

private:
    // Hands the ready line to the handler until it is read; false when the handler left it.
    bool DeliverLine();
    void DeliverBuffered();

    std::string lineBuffer_;
    std::string lineEnd_ = "\r\n";
    bool lineMode_ = false;
    int lineLength_ = 0; // of the line ready for reading, its end included
    bool lineReceived_ = false;
    bool lineEcho_ = false;
    bool lineEdit_ = false;
    int lineLimit_ = DefaultLineLimit;
    bool readingSocket_ = false;
    bool deliverPosted_ = false;
};

// Adds a wait that runs the event loop until a flag is set, with a time limit.
class TCustomSyncWSocket : public TCustomLineWSocket {
    Q_OBJECT

public:
    static constexpr int DefaultWaitTimeout = 60000;
    static constexpr int WaitTimedOut = 12001;

    explicit TCustomSyncWSocket(QObject* owner = nullptr);

    // Milliseconds; 0 or less means the default. No wait is without a limit.
    int WaitTimeout() const { return waitTimeout_; }
    void SetWaitTimeout(int ms) { waitTimeout_ = ms > 0 ? ms : DefaultWaitTimeout; }

    // done := 0, runs proc and waits for done.
    virtual int RunAndWait(std::uint8_t& done, const std::function<void()>& proc);
    // 0 once done is set; WaitTimedOut at the time limit or when the program is ending.
    virtual int WaitForFlag(std::uint8_t& done);

private:
    int waitTimeout_ = DefaultWaitTimeout;
};

class TWSocket : public TCustomSyncWSocket {
    Q_OBJECT

public:
    using TCustomSyncWSocket::TCustomSyncWSocket;
};
