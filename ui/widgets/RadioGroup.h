#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

// A captioned group of radio buttons laid out in columns, addressed by item
// index; index -1 means no item is selected.
class RadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);
    QString itemText(int index) const;
    int count() const;
    QRadioButton* button(int index) const;

signals:
    void itemIndexChanged(int index);

private:
    QButtonGroup* m_group;
};
