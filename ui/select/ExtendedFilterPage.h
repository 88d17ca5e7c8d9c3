#pragma once

// The "扩展过滤" page of the selection window: a tick box per condition with
// its value panels, clicked as the candidate digits are, and the two count
// ranges. Panels and lists take clicks only while their box is ticked.

#include "core/ExtendedConditions.h"
#include "ui/select/SelectControls.h"

#include <QWidget>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;

class ExtendedFilterPage : public QWidget
{
    Q_OBJECT
public:
    explicit ExtendedFilterPage(QWidget* parent = nullptr);

    ExtendedConditions value() const;
    void setValue(const ExtendedConditions& conditions);

private:
    struct SetRow
    {
        ValueSetCondition ExtendedConditions::*field;
        QCheckBox* box;
        std::vector<DigitPanel*> panels;
        QLineEdit* typed = nullptr; // the values typed as a list, for rows of numbers
    };
    // A tick box and one panel per caption, `perLine` to a line; returns the
    // panels for the caller to place with the box.
    QWidget* addSet(ValueSetCondition ExtendedConditions::*field, const char* key, const QString& caption,
                    const QStringList& values, int panelWidth, int perLine);
    // `typed` takes the last set's values as a typed list; returned for placing.
    QLineEdit* addTypedBox(QLineEdit* typed);
    void applyTick(const SetRow& row) const;
    // The panels follow a typed list; the list follows a clicked panel.
    void showTyped(const SetRow& row) const;
    void listPanels(const SetRow& row) const;

    std::vector<SetRow> m_sets;
    QComboBox* m_danMode;
    RangeControls m_repeat, m_neighbour;
};
