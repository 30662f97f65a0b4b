#include "device/usb_instance_id.h"

#include <charconv>

namespace km62rx::device {
namespace {

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  return upper;
}

// The four hex digits after key ("VID_") in text.
std::optional<std::uint16_t> HexAfter(std::string_view text, std::string_view key) {
  const std::size_t at = text.find(key);
  if (at == std::string_view::npos || text.size() < at + key.size() + 4)
    return std::nullopt;
  const char* first = text.data() + at + key.size();
  std::uint16_t value = 0;
  const auto [end, error] = std::from_chars(first, first + 4, value, 16);
  if (error != std::errc() || end != first + 4)
    return std::nullopt;
  return value;
}

}  // namespace

UsbInstanceFacts ParseUsbInstanceId(std::string_view id) {
  UsbInstanceFacts facts;
  const std::string upper = Upper(id);
  const std::size_t firstSlash = upper.find('\\');
  if (firstSlash == std::string::npos)
    return facts;
  const std::string_view bus = std::string_view(upper).substr(0, firstSlash);
  const std::size_t secondSlash = upper.find('\\', firstSlash + 1);
  const std::string_view hardware =
      std::string_view(upper).substr(firstSlash + 1, secondSlash - firstSlash - 1);
  facts.vendorId = HexAfter(hardware, "VID_");
  facts.productId = HexAfter(hardware, "PID_");
  if (!facts.vendorId || !facts.productId)
    return {};
  if (bus == "USB" && secondSlash != std::string::npos) {
    const std::string_view serial = id.substr(secondSlash + 1);
    if (!serial.empty() && serial.find('&') == std::string_view::npos)
      facts.serialNumber = std::string(serial);
  } else if (bus == "FTDIBUS") {
    // VID_0403+PID_6001+A50285BIA: the serial number, then the port's letter.
    const std::size_t plus = hardware.rfind('+');
    if (plus != std::string_view::npos && hardware.find('+') != plus && hardware.size() > plus + 2)
      facts.serialNumber =
          std::string(id.substr(firstSlash + plus + 2, hardware.size() - plus - 2));
  }
  return facts;
}

}  // namespace km62rx::device
