// Any text as a stored password value: Decrypt either refuses it or gives one
// character per digit pair, which Encrypt turns back into those digits.
#include "access/Crypt.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto bytes = reinterpret_cast<const char*>(data);
    for (const QString& hex :
         {QString::fromLatin1(bytes, qsizetype(size)), QString::fromUtf8(bytes, qsizetype(size))}) {
        const std::optional<QString> plain = Crypt::Decrypt(hex);
        if (!plain)
            continue;
        if (plain->size() != hex.size() / 2 || plain->size() > 255 ||
            Crypt::Encrypt(*plain) != hex.left(plain->size() * 2).toUpper())
            std::abort();
    }
    return 0;
}
