#pragma once

#include "core/DrawRecord.h"
#include "store/DrawStore.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/TestDir.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QStyleOptionViewItem>
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

    // Where a cell-drawing handler put ink when drawing `text` in a white
    // cell of `size` on `grid`, and the colours of that ink.
    struct CellInk
    {
        QRect box;
        QSet<QRgb> colours;
    };
    template <typename DrawCell>
    static CellInk drawnCell(QWidget& grid, const QString& text, QSize size, DrawCell drawCell)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QStyleOptionViewItem cell;
        cell.initFrom(&grid);
        cell.widget = &grid;
        cell.rect = image.rect();
        cell.text = text;
        cell.features |= QStyleOptionViewItem::HasDisplay;
        drawCell(&painter, cell);
        painter.end();
        CellInk ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                    ink.box |= QRect(x, y, 1, 1);
                    ink.colours.insert(image.pixel(x, y));
                }
        return ink;
    }

    TestDir dir;
    FakeDialogs dialogs;
    std::unique_ptr<DrawStore> store;
    QString showCount = QStringLiteral("40");
    std::function<QString()> showCountSource = [this] { return showCount; };
};
