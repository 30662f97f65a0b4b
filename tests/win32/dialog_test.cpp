// The three dialogs as real windows under Wine, driven by window messages
// from inside their own modal loops. What the connect and clock models decide
// is theirs to test (tests/ui); here, that the controls are as described and
// their events reach the models.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "device/command_texts.h"
#include "device/line_for_port.h"
#include "device/port_line.h"
#include "settings/control_ids.h"
#include "settings/file_chooser.h"
#include "support/temp_folder.h"
#include "support/win32_actions.h"
#include "ui/dialog_descriptions.h"
#include "win32/dialogs.h"
#include "win32/window_text.h"

namespace km62rx::testing {
namespace {

using Step = std::function<void(HWND dialog)>;
using K = ui::DialogControlKind;

thread_local std::vector<Step>* playing = nullptr;
thread_local std::size_t stepsRun = 0;

// Runs open(), which runs a dialog modally, while the steps play against the
// dialog, one a timer tick of its own loop: what a step posted (a key for the
// dialog manager) has been handled before the next step runs. Returns the
// steps run before the dialog closed; one more than there are when it was
// still open after the last.
std::size_t PlayDialog(const std::function<void()>& open, std::vector<Step> steps) {
  playing = &steps;
  stepsRun = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) {
    const HWND dialog = GetActiveWindow();  // the owner has no owner
    if (dialog == nullptr || GetWindow(dialog, GW_OWNER) == nullptr)
      return;
    if (stepsRun < playing->size()) {
      (*playing)[stepsRun++](dialog);
    } else {
      ++stepsRun;
      EndDialog(dialog, 0);
    }
  });
  open();
  KillTimer(nullptr, timer);
  return stepsRun;
}

std::string Text(HWND dialog, int id) {
  return win32::WindowText(GetDlgItem(dialog, id));
}
const auto PostKey = [](UINT key) { PostMessageW(GetFocus(), WM_KEYDOWN, key, 1); };
const auto Click = [](HWND dialog, int id) { SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0); };
const auto Focus = [](HWND dialog, int id) {
  SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
};
// Types into a field, its text selected as tabbing into it leaves it.
void Type(HWND dialog, int id, const std::string& text) {
  Focus(dialog, id);
  for (char c : text)
    SendDlgItemMessageW(dialog, id, WM_CHAR, static_cast<WPARAM>(c), 1);
}
void Paste(HWND dialog, int id, const std::wstring& text) {
  ASSERT_TRUE(PutOnClipboard(dialog, text));
  Focus(dialog, id);
  SendDlgItemMessageW(dialog, id, WM_PASTE, 0, 0);
}

// Each control with its described ID, text and tab stop, the tab order as
// described, the first focus and the default button; the owner is off.
void ExpectAsDescribed(HWND dialog, const ui::DialogDescription& description) {
  EXPECT_FALSE(IsWindowEnabled(GetWindow(dialog, GW_OWNER)));
  std::vector<int> tabStops;
  for (const ui::DialogControl& def : description.controls) {
    const LONG style = GetWindowLongW(GetDlgItem(dialog, def.id), GWL_STYLE);
    EXPECT_EQ((style & WS_TABSTOP) != 0, def.kind != K::kLabel && def.kind != K::kTopLabel);
    if (style & WS_TABSTOP)
      tabStops.push_back(def.id);
    EXPECT_TRUE(def.text.Get().empty() || Text(dialog, def.id) == def.text.Get()) << def.id;
    const LONG button = def.id == description.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    EXPECT_TRUE(def.kind != K::kPushButton || (style & BS_TYPEMASK) == button) << def.id;
    EXPECT_EQ(def.kind == K::kDigitField, (style & ES_NUMBER) != 0) << def.id;
  }
  const HWND first = GetDlgItem(dialog, tabStops[0]);
  EXPECT_EQ(GetDlgCtrlID(GetFocus()),
            description.firstFocus != 0 ? description.firstFocus : tabStops[0]);
  std::vector<int> order{tabStops[0]};
  for (HWND next = first; (next = GetNextDlgTabItem(dialog, next, FALSE)) != first;)
    order.push_back(GetDlgCtrlID(next));
  EXPECT_EQ(order, tabStops) << description.name;
}

class TestHost : public ui::WindowHost {
 public:
  void CloseWindow() override {}
  void RunAboutBox() override {}
  void RunConnectDialog() override {}
  void RunClockDialog(int) override {}
  void SetBusy(bool on) override { busy.push_back(on); }
  std::unique_ptr<FileChooser> MakeFileChooser() override {
    return std::make_unique<FixedFileChooser>(savePath);
  }
  std::vector<bool> busy;
  std::optional<std::string> savePath;
};

class DialogTest : public ::testing::Test {
 protected:
  DialogTest() {
    ctx = {owner, &link, nullptr, &mainBoxes, &host, &clock, {}, {}};
    ctx.listPorts = [this] { return ports; };
    ctx.makeNotifier = [this](HWND dialogOwner) {
      boxOwner = dialogOwner;
      return std::make_unique<ReportTally>(dialogBoxes);
    };
  }
  ~DialogTest() override { DestroyWindow(owner); }

  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800,
                               600, nullptr, nullptr, nullptr, nullptr);
  device::PortLine line{device::MakeLineForPort};
  device::DeviceLink link{line};
  RecordingNotifier mainBoxes, dialogBoxes;
  HWND boxOwner = nullptr;
  FixedClock clock{2026, 3, 5, 7, 8, 9};
  TestHost host;
  std::vector<std::string> ports{"COM99"};
  win32::WindowContext ctx;
  const std::function<void()> connect = [this] { win32::RunConnectDialog(ctx); };
};

// As described. Connect and clock: Escape and Enter do nothing, but Enter
// presses a focused button; the close box closes. About: Escape, Enter and
// the close box close.
TEST_F(DialogTest, LayoutAndKeyPolicies) {
  const auto keysDoNothing = [](const ui::DialogDescription& description) -> Step {
    return [&description](HWND dialog) {
      ExpectAsDescribed(dialog, description);
      PostKey(VK_ESCAPE), PostKey(VK_RETURN);
    };
  };
  EXPECT_EQ(PlayDialog(connect, {keysDoNothing(ui::ConnectDialogDescription()),
                                 [](HWND dialog) {
                                   Focus(dialog, ids::kConnectCancelButton);
                                   PostKey(VK_RETURN);
                                 }}),
            2u);
  const Step pcTimeByEnter = [](HWND dialog) {
    Type(dialog, ids::kClockMinute, "30");
    SetFocus(GetDlgItem(dialog, ids::kPcTimeButton));
    PostKey(VK_RETURN);
  };
  EXPECT_EQ(PlayDialog([this] { win32::RunClockDialog(ctx, 1); },
                       {keysDoNothing(ui::ClockDialogDescription()), pcTimeByEnter,
                        [](HWND dialog) {
                          EXPECT_EQ(Text(dialog, ids::kClockMinute), "8");
                          PostMessageW(dialog, WM_CLOSE, 0, 0);
                        }}),
            3u);
  for (UINT key : {UINT{VK_ESCAPE}, UINT{VK_RETURN}, 0u}) {
    EXPECT_EQ(PlayDialog([this] { win32::ShowAboutBox(owner); }, {[key](HWND dialog) {
                           ExpectAsDescribed(dialog, ui::AboutDialogDescription());
                           EXPECT_EQ(Text(dialog, ids::kAboutVersionLine), ui::AboutVersionLine());
                           key != 0 ? PostKey(key) : (void)PostMessageW(dialog, WM_CLOSE, 0, 0);
                         }}),
              1u);
  }
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_TRUE(dialogBoxes.boxes.empty());
}

// A network port turns the line combos off; a port that cannot be opened
// shows its box, owned by the dialog, which stays open; without a port only
// the box is shown.
TEST_F(DialogTest, ConnectNetworkPortAFailedOpenAndNoPort) {
  ports = {"COM99", "socket://127.0.0.1:1"};
  EXPECT_EQ(
      PlayDialog(connect, {[this](HWND dialog) {
                   const HWND portCombo = GetDlgItem(dialog, ids::kPortCombo);
                   for (int port : {1, 0}) {
                     SendMessageW(portCombo, CB_SETCURSEL, port, 0);
                     SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(ids::kPortCombo, CBN_SELCHANGE),
                                  reinterpret_cast<LPARAM>(portCombo));
                     EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog, ids::kFlowCombo)), port == 0);
                   }
                   Click(dialog, ids::kConnectOkButton);
                   EXPECT_EQ(boxOwner, dialog);
                   EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, ids::kConnectCancelButton)));
                 }}),
      2u);
  EXPECT_EQ(dialogBoxes.boxes.size(), 1u);
  EXPECT_EQ(host.busy, (std::vector<bool>{true, false}));
  ports.clear();
  EXPECT_EQ(PlayDialog(connect, {}), 0u);
  EXPECT_EQ(dialogBoxes.boxes.back().text, device::kNoPortFound.Get());
}

// The fields from the pinned clock; a paste reaches the digit rule, within
// the field's limit; leaving a field clamps it; OK stores the typed time in
// the chosen file and closes.
TEST_F(DialogTest, ClockFieldsAndOkIntoAFile) {
  TempFolder folder;
  host.savePath = folder.File("SETTING.CFG");
  const Step typeAndPaste = [](HWND dialog) {
    EXPECT_EQ(Text(dialog, ids::kClockYear) + "-" + Text(dialog, ids::kClockMonth) + "-" +
                  Text(dialog, ids::kClockSecond),
              "2026-3-9");
    EXPECT_EQ(Text(dialog, ids::kClockHintLine), ui::ClockHint(0));
    Paste(dialog, ids::kClockDay, L"123\r\nabc");
    EXPECT_EQ(Text(dialog, ids::kClockDay), "12");
    Type(dialog, ids::kClockYear, "2150");
    PostKey(VK_TAB);
  };
  EXPECT_EQ(PlayDialog([this] { win32::RunClockDialog(ctx, 0); },
                       {typeAndPaste,
                        [](HWND dialog) {
                          EXPECT_EQ(Text(dialog, ids::kClockYear), "2099");
                          Type(dialog, ids::kClockYear, "2031");
                          Click(dialog, ids::kClockOkButton);
                        }}),
            2u);
  EXPECT_NE(ReadFile(*host.savePath).find("TIME_CALENDAR=310312070809"), std::string::npos);
  EXPECT_EQ(dialogBoxes.boxes.size(), 1u);
}

}  // namespace
}  // namespace km62rx::testing
