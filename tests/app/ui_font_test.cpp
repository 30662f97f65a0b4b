// The interface font: a fixed-pitch face that has a glyph for every text of
// the window, so nothing shows as an empty box.
#include <QFontInfo>
#include <QFontMetrics>

#include "app/ui_font.h"
#include "ui/page_table.h"
#include "window_fixture.h"

namespace km62rx::testing {
namespace {

TEST(UiFont, IsFixedPitchTwelvePixelsAndCoversEveryText) {
  const QFont font = app::UiFont();
  const QFontInfo info(font);
  EXPECT_EQ(info.pixelSize(), 12);
  const QFontMetrics metrics(font);
  // Half-width characters share one width and full-width ones take two, so
  // the column headers line their words up with blanks.
  const int half = metrics.horizontalAdvance(QLatin1Char(' '));
  EXPECT_EQ(metrics.horizontalAdvance(QLatin1Char('i')), half) << info.family().toStdString();
  EXPECT_EQ(metrics.horizontalAdvance(QLatin1Char('W')), half);
  EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("有")), 2 * half);
  EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("　")), 2 * half);
  std::vector<std::string> texts = {"接続状態 : 接続中 (ファームウェア Ver1.01)",
                                    "SDカード : 書込保護", "再接続"};
  for (const auto* table :
       {&ui::LinkPanelControls(), &ui::SettingsAreaControls(), &ui::PageControlSpecs()}) {
    for (const ui::ControlSpec& spec : *table) {
      texts.push_back(spec.text);
      texts.insert(texts.end(), spec.items.begin(), spec.items.end());
    }
  }
  for (const ui::TreeItemSpec& item : ui::TreeItems())
    texts.push_back(item.text);
  for (const std::string& text : texts) {
    for (const uint c : QString::fromStdString(text).toUcs4()) {
      EXPECT_TRUE(metrics.inFontUcs4(c)) << text << " U+" << std::hex << c;
    }
  }
}

TEST_F(WindowTest, TextsFitTheirControls) {
  // Labels, check boxes and buttons: the text is narrower than the control.
  for (const auto* table : {&ui::SettingsAreaControls(), &ui::PageControlSpecs()}) {
    for (const ui::ControlSpec& spec : *table) {
      if (spec.kind != ui::ControlKind::kLabel && spec.kind != ui::ControlKind::kPushButton &&
          spec.kind != ui::ControlKind::kCheck) {
        continue;
      }
      const QWidget* w = widget(spec.id);
      const int textWidth = w->fontMetrics().horizontalAdvance(QString::fromStdString(spec.text));
      const int room = spec.kind == ui::ControlKind::kCheck ? w->width() - 20 : w->width() - 4;
      EXPECT_LE(textWidth, room) << spec.id << " " << spec.text;
    }
  }
}

}  // namespace
}  // namespace km62rx::testing
