#include "appointments/WhatsApp.h"

#include "app/Settings.h"
#include "app/Text.h"

#include <QUrl>
#include <QUrlQuery>

namespace {
QString appointmentText(const QString& opening, const QString& time, const QString& date)
{
    return opening + QStringLiteral(" l'appuntamento presso il nostro centro estetico alle ore ") + time +
           QStringLiteral(" del giorno ") + Text::trim(date);
}

// Every character but the unreserved ones is escaped, "+" included: the
// service reads a bare "+" in a query as a blank.
QString encoded(const QString& value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}
} // namespace

QString WhatsApp::confirmationText(const QString& hours, const QString& minutes, const QString& date)
{
    return appointmentText(QStringLiteral("Gentile Cliente, le confermiamo"),
                           Text::trim(hours) + QLatin1Char(':') + Text::trim(minutes), date);
}

QString WhatsApp::reminderText(const QString& time, const QString& date)
{
    return appointmentText(QStringLiteral("Gentile Cliente, le ricordiamo"), Text::trim(time), date);
}

QString WhatsApp::sendAddress(const QString& number, const QString& text)
{
    QUrl address(Settings::whatsAppService());
    address.setPath(QStringLiteral("/send"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("phone"), encoded(Text::trim(number)));
    query.addQueryItem(QStringLiteral("text"), encoded(text));
    address.setQuery(query);
    return address.toString(QUrl::FullyEncoded);
}
