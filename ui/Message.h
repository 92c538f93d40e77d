#pragma once

#include <QMessageBox>

// A message to the player, with its one button in Serbian.
void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &text);
