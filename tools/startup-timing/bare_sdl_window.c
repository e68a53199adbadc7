/* The least SDL2 program that opens a window and shows one 800 x 600
   picture in 16 bits: the yardstick for the game's start-up. It keeps the
   picture up until the window is closed or, with an argument, for that many
   milliseconds. */
#include <SDL.h>
#include <stdint.h>
#include <stdlib.h>

enum { kWidth = 800, kHeight = 600 };

int main(int argc, char** argv)
{
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Window* window = SDL_CreateWindow("bare", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWidth, kHeight, 0);
    SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, 0) : NULL;
    SDL_Texture* texture =
        renderer ? SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING, kWidth, kHeight)
                 : NULL;
    if (!texture) return 1;

    /* A picture with something in it, as a title would have. */
    static uint16_t pixels[kWidth * kHeight];
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            pixels[y * kWidth + x] = (uint16_t)(((x * 31 / kWidth) << 11) | ((y * 63 / kHeight) << 5) | ((x ^ y) & 31));
    SDL_UpdateTexture(texture, NULL, pixels, kWidth * 2);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, texture, NULL, NULL);
    SDL_RenderPresent(renderer);

    const Uint32 until = argc > 1 ? SDL_GetTicks() + (Uint32)atoi(argv[1]) : 0;
    SDL_Event event;
    for (;;) {
        if (SDL_WaitEventTimeout(&event, 10) && event.type == SDL_QUIT) break;
        if (until && SDL_TICKS_PASSED(SDL_GetTicks(), until)) break;
    }
    SDL_DestroyTexture(texture);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
