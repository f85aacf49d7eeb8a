#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QStyledItemDelegate>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace varnelle {

struct ContactLine;
class LinePadder;

// The contacts of the view, one row each, in the order of their list lines
// in the program's collation. Qt::DisplayRole (and the accessible text) is
// "name<TAB>number", or the name alone for a contact without numbers.
class ContactListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        PersonIdRole = Qt::UserRole, // the contact's key
        NameRole,                    // the name column: "Last, First", ... or "Unknown"
        NumberRole,                  // the number of the lowest type; empty without one
        LineRole,                    // the name padded to the number's column, a tab and the number
        CompanyRole,                 // the company; empty without one
    };

    struct Entry {
        std::int32_t personId = 0;
        QString name;
        QString number;
        bool hasNumber = false;
        QString line; // as LineRole
    };

    explicit ContactListModel(QObject *parent = nullptr);

    // The row of a contact as the list shows it, its line padded by padder.
    static Entry makeEntry(const ContactLine &contact, const LinePadder &padder);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // A row drags out as what dragData gives for its contact; local .vcf and
    // .csv files dropped on the list are handed on by filesDropped.
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;
    void setDragData(std::function<QMimeData *(std::int32_t personId)> dragData);
    // The files of a drop that the list takes: local .vcf and .csv files,
    // none of them a contact dragged out of this program.
    static QStringList droppedFiles(const QMimeData *data);

    // The widest number listed since the list was last filled: the width of
    // the number's column. noteNumber tells of a number listed and its width
    // in the list's font.
    const QString &widestNumber() const { return mWidestNumber; }
    void noteNumber(const QString &number, qreal width);
    // Whether a contact of the list has a company: the list then draws a
    // column of companies where it has room. The companies are read one by
    // one, as their rows are drawn, by companyOf.
    bool hasCompanies() const { return mHasCompanies; }
    void setHasCompanies(bool has) { mHasCompanies = has; }
    void setCompanyReader(std::function<QString(std::int32_t personId)> companyOf);

    // Replaces every row; entries that arrive nearly in order are placed in
    // about linear time.
    void setEntries(std::vector<Entry> entries);
    // Adds a row at its sorted place; returns its row.
    int addEntry(Entry entry);
    void removeRowAt(int row);
    // The row of a contact; -1 when it is not listed.
    int rowOf(std::int32_t personId) const;
    std::int32_t personIdAt(int row) const;

signals:
    void filesDropped(const QStringList &fileNames);

private:
    std::vector<Entry> mEntries;
    QString mWidestNumber;
    qreal mWidestNumberWidth = 0;
    bool mHasCompanies = false;
    std::function<QMimeData *(std::int32_t)> mDragData;
    std::function<QString(std::int32_t)> mCompanyOf;
    mutable QHash<std::int32_t, QString> mCompanies; // of the rows drawn so far
};

// Draws a row in columns: the name, the number and, when the row is wide
// enough and the list has companies, the company, on the style's
// background, selection and focus. A number is always drawn whole (its
// column as wide as the widest number listed, within reason); a name or
// company too long for its column ends in "…".
class ContactListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    ContactListDelegate(const ContactListModel &contacts, QObject *parent = nullptr);

    // What a row shows, and where, in an item of option's rect and font.
    struct Columns {
        QString name;
        QString number;
        QString company; // empty when the company column is not shown
        QRect nameRect;
        QRect numberRect;
        QRect companyRect;
    };
    Columns columns(const QStyleOptionViewItem &option, const QModelIndex &index) const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    const ContactListModel &mContacts;
};

} // namespace varnelle
