#pragma once

#include <string_view>

namespace km62rx::win32 {

// Where the desktop program writes what it says before any window opens
// (--help, --version, a usage error, a note about the ports): to the
// standard stream its starter redirected, else to the console of the
// program that started it. False when there is neither.
enum class StartStream { kOutput, kError };
bool WriteToStarter(std::string_view text, StartStream stream);

// Writes text there, or shows it in a box titled "km62rx-settings" when
// there is nowhere to write.
void TellStarter(std::string_view text, StartStream stream);

}  // namespace km62rx::win32
