#pragma once

class QMenu;
class QWidget;

namespace varnelle {

class AddressBook;

// Adds File > "Sync Accounts…" (the accounts dialog) and File > "Sync Now"
// (a sync of every account with a progress dialog and Cancel, then its
// summary) before the menu's last entry, and the automatic sync every 15
// minutes when the user turned it on. What they need lives as a child of
// window; the lists refill themselves through the book's signals.
void AddSyncActions(QMenu *fileMenu, AddressBook &book, QWidget *window);

} // namespace varnelle
