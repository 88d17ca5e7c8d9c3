#pragma once

// Small controls of the selection window: the clickable digit panels, the
// range conditions and the key filters of the count and sum boxes.

#include "core/Bet.h"
#include "core/ConditionValues.h"

#include <QLabel>
#include <functional>

class QCheckBox;
class QDialog;
class QComboBox;
class QGridLayout;
class QKeyEvent;
class QLineEdit;

// Name, caption, a fixed border with the system menu only, and the font at
// this pixel height (null family: the application's).
void prepareFixedDialog(QDialog* dialog, const char* name, const QString& caption, const QString& family,
                        int pixelSize);

// Moves a window to the middle of its screen (called as it is shown).
void centreOnScreen(QWidget* window);

// A digit panel; its colour is its state (aqua selected, button face not).
class DigitPanel : public QLabel
{
    Q_OBJECT
public:
    DigitPanel(const char* name, int digit, QWidget* parent);
    DigitPanel(const QString& name, const QString& caption, QWidget* parent);

    // A chosen digit shows in the scheme's selectedPanel colour.
    bool isSelectedColour() const;
    void setSelectedColour(bool selected);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_selected = false;
};

// A range condition: tick box, low list, "至", high list.
struct RangeControls
{
    QCheckBox* box = nullptr;
    QComboBox* low = nullptr;
    QLabel* to = nullptr;
    QComboBox* high = nullptr;

    RangeCondition value() const;
    // Ticking enables the lists and "至"; unticking disables them and keeps the values.
    void applyTick() const;
};

// Shows a range as it was read: tick, bounds, lists enabled with the tick.
// A bound outside the lists is shown at their nearest end; returns false then.
bool setRangeValue(const RangeControls& range, const RangeCondition& value);

// Builds the four controls with their names, the lists of `values` and the
// default bounds; the lists start disabled.
RangeControls makeRange(QWidget* parent, const char* boxName, const QString& caption, const char* lowName,
                        const char* toName, const char* highName, ValueSpan values, int defaultLow, int defaultHigh);

// Puts a range into one row of `grid`, from `column` on: box, low, "至", high.
// The four already live on the grid's widget, so their tab order stays theirs.
void addRange(QGridLayout* grid, const RangeControls& range, int row, int column);

// Typing filter of a box: digits and backspace only (and the comma where
// allowed). A counting box stops at 7 digits unless text is selected, which
// the digit then replaces. Navigation keys pass. A paste or a drop, which
// the key filter never sees, is taken only when the box then holds nothing
// it would refuse to type; otherwise the box stays as it was.
enum class KeyFilterKind
{
    Count,  // Edit8, Edit9
    SumList // Edit11
};
// True when typing `key` into `edit` is allowed.
bool keyAccepted(KeyFilterKind kind, const QKeyEvent& key, const QLineEdit& edit);
// Discards every key `handler` refuses; pastes are checked against `kind`.
void installKeyFilter(QLineEdit* edit, KeyFilterKind kind, std::function<bool(const QKeyEvent&)> handler);
