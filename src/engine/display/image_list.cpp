#include "engine/display/image_list.h"

#include <algorithm>

namespace {

bool sameName(const std::string& a, const std::string& b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

TImageCollectionItem& TImageCollection::Add()
{
    FItems.push_back(std::make_unique<TImageCollectionItem>(*this));
    return *FItems.back();
}

TImageCollectionItem& TImageCollection::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EDImageListError("List index out of bounds (" + std::to_string(index) + ")");
    return *FItems[static_cast<std::size_t>(index)];
}

TImageCollectionItem& TImageCollection::Find(const std::string& name) const
{
    if (TImageCollectionItem* item = TryFind(name)) return *item;
    throw EDImageListError("Image " + name + " does not exist.");
}

TImageCollectionItem* TImageCollection::TryFind(const std::string& name) const
{
    for (const auto& item : FItems)
        if (sameName(item->Name, name)) return item.get();
    return nullptr;
}

void TImageCollection::Assign(const TImageCollection& source)
{
    if (&source == this) return;
    FItems.clear();
    for (const auto& item : source.FItems) Add().Assign(*item);
}

TDImageList::~TDImageList()
{
    SetDrawScreen(nullptr);
}

void TDImageList::SetDrawScreen(TDDrawScreen* screen)
{
    if (FDrawScreen) {
        auto& lists = FDrawScreen->ImageLists();
        lists.erase(std::remove(lists.begin(), lists.end(), this), lists.end());
    }
    FDrawScreen = screen;
    if (FDrawScreen) FDrawScreen->ImageLists().push_back(this);
}

void TDImageList::ValidateItems()
{
    for (const auto& item : FItems) item->ValidateBitmap();
}

void TDImageList::CreateSurfaces(TDDrawScreen& screen)
{
    for (const auto& item : FItems) item->CreateSurface(screen);
}

void TDImageList::RestoreSurfaces()
{
    for (const auto& item : FItems) item->RestoreSurface();
}

void TDImageList::ReleaseSurfaces()
{
    for (const auto& item : FItems) item->ReleaseSurface();
}

void TDImageList::FreeSurfaces()
{
    for (const auto& item : FItems) item->FreeSurface();
}
