#include "store/Schema.h"

#include "common/Contact.h"
#include "store/SearchIndex.h"

namespace varnelle::schema {

namespace {

Field text(const char *name, int size) { return {name, FieldType::Text, size, false}; }

// PersonID, IsBusiness and then the contact's text fields.
std::vector<Field> addressFields()
{
    std::vector<Field> fields = {{"PersonID", FieldType::Long, 0, true}, {"IsBusiness", FieldType::Boolean}};
    for (const ContactField &f : ContactFields())
        fields.push_back(text(f.column, f.size));
    return fields;
}

QString quoted(const QString &name) { return '"' + name + '"'; }

QString sizeConstraintName(const Field &f) { return f.name + "_size"; }

QString columnDefinition(const Field &f)
{
    QString def = quoted(f.name);
    switch (f.type) {
    case FieldType::Boolean:
        def += " BOOLEAN";
        break;
    case FieldType::Long:
        def += " INTEGER";
        if (f.autoIncrement) {
            // The automatic key is the table's primary key, named "Primary".
            def += " CONSTRAINT \"Primary\" PRIMARY KEY AUTOINCREMENT";
        }
        break;
    case FieldType::Text:
        // Over-long text is refused, never cut; keys compare without regard to case.
        def += QString(" VARCHAR(%1) COLLATE NOCASE CONSTRAINT %2 CHECK (length(%3) <= %1)")
                   .arg(f.size)
                   .arg(quoted(sizeConstraintName(f)), quoted(f.name));
        break;
    }
    return def;
}

QString fieldList(const QStringList &fields)
{
    QStringList q;
    for (const QString &f : fields)
        q << quoted(f);
    return q.join(", ");
}

} // namespace

const std::vector<Table> &Tables()
{
    static const std::vector<Table> tables = {
        {"Setup", {{"IsBusiness", FieldType::Boolean}}, {}},
        {"TelephoneType",
         {{"TypeID", FieldType::Long, 0, true}, text("TelephoneType", PhoneTypeSize)},
         {{"Primary", {"TypeID"}, true, true}, {"TelephoneType", {"TelephoneType"}, false, true}}},
        {"TelephoneList",
         {{"PersonID", FieldType::Long}, {"TypeID", FieldType::Long}, text("Number", PhoneNumberSize)},
         {{"Primary", {"PersonID", "TypeID"}, true, true}, {"TypeID", {"TypeID"}, false, false}}},
        {"Address",
         addressFields(),
         {{"Primary", {"PersonID"}, true, true}, {"Name", {"IsBusiness", "LastName", "FirstName"}, false, false}}},
    };
    return tables;
}

QStringList CreateStatements()
{
    QStringList statements;
    for (const Table &table : Tables()) {
        QStringList parts;
        QString automaticKey;
        for (const Field &f : table.fields) {
            if (f.autoIncrement)
                automaticKey = f.name;
        }
        for (const Field &f : table.fields)
            parts << columnDefinition(f);
        QStringList separateIndexes;
        for (const Index &index : table.indexes) {
            if (index.primary && index.fields == QStringList{automaticKey})
                continue; // declared with its column
            if (index.primary) {
                parts << QString("CONSTRAINT %1 PRIMARY KEY (%2)").arg(quoted(index.name), fieldList(index.fields));
            } else if (index.unique && index.name == table.name) {
                // An index may not share its table's name, so this one is a named constraint.
                parts << QString("CONSTRAINT %1 UNIQUE (%2)").arg(quoted(index.name), fieldList(index.fields));
            } else {
                separateIndexes << QString("CREATE %1INDEX %2 ON %3 (%4)")
                                       .arg(index.unique ? "UNIQUE " : "", quoted(index.name), quoted(table.name),
                                            fieldList(index.fields));
            }
        }
        statements << QString("CREATE TABLE %1 (%2)").arg(quoted(table.name), parts.join(", "));
        statements << separateIndexes;
    }
    // After the tables its triggers watch.
    return statements << SearchKeyStatements();
}

QString IndexNameFor(const QString &table, const QStringList &fields)
{
    for (const Table &t : Tables()) {
        if (t.name.compare(table, Qt::CaseInsensitive) != 0)
            continue;
        for (const Index &index : t.indexes) {
            if (index.fields.size() != fields.size())
                continue;
            bool same = true;
            for (qsizetype i = 0; i < fields.size(); ++i)
                same = same && index.fields[i].compare(fields[i], Qt::CaseInsensitive) == 0;
            if (same)
                return index.name;
        }
    }
    return {};
}

int TextSize(const QString &table, const QString &field)
{
    for (const Table &t : Tables()) {
        if (t.name.compare(table, Qt::CaseInsensitive) != 0)
            continue;
        for (const Field &f : t.fields)
            if (f.type == FieldType::Text && f.name.compare(field, Qt::CaseInsensitive) == 0)
                return f.size;
    }
    return 0;
}

} // namespace varnelle::schema
