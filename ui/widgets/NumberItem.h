#pragma once

#include <QTableWidgetItem>

// A table cell that sorts by the number it stands for, not by its text
// ("12.5%" after "9.0%"); against a cell of another kind it sorts as text.
class NumberItem : public QTableWidgetItem
{
public:
    NumberItem(const QString& text, double key) : QTableWidgetItem(text), m_key(key)
    {
        setTextAlignment(Qt::AlignCenter);
    }
    bool operator<(const QTableWidgetItem& other) const override
    {
        const auto* number = dynamic_cast<const NumberItem*>(&other);
        return number ? m_key < number->m_key : QTableWidgetItem::operator<(other);
    }

private:
    double m_key;
};
