#pragma once
// The program's pupil windows for the windows below the names list
// (frame/Leerlingvensters.h): frmLeerlingUitVlk, frmZoeken,
// frmLeerlingVerwijderen and frmNamenBestandLaden.

#include "frame/Leerlingvensters.h"

extern const Leerlingvensters Namenvensters;
