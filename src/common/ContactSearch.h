#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace varnelle::text {

// Text as the search compares it: without case and accents ("Müller",
// "MÜLLER" and "Muller" all read "muller"; "São" reads "sao").
QString FoldForSearch(QStringView text);

// What a contact offers to the search, prepared once so that each keystroke
// only scans it.
class SearchKey {
public:
    SearchKey() = default;
    // fields: the texts whose words a search word may start (names, company,
    // address, e-mail, spouse, children); email: the e-mail, searched inside
    // for words holding "@"; numbers: the telephone numbers, searched for digits.
    SearchKey(const QStringList &fields, const QString &email, const QStringList &numbers = {});
    // Adds a telephone number after the others.
    void addNumber(QStringView number);
    // Adds a text whose words a search word may start (a note, a nickname, a further address).
    void addField(QStringView field);
    // Adds a further e-mail address: its words, and the address searched inside.
    void addEmail(QStringView email);

    // The key as it is kept in the book: its text and where its e-mail and
    // its digits begin. A stored form whose places do not fit its text (a
    // damaged or foreign row) gives no key.
    const QString &storedText() const { return mText; }
    qsizetype emailAt() const { return mEmailAt; }
    qsizetype digitsAt() const { return mDigitsAt; }
    static std::optional<SearchKey> fromStored(QString text, qint64 emailAt, qint64 digitsAt);

private:
    friend class SearchQuery;
    QStringView words() const { return QStringView(mText).first(mEmailAt); }
    QStringView email() const { return QStringView(mText).sliced(mEmailAt, mDigitsAt - mEmailAt); }
    QStringView digits() const { return QStringView(mText).sliced(mDigitsAt); }

    // One text, so that a key costs one allocation: the folded fields, each
    // behind a separator; the folded e-mails, each further one behind a
    // separator; the digits of each number, each behind a space.
    QString mText;
    qsizetype mEmailAt = 0;
    qsizetype mDigitsAt = 0;
};

// A search as typed: words that must all match, in any order. A word matches
// the start of a word of a field; a word of digits (spaces, dashes, dots,
// slashes, brackets and "+" aside) also matches anywhere inside a number,
// whatever separates its digits there; a word holding "@" also matches
// anywhere inside the e-mail. Every character is taken literally.
class SearchQuery {
public:
    explicit SearchQuery(const QString &typed = {});

    // No words: everything matches.
    bool isEmpty() const { return mWords.isEmpty(); }
    bool matches(const SearchKey &key) const;

private:
    struct Word {
        QString folded;
        QString digits; // empty unless the word is a number
        bool email = false;
    };
    QList<Word> mWords;
};

} // namespace varnelle::text
