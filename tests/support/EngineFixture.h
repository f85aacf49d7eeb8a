#pragma once

// Shared fixture of the report engine suites: a small contacts database with
// awkward values, and readers for the spreadsheet file types that follow the
// formats independently of the engine's writers.

#include "reports/ReportEngine.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <QTest>
#include <QVariant>

namespace fixture {

using Table = QList<QStringList>;

inline void exec(QSqlDatabase &db, const QString &sql, const QVariantList &values = {})
{
    QSqlQuery query(db);
    QVERIFY2(query.prepare(sql), qPrintable(query.lastError().text()));
    for (const QVariant &value : values)
        query.addBindValue(value);
    QVERIFY2(query.exec(), qPrintable(query.lastError().text() + QStringLiteral(" in ") + sql));
}

inline QVariant null() { return QVariant(QMetaType::fromType<QString>()); }

// Business contacts, in report order (by last name, then first name):
//   Adams, Ann      no company (Null), empty street, no ZIP, no numbers
//   Nüñez, Zoë      "Études SA", state Null
//   O'Brien, Seán   "Acme, Inc.", a street with double quotes, Work and Fax numbers
//   Zeller, Tab     "ACME, Inc.", a line break in the street, a tab in the city
// Personal contacts: Baker, Bob ("Acme, Inc.", Home number); Clark, Cy (company '').
inline void createDatabase(const QString &path)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture-writer"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        exec(db, QStringLiteral("CREATE TABLE Address (PersonID INTEGER PRIMARY KEY AUTOINCREMENT, IsBusiness BOOLEAN,"
                                " Title TEXT COLLATE NOCASE, FirstName TEXT COLLATE NOCASE, LastName TEXT COLLATE NOCASE,"
                                " Company TEXT COLLATE NOCASE, Street TEXT COLLATE NOCASE, State TEXT COLLATE NOCASE,"
                                " City TEXT COLLATE NOCASE, ZipCode TEXT COLLATE NOCASE, EMail TEXT COLLATE NOCASE,"
                                " Spouse TEXT COLLATE NOCASE, Children TEXT COLLATE NOCASE)"));
        exec(db, QStringLiteral("CREATE INDEX Name ON Address (IsBusiness, LastName, FirstName)"));
        exec(db, QStringLiteral("CREATE TABLE TelephoneType (TypeID INTEGER PRIMARY KEY AUTOINCREMENT,"
                                " TelephoneType TEXT COLLATE NOCASE)"));
        exec(db, QStringLiteral("CREATE TABLE TelephoneList (PersonID INTEGER, TypeID INTEGER, Number TEXT COLLATE NOCASE,"
                                " PRIMARY KEY (PersonID, TypeID))"));
        const QString insert = QStringLiteral(
            "INSERT INTO Address (PersonID, IsBusiness, Title, FirstName, LastName, Company, Street, State, City, ZipCode,"
            " EMail, Spouse, Children) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        exec(db, insert, {1, 1, QStringLiteral("Mr."), QStringLiteral("Seán"), QStringLiteral("O'Brien"),
                          QStringLiteral("Acme, Inc."), QStringLiteral("1 \"Main\" St"), QStringLiteral("NY"),
                          QStringLiteral("Zürich"), QStringLiteral("10001"), QStringLiteral("sean@acme.example"),
                          QStringLiteral("Máire"), QStringLiteral("Aoife, Cian")});
        exec(db, insert, {2, 1, null(), QStringLiteral("Ann"), QStringLiteral("Adams"), null(), QString(""),
                          QStringLiteral("MA"), QStringLiteral("Boston"), null(), null(), null(), null()});
        exec(db, insert, {3, 1, null(), QStringLiteral("Tab"), QStringLiteral("Zeller"), QStringLiteral("ACME, Inc."),
                          QStringLiteral("Line1\nLine2"), QStringLiteral("NY"), QStringLiteral("Tab\tCity"),
                          QStringLiteral("02134"), null(), null(), null()});
        exec(db, insert, {4, 1, QStringLiteral("Dr."), QStringLiteral("Zoë"), QStringLiteral("Nüñez"),
                          QStringLiteral("Études SA"), QStringLiteral("Rue d'Été 5"), null(), QStringLiteral("Genève"),
                          QStringLiteral("1204"), null(), null(), null()});
        exec(db, insert, {5, 0, null(), QStringLiteral("Bob"), QStringLiteral("Baker"), QStringLiteral("Acme, Inc."),
                          null(), QStringLiteral("CA"), null(), null(), null(), null(), null()});
        exec(db, insert, {6, 0, null(), QStringLiteral("Cy"), QStringLiteral("Clark"), QString(""), null(), null(),
                          null(), null(), null(), null(), null()});
        for (const char *type : {"Home", "Work", "Fax"})
            exec(db, QStringLiteral("INSERT INTO TelephoneType (TelephoneType) VALUES (?)"), {QString::fromLatin1(type)});
        // Added out of TypeID order: reports list them by TypeID.
        const QString number = QStringLiteral("INSERT INTO TelephoneList (PersonID, TypeID, Number) VALUES (?, ?, ?)");
        exec(db, number, {1, 3, QStringLiteral("555-0101")});
        exec(db, number, {1, 2, QStringLiteral("555-0100")});
        exec(db, number, {4, 1, QStringLiteral("+41 22 000")});
        exec(db, number, {5, 1, QStringLiteral("555-0200")});
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fixture-writer"));
}

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// RFC 4180: records end in CRLF; a quoted field may hold commas, quotes
// (doubled) and line breaks.
inline Table readCsv(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes);
    Table table;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            record << field;
            field.clear();
        } else if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
            record << field;
            table << record;
            record.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return table;
}

inline Table readTsv(const QByteArray &bytes)
{
    Table table;
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        table << lines.at(i).split(QLatin1Char('\t'));
    return table;
}

// DIF: header items (topic, "vector,value", "string") up to DATA, then data
// items ("type,number", "string"): -1,0 BOT starts a tuple, 1,0 is a string
// value, -1,0 EOD ends the data.
inline Table readDif(const QByteArray &bytes, int *vectors = nullptr, int *tuples = nullptr)
{
    // Read in Windows-1252, as spreadsheets read DIF.
    QStringDecoder windows1252("windows-1252");
    const QStringList lines = QString(windows1252(bytes)).split(QStringLiteral("\r\n"));
    Table table;
    qsizetype i = 0;
    while (i + 2 < lines.size() && lines.at(i) != QLatin1String("DATA")) {
        if (lines.at(i) == QLatin1String("VECTORS") && vectors)
            *vectors = lines.at(i + 1).section(QLatin1Char(','), 1).toInt();
        if (lines.at(i) == QLatin1String("TUPLES") && tuples)
            *tuples = lines.at(i + 1).section(QLatin1Char(','), 1).toInt();
        i += 3;
    }
    i += 3;
    while (i + 1 < lines.size()) {
        const QString head = lines.at(i);
        const QString value = lines.at(i + 1);
        i += 2;
        if (head == QLatin1String("-1,0") && value == QLatin1String("EOD"))
            return table;
        if (head == QLatin1String("-1,0") && value == QLatin1String("BOT")) {
            table << QStringList();
        } else if (head == QLatin1String("1,0") && !table.isEmpty()) {
            QString text = value.mid(1, value.size() - 2);
            table.last() << text.replace(QStringLiteral("\"\""), QStringLiteral("\""));
        } else {
            return {}; // not a value this reader expects
        }
    }
    return {}; // no EOD
}

// Runs a report of `dataFile` to a file and hands back the bytes written.
inline QByteArray exportReport(varnelle::ReportEngine &engine, const QString &dataFile, const QString &definition,
                               int fileType, const QString &output, const QString &formula = {})
{
    varnelle::ReportRequest request;
    request.definition = definition;
    request.dataFile = dataFile;
    request.destination = varnelle::ReportDestination::File;
    request.fileType = fileType;
    request.fileName = output;
    request.selectionFormula = formula;
    engine.run(request);
    return readAll(output);
}

} // namespace fixture
