#pragma once

// The archives live in the program's folder. When that folder cannot be
// written (the program installed system-wide from the package), the user is
// offered a personal copy of the program in the home folder, which works like
// a portable installation.
namespace Installation {
// False when this process should end because a personal copy was started instead.
bool ensureWritableFolder();
} // namespace Installation
