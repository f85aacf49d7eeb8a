#include "ui/main/ContactDetailPane.h"

#include "store/AddressBook.h"
#include "store/DatabaseError.h"
#include "ui/main/ContactActions.h"
#include "ui/widgets/DesktopLinks.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace varnelle {

namespace {

QString html(const QString &text)
{
    return text.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"));
}

} // namespace

ContactDetailPane::ContactDetailPane(AddressBook &book, ContactActions &actions, QWidget *parent)
    : QTextBrowser(parent), mBook(book), mActions(actions)
{
    setObjectName("detailPane");
    setAccessibleName(tr("Contact details"));
    setOpenLinks(false);
    setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    connect(this, &QTextBrowser::anchorClicked, this, [](const QUrl &url) { OpenLink(url); });
}

void ContactDetailPane::showContact(std::int32_t personId)
{
    if (personId == mPersonId && !mStale)
        return;
    mPersonId = personId;
    mStale = true;
    if (isVisible())
        fill();
}

void ContactDetailPane::refresh()
{
    mStale = true;
    if (isVisible())
        fill();
}

void ContactDetailPane::showEvent(QShowEvent *event)
{
    QTextBrowser::showEvent(event);
    if (mStale)
        fill();
}

void ContactDetailPane::fill()
{
    mStale = false;
    std::optional<Contact> contact;
    if (mPersonId != 0) {
        try {
            contact = ReadWholeContact(mBook.database(), mPersonId);
        } catch (const DatabaseError &) {
            // The list reports a book it cannot read; the pane stays empty.
        }
    }
    if (!contact) {
        clear();
        return;
    }
    QString page;
    const ContactPhoto &photo = contact->details.photo;
    QImage picture;
    mPhoto = QImage();
    if (!photo.data.isEmpty() && picture.loadFromData(photo.data)) {
        const int side = 6 * fontMetrics().height();
        mPhoto = picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        static int photos = 0;
        mPhotoUrl = QUrl(QStringLiteral("varnelle-photo:%1").arg(++photos));
        page += QStringLiteral("<p><img src=\"%1\"></p>").arg(mPhotoUrl.toString());
    }
    page += QStringLiteral("<p><b>%1</b></p><table cellspacing=\"0\" cellpadding=\"2\">").arg(html(ContactHeading(*contact)));
    for (const ContactItem &item : ContactItems(*contact)) {
        QString value = html(item.value);
        if (item.link.scheme() == QLatin1String("tel"))
            value = QStringLiteral("<nobr>%1</nobr>").arg(value); // a number is read whole
        if (item.link.isValid())
            value = QStringLiteral("<a href=\"%1\">%2</a>").arg(item.link.toString(QUrl::FullyEncoded).toHtmlEscaped(), value);
        // "Label:" as the language writes it ("Adresse\u00a0:" in French).
        const QString label = html(tr("%1:").arg(item.label));
        page += QStringLiteral("<tr><td valign=\"top\">%1&nbsp;</td><td>%2</td></tr>").arg(label, value);
    }
    page += QStringLiteral("</table>");
    setHtml(page);
}

QVariant ContactDetailPane::loadResource(int type, const QUrl &name)
{
    if (type == QTextDocument::ImageResource && name == mPhotoUrl)
        return mPhoto;
    return QTextBrowser::loadResource(type, name);
}

void ContactDetailPane::contextMenuEvent(QContextMenuEvent *event)
{
    std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    menu->setObjectName("detailMenu");
    if (mPersonId != 0) {
        menu->addSeparator();
        mActions.addTo(*menu, mPersonId);
    }
    menu->exec(event->globalPos());
}

} // namespace varnelle
