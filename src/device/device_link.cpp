#include "device/device_link.h"

namespace km62rx::device {

std::string Reply::Payload() const {
  if (length <= 2)
    return {};
  const std::string_view rest = View().substr(2);
  return std::string(rest.substr(0, rest.find('\r')));
}

}  // namespace km62rx::device
