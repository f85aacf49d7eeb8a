#include "interchange/CsvReader.h"

#include "interchange/CsvWriter.h"
#include "interchange/TextDecoding.h"
#include "interchange/TypeWords.h"

#include <QCoreApplication>
#include <QDate>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <map>
#include <optional>

namespace varnelle::interchange {

namespace {

// What a column holds.
enum class Role {
    Unknown,      // listed under its heading, `words`
    Title, FirstName, LastName, WholeName, Company, Email, Spouse, Children,
    Telephone,    // a number of the type in `words`
    Detail,       // a detail of kind `words`, labelled `slot` (see addDetail)
    Unplaced,     // a value with no place, captioned `words`
    AddressPart,  // part `words` of the address in slot `slot`
    PairType,     // the type of numbered pair `slot` ("phone 1", "e-mail 2", "relation 1")
    PairService,  // the service of a numbered pair ("IM 1 - Service")
    PairValue,    // its value
};

struct Column {
    Role role = Role::Unknown;
    QString words;
    QString slot;
    bool dayFirst = false; // dates are written day first ("3.2.1980"), as German and French programs write them
};

const QHash<QString, QString> &fixedTelephones()
{
    static const QHash<QString, QString> table = {
        {"business phone", "Work"},      {"business phone 2", "Work"},   {"work phone", "Work"},
        {"home phone", "Home"},          {"home phone 2", "Home"},       {"mobile phone", "Mobile"},
        {"mobile number", "Mobile"},     {"cell phone", "Mobile"},       {"mobile", "Mobile"},
        {"business fax", "Work Fax"},    {"work fax", "Work Fax"},       {"home fax", "Home Fax"},
        {"other fax", "Other Fax"},      {"fax", "Fax"},                 {"fax number", "Fax"},
        {"pager", "Pager"},              {"pager number", "Pager"},      {"car phone", "Car"},
        {"primary phone", "Main"},       {"company main phone", "Company Main"}, {"other phone", "Other"},
        {"assistant's phone", "Assistant"}, {"callback", "Callback"},    {"isdn", "ISDN"},
        {"radio phone", "Radio"},        {"telex", "Telex"},             {"tty/tdd phone", "TTY/TDD"},
        {"phone", "Phone"},              {"telephone", "Phone"},         {"phone number", "Phone"},
        {"home mobile", "Home Mobile"},  {"work mobile", "Work Mobile"}, {"business mobile", "Work Mobile"},
        {"phone video", "Video"},        {"phone home", "Home"},         {"phone work", "Work"},
        {"phone mobile", "Mobile"},      {"phone fax", "Fax"},           {"phone pager", "Pager"},
        {"phone other", "Other"},        {"home phone 1", "Home"},       {"work phone 2", "Work"},
        {"other mobile", "Other Mobile"}, {"home pager", "Home Pager"},  {"work pager", "Work Pager"},
    };
    return table;
}

const QHash<QString, Role> &fixedRoles()
{
    static const QHash<QString, Role> table = {
        {"title", Role::Title},          {"name prefix", Role::Title},     {"prefix", Role::Title},
        {"first name", Role::FirstName}, {"given name", Role::FirstName},  {"last name", Role::LastName},
        {"family name", Role::LastName}, {"surname", Role::LastName},      {"name", Role::WholeName},
        {"display name", Role::WholeName}, {"full name", Role::WholeName}, {"company", Role::Company},
        {"organization", Role::Company}, {"organization name", Role::Company}, {"company name", Role::Company},
        {"spouse", Role::Spouse},        {"spouse name", Role::Spouse},    {"children", Role::Children},
        {"child", Role::Children},
    };
    return table;
}

// E-mail columns and the label of their address.
const QHash<QString, QString> &emailLabels()
{
    static const QHash<QString, QString> table = {
        {"e-mail address", ""},  {"email address", ""},  {"e-mail", ""},        {"email", ""},
        {"primary email", ""},   {"email home", "home"}, {"email work", "work"}, {"email other", "other"},
        {"e-mail home", "home"}, {"e-mail work", "work"}, {"e-mail other", "other"}, {"home email", "home"},
        {"work email", "work"},  {"other email", "other"}, {"email address 2", ""}, {"email address 3", ""},
        {"e-mail 2 address", ""}, {"e-mail 3 address", ""}, {"secondary email", ""},
    };
    return table;
}

// Columns of details: the kind (as addDetail takes it) and a label.
const QHash<QString, std::pair<QString, QString>> &detailColumns()
{
    static const QHash<QString, std::pair<QString, QString>> table = {
        {"middle name", {"middle", ""}},        {"additional name", {"middle", ""}},
        {"honorific prefix", {"prefix", ""}},   {"suffix", {"suffix", ""}},
        {"name suffix", {"suffix", ""}},        {"nickname", {"nickname", ""}},
        {"job title", {"job", ""}},             {"organization title", {"job", ""}},
        {"position", {"job", ""}},              {"role", {"role", ""}},
        {"department", {"department", ""}},     {"organization department", {"department", ""}},
        {"notes", {"note", ""}},                {"note", {"note", ""}},
        {"birthday", {"birthday", ""}},         {"anniversary", {"anniversary", ""}},
        {"birth year", {"birthday", "year"}},   {"birth month", {"birthday", "month"}},
        {"birth day", {"birthday", "day"}},     {"anniversary year", {"anniversary", "year"}},
        {"anniversary month", {"anniversary", "month"}}, {"anniversary day", {"anniversary", "day"}},
        {"web page", {"web", ""}},              {"web page 1", {"web", ""}},
        {"web page 2", {"web", ""}},            {"website", {"web", ""}},
        {"url", {"web", ""}},                   {"personal web page", {"web", "home"}},
        {"business web page", {"web", "work"}}, {"categories", {"categories", ""}},
        {"photo", {"photo", ""}},
    };
    return table;
}

const QHash<QString, QString> &unplacedCaptions()
{
    static const QHash<QString, QString> table = {
        {"assistant's name", "Assistant"}, {"manager's name", "Manager"}, {"office location", "Office"},
        {"profession", "Profession"},
    };
    return table;
}

// "business street 2" -> slot "work", part "street"
bool addressColumn(const QString &heading, Column &column)
{
    static const QRegularExpression pattern(
        "^(?:(business|work|home|other) )?(street|street 2|street 3|address|address 2|street address|city|state|"
        "region|postal code|zip|zip code|zipcode|country|country/region|po box)$");
    const auto m = pattern.match(heading);
    if (!m.hasMatch())
        return false;
    QString part = m.captured(2);
    if (part.startsWith("street") || part.startsWith("address"))
        part = "street";
    else if (part == "region")
        part = "state";
    else if (part.startsWith("zip") || part == "postal code")
        part = "zip";
    else if (part.startsWith("country"))
        part = "country";
    QString slot = m.captured(1);
    if (slot == "business")
        slot = "work";
    column = {Role::AddressPart, part, slot};
    return true;
}

// "Phone 1 - Type", "E-mail 2 - Value", "Address 1 - City", "Organization 1 - Name"
bool numberedColumn(const QString &heading, Column &column)
{
    static const QRegularExpression pattern("^(phone|e-mail|email|relation|address|organization|website|event|im|"
                                            "social) (\\d+) - (.+)$");
    const auto m = pattern.match(heading);
    if (!m.hasMatch())
        return false;
    const QString kind = m.captured(1) == "email" ? QStringLiteral("e-mail") : m.captured(1);
    const QString slot = kind + u' ' + m.captured(2);
    const QString field = m.captured(3);
    const bool first = m.captured(2) == "1";
    if (field == "type" || field == "label") {
        column = {Role::PairType, {}, slot};
    } else if (field == "service") {
        column = {Role::PairService, {}, slot};
    } else if (kind == "address") {
        if (field == "extended address")
            column = {Role::AddressPart, "extended", slot};
        else if (!addressColumn(field, column) || field == "formatted")
            return false;
        column.slot = slot;
    } else if (kind == "organization") {
        if (field == "name")
            column = first ? Column{Role::Company, {}, {}} : Column{Role::Unplaced, "Company", {}};
        else if (field == "title")
            column = first ? Column{Role::Detail, "job", {}} : Column{Role::Unplaced, "Job title", {}};
        else if (field == "department")
            column = first ? Column{Role::Detail, "department", {}} : Column{Role::Unplaced, "Department", {}};
        else
            return false;
    } else if (field == "value") {
        column = {Role::PairValue, {}, slot};
    } else {
        return false;
    }
    return true;
}

// The German, French and Japanese headings of the common mail-program and
// web-book exports, as the English heading of the same column.
const QHash<QString, QString> &translatedHeadings()
{
    static const QHash<QString, QString> table = {
        // German
        {"anrede", "title"}, {"vorname", "first name"}, {"weitere vornamen", "middle name"},
        {"zweiter vorname", "middle name"}, {"nachname", "last name"}, {"firma", "company"},
        {"unternehmen", "company"}, {"abteilung", "department"}, {"position", "job title"},
        {"straße geschäftlich", "business street"}, {"ort geschäftlich", "business city"},
        {"region geschäftlich", "business state"}, {"bundesland/kanton geschäftlich", "business state"},
        {"postleitzahl geschäftlich", "business postal code"},
        {"land/region geschäftlich", "business country"}, {"straße privat", "home street"},
        {"ort privat", "home city"}, {"region privat", "home state"}, {"bundesland/kanton privat", "home state"},
        {"postleitzahl privat", "home postal code"}, {"land/region privat", "home country"},
        {"telefon geschäftlich", "business phone"}, {"telefon geschäftlich 2", "business phone 2"},
        {"telefon privat", "home phone"}, {"telefon privat 2", "home phone 2"}, {"mobiltelefon", "mobile phone"},
        {"fax geschäftlich", "business fax"}, {"fax privat", "home fax"},
        {"e-mail-adresse", "e-mail address"}, {"e-mail 2: adresse", "e-mail 2 address"},
        {"e-mail 3: adresse", "e-mail 3 address"}, {"partner", "spouse"}, {"kinder", "children"},
        {"notizen", "notes"}, {"geburtstag", "birthday"}, {"jahrestag", "anniversary"}, {"webseite", "web page"},
        {"spitzname", "nickname"},
        // French
        {"titre", "title"}, {"prénom", "first name"}, {"deuxième prénom", "middle name"},
        {"nom", "last name"}, {"nom de famille", "last name"}, {"suffixe", "suffix"}, {"société", "company"},
        {"entreprise", "company"}, {"service", "department"}, {"fonction", "job title"},
        {"rue (bureau)", "business street"}, {"ville (bureau)", "business city"},
        {"dép/région (bureau)", "business state"}, {"code postal (bureau)", "business postal code"},
        {"pays/région (bureau)", "business country"}, {"rue (domicile)", "home street"},
        {"ville (domicile)", "home city"}, {"dép/région (domicile)", "home state"},
        {"code postal (domicile)", "home postal code"}, {"pays/région (domicile)", "home country"},
        {"téléphone (bureau)", "business phone"}, {"téléphone 2 (bureau)", "business phone 2"},
        {"téléphone (domicile)", "home phone"}, {"tél. mobile", "mobile phone"},
        {"téléphone mobile", "mobile phone"}, {"télécopie (bureau)", "business fax"},
        {"télécopie (domicile)", "home fax"}, {"adresse de messagerie", "e-mail address"},
        {"adresse e-mail", "e-mail address"}, {"adresse de messagerie 2", "e-mail 2 address"},
        {"conjoint(e)", "spouse"}, {"conjoint", "spouse"}, {"enfants", "children"},
        {"anniversaire", "birthday"}, {"page web", "web page"}, {"surnom", "nickname"},
        // Japanese
        {"敬称", "title"}, {"名", "first name"}, {"姓", "last name"}, {"ミドル ネーム", "middle name"},
        {"会社名", "company"}, {"部署", "department"}, {"役職", "job title"},
        {"番地 (会社)", "business street"}, {"市町村 (会社)", "business city"},
        {"都道府県 (会社)", "business state"}, {"郵便番号 (会社)", "business postal code"},
        {"国/地域 (会社)", "business country"}, {"番地 (自宅)", "home street"}, {"市町村 (自宅)", "home city"},
        {"都道府県 (自宅)", "home state"}, {"郵便番号 (自宅)", "home postal code"},
        {"国/地域 (自宅)", "home country"}, {"会社電話", "business phone"}, {"自宅電話", "home phone"},
        {"携帯電話", "mobile phone"}, {"会社 fax", "business fax"}, {"自宅 fax", "home fax"},
        {"電子メール アドレス", "e-mail address"}, {"電子メール 2 アドレス", "e-mail 2 address"},
        {"電子メール 3 アドレス", "e-mail 3 address"}, {"メモ", "notes"}, {"誕生日", "birthday"},
        {"web ページ", "web page"}, {"配偶者", "spouse"}, {"子供", "children"}, {"ニックネーム", "nickname"},
    };
    return table;
}

Column columnFor(const QString &rawHeading)
{
    QString heading = rawHeading.simplified().toLower();
    const auto translated = translatedHeadings().find(heading);
    if (translated != translatedHeadings().end()) {
        Column column = columnFor(translated.value());
        column.dayFirst = true;
        return column;
    }
    Column column;
    if (auto r = fixedRoles().find(heading); r != fixedRoles().end())
        return {r.value(), {}, {}};
    if (auto e = emailLabels().find(heading); e != emailLabels().end())
        return {Role::Email, {}, e.value()};
    if (auto d = detailColumns().find(heading); d != detailColumns().end())
        return {Role::Detail, d.value().first, d.value().second};
    if (auto t = fixedTelephones().find(heading); t != fixedTelephones().end())
        return {Role::Telephone, t.value(), {}};
    if (auto u = unplacedCaptions().find(heading); u != unplacedCaptions().end())
        return {Role::Unplaced, u.value(), {}};
    if (numberedColumn(heading, column) || addressColumn(heading, column))
        return column;
    return {};
}

// A telephone type written as a cell keeps its text ("cell", "pager 2",
// "*VIP"), but for the web book's mark of the primary value, "* " ("* Mobile").
QString telephoneType(const QString &cell)
{
    QString type = cell.trimmed();
    if (type.startsWith(QLatin1String("* ")))
        type = type.mid(2).trimmed();
    return type.isEmpty() ? QStringLiteral("Phone") : type;
}

// The cells of one record and the line it starts on.
struct Row {
    QStringList cells;
    qsizetype line = 0;
};

// Splits RFC 4180 text into rows: quoted cells may hold separators, quotes
// (doubled) and line breaks. The text is decoded a piece at a time as the
// rows need it, so that a large file is never held whole.
class RowSource {
public:
    RowSource(ByteChunks &chunks, Charset charset, const UndeclaredCharset &undeclared)
        : mChunks(chunks), mCharset(charset)
    {
        if (charset != Charset::Utf8 && !undeclared.isEmpty())
            mNamed.emplace(undeclared.name.constData());
    }

    // The first line of the text, or as much of it as the first piece holds.
    QString firstLine()
    {
        if (mPos >= mText.size())
            refill();
        const qsizetype end = mText.indexOf(u'\n', mPos);
        return mText.sliced(mPos, (end < 0 ? mText.size() : end) - mPos);
    }
    void setSeparator(QChar separator) { mSeparator = separator; }

    // How many bytes of the file lie before where the reading stands, as near as the text's characters tell.
    qint64 bytePosition() const
    {
        if (mText.isEmpty())
            return mPieceStart;
        return mPieceStart + qint64(double(mPos) * double(mPieceBytes) / double(mText.size()));
    }

    bool next(Row &row)
    {
        row.cells.clear();
        if (mPos >= mText.size() && !refill())
            return false;
        row.line = mLine;
        qsizetype rowChars = 0;
        QString cell;
        bool quoted = false;
        qsizetype quoteLine = 0;
        for (;;) {
            if (mPos >= mText.size() && !refill())
                break;
            const QChar c = mText[mPos++];
            if (quoted) {
                if (c == u'"') {
                    if (mPos >= mText.size())
                        refill();
                    if (mPos < mText.size() && mText[mPos] == u'"') {
                        cell += c;
                        ++mPos;
                    } else {
                        quoted = false;
                    }
                } else {
                    if (c == u'\n')
                        ++mLine;
                    cell += c;
                }
            } else if (c == u'"' && cell.trimmed().isEmpty()) {
                quoted = true;
                quoteLine = mLine;
                cell.clear();
            } else if (c == mSeparator) {
                if (row.cells.size() + 1 >= mLimits.cells)
                    throw LineError(row.line, QCoreApplication::translate(
                                                  "Interchange", "the row has more than %1 cells, far more than "
                                                                 "any file of contacts has columns. This is not a "
                                                                 "contact file, or it is damaged.")
                                                  .arg(mLimits.cells));
                row.cells << cell;
                cell.clear();
            } else if (c == u'\n') {
                ++mLine;
                break;
            } else if (c != u'\r') {
                cell += c;
            }
            if (cell.size() > mLimits.lineBytes)
                throw LineError(row.line, QCoreApplication::translate(
                                              "Interchange", "a cell is longer than %1 MB, far more than any "
                                                             "contact holds. This is not a contact file, or it is "
                                                             "damaged.")
                                              .arg(qMax<qsizetype>(mLimits.lineBytes >> 20, 1)));
            if (++rowChars > mLimits.lineBytes)
                throw LineError(row.line, QCoreApplication::translate(
                                              "Interchange", "the row is longer than %1 MB, far more than any "
                                                             "contact holds. This is not a contact file, or it is "
                                                             "damaged.")
                                              .arg(qMax<qsizetype>(mLimits.lineBytes >> 20, 1)));
        }
        if (quoted)
            throw LineError(quoteLine, "a quoted cell begins here but has no closing quote.");
        row.cells << cell;
        return true;
    }

private:
    // Decodes the next piece of the file in place of the text read; false at the end.
    bool refill()
    {
        QByteArray piece;
        for (;;) {
            mPieceStart += mPieceBytes;
            piece.clear();
            if (!mChunks.appendTo(piece))
                return false;
            mPieceBytes = piece.size();
            QByteArrayView bytes(piece);
            if (mFirstPiece && bytes.startsWith("\xEF\xBB\xBF"))
                bytes = bytes.sliced(3);
            mFirstPiece = false;
            mText = mNamed                                ? QString((*mNamed)(bytes))
                : mCharset == Charset::Windows1252 ? Decode(bytes, Charset::Windows1252)
                                                   : QString(mUtf8(bytes));
            mPos = 0;
            if (!mText.isEmpty())
                return true;
        }
    }

    ByteChunks &mChunks;
    Charset mCharset;
    const ReadLimits mLimits = CurrentReadLimits();
    QStringDecoder mUtf8{QStringDecoder::Utf8}; // keeps a character split between two pieces
    std::optional<QStringDecoder> mNamed;      // the set of a file that is no UTF-8, where one was found
    QString mText;  // the piece being read
    qsizetype mPos = 0;
    qint64 mPieceStart = 0;
    qint64 mPieceBytes = 0;
    bool mFirstPiece = true;
    QChar mSeparator = u',';
    qsizetype mLine = 1;
};

QChar separatorOf(const QString &headingLine)
{
    const qsizetype commas = headingLine.count(u',');
    const qsizetype semicolons = headingLine.count(u';');
    const qsizetype tabs = headingLine.count(u'\t');
    if (tabs > commas && tabs > semicolons)
        return u'\t';
    return semicolons > commas ? u';' : u',';
}

// Numbered pairs of one row: type and values by slot.
struct Pair {
    QString type;
    QString service;
    QStringList values;
};

// A date as mail programs write it in a cell: "1980-02-03", "--02-03",
// "1980/2/3", "2/3/1980" (month first), or day first where the headings say so
// ("3.2.1980", "03/02/1980"); "0/0/00" is no date. Anything else is kept as text.
ContactDate cellDate(const QString &cell, bool dayFirst)
{
    static const QRegularExpression numeric(QStringLiteral("^(\\d{1,2})[./](\\d{1,2})[./](\\d{2}|\\d{4})$"));
    static const QRegularExpression yearFirst(QStringLiteral("^(\\d{4})/(\\d{1,2})/(\\d{1,2})$"));
    if (const auto y = yearFirst.match(cell); y.hasMatch()) { // "1980/2/3", as Japanese programs write it
        const ContactDate date{y.captured(1).toInt(), y.captured(2).toInt(), y.captured(3).toInt(), {}};
        return QDate(date.year, date.month, date.day).isValid() ? date : ContactDate::fromIso(cell);
    }
    const auto m = numeric.match(cell);
    if (!m.hasMatch())
        return ContactDate::fromIso(cell);
    const bool dayDotted = cell.contains(u'.');
    int first = m.captured(1).toInt(), second = m.captured(2).toInt();
    if (first == 0 && second == 0)
        return {};
    int year = m.captured(3).toInt();
    if (m.captured(3).size() == 2)
        year += year > QDate::currentDate().year() % 100 ? 1900 : 2000;
    const bool dayIsFirst = dayFirst || dayDotted || first > 12;
    const int month = dayIsFirst ? second : first;
    const int day = dayIsFirst ? first : second;
    if (!QDate(year, month, day).isValid())
        return ContactDate::fromIso(cell);
    return ContactDate{year, month, day, {}};
}

// A date given in three columns ("Birth Year", "Birth Month", "Birth Day"); the year may be missing.
struct DateParts {
    QString year, month, day;
    ContactDate date() const
    {
        if (month.isEmpty() && day.isEmpty())
            return {};
        const QString monthDay = QStringLiteral("%1-%2").arg(month.toInt(), 2, 10, QLatin1Char('0'))
                                     .arg(day.toInt(), 2, 10, QLatin1Char('0'));
        const ContactDate date = ContactDate::fromIso(year.isEmpty() ? "--" + monthDay
                                                                     : QStringLiteral("%1-").arg(year.toInt(), 4, 10,
                                                                                                 QLatin1Char('0'))
                                                          + monthDay);
        return date.isValid() ? date : ContactDate{0, 0, 0, QStringList{year, month, day}.join(u'-')};
    }
};

// A photo written as a data: URI keeps its bytes; any other text is the photo's URI.
ContactPhoto cellPhoto(const QString &cell)
{
    static const QRegularExpression dataUri(QStringLiteral("^data:([^;,]*)(;base64)?,(.*)$"),
                                            QRegularExpression::DotMatchesEverythingOption);
    if (const auto m = dataUri.match(cell); m.hasMatch() && !m.captured(2).isEmpty())
        return {QByteArray::fromBase64(m.captured(3).toLatin1()), m.captured(1), {}};
    return {{}, {}, cell};
}

// The cell's values where one cell holds several (" ::: " between them, as web books write them).
QStringList cellValues(const QString &cell)
{
    QStringList values;
    for (const QString &v : cell.split(QLatin1String(" ::: ")))
        if (!v.trimmed().isEmpty())
            values << v.trimmed();
    return values;
}

// The name a contact's parts make, in the two orders programs write it.
bool isNameOfParts(const QString &name, const ContactRecord &r)
{
    const QString given = QStringList{r.title, r.firstName, r.details.middleName}.join(u' ').simplified();
    const QString whole = QStringList{given, r.lastName, r.details.nameSuffix}.join(u' ').simplified();
    const QString plain = QStringList{r.firstName, r.lastName}.join(u' ').simplified();
    const QString reversed = QStringList{r.lastName, r.firstName}.join(QLatin1String(", "));
    const QString simple = name.simplified();
    return simple == whole || simple == plain || simple == reversed;
}

// A column of details into the record; date parts are gathered in `dates` first.
void addDetail(RecordBuilder &b, const Column &col, const QString &cell, std::map<QString, DateParts> &dates)
{
    ContactDetails &d = b.record.details;
    const QString &kind = col.words;
    const auto appendText = [&cell](QString &text) { text = text.isEmpty() ? cell : text + u'\n' + cell; };
    if (kind == "middle")
        d.middleName = cell;
    else if (kind == "prefix")
        d.namePrefix = cell;
    else if (kind == "suffix")
        d.nameSuffix = cell;
    else if (kind == "nickname")
        d.nicknames << cellValues(cell);
    else if (kind == "job")
        d.jobTitle = cell;
    else if (kind == "role")
        d.role = cell;
    else if (kind == "department")
        d.orgUnits << cellValues(cell);
    else if (kind == "note")
        appendText(d.note);
    else if (kind == "categories")
        d.categories << cellValues(cell);
    else if (kind == "photo")
        d.photo = cellPhoto(cell);
    else if (kind == "web")
        for (const QString &v : cellValues(cell))
            d.webAddresses << LabeledValue{col.slot, v};
    else if (!col.slot.isEmpty()) { // a part of a date
        DateParts &parts = dates[kind];
        (col.slot == "year" ? parts.year : col.slot == "month" ? parts.month : parts.day) = cell;
    } else {
        (kind == "birthday" ? d.birthday : d.anniversary) = cellDate(cell, col.dayFirst);
    }
}

ContactRecord readRow(const std::vector<Column> &columns, const Row &row)
{
    RecordBuilder b(row.line);
    ContactRecord &r = b.record;
    std::map<QString, PostalAddress> addresses; // by slot
    QStringList addressOrder;
    std::map<QString, Pair> pairs;
    QStringList pairOrder;
    std::map<QString, DateParts> dates;
    QString wholeName;
    for (qsizetype i = 0; i < row.cells.size() && i < qsizetype(columns.size()); ++i) {
        const Column &col = columns[size_t(i)];
        const QString cell = WithoutFormulaMark(row.cells[i]).trimmed();
        if (cell.isEmpty() && col.role != Role::PairType)
            continue;
        switch (col.role) {
        case Role::Unknown:
            b.addUnplaced(col.words, cell);
            break;
        case Role::Title:
            r.title = cell;
            break;
        case Role::FirstName:
            r.firstName = cell;
            break;
        case Role::LastName:
            r.lastName = cell;
            break;
        case Role::WholeName:
            wholeName = cell;
            break;
        case Role::Company:
            if (r.company.isEmpty())
                r.company = cell;
            else
                b.addUnplaced("Company", cell);
            break;
        case Role::Email:
            for (const QString &e : cell.split(QLatin1String(" ::: ")))
                b.addEmail(e, false, col.slot);
            break;
        case Role::Spouse:
            b.addSpouse(cell);
            break;
        case Role::Children:
            b.addChild(cell);
            break;
        case Role::Telephone:
            b.addTelephone(col.words, cell);
            break;
        case Role::Detail:
            addDetail(b, col, cell, dates);
            break;
        case Role::Unplaced:
            b.addUnplaced(col.words, cell);
            break;
        case Role::AddressPart: {
            if (!addresses.count(col.slot))
                addressOrder << col.slot;
            PostalAddress &a = addresses[col.slot];
            // "home", "work": the kind the heading names; a numbered address has its type column instead.
            a.label = col.slot.startsWith(QLatin1String("address ")) ? QString() : col.slot;
            QString *part = col.words == "street" ? &a.street
                : col.words == "extended"         ? &a.extended
                : col.words == "city"             ? &a.city
                : col.words == "state"            ? &a.state
                : col.words == "zip"              ? &a.zipCode
                : col.words == "po box"           ? &a.poBox
                                                  : &a.country;
            *part = part->isEmpty() ? cell : *part + ", " + cell;
            break;
        }
        case Role::PairType:
        case Role::PairService:
        case Role::PairValue: {
            if (!pairs.count(col.slot))
                pairOrder << col.slot;
            Pair &p = pairs[col.slot];
            if (col.role == Role::PairType)
                p.type = cell;
            else if (col.role == Role::PairService)
                p.service = cell;
            else
                p.values << cell.split(QLatin1String(" ::: "));
            break;
        }
        }
    }
    for (const auto &[kind, parts] : dates)
        (kind == "birthday" ? r.details.birthday : r.details.anniversary) = parts.date();
    for (const QString &slot : pairOrder) {
        const Pair &p = pairs[slot];
        // The web book marks the primary value with "* " before its type.
        const QString label = p.type.startsWith(QLatin1String("* ")) ? p.type.mid(2).trimmed() : p.type;
        for (const QString &value : p.values) {
            if (value.trimmed().isEmpty())
                continue;
            if (slot.startsWith(QLatin1String("phone")))
                b.addTelephone(telephoneType(p.type), value);
            else if (slot.startsWith(QLatin1String("e-mail")))
                b.addEmail(value, p.type.startsWith(u'*'), label);
            else if (slot.startsWith(QLatin1String("relation")) && p.type.compare("spouse", Qt::CaseInsensitive) == 0)
                b.addSpouse(value);
            else if (slot.startsWith(QLatin1String("relation")) && p.type.compare("child", Qt::CaseInsensitive) == 0)
                b.addChild(value);
            else if (slot.startsWith(QLatin1String("relation")))
                r.details.related << LabeledValue{label, value.trimmed()};
            else if (slot.startsWith(QLatin1String("im")))
                r.details.messaging << LabeledValue{p.service.isEmpty() ? label : p.service, value.trimmed()};
            else if (slot.startsWith(QLatin1String("social")))
                r.details.social << LabeledValue{label, value.trimmed()};
            else if (slot.startsWith(QLatin1String("event")) && label.compare("birthday", Qt::CaseInsensitive) == 0)
                r.details.birthday = cellDate(value.trimmed(), false);
            else if (slot.startsWith(QLatin1String("event")) && label.compare("anniversary", Qt::CaseInsensitive) == 0)
                r.details.anniversary = cellDate(value.trimmed(), false);
            else if (slot.startsWith(QLatin1String("event")))
                b.addUnplaced(label.isEmpty() ? QStringLiteral("Event") : "Event (" + label + ")", value);
            else
                r.details.webAddresses << LabeledValue{label, value.trimmed()};
        }
    }
    for (const QString &slot : addressOrder) {
        PostalAddress &a = addresses[slot];
        if (pairs.count(slot) && !pairs[slot].type.isEmpty())
            a.label = pairs[slot].type;
        b.addAddress(a);
    }
    ContactRecord record = b.finish();
    if (record.firstName.isEmpty() && record.lastName.isEmpty() && !wholeName.isEmpty()
        && wholeName.compare(record.company, Qt::CaseInsensitive) != 0
        && wholeName.compare(record.email, Qt::CaseInsensitive) != 0)
        SplitWholeName(wholeName, record);
    else if (!wholeName.isEmpty() && (!record.firstName.isEmpty() || !record.lastName.isEmpty())
             && !isNameOfParts(wholeName, record))
        record.details.displayName = wholeName;
    return record;
}

bool isEmptyRecord(const ContactRecord &r)
{
    for (const ContactField &f : ContactFields())
        if (!(r.*f.member).isEmpty())
            return false;
    return r.telephones.isEmpty() && r.unplaced.isEmpty() && r.details.isEmpty();
}

} // namespace

void ReadCsvContacts(ByteChunks &chunks, Charset charset, const RecordSink &each, const UndeclaredCharset &undeclared)
{
    RowSource rows(chunks, charset, undeclared);
    rows.setSeparator(separatorOf(rows.firstLine()));
    Row heading;
    if (!rows.next(heading))
        throw InterchangeError(
            QCoreApplication::translate("Interchange", "The file is empty: it holds no heading row and no contacts."));
    // A few lines of notes may stand before the heading row (one social
    // network's export begins so); the heading is the first row that names a
    // column of a contact.
    constexpr int LinesBeforeHeading = 10;
    std::vector<Column> columns;
    for (int tried = 0;; ++tried) {
        columns.clear();
        bool known = false;
        for (const QString &h : heading.cells) {
            columns.push_back(columnFor(h));
            if (columns.back().role == Role::Unknown)
                columns.back().words =
                    h.simplified().isEmpty() ? QString("Column %1").arg(columns.size()) : h.simplified();
            known = known || columns.back().role != Role::Unknown;
        }
        if (known)
            break;
        Row next;
        rows.setSeparator(separatorOf(rows.firstLine()));
        if (tried == LinesBeforeHeading || !rows.next(next))
            throw LineError(1, "this is neither a vCard file (which begins with BEGIN:VCARD) nor a CSV file of "
                               "contacts (whose first line names columns such as \"First Name\", \"Last Name\", "
                               "\"Company\" or \"E-mail Address\").");
        heading = std::move(next);
    }
    Row row;
    while (rows.next(row)) {
        ContactRecord record = readRow(columns, row);
        if (!isEmptyRecord(record))
            each(record, rows.bytePosition());
    }
}

Charset CheckCsvBytes(ByteChunks &chunks)
{
    Utf8Check check;
    qsizetype lines = 0;
    QByteArray piece;
    while (chunks.appendTo(piece)) {
        if (const qsizetype at = FirstControlByte(piece); at >= 0)
            throw LineError(lines + QByteArrayView(piece).first(at).count('\n') + 1,
                            "the line holds binary data, which no CSV file of contacts holds. This is not a CSV "
                            "file, or it is damaged.");
        lines += piece.count('\n');
        check.add(piece);
        piece.clear();
    }
    return check.isUtf8() ? Charset::Utf8 : Charset::Windows1252;
}

void ReadCsvContacts(const QByteArray &data, const RecordSink &each)
{
    BytesInMemory check(data);
    const Charset charset = CheckCsvBytes(check);
    BytesInMemory chunks(data);
    const QByteArrayView head = QByteArrayView(data).first(qMin<qsizetype>(data.size(), 1 << 20));
    ReadCsvContacts(chunks, charset, each,
                    charset == Charset::Utf8 ? UndeclaredCharset() : UndeclaredCharsetOf(head, false));
}

std::vector<ContactRecord> ReadCsvContacts(const QByteArray &data)
{
    std::vector<ContactRecord> records;
    ReadCsvContacts(data, [&records](ContactRecord &record, qint64) { records.push_back(std::move(record)); });
    return records;
}

} // namespace varnelle::interchange
