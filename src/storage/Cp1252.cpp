#include "storage/Cp1252.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace {
// Bytes 0x80-0x9F; the five the code page leaves undefined map to the control
// character of the same code.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The direct mapping, for the characters the code page has; -1 otherwise.
int directByte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c)
            return 0x80 + i;
    return -1;
}

// Characters outside the code page go through the system's best-fit conversion.
QByteArray bestFit(const QString& text)
{
#ifdef Q_OS_WIN
    const auto wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int size = WideCharToMultiByte(1252, 0, wide, int(text.size()), nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return QByteArray(1, '?');
    QByteArray out(size, Qt::Uninitialized);
    WideCharToMultiByte(1252, 0, wide, int(text.size()), out.data(), size, nullptr, nullptr);
    return out;
#else
    iconv_t cd = iconv_open("WINDOWS-1252//TRANSLIT", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return QByteArray(1, '?');
    QByteArray in = text.toUtf8();
    QByteArray out(in.size() * 4 + 8, '\0');
    char* inPtr = in.data();
    size_t inLeft = size_t(in.size());
    char* outPtr = out.data();
    size_t outLeft = size_t(out.size());
    const size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == size_t(-1) || inLeft != 0)
        return QByteArray(1, '?');
    out.truncate(out.size() - qsizetype(outLeft));
    return out.isEmpty() ? QByteArray(1, '?') : out;
#endif
}
} // namespace

QByteArray Cp1252::encode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        const int direct = directByte(c);
        if (direct >= 0) {
            bytes.append(char(direct));
            continue;
        }
        // A surrogate pair is one character.
        qsizetype length = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            length = 2;
        bytes.append(bestFit(text.mid(i, length)));
        i += length - 1;
    }
    return bytes;
}

std::optional<QByteArray> Cp1252::encodeExactly(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = directByte(text[i].unicode());
        if (byte < 0)
            return std::nullopt;
        bytes[i] = char(byte);
    }
    return bytes;
}

QString Cp1252::decode(const char* data, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    decode(data, size, text.data());
    return text;
}

void Cp1252::decode(const char* data, qsizetype size, QChar* out)
{
    for (qsizetype i = 0; i < size; ++i)
        out[i] = QChar(characterOf(data[i]));
}

int Cp1252::byteOf(char16_t character)
{
    return directByte(character);
}

char16_t Cp1252::characterOf(char byte)
{
    const auto b = static_cast<unsigned char>(byte);
    return (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : char16_t(b);
}
