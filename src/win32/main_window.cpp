#include "win32/main_window.h"

#include <commctrl.h>

#include <algorithm>

#include "device/connection.h"
#include "device/link_status.h"
#include "settings/control_ids.h"
#include "ui/main_window_description.h"
#include "ui/window_commands.h"
#include "win32/control_factory.h"
#include "win32/dialogs.h"
#include "win32/dpi.h"
#include "win32/field_events.h"
#include "win32/wide_text.h"
#include "win32/window_messages.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

namespace km62rx::win32 {
namespace {

constexpr wchar_t kClassName[] = L"KM62RXSET";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The window's outer size for the described client area and menu at dpi
// (AdjustWindowRectExForDpi where the system has it, loaded at run time).
SIZE WindowSize(UINT dpi) {
  using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = [] {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 == nullptr ? nullptr
                             : reinterpret_cast<AdjustForDpi>(reinterpret_cast<void*>(
                                   GetProcAddress(user32, "AdjustWindowRectExForDpi")));
  }();
  const ui::MainWindowDescription& description = ui::DescribedMainWindow();
  RECT rect{0, 0, Scale(description.clientWidth, dpi), Scale(description.clientHeight, dpi)};
  if (adjustForDpi == nullptr || !adjustForDpi(&rect, kStyle, TRUE, 0, dpi))
    AdjustWindowRectEx(&rect, kStyle, TRUE, 0);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

HMENU BuildMenu() {
  HMENU bar = CreateMenu();
  for (const ui::Menu& menu : ui::DescribedMainWindow().menus) {
    HMENU popup = CreatePopupMenu();
    for (const ui::MenuItem& item : menu.items)
      AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(item.id), Widen(item.text.Get()).c_str());
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), Widen(menu.title.Get()).c_str());
  }
  return bar;
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  if (GetClassInfoExW(instance, kClassName, &windowClass))
    return;
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, L"MYICON");
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
}

const Clock& ClockOf(const WindowServices& services) {
  static const SystemClock systemClock;
  return services.clock != nullptr ? *services.clock : systemClock;
}

bool IsCommandButton(int id) {
  const auto buttons = ui::WindowButtonCommands();
  return std::find(buttons.begin(), buttons.end(), id) != buttons.end();
}

// The cursor of the window under the pointer, as moving the pointer would
// set it.
void RestoreCursor() {
  POINT point{};
  GetCursorPos(&point);
  HWND under = WindowFromPoint(point);
  if (under == nullptr || GetWindowThreadProcessId(under, nullptr) != GetCurrentThreadId()) {
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    return;
  }
  const LRESULT hit = SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
  SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
               MAKELPARAM(static_cast<WORD>(hit), WM_MOUSEMOVE));
}

}  // namespace

MainWindow::MainWindow(WindowServices services, std::unique_ptr<device::SerialLine> line)
    : services_(std::move(services)),
      // A logger that goes away (unplugged, switched off) is shown as not
      // connected at once, without a box: there is nothing the user must
      // confirm.
      line_(std::make_unique<LineLossTimer>(std::move(line),
                                            [this] { device::CloseDeviceLink(link_); })),
      link_(*line_) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterWindowClass(instance, Procedure);
  const SIZE size = WindowSize(kDefaultDpi);
  CreateWindowExW(0, kClassName, Widen(ui::DescribedMainWindow().title).c_str(), kStyle,
                  CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy, nullptr, BuildMenu(), instance,
                  this);
  if (window_ != nullptr)
    Build();
}

MainWindow::~MainWindow() {
  // The controls go before the records their events and commands refer to;
  // a field that has the focus is left first, while everything still exists.
  if (window_ != nullptr)
    DestroyWindow(window_);
  link_.view = nullptr;
}

void MainWindow::Build() {
  dpi_ = WindowDpi(window_);
  const SIZE size = WindowSize(dpi_);
  SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  font_ = MakeFont(ui::DescribedMainWindow().font, dpi_);

  controls_ = std::make_unique<Win32PageControls>(window_);
  notifier_ = services_.makeNotifier(window_);
  queue_ = std::make_unique<QueuedCalls>(window_, kQueuedCallMessage);
  line_->SetWindow(window_);
  ctx_ = {.mainWindow = window_,
          .link = &link_,
          .pages = controls_.get(),
          .mainNotifier = notifier_.get(),
          .host = this,
          .clock = &ClockOf(services_),
          .listPorts = services_.listPorts,
          .makeNotifier = services_.makeNotifier};

  built_ = BuildWindowControls(window_, dpi_);
  PlaceControls(built_, dpi_, font_.get());
  for (const PlacedControl& control : built_.all) {
    if (IsEditKind(control.def->kind))
      AttachFieldEvents(control.window, *controls_);
  }
  panel_ = std::make_unique<ui::LinkPanel>(
      *controls_, [this](int connected, int sdState) { ApplyAvailability(connected, sdState); });
  pageSwitch_ = std::make_unique<PageSwitch>(built_.tree, built_.pages, *queue_, [this] {
    ApplyAvailability(link_.connected, link_.sdState);
  });
  link_.view = panel_.get();
  device::RefreshLinkStatus(link_);
}

void MainWindow::Show(int showCommand) {
  if (window_ == nullptr)
    return;
  ShowWindow(window_, showCommand);
  UpdateWindow(window_);
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return self != nullptr ? self->Handle(message, wParam, lParam)
                         : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = window_;
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const bool fromMenu = lParam == 0 && HIWORD(wParam) == 0;
      const bool fromButton = lParam != 0 && HIWORD(wParam) == BN_CLICKED && IsCommandButton(id);
      if (!fromMenu && !fromButton)
        break;
      RunCommand(id);
      return 0;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      // Only a click switches pages, never a selection the keyboard moved.
      if (header->idFrom == ids::kPageTree && header->code == NM_CLICK && pageSwitch_)
        pageSwitch_->Click();
      break;
    }
    case WM_ACTIVATE:
      // The control that had the focus gets it back when the window is
      // active again.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focused = GetFocus();
        if (focused != nullptr && IsChild(window, focused))
          lastFocus_ = focused;
      }
      break;
    case WM_SETFOCUS:
      if (lastFocus_ == nullptr || !IsChild(window, lastFocus_) || !IsWindowVisible(lastFocus_) ||
          !IsWindowEnabled(lastFocus_))
        lastFocus_ = GetNextDlgTabItem(window, nullptr, FALSE);  // the first in the tab order
      if (lastFocus_ != nullptr)
        SetFocus(lastFocus_);
      return 0;
    case kQueuedCallMessage:
      if (queue_)
        queue_->RunNext();
      return 0;
    case WM_TIMER:
      if (wParam != kLineCheckTimer)
        break;
      [[fallthrough]];
    case kCheckLineMessage:
      line_->Check();
      return 0;
    case WM_SETCURSOR:
      if (busy_ > 0) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_GETDPISCALEDSIZE:
      *reinterpret_cast<SIZE*>(lParam) = WindowSize(static_cast<UINT>(wParam));
      return TRUE;
    case WM_DPICHANGED:
      ApplyDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_DESTROY:
      device::DestroyDeviceLink(link_);  // disconnects only while connected
      if (services_.closed)
        services_.closed();
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      line_->SetWindow(nullptr);
      window_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void MainWindow::ApplyDpi(UINT dpi, const RECT& suggested) {
  dpi_ = dpi;
  FontHandle font = MakeFont(ui::DescribedMainWindow().font, dpi);
  PlaceControls(built_, dpi, font.get());
  font_ = std::move(font);  // the old font goes once no control uses it
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::ApplyAvailability(int connected, int sdState) {
  device::ApplyControlAvailability(*controls_, connected, sdState, link_.timestampSupported);
}

void MainWindow::RunCommand(int id) {
  ui::WindowCommandContext commands{link_, *controls_, *notifier_, ClockOf(services_), *this};
  // A command may have met the logger going in the middle of a wait; that
  // is told (once the command's event is done) as a loss noticed while idle.
  if (ui::RunWindowCommand(id, commands) && window_ != nullptr)
    PostMessageW(window_, kCheckLineMessage, 0, 0);
}

void MainWindow::CloseWindow() {
  if (window_ != nullptr)
    SendMessageW(window_, WM_CLOSE, 0, 0);
}

void MainWindow::RunAboutBox() {
  ShowAboutBox(window_);
}

void MainWindow::RunConnectDialog() {
  win32::RunConnectDialog(ctx_);
}

void MainWindow::RunClockDialog(int clockDialogTarget) {
  win32::RunClockDialog(ctx_, clockDialogTarget);
}

void MainWindow::SetBusy(bool busy) {
  busy_ += busy ? 1 : -1;
  if (busy_ > 0)
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  else
    RestoreCursor();
}

std::unique_ptr<FileChooser> MainWindow::MakeFileChooser() {
  return services_.makeFileChooser(window_);
}

}  // namespace km62rx::win32
