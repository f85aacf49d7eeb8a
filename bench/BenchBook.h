#pragma once

// The book the list and search benchmarks read: Address.mdb in the current
// folder with `contacts` contacts, half of them business, two numbers each,
// random names (a few missing), company "Acme", city "Springfield", state NY.

#include "store/Database.h"

#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

namespace varnelle {

inline QString RandomName(QRandomGenerator &random, int minLength, int maxLength)
{
    static const QString letters = "abcdefghijklmnopqrstuvwxyz";
    const int length = random.bounded(minLength, maxLength + 1);
    QString name;
    for (int i = 0; i < length; ++i)
        name += letters[random.bounded(letters.size())];
    name[0] = name[0].toUpper();
    return name;
}

inline void BuildBenchBook(int contacts)
{
    EnsureDatabase();
    QSqlDatabase db = OpenDatabase(DatabaseFileName, "bench-build");
    QRandomGenerator random(20240601);
    InTransaction(db, [&] {
        RunQuery(db, "INSERT INTO Setup (IsBusiness) VALUES (1)");
        RunQuery(db, "INSERT INTO TelephoneType (TelephoneType) VALUES ('Work'), ('Home'), ('Fax')");
        QSqlQuery contact(db);
        contact.prepare("INSERT INTO Address (IsBusiness, Title, LastName, FirstName, Company, City, State) "
                        "VALUES (?, 'Mr', ?, ?, 'Acme', 'Springfield', 'NY')");
        QSqlQuery number(db);
        number.prepare("INSERT INTO TelephoneList (PersonID, TypeID, Number) VALUES (?, ?, ?)");
        for (int i = 0; i < contacts; ++i) {
            contact.addBindValue(i % 2 == 0);
            // A few contacts without one or both names, as in real books.
            contact.addBindValue(i % 50 == 7 ? QVariant() : QVariant(RandomName(random, 3, 16)));
            contact.addBindValue(i % 40 == 3 ? QVariant() : QVariant(RandomName(random, 3, 10)));
            if (!contact.exec())
                throw ToDatabaseError(contact.lastError());
            const QVariant personId = contact.lastInsertId();
            // Two numbers of types 3 and 2: the list shows the type 2 one.
            for (int type : {3, 2}) {
                number.addBindValue(personId);
                number.addBindValue(type);
                number.addBindValue(QString("555-%1-%2").arg(i, 6, 10, QChar('0')).arg(type));
                if (!number.exec())
                    throw ToDatabaseError(number.lastError());
            }
        }
    });
    CloseDatabase(db);
}

} // namespace varnelle
