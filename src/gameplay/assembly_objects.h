#pragma once
// The work on the floor: products that ride the line and grow stage by
// stage, parts that lie on piles until they are fitted, and tools that are
// carried to a product and brought back.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/sprites/world_sprites.h"
#include "gameplay/short_string.h"

class TBasePickLocation;
class TAssemblyObjectPartSprite;

// A product on the line; complete at its last stage.
class TBaseAssemblyObject : public TBaseWorldSprite {
public:
    TBaseAssemblyObject(TWorldSpritesWorld& World, std::string_view ProductName, int32_t StageCount, int32_t Score,
                        std::string_view ToolName);
    ~TBaseAssemblyObject() override;

    void AddHintImage(std::string_view Name) { FHintImages.emplace_back(Name); }
    bool IsComplete() const { return FStageCount == FStage + 1; }
    // One pattern of the product's picture; 0 without one.
    int32_t ImageWidth() const { return Width(); }
    int32_t ImageHeight() const { return Height(); }

    // Shows the current stage (pattern 0 past the picture's last pattern).
    void Update(int32_t Elapsed) override;

    // A fitted part is hidden and kept with the product it was fitted to,
    // so it lives exactly as long as the product.
    void KeepMountedPart(std::unique_ptr<TAssemblyObjectPartSprite> Part);

    TName30 FProductName;
    int32_t FStageCount;
    int32_t FStage = 0;
    int32_t FScore;
    bool FPassed = false;
    std::string FToolName;
    std::vector<std::string> FHintImages;

private:
    std::vector<std::unique_ptr<TAssemblyObjectPartSprite>> FMountedParts;
};

// What parts and tools share: the pile they belong to and the product kind
// they serve.
class TAssemblyObjectChildbaseSprite : public TBaseWorldSprite {
public:
    TAssemblyObjectChildbaseSprite(TWorldSpritesWorld& World, TBasePickLocation* HomePile,
                                   std::string_view ProductName);

    TBasePickLocation* FHomePile;  // not owned
    TName30 FProductName;
};

class TAssemblyObjectPartSprite : public TAssemblyObjectChildbaseSprite {
public:
    // Made on its home pile, which owns it.
    static TAssemblyObjectPartSprite& Create(TWorldSpritesWorld& World, TBasePickLocation& HomePile,
                                             std::string_view ProductName, std::string_view ItemName,
                                             int32_t PartNumber);

    TAssemblyObjectPartSprite(TWorldSpritesWorld& World, TBasePickLocation& HomePile, std::string_view ProductName,
                              std::string_view ItemName, int32_t PartNumber);

    // A fitted part leaves the screen: the product's next pattern shows it.
    void SetMounted(bool Value);

    TName30 FItemName;
    int32_t FPartNumber;
    bool FMounted = false;
};

class TAssemblyObjectToolSprite : public TAssemblyObjectChildbaseSprite {
public:
    // Made on its home pile, which holds it while it lies there.
    static TAssemblyObjectToolSprite& Create(TWorldSpritesWorld& World, TBasePickLocation& HomePile,
                                             std::string_view ProductName, std::string_view ToolName);

    TAssemblyObjectToolSprite(TWorldSpritesWorld& World, TBasePickLocation& HomePile, std::string_view ProductName,
                              std::string_view ToolName);

    TName30 FItemName;
};
