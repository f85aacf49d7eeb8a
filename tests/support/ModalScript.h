#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QDialog;

namespace varnelle::test {

// Answers the modal dialogs that a call opens while it runs: each step names
// the dialog it expects by objectName and acts on it the way a user would
// (clicks, keys). A step must close its dialog; a dialog left open, or one
// that no step expects, is recorded and closed through its frame so that no
// test hangs.
class ModalScript {
public:
    using Step = std::function<void(QDialog &)>;

    ModalScript &expect(const QString &dialogName, Step step);
    // Runs body, answering the dialogs it shows in turn.
    void run(const std::function<void()> &body);

    QStringList shown;    // objectNames of the dialogs that appeared, in order
    QStringList problems; // unexpected dialogs and dialogs a step left open
    int pending() const { return int(mSteps.size()); }

private:
    void answer(QDialog &dialog);
    QList<QPair<QString, Step>> mSteps;
};

} // namespace varnelle::test
