#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>
#include <optional>

namespace varnelle::test {

// Runs a test in a fresh empty folder as the current directory; puts the
// old directory back, closes the database, unloads every form and resets the
// application-wide variables on destruction.
class TempWorkDir {
public:
    TempWorkDir();
    ~TempWorkDir();
    QString path() const { return mDir.path(); }
    QString file(const QString &name) const { return mDir.filePath(name); }

private:
    QTemporaryDir mDir;
    QString mOldDir;
};

struct ShownMessage {
    QString title;
    QString text;
    int style = 0;
};

// Answers message boxes and input boxes from a script and records them, so no
// test ever blocks on a real box. Unanswered message boxes get OK (or No for
// a question); unanswered input boxes get Cancel.
class ScriptedBoxes {
public:
    ScriptedBoxes();
    ~ScriptedBoxes();

    void answer(int answer) { mAnswers.append(answer); }
    void answerInput(std::optional<QString> text) { mInputs.append(text); }

    QList<ShownMessage> messages;
    QList<ShownMessage> inputs; // text = prompt, title = title

    QStringList texts() const;

private:
    QList<int> mAnswers;
    QList<std::optional<QString>> mInputs;
};

// Thrown by the test fatal handler in place of ending the program.
struct FatalExit {
    QString text;
};
// Installs a fatal handler that throws FatalExit for the life of the object.
class CatchFatal {
public:
    CatchFatal();
    ~CatchFatal();
};

// Rows of a query on a database file, opened on a connection of its own, as
// lists of values; for checking what the program stored.
QList<QVariantList> Rows(const QString &fileName, const QString &sql, const QVariantList &values = {});
// Runs one statement on a database file on a connection of its own.
void Exec(const QString &fileName, const QString &sql, const QVariantList &values = {});

// Reads a whole file.
QByteArray ReadAll(const QString &fileName);

} // namespace varnelle::test
