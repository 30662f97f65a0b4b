#include "cli/port_hints.h"

#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "device/network_port.h"
#include "device/port_discovery.h"
#include "device/port_path.h"

#ifdef __unix__
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#endif

namespace km62rx::cli {

namespace {

namespace fs = std::filesystem;

std::string Joined(const std::vector<std::string>& items, std::string_view separator = ", ") {
  std::string text;
  for (const std::string& item : items)
    text += (text.empty() ? std::string() : std::string(separator)) + item;
  return text;
}

std::string NotFoundHint(const std::string& port) {
  const std::vector<std::string> ports = device::DiscoverSerialPorts();
  if (ports.empty())
    return "km62rx: there is no port " + port +
           ", and no serial port is present: check that the logger's cable is plugged in";
  return "km62rx: there is no port " + port + "; the ports present are " + Joined(ports) +
         " ('km62rx ports --long' tells them apart)";
}

#ifdef __unix__

// The name of the group that owns the device node, or empty.
std::string OwningGroup(const std::string& node) {
  struct stat info {};
  if (::stat(node.c_str(), &info) != 0)
    return {};
  const group* owner = ::getgrgid(info.st_gid);
  return owner == nullptr ? std::string() : std::string(owner->gr_name);
}

std::string PermissionHint(const std::string& port) {
  const std::string node = device::DevicePath(port);
  const std::string group = OwningGroup(node);
  if (group.empty() || group == "root")
    return "km62rx: permission denied on " + node +
           ": ask the administrator for read and write access to it";
  return "km62rx: permission denied on " + node + ", which belongs to group " + group +
         ": join the group with 'sudo usermod -aG " + group + " $USER', then log out and in again";
}

// The programs (name and process ID) that have node open, as /proc shows
// them; other users' processes are visible only to root.
std::vector<std::string> ProgramsHolding(const std::string& node) {
  std::vector<std::string> holders;
  std::error_code error;
  const fs::path device = fs::canonical(node, error);
  if (error)
    return holders;
  const std::string self = std::to_string(::getpid());
  fs::directory_iterator processes("/proc", error);
  for (; !error && processes != fs::directory_iterator(); processes.increment(error)) {
    const std::string pid = processes->path().filename().string();
    if (pid.find_first_not_of("0123456789") != std::string::npos || pid == self)
      continue;
    std::error_code unreadable;  // a process that ended or is not ours to see
    for (fs::directory_iterator fds(processes->path() / "fd", unreadable);
         !unreadable && fds != fs::directory_iterator(); fds.increment(unreadable)) {
      std::error_code ignored;
      if (fs::read_symlink(fds->path(), ignored) != device)
        continue;
      std::string name;
      std::ifstream(processes->path() / "comm") >> name;
      holders.push_back((name.empty() ? "a program" : name) + ", process " + pid);
      break;
    }
  }
  return holders;
}

std::string BusyHint(const std::string& port) {
  const std::string node = device::DevicePath(port);
  std::string holders = Joined(ProgramsHolding(node), "; ");
  if (!holders.empty())
    holders = " (" + holders + ")";
  return "km62rx: " + node + " is busy: another program has the port open" + holders +
         "; close it and try again";
}

#else

std::string PermissionHint(const std::string& port) {
  return "km62rx: access to " + port + " was refused";
}

std::string BusyHint(const std::string& port) {
  return "km62rx: " + port + " is busy: another program has the port open; close it and try again";
}

#endif

// The reasons a network port (socket://HOST:PORT) did not open.
std::string NetworkHint(const std::string& port, device::OpenFailure why) {
  const std::optional<device::NetworkAddress> address = device::ParseNetworkPortName(port);
  if (!address || why == device::OpenFailure::kBadAddress)
    return "km62rx: " + port +
           " is not a network port name: write socket://HOST:PORT, an IPv6 address in brackets "
           "(socket://[::1]:4001)";
  const bool ipv6 = address->host.find(':') != std::string::npos;
  const std::string host = ipv6 ? "[" + address->host + "]" : address->host;
  const std::string where = host + " port " + std::to_string(address->port);
  switch (why) {
    case device::OpenFailure::kUnknownHost:
      return "km62rx: the host " + host + " is not known: check its name, or give its address";
    case device::OpenFailure::kRefused:
      return "km62rx: " + where +
             " refused the connection: check that ser2net runs there and serves that port";
    case device::OpenFailure::kBusy:
      return "km62rx: " + where +
             " is in use: another program is connected to the logger through it; close that "
             "connection and try again";
    case device::OpenFailure::kTimedOut:
      return "km62rx: " + where + " did not answer within " +
             std::to_string(device::kNetworkConnectBudgetMs / 1000) +
             " seconds: check the address, and that the machine is on and reachable";
    default:
      return {};
  }
}

}  // namespace

std::string PortOpenHint(const std::string& port, device::OpenFailure why) {
  if (device::IsNetworkPortName(port))
    return NetworkHint(port, why);
  switch (why) {
    case device::OpenFailure::kNotFound:
      return NotFoundHint(port);
    case device::OpenFailure::kPermissionDenied:
      return PermissionHint(port);
    case device::OpenFailure::kBusy:
      return BusyHint(port);
    case device::OpenFailure::kUnknown:
    case device::OpenFailure::kBadAddress:
    case device::OpenFailure::kUnknownHost:
    case device::OpenFailure::kRefused:
    case device::OpenFailure::kTimedOut:
      break;
  }
  return {};
}

}  // namespace km62rx::cli
