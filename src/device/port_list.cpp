#include "device/port_list.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "device/port_path.h"

#ifdef _WIN32
#include <fstream>

#include "settings/file_path.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace km62rx::device {

namespace {

std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos)
    return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

PortsFile Ignored(const std::string& path, const std::string& why) {
  return {{}, "ignoring " + path + ": " + why};
}

constexpr const char* kNotRegular = "not a regular file";
constexpr const char* kTooLarge = "larger than 64 KiB";

#ifdef _WIN32

// Windows has no FIFOs in folders, and its device names are no regular
// files: a look at the file before opening it is enough.
bool ReadLimited(const std::string& path, std::string& text, std::string& why) {
  const std::filesystem::path native = settings::PathFromUtf8(path);
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(native, error);
  if (status.type() == std::filesystem::file_type::not_found)
    return true;
  if (error || !std::filesystem::is_regular_file(status)) {
    why = error ? error.message() : kNotRegular;
    return false;
  }
  std::ifstream in(native, std::ios::binary);
  text.resize(kPortsFileLimit + 1);
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  if (in.bad()) {
    why = "cannot be read";
    return false;
  }
  return true;
}

#else

// The descriptor is opened without waiting (a FIFO without a writer would
// hold the open), and what it is is asked of the descriptor itself, so the
// file cannot be swapped between the look and the read.
bool ReadLimited(const std::string& path, std::string& text, std::string& why) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR)
      return true;
    why = std::generic_category().message(errno);
    return false;
  }
  struct stat info {};
  bool ok = true;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    why = kNotRegular;
    ok = false;
  } else if (static_cast<std::size_t>(info.st_size) > kPortsFileLimit) {
    why = kTooLarge;
    ok = false;
  }
  char buffer[4096];
  while (ok && text.size() <= kPortsFileLimit) {
    const ssize_t n =
        ::read(fd, buffer, std::min(sizeof buffer, kPortsFileLimit + 1 - text.size()));
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0) {
      why = std::generic_category().message(errno);
      ok = false;
    }
    if (n <= 0)
      break;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return ok;
}

#endif

}  // namespace

std::string PortsFilePath() {
#ifdef _WIN32
  const wchar_t* local = _wgetenv(L"APPDATA");  // the roaming profile, with the user
  if (local == nullptr || *local == L'\0')
    return {};
  const std::u8string folder = std::filesystem::path(local).u8string();
  return std::string(folder.begin(), folder.end()) + "\\km62rx\\ports";
#else
  // XDG_CONFIG_HOME counts only as an absolute path.
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/')
    return std::string(config) + "/km62rx/ports";
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0')
    return {};
  return std::string(home) + "/.config/km62rx/ports";
#endif
}

PortsFile ReadPortsFile(const std::string& path) {
  if (path.empty())
    return {};
  std::string text;
  std::string why;
  if (!ReadLimited(path, text, why))
    return Ignored(path, why);
  // A file that grew past the limit since it was looked at.
  if (text.size() > kPortsFileLimit)
    return Ignored(path, kTooLarge);
  return {ParsePortList(text), {}};
}

std::vector<std::string> ParsePortList(std::string_view text) {
  std::vector<std::string> ports;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    line = Trimmed(line.substr(0, line.find('#')));
    if (!line.empty())
      ports.emplace_back(line);
  }
  return ports;
}

void AppendMissingPorts(std::vector<std::string>& ports, const std::vector<std::string>& more) {
  // Each name's device is looked up once.
  std::vector<std::string> identities;
  for (const std::string& port : ports)
    identities.push_back(PortIdentity(port));
  for (const std::string& port : more) {
    std::string identity = PortIdentity(port);
    if (std::find(identities.begin(), identities.end(), identity) != identities.end())
      continue;
    identities.push_back(std::move(identity));
    ports.push_back(port);
  }
}

}  // namespace km62rx::device
