#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace varnelle::test {

// The shown window of class F, or nullptr when none is.
template <class F>
F *ShownWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *form = qobject_cast<F *>(window); form && form->isVisible())
            return form;
    }
    return nullptr;
}

// Acts on the window of class F once its modal showing, about to begin, has
// started (exec() blocks, so the test speaks to the window from its event
// loop). A window that act leaves on screen is closed through its frame, so
// that a failing test cannot block.
template <class F>
void WhenShown(std::function<void(F &)> act)
{
    QTimer::singleShot(0, [act = std::move(act)] {
        F *form = ShownWindow<F>();
        if (!form)
            return;
        act(*form);
        if (ShownWindow<F>() == form)
            form->close();
    });
}

} // namespace varnelle::test
