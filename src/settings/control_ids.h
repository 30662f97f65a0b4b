#pragma once

#include "settings/logger_settings.h"

// Control IDs of the main window and its two dialogs: the one place they are
// written down. The page table, the device commands, the binding, the
// availability rule and the dialogs all use these names. Rows and bytes are
// numbered from 0.
namespace km62rx::ids {

// Rows of the repeated settings, as many as the record holds.
inline constexpr int kDataRows = settings::kDataEntryCount;
inline constexpr int kTimeRows = settings::kTimeEntryCount;
inline constexpr int kBytesPerDataRow = 4;

// Menu items.
inline constexpr int kMenuExit = 100;
inline constexpr int kMenuAbout = 101;

// Connection panel.
inline constexpr int kStatusLine = 200;
inline constexpr int kSdLine = 201;
inline constexpr int kConnectButton = 400;
inline constexpr int kDisconnectButton = 401;

// Command and clock buttons.
inline constexpr int kSendButton = 415;
inline constexpr int kReceiveButton = 416;
inline constexpr int kSaveFileButton = 417;
inline constexpr int kLoadFileButton = 418;
inline constexpr int kClockFromPcButton = 420;
inline constexpr int kClockFromDialogButton = 421;
inline constexpr int kClockToFileButton = 422;
inline constexpr int kPageTree = 700;

// The IDs of a repeated control: row r (and byte k of a data row) is
// first + stride * r + k.
struct RowIds {
  int first;
  int stride = 1;
  constexpr int operator()(int r, int k = 0) const { return first + stride * r + k; }
};

// Data rows: check box and four hex fields.
inline constexpr RowIds StartDataCheck{800};
inline constexpr RowIds StartDataByte{510, kBytesPerDataRow};
inline constexpr RowIds StopDataCheck{820};
inline constexpr RowIds StopDataByte{570, kBytesPerDataRow};
inline constexpr RowIds TimestampStartCheck{860};
inline constexpr RowIds TimestampStartByte{660, kBytesPerDataRow};
inline constexpr RowIds TimestampStopCheck{870};
inline constexpr RowIds TimestampStopByte{680, kBytesPerDataRow};

// Time rows.
inline constexpr RowIds StartTimeCheck{810};
inline constexpr RowIds StartTimeWeekday{310};
inline constexpr RowIds StartTimeHour{550};
inline constexpr RowIds StartTimeMinute{560};
inline constexpr RowIds StopTimeCheck{830};
inline constexpr RowIds StopTimeWeekday{320};
inline constexpr RowIds StopTimeHour{600};
inline constexpr RowIds StopTimeMinute{610};

// Single settings.
inline constexpr int kStopIdleCheck = 840;
inline constexpr int kStopIdleField = 620;
inline constexpr int kStopSizeCheck = 845;
inline constexpr int kStopSizeField = 630;
inline constexpr int kStopSizeUnit = 330;
inline constexpr int kStopLogTimeCheck = 850;
inline constexpr int kLogDays = 640;
inline constexpr int kLogHours = 641;
inline constexpr int kLogMinutes = 642;
inline constexpr int kLogSeconds = 643;
inline constexpr int kExtensionField = 645;
inline constexpr int kTimestampModeCombo = 335;
inline constexpr int kTimestampTypeCombo = 336;
inline constexpr int kTimestampSerialCombo = 337;
inline constexpr int kSeparatorField = 646;
inline constexpr RowIds ExcludedByte{650};
inline constexpr int kTimestampIdleCheck = 880;
inline constexpr int kTimestampIdleField = 695;
inline constexpr int kTimestampSizeCheck = 885;
inline constexpr int kTimestampSizeField = 696;
inline constexpr int kTimestampSizeUnit = 340;

// Connect dialog: the hint line, the five combo labels, buttons and combos.
inline constexpr int kConnectHintLine = 210;
inline constexpr int kPortLabel = 211;
inline constexpr int kDataBitsLabel = 212;
inline constexpr int kParityLabel = 213;
inline constexpr int kBaudLabel = 214;
inline constexpr int kFlowLabel = 215;
inline constexpr int kConnectOkButton = 410;
inline constexpr int kConnectCancelButton = 411;
inline constexpr int kPortCombo = 300;
inline constexpr int kDataBitsCombo = 301;
inline constexpr int kParityCombo = 302;
inline constexpr int kBaudCombo = 303;
inline constexpr int kFlowCombo = 304;

// Clock dialog: hint line, field label, buttons.
inline constexpr int kClockHintLine = 280;
inline constexpr int kClockFieldLabel = 220;
inline constexpr int kClockOkButton = 424;
inline constexpr int kClockCancelButton = 425;
inline constexpr int kPcTimeButton = 423;

// Clock dialog fields: year, month, day, hour, minute, second.
inline constexpr int kClockYear = 500;
inline constexpr int kClockMonth = 501;
inline constexpr int kClockDay = 502;
inline constexpr int kClockHour = 503;
inline constexpr int kClockMinute = 504;
inline constexpr int kClockSecond = 505;
inline constexpr int kClockFields[] = {kClockYear, kClockMonth,  kClockDay,
                                       kClockHour, kClockMinute, kClockSecond};

// About box: the program's name, the version line and OK.
inline constexpr int kAboutNameLine = 270;
inline constexpr int kAboutVersionLine = 271;
inline constexpr int kAboutOkButton = 430;

// Weekday combo index to day code and back (index 0 every day = 7,
// index 7 Sunday = 0).
constexpr int WeekdayCode(int index) {
  return index == 0 ? 7 : (index == 7 ? 0 : index);
}
constexpr int WeekdayIndex(int code) {
  return code == 7 ? 0 : (code == 0 ? 7 : (code >= 1 && code <= 6 ? code : 0));
}

// Size unit combo: index 0 MByte, 1 KByte, 2 Byte.
inline constexpr int kUnitMByte = 0;
inline constexpr int kUnitKByte = 1;
inline constexpr int kUnitByte = 2;

}  // namespace km62rx::ids
