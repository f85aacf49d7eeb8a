#pragma once

#include <QString>
#include <QStringList>
#include <QList>
#include <QAbstractItemView>
#include <QWidget>
#include <stdexcept>

namespace varnelle::test {

// A control of a form by its objectName; throws when there is none.
template <class T>
T *find(const QWidget &form, const QString &name)
{
    T *widget = form.findChild<T *>(name);
    if (!widget)
        throw std::runtime_error(qPrintable("no control " + name + " on " + form.objectName()));
    return widget;
}

// Clicks a control with the mouse.
void click(QWidget &form, const QString &name);

// Picks an entry of a drop-down list with the keyboard; false when it has no such entry.
bool choose(QWidget &form, const QString &name, const QString &text);

// Picks an entry that must be there; throws when it is not.
void chooseExisting(QWidget &form, const QString &name, const QString &text);

// Replaces the text of a box by typing.
void retype(QWidget &form, const QString &name, const QString &text);

// Types text into a widget one character at a time, any character (accented
// letters, an emoji as one key press), as a keyboard or input method does.
void typeText(QWidget *widget, const QString &text);

// The entries of a drop-down list.
QStringList entries(QWidget &form, const QString &name);

// Clicks the entry of row in a list, then the list's empty part below its
// last entry, then Ctrl+clicks the entry and presses Ctrl+Space; returns the
// selected row after each of the four (-1 for none).
QList<int> selectedRowsAfterClicks(QAbstractItemView *list, int row);

} // namespace varnelle::test
