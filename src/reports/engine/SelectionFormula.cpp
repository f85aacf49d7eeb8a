#include "reports/engine/SelectionFormula.h"

#include "reports/engine/ReportDefinition.h"
#include "reports/engine/ReportEngine.h"

namespace varnelle::engine {

namespace {

using Node = SelectionFormula::Node;

// A recursive-descent reader over the formula text. Positions in messages
// count characters from 1.
class Parser {
public:
    explicit Parser(const QString &text) : mText(text) {}

    std::unique_ptr<Node> parseFormula()
    {
        auto node = parseOr();
        skipSpace();
        if (mPos < mText.size())
            fail(QStringLiteral("expected 'And', 'Or' or the end of the formula"));
        return node;
    }

private:
    [[noreturn]] void fail(const QString &what, qsizetype at = -1) const
    {
        throw ReportError(QStringLiteral("The selection formula has an error at position %1: %2.")
                              .arg((at < 0 ? mPos : at) + 1)
                              .arg(what));
    }

    void skipSpace()
    {
        while (mPos < mText.size() && mText.at(mPos).isSpace())
            ++mPos;
    }

    // True (and consumed) when the next word is `keyword`, in any case.
    bool keyword(QLatin1String word)
    {
        skipSpace();
        const qsizetype end = mPos + word.size();
        if (end > mText.size() || QStringView(mText).mid(mPos, word.size()).compare(word, Qt::CaseInsensitive) != 0)
            return false;
        if (end < mText.size() && (mText.at(end).isLetterOrNumber() || mText.at(end) == QLatin1Char('_')))
            return false;
        mPos = end;
        return true;
    }

    static std::unique_ptr<Node> combine(Node::Kind kind, std::unique_ptr<Node> left, std::unique_ptr<Node> right)
    {
        auto node = std::make_unique<Node>();
        node->kind = kind;
        node->children.push_back(std::move(left));
        node->children.push_back(std::move(right));
        return node;
    }

    std::unique_ptr<Node> parseOr()
    {
        auto node = parseAnd();
        while (keyword(QLatin1String("or")))
            node = combine(Node::Kind::Or, std::move(node), parseAnd());
        return node;
    }

    std::unique_ptr<Node> parseAnd()
    {
        auto node = parseNot();
        while (keyword(QLatin1String("and")))
            node = combine(Node::Kind::And, std::move(node), parseNot());
        return node;
    }

    // Guards the recursion against formulas nested beyond any sensible depth.
    struct Nesting {
        explicit Nesting(Parser &parser) : mParser(parser)
        {
            if (++mParser.mDepth > 200)
                mParser.fail(QStringLiteral("the formula is nested too deeply"));
        }
        ~Nesting() { --mParser.mDepth; }
        Parser &mParser;
    };

    std::unique_ptr<Node> parseNot()
    {
        const Nesting nesting(*this);
        if (keyword(QLatin1String("not"))) {
            auto node = std::make_unique<Node>();
            node->kind = Node::Kind::Not;
            node->children.push_back(parseNot());
            return node;
        }
        return parsePrimary();
    }

    std::unique_ptr<Node> parsePrimary()
    {
        skipSpace();
        if (mPos >= mText.size())
            fail(QStringLiteral("expected a field such as {Address.LastName}, 'Not' or '(' but the formula ends"));
        if (mText.at(mPos) == QLatin1Char('(')) {
            ++mPos;
            auto node = parseOr();
            skipSpace();
            if (mPos >= mText.size() || mText.at(mPos) != QLatin1Char(')'))
                fail(QStringLiteral("expected ')'"));
            ++mPos;
            return node;
        }
        return parseComparison();
    }

    std::unique_ptr<Node> parseComparison()
    {
        auto node = std::make_unique<Node>();
        node->kind = Node::Kind::Compare;
        const QString reference = parseField(node->field);

        skipSpace();
        if (QStringView(mText).mid(mPos, 2) == QLatin1String("<>")) {
            node->notEqual = true;
            mPos += 2;
        } else if (mPos < mText.size() && mText.at(mPos) == QLatin1Char('=')) {
            ++mPos;
        } else {
            fail(QStringLiteral("expected '=' or '<>' after %1").arg(reference));
        }
        const QString op = node->notEqual ? QStringLiteral("<>") : QStringLiteral("=");

        skipSpace();
        if (mPos >= mText.size() || mText.at(mPos) != QLatin1Char('\''))
            fail(QStringLiteral("expected a quoted text after '%1'").arg(op));
        const qsizetype opening = mPos++;
        QString value;
        for (;;) {
            if (mPos >= mText.size())
                fail(QStringLiteral("the quoted text is not closed by a single quote"), opening);
            const QChar c = mText.at(mPos++);
            if (c != QLatin1Char('\'')) {
                value += c;
            } else if (mPos < mText.size() && mText.at(mPos) == QLatin1Char('\'')) {
                value += c; // a doubled quote is one quote
                ++mPos;
            } else {
                break;
            }
        }
        node->value = value;
        return node;
    }

    // Reads {Table.Field}; returns the reference as written for messages.
    QString parseField(QString &field)
    {
        const qsizetype start = mPos;
        if (mText.at(mPos) != QLatin1Char('{'))
            fail(QStringLiteral("expected a field in braces such as {Address.LastName}"));
        const qsizetype close = mText.indexOf(QLatin1Char('}'), mPos);
        if (close < 0)
            fail(QStringLiteral("the field reference is not closed by '}'"));
        const QString reference = mText.mid(start, close - start + 1);
        const QString inner = mText.mid(start + 1, close - start - 1).trimmed();
        const qsizetype dot = inner.indexOf(QLatin1Char('.'));
        if (dot < 0)
            fail(QStringLiteral("the field %1 must name its table, as in {Address.LastName}").arg(reference), start);
        const QString table = inner.left(dot).trimmed();
        const QString name = inner.mid(dot + 1).trimmed();
        if (table.compare(QLatin1String("Address"), Qt::CaseInsensitive) != 0)
            fail(QStringLiteral("the table \"%1\" is not known; fields of table Address can be compared").arg(table),
                 start);
        field = canonicalAddressField(name);
        if (field.isEmpty() || field == QLatin1String("PersonID") || field == QLatin1String("IsBusiness"))
            fail(QStringLiteral("the field %1 is not a text field of table Address (%2)")
                     .arg(reference, addressFields().mid(2).join(QStringLiteral(", "))),
                 start);
        mPos = close + 1;
        return reference;
    }

    const QString &mText;
    qsizetype mPos = 0;
    int mDepth = 0;
};

void collectFields(const Node &node, QStringList &fields)
{
    if (node.kind == Node::Kind::Compare) {
        if (!fields.contains(node.field))
            fields << node.field;
        return;
    }
    for (const auto &child : node.children)
        collectFields(*child, fields);
}

QString buildSql(const Node &node, const QString &alias, const SelectionFormula::ValueResolver &resolve,
                 QVariantList &values)
{
    // The operands are built one after the other: their values are bound in
    // the order of the placeholders.
    switch (node.kind) {
    case Node::Kind::And:
    case Node::Kind::Or: {
        const QString left = buildSql(*node.children[0], alias, resolve, values);
        const QString right = buildSql(*node.children[1], alias, resolve, values);
        return QStringLiteral("(%1 %2 %3)")
            .arg(left, node.kind == Node::Kind::And ? QStringLiteral("AND") : QStringLiteral("OR"), right);
    }
    case Node::Kind::Not:
        return QStringLiteral("(NOT %1)").arg(buildSql(*node.children[0], alias, resolve, values));
    case Node::Kind::Compare:
        break;
    }
    const QStringList matches = resolve(node.field, node.value);
    if (matches.isEmpty())
        return node.notEqual ? QStringLiteral("1") : QStringLiteral("0");
    QStringList marks;
    for (const QString &match : matches) {
        marks << QStringLiteral("?");
        values << match;
    }
    // coalesce() drops the column's collation, so the listed values match exactly.
    return QStringLiteral("(coalesce(%1.%2, '') %3 (%4))")
        .arg(alias, node.field, node.notEqual ? QStringLiteral("NOT IN") : QStringLiteral("IN"),
             marks.join(QStringLiteral(", ")));
}

} // namespace

SelectionFormula SelectionFormula::parse(const QString &text)
{
    SelectionFormula formula;
    if (text.trimmed().isEmpty())
        return formula;
    Parser parser(text);
    formula.mRoot = parser.parseFormula();
    return formula;
}

QStringList SelectionFormula::fields() const
{
    QStringList result;
    if (mRoot)
        collectFields(*mRoot, result);
    return result;
}

SelectionFormula::Sql SelectionFormula::toSql(const QString &tableAlias, const ValueResolver &resolve) const
{
    Sql sql;
    sql.condition = mRoot ? buildSql(*mRoot, tableAlias, resolve, sql.values) : QStringLiteral("1");
    return sql;
}

} // namespace varnelle::engine
