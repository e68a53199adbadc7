#include "engine/sound/sound_list.h"

#include <algorithm>
#include <cctype>

#include "engine/sound/sound_player.h"

namespace {

bool sameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

// ---- TSoundCollectionItem ----

std::string TSoundCollectionItem::DisplayName() const { return Name.empty() ? "TSoundCollectionItem" : Name; }

void TSoundCollectionItem::Assign(const TSoundCollectionItem& source)
{
    if (&source == this) return;
    FWav.Assign(&source.FWav);
    Looped = source.Looped;
    Name.clear();
    FBuffer.reset();
}

bool TSoundCollectionItem::IsPlaying() { return FBuffer && FBuffer->IsPlaying(); }

void TSoundCollectionItem::Play()
{
    if (!FBuffer) return;
    if (Looped) FBuffer->PlayLooped();
    else FBuffer->Play();
}

void TSoundCollectionItem::Stop()
{
    if (FBuffer) FBuffer->Stop();
}

// ---- TSoundCollection ----

TSoundCollectionItem& TSoundCollection::Add()
{
    FItems.push_back(std::make_unique<TSoundCollectionItem>());
    return *FItems.back();
}

TSoundCollectionItem& TSoundCollection::Find(const std::string& name)
{
    for (auto& item : FItems) {
        if (sameName(item->Name, name)) return *item;
    }
    throw EDSoundListError("Sound " + name + " does not exist.");
}

// ---- TDSoundList ----

TDSoundList::TDSoundList() : FItems(*this) {}

TDSoundList::~TDSoundList()
{
    SetSoundPlayer(nullptr);
    FItems.Clear();  // buffers go before the rest of the list
}

void TDSoundList::SetSoundPlayer(TDSoundPlayer* player)
{
    if (player == FSoundPlayer) return;
    if (FSoundPlayer) FSoundPlayer->Unbind(*this);
    FSoundPlayer = player;
    if (FSoundPlayer) FSoundPlayer->Bind(*this);
}

void TDSoundList::StopAll()
{
    for (int i = 0; i < FItems.Count(); ++i) FItems.Items(i).Stop();
}
