#include "reports/ReportDefinition.h"

#include "reports/ReportError.h"
#include "common/Contact.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace varnelle::engine {

const QStringList &addressFields()
{
    static const QStringList fields = [] {
        QStringList names = {QStringLiteral("PersonID"), QStringLiteral("IsBusiness")};
        for (const ContactField &field : ContactFields())
            names << QLatin1String(field.column);
        return names;
    }();
    return fields;
}

QString canonicalAddressField(const QString &name)
{
    for (const QString &field : addressFields()) {
        if (field.compare(name, Qt::CaseInsensitive) == 0)
            return field;
    }
    return {};
}

QStringList ReportDefinition::headings() const
{
    QStringList result;
    for (const ReportColumn &column : columns)
        result << column.heading;
    if (listTelephones)
        result << telephones.heading;
    return result;
}

std::vector<int> ReportDefinition::widths() const
{
    std::vector<int> result;
    for (const ReportColumn &column : columns)
        result.push_back(column.width);
    if (listTelephones)
        result.push_back(telephones.width);
    return result;
}

namespace {

[[noreturn]] void invalid(const QString &fileName, const QString &what)
{
    throw ReportError(QCoreApplication::translate("Reports", "The report definition file \"%1\" is not a valid report definition: %2.")
                          .arg(fileName, what));
}

int readWidth(const QJsonObject &object, const QString &fileName, const QString &where)
{
    const QJsonValue value = object.value(QStringLiteral("width"));
    if (value.isUndefined())
        return 10;
    const int width = value.toInt(-1);
    if (!value.isDouble() || width < 1 || width > 1000)
        invalid(fileName, QCoreApplication::translate("Reports", "the width of %1 must be a whole number from 1 to 1000").arg(where));
    return width;
}

QStringList readFields(const QJsonValue &value, const QString &fileName, const QString &where)
{
    if (!value.isArray() || value.toArray().isEmpty())
        invalid(fileName, QCoreApplication::translate("Reports", "%1 must name at least one field in a list").arg(where));
    QStringList fields;
    for (const QJsonValue &entry : value.toArray()) {
        const QString field = canonicalAddressField(entry.toString());
        if (!entry.isString() || field.isEmpty())
            invalid(fileName, QCoreApplication::translate("Reports", "%1 names \"%2\", which is not a field of table Address")
                                  .arg(where, entry.toVariant().toString()));
        fields << field;
    }
    return fields;
}

} // namespace

ReportDefinition ReportDefinition::fromJson(const QByteArray &json, const QString &fileName)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        invalid(fileName, QCoreApplication::translate("Reports", "%1 at character %2").arg(error.errorString()).arg(error.offset + 1));
    if (!document.isObject())
        invalid(fileName, QCoreApplication::translate("Reports", "it must hold one JSON object"));
    const QJsonObject root = document.object();

    ReportDefinition definition;
    definition.title = root.value(QStringLiteral("title")).toString();
    if (definition.title.trimmed().isEmpty())
        invalid(fileName, QCoreApplication::translate("Reports", "it has no \"title\""));

    const QString contacts = root.value(QStringLiteral("contacts")).toString(QStringLiteral("all"));
    if (contacts == QLatin1String("business"))
        definition.contacts = Contacts::Business;
    else if (contacts == QLatin1String("personal"))
        definition.contacts = Contacts::Personal;
    else if (contacts == QLatin1String("all"))
        definition.contacts = Contacts::All;
    else
        invalid(fileName, QCoreApplication::translate("Reports", "\"contacts\" must be \"business\", \"personal\" or \"all\""));

    if (root.contains(QStringLiteral("sort")))
        definition.sort = readFields(root.value(QStringLiteral("sort")), fileName, QStringLiteral("\"sort\""));

    const QString layout = root.value(QStringLiteral("layout")).toString(QStringLiteral("table"));
    if (layout == QLatin1String("table"))
        definition.layout = Layout::Table;
    else if (layout == QLatin1String("card"))
        definition.layout = Layout::Card;
    else
        invalid(fileName, QCoreApplication::translate("Reports", "\"layout\" must be \"table\" or \"card\""));

    const QJsonValue columns = root.value(QStringLiteral("columns"));
    if (!columns.isArray() || columns.toArray().isEmpty())
        invalid(fileName, QCoreApplication::translate("Reports", "it must list at least one column under \"columns\""));
    int number = 0;
    for (const QJsonValue &entry : columns.toArray()) {
        ++number;
        const QString where = QStringLiteral("column %1").arg(number);
        if (!entry.isObject())
            invalid(fileName, QCoreApplication::translate("Reports", "%1 must be a JSON object").arg(where));
        const QJsonObject object = entry.toObject();
        ReportColumn column;
        column.heading = object.value(QStringLiteral("heading")).toString();
        if (column.heading.isEmpty())
            invalid(fileName, QCoreApplication::translate("Reports", "%1 has no \"heading\"").arg(where));
        column.fields = readFields(object.value(QStringLiteral("fields")), fileName, where);
        column.join = object.value(QStringLiteral("join")).toString(QStringLiteral(" "));
        column.width = readWidth(object, fileName, where);
        definition.columns.push_back(column);
    }

    const QJsonValue telephones = root.value(QStringLiteral("telephones"));
    if (telephones.isObject()) {
        const QJsonObject object = telephones.toObject();
        definition.listTelephones = true;
        definition.telephones.heading =
            object.value(QStringLiteral("heading")).toString(QStringLiteral("Telephone Numbers"));
        definition.telephones.width = readWidth(object, fileName, QStringLiteral("\"telephones\""));
    } else if (!telephones.isUndefined() && !telephones.isNull() && telephones != QJsonValue(false)) {
        invalid(fileName, QCoreApplication::translate("Reports", "\"telephones\" must be an object with a heading and a width"));
    }
    return definition;
}

ReportDefinition ReportDefinition::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(QCoreApplication::translate("Reports", "The report definition file \"%1\" cannot be read: %2.")
                              .arg(QDir::toNativeSeparators(path), file.errorString()));
    constexpr qint64 limit = 1024 * 1024;
    const QByteArray json = file.read(limit + 1);
    if (json.size() > limit)
        invalid(QDir::toNativeSeparators(path), QCoreApplication::translate("Reports", "it is larger than 1 MB"));
    return fromJson(json, QDir::toNativeSeparators(path));
}

QString locateDefinition(const QString &name, const QStringList &folders)
{
    if (name.trimmed().isEmpty())
        throw ReportError(QCoreApplication::translate("Reports", "No report definition file was named."));
    const QFileInfo given(name);
    if (given.isAbsolute() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) {
        if (given.isFile())
            return given.absoluteFilePath();
        throw ReportError(QCoreApplication::translate("Reports", "The report definition file \"%1\" cannot be found.")
                              .arg(QDir::toNativeSeparators(name)));
    }
    QStringList looked;
    for (const QString &folder : folders) {
        const QFileInfo candidate(QDir(folder), name);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
        looked << QDir::toNativeSeparators(QDir(folder).absolutePath());
    }
    looked.removeDuplicates();
    throw ReportError(QCoreApplication::translate("Reports", "The report definition file \"%1\" cannot be found. It was looked for in: %2.")
                          .arg(name, looked.join(QStringLiteral(", "))));
}

} // namespace varnelle::engine
