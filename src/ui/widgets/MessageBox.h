#pragma once

#include <QString>
#include <functional>
#include <optional>

class QMessageBox;

namespace varnelle {

// Style values of the message boxes.
enum MsgStyle : int {
    MsgOkOnly = 0,
    MsgYesNo = 4,
    MsgQuestion = 32,
    MsgExclamation = 48,
    MsgInformation = 64,
    MsgRefusal = MsgOkOnly + MsgExclamation,   // 48: a refusal or a caught failure
    MsgConfirm = MsgYesNo + MsgQuestion,       // 36: a question answered Yes or No
};

// Answers of the message boxes.
enum MsgAnswer : int { AnswerOk = 1, AnswerYes = 6, AnswerNo = 7 };

// The product's title ("Varnelle For Windows"): the caption of the main
// window and of the message and input boxes (but the sync windows').
QString AppTitle();

// Shows a message box titled AppTitle() and returns the answer.
int MsgBox(const QString &text, int style = MsgOkOnly);

// A message box titled after the task of the window that shows it (the sync
// windows' "Sync"), answered by the same responder as MsgBox.
int MsgBox(const QString &title, const QString &text, int style);

// Sets up a real message box as MsgBox shows it: title, text, icon and
// buttons of the style, and wide enough for the window manager to show the
// whole title.
void SetUpMessageBox(QMessageBox &box, const QString &text, int style);

// Asks for a line of text in a box titled AppTitle(), pre-filled with
// defaultText. Returns the empty string when the user cancels.
QString InputBox(const QString &prompt, const QString &defaultText = {});

// Asks for a password, its characters hidden, in a box titled title. Returns
// the empty string when the user cancels. The input responder answers it
// (with an empty default text).
QString PasswordBox(const QString &title, const QString &prompt);

// Tests install responders so that no real box ever opens. A message
// responder gets title, text and style and returns the answer; an input
// responder returns the typed text, or nothing for Cancel. Passing an empty
// function brings the real boxes back.
using MessageResponder = std::function<int(const QString &title, const QString &text, int style)>;
using InputResponder =
    std::function<std::optional<QString>(const QString &title, const QString &prompt, const QString &defaultText)>;
void SetMessageResponder(MessageResponder responder);
void SetInputResponder(InputResponder responder);

} // namespace varnelle
