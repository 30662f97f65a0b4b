#include "cli/json_output.h"

#include <nlohmann/json.hpp>

#include "cli/many_loggers.h"
#include "device/link_status.h"

namespace km62rx::cli {
namespace {

using Json = nlohmann::json;

Json TextOrNull(const std::optional<std::string>& text) {
  return text ? Json(*text) : Json(nullptr);
}

Json TextOrNull(const std::string& text) {
  return text.empty() ? Json(nullptr) : Json(text);
}

Json DifferenceObject(const ReportedDifference& difference) {
  Json object{{"setting", difference.setting}, {"logger", TextOrNull(difference.logger)}};
  if (difference.file)
    object["file"] = *difference.file;
  if (difference.sent)
    object["sent"] = *difference.sent;
  return object;
}

Json LoggerObject(const LoggerReport& report) {
  Json object{
      {"port", report.port},
      {"result", std::string(ResultWord(report.status))},
      {"exit_status", report.status},
      {"connected", report.connected},
  };
  if (report.connected) {
    object["firmware"] = device::FirmwareVersionText(report.firmwareVersion);
    object["sd_card"] = {{"inserted", (report.sdState & 1) != 0},
                         {"write_protected", (report.sdState & 2) != 0}};
    object["clock"] = TextOrNull(report.clock);
  }
  Json differences = Json::array();
  for (const ReportedDifference& difference : report.differences)
    differences.push_back(DifferenceObject(difference));
  object["differences"] = std::move(differences);
  object["notes"] = report.notes;
  object["messages"] = report.messages;
  return object;
}

// Texts are UTF-8 inside the program; a byte that is not (a Shift_JIS value
// read from a logger) becomes U+FFFD rather than breaking the document.
std::string Document(const Json& document) {
  return document.dump(4, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace

std::string LoggersJson(std::string_view command, const std::vector<LoggerReport>& reports,
                        int status) {
  Json loggers = Json::array();
  for (const LoggerReport& report : reports)
    loggers.push_back(LoggerObject(report));
  return Document(
      {{"command", std::string(command)}, {"exit_status", status}, {"loggers", loggers}});
}

std::string PortsJson(const std::vector<device::PortDescription>& ports) {
  Json list = Json::array();
  for (const device::PortDescription& port : ports) {
    list.push_back({{"name", port.name},
                    {"location", TextOrNull(port.location)},
                    {"description", TextOrNull(port.description)},
                    {"manufacturer", TextOrNull(port.manufacturer)},
                    {"serial_number", TextOrNull(port.serialNumber)},
                    {"usb_id", TextOrNull(device::UsbId(port))},
                    {"link", TextOrNull(port.stableLink)}});
  }
  return Document({{"ports", list}});
}

}  // namespace km62rx::cli
