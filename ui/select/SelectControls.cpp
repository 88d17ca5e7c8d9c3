#include "ui/select/SelectControls.h"

#include "ui/widgets/SchemeInk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <algorithm>

void prepareFixedDialog(QDialog* dialog, const char* name, const QString& caption, const QString& family, int pixelSize)
{
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setWindowTitle(caption);
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QFont font = dialog->font();
    if (!family.isNull())
        font.setFamily(family);
    font.setPixelSize(pixelSize);
    dialog->setFont(font);
}

void centreOnScreen(QWidget* window)
{
    if (const QScreen* screen = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

DigitPanel::DigitPanel(const char* name, int digit, QWidget* parent)
    : DigitPanel(QString::fromLatin1(name), QString::number(digit), parent)
{
}

DigitPanel::DigitPanel(const QString& name, const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    // The panel's colours follow the scheme; a chosen digit stays chosen.
    followScheme(this, [this] { setSelectedColour(m_selected); });
}

bool DigitPanel::isSelectedColour() const
{
    return m_selected;
}

void DigitPanel::setSelectedColour(bool selected)
{
    m_selected = selected;
    QPalette colours = palette();
    colours.setColor(QPalette::Window,
                     selected ? schemeColours().selectedPanel : QGuiApplication::palette().color(QPalette::Button));
    colours.setColor(QPalette::WindowText, QGuiApplication::palette().color(QPalette::ButtonText));
    setPalette(colours);
}

void DigitPanel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

RangeCondition RangeControls::value() const
{
    return {box->isChecked(), low->currentText().toInt(), high->currentText().toInt()};
}

bool setRangeValue(const RangeControls& range, const RangeCondition& value)
{
    bool inside = true;
    const auto show = [&inside](QComboBox* list, int wanted) {
        const int first = list->itemText(0).toInt();
        const int at = std::clamp(wanted - first, 0, list->count() - 1);
        inside = inside && at == wanted - first;
        list->setCurrentIndex(at);
    };
    range.box->setChecked(value.ticked);
    show(range.low, value.low);
    show(range.high, value.high);
    range.applyTick();
    return inside;
}

void RangeControls::applyTick() const
{
    const bool on = box->isChecked();
    low->setEnabled(on);
    high->setEnabled(on);
    to->setEnabled(on);
}

RangeControls makeRange(QWidget* parent, const char* boxName, const QString& caption, const char* lowName,
                        const char* toName, const char* highName, ValueSpan values, int defaultLow, int defaultHigh)
{
    RangeControls range;
    range.box = new QCheckBox(caption, parent);
    range.box->setObjectName(QString::fromLatin1(boxName));
    range.to = new QLabel(QStringLiteral("至"), parent);
    range.to->setObjectName(QString::fromLatin1(toName));
    range.to->setAlignment(Qt::AlignCenter);
    QStringList texts;
    for (int v = values.low; v <= values.high; ++v)
        texts << QString::number(v);
    const std::pair<QComboBox**, const char*> lists[] = {{&range.low, lowName}, {&range.high, highName}};
    for (const auto& [list, name] : lists) {
        *list = new QComboBox(parent);
        (*list)->setObjectName(QString::fromLatin1(name));
        (*list)->addItems(texts);
        (*list)->setMaxVisibleItems(12);
    }
    range.low->setCurrentIndex(defaultLow - values.low);
    range.high->setCurrentIndex(defaultHigh - values.low);
    range.applyTick();
    return range;
}

void addRange(QGridLayout* grid, const RangeControls& range, int row, int column)
{
    QWidget* const parts[] = {range.box, range.low, range.to, range.high};
    for (QWidget* part : parts)
        grid->addWidget(part, row, column++);
}

bool keyAccepted(KeyFilterKind kind, const QKeyEvent& key, const QLineEdit& edit)
{
    const QString text = key.text();
    // Keys without a character (arrows, Home, Delete), focus moves and
    // shortcuts such as pasting are no typing.
    static const int passing[] = {Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape};
    if (text.isEmpty() || key.modifiers().testFlag(Qt::ControlModifier) ||
        std::find(std::begin(passing), std::end(passing), key.key()) != std::end(passing))
        return true;
    if (text.size() != 1)
        return false;
    const QChar c = text[0];
    if (c.unicode() >= '0' && c.unicode() <= '9')
        return kind == KeyFilterKind::SumList || edit.text().size() <= 6 || edit.hasSelectedText();
    return kind == KeyFilterKind::SumList && c == QLatin1Char(',');
}

namespace {

class KeyFilter : public QObject
{
public:
    KeyFilter(std::function<bool(const QKeyEvent&)> handler, QObject* parent)
        : QObject(parent), m_handler(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        return event->type() == QEvent::KeyPress && !m_handler(*static_cast<QKeyEvent*>(event));
    }

private:
    std::function<bool(const QKeyEvent&)> m_handler;
};

} // namespace

void installKeyFilter(QLineEdit* edit, KeyFilterKind kind, std::function<bool(const QKeyEvent&)> handler)
{
    edit->installEventFilter(new KeyFilter(std::move(handler), edit));
    // Text set by the program is not checked; the commands read it as they find it.
    const QRegularExpression typable(kind == KeyFilterKind::Count ? QStringLiteral("[0-9]{0,7}")
                                                                  : QStringLiteral("[0-9,]*"));
    edit->setValidator(new QRegularExpressionValidator(typable, edit));
}
