// The controls built from the page table: where they are, what they hold at
// start, and the typing rules of the plain number and time fields.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "ui/page_table.h"
#include "ui/qt/control_factory.h"
#include "window_fixture.h"

namespace km62rx::testing {
namespace {

using ui::ControlKind;
using ui::ControlSpec;

bool HasWidgetClassOf(const QWidget* widget, ControlKind kind) {
  switch (kind) {
    case ControlKind::kFrame:
    case ControlKind::kVisibleFrame:
      return qobject_cast<const QGroupBox*>(widget) != nullptr;
    case ControlKind::kPushButton:
      return qobject_cast<const QPushButton*>(widget) != nullptr;
    case ControlKind::kLabel:
    case ControlKind::kStatusText:
      return qobject_cast<const QLabel*>(widget) != nullptr;
    case ControlKind::kCheck:
      return qobject_cast<const QCheckBox*>(widget) != nullptr;
    case ControlKind::kHexField:
    case ControlKind::kTimeField:
    case ControlKind::kNumberField:
    case ControlKind::kTextField:
      return qobject_cast<const QLineEdit*>(widget) != nullptr;
    case ControlKind::kCombo:
      return qobject_cast<const QComboBox*>(widget) != nullptr;
    case ControlKind::kTreeView:
      return qobject_cast<const QTreeWidget*>(widget) != nullptr;
  }
  return false;
}

std::vector<const ControlSpec*> AllSpecs() {
  std::vector<const ControlSpec*> specs;
  for (const auto* table :
       {&ui::LinkPanelControls(), &ui::SettingsAreaControls(), &ui::PageControlSpecs()}) {
    for (const ControlSpec& spec : *table) {
      if (ui::FindControlSpec(spec.id) == &spec)
        specs.push_back(&spec);  // skip the second 1003
    }
  }
  return specs;
}

TEST_F(WindowTest, EveryControlSitsAtItsTableGeometryWithItsName) {
  for (const ControlSpec* spec : AllSpecs()) {
    SCOPED_TRACE(spec->id);
    QWidget* w = widget(spec->id);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName().toStdString(), "ctl" + std::to_string(spec->id));
    EXPECT_EQ(w->parentWidget(), window->ClientArea());
    EXPECT_TRUE(HasWidgetClassOf(w, spec->kind));
    const ui::Geometry& g = spec->geometry;
    const int height = spec->kind == ControlKind::kCombo ? ui::kClosedComboHeight : g.height;
    EXPECT_EQ(w->geometry(), QRect(g.x, g.y, g.width, height));
  }
}

TEST_F(WindowTest, ControlsStartWithTheirTableTextsLimitsAndSelections) {
  for (const ControlSpec* spec : AllSpecs()) {
    SCOPED_TRACE(spec->id);
    if (spec->id == 200 || spec->id == 201 || spec->id == 400)
      continue;  // the panel rewrites them
    if (auto* field = edit(spec->id)) {
      EXPECT_EQ(field->text().toStdString(), spec->text);
      EXPECT_EQ(field->maxLength(), spec->limit > 0 ? spec->limit : 32767);
      const bool digitsOnly =
          spec->kind == ControlKind::kTimeField || spec->kind == ControlKind::kNumberField;
      EXPECT_EQ(field->validator() != nullptr, digitsOnly);
      EXPECT_EQ(field->alignment().testFlag(Qt::AlignRight),
                spec->kind == ControlKind::kNumberField);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget(spec->id))) {
      ASSERT_EQ(combo->count(), static_cast<int>(spec->items.size()));
      for (int i = 0; i < combo->count(); ++i) {
        EXPECT_EQ(combo->itemText(i).toStdString(), spec->items[static_cast<std::size_t>(i)]);
      }
      EXPECT_EQ(combo->currentIndex(), spec->initialIndex);
    } else if (spec->kind != ControlKind::kTreeView) {
      EXPECT_EQ(controls().Text(spec->id), spec->text);
    }
    if (spec->page > 0) {
      EXPECT_FALSE(controls().Checked(spec->id));
    }
  }
}

TEST_F(WindowTest, NamedInitialSelectionsAndTexts) {
  EXPECT_EQ(controls().Text(336), "日付 + 時刻");
  EXPECT_EQ(qobject_cast<QComboBox*>(widget(336))->count(), 3);
  EXPECT_EQ(controls().Text(337), "有効");
  EXPECT_EQ(controls().Text(335), "無効");
  EXPECT_EQ(controls().Text(310), "毎日");
  EXPECT_EQ(controls().Text(330), "MByte");
  EXPECT_EQ(controls().Text(645), "LOG");
  EXPECT_EQ(controls().Text(646), ",");
  EXPECT_EQ(controls().Text(800), "トリガー 0");
  EXPECT_EQ(controls().Text(862), "データ 2");
  EXPECT_EQ(controls().Text(550), "0");
  EXPECT_EQ(controls().Text(620), "1");
  EXPECT_EQ(controls().Text(1003), "開始トリガー");
}

TEST_F(WindowTest, TreeHoldsThirteenPagesWithBranchesExpanded) {
  QTreeWidget* tree = window->Pages().Tree();
  ASSERT_EQ(tree->topLevelItemCount(), 4);
  const char* roots[] = {"開始トリガー設定", "停止トリガー設定", "ロギング設定",
                         "タイムスタンプ記録設定"};
  const int children[] = {2, 5, 0, 2};
  for (int i = 0; i < 4; ++i) {
    QTreeWidgetItem* item = tree->topLevelItem(i);
    EXPECT_EQ(item->text(0).toStdString(), roots[i]);
    EXPECT_EQ(item->childCount(), children[i]);
    if (children[i] > 0) {
      EXPECT_TRUE(item->isExpanded()) << roots[i];
    }
  }
  EXPECT_EQ(tree->topLevelItem(1)->child(2)->text(0).toStdString(), "アイドル時間");
  EXPECT_EQ(tree->topLevelItem(1)->child(2)->data(0, ui::kPageRole).toInt(), 7);
  EXPECT_TRUE(tree->selectedItems().isEmpty());
}

TEST_F(WindowTest, ProgramTextIsCutToTheLimitButNotFiltered) {
  controls().SetText(510, "abc");
  EXPECT_EQ(controls().Text(510), "ab");  // lower case stays: only typing is filtered
  controls().SetText(645, ".-");
  EXPECT_EQ(controls().Text(645), ".-");
  controls().SetText(620, "12345678901");
  EXPECT_EQ(controls().Text(620), "123456789");
}

TEST_F(WindowTest, PageControlsReadAndWriteChecksAndCombos) {
  controls().SetChecked(845, true);
  EXPECT_TRUE(controls().Checked(845));
  EXPECT_TRUE(qobject_cast<QCheckBox*>(widget(845))->isChecked());
  controls().SetComboIndex(330, 2);
  EXPECT_EQ(controls().ComboIndex(330), 2);
  EXPECT_EQ(controls().Text(330), "Byte");
  controls().SetComboIndex(330, 3);  // outside the items: unchanged
  EXPECT_EQ(controls().ComboIndex(330), 2);
  controls().SetComboIndex(330, -1);
  EXPECT_EQ(controls().ComboIndex(330), 2);
  EXPECT_FALSE(controls().Checked(415));  // a push button is never checked
  EXPECT_EQ(controls().Text(9999), "");
}

TEST_F(WindowTest, NumberAndTimeFieldsTakeDigitsOnly) {
  ClickPage(3);
  Focus(550);
  edit(550)->selectAll();
  TypeChar('a');
  TypeChar('-');
  TypeChar('2');
  TypeChar('3');
  TypeChar('4');  // the limit of two characters
  EXPECT_EQ(controls().Text(550), "23");
}

}  // namespace
}  // namespace km62rx::testing
