// Times the Win32 window's start: prints the milliseconds from main until the main window has
// been shown and painted, then closes it. Run by scripts/bench-window-wine.sh under Wine.

#include <windows.h>
// windows.h first: commctrl.h needs its types.
#include <commctrl.h>

#include <cstdio>
#include <memory>

#include "device/line_for_port.h"
#include "device/port_line.h"
#include "win32/main_window.h"
#include "win32/window_services.h"

int main() {
  LARGE_INTEGER frequency, start, shown;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_STANDARD_CLASSES | ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  km62rx::win32::WindowServices services = km62rx::win32::SystemServices();
  services.listPorts = [] { return std::vector<std::string>{}; };
  services.closed = [] { PostQuitMessage(0); };
  km62rx::win32::MainWindow window(std::move(services), std::make_unique<km62rx::device::PortLine>(
                                                            km62rx::device::MakeLineForPort));
  if (window.Handle() == nullptr)
    return 1;
  window.Show(SW_SHOWNORMAL);
  UpdateWindow(window.Handle());  // the first paint, done before this returns
  QueryPerformanceCounter(&shown);
  std::printf("%lld\n", (shown.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart);
  std::fflush(stdout);
  DestroyWindow(window.Handle());
  return 0;
}
