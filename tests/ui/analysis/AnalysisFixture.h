#pragma once

#include "core/DrawRecord.h"
#include "store/DrawStore.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/TestDir.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// An empty store, a scripted dialogs fake and helpers to seed draws and to
// reach a window's controls by name.
class AnalysisWindowTest : public ::testing::Test
{
protected:
    AnalysisWindowTest()
    {
        EXPECT_TRUE(DrawStore::createEmpty(dir.file(DrawStore::kFileName)));
        store = std::make_unique<DrawStore>(dir.file(DrawStore::kFileName));
    }

    // Stores the numbers under issues "01", "02", ... in order.
    QStringList seed(const QStringList& numbers)
    {
        QStringList issues;
        for (const QString& number : numbers) {
            issues << QStringLiteral("%1").arg(store->count() + 1, 2, 10, QLatin1Char('0'));
            store->append(deriveDrawRecord(issues.last(), number, QString()));
        }
        return issues;
    }
    QStringList seedCount(int count)
    {
        QStringList numbers;
        for (int i = 0; i < count; ++i)
            numbers << QStringLiteral("%1").arg((i * 37) % 1000, 3, 10, QLatin1Char('0'));
        return seed(numbers);
    }

    template <typename T> static T* child(const QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static void click(const QWidget& window, const char* name)
    {
        QTest::mouseClick(child<QAbstractButton>(window, name), Qt::LeftButton);
    }
    static void setRange(const QWidget& window, const char* firstBox, const QString& first, const char* lastBox,
                         const QString& last)
    {
        for (auto [name, text] : {std::pair{firstBox, first}, std::pair{lastBox, last}}) {
            QComboBox* box = child<QComboBox>(window, name);
            if (box->isEditable())
                box->setEditText(text);
            else
                box->setCurrentIndex(box->findText(text));
        }
    }
    // Cell texts of a grid, row by row.
    static QList<QStringList> cells(const QWidget& window, const char* grid)
    {
        QList<QStringList> rows;
        const QAbstractItemModel* model = child<QTableView>(window, grid)->model();
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < model->columnCount(); ++c)
                row << model->index(r, c).data().toString();
            rows << row;
        }
        return rows;
    }
    static QStringList titles(const QWidget& window, const char* grid)
    {
        QStringList list;
        const QAbstractItemModel* model = child<QTableView>(window, grid)->model();
        for (int c = 0; c < model->columnCount(); ++c)
            list << model->headerData(c, Qt::Horizontal, Qt::EditRole).toString();
        return list;
    }

    TestDir dir;
    FakeDialogs dialogs;
    std::unique_ptr<DrawStore> store;
    QString showCount = QStringLiteral("40");
    std::function<QString()> showCountSource = [this] { return showCount; };
};
