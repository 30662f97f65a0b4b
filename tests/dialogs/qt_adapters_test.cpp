// The Qt adapters the dialogs and the window use for their prompts: the
// message box of QtNotifier and the file dialog of QtFileChooser.
#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/connect_dialog.h"
#include "app/qt_file_chooser.h"
#include "app/qt_notifier.h"
#include "dialog_harness.h"

namespace km62rx::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::Optional;

template <typename T>
bool Is(QWidget* widget) {
  return qobject_cast<T*>(widget) != nullptr;
}

class QtAdaptersTest : public DialogTest {};

TEST_F(QtAdaptersTest, NotifierShowsAPlainModalBoxOwnedByTheDialog) {
  DialogHarness h;
  h.services.makeNotifier = [](QWidget* owner) -> std::unique_ptr<Notifier> {
    return std::make_unique<app::QtNotifier>(owner);
  };
  bool seen = false;
  WhenModalShown([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    seen = true;
    EXPECT_EQ(box->windowTitle().toStdString(), "エラー");
    EXPECT_EQ(box->text().toStdString(), "COMポートが見つかりません。");
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(box->buttons().size(), 1);
    EXPECT_NE(qobject_cast<app::ConnectDialog*>(box->parentWidget()), nullptr);
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
  });
  app::RunConnectDialog(h.ctx);  // no ports: only the box
  EXPECT_TRUE(seen);
}

TEST_F(QtAdaptersTest, NotifierTurnsCrLfIntoLineBreaks) {
  QWidget owner;
  app::QtNotifier notifier(&owner);
  std::string shown;
  WhenModalShown([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    shown = box->text().toStdString();
    box->accept();
  });
  notifier.Show("注意", "一行目\r\n二行目");
  EXPECT_EQ(shown, "一行目\n二行目");
}

TEST_F(QtAdaptersTest, FileDialogIsSetUpForSettingsFiles) {
  struct Case {
    bool forSaving;
    bool ask;
    QFileDialog::AcceptMode accept;
    QFileDialog::FileMode mode;
    bool confirmsOverwrite;
  };
  const Case cases[] = {
      {false, false, QFileDialog::AcceptOpen, QFileDialog::ExistingFile, true},
      {true, true, QFileDialog::AcceptSave, QFileDialog::AnyFile, true},
      {true, false, QFileDialog::AcceptSave, QFileDialog::AnyFile, false},
  };
  for (const Case& c : cases) {
    QFileDialog dialog;
    app::QtFileChooser::Configure(dialog, c.forSaving, c.ask);
    EXPECT_THAT(dialog.nameFilters(), ElementsAre(QStringLiteral("CFG files(*.CFG)")));
    EXPECT_EQ(dialog.defaultSuffix().toStdString(), "CFG");
    EXPECT_EQ(dialog.acceptMode(), c.accept);
    EXPECT_EQ(dialog.fileMode(), c.mode);
    EXPECT_EQ(!dialog.testOption(QFileDialog::DontConfirmOverwrite), c.confirmsOverwrite);
  }
}

// Types name into the file dialog's name field in folder and accepts, as a
// user would. The dialog lists folders in the background and may put its
// own selection back while it does, so the name is typed again until it has
// held twice in a row.
void ChooseIn(QWidget* modal, const std::string& folder, const std::string& name) {
  auto* dialog = qobject_cast<QFileDialog*>(modal);
  ASSERT_NE(dialog, nullptr);
  dialog->setDirectory(QString::fromStdString(folder));
  auto* nameField = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  ASSERT_NE(nameField, nullptr);
  const QString wanted = QString::fromStdString(name);
  int held = 0;
  for (int attempt = 0; attempt < 200 && held < 2; ++attempt) {
    const QStringList chosen = dialog->selectedFiles();
    if (chosen.size() == 1 &&
        chosen.front().startsWith(QString::fromStdString(folder + "/" + name))) {
      ++held;
    } else {
      held = 0;
      nameField->setText(wanted);
    }
    QTest::qWait(10);
  }
  static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, which checks the name
}

TEST_F(QtAdaptersTest, ChooserOpensAnExistingFileOrNothing) {
  TempFolder folder;
  WriteFileBytes(folder.File("A.CFG"), "INFO_NAME=KM-62RX\r\n");
  QWidget owner;
  app::QtFileChooser chooser(&owner);

  WhenModalShown([&](QWidget* modal) {
    EXPECT_EQ(modal->parentWidget(), &owner);
    ChooseIn(modal, folder.path(), "A.CFG");
  });
  EXPECT_THAT(chooser.ChooseFileToOpen(), Optional(folder.File("A.CFG")));

  WhenModalShown([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
  EXPECT_EQ(chooser.ChooseFileToOpen(), std::nullopt);
}

TEST_F(QtAdaptersTest, ChooserSavesUnderANewNameWithTheDefaultSuffix) {
  TempFolder folder;
  QWidget owner;
  app::QtFileChooser chooser(&owner);
  WhenModalShown([&](QWidget* modal) { ChooseIn(modal, folder.path(), "NEW"); });
  EXPECT_THAT(chooser.ChooseFileToSave(true), Optional(folder.File("NEW.CFG")));
}

TEST_F(QtAdaptersTest, ChooserAsksBeforeReplacingOnlyWhenTold) {
  TempFolder folder;
  WriteFileBytes(folder.File("OLD.CFG"), "x");
  QWidget owner;
  app::QtFileChooser chooser(&owner);

  // Asked: the question comes up; "no" keeps the file dialog open, which is
  // then cancelled.
  int questions = 0;
  WhenModalShown([&](QWidget* modal) {
    WhenModalShown(Is<QMessageBox>, [&](QWidget* question) {
      ++questions;
      auto* box = static_cast<QMessageBox*>(question);
      box->button(QMessageBox::No) ? box->button(QMessageBox::No)->click() : box->reject();
      WhenModalShown(Is<QFileDialog>,
                     [](QWidget* again) { static_cast<QDialog*>(again)->reject(); });
    });
    ChooseIn(modal, folder.path(), "OLD.CFG");
  });
  EXPECT_EQ(chooser.ChooseFileToSave(true), std::nullopt);
  EXPECT_EQ(questions, 1);

  // Asked, "yes": the file is chosen.
  WhenModalShown([&](QWidget* modal) {
    WhenModalShown(Is<QMessageBox>, [&](QWidget* question) {
      ++questions;
      static_cast<QMessageBox*>(question)->button(QMessageBox::Yes)->click();
    });
    ChooseIn(modal, folder.path(), "OLD.CFG");
  });
  EXPECT_THAT(chooser.ChooseFileToSave(true), Optional(folder.File("OLD.CFG")));
  EXPECT_EQ(questions, 2);

  // Not asked: chosen at once.
  WhenModalShown([&](QWidget* modal) { ChooseIn(modal, folder.path(), "OLD.CFG"); });
  EXPECT_THAT(chooser.ChooseFileToSave(false), Optional(folder.File("OLD.CFG")));
  EXPECT_EQ(questions, 2);
  EXPECT_EQ(ReadFileBytes(folder.File("OLD.CFG")), "x");  // choosing writes nothing
}

}  // namespace
}  // namespace km62rx::testing
