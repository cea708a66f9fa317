// ByteBlock: contents survive growing from the heap into pages of its own and on, copies and
// moves, and a released block is empty.
#include "framework/rtl/byte_block.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

// The bytes 0, 1, ... 250, 0, 1, ... of the given length.
std::string Pattern(std::size_t length) {
  std::string bytes(length, '\0');
  for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>(i % 251);
  return bytes;
}

std::string Contents(const fw::ByteBlock& block) {
  return {block.Data(), block.Size()};
}

TEST(ByteBlock, ContentsSurviveGrowingAcrossTheLargeSize) {
  fw::ByteBlock block;
  const std::string pattern = Pattern(3 * fw::ByteBlock::kLargeBytes + 12345);
  // Appended in uneven pieces, so the block grows in small steps, moves into pages of its
  // own and is then remapped.
  for (std::size_t at = 0, piece = 1; at < pattern.size(); at += piece, piece = piece * 3 + 7)
    block.Append(std::string_view(pattern).substr(at, piece));
  EXPECT_EQ(Contents(block), pattern);
  EXPECT_GE(block.Capacity(), block.Size());

  const fw::ByteBlock copy(block);
  EXPECT_EQ(Contents(copy), pattern);
  fw::ByteBlock small;
  small.Append("abc");
  small = block;
  EXPECT_EQ(Contents(small), pattern);
  block.Reserve(block.Capacity() + 1);  // the copy is its own
  EXPECT_EQ(Contents(copy), pattern);

  fw::ByteBlock moved(std::move(small));
  EXPECT_EQ(Contents(moved), pattern);
  EXPECT_EQ(small.Size(), 0u);  // NOLINT(bugprone-use-after-move): a moved block is empty
  moved.Release();
  EXPECT_EQ(moved.Size(), 0u);
  EXPECT_EQ(moved.Capacity(), 0u);
  moved.Append("again");
  EXPECT_EQ(Contents(moved), "again");
}

TEST(ByteBlock, SetSizeKeepsWhatWasWrittenIntoTheRoom) {
  fw::ByteBlock block;
  block.ReserveMore(fw::ByteBlock::kLargeBytes);
  ASSERT_GE(block.Capacity(), fw::ByteBlock::kLargeBytes);
  block.Data()[fw::ByteBlock::kLargeBytes - 1] = 'z';
  block.SetSize(fw::ByteBlock::kLargeBytes);
  block.Reserve(4 * fw::ByteBlock::kLargeBytes);
  EXPECT_EQ(block.Data()[fw::ByteBlock::kLargeBytes - 1], 'z');
}

}  // namespace
