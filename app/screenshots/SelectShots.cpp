// Bet selection: the selection window in its states, the print window with
// bets and the history filter.
#include "app/screenshots/Shots.h"
#include "exchange/SchemeFile.h"
#include "store/DrawStore.h"
#include "ui/select/DrawnBetsWindow.h"
#include "ui/select/Print.h"
#include "ui/select/SchemeListWindow.h"
#include "ui/select/SelectHistory.h"
#include "ui/select/select.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QTabWidget>
#include <memory>

namespace {

template <typename T> T* child(QWidget* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

void click(QWidget* window, const char* name)
{
    child<QAbstractButton>(window, name)->click();
}

void clickPanel(QWidget* window, const char* name)
{
    // Panels answer mouse releases only; a synthetic click is enough here.
    QMetaObject::invokeMethod(child<QWidget>(window, name), "clicked");
}

// The list of drawn bets the history filter shows over the whole sample,
// and the same list as a range holding nearly every number would warn.
void historyFilterShots(const ShotContext& context, TFrm_SelectHistory& history)
{
    BetList all;
    for (int value = 0; value < 1000; ++value)
        all.push_back(Bet{value});
    history.setBets(all);
    history.show();
    context.dialogs.onExec = [&](QDialog* dialog) {
        saveShot(context, dialog, QStringLiteral("select-history-drawn"));
        return 0;
    };
    click(&history, "SeSkinButton1");
    context.dialogs.onExec = nullptr;
    history.hide();
    history.setBets(std::nullopt);

    const QStringList issues = context.store.issueList();
    std::vector<DrawnNumber> draws;
    for (int i = 0; i < 950; ++i)
        draws.push_back({issues[i % issues.size()], QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'))});
    const DrawnIssues drawn(draws);
    DrawnBetsWindow warning(drawnBets(all, drawn), drawn.distinctNumbers());
    saveShot(context, &warning, QStringLiteral("select-history-drawn-warning"));
}

} // namespace

void selectShots(const ShotContext& context)
{
    TFrm_Print print(context.dialogs);
    TFrm_SelectHistory history(context.store, context.dialogs);
    TFrm_Select window(context.store, context.dialogs, &print, &history, context.appDir);
    window.setSeedSource([] { return 20250101u; });
    window.show();
    saveShot(context, &window, QStringLiteral("select-empty"));

    for (const char* panel : {"Panel8", "Panel5", "Panel4", "Panel7"}) // 5 2 1 4
        clickPanel(&window, panel);
    click(&window, "SpeedButton21");
    for (const char* panel : {"Panel29", "Panel32", "Panel24"}) // 3 6 8
        clickPanel(&window, panel);
    click(&window, "CheckBox1");
    click(&window, "CheckBox8");
    click(&window, "SpeedButton2");
    saveShot(context, &window, QStringLiteral("select-direct-conditions"));

    child<QTabWidget>(&window, "SeSkinPageControl1")->setCurrentIndex(1);
    click(&window, "SeSkinCheckBox6");
    child<QComboBox>(&window, "ComboBox30")->setCurrentText(QStringLiteral("6"));
    saveShot(context, &window, QStringLiteral("select-advanced-conditions"));

    child<QTabWidget>(&window, "SeSkinPageControl1")->setCurrentIndex(2);
    for (const char* name :
         {"danBox", "danPanel5", "danPanel8", "killBox", "killPanel0", "shapeBox", "shapePanel2", "runBox", "runPanel0",
          "runPanel1", "sumExcludedBox", "sumExcludedPanel0", "sumExcludedPanel27", "routeBox", "routePanel11",
          "routePanel15", "routePanel19", "routePanel21"})
        name[QByteArrayView(name).size() - 1] == 'x' ? click(&window, name) : clickPanel(&window, name);
    click(&window, "repeatBox");
    click(&window, "SpeedButton2");
    saveShot(context, &window, QStringLiteral("select-extended-conditions"));

    std::unique_ptr<QInputDialog> saving(
        makeTextDialog(&window, QStringLiteral("保存方案"), QStringLiteral("方案名称："), QStringLiteral("胆58杀0")));
    saveShot(context, saving.get(), QStringLiteral("select-scheme-save"));
    for (const QString& name : {QStringLiteral("胆58杀0"), QStringLiteral("组六常用"), QStringLiteral("和值10-20")})
        Schemes::save(context.appDir, name, SelectionScheme{});
    SchemeListWindow loading(context.appDir, context.dialogs, &window);
    saveShot(context, &loading, QStringLiteral("select-scheme-load"));
    context.dialogs.onExec = [&](QDialog* dialog) {
        saveShot(context, dialog, QStringLiteral("condition-check"));
        return 0;
    };
    click(&window, "conditionCheckButton");
    context.dialogs.onExec = nullptr;

    child<QTabWidget>(&window, "PageControl1")->setCurrentIndex(1);
    child<QLineEdit>(&window, "Edit8")->setText(QStringLiteral("30"));
    click(&window, "CheckBox2");
    child<QComboBox>(&window, "ComboBox11")->setCurrentText(QStringLiteral("10"));
    child<QComboBox>(&window, "ComboBox12")->setCurrentText(QStringLiteral("18"));
    click(&window, "SpeedButton3");
    saveShot(context, &window, QStringLiteral("select-random"));

    context.dialogs.onExec = [&](QDialog* dialog) {
        saveShot(context, dialog, dialog == &print ? QStringLiteral("print-bets") : QStringLiteral("select-history"));
        dialog->hide();
        return 0;
    };
    click(&window, "SpeedButton13");
    child<QTabWidget>(&window, "PageControl1")->setCurrentIndex(0);
    click(&window, "SeSkinButton1");

    context.dialogs.onExec = [&](QDialog* dialog) {
        saveShot(context, dialog, QStringLiteral("backtest"));
        return 0;
    };
    click(&window, "backtestButton");
    context.dialogs.onExec = nullptr;
    historyFilterShots(context, history);
}
