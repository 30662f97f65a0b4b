#pragma once

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "settings/logger_settings.h"
#include "settings/notifier.h"
#include "settings/settings_format.h"
#include "settings/settings_reader.h"

namespace km62rx::fuzz {

// Writes a record out as a settings file and reads it again; aborts when the
// reader has anything to say about it, after printing the file (under the
// heading `what`) and the reader's boxes, so the fuzzer's report shows what
// went wrong.
inline void AbortUnlessFileReadsBack(const settings::LoggerSettings& record, const char* what) {
  const std::string written = settings::FormatSettingsFile(record);
  std::istringstream file(written);
  RecordingNotifier readerBoxes;
  settings::LoggerSettings reread;
  settings::ParseSettings(file, reread, readerBoxes);
  if (readerBoxes.boxes.empty())
    return;
  std::fprintf(stderr, "%s:\n%s", what, written.c_str());
  for (const RecordingNotifier::Box& box : readerBoxes.boxes)
    std::fprintf(stderr, "reader: %s: %s\n", box.title.c_str(), box.text.c_str());
  std::abort();
}

}  // namespace km62rx::fuzz
