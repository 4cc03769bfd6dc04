#pragma once

#include "app/Help.h"
#include "app/Screen.h"
#include "reports/GridColumn.h"
#include "reports/GridRows.h"
#include "storage/RecordFile.h"
#include "ui_GridFrame.h"

#include <QList>
#include <functional>

class GridModel;

// The frame of the screens that show an archive in a grid and export it to a
// spreadsheet file in the data folder: the grid with its row number column
// "N." (10 empty rows until a screen loads it), the export, help and exit
// commands and the hint line. A screen sets up its own form first, which
// names and captions the window, then the frame with its layout.
class GridScreen : public ModalScreen, public Ui::GridFrame
{
    Q_OBJECT
public:
    struct Layout
    {
        QString logo;
        QString fileName;
        QString sheetName;
        QList<GridColumn> columns;
        Help::Topic help;
    };

protected:
    explicit GridScreen(QWidget* parent);

    void setUpGrid(Layout layout);

    // Adds the cells of a record's row after its number (stored bytes, see GridCells).
    using CellsOf = std::function<void(const char* record, GridCells& cells)>;
    // Reads every record of the archive in file order; each one selects takes
    // (every one, without selects) becomes the next row, numbered from 1. An
    // archive with no record leaves the grid as it was; a failure stops the
    // loading silently, keeping the rows read so far. True when the grid holds
    // the whole archive's rows.
    bool loadGrid(const QString& archive, int recordSize, const RecordFile::Selector& selects,
                  const CellsOf& cellsOf);
    void sortGrid(int column);

private:
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();

    Layout m_layout;
    GridModel* m_model = nullptr;
};
