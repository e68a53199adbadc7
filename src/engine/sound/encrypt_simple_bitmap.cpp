#include "engine/sound/encrypt_simple.h"

#include "platform/win32/bitmap/bitmap.h"

std::unique_ptr<platform::TBitmap> TEncryptSimple::LoadBitmapFile(const std::string& fileName)
{
    std::ifstream stream = OpenPrefixed(fileName);
    auto bitmap = std::make_unique<platform::TBitmap>();
    bitmap->LoadFromStream(stream);
    return bitmap;
}
