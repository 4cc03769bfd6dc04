#pragma once

#include <QString>

// The addresses the program hands to the shell. They live here, once, so an
// installation for another maker or a private WhatsApp gateway changes one place.
namespace Settings {
// Scheme and host of the WhatsApp Web service; the send path is "/send".
inline QString whatsAppService() { return QStringLiteral("https://web.whatsapp.com"); }
// The maker as the exported PDF files name their author.
inline QString makerName() { return QStringLiteral("Brivanta Software"); }
inline QString makerWebSite() { return QStringLiteral("https://www.brivanta.it"); }
inline QString makerEmail() { return QStringLiteral("info@brivanta.it"); }
} // namespace Settings
