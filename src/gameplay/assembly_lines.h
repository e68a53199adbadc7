#pragma once
// The two belts: the main line carries the level's products right to left
// in 16-pixel jumps, one per pattern of its belt animation, drops them onto
// the lower line, and judges each once at the end. It also holds the rules
// by which a part fits or a tool works. The speed box shows its speed.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/sprites/world_sprites.h"
#include "gameplay/assembly_objects.h"

class TAssemblyWorker;

class TSecondAssemblyLine : public TBaseWorldSprite {
public:
    explicit TSecondAssemblyLine(TWorldSpritesWorld& World);
};

class TMainAssemblyLine : public TBaseWorldSprite {
public:
    TMainAssemblyLine(TWorldSpritesWorld& World, TSecondAssemblyLine& SecondLine);
    ~TMainAssemblyLine() override;

    // Frees every product and rewinds the entry point.
    void Clear();
    // Places the product at the entry point on the upper belt and appends it.
    void AddProduct(std::unique_ptr<TBaseAssemblyObject> Product);
    TBaseAssemblyObject* GetProduct(int32_t Index) const;
    int32_t ProductCount() const { return static_cast<int32_t>(FProducts.size()); }

    // 0 stops the belt; 1 to 3 run it slow to fast, slower on early levels.
    void SetSpeed(int32_t Value);
    void Stop() { SetSpeed(0); }

    void Update(int32_t Elapsed) override;

    // Every product judged and the last one gone from the screen.
    bool AllProductsDone() const;
    // The next product still to build on the upper belt, or none.
    TBaseAssemblyObject* FirstOpenProduct() const;
    TBaseAssemblyObject* ProductAt(int32_t X, int32_t Y) const;
    TBaseAssemblyObject* ProductInReach(const TAssemblyWorker& Worker) const;

    // Whether the part fits the product now; a wrong try says why.
    bool TryFitPart(TBaseAssemblyObject* Product, const TAssemblyObjectPartSprite& Part);
    // Whether the tool works on the product now; a wrong try says why.
    bool TryApplyTool(TBaseAssemblyObject* Product, const TAssemblyObjectToolSprite& Tool);

    std::vector<std::unique_ptr<TBaseAssemblyObject>> FProducts;
    int32_t FLastFrame = 0;
    int32_t FNextX = 300;
    int32_t FUpperY = 350;
    int32_t FLowerY = 395;
    int32_t FSpeed = 0;
    TSecondAssemblyLine* FSecondLine;  // not owned
};

// Milliseconds per belt pattern for a speed step on a level.
int32_t BeltSpeed(int32_t Speed, int32_t LevelNumber);

class TSpeedBoxSprite : public TBaseWorldSprite {
public:
    TSpeedBoxSprite(TWorldSpritesWorld& World, TMainAssemblyLine* Line);
    // Shows the line's speed step.
    void Update(int32_t Elapsed) override;

    TMainAssemblyLine* FLine;  // not owned
};
