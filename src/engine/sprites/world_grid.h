#pragma once
// A table of tiles with a cell size, for users that want to bin the world
// into cells. Each tile knows its column and row and carries one user slot.
#include <cstdint>
#include <memory>
#include <vector>

class TWorldTile {
public:
    TWorldTile(int32_t ACol, int32_t ARow) : Col(ACol), Row(ARow) {}

    int32_t Col;
    int32_t Row;
    void* Data = nullptr;  // the grid's user's; never owned
};

// Tiles[Col][Row].
using TWorldGridTable = std::vector<std::vector<std::unique_ptr<TWorldTile>>>;

class TSpriteWorldGrid {
public:
    // One cell of 10 by 10.
    TSpriteWorldGrid();

    const TWorldGridTable& Tiles() const { return FTiles; }
    TWorldTile* Tile(int32_t Col, int32_t Row) const;

    void Clear();
    // Rebuilds the table from scratch; previous tiles and their data go.
    // A negative size gives an empty table.
    void SetSize(int32_t Cols, int32_t Rows);
    int32_t Cols() const { return static_cast<int32_t>(FTiles.size()); }
    int32_t Rows() const { return FTiles.empty() ? 0 : static_cast<int32_t>(FTiles.front().size()); }

    void SetCellSize(int32_t ACellWidth, int32_t ACellHeight);
    int32_t CellWidth() const { return FCellWidth; }
    int32_t CellHeight() const { return FCellHeight; }

private:
    TWorldGridTable FTiles;
    int32_t FCellWidth = 0;
    int32_t FCellHeight = 0;
};
