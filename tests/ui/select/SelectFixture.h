#pragma once

#include "store/DrawStore.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/TestDir.h"
#include "ui/select/Print.h"
#include "ui/select/SelectHistory.h"
#include "ui/select/select.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// An empty store, the two long-lived windows and a fresh selection window
// with a fixed random seed, all driven through a scripted dialogs fake.
class SelectTest : public ::testing::Test
{
protected:
    SelectTest()
    {
        EXPECT_TRUE(DrawStore::createEmpty(dir.file(DrawStore::kFileName)));
        store = std::make_unique<DrawStore>(dir.file(DrawStore::kFileName));
        print = std::make_unique<TFrm_Print>(dialogs);
        history = std::make_unique<TFrm_SelectHistory>(*store, dialogs);
        window = std::make_unique<TFrm_Select>(*store, dialogs, print.get(), history.get(), dir.path());
        window->setSeedSource([] { return 20251210u; });
        window->show();
    }

    void addDraw(const QString& issue, const QString& number)
    {
        store->append(deriveDrawRecord(issue, number, QString()));
    }

    template <typename T> T* child(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    void click(const QString& name) { QTest::mouseClick(child<QWidget>(name), Qt::LeftButton); }
    QString text(const QString& editOrLabel) const
    {
        if (auto* edit = window->findChild<QLineEdit*>(editOrLabel))
            return edit->text();
        return child<QLabel>(editOrLabel)->text();
    }
    bool enabled(const QString& name) const { return child<QWidget>(name)->isEnabled(); }
    void tick(const QString& box) { click(box); }
    void setRange(const QString& low, int lowValue, const QString& high, int highValue)
    {
        child<QComboBox>(low)->setCurrentText(QString::number(lowValue));
        child<QComboBox>(high)->setCurrentText(QString::number(highValue));
    }
    // The panel of `digit` in row `row` (0..2).
    static QString panelName(int row, int digit)
    {
        static const char* const names[3][10] = {
            {"Panel3", "Panel4", "Panel5", "Panel6", "Panel7", "Panel8", "Panel9", "Panel10", "Panel11", "Panel12"},
            {"Panel16", "Panel17", "Panel18", "Panel19", "Panel20", "Panel21", "Panel22", "Panel13", "Panel14",
             "Panel15"},
            {"Panel26", "Panel27", "Panel28", "Panel29", "Panel30", "Panel31", "Panel32", "Panel23", "Panel24",
             "Panel25"}};
        return QString::fromLatin1(names[row][digit]);
    }
    // Clicks the panels of row `row` (0..2) for these digits, in order.
    void pick(int row, const QString& digits)
    {
        for (QChar d : digits)
            click(panelName(row, d.unicode() - '0'));
    }
    void pickAll() { click("SpeedButton15"), click("SpeedButton21"), click("SpeedButton17"); }

    // Rows of a result grid as "serial=bet=sum" ("" for an empty row).
    QStringList rows(const QString& grid) const
    {
        const QAbstractItemModel* model = child<QTableView>(grid)->model();
        QStringList list;
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < 3; ++c)
                cells << model->index(r, c).data().toString();
            list << (cells.join("").isEmpty() ? QString() : cells.join("="));
        }
        return list;
    }
    QStringList bets(const QString& grid) const
    {
        QStringList list;
        for (const QString& row : rows(grid))
            if (!row.isEmpty())
                list << row.section('=', 1, 1);
        return list;
    }
    QString memo() const { return print->findChild<QPlainTextEdit*>("Memo1")->toPlainText(); }

    TestDir dir;
    FakeDialogs dialogs;
    std::unique_ptr<DrawStore> store;
    std::unique_ptr<TFrm_Print> print;
    std::unique_ptr<TFrm_SelectHistory> history;
    std::unique_ptr<TFrm_Select> window;
};
