#pragma once

#include <QDialog>

class QBoxLayout;
class QPushButton;

namespace varnelle {

// The frame the small interchange dialogs share: a title, a name for tests,
// a column of controls and an OK / Cancel row.
QBoxLayout *MakeOptionsFrame(QDialog &dialog, const char *name, const QString &title, QPushButton *&ok,
                             QPushButton *&cancel);

// The caption of the current view, for choices that offer it.
QString CurrentViewCaption(bool currentIsBusiness);

} // namespace varnelle
