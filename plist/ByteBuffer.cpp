#include "ByteBuffer.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#include <sys/mman.h>

namespace byte_buffer {

namespace {

constexpr size_t kHugePage = size_t(2) << 20;
// Below this a buffer comes from malloc: a huge page would cost more memory than its faults cost
// time.
constexpr size_t kLarge = size_t(512) << 10;

size_t roundUp(size_t size, size_t unit)
{
    return size > SIZE_MAX - unit ? SIZE_MAX : (size + unit - 1) / unit * unit;
}

} // namespace

ByteBuffer::ByteBuffer(ByteBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)), mapped_(std::exchange(other.mapped_, 0)),
      mapping_(std::exchange(other.mapping_, nullptr))
{
}

ByteBuffer& ByteBuffer::operator=(ByteBuffer&& other) noexcept
{
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
        mapped_ = std::exchange(other.mapped_, 0);
        mapping_ = std::exchange(other.mapping_, nullptr);
    }
    return *this;
}

void ByteBuffer::resize(size_t size)
{
    if (size <= capacity_) {
        if (size > size_)
            std::memset(data_ + size_, 0, size - size_);
        size_ = size;
        return;
    }
    ByteBuffer bigger;
    const size_t capacity = std::max(size, capacity_ + capacity_ / 2);
    if (capacity < kLarge) {
        bigger.data_ = static_cast<char*>(std::calloc(capacity, 1));
    } else {
        // Mapped one huge page beyond what it needs, so that the buffer can start on a huge page.
        bigger.mapped_ = roundUp(capacity, kHugePage) + kHugePage;
        bigger.mapping_ = ::mmap(nullptr, bigger.mapped_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (bigger.mapping_ == MAP_FAILED) {
            bigger.mapping_ = nullptr;
            bigger.mapped_ = 0;
        } else {
            const auto start = reinterpret_cast<uintptr_t>(bigger.mapping_);
            bigger.data_ = reinterpret_cast<char*>(roundUp(start, kHugePage));
#ifdef MADV_HUGEPAGE
            ::madvise(bigger.data_, roundUp(capacity, kHugePage), MADV_HUGEPAGE); // only a hint
#endif
        }
    }
    if (!bigger.data_)
        throw std::bad_alloc();
    bigger.capacity_ = capacity;
    if (size_ > 0)
        std::memcpy(bigger.data_, data_, size_);
    bigger.size_ = size;
    *this = std::move(bigger);
}

void ByteBuffer::release()
{
    if (mapping_)
        ::munmap(mapping_, mapped_);
    else
        std::free(data_);
    data_ = nullptr;
    mapping_ = nullptr;
    size_ = capacity_ = mapped_ = 0;
}

} // namespace byte_buffer
