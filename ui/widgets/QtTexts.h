#pragma once

// Qt's own dialogs (message boxes, file dialogs, button boxes, the edit
// menus of text boxes) in Chinese. Qt's translations are not shipped with the
// program, so the few texts its dialogs show are kept here.

#include <QString>

// The caption of a standard button (a QDialogButtonBox::StandardButton, the
// same values as QMessageBox's); empty for an unknown one.
QString chineseButtonText(int standardButton);

// Installs the Chinese texts into the running application once; later calls
// do nothing.
void installChineseQtTexts();
