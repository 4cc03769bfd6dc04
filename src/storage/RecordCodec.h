#pragma once

#include "storage/CountedText.h"
#include "storage/FieldSpec.h"

#include <QByteArray>
#include <QString>

// What the three record formats share: a record is its layout's counted text
// fields and nothing else, each one held in a member of the record type.
namespace RecordCodec {
template <class Record> using Members = QString Record::*const[Record::FieldCount];

template <class Record> QByteArray encode(const Record& record, const Members<Record>& members)
{
    QByteArray bytes(Record::Size, '\0');
    for (int i = 0; i < Record::FieldCount; ++i)
        CountedText::store(bytes.data() + Record::Layout[i].offset, Record::Layout[i].capacity, record.*members[i]);
    return bytes;
}

template <class Record> Record decode(const char* bytes, const Members<Record>& members)
{
    Record record;
    for (int i = 0; i < Record::FieldCount; ++i)
        record.*members[i] = CountedText::load(bytes + Record::Layout[i].offset, Record::Layout[i].capacity);
    return record;
}

template <class Record> QString load(const char* bytes, typename Record::Field field)
{
    const FieldSpec s = Record::spec(field);
    return CountedText::load(bytes + s.offset, s.capacity);
}
} // namespace RecordCodec
