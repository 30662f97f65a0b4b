#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace km62rx::settings {

// A text field of fixed width, like a NUL-terminated char array of Width
// bytes: it holds at most Width - 1 characters, and every store cuts the text
// to fit, so no field ever grows past the width the settings file allows.
template <std::size_t Width>
class FixedText {
  static_assert(Width >= 1);

 public:
  static constexpr std::size_t kCapacity = Width - 1;

  FixedText() = default;
  FixedText(std::string_view text) { Assign(text); }  // NOLINT: implicit on purpose

  FixedText& operator=(std::string_view text) {
    Assign(text);
    return *this;
  }

  // Stores text, cut to the capacity and at its first NUL byte.
  void Assign(std::string_view text) {
    bytes_.fill('\0');
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos)
      text = text.substr(0, nul);
    const std::size_t n = text.size() < kCapacity ? text.size() : kCapacity;
    std::memcpy(bytes_.data(), text.data(), n);
  }

  std::string_view View() const { return std::string_view(bytes_.data(), size()); }
  std::string Str() const { return std::string(View()); }
  const char* CStr() const { return bytes_.data(); }
  std::size_t size() const { return std::strlen(bytes_.data()); }
  bool empty() const { return bytes_[0] == '\0'; }
  // The character at position i, or NUL past the end of the text.
  char At(std::size_t i) const { return i < Width ? bytes_[i] : '\0'; }

  friend bool operator==(const FixedText& a, const FixedText& b) { return a.View() == b.View(); }

 private:
  std::array<char, Width> bytes_{};
};

}  // namespace km62rx::settings
