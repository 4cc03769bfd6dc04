#pragma once

#include "storage/FileIo.h"

#include <QtGlobal>

// A read-only view of part of an open file, mapped into memory, so that a scan
// of a large archive reads the file's cached pages where they are instead of
// copying every byte. Only one view at a time per thread.
//
// Another program may cut the file short while it is mapped. A page the file
// no longer has then reads as zeros instead of ending the program (on other
// systems a read of it would fail), and cutShort() says so: whatever was read
// from the view since it began may be wrong, and the scan must stop there.
class MappedView final
{
public:
    // offset must be a multiple of granularity(). Not valid when the file
    // cannot be mapped (a file system without mappings, or another system):
    // the caller then reads the file.
    MappedView(FileIo::Handle handle, qint64 offset, qint64 size);
    ~MappedView();
    Q_DISABLE_COPY_MOVE(MappedView)

    bool isValid() const { return m_data != nullptr; }
    const char* data() const { return m_data; }
    bool cutShort() const;

    // The alignment of a view's offset: the page size.
    static qint64 granularity();

    // Test seam: no view is valid, as on a system without mappings.
    static void setDisabledForTests(bool disabled);

private:
    char* m_data = nullptr;
    qint64 m_size = 0;
};
