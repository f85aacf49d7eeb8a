#pragma once

#include <QPointer>
#include <QWidget>

namespace varnelle {

void RegisterForm(QWidget *form);

// Every form exists once: created ("loaded") on first use, then kept,
// hidden rather than destroyed, until UnloadForms.
template <class F>
F &Form()
{
    static QPointer<F> instance;
    if (!instance) {
        instance = new F;
        RegisterForm(instance);
    }
    return *instance;
}

// Destroys every loaded form (the end of the program, and between tests).
void UnloadForms();

} // namespace varnelle
