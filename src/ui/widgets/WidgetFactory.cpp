#include "ui/widgets/WidgetFactory.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QShortcutEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

namespace varnelle {

namespace {

// Enter on a focused button presses it, as Space does.
class PressOnEnter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        static_cast<QPushButton *>(watched)->click();
        return true;
    }
};

// A button reached by its mnemonic (Alt and its underlined letter) acts at
// once, as a click does. Qt would press it with a short animation and act
// only when that ends, so keys typed meanwhile would be handled first; at
// once, the keys a user types ahead are handled in the order typed.
class MnemonicsActAtOnce : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Shortcut)
            return false;
        // A button is sent only the shortcut of its own mnemonic.
        auto *button = qobject_cast<QAbstractButton *>(watched);
        if (!button || static_cast<QShortcutEvent *>(event)->isAmbiguous() || !button->isEnabled())
            return false;
        if (button->isCheckable() && (button->focusPolicy() & Qt::TabFocus))
            button->setFocus(Qt::ShortcutFocusReason);
        button->click();
        return true;
    }
};

} // namespace

void MakeMnemonicsActAtOnce()
{
    static QPointer<QObject> filter;
    if (filter || !QCoreApplication::instance())
        return;
    filter = new MnemonicsActAtOnce(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}

QPushButton *MakeButton(QWidget *parent, const char *name, const QString &caption, double left, double top,
                        double width, double height)
{
    auto *button = MakeControl<QPushButton>(parent, name, left, top, width, height);
    button->setText(caption);
    // Not a default button by itself: a dialog would otherwise make its first button the default.
    button->setAutoDefault(false);
    button->installEventFilter(new PressOnEnter(button));
    MakeMnemonicsActAtOnce();
    return button;
}

void WidenToLongestEntry(QComboBox *combo)
{
    int longest = 0;
    for (int i = 0; i < combo->count(); ++i)
        longest = std::max(longest, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const int field =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width();
    const int needed = longest + 2; // the entry is drawn a pixel inside the field on either side
    // The box around the field (frame, arrow) keeps its width.
    combo->setMinimumWidth(std::max(combo->minimumWidth(), combo->width() - field + needed));
}

namespace {

class ButtonFace : public QObject {
public:
    explicit ButtonFace(QWidget *control) : QObject(control) { apply(control); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange)
            apply(static_cast<QWidget *>(watched));
        return false;
    }

private:
    static void apply(QWidget *control)
    {
        QPalette palette = QApplication::palette(control);
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        control->setPalette(palette);
    }
};

} // namespace

void UseButtonFace(QWidget *control)
{
    control->installEventFilter(new ButtonFace(control));
}

void SetLabelFor(QLabel *label, QWidget *control)
{
    label->setBuddy(control);
    if (qobject_cast<QComboBox *>(control))
        control->setAccessibleName(QString(label->text()).remove(u'&'));
}

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &caption, double left, double top, double width,
                  double height, Qt::Alignment alignment)
{
    auto *label = MakeControl<QLabel>(parent, name, left, top, width, height);
    label->setText(caption);
    label->setAlignment(alignment);
    return label;
}

} // namespace varnelle
