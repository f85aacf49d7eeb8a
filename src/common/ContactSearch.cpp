#include "common/ContactSearch.h"

namespace varnelle::text {

namespace {

// Separates the fields of a key; never part of a folded word.
constexpr QChar FieldSeparator = u'\x1f';

bool isAscii(QStringView text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c.category() == QChar::Mark_NonSpacing;
}

// The digits of a text that holds nothing but digits and the separators of a
// telephone number; empty for any other text.
QString numberDigits(QStringView text)
{
    QString digits;
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9')
            digits += c;
        else if (!QStringView(u" -./()+").contains(c))
            return {};
    }
    return digits;
}

} // namespace

QString FoldForSearch(QStringView text)
{
    if (isAscii(text))
        return text.toString().toLower();
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            folded += c;
    }
    folded = folded.toCaseFolded();
    folded.replace(QChar(0xdf), QStringLiteral("ss"));
    return folded;
}

std::optional<SearchKey> SearchKey::fromStored(QString text, qint64 emailAt, qint64 digitsAt)
{
    if (emailAt < 0 || emailAt > digitsAt || digitsAt > text.size())
        return std::nullopt;
    SearchKey key;
    key.mText = std::move(text);
    key.mEmailAt = emailAt;
    key.mDigitsAt = digitsAt;
    return key;
}

SearchKey::SearchKey(const QStringList &fields, const QString &email, const QStringList &numbers)
{
    for (const QString &field : fields) {
        if (field.isEmpty())
            continue;
        mText += FieldSeparator;
        mText += FoldForSearch(field);
    }
    mEmailAt = mText.size();
    mText += FoldForSearch(email);
    mDigitsAt = mText.size();
    for (const QString &number : numbers)
        addNumber(number);
}

void SearchKey::addNumber(QStringView number)
{
    const qsizetype start = mText.size();
    mText += u' ';
    for (const QChar c : number)
        if (c >= u'0' && c <= u'9')
            mText += c;
    if (mText.size() == start + 1)
        mText.chop(1); // no digits
}

void SearchKey::addField(QStringView field)
{
    if (field.isEmpty())
        return;
    const QString folded = FieldSeparator + FoldForSearch(field);
    mText.insert(mEmailAt, folded);
    mEmailAt += folded.size();
    mDigitsAt += folded.size();
}

void SearchKey::addEmail(QStringView email)
{
    if (email.isEmpty())
        return;
    addField(email);
    const QString folded = FieldSeparator + FoldForSearch(email);
    mText.insert(mDigitsAt, folded);
    mDigitsAt += folded.size();
}

SearchQuery::SearchQuery(const QString &typed)
{
    const QStringList words = typed.split(QChar::Space, Qt::SkipEmptyParts);
    for (const QString &word : words) {
        const QString trimmed = word.trimmed();
        if (trimmed.isEmpty())
            continue;
        mWords.append({FoldForSearch(trimmed), numberDigits(trimmed), trimmed.contains(u'@')});
    }
}

bool SearchQuery::matches(const SearchKey &key) const
{
    for (const Word &word : mWords) {
        bool found = false;
        // At the start of a word: at the start of a field, or after a
        // character that ends a word ("neil" in "O'Neil", "smith" in "Jones-Smith").
        const QStringView words = key.words();
        for (qsizetype at = words.indexOf(word.folded); at >= 0 && !found; at = words.indexOf(word.folded, at + 1))
            found = at > 0 && !isWordCharacter(words.at(at - 1));
        if (!found && !word.digits.isEmpty())
            found = key.digits().contains(word.digits);
        if (!found && word.email)
            found = key.email().contains(word.folded);
        if (!found)
            return false;
    }
    return true;
}

} // namespace varnelle::text
