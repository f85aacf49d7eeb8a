#include "common/Contact.h"

namespace varnelle {

const std::array<ContactField, ContactFieldCount> &ContactFields()
{
    static const std::array<ContactField, ContactFieldCount> fields = {{
        {"Title", "Title", 12, &Contact::title},
        {"FirstName", "First Name", 15, &Contact::firstName},
        {"LastName", "Last Name", 25, &Contact::lastName},
        {"Company", "Company", 30, &Contact::company},
        {"Street", "Street", 40, &Contact::street},
        {"State", "State", 2, &Contact::state},
        {"City", "City", 25, &Contact::city},
        {"ZipCode", "ZIP", 10, &Contact::zipCode},
        {"EMail", "E-mail Address", 50, &Contact::email},
        {"Spouse", "Spouse", 30, &Contact::spouse},
        {"Children", "Children", 50, &Contact::children},
    }};
    return fields;
}

const ContactField *FindContactField(QStringView column)
{
    for (const ContactField &field : ContactFields())
        if (column.compare(QLatin1String(field.column), Qt::CaseInsensitive) == 0)
            return &field;
    return nullptr;
}

} // namespace varnelle
