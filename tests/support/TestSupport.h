#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>
#include <memory>
#include <optional>

namespace varnelle {
class AddressBook;
class MainWindow;
struct ContactDetails;
} // namespace varnelle

namespace varnelle::test {

// Runs a test in a fresh empty folder as the current directory, with the
// program as it starts there: one AddressBook on Address.mdb and the main
// window over it, each made on first use (CurrentBook(), CurrentMainWindow()). On destruction the
// window and the book go and the old directory is put back.
class TempWorkDir {
public:
    TempWorkDir();
    ~TempWorkDir();
    QString path() const { return mDir.path(); }
    QString file(const QString &name) const { return mDir.filePath(name); }

    AddressBook &book();
    MainWindow &main();
    // Ends the program's window and book; the next use makes new ones.
    void restart();

private:
    QTemporaryDir mDir;
    QString mOldDir;
    std::unique_ptr<AddressBook> mBook;
    std::unique_ptr<MainWindow> mMain;
};

// The book and the main window of the innermost TempWorkDir.
AddressBook &CurrentBook();
MainWindow &CurrentMainWindow();

struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

// Answers message boxes and input boxes from a script and records them, so no
// test ever blocks on a real box. Unanswered message boxes get OK (or No for
// a question); unanswered input boxes get Cancel.
class ScriptedBoxes {
public:
    ScriptedBoxes();
    ~ScriptedBoxes();

    void answer(QMessageBox::StandardButton answer) { mAnswers.append(answer); }
    void answerInput(std::optional<QString> text) { mInputs.append(text); }

    QList<ShownMessage> messages;
    QList<ShownMessage> inputs; // text = prompt, title = title

    QStringList texts() const;

private:
    QList<QMessageBox::StandardButton> mAnswers;
    QList<std::optional<QString>> mInputs;
};

// Rows of a query on a database file, opened on a connection of its own, as
// lists of values; for checking what the program stored.
QList<QVariantList> Rows(const QString &fileName, const QString &sql, const QVariantList &values = {});
// Runs one statement on a database file on a connection of its own.
void Exec(const QString &fileName, const QString &sql, const QVariantList &values = {});

// Reads a whole file.
QByteArray ReadAll(const QString &fileName);

// A contact's details in one line, only those it has: "middle=Q; email(work)=a@b.c; bday=1984-03-07".
QString DetailsText(const ContactDetails &details);

} // namespace varnelle::test
