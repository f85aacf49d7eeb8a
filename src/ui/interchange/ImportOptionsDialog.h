#pragma once

#include "interchange/BookImport.h"

#include <QDialog>

class QPushButton;
class QRadioButton;

namespace varnelle {

// Asks where imported contacts go: business when a company is given (the
// first choice), business, personal, or the current view.
class ImportOptionsDialog : public QDialog {
    Q_OBJECT
public:
    ImportOptionsDialog(bool currentIsBusiness, QWidget *parent = nullptr);

    interchange::ImportView chosenView() const;

private:
    QRadioButton *mByCompanyOption = nullptr;
    QRadioButton *mBusinessOption = nullptr;
    QRadioButton *mPersonalOption = nullptr;
    QRadioButton *mCurrentViewOption = nullptr;
    QPushButton *mOkButton = nullptr;
    QPushButton *mCancelButton = nullptr;
};

} // namespace varnelle
