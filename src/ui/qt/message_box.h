#pragma once

#include <QMessageBox>
#include <memory>
#include <string>

#include "ui/platform.h"

namespace quorvin::ui::qt {

// A message box without owner, as the model asks for it (GBK texts), ready to run.
std::unique_ptr<QMessageBox> makeMessageBox(const std::string& text, const std::string& caption,
                                            ui::MessageIcon icon, ui::MessageButtons buttons);

// The model's answer for the button that closed the box; closing it otherwise counts as its
// escape button.
ui::MessageAnswer toAnswer(QMessageBox::StandardButton button, ui::MessageButtons buttons);

}  // namespace quorvin::ui::qt
