#include "access/Crypt.h"

namespace {
constexpr quint16 kStartKey = 0x7B3D;
constexpr quint16 kMultiplier = 0x93D5;
constexpr quint16 kIncrement = 0xA6E1;

quint16 nextKey(quint16 key, quint8 cipherByte)
{
    // In 32-bit unsigned arithmetic: two 16-bit values would be multiplied as
    // signed ints, whose overflow is undefined.
    return quint16((quint32(quint16(cipherByte + key)) * kMultiplier + kIncrement) & 0xFFFF);
}

int hexValue(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}
} // namespace

QString Crypt::Encrypt(const QString& text)
{
    static const char digits[] = "0123456789ABCDEF";
    // The character counter is 8 bits wide.
    const int count = int(text.size() % 256);
    QString result;
    result.reserve(count * 2);
    quint16 key = kStartKey;
    for (int i = 0; i < count; ++i) {
        const quint8 plain = quint8(text.at(i).unicode() & 0xFF);
        const quint8 c = quint8(plain ^ (key >> 8));
        result += QLatin1Char(digits[c >> 4]);
        result += QLatin1Char(digits[c & 0x0F]);
        key = nextKey(key, c);
    }
    return result;
}

std::optional<QString> Crypt::Decrypt(const QString& hex)
{
    if (hex.size() / 2 > 255)
        return std::nullopt;
    const int count = int(hex.size() / 2);
    QString result;
    result.reserve(count);
    quint16 key = kStartKey;
    for (int i = 0; i < count; ++i) {
        const int high = hexValue(hex.at(2 * i));
        const int low = hexValue(hex.at(2 * i + 1));
        if (high < 0 || low < 0)
            return std::nullopt;
        const quint8 c = quint8(high * 16 + low);
        result += QChar(ushort(c ^ (key >> 8)));
        key = nextKey(key, c);
    }
    return result;
}
