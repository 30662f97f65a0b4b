// The controls built from the page table and the interface font, and the events of the page fields
// reaching the field editor (whose rules are checked below the widgets) and its answers reaching
// the widgets: keys with the queued move on, the paste keys, Left and Backspace, composed input,
// and leaving a field.
#include <QClipboard>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputMethodEvent>

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
// pinned as numbers where no other window test writes them so.
static_assert(ids::kStatusLine == 200 && ids::kSdLine == 201 && ids::kDisconnectButton == 401 &&
              ids::kPageTree == 700 && ids::StartDataByte(2, 3) == 521 &&
              ids::StopDataCheck(2) == 822 && ids::StopDataByte(0, 0) == 570 &&
              ids::StartTimeCheck(6) == 816 && ids::StartTimeWeekday(6) == 316 &&
              ids::StartTimeHour(6) == 556 && ids::StartTimeMinute(6) == 566 &&
              ids::StopTimeCheck(0) == 830 && ids::StopTimeWeekday(0) == 320 &&
              ids::StopTimeHour(0) == 600 && ids::StopTimeMinute(0) == 610);
static_assert(ids::kStopIdleCheck == 840 && ids::kStopIdleField == 620 &&
              ids::kStopSizeCheck == 845 && ids::kStopSizeField == 630 &&
              ids::kStopSizeUnit == 330 && ids::kStopLogTimeCheck == 850 && ids::kLogDays == 640 &&
              ids::kLogSeconds == 643 && ids::kTimestampTypeCombo == 336 &&
              ids::TimestampStartCheck(2) == 862 && ids::TimestampStopCheck(0) == 870 &&
              ids::kTimestampIdleCheck == 880 && ids::kTimestampSizeCheck == 885);

TEST_F(WindowTest, ControlNamesAreTheirIds) {
  const QRect client = window->ClientArea()->rect();
  ForEachSpec([&](const ui::ControlSpec& def) {
    const QString name = QStringLiteral("ctl%1").arg(def.id);
    EXPECT_TRUE(window->ClientArea()->findChildren<QWidget*>(name).contains(widget(def.id)))
        << def.id;
  });
  // Every named control lies inside the client area.
  for (QWidget* child : window->ClientArea()->findChildren<QWidget*>()) {
    if (child->objectName().startsWith(QStringLiteral("ctl"))) {
      EXPECT_TRUE(client.contains(child->geometry())) << child->objectName().toStdString();
    }
  }
}

// The interface font is fixed pitch, so headers aligned with blanks line up,
// and every label, check, button and combo text fits its control.
TEST_F(WindowTest, TextsFitTheirControls) {
  const QFontMetrics metrics(app::FontOf(ui::kWindowFont));
  EXPECT_EQ(QFontInfo(app::FontOf(ui::kWindowFont)).pixelSize(), 12);
  EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("有")), 2 * metrics.horizontalAdvance('i'));
  ForEachSpec([&](const ui::ControlSpec& def) {
    if (def.kind == ControlKind::kLabel || def.kind == ControlKind::kPushButton ||
        def.kind == ControlKind::kCheck) {
      const QWidget* w = widget(def.id);
      const int room = w->width() - (def.kind == ControlKind::kCheck ? 20 : 4);
      EXPECT_LE(w->fontMetrics().horizontalAdvance(QString::fromStdString(def.text)), room)
          << def.id << " " << def.text;
    }
    for (const std::string& item : def.items) {  // beside the combo's arrow
      EXPECT_LE(widget(def.id)->fontMetrics().horizontalAdvance(QString::fromStdString(item)) + 24,
                widget(def.id)->width())
          << def.id << " " << item;
    }
  });
}

// A field shows Shift_JIS bytes decoded, keeps them until edited and reads
// an edit back in Shift_JIS.
TEST_F(WindowTest, AShiftJisFieldIsShownKeptAndWrittenBack) {
  controls().SetText(ids::kExtensionField, "\x93\xFA\x41");
  EXPECT_EQ(edit(ids::kExtensionField)->text(), QStringLiteral("日A"));
  EXPECT_EQ(Text(ids::kExtensionField), "\x93\xFA\x41");
  edit(ids::kExtensionField)->setText(QStringLiteral("日B"));
  EXPECT_EQ(Text(ids::kExtensionField), "\x93\xFA\x42");
}

// Pastes text into the focused field with Ctrl+V or Shift+Insert.
void Paste(QLineEdit* field, const char* text, bool shiftInsert) {
  QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
  QTest::keyClick(field, shiftInsert ? Qt::Key_Insert : Qt::Key_V,
                  shiftInsert ? Qt::ShiftModifier : Qt::ControlModifier);
  QCoreApplication::processEvents();
}

TEST_F(WindowTest, FieldEventsReachTheEditor) {
  const int first = ids::StartDataByte(0, 0);
  ClickPage(2);
  Focus(first);
  TypeChars("g4b");  // swallowed, typed, turned upper case and moved on
  EXPECT_EQ(Text(first), "4B");
  EXPECT_EQ(FocusedName(), "ctl511");
  edit(first + 1)->setCursorPosition(0);
  Type(Qt::Key_Left);
  EXPECT_EQ(FocusedName(), "ctl510");
  Focus(first + 1);
  edit(first + 1)->setCursorPosition(0);
  Type(Qt::Key_Backspace);
  EXPECT_EQ(FocusedName(), "ctl510");

  for (const bool shiftInsert : {false, true}) {
    for (int id = first; id < first + 4; ++id)
      controls().SetText(id, "");
    Focus(first);
    Paste(edit(first), "41424344", shiftInsert);
    EXPECT_EQ(Text(first + 3), "44");
    EXPECT_EQ(FocusedName(), "ctl513");
  }
  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("ＺＺ"));
  controls().SetText(first, "");
  QCoreApplication::sendEvent(edit(first), &composed);
  EXPECT_EQ(Text(first), "");
  EXPECT_FALSE(edit(first)->acceptDrops());
  EXPECT_FALSE(edit(ids::kExtensionField)->acceptDrops());
  Focus(first);
  TypeChars("7");
  Leave();
  EXPECT_EQ(Text(first), "07");

  ClickPage(11);
  Focus(ids::kSeparatorField);
  edit(ids::kSeparatorField)->clear();
  Paste(edit(ids::kSeparatorField), "ab\r\ncd", false);
  EXPECT_EQ(Text(ids::kSeparatorField), "ab");

  ClickPage(3);  // a number field takes digits as typed, and is clamped on leaving
  Focus(ids::StartTimeHour(0));
  edit(ids::StartTimeHour(0))->clear();
  TypeChars("a-294");
  EXPECT_EQ(Text(ids::StartTimeHour(0)), "29");
  Leave();
  EXPECT_EQ(Text(ids::StartTimeHour(0)), "23");
}

}  // namespace
}  // namespace km62rx::testing
