#include "cli/output_targets.h"

#include <array>
#include <optional>

#include "cli/logger_files.h"
#include "cli/logger_output.h"
#include "cli/settings_input.h"

#ifdef _WIN32
#include <windows.h>
// windows.h first.
#include <io.h>

#include "settings/windows_text.h"
#else
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#endif

namespace km62rx::cli {
namespace {

// The file a name or a descriptor stands for: its device and inode (volume
// serial number and file index on Windows).
struct FileIdentity {
  unsigned long long device = 0;
  unsigned long long inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

#ifdef _WIN32

std::optional<FileIdentity> IdentityOfHandle(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (handle == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(handle, &info))
    return std::nullopt;
  return FileIdentity{
      info.dwVolumeSerialNumber,
      (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

std::optional<FileIdentity> IdentityOfDescriptor(int descriptor) {
  return IdentityOfHandle(reinterpret_cast<HANDLE>(_get_osfhandle(descriptor)));
}

std::optional<FileIdentity> IdentityOfPath(const std::string& path) {
  const std::wstring wide = settings::windows::Widen(path);
  if (wide.empty())
    return std::nullopt;
  // Attributes only: no access to the contents is asked for, and nothing
  // stops others from using the file meanwhile.
  const HANDLE handle =
      CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  const std::optional<FileIdentity> identity = IdentityOfHandle(handle);
  if (handle != INVALID_HANDLE_VALUE)
    CloseHandle(handle);
  return identity;
}

#else

std::optional<FileIdentity> Identity(const struct stat& info) {
  return FileIdentity{static_cast<unsigned long long>(info.st_dev),
                      static_cast<unsigned long long>(info.st_ino)};
}

std::optional<FileIdentity> IdentityOfDescriptor(int descriptor) {
  struct stat info {};
  return ::fstat(descriptor, &info) == 0 ? Identity(info) : std::nullopt;
}

// Through symbolic links, as opening the path would go.
std::optional<FileIdentity> IdentityOfPath(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? Identity(info) : std::nullopt;
}

#endif

// Descriptors 0, 1 and 2 as they were at start-up; nothing for one that was
// closed.
std::array<std::optional<FileIdentity>, 3>& StandardStreams() {
  static std::array<std::optional<FileIdentity>, 3> streams;
  return streams;
}

}  // namespace

void RememberStandardStreams() {
  for (int descriptor = 0; descriptor < 3; ++descriptor) {
    StandardStreams()[descriptor] = IdentityOfDescriptor(descriptor);
#ifndef _WIN32
    // A stream closed at start-up ("km62rx send ... >&-") would hand its
    // number to the next file opened, the serial line among them, and the
    // progress lines would go to the logger. /dev/null takes the place, and
    // what was to be printed there counts as lost.
    if (::fcntl(descriptor, F_GETFD) == -1 && errno == EBADF &&
        ::open("/dev/null", descriptor == 0 ? O_RDONLY : O_WRONLY) == descriptor &&
        descriptor > 0) {
      TreatAsClosed(descriptor == 1 ? stdout : stderr);
    }
#endif
  }
}

OutputTarget WhereOutputLeads(const std::string& path) {
  const std::optional<FileIdentity> target = IdentityOfPath(path);
  if (!target)
    return OutputTarget::kFile;
  // Standard output first: on a terminal all three are the same file, and
  // there a target on it is what "-" would write.
  const auto& streams = StandardStreams();
  if (streams[1] == target)
    return OutputTarget::kStandardOutput;
  if (streams[0] == target)
    return OutputTarget::kStandardInput;
  if (streams[2] == target)
    return OutputTarget::kStandardError;
  return OutputTarget::kFile;
}

bool SameFileAsInput(const std::string& output, const std::string& input) {
  const std::optional<FileIdentity> target = IdentityOfPath(output);
  const std::optional<FileIdentity> source =
      input == kStandardStream ? StandardStreams()[0] : IdentityOfPath(input);
  return target && target == source;
}

std::string WhyNotAFileOfItsOwn(std::string_view option, const std::string& target,
                                const std::string& input) {
  const std::string named = std::string(option) + " " + target;
  if (!input.empty() && SameFileAsInput(target, input)) {
    return named + " is the settings file being sent" +
           (input == kStandardStream ? " (standard input)" : "") + "; name another file";
  }
  switch (WhereOutputLeads(target)) {
    case OutputTarget::kFile:
      return {};
    case OutputTarget::kStandardInput:
      return named + " leads to standard input; name a file";
    case OutputTarget::kStandardOutput:
      return named + " leads to standard output; name a file";
    case OutputTarget::kStandardError:
      break;
  }
  return named + " leads to standard error; name a file";
}

std::string CheckLoggerTargets(std::string_view option, const std::string& path,
                               const std::vector<std::string>& ports, const std::string& input) {
  const bool several = ports.size() > 1;
  if (several) {
    const std::string wrong = CheckLoggerFolder(path, ports);
    if (!wrong.empty())
      return std::string(option) + ": " + wrong;
  }
  for (const std::string& port : ports) {
    const std::string wrong =
        WhyNotAFileOfItsOwn(option, LoggerFilePath(path, port, several), input);
    if (!wrong.empty())
      return wrong;
  }
  return {};
}

}  // namespace km62rx::cli
