#pragma once

#include <QString>

// The WhatsApp Web messages sent to a client. Nothing is sent from here: the
// send address opens WhatsApp Web with the chat and the text filled in.
namespace WhatsApp {
// The confirmation sent from the appointment card; each value is trimmed.
QString confirmationText(const QString& hours, const QString& minutes, const QString& date);
// The reminder sent from the agenda; time is "hh:mm". Each value is trimmed.
QString reminderText(const QString& time, const QString& date);
// The service's "/send" address for number (trimmed, otherwise as typed) and
// text. Both are percent-encoded, so WhatsApp receives exactly this text and
// this number whatever they hold ("&", "#", "+", "%", blanks, accents).
QString sendAddress(const QString& number, const QString& text);
} // namespace WhatsApp
