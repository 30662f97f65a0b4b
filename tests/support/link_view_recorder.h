#pragma once

#include <vector>

#include "device/connection.h"
#include "device/link_status.h"

namespace km62rx::device {

// A connection panel that remembers what it was told to show.
class RecordingLinkView : public LinkStatusView {
 public:
  void LinkStatusChanged(const DeviceLink& link) override {
    texts.push_back(MakeLinkPanelTexts(link));
    connectedFlags.push_back(link.connected);
  }
  std::vector<LinkPanelTexts> texts;
  std::vector<int> connectedFlags;
};

}  // namespace km62rx::device
