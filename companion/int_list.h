// TIntList: the parameter type of calls that take a list of integers.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <vector>

namespace zeb {

// A list of integers passed to a call, as callers write one: a braced list
// (view->SetColumnOrder({3, 1, 2})), a vector, a built-in or std::array, or a span. It only
// views the caller's integers, so it is for parameters, never for keeping.
struct TIntList : std::span<const int> {
  TIntList(std::initializer_list<int> list) : std::span<const int>(list.begin(), list.size()) {}
  TIntList(std::span<const int> list) : std::span<const int>(list) {}
  TIntList(const std::vector<int>& list) : std::span<const int>(list) {}
  template <std::size_t N>
  TIntList(const int (&list)[N]) : std::span<const int>(list) {}
  template <std::size_t N>
  TIntList(const std::array<int, N>& list) : std::span<const int>(list) {}
};

}  // namespace zeb
