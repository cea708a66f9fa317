// The test program's operator new and delete: plain malloc and free, with the one refusal a
// FailingAllocation asks for. Every form is replaced, so each allocation pairs with its own
// release under the sanitizers too.
#include "tests/replist/alloc_failure.h"

#include <cstdlib>
#include <new>

namespace {

long countdown = -1;  // allocations to let through before the refusal; -1: none is refused
bool triggered = false;
bool metering = false;
unsigned long long metered = 0;  // bytes asked for while an AllocationMeter lives

void* Allocate(std::size_t size) {
  if (countdown >= 0 && countdown-- == 0) {
    triggered = true;
    throw std::bad_alloc();
  }
  if (metering) metered += size;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}

}  // namespace

namespace rltest {

FailingAllocation::FailingAllocation(long index) {
  triggered = false;
  countdown = index;
}

FailingAllocation::~FailingAllocation() {
  countdown = -1;
}

bool FailingAllocation::Triggered() const {
  return triggered;
}

AllocationMeter::AllocationMeter() {
  metered = 0;
  metering = true;
}

AllocationMeter::~AllocationMeter() {
  metering = false;
}

unsigned long long AllocationMeter::Bytes() const {
  return metered;
}

}  // namespace rltest

void* operator new(std::size_t size) {
  return Allocate(size);
}
void* operator new[](std::size_t size) {
  return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return Allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return Allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}
