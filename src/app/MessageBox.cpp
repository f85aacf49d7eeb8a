#include "app/MessageBox.h"

#include "app/Globals.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace varnelle {

namespace {

MessageResponder &messageResponder()
{
    static MessageResponder responder;
    return responder;
}

InputResponder &inputResponder()
{
    static InputResponder responder;
    return responder;
}

FatalHandler &fatalHandler()
{
    static FatalHandler handler;
    return handler;
}

} // namespace

int MsgBox(const QString &text, int style)
{
    if (messageResponder())
        return messageResponder()(gAppTitle, text, style);

    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(gAppTitle);
    box.setText(text);
    if ((style & MsgExclamation) == MsgExclamation)
        box.setIcon(QMessageBox::Warning);
    else if (style & MsgQuestion)
        box.setIcon(QMessageBox::Question);
    if (style & MsgYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? AnswerYes : AnswerNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return AnswerOk;
}

QString InputBox(const QString &prompt, const QString &defaultText)
{
    if (inputResponder())
        return inputResponder()(gAppTitle, prompt, defaultText).value_or(QString());

    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(gAppTitle);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

void SetMessageResponder(MessageResponder responder)
{
    messageResponder() = std::move(responder);
}

void SetInputResponder(InputResponder responder)
{
    inputResponder() = std::move(responder);
}

void FatalError(const QString &text)
{
    if (fatalHandler()) {
        fatalHandler()(text);
        std::abort(); // a handler must not return
    }
    MsgBox(text, MsgRefusal);
    CloseMainDatabase();
    std::fflush(nullptr);
    std::_Exit(1);
}

void SetFatalHandler(FatalHandler handler)
{
    fatalHandler() = std::move(handler);
}

} // namespace varnelle
