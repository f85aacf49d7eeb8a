#pragma once

#include "common/ProductInfo.h"

#include <QMessageBox>
#include <QString>
#include <functional>
#include <optional>

namespace varnelle {

// Shows a message box titled AppTitle() with the icon and buttons given and
// returns the button pressed. With Yes and No, Yes is the default and Escape
// answers No.
QMessageBox::StandardButton ShowMessage(const QString &text, QMessageBox::Icon icon = QMessageBox::NoIcon,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok);

// The same box titled after the task of the window that shows it (the sync
// windows' "Sync"); buttonTexts names buttons for what they do.
QMessageBox::StandardButton ShowMessage(const QString &title, const QString &text, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        const QList<QPair<QMessageBox::StandardButton, QString>> &buttonTexts = {});

// A refusal or a caught failure: the warning icon and OK.
void ShowRefusal(const QString &text);

// A question answered Yes or No; true for Yes.
bool AskYesNo(const QString &text);
bool AskYesNo(const QString &title, const QString &text);

// Sets up a real message box as ShowMessage shows it: title, text, icon and
// buttons, and wide enough for the window manager to show the whole title.
void SetUpMessageBox(QMessageBox &box, const QString &text, QMessageBox::Icon icon,
                     QMessageBox::StandardButtons buttons);

// Asks for a line of text in a box titled AppTitle(), pre-filled with
// defaultText. Returns the empty string when the user cancels.
QString InputBox(const QString &prompt, const QString &defaultText = {});

// Asks for a password, its characters hidden, in a box titled title. Returns
// the empty string when the user cancels. The input responder answers it
// (with an empty default text).
QString PasswordBox(const QString &title, const QString &prompt);

// Tests install responders so that no real box ever opens. A message
// responder gets title, text, icon and buttons and returns the button
// pressed; an input responder returns the typed text, or nothing for Cancel.
// Passing an empty function brings the real boxes back.
using MessageResponder = std::function<QMessageBox::StandardButton(
    const QString &title, const QString &text, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)>;
using InputResponder =
    std::function<std::optional<QString>(const QString &title, const QString &prompt, const QString &defaultText)>;
void SetMessageResponder(MessageResponder responder);
void SetInputResponder(InputResponder responder);

} // namespace varnelle
