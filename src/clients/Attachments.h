#pragma once

#include <QString>

// The folder "Documenti_Allegati" beside the archives, where every attached
// file is kept under its own name. It is flat and shared by all clients; the
// program never deletes, moves or renames a file in it.
namespace Attachments {
// The folder, with a trailing "/".
QString folder();

// The name a slot may open: the stored name trimmed and reduced to what
// follows its last folder separator or drive colon, so that a name from a
// damaged or foreign record never reaches a file outside the folder. Empty
// when nothing naming a file is left ("", "." or "..").
QString bareName(const QString& stored);

// The text "Apri" hands to the shell: the folder and the bare name in double
// quotes; empty when the slot names no file.
QString openText(const QString& stored);

// Whether the folder already holds something called name.
bool exists(const QString& name);

// Copies source into the folder under name, creating the folder with its
// parents and replacing a file of that name. The replaced file stays intact
// until the copy is complete, so a failed copy loses nothing, and a file
// chosen from the folder itself can be copied onto itself. False, with the
// reason in error, on any failure.
bool copyIn(const QString& source, const QString& name, QString* error = nullptr);
} // namespace Attachments
