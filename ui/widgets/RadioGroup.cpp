#include "ui/widgets/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this))
{
    auto* layout = new QGridLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], this);
        radio->setObjectName(QStringLiteral("%1_%2").arg(objectName()).arg(i));
        m_group->addButton(radio, i);
        layout->addWidget(radio, i / columns, i % columns);
    }
    connect(m_group, &QButtonGroup::idClicked, this, &RadioGroup::itemIndexChanged);
}

int RadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (index >= 0 && index < count()) {
        m_group->button(index)->setChecked(true);
        return;
    }
    // An exclusive group will not uncheck its last button; lift it briefly.
    if (QAbstractButton* checked = m_group->checkedButton()) {
        m_group->setExclusive(false);
        checked->setChecked(false);
        m_group->setExclusive(true);
    }
}

QString RadioGroup::itemText(int index) const
{
    QAbstractButton* b = m_group->button(index);
    return b ? b->text() : QString();
}

int RadioGroup::count() const
{
    return static_cast<int>(m_group->buttons().size());
}

QRadioButton* RadioGroup::button(int index) const
{
    return qobject_cast<QRadioButton*>(m_group->button(index));
}
