#include "storage/CountedText.h"

#include "app/Text.h"
#include "storage/Cp1252.h"

#include <cstring>

void CountedText::store(char* field, int capacity, const QString& text)
{
    QByteArray bytes = Cp1252::encode(Text::trim(text).left(255));
    // A best-fit replacement may be several bytes, so the cut is made on the bytes.
    bytes.truncate(qMin(capacity, 255));
    const qsizetype length = bytes.size();
    std::memset(field, 0, size_t(capacity) + 1);
    field[0] = char(length);
    std::memcpy(field + 1, bytes.constData(), size_t(length));
}

QString CountedText::load(const char* field, int capacity)
{
    const QByteArrayView view = bytes(field, capacity);
    return Text::trim(Cp1252::decode(view.data(), view.size()));
}
