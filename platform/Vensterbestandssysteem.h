#pragma once
// The file system of a save a window runs: the real calls, and while the save
// waits for its folder's lock (another program saving there) the wait cursor
// shows and the windows go on painting. No key or click is taken meanwhile,
// so no command runs inside the save.

#include "core/Bestand.h"

class Vensterbestandssysteem : public Bestandssysteem {
public:
    Vensterbestandssysteem() = default;
    ~Vensterbestandssysteem() override;
    Vensterbestandssysteem(const Vensterbestandssysteem&) = delete;
    Vensterbestandssysteem& operator=(const Vensterbestandssysteem&) = delete;

    int usleep(useconds_t microseconden) override;
    void slotwacht(bool begint) override;

private:
    bool cursor_ = false;  // the wait cursor is ours to take back
};
