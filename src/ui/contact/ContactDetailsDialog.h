#pragma once

#include "common/Contact.h"

#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace varnelle {

// A date as the user types and reads it: the locale's short format with the
// whole year, or the same without the year for a day of no year. A date kept
// as text (one that never existed) is shown as it was written.
QString DateText(const ContactDate &date);
// The date typed, an empty date for an empty text, or nothing when the text
// is not a date (also accepted: 1984-03-07 and --03-07).
std::optional<ContactDate> ParseDateText(const QString &text);

// One part of an entry of a list of details: its caption, the object name of
// its box, whether it holds several lines, and words offered for it.
struct DetailPart {
    DetailPart(const QString &caption, const char *name, bool lines = false, const QStringList &suggestions = {})
        : caption(caption), name(name), lines(lines), suggestions(suggestions)
    {
    }
    QString caption;
    const char *name;
    bool lines = false;
    QStringList suggestions;
};

// Asks for the parts of one entry of a list (an e-mail address and its
// kind, a postal address); Cancel leaves the entry as it was.
class DetailEntryDialog : public QDialog {
    Q_OBJECT
public:
    DetailEntryDialog(const QString &title, const std::vector<DetailPart> &parts, const QStringList &values,
                      QWidget *parent = nullptr);
    QStringList values() const;

private:
    std::vector<std::function<QString()>> mReaders;
};

// The "More" part of the contact editor: every detail of a contact beyond
// the editor's boxes, and the whole values of its fields, on pages. It edits
// a copy; contact() gives it back after OK, and only the editor's Save
// stores it.
class ContactDetailsDialog : public QDialog {
    Q_OBJECT
public:
    // numberTypes: the book's telephone types, offered for further numbers.
    ContactDetailsDialog(const Contact &contact, const QStringList &numberTypes, QWidget *parent = nullptr);
    ~ContactDetailsDialog() override;

    Contact contact() const;

public slots:
    void accept() override; // refuses a date that is not one
    void choosePhoto();
    void removePhoto();

private:
    class ListPart;
    struct Single {
        QLineEdit *box;
        QString ContactDetails::*member;
    };
    struct Whole {
        QLineEdit *box;
        QString Contact::*member;
    };
    struct DateBox {
        QLineEdit *box;
        ContactDate ContactDetails::*member;
        QString caption;
    };

    QWidget *addPage(const QString &title, const char *name);
    QLineEdit *addLine(QWidget *page, const char *name, const QString &caption, const QString &text);
    ListPart *addList(QWidget *page, const char *name, const QString &caption, std::vector<DetailPart> parts,
                      const QList<QStringList> &rows);
    void showPhoto();
    std::optional<ContactDate> readDate(const DateBox &date) const;

    Contact mContact; // as handed in, with the photo as now chosen
    QTabWidget *mPages = nullptr;
    std::vector<Single> mSingles;
    std::vector<Whole> mWholes;
    std::vector<DateBox> mDates;
    std::vector<std::unique_ptr<ListPart>> mLists;
    QPlainTextEdit *mNote = nullptr;
    QString mNoteShown; // the note as the box first showed it
    QLabel *mPhoto = nullptr;
    QPushButton *mRemovePhoto = nullptr;
};

} // namespace varnelle
