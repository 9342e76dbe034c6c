#pragma once
// The program's column windows for the term sheet (core/Kolomvensters.h).

#include "core/Kolomvensters.h"

extern const Kolomvensters Kolomgereedschap;
