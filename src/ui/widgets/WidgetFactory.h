#pragma once

#include "ui/widgets/LayoutUnits.h"

#include <QComboBox>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QString>

namespace varnelle {

// Makes a control named name (its objectName), placed in twips in parent.
template <class W>
W *MakeControl(QWidget *parent, const char *name, double left, double top, double width, double height)
{
    auto *control = new W(parent);
    control->setObjectName(name);
    PlaceTwips(control, left, top, width, height);
    return control;
}

// A command button. Enter on the focused button presses it; elsewhere Enter
// presses the form's default button, and only where a form names one.
QPushButton *MakeButton(QWidget *parent, const char *name, const QString &caption, double left, double top,
                        double width, double height);

// Makes every button of the application, its own and those of message and
// input boxes, act at once when reached by its mnemonic, in the order the keys
// were typed. MakeButton calls it; calling it again changes nothing.
void MakeMnemonicsActAtOnce();

// Makes a drop-down list at least wide enough for its closed box to show its
// longest entry whole; its layout widens it, and the frame it stands in.
void WidenToLongestEntry(QComboBox *combo);

// A label, right-aligned unless told otherwise. A caption wider than its place
// in the current font is given room by the form's layout (DrawnLayout).
QLabel *MakeLabel(QWidget *parent, const char *name, const QString &caption, double left, double top, double width,
                  double height, Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter);

// Makes label the label of control: Alt and its underlined letter go to the
// control, and a screen reader names the control after it (a drop-down list
// would otherwise be read by its current entry).
void SetLabelFor(QLabel *label, QWidget *control);

// Gives the controls the tab order in which they are listed.
inline void SetTabOrder(const QList<QWidget *> &order)
{
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// Draws a box or list on the system's button-face colour, and keeps doing so
// when the desktop's colours change (a dark theme chosen while it runs).
void UseButtonFace(QWidget *control);

} // namespace varnelle
