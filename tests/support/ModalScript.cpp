#include "support/ModalScript.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <exception>

namespace varnelle::test {

ModalScript &ModalScript::expect(const QString &dialogName, Step step)
{
    mSteps.append({dialogName, std::move(step)});
    return *this;
}

void ModalScript::run(const std::function<void()> &body)
{
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [this] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible())
            answer(*dialog);
    });
    timer.start();
    body();
    timer.stop();
}

void ModalScript::answer(QDialog &dialog)
{
    const QString name = dialog.objectName();
    shown << name;
    if (mSteps.isEmpty() || mSteps.first().first != name) {
        problems << "unexpected dialog " + name;
        dialog.close();
        return;
    }
    const Step step = mSteps.takeFirst().second;
    // Nothing may be thrown through the dialog's event loop.
    try {
        step(dialog);
    } catch (const std::exception &error) {
        problems << "dialog " + name + ": " + QString::fromLocal8Bit(error.what());
    }
    if (dialog.isVisible()) {
        problems << "dialog " + name + " left open";
        dialog.close();
    }
}

} // namespace varnelle::test
