#include "ui/widgets/TableExport.h"

#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"

#include <QDir>
#include <QTableWidget>

QList<QStringList> tableTexts(const QTableWidget& table)
{
    QList<QStringList> rows;
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < table.columnCount(); ++column) {
            const QTableWidgetItem* item = table.item(row, column);
            fields << (item ? item->text() : QString());
        }
        rows << fields;
    }
    return rows;
}

QString askCsvPath(Dialogs& dialogs, QWidget* parent)
{
    const QString chosen =
        dialogs.saveFileName(parent, QStringLiteral("导出CSV"), documentsFolder(), QStringLiteral("CSV 文件 (*.csv)"));
    if (chosen.isEmpty() || chosen.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        return chosen;
    return chosen + QLatin1String(".csv");
}

QString exportedText(const QString& path)
{
    return QStringLiteral("已导出至 %1").arg(QDir::toNativeSeparators(path));
}

void exportCsv(Dialogs& dialogs, QWidget* parent, bool empty, const QString& nothingYet,
               const std::function<void(const QString& path)>& write)
{
    if (empty)
        return dialogs.message(parent, nothingYet);
    const QString path = askCsvPath(dialogs, parent);
    if (path.isEmpty())
        return;
    runGuarded(dialogs, parent, [&] {
        write(path);
        dialogs.message(parent, exportedText(path));
    });
}
