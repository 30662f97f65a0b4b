#pragma once

#include <string>
#include <vector>

#include "device/results.h"
#include "settings/language.h"
#include "settings/notifier.h"

namespace km62rx::device {

// The title and text of a box.
struct LinkErrorBox {
  std::string title;
  std::string text;
};

// The box of a notice; of a failed open, identification or exchange (kOk
// has none: it gives the unknown-error box); and of an error code 1..99 a
// logger sent instead of "OK".
LinkErrorBox LinkErrorMessage(LinkNotice notice);
LinkErrorBox LinkErrorMessage(LinkResult result);
LinkErrorBox DeviceErrorMessage(int code);

// Every title and text of those boxes, for the check that each has its
// English.
std::vector<LocalText> LinkErrorTexts();

// Show those boxes.
void ReportLinkError(LinkNotice notice, Notifier& owner);
void ReportLinkError(LinkResult result, Notifier& owner);
void ReportDeviceError(int code, Notifier& owner);

}  // namespace km62rx::device
