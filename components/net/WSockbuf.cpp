#include "components/net/WSockbuf.h"

#include <algorithm>
#include <cstring>

TBuffer::TBuffer(int size) {
    SetSize(size);
}

void TBuffer::SetSize(int n) {
    if (n <= 0) n = DefaultSize;
    // Shrinking below the bytes held would cut them off (and overrun the copy).
    n = std::max(n, wrCount_);
    if (n == size_ && buf_) return;
    auto block = std::make_unique<char[]>(static_cast<size_t>(n));
    if (wrCount_ > rdCount_) std::memcpy(block.get(), buf_.get(), static_cast<size_t>(wrCount_));
    buf_ = std::move(block);
    size_ = n;
}

int TBuffer::Write(const void* data, int len) {
    const int free = size_ - wrCount_;
    if (free <= 0 || len <= 0 || !data) return 0;
    const int n = std::min(free, len);
    std::memcpy(buf_.get() + wrCount_, data, static_cast<size_t>(n));
    wrCount_ += n;
    return n;
}

const char* TBuffer::Peek(int& len) const {
    if (wrCount_ > rdCount_) {
        len = wrCount_ - rdCount_;
        return buf_.get() + rdCount_;
    }
    len = 0;
    return nullptr;
}

int TBuffer::Remove(int len) {
    const int unread = wrCount_ - rdCount_;
    if (unread <= 0 || len <= 0) return 0;
    const int n = std::min(len, unread);
    rdCount_ += n;
    if (rdCount_ == wrCount_) {
        rdCount_ = 0;
        wrCount_ = 0;
    }
    return n;
}
