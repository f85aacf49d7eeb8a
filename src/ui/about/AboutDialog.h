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

    QPushButton *cmdOK = nullptr;
    QLabel *lblProduct = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblCopyright = nullptr;
    QFrame *linSeparator = nullptr;

private:
    void createControls();
    void Load();
};

} // namespace varnelle
