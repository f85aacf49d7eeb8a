#pragma once

#include "interchange/BookExport.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QRadioButton;

namespace varnelle {

// Asks which contacts to export (all, or the current view) and in which
// format (vCard 4.0, vCard 3.0, CSV; the file's name suggests one).
class ExportOptionsDialog : public QDialog {
    Q_OBJECT
public:
    ExportOptionsDialog(const QString &fileName, bool currentIsBusiness, QWidget *parent = nullptr);

    interchange::ExportScope chosenScope() const;
    interchange::ExportFormat chosenFormat() const;

private:
    QRadioButton *mAllOption = nullptr;
    QRadioButton *mViewOption = nullptr;
    QComboBox *mFormatCombo = nullptr;
    QPushButton *mOkButton = nullptr;
    QPushButton *mCancelButton = nullptr;
    bool mCurrentIsBusiness;
};

} // namespace varnelle
