#pragma once

#include "device/line_settings.h"

namespace km62rx::device {

// Puts the open terminal fd into raw mode with the line settings: baud
// rate, data bits, parity (checked when parityCheck is set), stop bits,
// and RTS/CTS or XON/XOFF flow control; the receiver is on and the modem
// status lines are ignored. DTR is raised, and with XON/XOFF RTS is held
// low, as the logger expects. A port without modem lines (a
// pseudo-terminal) is no fault. False when fd is not a terminal, the baud
// rate has no termios speed, or the terminal refuses the settings.
bool ConfigureTerminal(int fd, const LineSettings& settings);

}  // namespace km62rx::device
