// The serial ports of a Linux machine, as udev knows them.

#include <fcntl.h>
#include <libudev.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <charconv>
#include <memory>
#include <string>
#include <string_view>

#include "device/port_discovery.h"

namespace km62rx::device {
namespace {

// The folder in which udev names each USB serial adapter by its maker,
// product and serial number: names that stay the same across plug-ins and
// reboots, unlike ttyUSB0.
constexpr std::string_view kStableLinkFolder = "/dev/serial/by-id/";

struct UdevDeleter {
  void operator()(udev* u) const { udev_unref(u); }
  void operator()(udev_enumerate* e) const { udev_enumerate_unref(e); }
  void operator()(udev_device* d) const { udev_device_unref(d); }
};
template <typename T>
using UdevPtr = std::unique_ptr<T, UdevDeleter>;

std::string Property(udev_device* device, const char* name) {
  const char* value = udev_device_get_property_value(device, name);
  return value == nullptr ? std::string() : std::string(value);
}

// A text udev escapes for its names ("FT232R_USB_UART") made readable.
std::string Readable(std::string text) {
  for (char& c : text) {
    if (c == '_')
      c = ' ';
  }
  return text;
}

std::optional<std::uint16_t> HexId(const std::string& text) {
  std::uint16_t id = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id, 16);
  if (text.empty() || error != std::errc() || end != text.data() + text.size())
    return std::nullopt;
  return id;
}

// The 8250 driver creates ttyS0 to ttyS31 whether or not a UART is behind
// them; only those whose UART type is known are real ports. One that cannot
// be opened to ask is left out too.
bool IsReal8250Port(const std::string& node) {
  const int fd = ::open(node.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0)
    return false;
  serial_struct info{};
  const bool real = ::ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type != PORT_UNKNOWN;
  ::close(fd);
  return real;
}

// The /dev/serial/by-id link among the device's links, or empty.
std::string StableLink(udev_device* device) {
  for (udev_list_entry* link = udev_device_get_devlinks_list_entry(device); link != nullptr;
       link = udev_list_entry_get_next(link)) {
    const std::string_view name = udev_list_entry_get_name(link);
    if (name.starts_with(kStableLinkFolder))
      return std::string(name);
  }
  return {};
}

}  // namespace

std::vector<PortDescription> EnumerateSerialPorts() {
  std::vector<PortDescription> ports;
  const UdevPtr<udev> context(udev_new());
  if (!context)
    return ports;
  const UdevPtr<udev_enumerate> enumerate(udev_enumerate_new(context.get()));
  if (!enumerate || udev_enumerate_add_match_subsystem(enumerate.get(), "tty") < 0 ||
      udev_enumerate_scan_devices(enumerate.get()) < 0)
    return ports;
  for (udev_list_entry* entry = udev_enumerate_get_list_entry(enumerate.get()); entry != nullptr;
       entry = udev_list_entry_get_next(entry)) {
    const UdevPtr<udev_device> device(
        udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)));
    if (!device)
      continue;
    const char* node = udev_device_get_devnode(device.get());
    // The parent is the hardware behind the terminal; consoles and virtual
    // terminals have none.
    udev_device* parent = udev_device_get_parent(device.get());
    if (node == nullptr || parent == nullptr)
      continue;
    const char* driver = udev_device_get_driver(parent);
    if (driver != nullptr && std::string_view(driver) == "serial8250" && !IsReal8250Port(node))
      continue;
    PortDescription port;
    port.name = udev_device_get_sysname(device.get());
    port.location = node;
    // The adapter's own texts first, as it reports them; the names of udev's
    // hardware database where it reports none.
    port.description = Readable(Property(device.get(), "ID_MODEL"));
    if (port.description.empty())
      port.description = Property(device.get(), "ID_MODEL_FROM_DATABASE");
    port.manufacturer = Readable(Property(device.get(), "ID_VENDOR"));
    if (port.manufacturer.empty())
      port.manufacturer = Property(device.get(), "ID_VENDOR_FROM_DATABASE");
    port.serialNumber = Property(device.get(), "ID_SERIAL_SHORT");
    port.vendorId = HexId(Property(device.get(), "ID_VENDOR_ID"));
    port.productId = HexId(Property(device.get(), "ID_MODEL_ID"));
    port.stableLink = StableLink(device.get());
    ports.push_back(std::move(port));
  }
  return ports;
}

}  // namespace km62rx::device
