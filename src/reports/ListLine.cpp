#include "reports/ListLine.h"

#include "app/Text.h"
#include "storage/CountedText.h"

#include <QVarLengthArray>
#include <algorithm>

void ListLine::appendColumn(QString& line, const QString& value, int width)
{
    const QString trimmed = Text::trim(value);
    const qsizetype kept = qMin<qsizetype>(trimmed.size(), width);
    line.append(QStringView(trimmed).left(kept));
    line.resize(line.size() + width - kept, QLatin1Char(' '));
}

QString ListLine::column(const QString& value, int width)
{
    QString column;
    appendColumn(column, value, width);
    return column;
}

void ListLine::appendLast(QString& line, const QString& value)
{
    line.append(Text::trim(value));
}

void ListLine::appendStored(QByteArray& line, std::initializer_list<StoredPiece> pieces)
{
    // The length of the whole line first, so that it is written in one go.
    QVarLengthArray<QByteArrayView, 16> texts;
    qsizetype length = 0;
    for (const StoredPiece& piece : pieces) {
        texts.append(CountedText::trimmed(piece.stored));
        length += piece.before.size() + (piece.width == Unpadded ? texts.back().size() : piece.width);
    }
    const qsizetype at = line.size();
    line.resize(at + length);
    char* out = line.data() + at;
    qsizetype i = 0;
    for (const StoredPiece& piece : pieces) {
        out = std::copy_n(piece.before.data(), piece.before.size(), out);
        const QByteArrayView text = texts[i++];
        const qsizetype kept = piece.width == Unpadded ? text.size() : qMin<qsizetype>(text.size(), piece.width);
        out = std::copy_n(text.data(), kept, out);
        if (piece.width > kept)
            out = std::fill_n(out, piece.width - kept, ' ');
    }
}
