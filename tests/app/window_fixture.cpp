#include "window_fixture.h"

#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QTreeWidgetItemIterator>

#include "ui/qt/page_builder.h"

namespace km62rx::testing {

void WindowTest::ClickPage(int page) {
  QTreeWidget* tree = window->Pages().Tree();
  for (QTreeWidgetItemIterator it(tree); *it; ++it) {
    if ((*it)->data(0, ui::kPageRole).toInt() == page) {
      tree->scrollToItem(*it);
      const QRect rect = tree->visualItemRect(*it);
      QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
      QCoreApplication::processEvents();
      return;
    }
  }
  ADD_FAILURE() << "no tree item for page " << page;
}

void WindowTest::Type(Qt::Key key) {
  QTest::keyClick(QApplication::focusWidget(), key);
  QCoreApplication::processEvents();
}

void WindowTest::TypeChar(char c) {
  QTest::keyClick(QApplication::focusWidget(), c);
  QCoreApplication::processEvents();
}

void WindowTest::Focus(int id) {
  widget(id)->setFocus(Qt::OtherFocusReason);
  QCoreApplication::processEvents();
}

std::string WindowTest::FocusedName() const {
  const QWidget* focused = QApplication::focusWidget();
  return focused ? focused->objectName().toStdString() : std::string("(none)");
}

}  // namespace km62rx::testing
