#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace km62rx::device {

// The ports file, $XDG_CONFIG_HOME/km62rx/ports (~/.config/km62rx/ports by
// default; %APPDATA%\km62rx\ports on Windows): ports to offer beyond
// those found on the machine, such as network ports. UTF-8; empty when no
// folder for it is known.
std::string PortsFilePath();

// A ports file is a few lines; a larger one is ignored, unread.
inline constexpr std::size_t kPortsFileLimit = 64 * 1024;

struct PortsFile {
  std::vector<std::string> ports;
  // Why a file that is there was ignored, as "ignoring PATH: not a regular
  // file"; empty when it was read or there is none.
  std::string note;
};

// Reads the ports file at path (UTF-8) when it is a regular file of at most
// kPortsFileLimit bytes. Never waits: a FIFO or a device (a link to
// /dev/zero) is ignored without being read.
PortsFile ReadPortsFile(const std::string& path);

// The port names of a ports file: one a line, blanks around a name ignored;
// '#' starts a comment that runs to the end of the line.
std::vector<std::string> ParsePortList(std::string_view text);

// Appends each of more whose device ports does not hold yet, in order: names
// of one device (ttyS0, /dev/ttyS0, a link to it) count as one port
// (PortIdentity), and the first name given is kept.
void AppendMissingPorts(std::vector<std::string>& ports, const std::vector<std::string>& more);

}  // namespace km62rx::device
