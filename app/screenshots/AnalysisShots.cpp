// The analysis windows, each with results on show.
#include "app/screenshots/Shots.h"
#include "store/DrawStore.h"
#include "ui/analysis/DataAnalyse.h"
#include "ui/analysis/DataCount.h"
#include "ui/analysis/IsPrize.h"
#include "ui/analysis/LanqiuYilou.h"
#include "ui/analysis/RandomnessWindow.h"
#include "ui/analysis/Trend.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

namespace {

template <typename T> T* child(QWidget* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

void click(QWidget* window, const char* name)
{
    child<QAbstractButton>(window, name)->click();
}

QString showCount()
{
    return QStringLiteral("40");
}

void prizeShots(const ShotContext& context)
{
    TFrm_IsPrize window(context.store, context.dialogs);
    window.show();
    child<QLineEdit>(&window, "Edit4")->setText(context.store.latestNumber());
    saveShot(context, &window, QStringLiteral("isprize-single"));
    child<QTabWidget>(&window, "SeSkinPageControl1")->setCurrentIndex(1);
    const QString latest = context.store.latestNumber();
    child<QPlainTextEdit>(&window, "Memo1")
        ->setPlainText(QStringLiteral("123\n4 5 6\n\n7,8,9\n12\n1=%1=%2\n").arg(latest).arg(Bet{latest.toInt()}.sum()) +
                       latest);
    click(&window, "SeSkinButton1");
    saveShot(context, &window, QStringLiteral("isprize-batch"));
}

void statisticsShots(const ShotContext& context)
{
    TFrm_DataCount window(context.store, context.dialogs);
    window.show();
    const std::pair<const char*, const char*> statistics[] = {
        {"SeSkinRadioButton5", "datacount-repeated"},  {"SeSkinRadioButton6", "datacount-sums-never"},
        {"SeSkinRadioButton7", "datacount-sum-bars"},  {"SeSkinRadioButton8", "datacount-digits"},
        {"SeSkinRadioButton9", "datacount-span-bars"}, {"SeSkinRadioButton4", "datacount-numbers-never"}};
    for (auto [radio, name] : statistics) {
        child<QRadioButton>(&window, radio)->setChecked(true);
        click(&window, "SeSkinButton1");
        saveShot(context, &window, QString::fromLatin1(name));
    }
}

void analysisShots(const ShotContext& context)
{
    TFrm_DataAnalyse window(context.store, context.dialogs, showCount);
    window.show();
    click(&window, "SpeedButton1");
    saveShot(context, &window, QStringLiteral("dataanalyse"));
}

void trendShots(const ShotContext& context)
{
    TFrm_Trend window(context.store, context.dialogs);
    window.show();
    const std::pair<const char*, const char*> analyses[] = {{"SeSkinRadioButton1", "trend-prime"},
                                                            {"SeSkinRadioButton2", "trend-route"},
                                                            {"SeSkinRadioButton6", "trend-span"}};
    for (auto [radio, name] : analyses) {
        click(&window, radio);
        click(&window, "SeSkinButton1");
        saveShot(context, &window, QString::fromLatin1(name));
    }
}

void omissionShots(const ShotContext& context)
{
    TFrm_LanqiuYilou window(context.store, context.dialogs, showCount);
    window.show();
    click(&window, "SeSkinButton1");
    saveShot(context, &window, QStringLiteral("omission"));
    child<QTableView>(&window, "SeSkinStringGrid1")->scrollToBottom();
    saveShot(context, &window, QStringLiteral("omission-summary"));
}

void randomnessShots(const ShotContext& context, DrawStore& store, const QString& name)
{
    RandomnessWindow window(store, context.dialogs);
    window.show();
    saveShot(context, &window, name);
    child<QTabWidget>(&window, "resultTabs")->setCurrentIndex(1);
    saveShot(context, &window, name + QStringLiteral("-charts"));
}

// A loaded history: 600 draws in which 7 is never the hundreds digit.
void loadedRandomnessShots(const ShotContext& context)
{
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(DrawStore::kFileName);
    if (!folder.isValid() || !DrawStore::createEmpty(path))
        return;
    DrawStore store(path);
    std::vector<DrawStore::NewDraw> draws;
    quint32 seed = 20250707;
    while (draws.size() < 600) {
        seed = seed * 1103515245u + 12345u;
        const int number = int((seed >> 8) % 1000);
        if (number / 100 != 7)
            draws.push_back({QString::number(2023001 + int(draws.size())),
                             QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'))});
    }
    store.appendDraws(draws);
    randomnessShots(context, store, QStringLiteral("randomness-loaded"));
}

} // namespace

void analysisWindowShots(const ShotContext& context)
{
    prizeShots(context);
    statisticsShots(context);
    analysisShots(context);
    trendShots(context);
    omissionShots(context);
    randomnessShots(context, context.store, QStringLiteral("randomness"));
    loadedRandomnessShots(context);
}
