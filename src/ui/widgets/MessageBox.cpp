#include "ui/widgets/MessageBox.h"

#include "ui/widgets/WindowPlacement.h"
#include "VersionInfo.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

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

// Room the window manager takes for a title: the text in a bold title font,
// plus the window's icon and its buttons on either side.
int TitleBarWidth(const QString &title)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 8 * metrics.height();
}

// A box of the active window that lays itself out only as it is shown: once
// shown, it is handed to `shown` to be placed.
template <class Box>
class PlacedBox : public Box {
public:
    explicit PlacedBox(std::function<void(Box &)> shown)
        : Box(QApplication::activeWindow()), mShown(std::move(shown)) {}

protected:
    void showEvent(QShowEvent *event) override
    {
        Box::showEvent(event);
        mShown(*this);
    }

private:
    std::function<void(Box &)> mShown;
};

} // namespace

QString AppTitle()
{
    return QString::fromUtf8(version::ProductName);
}

void SetUpMessageBox(QMessageBox &box, const QString &text, int style)
{
    box.setWindowTitle(AppTitle());
    box.setText(text);
    if ((style & MsgExclamation) == MsgExclamation)
        box.setIcon(QMessageBox::Warning);
    else if (style & MsgQuestion)
        box.setIcon(QMessageBox::Question);
    else if (style & MsgInformation)
        box.setIcon(QMessageBox::Information);
    if (style & MsgYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    // A message box sizes itself to its text and buttons; a strut as wide as
    // the title bar keeps a short question from cutting off the title.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(TitleBarWidth(AppTitle()), 0), grid->rowCount(), 0, 1, grid->columnCount());
}

int MsgBox(const QString &text, int style)
{
    return MsgBox(AppTitle(), text, style);
}

int MsgBox(const QString &title, const QString &text, int style)
{
    if (messageResponder())
        return messageResponder()(title, text, style);

    // Centred on the screen by its frame, as the forms are, not where Qt would
    // put it (beside a parent not yet framed, by a guessed frame).
    PlacedBox<QMessageBox> box([](QMessageBox &shown) { CenterForm(shown); });
    SetUpMessageBox(box, text, style);
    box.setWindowTitle(title);
    const int answer = box.exec();
    if (style & MsgYesNo)
        return answer == QMessageBox::Yes ? AnswerYes : AnswerNo;
    return AnswerOk;
}

namespace {

QString askText(const QString &title, const QString &prompt, const QString &defaultText, QLineEdit::EchoMode echo)
{
    if (inputResponder())
        return inputResponder()(title, prompt, defaultText).value_or(QString());

    // Where Qt puts it, widened about its centre as far as its title needs.
    PlacedBox<QInputDialog> dialog([](QInputDialog &shown) {
        const int missing = TitleBarWidth(shown.windowTitle()) - shown.width();
        if (missing > 0)
            shown.setGeometry(shown.x() - missing / 2, shown.y(), shown.width() + missing, shown.height());
    });
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextEchoMode(echo);
    dialog.setTextValue(defaultText);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

} // namespace

QString InputBox(const QString &prompt, const QString &defaultText)
{
    return askText(AppTitle(), prompt, defaultText, QLineEdit::Normal);
}

QString PasswordBox(const QString &title, const QString &prompt)
{
    return askText(title, prompt, {}, QLineEdit::Password);
}

void SetMessageResponder(MessageResponder responder)
{
    messageResponder() = std::move(responder);
}

void SetInputResponder(InputResponder responder)
{
    inputResponder() = std::move(responder);
}

} // namespace varnelle
