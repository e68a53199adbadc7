#pragma once
// The piles behind the worker: one per kind of part the level's products
// need, holding one part for each product, and one per tool, holding it.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/sprites/world_sprites.h"
#include "gameplay/assembly_objects.h"

class TAssemblyWorker;

class TBasePickLocation : public TBaseWorldSprite {
public:
    // A part pile when ToolName is empty, else a tool pile that makes its tool.
    TBasePickLocation(TWorldSpritesWorld& World, double X, double Y, std::string_view ProductName,
                      std::string_view PartName, std::string_view ToolName);
    ~TBasePickLocation() override;

    // Stacks its parts upward from the pile and lays its tool on it.
    void Update(int32_t Elapsed) override;

    std::string FProductName;
    std::string FPartName;
    std::string FToolName;
    // The footprint the level's layout steps by.
    int32_t FWidth = 40;
    // The last part is the top of the pile.
    std::vector<std::unique_ptr<TAssemblyObjectPartSprite>> FParts;
    // None while the worker carries it.
    std::unique_ptr<TAssemblyObjectToolSprite> FTool;
};

class TPickLocations {
public:
    explicit TPickLocations(TWorldSpritesWorld& World) : FWorld(World) {}
    ~TPickLocations() { Clear(); }
    TPickLocations(const TPickLocations&) = delete;
    TPickLocations& operator=(const TPickLocations&) = delete;

    // Frees every pile, last to first, with what lies on it.
    void Clear();
    // A new pile at (0, 240), appended.
    TBasePickLocation& AddPile(std::string_view PartName, std::string_view ProductName, std::string_view ToolName);
    // The first pile holding parts or the tool of that name (exact), or none.
    TBasePickLocation* FindPile(std::string_view Name) const;
    TBasePickLocation* GetPile(int32_t Index) const;
    int32_t Count() const { return static_cast<int32_t>(FList.size()); }

    // The first pile whose picture's width spans the worker's reach point.
    TBasePickLocation* PileInReach(const TAssemblyWorker& Worker) const;
    // The first pile under the screen point; the area above a pile, where
    // its parts stack, counts as the pile.
    TBasePickLocation* PileAt(int32_t X, int32_t Y) const;

    void Update(int32_t Elapsed);

    TWorldSpritesWorld& World() const { return FWorld; }

private:
    std::vector<std::unique_ptr<TBasePickLocation>> FList;
    TWorldSpritesWorld& FWorld;
};

// Where the worker reaches: his truncated x plus 25.
int32_t ReachPoint(double WorkerX);
