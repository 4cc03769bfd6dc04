// Any bytes as a stored record of BRIVANTA_RECORD: every field decodes from
// its own bytes only, and a decoded record stored again decodes the same.
#include BRIVANTA_RECORD_HEADER

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

using Record = BRIVANTA_RECORD;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Exactly one record, in a buffer of its own size, so that a read past it
    // is caught; a short input leaves the rest of the record zero.
    std::vector<char> bytes(Record::Size, '\0');
    std::memcpy(bytes.data(), data, size < bytes.size() ? size : bytes.size());
    const char* record = bytes.data();

    const Record decoded = Record::decode(record);
    for (int i = 0; i < Record::FieldCount; ++i) {
        const auto field = typename Record::Field(i);
        const FieldSpec s = Record::Layout[i];
        const QByteArrayView raw = Record::raw(record, field);
        if (raw.data() != record + s.offset + 1 || raw.size() > s.capacity || decoded[field].size() > s.capacity ||
            Record::load(record, field) != decoded[field])
            std::abort();
    }
    if (Record::decode(decoded.encode().constData()).encode() != decoded.encode())
        std::abort();
    return 0;
}
