#pragma once
// The bytes of a binary file as the store's writer makes them: kept in a string, or written to a
// file in pieces of about kPiece bytes as they come. Bytes already in the file are read back (a
// text to compare) or written again (references filled in late) at their offset.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <string>
#include <string_view>

#include <unistd.h>

namespace plist_binary {

// `fd` -1: all in memory, handed out by finish().
class Output {
public:
    explicit Output(int fd) : fd_(fd) {}

    // The bytes not yet in the file, to append to.
    std::string& tail() { return tail_; }
    uint64_t size() const { return inFile_ + tail_.size(); }
    bool failed() const { return error_ != 0; }
    int error() const { return error_; }

    void restart(size_t reserve)
    {
        tail_.clear();
        tail_.reserve(fd_ < 0 ? reserve : kPiece + kPiece / 4);
        inFile_ = 0;
        if (fd_ >= 0 && ::ftruncate(fd_, 0) != 0)
            fail(-1);
    }

    // Zeros in pieces, so that a large collection's room does not make the tail as large.
    void appendZeros(size_t count)
    {
        while (count > 0) {
            const size_t piece = fd_ < 0 ? count : std::min(count, kPiece);
            tail_.append(piece, '\0');
            count -= piece;
            flushIfFull();
        }
    }

    // Moves the tail to the file once it is a piece long.
    void flushIfFull()
    {
        if (fd_ >= 0 && tail_.size() >= kPiece)
            flush();
    }

    bool finish(std::string* out)
    {
        if (fd_ < 0 && out)
            out->swap(tail_);
        else
            flush();
        return !failed();
    }

    // `length` bytes from `at`, read back from the file for the part already there.
    std::string_view bytesAt(uint64_t at, size_t length)
    {
        if (at >= inFile_)
            return std::string_view(tail_).substr(at - inFile_, length);
        const size_t fromFile = static_cast<size_t>(std::min<uint64_t>(length, inFile_ - at));
        scratch_.resize(fromFile);
        if (!readAt(at, scratch_.data(), fromFile))
            return {};
        scratch_.append(tail_, 0, length - fromFile);
        return scratch_;
    }

    // Writes `bytes` over what stands at `at`, in the file or in the tail.
    void overwrite(uint64_t at, std::string_view bytes)
    {
        if (at < inFile_) {
            const size_t toFile = static_cast<size_t>(std::min<uint64_t>(bytes.size(), inFile_ - at));
            if (!writeAt(at, bytes.data(), toFile))
                return;
            bytes.remove_prefix(toFile);
            at += toFile;
        }
        if (!bytes.empty())
            tail_.replace(static_cast<size_t>(at - inFile_), bytes.size(), bytes);
    }

private:
    static constexpr size_t kPiece = 64 * 1024;

    // Keeps the first error; a call that returned nothing without one is reported as EIO.
    void fail(ssize_t result)
    {
        if (!error_)
            error_ = result < 0 && errno ? errno : EIO;
    }

    void flush()
    {
        if (writeAt(inFile_, tail_.data(), tail_.size()))
            inFile_ += tail_.size();
        tail_.clear();
    }

    bool writeAt(uint64_t at, const char* from, size_t length)
    {
        while (length > 0 && !failed()) {
            const ssize_t n = ::pwrite(fd_, from, length, static_cast<off_t>(at));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                fail(n);
                break;
            }
            from += n;
            length -= static_cast<size_t>(n);
            at += static_cast<uint64_t>(n);
        }
        return !failed();
    }

    bool readAt(uint64_t at, char* into, size_t length)
    {
        while (length > 0) {
            const ssize_t n = ::pread(fd_, into, length, static_cast<off_t>(at));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                fail(n);
                return false;
            }
            into += n;
            length -= static_cast<size_t>(n);
            at += static_cast<uint64_t>(n);
        }
        return true;
    }

    int fd_;
    int error_ = 0;
    uint64_t inFile_ = 0;
    std::string tail_;
    std::string scratch_;
};

} // namespace plist_binary
