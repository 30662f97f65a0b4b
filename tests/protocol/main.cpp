#include <gtest/gtest.h>

#include "settings/language.h"

// The texts follow the locale, as in the programs.
int main(int argc, char** argv) {
  km62rx::SetLanguage(km62rx::LanguageFromEnvironment());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
