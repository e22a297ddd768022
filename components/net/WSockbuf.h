#pragma once

#include <memory>

// One fixed-size chunk of a socket's send queue: bytes are written behind the written ones and
// taken from the front; once everything written has been taken, the chunk fills from the start.
class TBuffer {
public:
    static constexpr int DefaultSize = 1514;

    explicit TBuffer(int size);
    virtual ~TBuffer() = default;
    TBuffer(const TBuffer&) = delete;
    TBuffer& operator=(const TBuffer&) = delete;

    // n of 0 or less means the default size. The bytes held are kept: the block never shrinks
    // below the write count.
    void SetSize(int n);
    int Size() const { return size_; }
    // Copies as much as fits; returns the number of bytes taken.
    int Write(const void* data, int len);
    // The unread bytes and their number (nullptr and 0 when there are none).
    const char* Peek(int& len) const;
    // Marks up to len bytes as taken; returns how many.
    int Remove(int len);

    int WriteCount() const { return wrCount_; }
    int ReadCount() const { return rdCount_; }

private:
    std::unique_ptr<char[]> buf_;
    int size_ = 0;
    int wrCount_ = 0;
    int rdCount_ = 0;
};
