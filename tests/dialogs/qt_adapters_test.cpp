// The Qt adapters the dialogs and the window use for their prompts: the
// message box of QtNotifier and the file dialog of QtFileChooser.
#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/connect_dialog.h"
#include "app/qt_file_chooser.h"
#include "app/qt_notifier.h"
#include "sim_window.h"

namespace km62rx::testing {
namespace {

using ::testing::Optional;

template <typename T>
bool Is(QWidget* widget) {
  return qobject_cast<T*>(widget) != nullptr;
}

class QtAdaptersTest : public SimWindowTest {};

// Without ports the connect command shows only the box, owned by the dialog
// (a connect dialog coming up instead would wait for ever).
TEST_F(QtAdaptersTest, NotifierShowsAPlainModalBox) {
  services.makeNotifier = [](QWidget* owner) -> std::unique_ptr<Notifier> {
    return std::make_unique<app::QtNotifier>(owner);
  };
  bool boxSeen = false;
  WhenModalShown(
      [&](QWidget* modal) {
        auto* box = static_cast<QMessageBox*>(modal);
        boxSeen = true;
        EXPECT_TEXT(box->windowTitle().toStdString(), "エラー");
        EXPECT_TEXT(box->text().toStdString(), "COMポートが見つかりません。");
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->buttons().size(), 1);
        EXPECT_TRUE(Is<app::ConnectDialog>(box->parentWidget()));
        EXPECT_FALSE(Busy());  // a box waiting for OK shows the normal cursor
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
      },
      Is<QMessageBox>);
  {
    const ui::BusyScope busy(*ctx().host);
    app::RunConnectDialog(ctx());
    EXPECT_TRUE(Busy());
  }
  QTest::qWait(30);
  EXPECT_TRUE(boxSeen);
  EXPECT_EQ(app::QtNotifier::BoxText("一行目\r\n二行目").toStdString(), "一行目\n二行目");
}

// Types name into the file dialog's name field in folder and accepts. The
// dialog may put its own selection back, so the name is typed until it holds.
void ChooseIn(QWidget* modal, const std::string& folder, const std::string& name) {
  auto* dialog = qobject_cast<QFileDialog*>(modal);
  ASSERT_NE(dialog, nullptr);
  dialog->setDirectory(QString::fromStdString(folder));
  auto* nameField = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  ASSERT_NE(nameField, nullptr);
  int held = 0;
  for (int attempt = 0; attempt < 200 && held < 2; ++attempt) {
    const QStringList chosen = dialog->selectedFiles();
    if (chosen.size() == 1 &&
        chosen.front().startsWith(QString::fromStdString(folder + "/" + name))) {
      ++held;
    } else {
      held = 0;
      nameField->setText(QString::fromStdString(name));
    }
    QTest::qWait(10);
  }
  static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, which checks the name
}

TEST_F(QtAdaptersTest, ChooserOpensSavesAndAsksBeforeReplacingOnlyWhenTold) {
  TempFolder folder;
  WriteFile(folder.File("OLD.CFG"), "x");
  QWidget owner;
  app::QtFileChooser chooser(&owner);
  int questions = 0;
  // Picks name in the next file dialog; a question about replacing is given
  // answer.
  const auto pick = [&](const std::string& name, QMessageBox::StandardButton answer = {}) {
    WhenModalShown([&, name, answer](QWidget* modal) {
      EXPECT_EQ(modal->parentWidget(), &owner);
      if (answer != QMessageBox::NoButton) {
        WhenModalShown(
            [&, answer](QWidget* question) {
              ++questions;
              static_cast<QMessageBox*>(question)->button(answer)->click();
            },
            Is<QMessageBox>);
      }
      ChooseIn(modal, folder.path(), name);
    });
  };
  pick("OLD.CFG");
  EXPECT_THAT(chooser.ChooseFileToOpen(), Optional(folder.File("OLD.CFG")));
  pick("NEW");  // a new name gets the default suffix
  EXPECT_THAT(chooser.ChooseFileToSave(true), Optional(folder.File("NEW.CFG")));
  pick("OLD.CFG", QMessageBox::Yes);
  EXPECT_THAT(chooser.ChooseFileToSave(true), Optional(folder.File("OLD.CFG")));
  pick("OLD.CFG");  // not asked
  EXPECT_THAT(chooser.ChooseFileToSave(false), Optional(folder.File("OLD.CFG")));
  EXPECT_EQ(questions, 1);
  EXPECT_EQ(ReadFile(folder.File("OLD.CFG")), "x");  // choosing writes nothing
}

}  // namespace
}  // namespace km62rx::testing
