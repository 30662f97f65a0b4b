#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "device/serial_line.h"

namespace km62rx::device {

struct DeviceLink;

// The connection panel (or whatever shows the link state). RefreshLinkStatus
// calls it after every change; it shows MakeLinkPanelTexts and applies
// UpdateControlAvailability.
class LinkStatusView {
 public:
  virtual ~LinkStatusView() = default;
  virtual void LinkStatusChanged(const DeviceLink& link) = 0;
};

// The one connection between the tool and the logger.
struct DeviceLink {
  explicit DeviceLink(SerialLine& line) : port(&line) {}

  int connected = 0;           // 1 while a KM-62RX is identified on the open port
  int sdState = 0;             // bit 0 card inserted, bit 1 write-protected
  int firmwareVersion = 0;     // in hundredths: 101 is Ver1.01
  int pollIntervalMs = 10;     // one poll interval of an exchange
  int timestampSupported = 1;  // 0 only while connected to an old firmware with a usable card

  SerialLine* port;                // the one serial port (not owned)
  LinkStatusView* view = nullptr;  // the connection panel, if any
  // When set, every line sent (">") and received ("<") is passed here.
  std::function<void(std::string_view direction, std::string_view bytes)> trace;
};

// The 100-byte reply area of one exchange. Reading past the received bytes
// gives NUL, never memory outside the area.
struct Reply {
  static constexpr std::size_t kCapacity = 100;
  std::array<char, kCapacity> bytes{};
  std::size_t length = 0;

  void Clear() {
    bytes.fill('\0');
    length = 0;
  }
  std::string_view View() const { return std::string_view(bytes.data(), length); }
  char At(std::size_t i) const { return i < length ? bytes[i] : '\0'; }
  bool BeginsWithOk() const { return At(0) == 'O' && At(1) == 'K'; }
  // The text after "OK" up to (not including) the first CR.
  std::string Payload() const;
};

}  // namespace km62rx::device
