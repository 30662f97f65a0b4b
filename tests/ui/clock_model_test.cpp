#include "ui/clock_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/control_ids.h"
#include "support/fake_serial_line.h"
#include "ui/memory_page_controls.h"

namespace km62rx::ui {
namespace {

using testing::FakeSerialLine;

class RecordingHost : public WindowHost {
 public:
  void CloseWindow() override {}
  void RunAboutBox() override {}
  void RunConnectDialog() override {}
  void RunClockDialog(int) override {}
  void SetBusy(bool on) override { busy.push_back(on); }
  std::unique_ptr<FileChooser> MakeFileChooser() override {
    ++choosers;
    return std::make_unique<FixedFileChooser>(std::nullopt);
  }
  std::vector<bool> busy;
  int choosers = 0;
};

std::vector<std::string> Fields(const MemoryPageControls& dialog) {
  std::vector<std::string> texts;
  for (int id : ids::kClockFields)
    texts.push_back(dialog.Text(id));
  return texts;
}

// The PC time without leading zeros; OK clamps the focused field, keeps the
// day in its month, turns the buttons off and sends the typed time under the
// busy cursor, or asks for a file to store it in.
TEST(ClockModel, FillAndOk) {
  MemoryPageControls dialog;
  FillClockFields(dialog, FixedClock(2026, 3, 5, 7, 8, 9));
  EXPECT_EQ(Fields(dialog), (std::vector<std::string>{"2026", "3", "5", "7", "8", "9"}));

  FakeSerialLine line;
  line.Open("ttyFAKE", {});
  line.Then({{0, "OK260228230809\r"}});
  device::DeviceLink link(line);
  link.connected = 1;
  RecordingNotifier own, main;
  RecordingHost host;
  dialog.SetText(ids::kClockMonth, "2");
  dialog.SetText(ids::kClockDay, "31");
  dialog.SetText(ids::kClockHour, "99");  // still focused
  ApplyClockDialog(1, ids::kClockHour, dialog, link, own, main, host);
  EXPECT_EQ(line.written, std::vector<std::string>{"TMS260228230809\r"});
  EXPECT_EQ(host.busy, (std::vector<bool>{true, false}));
  for (int id : {ids::kClockOkButton, ids::kClockCancelButton, ids::kPcTimeButton})
    EXPECT_FALSE(dialog.Enabled(id)) << id;
  ASSERT_EQ(own.boxes.size(), 1u);
  EXPECT_EQ(own.boxes[0].title, "本体時刻設定");
  EXPECT_TRUE(main.boxes.empty());

  ApplyClockDialog(0, 0, dialog, link, own, main, host);  // the file: cancelled
  EXPECT_EQ(host.choosers, 1);
  EXPECT_EQ(line.written.size(), 1u);
  EXPECT_EQ(own.boxes.size() + main.boxes.size(), 1u);
}

}  // namespace
}  // namespace km62rx::ui
