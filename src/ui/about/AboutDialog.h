#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace varnelle {

// The About box: product name, version, copyright notice and the path of
// the open book (selectable, to copy). Created and destroyed for each
// showing; OK or Esc closes it.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(const QString &bookPath, QWidget *parent = nullptr);

private:
    QPushButton *mOkButton = nullptr;
    QLabel *mProductLabel = nullptr;
    QLabel *mVersionLabel = nullptr;
    QLabel *mCopyrightLabel = nullptr;
    QFrame *mSeparator = nullptr;
    QLineEdit *mBookPath = nullptr;

    void createControls();
    void load(const QString &bookPath);
};

} // namespace varnelle
