#include "anwendung.h"

#include "graphform.h"
#include "grenzenform.h"
#include "infoform.h"
#include "kommentarform.h"
#include "konstform.h"
#include "ks.h"
#include "mainform.h"
#include "tabellenform.h"
#include "tabvarwahlform.h"
#include "varwahlform.h"

namespace quintor {

Anwendung::Anwendung(Dialoge& dialoge, Hilfe& hilfe, QStringList argumente) {
    // The main window first: its creation touches no other window.
    fenster.MainForm = new TMainForm(dokument, dialoge, hilfe, std::move(argumente));
    fenster.VarWahlForm = new TVarWahlForm(dokument, dialoge, hilfe, fenster.MainForm);
    fenster.GrenzenForm = new TGrenzenForm(dialoge, hilfe, fenster.MainForm);
    fenster.GraphForm = new TGraphForm(dokument, dialoge, hilfe, fenster.MainForm);
    fenster.InfoForm = new TInfoForm(fenster.MainForm);
    fenster.Tabellenform = new TTabellenform(dokument, dialoge, hilfe, fenster.MainForm);
    fenster.TabVarWahlForm = new TTabVarWahlForm(dokument, fenster.MainForm);
    fenster.KonstForm = new TKonstForm(hilfe, fenster.MainForm);
    fenster.KommentarForm = new TKommentarForm(dokument, fenster.MainForm);
    fenster.MainForm->SetzeFenster({fenster.GraphForm, fenster.Tabellenform, fenster.KonstForm,
                                    fenster.KommentarForm, fenster.InfoForm});
    fenster.GraphForm->SetzeFenster(fenster.VarWahlForm, fenster.GrenzenForm);
    fenster.GrenzenForm->SetzeKoordinatensystem(fenster.GraphForm->Koordinatensystem1);
    fenster.Tabellenform->SetzeFenster(fenster.TabVarWahlForm);

    fenster.MainForm->VerbindeAnsicht(ansicht);
    HaengeGroessentastenAn(fenster.GraphForm, ansicht);
    HaengeGroessentastenAn(fenster.Tabellenform, ansicht);
    QObject::connect(&ansicht, &Ansichtsgroesse::Geaendert, fenster.GraphForm, [this] {
        fenster.GraphForm->SetzeSchriftfaktor(ansicht.Faktor());
    });
    QObject::connect(&ansicht, &Ansichtsgroesse::Geaendert, fenster.Tabellenform, [this] {
        fenster.Tabellenform->SetzeSchriftfaktor(ansicht.Faktor());
    });
}

Anwendung::~Anwendung() {
    // The other windows are children of the main window and go with it.
    delete fenster.MainForm;
}

}  // namespace quintor
