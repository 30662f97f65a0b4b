#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace km62rx {

// Shows one message to the user and waits until it is dismissed: a modal box
// with a title, a text and only an OK button in the window, one line on
// stderr in the command-line tool, a record in tests. Texts use CR LF line
// breaks.
class Notifier {
 public:
  virtual ~Notifier() = default;
  virtual void Show(std::string_view title, std::string_view text) = 0;
};

// Passes every message on to another notifier and counts them, so that a
// part which reports through a notifier can also tell its caller how many
// things it reported.
class ReportTally : public Notifier {
 public:
  explicit ReportTally(Notifier& inner) : inner_(inner) {}
  void Show(std::string_view title, std::string_view text) override {
    ++count_;
    inner_.Show(title, text);
  }
  int count() const { return count_; }

 private:
  Notifier& inner_;
  int count_ = 0;
};

// Keeps every message, for tests.
class RecordingNotifier : public Notifier {
 public:
  struct Box {
    std::string title;
    std::string text;
    friend bool operator==(const Box&, const Box&) = default;
  };
  void Show(std::string_view title, std::string_view text) override {
    boxes.push_back({std::string(title), std::string(text)});
  }
  std::vector<Box> boxes;
};

}  // namespace km62rx
