#pragma once
// The program's pupil windows for the windows below the names list
// (core/Leerlingvensters.h): frmLeerlingUitVlk, frmZoeken,
// frmLeerlingVerwijderen and frmNamenBestandLaden.

#include "core/Leerlingvensters.h"

extern const Leerlingvensters Namenvensters;
