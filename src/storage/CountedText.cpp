#include "storage/CountedText.h"

#include "app/Text.h"
#include "storage/Cp1252.h"

#include <cstring>

void CountedText::store(char* field, int capacity, const QString& text)
{
    const QByteArray bytes = Cp1252::encode(Text::trim(text).left(255));
    // A best-fit replacement may be several bytes, so the cut is made on the bytes.
    storeBytes(field, capacity, bytes);
}

void CountedText::storeBytes(char* field, int capacity, QByteArrayView bytes)
{
    const qsizetype length = qMin<qsizetype>(bytes.size(), qMin(capacity, 255));
    field[0] = char(length);
    if (length > 0) // an empty view may have no data at all
        std::memcpy(field + 1, bytes.data(), size_t(length));
    std::memset(field + 1 + length, 0, size_t(capacity - length));
}

QString CountedText::load(const char* field, int capacity)
{
    const QByteArrayView view = bytes(field, capacity);
    return Text::trim(Cp1252::decode(view.data(), view.size()));
}
