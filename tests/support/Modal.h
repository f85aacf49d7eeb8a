#pragma once

#include "ui/Forms.h"

#include <QTimer>
#include <functional>

namespace varnelle::test {

// Acts on the form F once its modal showing, about to begin, has started
// (exec() blocks, so the test speaks to the form from its event loop). A form
// that act leaves on screen is closed through its frame, so that a failing
// test cannot block.
template <class F>
void WhenShown(std::function<void(F &)> act)
{
    QTimer::singleShot(0, [act = std::move(act)] {
        F &form = Form<F>();
        if (!form.isVisible())
            return;
        act(form);
        if (form.isVisible())
            form.close();
    });
}

} // namespace varnelle::test
