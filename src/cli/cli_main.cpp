#include "cli/cli.h"

int main(int argc, char** argv) {
  return km62rx::cli::RunCli(argc, argv);
}
