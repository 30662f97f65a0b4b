#include "cli/logger_files.h"

#include <filesystem>
#include <system_error>

#include "device/network_port.h"
#include "settings/file_path.h"

namespace km62rx::cli {
namespace {

bool SafeInFileName(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || c == '.';
}

// HOST_PORT of socket://HOST:PORT, without the brackets of [IPv6]:PORT.
std::string NetworkPortStem(std::string_view address) {
  std::string stem;
  for (const char c : address) {
    if (c == '[' || c == ']')
      continue;
    stem += c;
  }
  const std::size_t colon = stem.rfind(':');
  if (colon != std::string::npos)
    stem[colon] = '_';
  return stem;
}

// Names Windows keeps for devices in every folder, whatever the extension:
// COM3.CFG there would be the port itself, not a file.
bool IsWindowsDeviceName(std::string_view stem) {
  std::string upper(stem);
  for (char& c : upper)
    c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL")
    return true;
  return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) &&
         upper[3] >= '0' && upper[3] <= '9';
}

}  // namespace

std::string LoggerFileName(std::string_view port) {
  std::string stem;
  if (device::IsNetworkPortName(port)) {
    stem = NetworkPortStem(port.substr(device::kNetworkPortScheme.size()));
  } else {
    // Both separators: a Windows device path such as \\.\COM10 as well.
    const std::size_t slash = port.find_last_of("/\\");
    stem = std::string(slash == std::string_view::npos ? port : port.substr(slash + 1));
  }
  for (char& c : stem) {
    if (!SafeInFileName(c))
      c = '_';
  }
  if (stem.empty() || stem.front() == '.' || IsWindowsDeviceName(stem))
    stem.insert(stem.begin(), '_');
  return stem + ".CFG";
}

std::string LoggerFilePath(const std::string& path, const std::string& port, bool severalLoggers) {
  if (!severalLoggers)
    return path;
  const std::u8string joined =
      (settings::PathFromUtf8(path) / settings::PathFromUtf8(LoggerFileName(port))).u8string();
  return std::string(joined.begin(), joined.end());
}

std::string CheckLoggerFolder(const std::string& path, const std::vector<std::string>& ports) {
  std::error_code error;
  if (!std::filesystem::is_directory(settings::PathFromUtf8(path), error))
    return "with several ports, " + path + " must be an existing folder";
  for (std::size_t i = 0; i < ports.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (LoggerFileName(ports[i]) == LoggerFileName(ports[j])) {
        return "ports " + ports[j] + " and " + ports[i] + " would both be saved as " +
               LoggerFileName(ports[i]);
      }
    }
  }
  return {};
}

}  // namespace km62rx::cli
