#include "ui/window_commands.h"

#include "device/clock_commands.h"
#include "device/connection.h"
#include "device/link_status.h"
#include "device/settings_runs.h"
#include "settings/control_ids.h"
#include "ui/file_commands.h"

namespace km62rx::ui {
namespace {

void ApplyAvailability(WindowCommandContext& ctx, int connected) {
  device::ApplyControlAvailability(ctx.pages, connected, ctx.link.sdState,
                                   ctx.link.timestampSupported);
}

// Runs a device operation with the send, receive and clock buttons disabled,
// then applies the real state, which the operation may have changed.
template <typename Operation>
void WithDeviceButtonsOff(WindowCommandContext& ctx, Operation&& operation) {
  ApplyAvailability(ctx, 0);
  operation();
  ApplyAvailability(ctx, ctx.link.connected);
}

void Exit(WindowCommandContext& ctx) {
  ctx.host.CloseWindow();
}

void About(WindowCommandContext& ctx) {
  ctx.host.RunAboutBox();
}

void Connect(WindowCommandContext& ctx) {
  ctx.host.RunConnectDialog();
}

void Disconnect(WindowCommandContext& ctx) {
  device::CloseDeviceLink(ctx.link);
}

void Send(WindowCommandContext& ctx) {
  const BusyScope busy(ctx.host);
  WithDeviceButtonsOff(ctx, [&] {
    device::CommandContext commands{ctx.link, ctx.pages, ctx.notifier};
    device::SendAllSettings(commands);
  });
}

void Receive(WindowCommandContext& ctx) {
  const BusyScope busy(ctx.host);
  WithDeviceButtonsOff(ctx, [&] {
    device::CommandContext commands{ctx.link, ctx.pages, ctx.notifier};
    device::ReceiveAllSettings(commands);
  });
}

void SaveFile(WindowCommandContext& ctx) {
  const auto chooser = ctx.host.MakeFileChooser();
  SaveSettingsToFile(ctx.pages, *chooser, ctx.notifier);
}

void LoadFile(WindowCommandContext& ctx) {
  const auto chooser = ctx.host.MakeFileChooser();
  LoadSettingsFromFile(ctx.pages, *chooser, ctx.notifier);
}

void ClockFromPc(WindowCommandContext& ctx) {
  const BusyScope busy(ctx.host);
  WithDeviceButtonsOff(ctx,
                       [&] { device::SetLoggerClockFromPc(ctx.link, ctx.clock, ctx.notifier); });
}

// The dialog waits for the user, so no busy cursor.
void ClockToLogger(WindowCommandContext& ctx) {
  WithDeviceButtonsOff(ctx, [&] { ctx.host.RunClockDialog(1); });
}

void ClockToFile(WindowCommandContext& ctx) {
  ctx.host.RunClockDialog(0);
}

struct Command {
  int id;
  void (*run)(WindowCommandContext&);
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

constexpr int kButtons[] = {
    ids::kConnectButton,     ids::kDisconnectButton,      ids::kSendButton,
    ids::kReceiveButton,     ids::kSaveFileButton,        ids::kLoadFileButton,
    ids::kClockFromPcButton, ids::kClockFromDialogButton, ids::kClockToFileButton,
};

}  // namespace

bool RunWindowCommand(int id, WindowCommandContext& ctx) {
  for (const Command& command : kCommands) {
    if (command.id == id) {
      command.run(ctx);
      return true;
    }
  }
  return false;
}

std::span<const int> WindowButtonCommands() {
  return kButtons;
}

}  // namespace km62rx::ui
