#include "device/link_status.h"

#include <array>
#include <cstdio>

#include "device/command_texts.h"
#include "settings/control_ids.h"

namespace km62rx::device {
namespace {

constexpr LocalText kNotConnected{"接続状態 : 未接続", "Connection: not connected"};
// %s is the firmware version.
constexpr LocalText kConnected{"接続状態 : 接続中 (ファームウェア Ver%s)",
                               "Connection: connected (firmware %s)"};
constexpr LocalText kCardUnknown{"SDカード : 未接続", "SD card: unknown"};
constexpr LocalText kCardMissing{"SDカード : 未接続", "SD card: not inserted"};
constexpr LocalText kCardProtected{"SDカード : 書込保護", "SD card: write-protected"};
constexpr LocalText kCardReady{"SDカード : 接続中", "SD card: inserted"};
constexpr LocalText kConnect{"接続", "Connect"};
constexpr LocalText kReconnect{"再接続", "Reconnect"};

constexpr std::array kTexts{kNotConnected,  kConnected, kCardUnknown, kCardMissing,
                            kCardProtected, kCardReady, kConnect,     kReconnect};

}  // namespace

std::span<const LocalText> LinkPanelTextTable() {
  return kTexts;
}

LinkPanelTexts MakeLinkPanelTexts(const DeviceLink& link) {
  LinkPanelTexts texts;
  if (link.connected != 1) {
    texts.statusLine = kNotConnected.Get();
    texts.sdLine = kCardUnknown.Get();
    texts.connectButton = kConnect.Get();
    texts.disconnectEnabled = false;
    return texts;
  }
  texts.statusLine = WithValue(kConnected, FirmwareVersionText(link.firmwareVersion));
  if (link.sdState & 2) {
    texts.sdLine = kCardProtected.Get();
  } else if (link.sdState == 1) {
    texts.sdLine = kCardReady.Get();
  } else {
    texts.sdLine = kCardMissing.Get();
  }
  texts.connectButton = kReconnect.Get();
  texts.disconnectEnabled = true;
  return texts;
}

std::string FirmwareVersionText(int firmwareVersion) {
  char text[32];
  std::snprintf(text, sizeof text, "%d.%02d", firmwareVersion / 100, firmwareVersion % 100);
  return text;
}

std::vector<ControlEnable> UpdateControlAvailability(int connected, int sdState,
                                                     int timestampSupported) {
  const bool clock = connected == 1;
  const bool transfer = connected == 1 && sdState == 1;
  const bool timestamp = connected == 0 || timestampSupported == 1;

  std::vector<ControlEnable> result;
  result.reserve(64);
  result.push_back({ids::kClockFromPcButton, clock});
  result.push_back({ids::kClockFromDialogButton, clock});
  result.push_back({ids::kSendButton, transfer});
  result.push_back({ids::kReceiveButton, transfer});

  for (int id : {ids::kTimestampModeCombo, ids::kTimestampTypeCombo, ids::kTimestampSerialCombo,
                 ids::kSeparatorField}) {
    result.push_back({id, timestamp});
  }
  for (int k = 0; k < 10; ++k)
    result.push_back({ids::ExcludedByte(k), timestamp});
  for (int row = 0; row < 3; ++row) {
    result.push_back({ids::TimestampStartCheck(row), timestamp});
    result.push_back({ids::TimestampStopCheck(row), timestamp});
    for (int k = 0; k < 4; ++k)
      result.push_back({ids::TimestampStartByte(row, k), timestamp});
    for (int k = 0; k < 4; ++k)
      result.push_back({ids::TimestampStopByte(row, k), timestamp});
  }
  for (int id : {ids::kTimestampIdleCheck, ids::kTimestampIdleField, ids::kTimestampSizeCheck,
                 ids::kTimestampSizeField, ids::kTimestampSizeUnit}) {
    result.push_back({id, timestamp});
  }
  return result;
}

void ApplyControlAvailability(PageControls& pages, int connected, int sdState,
                              int timestampSupported) {
  for (const ControlEnable& control :
       UpdateControlAvailability(connected, sdState, timestampSupported)) {
    pages.SetEnabled(control.id, control.enabled);
  }
}

}  // namespace km62rx::device
