#pragma once

#include <cstdio>
#include <optional>
#include <string_view>

namespace km62rx::cli {

// On Windows, when stream is a console, writes the UTF-8 text to it as
// UTF-16 (WriteConsoleW), so that Japanese is legible in cmd.exe and
// PowerShell whatever their code page: true when all of it was written.
// Nothing when stream is no console (a file or a pipe, which get the UTF-8
// bytes as they are) or on other systems.
std::optional<bool> WriteToConsole(std::FILE* stream, std::string_view text);

// Makes standard input, output and error binary on Windows: the settings
// file keeps its CR LF (never CR CR LF) and every line ends as written.
void UseBinaryStandardStreams();

}  // namespace km62rx::cli
