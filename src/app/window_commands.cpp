#include "app/window_commands.h"

#include <QWidget>

#include "app/about_dialog.h"
#include "app/busy_cursor.h"
#include "app/clock_dialog.h"
#include "app/connect_dialog.h"
#include "device/clock_commands.h"
#include "device/connection.h"
#include "device/settings_runs.h"
#include "settings/control_ids.h"
#include "ui/file_commands.h"

namespace km62rx::app {
namespace {

// Runs a device operation with the send, receive and clock buttons disabled,
// then applies the real state, which the operation may have changed.
template <typename Operation>
void WithDeviceButtonsOff(AppContext& ctx, Operation&& operation) {
  if (ctx.updateControlAvailability)
    ctx.updateControlAvailability(0, ctx.link->sdState);
  operation();
  if (ctx.updateControlAvailability) {
    ctx.updateControlAvailability(ctx.link->connected, ctx.link->sdState);
  }
}

device::CommandContext CommandsOver(AppContext& ctx) {
  return device::CommandContext{*ctx.link, *ctx.pages, *ctx.mainNotifier};
}

void Exit(AppContext& ctx) {
  if (ctx.mainWindow != nullptr)
    ctx.mainWindow->close();
}

void About(AppContext& ctx) {
  ShowAboutBox(ctx.mainWindow);
}

void Connect(AppContext& ctx) {
  RunConnectDialog(ctx);
}

void Disconnect(AppContext& ctx) {
  device::CloseDeviceLink(*ctx.link);
}

void Send(AppContext& ctx) {
  const BusyCursor busy;
  WithDeviceButtonsOff(ctx, [&] {
    device::CommandContext commands = CommandsOver(ctx);
    device::SendAllSettings(commands);
  });
}

void Receive(AppContext& ctx) {
  const BusyCursor busy;
  WithDeviceButtonsOff(ctx, [&] {
    device::CommandContext commands = CommandsOver(ctx);
    device::ReceiveAllSettings(commands);
  });
}

void SaveFile(AppContext& ctx) {
  const auto chooser = ctx.services->makeFileChooser(ctx.mainWindow);
  ui::SaveSettingsToFile(*ctx.pages, *chooser, *ctx.mainNotifier);
}

void LoadFile(AppContext& ctx) {
  const auto chooser = ctx.services->makeFileChooser(ctx.mainWindow);
  ui::LoadSettingsFromFile(*ctx.pages, *chooser, *ctx.mainNotifier);
}

void ClockFromPc(AppContext& ctx) {
  const BusyCursor busy;
  WithDeviceButtonsOff(ctx, [&] {
    device::SetLoggerClockFromPc(*ctx.link, *ctx.services->clock, *ctx.mainNotifier);
  });
}

void ClockToLogger(AppContext& ctx) {
  WithDeviceButtonsOff(ctx, [&] { RunClockDialog(ctx, 1); });
}

void ClockToFile(AppContext& ctx) {
  RunClockDialog(ctx, 0);
}

struct Command {
  int id;
  void (*run)(AppContext&);
};

constexpr Command kCommands[] = {
    {ids::kMenuExit, Exit},
    {ids::kMenuAbout, About},
    {ids::kConnectButton, Connect},
    {ids::kDisconnectButton, Disconnect},
    {ids::kSendButton, Send},
    {ids::kReceiveButton, Receive},
    {ids::kSaveFileButton, SaveFile},
    {ids::kLoadFileButton, LoadFile},
    {ids::kClockFromPcButton, ClockFromPc},
    {ids::kClockFromDialogButton, ClockToLogger},
    {ids::kClockToFileButton, ClockToFile},
};

}  // namespace

bool RunWindowCommand(int id, AppContext& ctx) {
  for (const Command& command : kCommands) {
    if (command.id == id) {
      command.run(ctx);
      return true;
    }
  }
  return false;
}

const std::vector<int>& WindowButtonCommands() {
  static const std::vector<int> buttons = {
      ids::kConnectButton,     ids::kDisconnectButton,      ids::kSendButton,
      ids::kReceiveButton,     ids::kSaveFileButton,        ids::kLoadFileButton,
      ids::kClockFromPcButton, ids::kClockFromDialogButton, ids::kClockToFileButton,
  };
  return buttons;
}

}  // namespace km62rx::app
