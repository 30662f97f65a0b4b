#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace km62rx::cli {

// Where a file the command line is asked to write (-o, --backup) leads. A
// name such as /dev/stdout, /dev/fd/1 or /proc/self/fd/1, or a file that is
// the one the shell opened for a redirection, is one of the streams the
// program was started with, and replacing it through a rename would throw
// away what the stream holds (the 1,000 lines before "-o /dev/stdout >>
// log.txt"). The streams are compared by the file they are (device and
// inode), as they were at start-up, so the serial line's own descriptor never
// counts.
enum class OutputTarget {
  kFile,            // a file of its own (or one that does not exist yet)
  kStandardInput,   // the file behind standard input
  kStandardOutput,  // the file behind standard output
  kStandardError,   // the file behind standard error
};

// Takes note of what descriptors 0, 1 and 2 are. Called once at start-up,
// before any port or file is opened.
void RememberStandardStreams();

// Where path leads. "-" is not a path here: the caller handles it.
OutputTarget WhereOutputLeads(const std::string& path);

// Whether the output path is the same file as the input the command reads
// ("-": standard input as it was at start-up): a backup written there would
// replace the settings about to be sent. A path that does not exist is no
// such file.
bool SameFileAsInput(const std::string& output, const std::string& input);

// Empty when the file an option names (-o, --backup) may be written as a file
// of its own; else what is wrong, for a usage error. input is the settings
// file the command reads ("-": standard input), or empty.
std::string WhyNotAFileOfItsOwn(std::string_view option, const std::string& target,
                                const std::string& input = {});

// Empty when the files an option names may be written for every port; else
// what is wrong, for a usage error. With several ports path must be a folder
// in which each port's file gets a name of its own; every port's file must
// then be a file of its own, as WhyNotAFileOfItsOwn says.
std::string CheckLoggerTargets(std::string_view option, const std::string& path,
                               const std::vector<std::string>& ports,
                               const std::string& input = {});

}  // namespace km62rx::cli
