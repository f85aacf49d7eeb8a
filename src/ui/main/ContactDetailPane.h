#pragma once

#include <QImage>
#include <QTextBrowser>
#include <cstdint>

namespace varnelle {

class AddressBook;
class ContactActions;

// Beside the contact list (View > Details): one contact in full, read-only,
// its text selectable. Its e-mail addresses, numbers, web and postal
// addresses are links the desktop opens (OpenLink); its context menu holds
// the contact's actions below Copy and Select All. It reads the contact it
// is given only while it is shown: a hidden pane costs nothing.
class ContactDetailPane : public QTextBrowser {
    Q_OBJECT
public:
    ContactDetailPane(AddressBook &book, ContactActions &actions, QWidget *parent = nullptr);

    // Shows the contact (0: none), read from the book now, or once the pane is shown.
    void showContact(std::int32_t personId);
    // Reads the contact shown again.
    void refresh();
    std::int32_t contact() const { return mPersonId; }

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void showEvent(QShowEvent *event) override;
    QVariant loadResource(int type, const QUrl &name) override;

private:
    void fill();

    AddressBook &mBook;
    ContactActions &mActions;
    QImage mPhoto; // scaled to the pane
    QUrl mPhotoUrl; // a new one for each photo: the page keeps what it loaded
    std::int32_t mPersonId = 0;
    bool mStale = true; // the contact shown is not the one asked for yet
};

} // namespace varnelle
