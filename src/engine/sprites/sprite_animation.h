#pragma once
// Named, timed animations: a short table of pattern indices played at a fixed
// number of milliseconds per frame, either looping or holding the last frame.
// The state is one double per animation and the tables are fixed arrays, so
// advancing allocates nothing.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TSpriteAnimations;

class TSpriteAnimation {
public:
    static constexpr int32_t MaxFrames = 20;

    // A frame count outside 0..20 becomes 0 and a speed outside 1..10000
    // becomes 100, so a bad table can never index past the frames.
    TSpriteAnimation(TSpriteAnimations* AOwner, std::string AName, int32_t AFrameCount, bool ALooped,
                     int32_t ASpeed);

    TSpriteAnimations* Owner() const { return FOwner; }
    const std::string& Name() const { return FName; }
    int32_t FrameCount() const { return FFrameCount; }
    bool Looped() const { return FLooped; }

    // Milliseconds per frame; the same range rule as at creation.
    int32_t Speed() const { return FSpeed; }
    void SetSpeed(int32_t Value);

    // Fractional frame position; the frame shown is its truncation.
    double Position() const { return FPosition; }
    void ResetPosition() { FPosition = 0.0; }

    const std::array<int32_t, MaxFrames>& Frames() const { return FFrames; }
    // Ignored unless 0 <= Index < 20 (the capacity, not FrameCount) and the
    // pattern is below the owner's PatternCount.
    void SetFrame(int32_t Index, int32_t Pattern);
    // The pattern of the frame now shown.
    int32_t CurrentFrame() const;

    void Advance(int32_t Elapsed);

private:
    TSpriteAnimations* FOwner;
    std::string FName;
    int32_t FFrameCount;
    bool FLooped;
    int32_t FSpeed;
    double FPosition = 0.0;
    std::array<int32_t, MaxFrames> FFrames{};
};

class TSpriteAnimations {
public:
    TSpriteAnimations() = default;
    TSpriteAnimations(const TSpriteAnimations&) = delete;
    TSpriteAnimations& operator=(const TSpriteAnimations&) = delete;

    // Appends and returns the new index; duplicate names are allowed.
    int32_t Add(std::string Name, int32_t FrameCount, bool Looped, int32_t Speed);
    // The first animation of that name, ignoring ASCII case, or none / -1.
    TSpriteAnimation* Find(std::string_view Name) const;
    int32_t IndexOf(std::string_view Name) const;
    // None when out of range.
    TSpriteAnimation* Items(int32_t Index) const;
    int32_t Count() const { return static_cast<int32_t>(FList.size()); }

    int32_t Current() const { return FCurrent; }
    // Restarts the newly chosen animation; choosing the current one again
    // lets it play on.
    void SetCurrent(int32_t Index);

    // The pattern of the current animation's frame, or 0 without one.
    int32_t CurrentPattern() const;
    // Advances the current animation by at least 1 ms while enabled, so a
    // frame of 0 ms (or a clock that stepped back) still moves it.
    void Animate(int32_t Elapsed);

    // Off: positions freeze and the sprite shows its PatternIndex instead.
    bool Enabled = true;
    // Upper bound (exclusive) of the patterns SetFrame accepts; the sprite's
    // owner sets it to its image's pattern count before filling frames.
    int32_t PatternCount = 0;

private:
    std::vector<std::unique_ptr<TSpriteAnimation>> FList;
    int32_t FCurrent = 0;
};
