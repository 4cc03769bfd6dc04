#pragma once

#include "reports/ListBox.h"

#include <QByteArray>
#include <QList>
#include <QTest>

// The bytes of an archive made of the records given, in that order.
inline QByteArray archiveOf(const QList<QByteArray>& records)
{
    QByteArray bytes;
    for (const QByteArray& record : records)
        bytes += record;
    return bytes;
}

// Double-clicks a line of a shown list box as the mouse does: the first
// click's press and release, then the second press.
inline void doubleClickLine(ListBox* list, int row)
{
    const QRect item = list->visualRect(list->model()->index(row, 0));
    const QPoint at(40, item.center().y());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}
