#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace km62rx::cli {

// With several loggers, -o and --backup name an existing folder, and each
// logger's file in it is named after its port: the last part of a device
// path (/dev/ttyUSB0 and ttyUSB0 give "ttyUSB0.CFG", a /dev/serial/by-id link
// its own name), "HOST_PORT.CFG" for a network port socket://HOST:PORT
// (brackets of an IPv6 address left out). Any character other than a letter,
// a digit, '-', '_' or '.' becomes '_', and so does a leading '.', so the name
// stays within the folder and shows in a plain listing. A name Windows keeps
// for a device (COM3, NUL) gets a leading '_': "_COM3.CFG".
std::string LoggerFileName(std::string_view port);

// The file of port's logger for the path given with -o or --backup: the path
// itself with one logger, the file in that folder with several.
std::string LoggerFilePath(const std::string& path, const std::string& port, bool severalLoggers);

// Empty when path is an existing folder in which the ports' files get names
// of their own; else what is wrong, for a usage error.
std::string CheckLoggerFolder(const std::string& path, const std::vector<std::string>& ports);

}  // namespace km62rx::cli
