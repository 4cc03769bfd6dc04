#pragma once

// Where a counted text field lies in its record.
struct FieldSpec {
    int offset;
    int capacity;
};
