#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace km62rx::device {

// What a Windows device instance ID tells of a USB serial adapter.
struct UsbInstanceFacts {
  std::optional<std::uint16_t> vendorId;
  std::optional<std::uint16_t> productId;
  std::string serialNumber;  // empty when the ID holds none
};

// Reads the USB vendor and product IDs and the serial number from a device
// instance ID as SetupAPI gives it: "USB\VID_0403&PID_6001\A50285BI" (the
// last part is the serial number unless Windows made it up, which it marks
// with '&'), or an FTDI driver's "FTDIBUS\VID_0403+PID_6001+A50285BIA\0000"
// (the serial number with the letter of the adapter's port after it). Other
// IDs (ACPI\PNP0501\1) give nothing.
UsbInstanceFacts ParseUsbInstanceId(std::string_view id);

}  // namespace km62rx::device
