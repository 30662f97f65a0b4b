// km62rx-settings.exe: the desktop program on Windows. Ports named on the
// command line are listed in the connect dialog after the ports found on the
// machine (network ports socket://HOST:PORT too), then the ports of the
// ports file.
#include <windows.h>
// windows.h first: commctrl.h needs its types.
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "device/line_for_port.h"
#include "device/port_discovery.h"
#include "device/port_line.h"
#include "settings/language.h"
#include "settings/windows_text.h"
#include "ui/window_arguments.h"
#include "win32/main_window.h"
#include "win32/start_output.h"
#include "win32/window_services.h"

namespace {

using km62rx::win32::StartStream;

// The words after the program's name, as UTF-8.
std::vector<std::string> Arguments() {
  std::vector<std::string> args = km62rx::settings::windows::CommandLineArguments();
  if (!args.empty())
    args.erase(args.begin());
  return args;
}

// The message loop; IsDialogMessage gives the window's controls Tab, the
// arrow keys and Space as in a dialog.
int RunMessageLoop(HWND window) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsWindow(window) && IsDialogMessageW(window, &message))
      continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  // The language comes first: every text is made in it.
  km62rx::SetLanguage(km62rx::WindowsLanguage());

  using Action = km62rx::ui::WindowArguments::Action;
  const km62rx::ui::WindowArguments arguments = km62rx::ui::ReadWindowArguments(Arguments());
  switch (arguments.action) {
    case Action::kHelp:
      km62rx::win32::TellStarter(km62rx::ui::WindowUsage(), StartStream::kOutput);
      return 0;
    case Action::kVersion:
      km62rx::win32::TellStarter(km62rx::ui::WindowVersionLine(), StartStream::kOutput);
      return 0;
    case Action::kUsageError:
      km62rx::win32::TellStarter(km62rx::ui::WindowUsageErrorLine(arguments), StartStream::kError);
      return 2;
    case Action::kOpenWindow:
      break;
  }

  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_STANDARD_CLASSES | ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&controls);

  km62rx::win32::WindowServices services = km62rx::win32::SystemServices();
  services.listPorts = [ports = arguments.ports] {
    std::string note;
    std::vector<std::string> offered = km62rx::device::OfferedPorts(ports, note);
    if (!note.empty())  // for the starter's console only: no box
      km62rx::win32::WriteToStarter(km62rx::ui::WindowNoteLine(note), StartStream::kError);
    return offered;
  };
  services.closed = [] { PostQuitMessage(0); };

  km62rx::win32::MainWindow window(std::move(services), std::make_unique<km62rx::device::PortLine>(
                                                            km62rx::device::MakeLineForPort));
  if (window.Handle() == nullptr)
    return 0;
  window.Show(showCommand);
  return RunMessageLoop(window.Handle());
}
