#pragma once

#include <QString>
#include <optional>

// The password file "unins000.dll" beside the program: despite its name a
// plain INI text file, section Accesso, key Valore, holding the enciphered
// normalised password.
namespace PasswordStore {
QString fileName();

struct ReadResult {
    // The stored value; empty when the file, the section or the key is missing.
    QString value;
    // Set when the file exists but cannot be read.
    QString error;
};
ReadResult read();
// Sets the value, creating the file and the section when missing and keeping
// every other line. The change is on the disk when the call returns; an
// empty text on success, otherwise the failure.
QString write(const QString& value);

// The form a password is stored and compared in: the ASCII letters a-z turned
// into A-Z, then the characters of code 32 or less removed at both ends.
QString normalise(const QString& typed);

// The initial password of a new installation.
inline QString initialPassword() { return QStringLiteral("primoaccessodi"); }
} // namespace PasswordStore
