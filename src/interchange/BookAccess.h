#pragma once

#include "interchange/ContactRecord.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariantList>

namespace varnelle::interchange {

// A failure of the address book as a sentence for the user.
InterchangeError BookError(const QSqlQuery &query);

// Prepares a statement; throws InterchangeError when the book refuses it.
QSqlQuery Prepare(const QSqlDatabase &db, const QString &sql);

// Binds the values in order and runs a prepared statement. Throws InterchangeError.
void Run(QSqlQuery &query, const QVariantList &values = {});

} // namespace varnelle::interchange
