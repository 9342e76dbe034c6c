#pragma once
// How a window laid out for a screen of 800 × 600 fits a screen whose free
// area (the screen less its panels) is smaller than the window with its
// frame: the client area gives up the empty strip below and beside its
// controls, never more, and the frame moves into the free area. A window
// that fits stays where and as large as it asks.

struct Vensterrechthoek {
    int x = 0;
    int y = 0;
    int breedte = 0;
    int hoogte = 0;
    friend bool operator==(const Vensterrechthoek&, const Vensterrechthoek&) = default;
};

// The frame's extent around the client area: the window manager's borders
// and title bar (the menu bar belongs to the client area).
struct Vensterrand {
    int links = 0;
    int boven = 0;
    int rechts = 0;
    int onder = 0;
};

struct Vensterwens {
    int x = 0, y = 0;                         // the frame's top-left corner
    int breedte = 0, hoogte = 0;              // the client area
    int minsteBreedte = 0, minsteHoogte = 0;  // the least that keeps every control whole
};

// The frame's top-left corner and the client size to use. In each direction
// where the window with its frame is larger than the free area, the client
// area shrinks to what the free area leaves beside the frame (not below its
// least, nor above the wish) and the frame starts where the free area does;
// another direction keeps the wish.
Vensterrechthoek PassendVenster(const Vensterwens& wens, const Vensterrand& rand, const Vensterrechthoek& vrij);
