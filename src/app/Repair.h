#pragma once

#include <QString>

namespace varnelle {

// Repairs the database file in place, compacts it into "_MDBFIX_.MDB" and
// puts the compacted copy in its place with one atomic rename. Any failure is
// shown in one refusal box; the file is then left as the failing step left it,
// and the data are never only in the temporary file.
void FixDatabase(const QString &fileName);

} // namespace varnelle
