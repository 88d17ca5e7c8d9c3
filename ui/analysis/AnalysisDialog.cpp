#include "ui/analysis/AnalysisDialog.h"

#include "ui/widgets/CommandGuard.h"

#include <QShowEvent>

AnalysisDialog::AnalysisDialog(DrawStore& store, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_store(store), m_dialogs(dialogs)
{
}

void AnalysisDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        runGuarded(m_dialogs, this, [this] { FormShow(); });
}
