#pragma once

#include <string>
#include <string_view>

#include "settings/notifier.h"

namespace km62rx::cli {

// Shows nothing: for runs the user does not see as such (a send tried out
// against a stand-in, pages read only to compare them).
class SilentBoxes : public Notifier {
 public:
  void Show(std::string_view, std::string_view) override {}
};

// Passes every message on except those with one title, such as the
// completion box of a read-back the user did not ask for as a receive.
class BoxesWithout : public Notifier {
 public:
  BoxesWithout(Notifier& inner, std::string_view title) : inner_(inner), title_(title) {}
  void Show(std::string_view title, std::string_view text) override {
    if (title != title_)
      inner_.Show(title, text);
  }

 private:
  Notifier& inner_;
  std::string title_;
};

}  // namespace km62rx::cli
