// Feeds arbitrary bytes to the settings file reader, the header search and
// the clock-field rule, and checks what must hold for any input: every
// message stays short however long the line (the quoted line is cut), and the record that the
// reader returns, written out and read again, comes back unchanged and without a message.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "settings/clock_fields.h"
#include "settings/notifier.h"
#include "settings/settings_format.h"
#include "settings/settings_lines.h"
#include "settings/settings_reader.h"

using namespace km62rx;
using namespace km62rx::settings;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  std::istringstream in(text);
  FindSettingsHeader(in);
  in.clear();
  in.seekg(0);
  RecordingNotifier notifier;
  LoggerSettings record;
  ParseSettings(in, record, notifier);
  for (const RecordingNotifier::Box& box : notifier.boxes) {
    // 99 bytes in the logger's code page; UTF-8 makes the fixed texts longer.
    if (box.text.size() > 200)
      std::abort();
  }

  std::istringstream again(FormatSettingsFile(record));
  RecordingNotifier quiet;
  LoggerSettings reread;
  ParseSettings(again, reread, quiet);
  if (!(reread == record) || !quiet.boxes.empty())
    std::abort();

  std::istringstream clock(text);
  LoggerSettings clockRecord = DefaultSettings();
  ReadClockFields(clock, clockRecord);
  if (clockRecord.TIME_SET > 1 || clockRecord.TIME_CALENDAR.size() != 12)
    std::abort();
  return 0;
}
