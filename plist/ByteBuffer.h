#pragma once
// A growable buffer of bytes for a file read whole and for the checks' state of each object. A
// large one comes in 2 MiB pages where the system offers them: on a virtual machine each page
// fault costs more than filling its page, so a 1.5 MB file read into 4 KiB pages spends most of a
// read of one key in faults. New bytes are zero.
#include <cstddef>
#include <string_view>

namespace byte_buffer {

class ByteBuffer {
public:
    ByteBuffer() = default;
    explicit ByteBuffer(size_t size) { resize(size); }
    ByteBuffer(ByteBuffer&& other) noexcept;
    ByteBuffer& operator=(ByteBuffer&& other) noexcept;
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;
    ~ByteBuffer() { release(); }

    // Keeps the first min(size(), `size`) bytes; bytes beyond them are zero. Throws std::bad_alloc.
    void resize(size_t size);
    void clear() { release(); }

    char* data() { return data_; }
    const char* data() const { return data_; }
    size_t size() const { return size_; }
    std::string_view view() const { return {data_, size_}; }

private:
    void release();

    char* data_ = nullptr;
    size_t size_ = 0;
    size_t capacity_ = 0;
    size_t mapped_ = 0; // the whole mapping when data_ lies in one, else 0
    void* mapping_ = nullptr;
};

} // namespace byte_buffer
