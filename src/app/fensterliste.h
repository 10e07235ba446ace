// The program's windows. All are created once at start, in this order, and live until the end.
#pragma once

namespace quintor {

class TMainForm;
class TVarWahlForm;
class TGrenzenForm;
class TGraphForm;
class TInfoForm;
class TTabellenform;
class TTabVarWahlForm;
class TKonstForm;
class TKommentarForm;

struct Fensterliste {
    TMainForm* MainForm = nullptr;
    TVarWahlForm* VarWahlForm = nullptr;
    TGrenzenForm* GrenzenForm = nullptr;
    TGraphForm* GraphForm = nullptr;
    TInfoForm* InfoForm = nullptr;
    TTabellenform* Tabellenform = nullptr;
    TTabVarWahlForm* TabVarWahlForm = nullptr;
    TKonstForm* KonstForm = nullptr;
    TKommentarForm* KommentarForm = nullptr;
};

}  // namespace quintor
