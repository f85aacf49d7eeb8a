#include "reports/SelectionFormula.h"

#include "reports/ReportDefinition.h"
#include "reports/ReportError.h"

#include <QCoreApplication>
#include <QHash>

namespace varnelle::engine {

namespace {

using Node = SelectionFormula::Node;

// Bounds that keep every formula within what SQLite parses: its parser stack
// holds about twenty nested parentheses after an operator, and its
// expressions nest at most 1000 deep (a chain of n terms nests n deep).
constexpr int MaxNesting = 16;
constexpr int MaxComparisons = 500;

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
            fail(QCoreApplication::translate("Reports", "expected 'And', 'Or' or the end of the formula"));
        return node;
    }

private:
    [[noreturn]] void fail(const QString &what, qsizetype at = -1) const
    {
        throw ReportError(QCoreApplication::translate("Reports", "The selection formula has an error at position %1: %2.")
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

    // Joins left and right with And or Or, flattening chains: a And b And c
    // is one node with three terms, however long the chain.
    static std::unique_ptr<Node> join(Node::Kind kind, std::unique_ptr<Node> left, std::unique_ptr<Node> right)
    {
        std::unique_ptr<Node> node;
        if (left->kind == kind) {
            node = std::move(left);
        } else {
            node = std::make_unique<Node>();
            node->kind = kind;
            node->children.push_back(std::move(left));
        }
        if (right->kind == kind) {
            for (auto &child : right->children)
                node->children.push_back(std::move(child));
        } else {
            node->children.push_back(std::move(right));
        }
        return node;
    }

    std::unique_ptr<Node> parseOr()
    {
        auto node = parseAnd();
        while (keyword(QLatin1String("or")))
            node = join(Node::Kind::Or, std::move(node), parseAnd());
        return node;
    }

    std::unique_ptr<Node> parseAnd()
    {
        auto node = parseNot();
        while (keyword(QLatin1String("and")))
            node = join(Node::Kind::And, std::move(node), parseNot());
        return node;
    }

    // Not binds to the term after it; a run of them is counted, not nested.
    std::unique_ptr<Node> parseNot()
    {
        bool negated = false;
        while (keyword(QLatin1String("not")))
            negated = !negated;
        auto node = parsePrimary();
        if (!negated)
            return node;
        auto notNode = std::make_unique<Node>();
        notNode->kind = Node::Kind::Not;
        notNode->children.push_back(std::move(node));
        return notNode;
    }

    std::unique_ptr<Node> parsePrimary()
    {
        skipSpace();
        if (mPos >= mText.size())
            fail(QCoreApplication::translate("Reports", "expected a field such as {Address.LastName}, 'Not' or '(' but the formula ends"));
        if (mText.at(mPos) == QLatin1Char('(')) {
            if (++mDepth > MaxNesting)
                fail(QCoreApplication::translate("Reports", "the formula is nested too deeply; it may hold at most %1 levels of parentheses")
                         .arg(MaxNesting));
            ++mPos;
            auto node = parseOr();
            skipSpace();
            if (mPos >= mText.size() || mText.at(mPos) != QLatin1Char(')'))
                fail(QCoreApplication::translate("Reports", "expected ')'"));
            ++mPos;
            --mDepth;
            return node;
        }
        if (++mComparisons > MaxComparisons)
            fail(QCoreApplication::translate("Reports", "the formula is too long; it may hold at most %1 comparisons").arg(MaxComparisons));
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
            fail(QCoreApplication::translate("Reports", "expected '=' or '<>' after %1").arg(reference));
        }
        const QString op = node->notEqual ? QStringLiteral("<>") : QStringLiteral("=");

        skipSpace();
        if (mPos >= mText.size() || mText.at(mPos) != QLatin1Char('\''))
            fail(QCoreApplication::translate("Reports", "expected a quoted text after '%1'").arg(op));
        const qsizetype opening = mPos++;
        QString value;
        for (;;) {
            if (mPos >= mText.size())
                fail(QCoreApplication::translate("Reports", "the quoted text is not closed by a single quote"), opening);
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
            fail(QCoreApplication::translate("Reports", "expected a field in braces such as {Address.LastName}"));
        const qsizetype close = mText.indexOf(QLatin1Char('}'), mPos);
        if (close < 0)
            fail(QCoreApplication::translate("Reports", "the field reference is not closed by '}'"));
        const QString reference = mText.mid(start, close - start + 1);
        const QString inner = mText.mid(start + 1, close - start - 1).trimmed();
        const qsizetype dot = inner.indexOf(QLatin1Char('.'));
        if (dot < 0)
            fail(QCoreApplication::translate("Reports", "the field %1 must name its table, as in {Address.LastName}").arg(reference), start);
        const QString table = inner.left(dot).trimmed();
        const QString name = inner.mid(dot + 1).trimmed();
        if (table.compare(QLatin1String("Address"), Qt::CaseInsensitive) != 0)
            fail(QCoreApplication::translate("Reports", "the table \"%1\" is not known; fields of table Address can be compared").arg(table),
                 start);
        field = canonicalAddressField(name);
        if (field.isEmpty() || field == QLatin1String("PersonID") || field == QLatin1String("IsBusiness"))
            fail(QCoreApplication::translate("Reports", "the field %1 is not a text field of table Address (%2)")
                     .arg(reference, addressFields().mid(2).join(QStringLiteral(", "))),
                 start);
        mPos = close + 1;
        return reference;
    }

    const QString &mText;
    qsizetype mPos = 0;
    int mDepth = 0;
    int mComparisons = 0;
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

// Writes the condition with every Not moved down onto the comparisons (a
// field compared through coalesce() is never Null, so De Morgan's laws hold
// exactly): the SQL nests only where the formula's parentheses do. Within a
// chain the comparisons come first and the groups last, which keeps SQLite's
// expression tree shallow.
class SqlWriter {
public:
    SqlWriter(const QString &alias, const SelectionFormula::ValueResolver &resolve, QVariantList &values)
        : mAlias(alias), mResolve(resolve), mValues(values)
    {
    }

    QString write(const Node &node, bool negated)
    {
        switch (node.kind) {
        case Node::Kind::Not:
            return write(*node.children[0], !negated);
        case Node::Kind::Compare:
            return compare(node, node.notEqual != negated);
        case Node::Kind::And:
        case Node::Kind::Or:
            break;
        }
        const bool isAnd = (node.kind == Node::Kind::And) != negated;
        QStringList terms;
        for (const bool groups : {false, true}) {
            // The operands are written one after the other: their values are
            // bound in the order of the placeholders.
            for (const auto &child : node.children)
                if ((child->kind == Node::Kind::And || child->kind == Node::Kind::Or) == groups)
                    terms << write(*child, negated);
        }
        return QStringLiteral("(%1)").arg(terms.join(isAnd ? QStringLiteral(" AND ") : QStringLiteral(" OR ")));
    }

private:
    QString compare(const Node &node, bool notEqual)
    {
        const QString key = node.field + QChar(0) + node.value;
        auto known = mMatches.constFind(key);
        if (known == mMatches.constEnd())
            known = mMatches.insert(key, mResolve(node.field, node.value));
        const QStringList &matches = *known;
        if (matches.isEmpty())
            return notEqual ? QStringLiteral("1") : QStringLiteral("0");
        QStringList marks;
        for (const QString &match : matches) {
            marks << QStringLiteral("?");
            mValues << match;
        }
        // coalesce() drops the column's collation, so the listed values match exactly.
        return QStringLiteral("(coalesce(%1.%2, '') %3 (%4))")
            .arg(mAlias, node.field, notEqual ? QStringLiteral("NOT IN") : QStringLiteral("IN"),
                 marks.join(QStringLiteral(", ")));
    }

    const QString &mAlias;
    const SelectionFormula::ValueResolver &mResolve;
    QVariantList &mValues;
    QHash<QString, QStringList> mMatches; // each distinct comparison asks the resolver once
};

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
    sql.condition = mRoot ? SqlWriter(tableAlias, resolve, sql.values).write(*mRoot, false) : QStringLiteral("1");
    return sql;
}

} // namespace varnelle::engine
