#include "device/port_path.h"

#include <filesystem>
#include <system_error>

#include "device/network_port.h"

namespace km62rx::device {

std::string DevicePath(std::string_view port) {
#ifdef _WIN32
  // A bare name (COM3) is the device \\.\COM3, the only form that reaches
  // COM10 and above; a name with a separator or a drive is a path already.
  if (IsNetworkPortName(port) || port.empty() ||
      port.find_first_of("\\/:") != std::string_view::npos)
    return std::string(port);
  return "\\\\.\\" + std::string(port);
#else
  if (IsNetworkPortName(port))
    return std::string(port);
  if (port.find('/') == std::string_view::npos)
    return "/dev/" + std::string(port);
  if (port.starts_with('/'))
    return std::string(port);
  std::error_code error;
  std::string path = std::filesystem::current_path(error).string();
  if (error)
    return std::string(port);
  // "." parts and doubled slashes are dropped; ".." stays, since through a
  // link it need not lead to the folder written before it.
  while (!port.empty()) {
    const std::size_t slash = port.find('/');
    const std::string_view part = port.substr(0, slash);
    port.remove_prefix(slash == std::string_view::npos ? port.size() : slash + 1);
    if (part.empty() || part == ".")
      continue;
    if (!path.ends_with('/'))
      path += '/';
    path += part;
  }
  return path;
#endif
}

std::string PortIdentity(std::string_view port) {
  std::string path = DevicePath(port);
#ifdef _WIN32
  // Device names know no case: COM3, com3 and \\.\COM3 are one port.
  if (!IsNetworkPortName(port)) {
    for (char& c : path)
      c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return path;
#else
  if (IsNetworkPortName(port))
    return path;
  std::error_code error;
  const std::filesystem::path device = std::filesystem::canonical(path, error);
  return error ? path : device.string();
#endif
}

}  // namespace km62rx::device
