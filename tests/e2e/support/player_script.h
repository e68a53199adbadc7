#pragma once
// A player at the keyboard and mouse, scripted against the headless
// backend's clock: every step is scheduled after the previous one.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/backends/headless/headless_backend.h"
#include "platform/backends/keycodes.h"

class PlayerScript {
public:
    explicit PlayerScript(platform::HeadlessBackend& backend, uint32_t start = 0) : b_(backend), t_(start) {}

    uint32_t now() const { return t_; }
    void wait(uint32_t ms) { t_ += ms; }
    // The GUI cursor sits at (30, 30) whenever a menu screen is entered.
    void cursorAt(int x, int y)
    {
        x_ = x;
        y_ = y;
    }
    void moveTo(int x, int y)
    {
        const int dx = x - x_, dy = y - y_;
        b_.at(t_, [dx, dy](platform::HeadlessBackend& b) { b.mouseMove(dx, dy); });
        x_ = x;
        y_ = y;
        t_ += 50;
    }
    void click()
    {
        b_.at(t_, [](platform::HeadlessBackend& b) { b.mouseButton(0, true); });
        b_.at(t_ + 40, [](platform::HeadlessBackend& b) { b.mouseButton(0, false); });
        t_ += 100;
    }
    void clickAt(int x, int y)
    {
        moveTo(x, y);
        click();
    }
    void press(uint8_t key)
    {
        b_.at(t_, [key](platform::HeadlessBackend& b) { b.keyDown(key); });
        b_.at(t_ + 40, [key](platform::HeadlessBackend& b) { b.keyUp(key); });
        t_ += 80;
    }
    void hold(uint8_t key)
    {
        b_.at(t_, [key](platform::HeadlessBackend& b) { b.keyDown(key); });
        t_ += 30;
    }
    void release(uint8_t key)
    {
        b_.at(t_, [key](platform::HeadlessBackend& b) { b.keyUp(key); });
        t_ += 30;
    }
    // Runs `check` at this point of the script.
    void then(std::function<void()> check)
    {
        b_.at(t_, [check = std::move(check)](platform::HeadlessBackend&) { check(); });
        t_ += 10;
    }

private:
    platform::HeadlessBackend& b_;
    uint32_t t_;
    int x_ = 30, y_ = 30;
};
