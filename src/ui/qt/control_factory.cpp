#include "ui/qt/control_factory.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QStyleFactory>
#include <QTreeWidget>

#include "ui/qt/paste_requests.h"

namespace km62rx::ui {
namespace {

QString TextOf(const ControlSpec& def) {
  return QString::fromStdString(def.text);
}

// Group boxes draw their title over the frame line, as the frames of this
// window were laid out for (the default style puts the title above the
// frame, where it would collide with the controls laid out inside).
QStyle* GroupBoxStyle() {
  static QStyle* const style = [] {
    QStyle* windows = QStyleFactory::create(QStringLiteral("Windows"));
    if (windows != nullptr)
      windows->setParent(qApp);
    return windows;
  }();
  return style;
}

QGroupBox* MakeGroupBox(const ControlSpec& def, QWidget* parent) {
  auto* group = new QGroupBox(TextOf(def), parent);
  if (QStyle* style = GroupBoxStyle())
    group->setStyle(style);
  return group;
}

QLabel* MakeLabel(const ControlSpec& def, QWidget* parent) {
  auto* label = new QLabel(TextOf(def), parent);
  label->setTextFormat(Qt::PlainText);
  // A static control draws its text from the top of its box.
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QLineEdit* MakeEdit(const ControlSpec& def, const ControlBehaviour& behaviour, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setAcceptDrops(false);  // text arrives by typing, a paste or from the program
  if (behaviour.pastesOnOneLine)
    KeepPastesOnOneLine(edit);
  if (def.limit > 0)
    edit->setMaxLength(def.limit);
  edit->setText(TextOf(def));
  if (behaviour.rightAligned)
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  if (behaviour.digitsOnly)
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
  edit->setAttribute(Qt::WA_InputMethodEnabled, behaviour.inputMethod);
  return edit;
}

QComboBox* MakeCombo(const ControlSpec& def, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  // The lists were laid out for a narrow drop-down arrow: keep the text's
  // room ("水曜日" in 60 pixels).
  combo->setStyleSheet(
      QStringLiteral("QComboBox { padding-left: 2px; padding-right: 0px; }"
                     "QComboBox::drop-down { width: 14px; }"));
  for (const std::string& item : def.items)
    combo->addItem(QString::fromStdString(item));
  if (def.initialIndex >= 0 && def.initialIndex < combo->count()) {
    combo->setCurrentIndex(def.initialIndex);
  }
  return combo;
}

QTreeWidget* MakeTree(QWidget* parent) {
  auto* tree = new QTreeWidget(parent);
  tree->setColumnCount(1);
  tree->setHeaderHidden(true);
  tree->setRootIsDecorated(true);
  tree->setSelectionMode(QAbstractItemView::SingleSelection);
  tree->setExpandsOnDoubleClick(true);
  return tree;
}

QWidget* MakeWidget(const ControlSpec& def, const ControlBehaviour& behaviour, QWidget* parent) {
  switch (def.kind) {
    case ControlKind::kFrame:
    case ControlKind::kVisibleFrame:
      return MakeGroupBox(def, parent);
    case ControlKind::kPushButton: {
      auto* button = new QPushButton(TextOf(def), parent);
      button->setAutoDefault(behaviour.enterPresses);
      return button;
    }
    case ControlKind::kLabel:
    case ControlKind::kStatusText:
      return MakeLabel(def, parent);
    case ControlKind::kCheck:
      return new QCheckBox(TextOf(def), parent);
    case ControlKind::kHexField:
    case ControlKind::kTimeField:
    case ControlKind::kNumberField:
    case ControlKind::kTextField:
      return MakeEdit(def, behaviour, parent);
    case ControlKind::kCombo:
      return MakeCombo(def, parent);
    case ControlKind::kTreeView:
      return MakeTree(parent);
  }
  return nullptr;
}

}  // namespace

QWidget* CreateControl(const ControlSpec& def, QWidget* parent) {
  const ControlBehaviour behaviour = BehaviourOf(def);
  QWidget* widget = MakeWidget(def, behaviour, parent);
  if (widget == nullptr)
    return nullptr;
  const Geometry& g = def.geometry;
  widget->setGeometry(g.x, g.y, g.width, behaviour.height);
  widget->setEnabled(def.initiallyEnabled);
  if (behaviour.startsHidden)
    widget->hide();
  return widget;
}

}  // namespace km62rx::ui
