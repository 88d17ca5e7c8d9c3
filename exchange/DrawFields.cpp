#include "exchange/DrawFields.h"

#include <array>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool allDigits(QStringView text)
{
    for (QChar c : text)
        if (!isDigit(c))
            return false;
    return !text.isEmpty();
}

// The field without one pair of brackets around it, ASCII or full-width.
QStringView unbracketed(QStringView field)
{
    if (field.size() >= 2 && (field.front() == u'(' || field.front() == u'（') &&
        (field.back() == u')' || field.back() == u'）'))
        return field.mid(1, field.size() - 2);
    return field;
}

// The date part before a bracketed weekday: "2025-08-16(六)" -> "2025-08-16".
QStringView withoutWeekday(QStringView field)
{
    const qsizetype open = field.indexOf(u'(') >= 0 ? field.indexOf(u'(') : field.indexOf(u'（');
    if (open > 0 && DrawFields::isWeekday(field.mid(open)))
        return field.left(open);
    return field;
}

// Digit groups of a date separated by one kind of separator: 4, then 1-2, then 1-2 digits.
bool isSeparatedDate(QStringView text, QChar separator)
{
    const qsizetype first = text.indexOf(separator);
    const qsizetype second = first < 0 ? -1 : text.indexOf(separator, first + 1);
    if (first != 4 || second < 0)
        return false;
    const QStringView month = text.mid(first + 1, second - first - 1);
    const QStringView day = text.mid(second + 1);
    return allDigits(text.left(4)) && allDigits(month) && month.size() <= 2 && allDigits(day) && day.size() <= 2;
}

} // namespace

QString DrawFields::issueOf(QStringView field)
{
    if (field.startsWith(u'第'))
        field = field.mid(1);
    if (field.endsWith(u'期'))
        field.chop(1);
    if ((field.size() == 5 || field.size() == 7) && allDigits(field))
        return field.toString();
    return {};
}

bool DrawFields::isDate(QStringView field)
{
    field = withoutWeekday(field);
    if (field.size() == 8 && allDigits(field))
        return field.startsWith(u"19") || field.startsWith(u"20");
    if (field.endsWith(u'日')) {
        const qsizetype year = field.indexOf(u'年');
        const qsizetype month = field.indexOf(u'月');
        if (year != 4 || month < year + 2 || month > year + 3)
            return false;
        const QStringView day = field.mid(month + 1, field.size() - month - 2);
        return allDigits(field.left(4)) && allDigits(field.mid(year + 1, month - year - 1)) && allDigits(day) &&
               day.size() <= 2;
    }
    return isSeparatedDate(field, u'-') || isSeparatedDate(field, u'/') || isSeparatedDate(field, u'.');
}

bool DrawFields::isTime(QStringView field)
{
    if (field.size() != 5 && field.size() != 8)
        return false;
    for (qsizetype i = 0; i < field.size(); ++i)
        if (i % 3 == 2 ? field[i] != u':' : !isDigit(field[i]))
            return false;
    return true;
}

bool DrawFields::isWeekday(QStringView field)
{
    field = unbracketed(field);
    if (field.startsWith(u"星期"))
        field = field.mid(2);
    else if (field.startsWith(u'周'))
        field = field.mid(1);
    static const QStringView days = u"一二三四五六日天";
    return field.size() == 1 && days.contains(field[0]);
}

bool DrawFields::isSingleDigit(QStringView field)
{
    return field.size() == 1 && isDigit(field[0]);
}

QString DrawFields::numberOfCell(QStringView cell)
{
    if (allDigits(cell) && cell.size() <= 3)
        return QString(3 - cell.size(), u'0') + cell.toString();
    // Three single digits, each pair separated by a run of blanks or commas.
    QString digits;
    bool separated = true;
    for (QChar c : cell) {
        if (isDigit(c)) {
            if (!separated || digits.size() == 3)
                return {};
            digits += c;
            separated = false;
        } else if (c == u' ' || c == u',' || c == u'，' || c == u'\t' || c == u'\u3000' || c == u'\u00A0') {
            separated = true;
        } else {
            return {};
        }
    }
    return digits.size() == 3 ? digits : QString();
}

DrawFields::Column DrawFields::columnNamed(QStringView name)
{
    struct Name
    {
        QStringView text;
        Column column;
    };
    static constexpr std::array names{
        Name{u"期号", Column::Issue},      Name{u"期数", Column::Issue},      Name{u"期次", Column::Issue},
        Name{u"开奖期号", Column::Issue},  Name{u"issue", Column::Issue},     Name{u"开奖号码", Column::Number},
        Name{u"号码", Column::Number},     Name{u"中奖号码", Column::Number}, Name{u"开奖结果", Column::Number},
        Name{u"百位", Column::Hundreds},   Name{u"十位", Column::Tens},       Name{u"个位", Column::Ones},
        Name{u"第一位", Column::Hundreds}, Name{u"第二位", Column::Tens},     Name{u"第三位", Column::Ones},
        Name{u"日期", Column::Date},       Name{u"开奖日期", Column::Date},   Name{u"开奖时间", Column::Date},
    };
    name = name.trimmed();
    if (name.endsWith(u':') || name.endsWith(u'：'))
        name.chop(1);
    for (const Name& known : names)
        if (name.compare(known.text, Qt::CaseInsensitive) == 0)
            return known.column;
    return Column::Other;
}
