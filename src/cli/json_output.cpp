#include "cli/json_output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include "cli/many_loggers.h"
#include "device/link_status.h"

namespace km62rx::cli {
namespace {

// Texts are UTF-8 inside the program; a byte that is not (a Shift_JIS value
// read from a logger) becomes U+FFFD rather than breaking the document.
QJsonValue Text(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QJsonValue TextOrNull(const std::optional<std::string>& text) {
  return text ? Text(*text) : QJsonValue(QJsonValue::Null);
}

QJsonValue TextOrNull(const std::string& text) {
  return text.empty() ? QJsonValue(QJsonValue::Null) : Text(text);
}

QJsonArray Texts(const std::vector<std::string>& texts) {
  QJsonArray array;
  for (const std::string& text : texts)
    array.append(Text(text));
  return array;
}

QJsonObject DifferenceObject(const ReportedDifference& difference) {
  QJsonObject object{{"setting", Text(difference.setting)},
                     {"logger", TextOrNull(difference.logger)}};
  if (difference.file)
    object.insert("file", Text(*difference.file));
  if (difference.sent)
    object.insert("sent", Text(*difference.sent));
  return object;
}

QJsonObject LoggerObject(const LoggerReport& report) {
  QJsonObject object{
      {"port", Text(report.port)},
      {"result", Text(std::string(ResultWord(report.status)))},
      {"exit_status", report.status},
      {"connected", report.connected},
  };
  if (report.connected) {
    object.insert("firmware", Text(device::FirmwareVersionText(report.firmwareVersion)));
    object.insert("sd_card", QJsonObject{{"inserted", (report.sdState & 1) != 0},
                                         {"write_protected", (report.sdState & 2) != 0}});
    object.insert("clock", TextOrNull(report.clock));
  }
  QJsonArray differences;
  for (const ReportedDifference& difference : report.differences)
    differences.append(DifferenceObject(difference));
  object.insert("differences", differences);
  object.insert("notes", Texts(report.notes));
  object.insert("messages", Texts(report.messages));
  return object;
}

std::string Document(const QJsonObject& object) {
  return QJsonDocument(object).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace

std::string LoggersJson(std::string_view command, const std::vector<LoggerReport>& reports,
                        int status) {
  QJsonArray loggers;
  for (const LoggerReport& report : reports)
    loggers.append(LoggerObject(report));
  return Document(QJsonObject{
      {"command", Text(std::string(command))}, {"exit_status", status}, {"loggers", loggers}});
}

std::string PortsJson(const std::vector<device::PortDescription>& ports) {
  QJsonArray list;
  for (const device::PortDescription& port : ports) {
    list.append(QJsonObject{{"name", Text(port.name)},
                            {"location", TextOrNull(port.location)},
                            {"description", TextOrNull(port.description)},
                            {"manufacturer", TextOrNull(port.manufacturer)},
                            {"serial_number", TextOrNull(port.serialNumber)},
                            {"usb_id", TextOrNull(device::UsbId(port))},
                            {"link", TextOrNull(port.stableLink)}});
  }
  return Document(QJsonObject{{"ports", list}});
}

}  // namespace km62rx::cli
