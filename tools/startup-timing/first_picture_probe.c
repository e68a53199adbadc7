/* Preloaded into an SDL2 program (LD_PRELOAD), reports on standard error
   the moment the program first presents a picture with something in it:
       first-picture <wall clock in microseconds> <renderer name>
   and ends the program there when FIRST_PICTURE_EXIT is set. A frame of a
   single colour (a window cleared before the picture is ready) does not
   count. */
#define _GNU_SOURCE
#include <SDL.h>
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/time.h>
#include <unistd.h>

static int pictureUploaded;
static int reported;

static int hasContent(SDL_Texture* texture, const SDL_Rect* rect, const void* pixels, int pitch)
{
    Uint32 format = 0;
    int w = 0, h = 0;
    if (SDL_QueryTexture(texture, &format, NULL, &w, &h) != 0 || !pixels) return 0;
    if (rect) {
        w = rect->w;
        h = rect->h;
    }
    const int bytes = SDL_BYTESPERPIXEL(format);
    if (bytes <= 0 || w <= 0 || h <= 0) return 0;
    const unsigned char* first = pixels;
    for (int y = 0; y < h; ++y) {
        const unsigned char* row = first + (size_t)y * (size_t)pitch;
        for (int x = 0; x < w; ++x)
            if (memcmp(row + (size_t)x * (size_t)bytes, first, (size_t)bytes) != 0) return 1;
    }
    return 0;
}

int SDL_UpdateTexture(SDL_Texture* texture, const SDL_Rect* rect, const void* pixels, int pitch)
{
    static int (*real)(SDL_Texture*, const SDL_Rect*, const void*, int);
    if (!real) *(void**)&real = dlsym(RTLD_NEXT, "SDL_UpdateTexture");
    if (!reported && !pictureUploaded) pictureUploaded = hasContent(texture, rect, pixels, pitch);
    return real(texture, rect, pixels, pitch);
}

/* A picture may also be written into a locked texture. */
static SDL_Texture* lockedTexture;
static void* lockedPixels;
static int lockedPitch;

int SDL_LockTexture(SDL_Texture* texture, const SDL_Rect* rect, void** pixels, int* pitch)
{
    static int (*real)(SDL_Texture*, const SDL_Rect*, void**, int*);
    if (!real) *(void**)&real = dlsym(RTLD_NEXT, "SDL_LockTexture");
    const int result = real(texture, rect, pixels, pitch);
    if (result == 0 && !rect) {
        lockedTexture = texture;
        lockedPixels = *pixels;
        lockedPitch = *pitch;
    }
    return result;
}

void SDL_UnlockTexture(SDL_Texture* texture)
{
    static void (*real)(SDL_Texture*);
    if (!real) *(void**)&real = dlsym(RTLD_NEXT, "SDL_UnlockTexture");
    if (!reported && !pictureUploaded && texture == lockedTexture)
        pictureUploaded = hasContent(texture, NULL, lockedPixels, lockedPitch);
    lockedTexture = NULL;
    real(texture);
}

void SDL_RenderPresent(SDL_Renderer* renderer)
{
    static void (*real)(SDL_Renderer*);
    if (!real) *(void**)&real = dlsym(RTLD_NEXT, "SDL_RenderPresent");
    real(renderer);
    if (reported || !pictureUploaded) return;
    reported = 1;
    struct timeval now;
    gettimeofday(&now, NULL);
    SDL_RendererInfo info;
    const char* name = SDL_GetRendererInfo(renderer, &info) == 0 ? info.name : "unknown";
    fprintf(stderr, "first-picture %lld %s\n", (long long)now.tv_sec * 1000000 + now.tv_usec, name);
    fflush(stderr);
    if (getenv("FIRST_PICTURE_EXIT")) _exit(0);
}
