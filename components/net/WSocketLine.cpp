#include "components/net/WSocket.h"

#include "platform/EventWait.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstring>

using namespace platform;

TCustomLineWSocket::TCustomLineWSocket(QObject* owner) : TCustomSocksWSocket(owner) {}

void TCustomLineWSocket::SetLineMode(bool value) {
    if (value == lineMode_) return;
    lineMode_ = value;
    // Turned on, it also looks at bytes still waiting in the socket, which would otherwise
    // wait for a notice that comes only after a read.
    const bool pending = value && HSocket() != INVALID_SOCKET;
    if ((!lineBuffer_.empty() || lineLength_ > 0 || pending) && !deliverPosted_) {
        deliverPosted_ = true;
        PostMessage(WM_LINE_DELIVER);
    }
}

int TCustomLineWSocket::RcvdCount() {
    if (lineMode_) return lineLength_;
    // Bytes buffered in line mode are read before the socket's.
    if (!lineBuffer_.empty()) return static_cast<int>(lineBuffer_.size());
    return TCustomSocksWSocket::RcvdCount();
}

int TCustomLineWSocket::RecvRaw(void* buffer, int len, int flags) {
    if (!readingSocket_ && len > 0) {
        int available = 0;
        if (lineMode_ && lineLength_ > 0)
            available = lineLength_;
        else if (!lineMode_ && !lineBuffer_.empty())
            available = static_cast<int>(lineBuffer_.size());
        if (available > 0) {
            const int n = std::min(len, available);
            std::memcpy(buffer, lineBuffer_.data(), static_cast<size_t>(n));
            lineBuffer_.erase(0, static_cast<size_t>(n));
            if (lineMode_) {
                lineLength_ -= n;
                // A line read outside its notice: the lines behind it go on from the queue.
                if (lineLength_ == 0 && !lineBuffer_.empty() && !deliverPosted_) {
                    deliverPosted_ = true;
                    PostMessage(WM_LINE_DELIVER);
                }
            }
            return n;
        }
    }
    return TCustomSocksWSocket::RecvRaw(buffer, len, flags);
}

void TCustomLineWSocket::WndProc(TSocketMessage& msg) {
    if (msg.Msg != WM_LINE_DELIVER) {
        TCustomSocksWSocket::WndProc(msg);
        return;
    }
    deliverPosted_ = false;
    try {
        DeliverBuffered();
    } catch (const std::exception& e) {
        HandleBgException(e);
    }
}

void TCustomLineWSocket::DeliverBuffered() {
    // Repeats while bytes are buffered and a pass takes some of them; a pass that takes
    // nothing (no handler, no complete line) ends it.
    for (;;) {
        const size_t before = lineBuffer_.size();
        const int lineBefore = lineLength_;
        const std::int64_t readBefore = ReadCount();
        if (lineBuffer_.empty() && (!lineMode_ || HSocket() == INVALID_SOCKET)) return;
        TriggerDataAvailable(0);
        if (lineBuffer_.empty() && lineLength_ == 0) return;
        if (lineBuffer_.size() == before && lineLength_ == lineBefore && ReadCount() == readBefore)
            return;
    }
}

bool TCustomLineWSocket::DeliverLine() {
    while (lineMode_ && lineLength_ > 0) {
        const int before = lineLength_;
        if (!TCustomSocksWSocket::TriggerDataAvailable(0)) {
            // Nobody takes lines: this one is dropped.
            lineBuffer_.erase(0, static_cast<size_t>(std::min<int>(
                                     lineLength_, static_cast<int>(lineBuffer_.size()))));
            lineLength_ = 0;
            return true;
        }
        if (lineLength_ == before) return false;
    }
    return true;
}

bool TCustomLineWSocket::TriggerDataAvailable(std::uint16_t error) {
    if (!lineMode_ || lineEnd_.empty() || SocksNegotiating())
        return TCustomSocksWSocket::TriggerDataAvailable(error);

    // A line the handler has not read yet holds back the socket, so the buffer cannot grow.
    if (lineLength_ > 0 && !DeliverLine()) return true;

    size_t searchFrom = 0;
    const int n = HSocket() == INVALID_SOCKET ? 0 : TCustomSocksWSocket::RcvdCount();
    if (n > 0) {
        const size_t old = lineBuffer_.size();
        lineBuffer_.resize(old + static_cast<size_t>(n));
        readingSocket_ = true;
        int got;
        try {
            got = Receive(lineBuffer_.data() + old, n);
        } catch (...) {
            readingSocket_ = false;
            lineBuffer_.resize(old);
            throw;
        }
        readingSocket_ = false;
        if (got <= 0) {
            lineBuffer_.resize(old);
            return true;
        }
        lineBuffer_.resize(old + static_cast<size_t>(got));
        size_t from = old;
        int count = got;
        if (lineEdit_)
            EditReceivedBytes(from, count);
        else if (lineEcho_)
            Send(lineBuffer_.data() + old, got);
        // A line end split over two reads is found.
        searchFrom = from >= lineEnd_.size() ? from - lineEnd_.size() : 0;
    }

    while (lineMode_ && lineLength_ == 0 && !lineBuffer_.empty()) {
        const size_t pos = lineBuffer_.find(lineEnd_, searchFrom);
        searchFrom = 0;
        if (pos != std::string::npos) {
            lineLength_ = static_cast<int>(pos + lineEnd_.size());
        } else if (lineBuffer_.size() > static_cast<size_t>(lineLimit_)) {
            if (OnLineTooLong) OnLineTooLong(this);
            lineLength_ = lineLimit_;
        } else {
            break;
        }
        lineReceived_ = true;
        if (!DeliverLine()) break;
    }
    return true;
}

void TCustomLineWSocket::EditReceivedBytes(std::size_t& from, int& count) {
    std::string out;
    bool edited = false;
    size_t lowest = from;
    // Editing never reaches into a line that is waiting to be read.
    const size_t floor = static_cast<size_t>(lineLength_);
    for (size_t i = from; i < from + static_cast<size_t>(count); ++i) {
        const char c = lineBuffer_[i];
        if ((c == 8 || c == 9) && !edited) {
            edited = true;
            out.assign(lineBuffer_, 0, i);
        }
        if (c == 8) {
            if (out.size() > floor) {
                if (LineEcho()) SendText("\b \b");
                out.pop_back();
                lowest = std::min(lowest, out.size());
            }
        } else if (c == 9) {
            do {
                out.push_back(' ');
                if (LineEcho()) SendText(" ");
            } while (out.size() % 8 != 0);
        } else {
            if (LineEcho()) Send(&c, 1);
            if (edited) out.push_back(c);
        }
    }
    if (!edited) return;
    lineBuffer_ = std::move(out);
    from = lowest;
    count = static_cast<int>(lineBuffer_.size() - lowest);
}

void TCustomLineWSocket::TriggerSessionClosed(std::uint16_t error) {
    lineReceived_ = true;
    if (lineMode_ && !lineBuffer_.empty()) {
        // An unterminated last line is delivered at the close.
        lineLength_ = static_cast<int>(lineBuffer_.size());
        DeliverLine();
    }
    lineBuffer_.clear();
    lineBuffer_.shrink_to_fit();
    lineLength_ = 0;
    TCustomSocksWSocket::TriggerSessionClosed(error);
}

// ---- TCustomSyncWSocket ----

TCustomSyncWSocket::TCustomSyncWSocket(QObject* owner) : TCustomLineWSocket(owner) {}

int TCustomSyncWSocket::RunAndWait(std::uint8_t& done, const std::function<void()>& proc) {
    done = 0;
    if (proc) proc();
    return WaitForFlag(done);
}

int TCustomSyncWSocket::WaitForFlag(std::uint8_t& done) {
    const auto deadline = WaitClock::now() + std::chrono::milliseconds(waitTimeout_);
    while (done == 0) {
        if (WaitClock::now() >= deadline) return WaitTimedOut;
        if (!QCoreApplication::instance() || QCoreApplication::closingDown() || QuitSeen())
            return WaitTimedOut;
        WaitForEvents(deadline);
    }
    return 0;
}
