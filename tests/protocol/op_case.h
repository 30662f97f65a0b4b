#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "device/settings_commands.h"
#include "settings/notifier.h"
#include "sim_connection.h"

namespace km62rx::testing {

// The state of one page control: set before an operation or expected after.
struct PageValue {
  std::function<void(device::PageControls&)> set;
  std::function<void(const device::PageControls&)> expect;
};
inline PageValue Text(int id, std::string text) {
  return {[=](auto& p) { p.SetText(id, text); },
          [=](const auto& p) { EXPECT_EQ(p.Text(id), text) << "text of " << id; }};
}
inline PageValue Check(int id, bool checked = true) {
  return {[=](auto& p) { p.SetChecked(id, checked); },
          [=](const auto& p) { EXPECT_EQ(p.Checked(id), checked) << "check box " << id; }};
}
inline PageValue Combo(int id, int index) {
  return {[=](auto& p) { p.SetComboIndex(id, index); },
          [=](const auto& p) { EXPECT_EQ(p.ComboIndex(id), index) << "combo " << id; }};
}
using PageValues = std::vector<PageValue>;

inline void SetPages(device::PageControls& pages, const PageValues& values) {
  for (const PageValue& v : values)
    v.set(pages);
}
inline void ExpectPages(const device::PageControls& pages, const PageValues& values) {
  for (const PageValue& v : values)
    v.expect(pages);
}

// Every text, check and selection of the pages, to compare before and after.
inline std::vector<std::string> PagesSnapshot(const device::PageControls& pages) {
  std::vector<std::string> snapshot;
  for (int id = 300; id < 900; ++id) {
    snapshot.push_back(std::to_string(id) + ":" + pages.Text(id) + "|" +
                       std::to_string(pages.Checked(id)) + "|" +
                       std::to_string(pages.ComboIndex(id)));
  }
  return snapshot;
}

using Boxes = std::vector<RecordingNotifier::Box>;
using Lines = std::vector<std::string>;
using Operation = device::StepResult (*)(device::CommandContext&);

// A step result as the tables write it: 1 done, 0 refused, -1 link failed.
inline int TableResult(device::StepResult result) {
  return result == device::StepResult::kDone ? 1
                                             : (result == device::StepResult::kRefused ? 0 : -1);
}

// One settings operation: the pages it starts from, the simulator's fixed
// reply ("PREFIX=REPLY", CR added by the simulator; empty for none), and what
// it must return, show, leave on the pages and send.
struct OpCase {
  std::string name;
  std::string reply;
  Operation operation;
  PageValues setup;
  int result;
  Boxes boxes;
  PageValues expects;
  Lines lines;  // when not empty: every line sent
};

inline void PrintTo(const OpCase& c, std::ostream* os) {
  *os << c.name;
}

// A send operation against the simulator's ordinary answers.
inline OpCase Send(std::string name, Operation operation, PageValues setup, Lines lines,
                   Boxes boxes = {}, PageValues expects = {}) {
  return {std::move(name), "", operation, std::move(setup), 1, std::move(boxes), std::move(expects),
          std::move(lines)};
}

// An operation against one fixed reply of the simulator.
inline OpCase OnReply(std::string name, std::string reply, Operation operation, int result,
                      Boxes boxes, PageValues expects = {}, PageValues setup = {},
                      Lines lines = {}) {
  return {std::move(name), std::move(reply), operation,          std::move(setup),
          result,          std::move(boxes), std::move(expects), std::move(lines)};
}

// Runs the case on connection with the given pages.
inline void RunOpCase(SimConnection& connection, const OpCase& c, device::PageControls& pages) {
  SCOPED_TRACE(c.name);
  SetPages(pages, c.setup);
  RecordingNotifier boxes;
  device::CommandContext ctx{connection.link, pages, boxes};
  connection.Mark();
  EXPECT_EQ(TableResult(c.operation(ctx)), c.result);
  EXPECT_EQ(boxes.boxes, c.boxes);
  ExpectPages(pages, c.expects);
  if (!c.lines.empty()) {
    EXPECT_EQ(connection.Sent(), c.lines);
  }
}

inline const RecordingNotifier::Box kInvalidReply{"応答エラー",
                                                  "KM-62RXからの応答が不正な値です。"};
inline const RecordingNotifier::Box kMismatch{
    "応答エラー", "コマンド応答が要求したコマンドの内容と一致しません。"};
inline const RecordingNotifier::Box kSdCard{"エラー", "本体内SDカードへのアクセスに失敗しました。"};

}  // namespace km62rx::testing
