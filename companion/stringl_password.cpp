// InventPassword: random letters and digits from the operating system's random source.
#include <random>
#include <string_view>

#include "companion/ZEB_stringl.h"

namespace zeb {

std::string InventPassword(int Len) {
  if (Len < 1) return {};
  static constexpr std::string_view kAlphabet =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  // random_device draws from the kernel's cryptographic generator; uniform_int_distribution
  // rejects out-of-range draws, so every character is equally likely.
  std::random_device source;
  std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
  std::string password;
  password.reserve(static_cast<std::size_t>(Len));
  for (int i = 0; i < Len; ++i) password += kAlphabet[pick(source)];
  return password;
}

}  // namespace zeb
