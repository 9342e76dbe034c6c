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

namespace {

// Each opening makes the window anew, so it is preset afresh.
template <class Kolomvenster>
void Modaal(Venster& opener)
{
    Kolomvenster venster(opener.adm, opener.omgeving, &opener);
    opener.Modaal(venster);
}

}  // namespace

const Kolomvensters Kolomgereedschap{
    Modaal<frmKolomKopieren>, Modaal<frmKolomWissen>,     Modaal<frmKolommenVerwisselen>,
    Modaal<frmKolomOmrekenen>, Modaal<frmKolomAfdrukken>, Modaal<frmKolomNormScores>,
    Modaal<frmKolomNormFouten>, Modaal<frmCesuurScore>,   Modaal<frmCesuurFouten>,
};
