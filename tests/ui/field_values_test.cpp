#include "ui/field_values.h"

#include <gtest/gtest.h>

#include "settings/control_ids.h"
#include "ui/memory_page_controls.h"

namespace km62rx::ui {
namespace {

// Shows any two bytes from 0x80 up at the start as "日" (as Shift_JIS), which
// it writes as "\x93\xFA", and everything else as it is.
struct FakeCodec : FieldCodec {
  Shown Show(std::string_view b) const override {
    return !b.empty() && b[0] & 0x80 ? Shown{"日" + std::string(b.substr(2)), true}
                                     : Shown{std::string(b)};
  }
  std::string Bytes(std::string_view t, bool sjis) const override {
    return sjis && t.starts_with("日") ? "\x93\xFA" + std::string(t.substr(3)) : std::string(t);
  }
};

TEST(FieldValues, KeepTheBytesGivenUntilChangedAndCutToTheLimit) {
  const FakeCodec codec;
  FieldValues values(codec);
  EXPECT_EQ(values.Set(1, "\x88\xEA\x41", 3), "日A");  // not what the codec writes back
  EXPECT_EQ(values.Bytes(1, "日A"), "\x88\xEA\x41");
  EXPECT_EQ(values.Bytes(1, "日B"), "\x93\xFA\x42");  // edited: in the encoding shown
  EXPECT_EQ(values.Set(2, "\x93\xFA\x41\x42\x43", 2), "日A");
  EXPECT_EQ(values.Bytes(2, "日A"), "\x93\xFA\x41");
  EXPECT_EQ(values.Bytes(3, "never set"), "never set");
  EXPECT_EQ(CutToUnits("日本語", 2), "日本");
  EXPECT_EQ(CutToUnits("a\xF0\x9F\x98\x80\x62", 2), "a");  // a pair of units, not split
}

// Pages without a window cut a value's bytes as the window's field would:
// by characters, never inside one.
TEST(FieldValues, BytesAreCutByCharactersOfTheirEncoding) {
  struct Row {
    std::string_view bytes;
    int limit;
    std::string_view kept;
  };
  const Row rows[] = {
      {",;:|+", 4, ",;:|"},
      {"、、、", 2, "、、"},                                // UTF-8: three bytes a character
      {"\x81\x41\x81\x41\x81\x41", 2, "\x81\x41\x81\x41"},  // Shift_JIS pairs
      {"\x81\x41\x61\x81", 3, "\x81\x41\x61\x81"},          // a lone lead byte at the end is one
      {"\x81\x41\x61\x81", 2, "\x81\x41\x61"},              // and is cut as one
      {"\xB1\xB2\xB3", 2, "\xB1\xB2"},                      // half-width kana: one byte each
      {"abcdef", 0, "abcdef"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(CutValueToLimit(row.bytes, row.limit), row.kept) << row.bytes;
  MemoryPageControls pages;
  pages.SetText(ids::kSeparatorField, "\x81\x41\x81\x41\x81\x41\x81\x41\x81\x41");
  EXPECT_EQ(pages.Text(ids::kSeparatorField), "\x81\x41\x81\x41\x81\x41\x81\x41");
}

}  // namespace
}  // namespace km62rx::ui
