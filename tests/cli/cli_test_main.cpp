// The one main() of the command-line tool's tests.
#include <gtest/gtest.h>

#include "settings/language.h"

int main(int argc, char** argv) {
  km62rx::SetLanguage(km62rx::LanguageFromEnvironment());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
