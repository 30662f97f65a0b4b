#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "device/settings_commands.h"
#include "page_expect.h"
#include "sim_connection.h"

namespace km62rx::testing {

// One settings operation against a simulator that gives fixed replies for
// some command prefixes ("PREFIX=REPLY", the CR is added by the simulator).
struct ReplyCase {
  std::string name;
  std::vector<std::string> replies;
  int (*operation)(device::CommandContext&);
  std::function<void(device::PageControls&)> setup;
  int result = 1;
  std::vector<RecordingNotifier::Box> boxes{};
  std::vector<PageExpect> expects{};
  std::optional<std::vector<std::string>> lines{};  // when given: every line sent
};

inline void RunReplyCase(const ReplyCase& c) {
  SCOPED_TRACE(c.name);
  std::vector<std::string> options;
  for (const std::string& reply : c.replies) {
    options.push_back("--reply");
    options.push_back(reply);
  }
  SimConnection connection(options);
  ASSERT_TRUE(connection.connected);
  if (c.setup)
    c.setup(connection.pages);
  EXPECT_EQ(c.operation(connection.ctx), c.result);
  EXPECT_EQ(connection.boxes.boxes, c.boxes);
  ExpectPages(connection.pages, c.expects);
  if (c.lines) {
    EXPECT_EQ(connection.Sent(), *c.lines);
  }
}

inline const RecordingNotifier::Box kInvalidReply{"応答エラー",
                                                  "KM-62RXからの応答が不正な値です。"};
inline const RecordingNotifier::Box kMismatch{
    "応答エラー", "コマンド応答が要求したコマンドの内容と一致しません。"};
inline const RecordingNotifier::Box kSdCard{"エラー", "本体内SDカードへのアクセスに失敗しました。"};

}  // namespace km62rx::testing
