#include "ui/main/MainControls.h"

#include "ui/widgets/Named.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QToolButton>

QLabel* namedLabel(const QString& text, const char* name, QWidget* parent)
{
    return named(new QLabel(text, parent), name);
}

QToolButton* speedButton(const QString& caption, const char* name, QWidget* parent, bool toggle)
{
    auto* button = named(new QToolButton(parent), name);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setCheckable(toggle);
    return button;
}

QComboBox* issueSelector(const char* name, QWidget* parent)
{
    auto* box = named(new QComboBox(parent), name);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(9);
    box->setMaxVisibleItems(20);
    if (auto* list = qobject_cast<QListView*>(box->view()))
        list->setUniformItemSizes(true);
    return box;
}
