// The Win32 main window, made in the test's process and driven by the
// messages the user's actions send: typing, pastes through the clipboard,
// clicks in the page tree, buttons and the menu, the line check's timer and
// a change of DPI. Boxes are recorded. What the field editor and the window
// commands decide is theirs to test (tests/ui); the session through the real
// window is tests/protocol/wine_window_test.cpp.
#include <windows.h>
// windows.h first.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "device/connection.h"
#include "settings/control_ids.h"
#include "support/fake_serial_line.h"
#include "support/win32_actions.h"
#include "win32/dpi.h"
#include "win32/main_window.h"
#include "win32/window_messages.h"
#include "win32/window_text.h"

namespace km62rx::testing {
namespace {

// A line whose logger can go away between commands.
class LosingLine : public FakeSerialLine {
 public:
  bool gone = false;
  bool CheckForLoss() override {
    if (!gone || !IsOpen())
      return false;
    Close();
    return true;
  }
};

class Win32Window : public ::testing::Test {
 protected:
  void SetUp() override {
    const INITCOMMONCONTROLSEX controls{sizeof controls,
                                        ICC_STANDARD_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    win32::WindowServices services;
    services.makeNotifier = [this](HWND) -> std::unique_ptr<Notifier> {
      return std::make_unique<ReportTally>(boxes);
    };
    services.listPorts = [] { return std::vector<std::string>{}; };
    services.clock = &clock;
    auto serial = std::make_unique<LosingLine>();
    line = serial.get();
    window = std::make_unique<win32::MainWindow>(std::move(services), std::move(serial));
    ASSERT_NE(window->Handle(), nullptr);
    window->Show(SW_SHOW);
    SetForegroundWindow(window->Handle());
    Pump();
  }
  void TearDown() override {
    window.reset();
    Pump();
  }

  // Runs what is queued, as the message loop would.
  void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  HWND Control(int id) { return window->Controls().Window(id); }
  std::string Text(int id) { return window->Controls().Text(id); }
  void Focus(int id) {
    SetFocus(Control(id));
    Pump();
  }
  void TypeChars(const std::string& chars) {
    for (char c : chars) {
      SendMessageW(GetFocus(), WM_CHAR, static_cast<WPARAM>(c), 1);
      Pump();
    }
  }
  void Paste(int id, const std::wstring& text) {
    ASSERT_TRUE(PutOnClipboard(window->Handle(), text));
    SendMessageW(Control(id), WM_PASTE, 0, 0);
    Pump();
  }
  void SelectPage(int page, bool click = true) {
    ASSERT_TRUE(testing::SelectPage(Control(ids::kPageTree), page, click));
  }
  std::vector<int> ShownPages() {
    std::vector<int> shown;
    const auto& pages = window->Pages().Pages();
    for (std::size_t page = 1; page < pages.size(); ++page) {
      int visible = 0;
      for (HWND control : pages[page])
        visible += IsWindowVisible(control) ? 1 : 0;
      EXPECT_TRUE(visible == 0 || visible == static_cast<int>(pages[page].size())) << page;
      if (visible > 0)
        shown.push_back(static_cast<int>(page));
    }
    return shown;
  }
  void SetLink(int connected) {
    ASSERT_TRUE(line->Open("COM3", {}));
    window->Link().connected = connected;
    window->Link().sdState = 1;
    window->Link().firmwareVersion = 101;
    device::RefreshLinkStatus(window->Link());
  }

  FixedClock clock{2026, 3, 5, 7, 8, 9};
  RecordingNotifier boxes;
  LosingLine* line = nullptr;
  std::unique_ptr<win32::MainWindow> window;
};

TEST_F(Win32Window, TypingAndPastesGoThroughTheFieldEditor) {
  const int first = ids::StartDataByte(0, 0);
  SelectPage(2);
  Pump();
  Focus(first);
  TypeChars("g4b");  // swallowed, typed, turned upper case and moved on
  EXPECT_EQ(Text(first), "4B");
  EXPECT_EQ(GetFocus(), Control(first + 1));
  TypeChars("\b");  // Backspace at the start moves back
  EXPECT_EQ(GetFocus(), Control(first));
  for (int id = first; id < first + 4; ++id)
    window->Controls().SetText(id, "");
  Paste(first, L"41424344");  // a run of pairs fills the row
  EXPECT_EQ(Text(first + 3), "44");
  EXPECT_EQ(GetFocus(), Control(first + 3));
  Focus(first + 2);
  SetWindowTextW(Control(first + 2), L"7");
  Focus(ids::kPageTree);  // leaving pads the byte
  EXPECT_EQ(Text(first + 2), "07");
  EXPECT_TRUE(boxes.boxes.empty());
}

// A text set by the program is cut to the field's limit; bytes that are no
// UTF-8 are shown as Shift_JIS, kept until edited and read back in it.
TEST_F(Win32Window, FieldsKeepTheirBytesWithinTheLimit) {
  win32::Win32PageControls& controls = window->Controls();
  controls.SetText(ids::kExtensionField, "ABCDEF");
  EXPECT_EQ(win32::WindowText(Control(ids::kExtensionField)), "ABC");
  controls.SetText(ids::kExtensionField,
                   "\x93\xFA"
                   "A");
  EXPECT_EQ(win32::WindowText(Control(ids::kExtensionField)), "日A");
  EXPECT_EQ(Text(ids::kExtensionField),
            "\x93\xFA"
            "A");
  SetWindowTextW(Control(ids::kExtensionField), L"日B");
  EXPECT_EQ(Text(ids::kExtensionField),
            "\x93\xFA"
            "B");

  controls.SetComboIndex(ids::kStopSizeUnit, 2);
  controls.SetComboIndex(ids::kStopSizeUnit, 3);  // out of range: left as it is
  EXPECT_EQ(controls.ComboIndex(ids::kStopSizeUnit), 2);
  EXPECT_EQ(Text(ids::kStopSizeUnit), "Byte");
}

// Only a click shows a page, once it has been handled; the keyboard moves
// the selection without switching.
TEST_F(Win32Window, OnlyAClickInTheTreeSwitchesPages) {
  EXPECT_EQ(ShownPages(), std::vector<int>{});
  for (int page = 1; page <= 13; ++page) {
    SelectPage(page);
    EXPECT_EQ(window->Pages().CurrentPage(), page - 1);
    Pump();
    EXPECT_EQ(ShownPages(), std::vector<int>{page});
  }
  SelectPage(2);
  Pump();
  SelectPage(5, false);
  HWND tree = Control(ids::kPageTree);
  SetFocus(tree);
  SendMessageW(tree, WM_KEYDOWN, VK_DOWN, 0);
  Pump();
  EXPECT_EQ(window->Pages().CurrentPage(), 2);
  EXPECT_EQ(ShownPages(), std::vector<int>{2});
}

// The buttons follow the link's availability (which buttons when is the
// window commands' rule); a run keeps the window busy; a logger that goes
// away is told by the line check, without a box; closing the window closes
// the port.
TEST_F(Win32Window, CommandsAndAvailability) {
  const auto enabled = [&](int id) { return IsWindowEnabled(Control(id)) != FALSE; };
  EXPECT_FALSE(enabled(ids::kReceiveButton));
  EXPECT_TRUE(enabled(ids::kConnectButton));
  SetLink(1);
  EXPECT_TRUE(enabled(ids::kReceiveButton));
  // A run keeps the wait cursor up, also where the pointer moves, and the
  // device buttons off.
  std::vector<bool> busyDuringRun;
  line->responder = [&](std::string_view) {
    SendMessageW(window->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(window->Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    busyDuringRun.push_back(window->Busy() && GetCursor() == LoadCursorW(nullptr, IDC_WAIT) &&
                            !IsWindowEnabled(Control(ids::kReceiveButton)));
    return FakeSerialLine::Answer{{0, "99\r"}};  // refused: the run goes on
  };
  SendMessageW(Control(ids::kReceiveButton), BM_CLICK, 0, 0);
  EXPECT_FALSE(busyDuringRun.empty());
  EXPECT_EQ(busyDuringRun, std::vector<bool>(busyDuringRun.size(), true));
  EXPECT_FALSE(window->Busy());
  EXPECT_TRUE(enabled(ids::kReceiveButton));

  const std::size_t shown = boxes.boxes.size();
  line->gone = true;
  SendMessageW(window->Handle(), WM_TIMER, win32::kLineCheckTimer, 0);
  EXPECT_EQ(window->Link().connected, 0);
  EXPECT_FALSE(enabled(ids::kSendButton));
  EXPECT_EQ(boxes.boxes.size(), shown);

  line->gone = false;
  SetLink(1);
  const int closes = line->closeCount;
  SendMessageW(window->Handle(), WM_COMMAND, ids::kMenuExit, 0);  // the menu's "終了"
  EXPECT_EQ(window->Handle(), nullptr);
  EXPECT_EQ(line->closeCount, closes + 1);
}

// A move to a monitor of another DPI places every control anew.
TEST_F(Win32Window, ADpiChangePlacesTheControlsAnew) {
  RECT suggested{0, 0, 1100, 900};
  SendMessageW(window->Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  RECT button{};
  GetWindowRect(Control(ids::kSaveFileButton), &button);
  MapWindowPoints(nullptr, window->Handle(), reinterpret_cast<POINT*>(&button), 2);
  EXPECT_EQ(button.left, 45);
  EXPECT_EQ(button.top, win32::Scale(331, 144));
  EXPECT_EQ(button.right - button.left, 150);
}

}  // namespace
}  // namespace km62rx::testing
