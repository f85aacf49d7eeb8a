#pragma once

#include <QSqlDatabase>

namespace varnelle {

// The view a new address book starts with: business contacts.
inline constexpr bool InitialViewIsBusiness = true;

// Reads IsBusiness of the first Setup row (in the table's own order), adding
// the row with the initial view when the table is empty. Throws DatabaseError.
bool ReadSetupView(const QSqlDatabase &db);

// The saved view as ReadSetupView reads it, without adding a row: for a
// connection that only reads. Throws DatabaseError.
bool SavedSetupView(const QSqlDatabase &db);

// Stores the negation of the first Setup row's IsBusiness and returns the
// stored value. Throws DatabaseError.
bool SwapSetupView(const QSqlDatabase &db);

} // namespace varnelle
