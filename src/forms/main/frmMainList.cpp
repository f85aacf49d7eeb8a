// The main window's contact list, its buttons and the business/personal view.
#include "forms/main/frmMain.h"

#include "app/Globals.h"

#include <QListWidget>
#include <QPushButton>

namespace varnelle {

void frmMain::SetButtons()
{
    const bool selected = lstAddress->currentRow() >= 0 && !lstAddress->selectedItems().isEmpty();
    cmdEdit->setEnabled(selected);
    cmdDelete->setEnabled(selected);
}

void frmMain::FillList()
{
    lstAddress->clear();
    cmdSwap->setText(gIsBusiness ? "&Business" : "&Personal");
    SetButtons();
}

QString frmMain::FormatLine(std::int32_t personId)
{
    Q_UNUSED(personId);
    return {};
}

void frmMain::DeleteContact(std::int32_t personId)
{
    Q_UNUSED(personId);
}

void frmMain::cmdAdd_Click() {}
void frmMain::cmdEdit_Click() {}
void frmMain::cmdDelete_Click() {}
void frmMain::cmdSwap_Click() {}

} // namespace varnelle
