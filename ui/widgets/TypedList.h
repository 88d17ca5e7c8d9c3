#pragma once

// A box that takes a typed list of values 0..highest (core/TypedValues.h),
// typed or pasted. A text it cannot read leaves the box as it was and says
// why in a tooltip at the box; up to 9 the digits are shown run together,
// each once.

#include <QValidator>
#include <vector>

class QLineEdit;

class TypedListValidator : public QValidator
{
    Q_OBJECT
public:
    TypedListValidator(int highest, QObject* parent);
    State validate(QString& input, int& position) const override;

signals:
    void refused(const QString& problem) const;

private:
    int m_highest;
};

// Makes `box` take typed lists of 0..highest, its tooltip saying how.
void takeTypedList(QLineEdit* box, int highest);

// The values the box holds (none while it holds a text it cannot read).
std::vector<int> typedListValues(const QLineEdit* box, int highest);
