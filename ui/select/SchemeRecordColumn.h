#pragma once

class DrawStore;
class QDialog;
class QString;

// Gives the scheme list ("schemeTable" in `list`) a column "保存后记录": each
// scheme's record on the draws after it was saved (SchemeRecordText::line),
// written again whenever the list writes a scheme's name.
void showSchemeRecords(QDialog& list, DrawStore& store, const QString& userFolder);
