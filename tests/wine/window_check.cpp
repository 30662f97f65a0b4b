// Drives the real Win32 main window for its cases under Wine against the simulator
// (tests/protocol/wine_window_test.cpp):
//   window_check.exe PORT ACTION...
// The window offers PORT in its connect dialog. Each action acts on the top window of the program:
// the dialog that is open, else the main window; an action that opens a dialog returns only when
// the dialog has closed, so the actions after it run inside the dialog.
//   click ID          presses the button ID (BM_CLICK)
//   menu ID           chooses the menu item ID
//   select ID INDEX   selects a combo's item as the user does (CBN_SELCHANGE follows)
//   type ID TEXT      focuses the field, selects all of it and types TEXT (WM_CHAR)
//   paste ID TEXT     focuses the field, selects all of it and pastes TEXT through the clipboard
//   page N            selects page N's tree item and clicks it
//   text ID           prints "text ID TEXT"
//   enabled ID        prints "enabled ID yes|no"
//   file PATH         the file the next file dialog answers with
//   mark              prints "mark" (a point in the output to act on)
//   wait MS           lets the window run for MS milliseconds
//   shot FILE         writes the top window, frame and all, as it shows on the screen, to FILE
//                     (a 24-bit BMP)
// Every box prints "box TITLE: TEXT" (line breaks as " / ") instead of showing. At the end the
// window is closed, which closes an open connection.

#include <windows.h>
// windows.h first: commctrl.h needs its types.
#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/line_for_port.h"
#include "device/port_line.h"
#include "settings/control_ids.h"
#include "settings/file_chooser.h"
#include "settings/language.h"
#include "settings/notifier.h"
#include "support/win32_actions.h"
#include "win32/main_window.h"
#include "win32/wide_text.h"
#include "win32/win32_page_controls.h"
#include "win32/window_services.h"
#include "win32/window_text.h"

namespace {

using km62rx::win32::Widen;

constexpr UINT kNextAction = WM_APP + 40;

class PrintingNotifier : public km62rx::Notifier {
 public:
  void Show(std::string_view title, std::string_view text) override {
    std::string line(text);
    for (std::size_t at; (at = line.find("\r\n")) != std::string::npos;)
      line.replace(at, 2, " / ");
    std::printf("box %.*s: %s\n", static_cast<int>(title.size()), title.data(), line.c_str());
    std::fflush(stdout);
  }
};

struct Script {
  std::vector<std::string> words;
  std::size_t next = 0;
  HWND runner = nullptr;
  HWND main = nullptr;
  km62rx::win32::MainWindow* window = nullptr;
  std::optional<std::string> file;

  std::string Word() { return next < words.size() ? words[next++] : std::string(); }
  int Number() { return std::atoi(Word().c_str()); }
};

Script script;

// The dialog of this thread that is open and enabled (it may not show yet: a dialog shows once
// its message queue is first empty), else the main window.
HWND TopWindow() {
  HWND top = script.main;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring(name) == L"#32770" && IsWindowEnabled(window)) {
          *reinterpret_cast<HWND*>(found) = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&top));
  return top;
}

// A control of the top window by ID (the main window's sit in panels, a dialog's on it).
HWND Control(int id) {
  const HWND top = TopWindow();
  return top == script.main ? script.window->Controls().Window(id) : GetDlgItem(top, id);
}

// Lets the window run for ms milliseconds. The script's own next step waits until then.
void Pump(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  int heldSteps = 0;
  for (bool first = true; first || GetTickCount() < end; first = false) {
    const DWORD now = GetTickCount();
    if (now < end)
      MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {  // for the main loop, which ends the program
        PostQuitMessage(static_cast<int>(message.wParam));
        return;
      }
      if (message.hwnd == script.runner && message.message == kNextAction) {
        ++heldSteps;
        continue;
      }
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  while (heldSteps-- > 0)
    PostMessageW(script.runner, kNextAction, 0, 0);
}

// The top window as the screen shows it, written as a 24-bit bottom-up BMP.
void WriteShot(const std::string& path) {
  HWND top = TopWindow();
  // A dialog shows once its own loop first finds no message waiting, which a step run inside
  // that loop does not let happen: show it as the loop would.
  if (!IsWindowVisible(top))
    ShowWindow(top, SW_SHOW);
  Pump(300);  // every control painted
  RECT frame;
  GetWindowRect(top, &frame);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB};
  const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  std::vector<unsigned char> pixels(stride * static_cast<DWORD>(height));
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
            reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info;
  const BITMAPFILEHEADER header{0x4D42 /* "BM" */, offset + static_cast<DWORD>(pixels.size()), 0, 0,
                                offset};
  if (FILE* out = _wfopen(Widen(path).c_str(), L"wb")) {
    std::fwrite(&header, sizeof header, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    std::fclose(out);
  }
}

void RunAction(const std::string& action) {
  if (action == "click") {
    SendMessageW(Control(script.Number()), BM_CLICK, 0, 0);
  } else if (action == "menu") {
    SendMessageW(script.main, WM_COMMAND, MAKEWPARAM(script.Number(), 0), 0);
  } else if (action == "select") {
    const int id = script.Number();
    HWND combo = Control(id);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(script.Number()), 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
  } else if (action == "type" || action == "paste") {
    HWND field = Control(script.Number());
    const std::wstring text = Widen(script.Word());
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
    if (action == "paste") {
      km62rx::testing::PutOnClipboard(script.runner, text);
      SendMessageW(field, WM_PASTE, 0, 0);
    } else {
      for (wchar_t c : text)
        SendMessageW(field, WM_CHAR, c, 0);
    }
    Pump(0);  // the queued move on to the next byte
  } else if (action == "page") {
    const int page = script.Number();
    if (!km62rx::testing::SelectPage(Control(km62rx::ids::kPageTree), page, true))
      std::printf("page %d missing\n", page);
    Pump(0);
  } else if (action == "text") {
    const int id = script.Number();
    std::printf("text %d %s\n", id, km62rx::win32::WindowText(Control(id)).c_str());
  } else if (action == "enabled") {
    const int id = script.Number();
    std::printf("enabled %d %s\n", id, IsWindowEnabled(Control(id)) ? "yes" : "no");
  } else if (action == "file") {
    script.file = script.Word();
  } else if (action == "shot") {
    WriteShot(script.Word());
  } else if (action == "mark") {
    std::printf("mark\n");  // the test acts on the simulator here
  } else if (action == "wait") {
    Pump(script.Number());
  } else {
    std::printf("unknown action %s\n", action.c_str());
  }
  std::fflush(stdout);
}

// One action a message: the next is posted before this one runs, so that an action that opens a
// dialog finds the actions after it run by the dialog's own message loop.
LRESULT CALLBACK RunnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kNextAction)
    return DefWindowProcW(window, message, wParam, lParam);
  if (script.next >= script.words.size()) {
    SendMessageW(script.main, WM_CLOSE, 0, 0);
    return 0;
  }
  const std::string action = script.Word();
  PostMessageW(window, kNextAction, 0, 0);
  RunAction(action);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);  // lines end in LF, as the test reads them
  if (argc < 2)
    return 2;
  const std::string port = argv[1];
  script.words.assign(argv + 2, argv + argc);
  km62rx::SetLanguage(km62rx::WindowsLanguage());  // as the program chooses it

  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_STANDARD_CLASSES | ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  km62rx::win32::WindowServices services = km62rx::win32::SystemServices();
  services.makeNotifier = [](HWND) { return std::make_unique<PrintingNotifier>(); };
  services.makeFileChooser = [](HWND) {
    return std::make_unique<km62rx::FixedFileChooser>(script.file);
  };
  services.listPorts = [port] { return std::vector<std::string>{port}; };
  services.closed = [] { PostQuitMessage(0); };
  km62rx::win32::MainWindow window(std::move(services), std::make_unique<km62rx::device::PortLine>(
                                                            km62rx::device::MakeLineForPort));
  if (window.Handle() == nullptr)
    return 1;
  script.main = window.Handle();
  script.window = &window;
  window.Show(SW_SHOWNORMAL);

  WNDCLASSW runnerClass{};
  runnerClass.lpfnWndProc = RunnerProcedure;
  runnerClass.hInstance = GetModuleHandleW(nullptr);
  runnerClass.lpszClassName = L"KM62RXWindowCheck";
  RegisterClassW(&runnerClass);
  script.runner = CreateWindowW(runnerClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                nullptr, runnerClass.hInstance, nullptr);
  PostMessageW(script.runner, kNextAction, 0, 0);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(script.main, &message))
      continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
