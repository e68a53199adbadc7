#pragma once
// One shift on the factory floor: the level file's queue of products put on
// the main line, the piles filled with one part per recipe step, the line's
// speed and the two thresholds by which the chief rates the shift. The game
// keeps one level object and reuses it for every level.
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

#include "engine/sprites/world_sprites.h"
#include "gameplay/level_file.h"

class TMainAssemblyLine;
class TPickLocations;

class TBCLevel : public TLevelHeader {
public:
    TBCLevel(TWorldSpritesWorld& World, TMainAssemblyLine& Line, TPickLocations& PickLocations);

    // An empty floor and an empty shift.
    void Reset();
    // False when the file cannot be read or holds no product the factory
    // knows; the level is then not loaded and cannot be played, and nothing
    // of the previous shift stays on the floor.
    bool LoadFromFile(const std::string& FileName);
    bool LoadFromStream(std::istream& Stream);
    // A product of the recipe table at the end of the queue, with its parts
    // or its tool on the piles; an unknown name adds nothing.
    void AddProduct(std::string_view Name);
    void AddPartToPile(TWorldSpritesWorld& World, std::string_view ProductName, std::string_view PartName,
                       int32_t PartNumber);
    void AddToolPile(TWorldSpritesWorld& World, std::string_view ProductName, std::string_view ToolName);
    // The whole queue has been judged and has left the screen.
    bool IsLevelDone() const;
    void SetFinished(bool Value) { FFinished = Value; }

    TWorldSpritesWorld& FWorld;
    TMainAssemblyLine& FLine;
    TPickLocations& FPickLocations;
    bool FLoaded = false;
    bool FFinished = false;

private:
    void LayOutPiles();
};
