// The controls built from the page table, the program's access to them, and
// the interface font.
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>

#include "app/ui_font.h"
#include "ui/page_table.h"
#include "ui/qt/control_factory.h"
#include "window_fixture.h"

namespace km62rx::testing {
namespace {

using ui::ControlKind;

template <typename Visit>
void ForEachSpec(Visit visit) {
  for (const auto* table :
       {&ui::LinkPanelControls(), &ui::SettingsAreaControls(), &ui::PageControlSpecs()}) {
    for (const ui::ControlSpec& def : *table)
      visit(def);
  }
}

TEST_F(WindowTest, ControlsFollowTheTable) {
  // One control of each kind.
  for (int id : {1000, 200, 400, 700, 1003, 800, 510, 550, 620, 645, 330}) {
    const ui::ControlSpec& def = *ui::FindControlSpec(id);
    SCOPED_TRACE(id);
    QWidget* w = widget(id);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->parentWidget(), window->ClientArea());
    const ui::Geometry& g = def.geometry;
    const int height = def.kind == ControlKind::kCombo ? ui::kClosedComboHeight : g.height;
    EXPECT_EQ(w->geometry(), QRect(g.x, g.y, g.width, height));
    EXPECT_EQ(w->isHidden(), def.page > 0);
    if (QLineEdit* field = edit(id)) {
      EXPECT_EQ(field->text().toStdString(), def.text);
      EXPECT_EQ(field->maxLength(), def.limit > 0 ? def.limit : 32767);
      const bool digits =
          def.kind == ControlKind::kTimeField || def.kind == ControlKind::kNumberField;
      EXPECT_EQ(field->validator() != nullptr, digits);
      EXPECT_EQ(field->alignment().testFlag(Qt::AlignRight), def.kind == ControlKind::kNumberField);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
      EXPECT_EQ(combo->count(), static_cast<int>(def.items.size()));
      EXPECT_EQ(combo->currentIndex(), def.initialIndex);
    }
  }
  EXPECT_EQ(Text(336), "日付 + 時刻");  // a combo that starts past its first item

  const QRect client = window->ClientArea()->rect();
  for (QWidget* child : window->ClientArea()->findChildren<QWidget*>()) {
    if (child->objectName().startsWith(QStringLiteral("ctl"))) {
      EXPECT_TRUE(client.contains(child->geometry())) << child->objectName().toStdString();
    }
  }
}

TEST_F(WindowTest, ProgramAccessCutsToTheLimitButNeverFilters) {
  controls().SetText(510, "abc");
  EXPECT_EQ(Text(510), "ab");
  controls().SetText(645, ".-");
  EXPECT_EQ(Text(645), ".-");
  controls().SetComboIndex(330, 2);
  controls().SetComboIndex(330, 3);  // outside the items: ignored
  controls().SetComboIndex(330, -1);
  EXPECT_EQ(Text(330), "Byte");
  controls().SetChecked(845, true);
  EXPECT_TRUE(controls().Checked(845));
  EXPECT_FALSE(controls().Checked(415));  // a push button is never checked
  EXPECT_EQ(Text(9999), "");
}

// The interface font: fixed pitch, so headers aligned with blanks line up;
// a glyph for every text; and every label, check and button text fits.
TEST_F(WindowTest, TextsHaveGlyphsAndFitTheirControls) {
  const QFontMetrics metrics(app::UiFont());
  EXPECT_EQ(QFontInfo(app::UiFont()).pixelSize(), 12);
  const int half = metrics.horizontalAdvance(QLatin1Char(' '));
  EXPECT_EQ(metrics.horizontalAdvance(QLatin1Char('i')), half);
  EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("有")), 2 * half);
  std::vector<std::string> texts = {"接続状態 : 接続中 (ファームウェア Ver1.01)",
                                    "SDカード : 書込保護", "再接続"};
  for (const ui::TreeItemSpec& item : ui::TreeItems())
    texts.push_back(item.text);
  ForEachSpec([&](const ui::ControlSpec& def) {
    texts.push_back(def.text);
    texts.insert(texts.end(), def.items.begin(), def.items.end());
    if (def.kind == ControlKind::kLabel || def.kind == ControlKind::kPushButton ||
        def.kind == ControlKind::kCheck) {
      const QWidget* w = widget(def.id);
      const int room = w->width() - (def.kind == ControlKind::kCheck ? 20 : 4);
      EXPECT_LE(w->fontMetrics().horizontalAdvance(QString::fromStdString(def.text)), room)
          << def.id << " " << def.text;
    }
  });
  for (const std::string& text : texts) {
    for (const uint c : QString::fromStdString(text).toUcs4())
      EXPECT_TRUE(metrics.inFontUcs4(c)) << text << " U+" << std::hex << c;
  }
}

}  // namespace
}  // namespace km62rx::testing
