#pragma once
// The program's column windows for the term sheet (frame/Kolomvensters.h).

#include "frame/Kolomvensters.h"

extern const Kolomvensters Kolomgereedschap;
