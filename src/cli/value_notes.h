#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/run_report.h"
#include "cli/wire_values.h"
#include "settings/logger_settings.h"
#include "settings/missing_settings.h"
#include "ui/memory_page_controls.h"

namespace km62rx::cli {

// The window shows sizes in MByte or KByte, so a value can change on its way
// through the pages (a file's STOP_DATASIZE=12345 is sent and saved as
// 12288). The window makes that visible; these notes do so for the command
// line: one English line on stderr per setting whose value changes, such as
//   note: STOP_DATASIZE: "12345" in the file is sent as "12288"
// They never change an exit status.

// check and send: notes for the settings of a file's record that the pages
// change. outcome says what happens to the value ("is sent as").
void NoteFileValuesChanged(const settings::LoggerSettings& fromFile, std::string_view outcome);

// check, send and diff: one note per setting the file has no line for, such as
//   note: START_DATA[2]: the file has no line for it; its default "2-" is used
void NoteMissingSettings(const std::vector<settings::MissingSetting>& missing);

// send and diff to a logger without the time-stamp function: one note per
// time-stamp setting of the file that differs from its default, since the
// logger cannot take it. True when there was one.
bool NoteTimestampSettingsNotApplied(const settings::LoggerSettings& fromFile);

// receive: remembers the logger's value of every setting it reports, then
// notes those that the saved file holds differently.
class LoggerValues {
 public:
  // The run, with every get reply it receives remembered.
  SettingsRun Recording(SettingsRun run) { return wire_.Recording(std::move(run)); }
  // Notes for the settings whose value saved from pages differs from the
  // logger's.
  void NoteSavedValuesChanged(const ui::MemoryPageControls& pages) const;
  // The settings the run got no value for, as UnreadSettings names them.
  std::string Unread(bool timestampSupported) const {
    return UnreadSettings(wire_.received(), timestampSupported);
  }

 private:
  WireValues wire_;
};

}  // namespace km62rx::cli
