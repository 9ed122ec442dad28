// The kit's font description, read from the stock default GUI font at every call.
#include "render/pismo_win32.h"

void PopisPisma(LOGFONTA* popis, const char* pismo, int vyska)
{
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(LOGFONTA), popis);
    lstrcpynA(popis->lfFaceName, pismo, LF_FACESIZE);
    if (vyska != 0) popis->lfHeight = vyska;
}
