// The controls built from the page table, the program's access to them, and
// the interface font.
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>

#include "app/ui_font.h"
#include "device/control_ids.h"
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

// The control IDs the outside world sees as the widgets' "ctl<ID>" names,
// pinned as numbers: the only place in the tests that writes them so.
TEST_F(WindowTest, ControlNamesPinTheirIds) {
  const std::pair<int, int> pinned[] = {{200, ids::kStatusLine},
                                        {201, ids::kSdLine},
                                        {400, ids::kConnectButton},
                                        {401, ids::kDisconnectButton},
                                        {415, ids::kSendButton},
                                        {416, ids::kReceiveButton},
                                        {417, ids::kSaveFileButton},
                                        {418, ids::kLoadFileButton},
                                        {420, ids::kClockFromPcButton},
                                        {421, ids::kClockFromDialogButton},
                                        {422, ids::kClockToFileButton},
                                        {700, ids::kPageTree},
                                        {800, ids::StartDataCheck(0)},
                                        {521, ids::StartDataByte(2, 3)},
                                        {822, ids::StopDataCheck(2)},
                                        {570, ids::StopDataByte(0, 0)},
                                        {816, ids::StartTimeCheck(6)},
                                        {316, ids::StartTimeWeekday(6)},
                                        {556, ids::StartTimeHour(6)},
                                        {566, ids::StartTimeMinute(6)},
                                        {830, ids::StopTimeCheck(0)},
                                        {320, ids::StopTimeWeekday(0)},
                                        {600, ids::StopTimeHour(0)},
                                        {610, ids::StopTimeMinute(0)},
                                        {840, ids::kStopIdleCheck},
                                        {620, ids::kStopIdleField},
                                        {845, ids::kStopSizeCheck},
                                        {630, ids::kStopSizeField},
                                        {330, ids::kStopSizeUnit},
                                        {850, ids::kStopLogTimeCheck},
                                        {640, ids::kLogDays},
                                        {643, ids::kLogSeconds},
                                        {645, ids::kExtensionField},
                                        {335, ids::kTimestampModeCombo},
                                        {336, ids::kTimestampTypeCombo},
                                        {337, ids::kTimestampSerialCombo},
                                        {646, ids::kSeparatorField},
                                        {659, ids::ExcludedByte(9)},
                                        {862, ids::TimestampStartCheck(2)},
                                        {660, ids::TimestampStartByte(0, 0)},
                                        {870, ids::TimestampStopCheck(0)},
                                        {691, ids::TimestampStopByte(2, 3)},
                                        {880, ids::kTimestampIdleCheck},
                                        {695, ids::kTimestampIdleField},
                                        {885, ids::kTimestampSizeCheck},
                                        {696, ids::kTimestampSizeField},
                                        {340, ids::kTimestampSizeUnit}};
  for (const auto& [number, id] : pinned) {
    EXPECT_EQ(number, id);
    const QString name = QStringLiteral("ctl%1").arg(number);
    EXPECT_EQ(window->ClientArea()->findChild<QWidget*>(name), widget(id)) << number;
  }
  // Every named control lies inside the client area.
  const QRect client = window->ClientArea()->rect();
  for (QWidget* child : window->ClientArea()->findChildren<QWidget*>()) {
    if (child->objectName().startsWith(QStringLiteral("ctl")))
      EXPECT_TRUE(client.contains(child->geometry())) << child->objectName().toStdString();
  }
}

TEST_F(WindowTest, ProgramAccessCutsToTheLimitButNeverFilters) {
  controls().SetText(ids::StartDataByte(0, 0), "abc");
  EXPECT_EQ(Text(ids::StartDataByte(0, 0)), "ab");
  controls().SetText(ids::kExtensionField, ".-");
  EXPECT_EQ(Text(ids::kExtensionField), ".-");
  controls().SetComboIndex(ids::kStopSizeUnit, 2);
  controls().SetComboIndex(ids::kStopSizeUnit, 3);  // outside the items: ignored
  controls().SetComboIndex(ids::kStopSizeUnit, -1);
  EXPECT_EQ(Text(ids::kStopSizeUnit), "Byte");
  controls().SetChecked(ids::kStopSizeCheck, true);
  EXPECT_TRUE(controls().Checked(ids::kStopSizeCheck));
  EXPECT_FALSE(controls().Checked(ids::kSendButton));  // a push button is never checked
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
