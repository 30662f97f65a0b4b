#pragma once

#include <string>
#include <vector>

namespace km62rx::cli {

// Exit statuses of the command-line tool.
inline constexpr int kExitDone = 0;
inline constexpr int kExitProblem = 1;  // done, but the reader or a setting reported a problem
inline constexpr int kExitUsage = 2;    // usage error, unreadable file, no settings-file header
inline constexpr int kExitLink = 3;     // port not opened, logger not identified, link failed

// Runs the tool: argv[1] names the command.
int RunCli(int argc, char** argv);

// The arguments after the command name.
using Args = std::vector<std::string>;

// One function per command, each in its own file.
int CmdDefaults(const Args& args);
int CmdCheck(const Args& args);
int CmdPorts(const Args& args);
int CmdInfo(const Args& args);
int CmdClock(const Args& args);
int CmdSend(const Args& args);
int CmdDiff(const Args& args);
int CmdReceive(const Args& args);
int CmdClockFile(const Args& args);

}  // namespace km62rx::cli
