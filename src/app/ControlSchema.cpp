#include "app/ControlSchema.h"

#include <algorithm>

#include "common/WebAddresses.h"

namespace app {

namespace {

// Controls and fields kept in the settings store come first, in the order in
// which the settings restore them; the controls that are not stored follow.
// One row per control reads best as one line each.
// clang-format off
const std::vector<ControlSpec> kControls = {
    {"Neuerschein", ControlKind::Field, 0, 0, "0", {}, {}, {}, true, {}, "NeuerSchein", StoredAs::Int, {}},
    {"CheckBox1", ControlKind::CheckBox, 0, 1, "0", "Les nombres avec quelques paires fréquentes préfèrent l'enseignement", {}, "TabSheet9", false, {}, "Chekcbox1", StoredAs::Bool, {}},
    {"CheckBox2", ControlKind::CheckBox, 0, 1, "0", "Chiffres qui ont été établis très souvent", {}, "TabSheet8", false, {}, "Chekcbox2", StoredAs::Bool, {}},
    {"CheckBox3", ControlKind::CheckBox, 0, 1, "1", "maximum de                 matchs avec les autres conseils", {}, "TabSheet9", false, {}, "Chekcbox3", StoredAs::Bool, {}},
    {"CheckBox4", ControlKind::CheckBox, 0, 1, "1", "maximum de               et minimum              Numéro du permis dernier dessin", {}, "TabSheet8", false, {}, "Chekcbox4", StoredAs::Bool, {}},
    {"CheckBox5", ControlKind::CheckBox, 0, 1, "1", "maximum de               et minimum              nombre de permis de dessin avant-dernier", {}, "TabSheet8", false, {}, "Chekcbox5", StoredAs::Bool, {}},
    {"CheckBox6", ControlKind::CheckBox, 0, 1, "0", "Les nombres avec une éducation commune triade préfèrent", {}, "TabSheet9", false, {}, "Chekcbox6", StoredAs::Bool, {}},
    {"CheckBox7", ControlKind::CheckBox, 0, 1, "0", "Les nombres avec une fréquence quatre groupes préfèrent formation", {}, "TabSheet9", false, {}, "Chekcbox7", StoredAs::Bool, {}},
    {"CheckBox8", ControlKind::CheckBox, 0, 1, "0", "Une force de pointe par grille", {}, "TabSheet9", false, {}, "Chekcbox8", StoredAs::Bool, {}},
    {"CheckBox9", ControlKind::CheckBox, 0, 1, "1", "Astuce doit se conformer à toute l'allaitement maternel               de la base de données", {}, "TabSheet8", false, {}, "Chekcbox9", StoredAs::Bool, {}},
    {"CheckBox10", ControlKind::CheckBox, 0, 1, "1", "Numéros sont le plus en retard", {}, "TabSheet8", false, {}, "Chekcbox10", StoredAs::Bool, {}},
    {"CheckBox11", ControlKind::CheckBox, 0, 1, "0", "plus rare", {}, "TabSheet9", false, {}, "Chekcbox11", StoredAs::Bool, {}},
    {"CheckBox12", ControlKind::CheckBox, 0, 1, "0", "plus rare", {}, "TabSheet9", false, {}, "Chekcbox12", StoredAs::Bool, {}},
    {"CheckBox13", ControlKind::CheckBox, 0, 1, "0", "plus rare", {}, "TabSheet9", false, {}, "Chekcbox13", StoredAs::Bool, {}},
    {"CheckBox14", ControlKind::CheckBox, 0, 1, "1", "Numéros tirés particulièrement rare", {}, "TabSheet8", false, {}, "Chekcbox14", StoredAs::Bool, {}},
    {"CheckBox15", ControlKind::CheckBox, 0, 1, "0", "Astuce pour les numéros préférés utilisation seulement!", {}, "TabSheet11", false, {}, "Chekcbox15", StoredAs::Bool, {}},
    {"CheckBox17", ControlKind::CheckBox, 0, 1, "1", "Astuce ne peut pas l'article est arrivé               dans les               derniers tirages", {}, "TabSheet8", false, {}, "Chekcbox17", StoredAs::Bool, {}},
    {"CheckBox18", ControlKind::CheckBox, 0, 1, "1", "pas de triolisme, quatuors", {}, "TabSheet9", false, {}, "Chekcbox18", StoredAs::Bool, {}},
    {"CheckBox19", ControlKind::CheckBox, 0, 1, "0", "nombres adjacents de dernier tirage, préfèrent", {}, "TabSheet8", false, {}, "Chekcbox19", StoredAs::Bool, {}},
    {"CheckBox20", ControlKind::CheckBox, 0, 1, "0", "Modifier la liste des numéros de Tip", {}, "TabSheet11", false, {}, "Chekcbox20", StoredAs::Bool, {}},
    {"CheckBox22", ControlKind::CheckBox, 0, 1, "0", "au moins                      nombres premiers dans n'importe quel bout", {}, "TabSheet10", false, {}, "Chekcbox22", StoredAs::Bool, {}},
    {"CheckBox23", ControlKind::CheckBox, 0, 1, "1", "maximum de               et minimum              numéro un tirer avant que le permis", {}, "TabSheet8", false, {}, "Chekcbox23", StoredAs::Bool, {}},
    {"CheckBox24", ControlKind::CheckBox, 0, 1, "1", "minimal de                    matchs à d'autres conseils", {}, "TabSheet9", false, {}, "Chekcbox24", StoredAs::Bool, {}},
    {"CheckBox25", ControlKind::CheckBox, 0, 1, "0", "au moins                      nombres pairs dans n'importe quel bout", {}, "TabSheet10", false, {}, "Chekcbox25", StoredAs::Bool, {}},
    {"CheckBox26", ControlKind::CheckBox, 0, 1, "0", "au moins                      nombres impairs dans n'importe quel bout", {}, "TabSheet10", false, {}, "Chekcbox26", StoredAs::Bool, {}},
    {"CheckBox27", ControlKind::CheckBox, 0, 1, "1", "Min / Max: Tip meet every need with every entry, this condition", {}, "TabSheet9", true, {}, "Chekcbox27", StoredAs::Bool, {}},
    {"CheckBox28", ControlKind::CheckBox, 0, 1, "1", "Supprimer avant de calculer", "Delete before calculating", "TabSheet1", false, {}, "Chekcbox28", StoredAs::Bool, {}},
    {"CheckBox30", ControlKind::CheckBox, 0, 1, "0", "Number of draws of a date in all years", {}, "TabSheet8", true, {}, "Chekcbox30", StoredAs::Bool, {}},
    {"CheckBox31", ControlKind::CheckBox, 0, 1, "0", "Numbers of the last               contractions using", {}, "TabSheet8", true, {}, "Chekcbox31", StoredAs::Bool, {}},
    {"Land", ControlKind::Field, 0, 0, "1", {}, {}, {}, true, {}, "Land", StoredAs::Int, {}},
    {"TippTop", ControlKind::Field, 0, 0, "39", {}, {}, {}, true, {}, "TippTop", StoredAs::Int, {}},
    {"TippLeft", ControlKind::Field, 0, 0, "47", {}, {}, {}, true, {}, "TippLeft", StoredAs::Int, {}},
    {"System", ControlKind::Field, 0, 0, "0", {}, {}, {}, true, {}, "System", StoredAs::Int, {}},
    {"ComboBox2", ControlKind::ComboBox, -1, 7, "-1", {}, {}, "TabSheet8", true, {}, "ComboBox2", StoredAs::Int, {"alle Tage verwenden", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Sonnabend", "Sonntag"}},
    {"ComboBox3", ControlKind::ComboBox, -1, 2, "2", {}, {}, "TabSheet8", true, {}, "ComboBox3", StoredAs::Int, {"1", "2", "3"}},
    {"UpDown1", ControlKind::UpDown, 0, 9, "1", {}, {}, "TabSheet9", false, "Edit88", "UpDown1", StoredAs::Int, {}},
    {"UpDown2", ControlKind::UpDown, 1, 750, "100", {}, {}, "TabSheet10", false, "Edit37", "UpDown2", StoredAs::Int, {}},
    {"UpDown3", ControlKind::UpDown, 0, 9, "4", {}, {}, "TabSheet9", false, "Edit39", "UpDown3", StoredAs::Int, {}},
    {"UpDown4", ControlKind::UpDown, 0, 10, "0", {}, {}, "TabSheet8", false, "Edit40", "UpDown4", StoredAs::Int, {}},
    {"UpDown5", ControlKind::UpDown, 0, 10, "1", {}, {}, "TabSheet8", false, "Edit41", "UpDown5", StoredAs::Int, {}},
    {"UpDown6", ControlKind::UpDown, 1, 10, "10", {}, {}, "TabSheet8", false, "Edit42", "UpDown6", StoredAs::Int, {}},
    {"UpDown7", ControlKind::UpDown, 1, 10000, "10", {}, {}, "TabSheet11", false, "Edit55", "UpDown7", StoredAs::Int, {}},
    {"UpDown8", ControlKind::UpDown, 1, 5, "5", "Grilles par billet", "", "TabSheet1", false, "Edit80", "UpDown8", StoredAs::Int, {}},
    {"UpDown9", ControlKind::UpDown, 1, 120, "5", "Grille totale", "Wieviele Tipps wollen Sie berechnen?", "TabSheet1", false, "Edit1", "UpDown9", StoredAs::Int, {}},
    {"UpDown10", ControlKind::UpDown, 0, 6, "2", {}, {}, "TabSheet10", false, "Edit83", "UpDown10", StoredAs::Int, {}},
    {"UpDown11", ControlKind::UpDown, 0, 10, "2", {}, {}, "TabSheet8", false, "Edit84", "UpDown11", StoredAs::Int, {}},
    {"UpDown12", ControlKind::UpDown, 5, 75, "30", {}, "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen", "TabSheet8", false, "Edit85", "UpDown12", StoredAs::Int, {}},
    {"UpDown13", ControlKind::UpDown, 5, 75, "30", {}, "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen", "TabSheet8", false, "Edit86", "UpDown13", StoredAs::Int, {}},
    {"UpDown14", ControlKind::UpDown, 5, 75, "30", {}, "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen", "TabSheet8", false, "Edit87", "UpDown14", StoredAs::Int, {}},
    {"UpDown15", ControlKind::UpDown, 750, 1400, "1200", {}, {}, "TabSheet10", false, "Edit38", "UpDown15", StoredAs::Int, {}},
    {"UpDown16", ControlKind::UpDown, 0, 6, "2", {}, {}, "TabSheet10", false, "Edit89", "UpDown16", StoredAs::Int, {}},
    {"UpDown17", ControlKind::UpDown, 0, 6, "2", {}, {}, "TabSheet10", false, "Edit90", "UpDown17", StoredAs::Int, {}},
    {"UpDown18", ControlKind::UpDown, 2, 10, "10", "Numéros par grille", "", "TabSheet1", false, "Edit5", "UpDown18", StoredAs::Int, {}},
    {"UpDown19", ControlKind::UpDown, 1, 10, "6", {}, {}, "TabSheet8", false, "Edit4", "UpDown19", StoredAs::Int, {}},
    {"UpDown20", ControlKind::UpDown, 1, 356, "12", {}, {}, "TabSheet8", false, "Edit6", "UpDown20", StoredAs::Int, {}},
    {"UpDown21", ControlKind::UpDown, 0, 10, "0", {}, {}, "TabSheet8", false, "Edit7", "UpDown21", StoredAs::Int, {}},
    {"UpDown22", ControlKind::UpDown, 0, 10, "0", {}, {}, "TabSheet8", false, "Edit8", "UpDown22", StoredAs::Int, {}},
    {"UpDown23", ControlKind::UpDown, 0, 10, "0", {}, {}, "TabSheet8", false, "Edit9", "UpDown23", StoredAs::Int, {}},
    {"Preis", ControlKind::Field, 0, 0, "0", {}, {}, {}, true, {}, "Preis", StoredAs::Double, {}},
    {"URLEdit", ControlKind::Edit, 0, 0, common::web::kLotteryInfo, {}, {}, "TabSheet3", true, {}, "URLEdit", StoredAs::String, {}},
    {"ProxyHostEdit", ControlKind::Edit, 0, 0, "", "Proxy-Server", {}, "TabSheet3", false, {}, "ProxyHostEdit", StoredAs::String, {}},
    {"ProxyPortEdit", ControlKind::Edit, 0, 0, "80", "Porxy-Port", {}, "TabSheet3", false, {}, "ProxyPortEdit", StoredAs::String, {}},
    {"DateTimePicker2", ControlKind::DatePicker, 0, 0, "16.09.1993", {}, "With the chosen date starts the evaluation", "TabSheet5", false, {}, "DateTimePicker2", StoredAs::Double, {}},
    {"ServiceURL", ControlKind::Edit, 0, 0, "", "Service", {}, "TabSheet3", false, {}, "ServiceURL", StoredAs::String, {}},
    {"ResultsURL", ControlKind::Edit, 0, 0, common::web::kKenoResultsArchives.join(QLatin1Char(' ')), "Résultats FDJ", "Les adresses de l'archive des résultats FDJ (ZIP), essayées dans l'ordre, séparées par des espaces", "TabSheet3", false, {}, "ResultsURL", StoredAs::String, {}},
    {"ComboBox1", ControlKind::ComboBox, -1, 4, "0", "Coût par Grille", {}, "TabSheet1", false, {}, {}, StoredAs::None, {"1", "2", "3", "5", "10"}},
    {"DateTimePicker1", ControlKind::DatePicker, 0, 0, "", {}, {}, "TabSheet4", false, {}, {}, StoredAs::None, {}},
    {"DateTimePicker3", ControlKind::DatePicker, 0, 0, "18.06.2010", {}, {}, "TabSheet8", true, {}, {}, StoredAs::None, {}},
    {"Label61", ControlKind::Label, 0, 0, "Numéros par grille", "Numéros par grille", {}, "TabSheet1", false, {}, {}, StoredAs::None, {}},
    {"Label22", ControlKind::Label, 0, 0, "Grille totale", "Grille totale", {}, "TabSheet1", false, {}, {}, StoredAs::None, {}},
    {"Label42", ControlKind::Label, 0, 0, "traverser la somme:                   -                    à la pointe de permettre", "traverser la somme:                   -                    à la pointe de permettre", {}, "TabSheet10", false, {}, {}, StoredAs::None, {}},
    {"Label57", ControlKind::Label, 0, 0, "Max calcul fonctionne", "Max calcul fonctionne", {}, "TabSheet11", false, {}, {}, StoredAs::None, {}},
    {"Label58", ControlKind::Label, 0, 0, "mille", "mille", {}, "TabSheet11", false, {}, {}, StoredAs::None, {}},
    {"Label48", ControlKind::Label, 0, 0, {}, {}, {}, "TabSheet8", true, {}, {}, StoredAs::None, {}},
    {"Label62", ControlKind::Label, 0, 0, {}, {}, {}, "TabSheet8", true, {}, {}, StoredAs::None, {}},
};
// clang-format on

} // namespace

const std::vector<ControlSpec>& ControlSchema::controls() {
    return kControls;
}

const ControlSpec* ControlSchema::find(const QString& name) {
    const auto it = std::find_if(kControls.begin(), kControls.end(),
                                 [&](const ControlSpec& control) { return control.name == name; });
    return it == kControls.end() ? nullptr : &*it;
}

const ControlSpec* ControlSchema::findByBuddy(const QString& editName) {
    const auto it =
        std::find_if(kControls.begin(), kControls.end(),
                     [&](const ControlSpec& control) { return control.buddy == editName; });
    return it == kControls.end() ? nullptr : &*it;
}

} // namespace app
