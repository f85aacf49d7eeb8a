#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace varnelle {

// The About box: product name, version and copyright notice. Created and
// destroyed for each showing; OK or Esc closes it.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);

private:
    QPushButton *mOkButton = nullptr;
    QLabel *mProductLabel = nullptr;
    QLabel *mVersionLabel = nullptr;
    QLabel *mCopyrightLabel = nullptr;
    QFrame *mSeparator = nullptr;

    void createControls();
    void load();
};

} // namespace varnelle
