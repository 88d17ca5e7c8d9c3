// A selection beside chance: 历史回测 after a second selection (the tries
// note), a scheme's record in the scheme list, and 历史回测 on the draws
// since that scheme was saved.
#include "app/screenshots/Shots.h"
#include "exchange/SchemeFile.h"
#include "exchange/SchemeRecord.h"
#include "store/DrawStore.h"
#include "ui/select/Print.h"
#include "ui/select/SchemeListWindow.h"
#include "ui/select/SchemeRecordColumn.h"
#include "ui/select/SelectHistory.h"
#include "ui/select/select.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QTableWidget>

namespace {

template <typename T> T* child(QWidget* window, const QString& name)
{
    return window->findChild<T*>(name);
}

void click(QWidget* window, const QString& name)
{
    child<QAbstractButton>(window, name)->click();
}

// Candidate digits 0-4 in every row: 125 direct bets a draw.
SelectionScheme lowDigits(const QString& savedAfter)
{
    SelectionScheme s;
    s.manual.digits1 = s.manual.digits2 = s.manual.digits3 = QStringLiteral("01234");
    s.saved = SchemeMark{Game::Fucai, savedAfter, QDate(2025, 2, 1)};
    return s;
}

} // namespace

void chanceShots(const ShotContext& context)
{
    const QStringList issues = context.store.issueList();
    if (issues.size() < 40)
        return;
    Schemes::save(context.appDir, QStringLiteral("小号"), lowDigits(issues[39]));
    Schemes::save(context.appDir, QStringLiteral("刚保存"), lowDigits(issues.last()));

    TFrm_Print print(context.dialogs);
    TFrm_SelectHistory history(context.store, context.dialogs);
    TFrm_Select window(context.store, context.dialogs, &print, &history, context.appDir);
    window.show();

    // The scheme list with each scheme's record; 小号 is loaded.
    context.dialogs.onExec = [&](QDialog* list) {
        auto* table = child<QTableWidget>(list, QStringLiteral("schemeTable"));
        for (int row = 0; row < table->rowCount(); ++row)
            if (table->item(row, 0)->text() == QStringLiteral("小号"))
                table->setCurrentCell(row, 0);
        saveShot(context, list, QStringLiteral("scheme-records"));
        click(list, QStringLiteral("loadButton"));
        return list->result();
    };
    click(&window, QStringLiteral("loadSchemeButton"));

    context.dialogs.onExec = [&](QDialog* dialog) {
        child<QCheckBox>(dialog, QStringLiteral("sinceSavedBox"))->setChecked(true);
        click(dialog, QStringLiteral("runButton"));
        saveShot(context, dialog, QStringLiteral("backtest-since-saved"));
        return 0;
    };
    click(&window, QStringLiteral("backtestButton"));

    // A second selection: the window counts the tries.
    click(&window, QStringLiteral("RadioButton3"));
    context.dialogs.onExec = [&](QDialog* dialog) {
        saveShot(context, dialog, QStringLiteral("backtest-tries"));
        return 0;
    };
    click(&window, QStringLiteral("backtestButton"));
    context.dialogs.onExec = nullptr;
}
