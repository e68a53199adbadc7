// Opens the page's sound device, closes it and opens it again at once, over
// and over, with the browser's audio events running in between, and fills the
// freed memory with garbage each time. An audio event of a closed device that
// still reached SDL would read that garbage and trap.
#include <SDL.h>
#include <emscripten.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

void silence(void* calls, Uint8* stream, int length)
{
    std::memset(stream, 0, static_cast<std::size_t>(length));
    ++*static_cast<int*>(calls);
}

SDL_AudioDeviceID openDevice(int& calls)
{
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 512;
    want.callback = silence;
    want.userdata = &calls;
    const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (id) SDL_PauseAudioDevice(id, 0);
    return id;
}

}  // namespace

int main()
{
    if (SDL_Init(SDL_INIT_AUDIO) != 0) {
        std::printf("audio reopen: no audio: %s\n", SDL_GetError());
        return 1;
    }
    int calls = 0;
    constexpr int kRounds = 60;
    for (int round = 0; round < kRounds; ++round) {
        // Opened, closed and opened again within one turn of the browser's
        // loop, as a probe followed by the real device would be.
        const SDL_AudioDeviceID probe = openDevice(calls);
        emscripten_sleep(round % 4 * 8);
        SDL_CloseAudioDevice(probe);
        std::vector<std::unique_ptr<char[]>> garbage;
        for (int i = 0; i < 64; ++i) {
            garbage.emplace_back(new char[1024]);
            std::memset(garbage.back().get(), 0xEE, 1024);
        }
        const SDL_AudioDeviceID device = openDevice(calls);
        if (!device) {
            std::printf("audio reopen: cannot open: %s\n", SDL_GetError());
            return 1;
        }
        emscripten_sleep(30);
        SDL_CloseAudioDevice(device);
    }
    std::printf("audio reopen: %d rounds, %d callbacks\n", kRounds, calls);
    SDL_Quit();
    return 0;
}
