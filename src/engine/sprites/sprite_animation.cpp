#include "engine/sprites/sprite_animation.h"

#include <algorithm>

#include "engine/sprites/sprite_math.h"

namespace {

int32_t ValidFrameCount(int32_t count) {
    return count >= 0 && count <= TSpriteAnimation::MaxFrames ? count : 0;
}

int32_t ValidSpeed(int32_t speed) { return speed >= 1 && speed <= 10000 ? speed : 100; }

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

TSpriteAnimation::TSpriteAnimation(TSpriteAnimations* AOwner, std::string AName, int32_t AFrameCount,
                                   bool ALooped, int32_t ASpeed)
    : FOwner(AOwner),
      FName(std::move(AName)),
      FFrameCount(ValidFrameCount(AFrameCount)),
      FLooped(ALooped),
      FSpeed(ValidSpeed(ASpeed)) {}

void TSpriteAnimation::SetSpeed(int32_t Value) { FSpeed = ValidSpeed(Value); }

void TSpriteAnimation::SetFrame(int32_t Index, int32_t Pattern) {
    if (Index < 0 || Index >= MaxFrames) return;
    if (Pattern < 0 || !FOwner || Pattern >= FOwner->PatternCount) return;
    FFrames[static_cast<size_t>(Index)] = Pattern;
}

int32_t TSpriteAnimation::CurrentFrame() const {
    const int32_t frame = std::clamp(TruncToPixel(FPosition), 0, MaxFrames - 1);
    return FFrames[static_cast<size_t>(frame)];
}

void TSpriteAnimation::Advance(int32_t Elapsed) {
    FPosition += static_cast<double>(Elapsed) / FSpeed;
    if (FPosition >= FFrameCount) {
        // The overshoot is dropped on purpose: a long frame restarts the loop
        // rather than skipping into the middle of it.
        FPosition = FLooped ? 0.0 : FFrameCount - 1.0;
    }
    if (FPosition < 0.0) FPosition = 0.0;
}

int32_t TSpriteAnimations::Add(std::string Name, int32_t FrameCount, bool Looped, int32_t Speed) {
    FList.push_back(std::make_unique<TSpriteAnimation>(this, std::move(Name), FrameCount, Looped, Speed));
    return Count() - 1;
}

TSpriteAnimation* TSpriteAnimations::Find(std::string_view Name) const { return Items(IndexOf(Name)); }

int32_t TSpriteAnimations::IndexOf(std::string_view Name) const {
    for (size_t i = 0; i < FList.size(); ++i)
        if (SameNameIgnoringCase(FList[i]->Name(), Name)) return static_cast<int32_t>(i);
    return -1;
}

TSpriteAnimation* TSpriteAnimations::Items(int32_t Index) const {
    if (Index < 0 || Index >= Count()) return nullptr;
    return FList[static_cast<size_t>(Index)].get();
}

void TSpriteAnimations::SetCurrent(int32_t Index) {
    if (Index < 0 || Index >= Count() || Index == FCurrent) return;
    FCurrent = Index;
    FList[static_cast<size_t>(Index)]->ResetPosition();
}

int32_t TSpriteAnimations::CurrentPattern() const {
    const TSpriteAnimation* current = Items(FCurrent);
    return current ? current->CurrentFrame() : 0;
}

void TSpriteAnimations::Animate(int32_t Elapsed) {
    if (!Enabled) return;
    if (TSpriteAnimation* current = Items(FCurrent)) current->Advance(std::max(Elapsed, 1));
}
