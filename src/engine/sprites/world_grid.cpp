#include "engine/sprites/world_grid.h"

TSpriteWorldGrid::TSpriteWorldGrid() {
    SetSize(1, 1);
    SetCellSize(10, 10);
}

TWorldTile* TSpriteWorldGrid::Tile(int32_t Col, int32_t Row) const {
    if (Col < 0 || Col >= Cols()) return nullptr;
    const auto& column = FTiles[static_cast<size_t>(Col)];
    if (Row < 0 || Row >= static_cast<int32_t>(column.size())) return nullptr;
    return column[static_cast<size_t>(Row)].get();
}

void TSpriteWorldGrid::Clear() { FTiles.clear(); }

void TSpriteWorldGrid::SetSize(int32_t Cols, int32_t Rows) {
    Clear();
    if (Cols <= 0 || Rows < 0) return;
    FTiles.resize(static_cast<size_t>(Cols));
    for (int32_t col = 0; col < Cols; ++col) {
        auto& column = FTiles[static_cast<size_t>(col)];
        column.reserve(static_cast<size_t>(Rows));
        for (int32_t row = 0; row < Rows; ++row) column.push_back(std::make_unique<TWorldTile>(col, row));
    }
}

void TSpriteWorldGrid::SetCellSize(int32_t ACellWidth, int32_t ACellHeight) {
    FCellWidth = ACellWidth;
    FCellHeight = ACellHeight;
}
