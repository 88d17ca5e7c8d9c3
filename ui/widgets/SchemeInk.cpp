#include "ui/widgets/SchemeInk.h"

#include <QBrush>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>

void followScheme(QWidget* widget, const std::function<void()>& apply)
{
    apply();
    QObject::connect(&ColourSchemeSignal::instance(), &ColourSchemeSignal::schemeChanged, widget, apply);
}

void inkText(QWidget* widget, QColor SchemeColours::*role)
{
    followScheme(widget, [widget, role] {
        QPalette palette = widget->palette();
        const QColor ink = schemeColours().*role;
        for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(text, ink);
        widget->setPalette(palette);
    });
}

namespace {

class TabSizeStyle : public QProxyStyle
{
public:
    explicit TabSizeStyle(const QSize& size) : m_size(size) {}
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override
    {
        return type == CT_TabBarTab ? m_size : QProxyStyle::sizeFromContents(type, option, contents, widget);
    }

private:
    QSize m_size;
};

} // namespace

void setTabSize(QTabWidget* tabs, const QSize& size)
{
    auto* style = new TabSizeStyle(size);
    style->setParent(tabs->tabBar());
    tabs->tabBar()->setStyle(style);
}

namespace {

// Where a cell keeps its key; no table of ours uses the user roles otherwise.
constexpr int kSchemeKeyRole = Qt::UserRole + 1;

void colourCell(QTableWidgetItem* cell, int key, const std::function<SchemeCells::Look(int)>& look)
{
    cell->setData(kSchemeKeyRole, key);
    const SchemeCells::Look colours = look(key);
    cell->setData(Qt::BackgroundRole, colours.fill.isValid() ? QVariant(QBrush(colours.fill)) : QVariant());
    cell->setData(Qt::ForegroundRole, colours.ink.isValid() ? QVariant(QBrush(colours.ink)) : QVariant());
}

} // namespace

SchemeCells::SchemeCells(QTableWidget* table, std::function<Look(int key)> look) : m_look(std::move(look))
{
    // Holds its own copy of `look`: the connection lives as long as the table.
    QObject::connect(&ColourSchemeSignal::instance(), &ColourSchemeSignal::schemeChanged, table,
                     [table, look = m_look] {
                         for (int row = 0; row < table->rowCount(); ++row)
                             for (int column = 0; column < table->columnCount(); ++column)
                                 if (QTableWidgetItem* cell = table->item(row, column))
                                     if (const QVariant key = cell->data(kSchemeKeyRole); key.isValid())
                                         colourCell(cell, key.toInt(), look);
                     });
}

void SchemeCells::colour(QTableWidgetItem* cell, int key) const
{
    colourCell(cell, key, m_look);
}
