#include "columntools/Kolomgereedschap.h"

#include "columntools/frmCesuurFouten.h"
#include "columntools/frmCesuurScore.h"
#include "columntools/frmKolomAfdrukken.h"
#include "columntools/frmKolomKopieren.h"
#include "columntools/frmKolomNormFouten.h"
#include "columntools/frmKolomNormScores.h"
#include "columntools/frmKolomOmrekenen.h"
#include "columntools/frmKolomWissen.h"
#include "columntools/frmKolommenVerwisselen.h"

const Kolomvensters Kolomgereedschap{
    ModaalTonen<frmKolomKopieren>,
    ModaalTonen<frmKolomWissen>,
    ModaalTonen<frmKolommenVerwisselen>,
    ModaalTonen<frmKolomOmrekenen>,
    ModaalTonen<frmKolomAfdrukken>,
    ModaalTonen<frmKolomNormScores>,
    ModaalTonen<frmKolomNormFouten>,
    ModaalTonen<frmCesuurScore>,
    ModaalTonen<frmCesuurFouten>,
};
