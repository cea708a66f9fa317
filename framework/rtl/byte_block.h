// A growable block of bytes for buffers that can become large (memory streams, text stores):
// growing never copies a large block and never holds two copies of it.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace fw {

// Small blocks live on the heap. From kLargeBytes on a block has pages of its own, and growing
// it maps more pages behind the ones it has (moving the mapping if need be, never the bytes),
// so a block grown a piece at a time to any size costs one pass over its memory. Bytes beyond
// Size() have no defined value. When memory runs out, std::bad_alloc is raised and the block
// stays as it was.
class ByteBlock {
 public:
  static constexpr std::size_t kLargeBytes = std::size_t{1} << 20;

  ByteBlock() noexcept = default;
  ~ByteBlock();
  // A copy holds Size() bytes of room.
  ByteBlock(const ByteBlock& other);
  ByteBlock& operator=(const ByteBlock& other);
  ByteBlock(ByteBlock&& other) noexcept;
  ByteBlock& operator=(ByteBlock&& other) noexcept;
  void Swap(ByteBlock& other) noexcept;

  char* Data() noexcept { return data_; }
  const char* Data() const noexcept { return data_; }
  std::size_t Size() const noexcept { return size_; }
  std::size_t Capacity() const noexcept { return capacity_; }

  // Room for at least `bytes` bytes; the contents stay.
  void Reserve(std::size_t bytes);
  // Room for `more` bytes after Size(), growing by half of the capacity at least, so that
  // appending stays linear.
  void ReserveMore(std::size_t more) {
    if (more > capacity_ - size_) Grow(more);
  }
  // The size becomes `bytes` (at most Capacity()); bytes added have no defined value.
  void SetSize(std::size_t bytes) noexcept { size_ = bytes; }
  // Appends, growing when needed.
  void Append(std::string_view bytes) {
    ReserveMore(bytes.size());
    if (!bytes.empty()) std::memcpy(data_ + size_, bytes.data(), bytes.size());
    size_ += bytes.size();
  }
  // Gives the memory back; the block is then empty.
  void Release() noexcept;

 private:
  void Grow(std::size_t more);

  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace fw
