#include "app/Repair.h"

#include "app/MessageBox.h"
#include "data/Database.h"
#include "data/Maintenance.h"

#include <QFileInfo>

namespace varnelle {

void FixDatabase(const QString &fileName)
{
    try {
        // A leftover copy of an earlier repair stops this one before either file is touched.
        if (QFileInfo::exists(RepairFileName))
            throw CopyExistsError();
        RepairInPlace(fileName);
        CompactInto(fileName, RepairFileName);
        ReplaceFile(RepairFileName, fileName);
    } catch (const DatabaseError &error) {
        MsgBox(error.message(), MsgRefusal);
    }
}

} // namespace varnelle
