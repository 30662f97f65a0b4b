#include <gtest/gtest.h>

#include <string>

#include "device/connection.h"
#include "device/device_time.h"
#include "device/link_status.h"
#include "device/link_errors.h"
#include "settings/notifier.h"

namespace km62rx::device {
namespace {

TEST(LinkErrorTest, LoggerErrorCodesShowTheirNumber) {
  EXPECT_EQ(DeviceErrorMessage(5).text, "エラーが発生しました。 (コード : 05)");
  EXPECT_EQ(DeviceErrorMessage(99).text, "コマンドのパラメータが不一致です。");
}

TEST(FormatDeviceTimeTest, FieldsComeFromTheValueOfTheNumber) {
  const std::vector<std::pair<std::string, std::string>> table = {
      {"260315142530", "2026/03/15 14:25:30"}, {"991231235959", "2099/12/31 23:59:59"},
      {"1234", "2000/00/00 00:12:34"},         {"", "2000/00/00 00:00:00"},
      {"abc", "2000/00/00 00:00:00"},          {"2603151425309999", "2026/03/15 14:25:30"},
      {"2603x5142530", "2000/00/00 00:26:03"},
  };
  for (const auto& [payload, text] : table)
    EXPECT_EQ(FormatDeviceTime(payload), text) << payload;
}

}  // namespace
}  // namespace km62rx::device
