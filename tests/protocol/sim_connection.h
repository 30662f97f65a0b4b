#pragma once

#include <string>
#include <vector>

#include "device/device_link.h"
#include "device/qt/qt_serial_line.h"
#include "device/settings_commands.h"
#include "settings/notifier.h"
#include "support/sim_process.h"
#include "ui/memory_page_controls.h"

namespace km62rx::testing {

// A logger simulator with a connected link to it: the port is open, the
// logger identified and its status read, as after the connect dialog. The
// settings commands run on in-memory pages and report to a recorder.
class SimConnection {
 public:
  explicit SimConnection(std::vector<std::string> simOptions = {});

  // Lines the simulator received after the connect handshake, in order.
  std::vector<std::string> Sent() const;
  // Lines received since the last call of Mark() (or since the handshake).
  std::vector<std::string> SentSinceMark() const;
  void Mark();
  // The titles of the boxes shown so far, in order.
  std::vector<std::string> Titles() const;

  SimProcess sim;
  device::QtSerialLine line;
  device::DeviceLink link{line};
  RecordingNotifier connectBoxes;
  ui::MemoryPageControls pages;
  RecordingNotifier boxes;
  device::CommandContext ctx{link, pages, boxes};
  bool connected = false;

 private:
  std::size_t handshakeLines_ = 0;
  std::size_t mark_ = 0;
};

// Runs a command line and keeps what it printed.
struct CommandOutput {
  int status = -1;
  std::string out;
  std::string err;
};
CommandOutput RunCommand(const std::vector<std::string>& args);

// A fresh temporary folder, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

std::string ReadWholeFile(const std::string& path);

}  // namespace km62rx::testing
