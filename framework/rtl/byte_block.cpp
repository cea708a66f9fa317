// ByteBlock: heap memory for small blocks, mapped pages for large ones, grown by remapping.
#include "framework/rtl/byte_block.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <new>
#include <utility>

namespace fw {

namespace {

constexpr std::size_t kMost = std::numeric_limits<std::size_t>::max();

std::size_t PageSize() {
  static const std::size_t size = [] {
    const long page = ::sysconf(_SC_PAGESIZE);
    return page > 0 ? static_cast<std::size_t>(page) : std::size_t{4096};
  }();
  return size;
}

bool IsLarge(std::size_t capacity) {
  return capacity >= ByteBlock::kLargeBytes;
}

void* MapPages(std::size_t bytes) {
  void* pages = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  return pages == MAP_FAILED ? nullptr : pages;
}

void Free(char* data, std::size_t capacity) noexcept {
  if (data == nullptr) return;
  if (IsLarge(capacity))
    ::munmap(data, capacity);
  else
    std::free(data);
}

}  // namespace

ByteBlock::~ByteBlock() {
  Release();
}

ByteBlock::ByteBlock(const ByteBlock& other) {
  Reserve(other.size_);
  if (other.size_ > 0) std::memcpy(data_, other.data_, other.size_);
  size_ = other.size_;
}

ByteBlock& ByteBlock::operator=(const ByteBlock& other) {
  if (this != &other) {
    ByteBlock copy(other);
    Swap(copy);
  }
  return *this;
}

ByteBlock::ByteBlock(ByteBlock&& other) noexcept {
  Swap(other);
}

ByteBlock& ByteBlock::operator=(ByteBlock&& other) noexcept {
  if (this != &other) {
    Release();
    Swap(other);
  }
  return *this;
}

void ByteBlock::Swap(ByteBlock& other) noexcept {
  std::swap(data_, other.data_);
  std::swap(size_, other.size_);
  std::swap(capacity_, other.capacity_);
}

void ByteBlock::Release() noexcept {
  Free(data_, capacity_);
  data_ = nullptr;
  size_ = capacity_ = 0;
}

void ByteBlock::Grow(std::size_t more) {
  if (more > kMost / 2 - size_) throw std::bad_alloc();
  Reserve(std::max(size_ + more, capacity_ + capacity_ / 2));
}

void ByteBlock::Reserve(std::size_t bytes) {
  if (bytes <= capacity_) return;
  if (!IsLarge(bytes)) {
    void* grown = std::realloc(data_, bytes);
    if (grown == nullptr) throw std::bad_alloc();
    data_ = static_cast<char*>(grown);
    capacity_ = bytes;
    return;
  }
  const std::size_t page = PageSize();
  if (bytes > kMost - page) throw std::bad_alloc();
  const std::size_t capacity = (bytes + page - 1) / page * page;
  void* grown = nullptr;
  if (IsLarge(capacity_)) {
    grown = ::mremap(data_, capacity_, capacity, MREMAP_MAYMOVE);
    if (grown == MAP_FAILED) throw std::bad_alloc();
  } else {
    // A heap block becoming large moves once into pages of its own.
    grown = MapPages(capacity);
    if (grown == nullptr) throw std::bad_alloc();
    if (size_ > 0) std::memcpy(grown, data_, size_);
    std::free(data_);
  }
  data_ = static_cast<char*>(grown);
  capacity_ = capacity;
}

}  // namespace fw
