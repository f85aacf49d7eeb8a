#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <memory>
#include <vector>

namespace varnelle::engine {

// A record selection formula: comparisons of an Address field with a quoted
// text, `{Address.Company} = 'Acme'` or `{Address.State} <> 'NY'`, combined
// with And, Or, Not and parentheses. Keywords, table and field names are read
// without regard to case; a doubled single quote inside a text is one quote.
// A formula holds at most 500 comparisons and 16 levels of parentheses, so
// that any formula read becomes SQL that SQLite can run.
//
// Comparisons ignore letter case by Unicode case folding (QString::toCaseFolded),
// and a Null field reads as the empty text. SQLite's own NOCASE and lower()
// fold ASCII letters only, so the engine does the folding itself: for each
// compared text it asks which distinct stored values of the field fold to the
// same text, and the condition tests the field against exactly those values,
// all of them bound as parameters.
class SelectionFormula {
public:
    struct Node {
        enum class Kind { Compare, And, Or, Not };
        Kind kind = Kind::Compare;
        QString field;        // canonical Address field name (Compare)
        bool notEqual = false;
        QString value;        // the quoted text, quotes undoubled (Compare)
        std::vector<std::unique_ptr<Node>> children; // the terms of a chain (And, Or), or the one of Not
    };

    // The stored values of `field` that equal `value` without regard to case.
    // The empty text stands for both Null and empty fields.
    using ValueResolver = std::function<QStringList(const QString &field, const QString &value)>;

    struct Sql {
        QString condition; // refers to the Address table by `tableAlias`
        QVariantList values;
    };

    // Parses a formula; throws ReportError naming the position of the fault.
    // An empty or blank formula selects every record.
    static SelectionFormula parse(const QString &text);

    bool isEmpty() const { return !mRoot; }
    // Every field the formula compares, once each.
    QStringList fields() const;
    // The SQL condition for the formula ("1" when it is empty).
    Sql toSql(const QString &tableAlias, const ValueResolver &resolve) const;

    static QString fold(const QString &text) { return text.toCaseFolded(); }

private:
    std::shared_ptr<const Node> mRoot;
};

} // namespace varnelle::engine
