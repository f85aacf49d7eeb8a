#include "ui/widgets/MessageBox.h"

#include "ui/widgets/WindowPlacement.h"
#include "common/Log.h"

#include <QAbstractButton>
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

void SetUpMessageBox(QMessageBox &box, const QString &text, QMessageBox::Icon icon,
                     QMessageBox::StandardButtons buttons)
{
    box.setWindowTitle(AppTitle());
    box.setText(text);
    box.setIcon(icon);
    box.setStandardButtons(buttons);
    if (buttons.testFlag(QMessageBox::Yes) && buttons.testFlag(QMessageBox::No)) {
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    }
    // A message box sizes itself to its text and buttons; a strut as wide as
    // the title bar keeps a short question from cutting off the title.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(TitleBarWidth(AppTitle()), 0), grid->rowCount(), 0, 1, grid->columnCount());
}

QMessageBox::StandardButton ShowMessage(const QString &text, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons)
{
    return ShowMessage(AppTitle(), text, icon, buttons);
}

QMessageBox::StandardButton ShowMessage(const QString &title, const QString &text, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons,
                                        const QList<QPair<QMessageBox::StandardButton, QString>> &buttonTexts)
{
    qCDebug(lcUi) << "message box:" << title << text;
    if (messageResponder())
        return messageResponder()(title, text, icon, buttons);

    // Centred on the screen by its frame, as the forms are, not where Qt would
    // put it (beside a parent not yet framed, by a guessed frame).
    PlacedBox<QMessageBox> box([](QMessageBox &shown) { CenterForm(shown); });
    SetUpMessageBox(box, text, icon, buttons);
    box.setWindowTitle(title);
    for (const auto &[button, buttonText] : buttonTexts)
        if (QAbstractButton *shown = box.button(button))
            shown->setText(buttonText);
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    // Closed through its frame, a box answers as Escape would.
    if (!buttons.testFlag(answer))
        return buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
    return answer;
}

void ShowRefusal(const QString &text)
{
    ShowMessage(text, QMessageBox::Warning);
}

bool AskYesNo(const QString &text)
{
    return AskYesNo(AppTitle(), text);
}

bool AskYesNo(const QString &title, const QString &text)
{
    return ShowMessage(title, text, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
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
