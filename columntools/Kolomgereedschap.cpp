#include "columntools/Kolomgereedschap.h"

#include "columntools/frmKolomAfdrukken.h"
#include "columntools/frmKolomKopieren.h"
#include "columntools/frmKolomOmrekenen.h"
#include "columntools/frmKolomWissen.h"
#include "columntools/frmKolommenVerwisselen.h"

const Kolomvensters Kolomgereedschap{
    ModaalTonen<frmKolomKopieren>,
    ModaalTonen<frmKolomWissen>,
    ModaalTonen<frmKolommenVerwisselen>,
    ModaalTonen<frmKolomOmrekenen>,
    ModaalTonen<frmKolomAfdrukken>,
};
