#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace varnelle::schema {

enum class FieldType { Boolean = 1, Long = 4, Text = 10 };

struct Field {
    QString name;
    FieldType type;
    int size = 0;            // Text only: the most characters the field holds
    bool autoIncrement = false;
};

struct Index {
    QString name;
    QStringList fields;
    bool primary = false;
    bool unique = false;
};

struct Table {
    QString name;
    std::vector<Field> fields;
    std::vector<Index> indexes;
};

// The four tables of the address book, in the order they are created.
const std::vector<Table> &Tables();

// The statements that create the schema in an empty database.
QStringList CreateStatements();

// The table and index that a set of key columns belongs to, for error texts;
// empty when no index of that table has exactly these fields.
QString IndexNameFor(const QString &table, const QStringList &fields);

// The size of a Text field, or 0 when the field is unknown.
int TextSize(const QString &table, const QString &field);

} // namespace varnelle::schema
