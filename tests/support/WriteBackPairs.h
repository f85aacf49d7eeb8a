#pragma once

// Golden pairs of the sync's write-back: a card as the server keeps it, the
// changes the book makes to its contact, and the card that goes back. Used
// on the card editor alone and through a real server.
#include <QByteArray>
#include <QStringList>
#include <QTest>

namespace varnelle::test {

// A card of content lines, each ended by CRLF; a changed line longer than
// 75 octets is folded.
inline QByteArray CardOf(std::initializer_list<const char *> lines)
{
    QByteArray out;
    for (const char *line : lines)
        out += QByteArray(line) + "\r\n";
    return out;
}

// Columns: card (QByteArray), changes (QStringList: "Column=value" for a field
// of table Address, "#Type=number" for a number), expected (QByteArray).
inline void WriteBackPairs()
{
    QTest::addColumn<QByteArray>("card");
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("last name and ZIP; what the book cannot hold stays")
        << CardOf({"BEGIN:VCARD", "VERSION:3.0", "UID:mm-1", "N:Müller;Maximilian-Alexander;Johann;Dr.;Jr.",
                   "FN:Max Müller", "ADR;TYPE=WORK:;Gebäude 3;Leopoldstraße 12;München;Bayern;80802;Deutschland",
                   "TEL;TYPE=WORK:+49 89 1234567 ext. 890", "END:VCARD"})
        << QStringList{"LastName=Müller-Lüdenscheidt", "ZipCode=80803"}
        << CardOf({"BEGIN:VCARD", "VERSION:3.0", "UID:mm-1", "N:Müller-Lüdenscheidt;Maximilian-Alexander;Johann;Dr.;Jr.",
                   "FN:Max Müller", "ADR;TYPE=WORK:;Gebäude 3;Leopoldstraße 12;München;Bayern;80803;Deutschla\r\n nd",
                   "TEL;TYPE=WORK:+49 89 1234567 ext. 890", "END:VCARD"});
    QTest::newRow("FN built from the name follows it, from the whole parts")
        << CardOf({"BEGIN:VCARD", "VERSION:3.0", "UID:mm-2", "N:Müller;Maximilian-Alexander;;;", "FN:Maximilian-Alexander Müller",
                   "END:VCARD"})
        << QStringList{"LastName=Meier"}
        << CardOf({"BEGIN:VCARD", "VERSION:3.0", "UID:mm-2", "N:Meier;Maximilian-Alexander;;;",
                   "FN:Maximilian-Alexander Meier", "END:VCARD"});
    QTest::newRow("a new number beside a longer one of its type")
        << CardOf({"BEGIN:VCARD", "VERSION:3.0", "UID:mm-3", "N:Roe;Rick;;;", "FN:Rick Roe",
                   "TEL;TYPE=WORK:+49 89 1234567 ext. 890", "END:VCARD"})
        << QStringList{"#Work=089 1"}
        << CardOf({"BEGIN:VCARD", "VERSION:3.0", "UID:mm-3", "N:Roe;Rick;;;", "FN:Rick Roe",
                   "TEL;TYPE=WORK:089 1", "TEL;TYPE=WORK:+49 89 1234567 ext. 890", "END:VCARD"});
    QTest::newRow("street with its extended address")
        << CardOf({"BEGIN:VCARD", "VERSION:3.0", "UID:mm-4", "N:Roe;Rick;;;", "FN:Rick Roe",
                   "ADR;TYPE=HOME:;Gebäude 3;Leopoldstraße 12;München;;80802;", "END:VCARD"})
        << QStringList{"Street=Leopoldstraße 14, Gebäude 3"}
        << CardOf({"BEGIN:VCARD", "VERSION:3.0", "UID:mm-4", "N:Roe;Rick;;;", "FN:Rick Roe",
                   "ADR;TYPE=HOME:;Gebäude 3;Leopoldstraße 14;München;;80802;", "END:VCARD"});
    QTest::newRow("groups, parameters, escapes and order stay")
        << CardOf({"BEGIN:VCARD", "VERSION:3.0", "UID:mm-5", "NOTE:a\\, b", "N:Roe;Rick;;;", "FN:Rick Roe",
                   "item1.ADR;TYPE=WORK,PREF:;;1 Elm St;Oldtown;;12345;UK", "item1.X-ABLabel:Office",
                   "EMAIL;TYPE=INTERNET:rick@example.com", "END:VCARD"})
        << QStringList{"City=Newtown", "EMail=roe@example.com"}
        << CardOf({"BEGIN:VCARD", "VERSION:3.0", "UID:mm-5", "NOTE:a\\, b", "N:Roe;Rick;;;", "FN:Rick Roe",
                   "item1.ADR;TYPE=WORK,PREF:;;1 Elm St;Newtown;;12345;UK", "item1.X-ABLabel:Office",
                   "EMAIL;TYPE=INTERNET:roe@example.com", "END:VCARD"});
    QTest::newRow("a tel: URI with visual separators")
        << CardOf({"BEGIN:VCARD", "VERSION:4.0", "UID:mm-6", "N:Roe;Rick;;;", "FN:Rick Roe",
                   "TEL;VALUE=uri;TYPE=cell:tel:+49-160-1111111", "END:VCARD"})
        << QStringList{"#Mobile=+49 160 5555555"}
        << CardOf({"BEGIN:VCARD", "VERSION:4.0", "UID:mm-6", "N:Roe;Rick;;;", "FN:Rick Roe",
                   "TEL;VALUE=uri;TYPE=cell:tel:+49-160-5555555", "END:VCARD"});
}

} // namespace varnelle::test
