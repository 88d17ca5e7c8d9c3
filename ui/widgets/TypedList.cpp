#include "ui/widgets/TypedList.h"

#include "core/TypedValues.h"

#include <QLineEdit>
#include <QToolTip>

TypedListValidator::TypedListValidator(int highest, QObject* parent) : QValidator(parent), m_highest(highest) {}

QValidator::State TypedListValidator::validate(QString& input, int& position) const
{
    const TypedValues read = readTypedValues(input, m_highest);
    if (!read.ok()) {
        emit refused(read.problem);
        return Invalid;
    }
    // Digits are shown as they are read, so a repeat or a space disappears as
    // it is typed; wider values keep their separators while being typed.
    if (m_highest <= 9) {
        position = int(typedValuesText(readTypedValues(input.left(position), m_highest).values, m_highest).size());
        input = typedValuesText(read.values, m_highest);
    }
    return Acceptable;
}

void takeTypedList(QLineEdit* box, int highest)
{
    auto* validator = new TypedListValidator(highest, box);
    box->setValidator(validator);
    box->setReadOnly(false);
    box->setToolTip(highest <= 9 ? QStringLiteral("点击数字，或直接输入，如 135 或 1 3 5")
                                 : QStringLiteral("点击数值，或直接输入，用空格或逗号分隔，如 3 12 25"));
    QObject::connect(validator, &TypedListValidator::refused, box, [box](const QString& problem) {
        QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), problem, box);
    });
}

std::vector<int> typedListValues(const QLineEdit* box, int highest)
{
    return readTypedValues(box->text(), highest).values;
}
