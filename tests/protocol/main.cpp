#include <gtest/gtest.h>

#include <cstdlib>

#include "settings/language.h"
#include "support/sim_process.h"

// The texts follow the locale, as in the programs.
int main(int argc, char** argv) {
  km62rx::SetLanguage(km62rx::LanguageFromEnvironment());
  ::testing::InitGoogleTest(&argc, argv);
  // The Wine rows run only where scripts/windows-test.sh has built km62rx.exe.
  if (std::getenv("KM62RX_WINE_RUN") != nullptr && !km62rx::testing::UnderWine())
    GTEST_FLAG_SET(filter, "-*");
  return RUN_ALL_TESTS();
}
