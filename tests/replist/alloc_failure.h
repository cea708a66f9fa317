// Allocations watched by tests. While a FailingAllocation is alive, the n-th allocation through
// operator new from its creation on throws std::bad_alloc (only that one, as when a large
// request fails and smaller ones still succeed), so a test can make an operation fail at each
// of its allocations in turn. An AllocationMeter counts the bytes asked for while it lives.
#pragma once

namespace rltest {

class FailingAllocation {
 public:
  explicit FailingAllocation(long index);
  ~FailingAllocation();
  FailingAllocation(const FailingAllocation&) = delete;
  FailingAllocation& operator=(const FailingAllocation&) = delete;

  // True once the chosen allocation was refused.
  bool Triggered() const;
};

class AllocationMeter {
 public:
  AllocationMeter();
  ~AllocationMeter();
  AllocationMeter(const AllocationMeter&) = delete;
  AllocationMeter& operator=(const AllocationMeter&) = delete;

  unsigned long long Bytes() const;
};

}  // namespace rltest
