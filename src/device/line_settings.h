#pragma once

#include <cstdint>

namespace km62rx::device {

// Line parameters of the serial port, as the connect dialog maps them.
struct LineSettings {
  std::uint32_t baudRate = 115200;  // 115200, 38400, 19200, 9600, 4800, 2400, 1200, 600
  std::uint8_t dataBits = 8;        // 8 or 7
  std::uint8_t parity = 0;          // 0 none, 1 odd, 2 even
  std::uint8_t stopBits = 2;        // 0 one stop bit, 2 two stop bits
  int parityCheck = 0;              // 1 when parity is generated and checked
  int xonXoff = 0;                  // 1 XON/XOFF, 0 CTS/RTS
  friend bool operator==(const LineSettings&, const LineSettings&) = default;
};

inline constexpr std::uint8_t kParityNone = 0;
inline constexpr std::uint8_t kParityOdd = 1;
inline constexpr std::uint8_t kParityEven = 2;
inline constexpr std::uint8_t kOneStopBit = 0;
inline constexpr std::uint8_t kTwoStopBits = 2;

}  // namespace km62rx::device
