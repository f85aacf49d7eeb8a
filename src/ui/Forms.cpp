#include "ui/Forms.h"

#include <QList>

namespace varnelle {

namespace {
QList<QPointer<QWidget>> &loadedForms()
{
    static QList<QPointer<QWidget>> forms;
    return forms;
}
} // namespace

void RegisterForm(QWidget *form)
{
    loadedForms().append(form);
}

void UnloadForms()
{
    // Last loaded first: dialogs go before the main window.
    QList<QPointer<QWidget>> forms;
    forms.swap(loadedForms());
    for (auto it = forms.rbegin(); it != forms.rend(); ++it)
        delete it->data();
}

} // namespace varnelle
