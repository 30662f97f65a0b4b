#pragma once

#include <QDialog>
#include <memory>

namespace km62rx::app {

// The version box of its description, owned by owner: closes with OK,
// Enter, Escape or its close box.
std::unique_ptr<QDialog> MakeAboutBox(QWidget* owner);

// Runs the version box modally.
void ShowAboutBox(QWidget* owner);

}  // namespace km62rx::app
