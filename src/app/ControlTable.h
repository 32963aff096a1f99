// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one table of the main window's controls and stored fields: every row
// gives a control's id (its name in the window), kind, range, default, caption,
// hint, page, whether it is hidden, the edit box that shows an up-down's
// position, the name and type under which the settings keep it, and a combo
// box's items. The stored rows come first, in the order in which the settings
// are written and read. A combo box's items end the row.
//
// X(id, kind, minimum, maximum, default, caption, hint, page, hidden, buddy,
//   settingsName, storedAs, items...)
// clang-format off
#define TIRVEX_CONTROLS(X) \
    X(Neuerschein, Field, 0, 0, "0", {}, {}, {}, true, {}, "NeuerSchein", Int) \
    X(CheckBox1, CheckBox, 0, 1, "0", "Les nombres avec quelques paires fréquentes préfèrent l'enseignement", {}, "TabSheet9", false, {}, "Chekcbox1", Bool) \
    X(CheckBox2, CheckBox, 0, 1, "0", "Chiffres qui ont été établis très souvent", {}, "TabSheet8", false, {}, "Chekcbox2", Bool) \
    X(CheckBox3, CheckBox, 0, 1, "1", "maximum de                 matchs avec les autres conseils", {}, "TabSheet9", false, {}, "Chekcbox3", Bool) \
    X(CheckBox4, CheckBox, 0, 1, "1", "maximum de               et minimum              Numéro du permis dernier dessin", {}, "TabSheet8", false, {}, "Chekcbox4", Bool) \
    X(CheckBox5, CheckBox, 0, 1, "1", "maximum de               et minimum              nombre de permis de dessin avant-dernier", {}, "TabSheet8", false, {}, "Chekcbox5", Bool) \
    X(CheckBox6, CheckBox, 0, 1, "0", "Les nombres avec une éducation commune triade préfèrent", {}, "TabSheet9", false, {}, "Chekcbox6", Bool) \
    X(CheckBox7, CheckBox, 0, 1, "0", "Les nombres avec une fréquence quatre groupes préfèrent formation", {}, "TabSheet9", false, {}, "Chekcbox7", Bool) \
    X(CheckBox8, CheckBox, 0, 1, "0", "Une force de pointe par grille", {}, "TabSheet9", false, {}, "Chekcbox8", Bool) \
    X(CheckBox9, CheckBox, 0, 1, "1", "Astuce doit se conformer à toute l'allaitement maternel               de la base de données", {}, "TabSheet8", false, {}, "Chekcbox9", Bool) \
    X(CheckBox10, CheckBox, 0, 1, "1", "Numéros sont le plus en retard", {}, "TabSheet8", false, {}, "Chekcbox10", Bool) \
    X(CheckBox11, CheckBox, 0, 1, "0", "plus rare", {}, "TabSheet9", false, {}, "Chekcbox11", Bool) \
    X(CheckBox12, CheckBox, 0, 1, "0", "plus rare", {}, "TabSheet9", false, {}, "Chekcbox12", Bool) \
    X(CheckBox13, CheckBox, 0, 1, "0", "plus rare", {}, "TabSheet9", false, {}, "Chekcbox13", Bool) \
    X(CheckBox14, CheckBox, 0, 1, "1", "Numéros tirés particulièrement rare", {}, "TabSheet8", false, {}, "Chekcbox14", Bool) \
    X(CheckBox15, CheckBox, 0, 1, "0", "Astuce pour les numéros préférés utilisation seulement!", {}, "TabSheet11", false, {}, "Chekcbox15", Bool) \
    X(CheckBox17, CheckBox, 0, 1, "1", "Astuce ne peut pas l'article est arrivé               dans les               derniers tirages", {}, "TabSheet8", false, {}, "Chekcbox17", Bool) \
    X(CheckBox18, CheckBox, 0, 1, "1", "pas de triolisme, quatuors", {}, "TabSheet9", false, {}, "Chekcbox18", Bool) \
    X(CheckBox19, CheckBox, 0, 1, "0", "nombres adjacents de dernier tirage, préfèrent", {}, "TabSheet8", false, {}, "Chekcbox19", Bool) \
    X(CheckBox20, CheckBox, 0, 1, "0", "Modifier la liste des numéros de Tip", {}, "TabSheet11", false, {}, "Chekcbox20", Bool) \
    X(CheckBox22, CheckBox, 0, 1, "0", "au moins                      nombres premiers dans n'importe quel bout", {}, "TabSheet10", false, {}, "Chekcbox22", Bool) \
    X(CheckBox23, CheckBox, 0, 1, "1", "maximum de               et minimum              numéro un tirer avant que le permis", {}, "TabSheet8", false, {}, "Chekcbox23", Bool) \
    X(CheckBox24, CheckBox, 0, 1, "1", "minimal de                    matchs à d'autres conseils", {}, "TabSheet9", false, {}, "Chekcbox24", Bool) \
    X(CheckBox25, CheckBox, 0, 1, "0", "au moins                      nombres pairs dans n'importe quel bout", {}, "TabSheet10", false, {}, "Chekcbox25", Bool) \
    X(CheckBox26, CheckBox, 0, 1, "0", "au moins                      nombres impairs dans n'importe quel bout", {}, "TabSheet10", false, {}, "Chekcbox26", Bool) \
    X(CheckBox27, CheckBox, 0, 1, "1", "Min / Max: Tip meet every need with every entry, this condition", {}, "TabSheet9", true, {}, "Chekcbox27", Bool) \
    X(CheckBox28, CheckBox, 0, 1, "1", "Supprimer avant de calculer", "Delete before calculating", "TabSheet1", false, {}, "Chekcbox28", Bool) \
    X(CheckBox30, CheckBox, 0, 1, "0", "Number of draws of a date in all years", {}, "TabSheet8", true, {}, "Chekcbox30", Bool) \
    X(CheckBox31, CheckBox, 0, 1, "0", "Numbers of the last               contractions using", {}, "TabSheet8", true, {}, "Chekcbox31", Bool) \
    X(System, Field, 0, 0, "0", {}, {}, {}, true, {}, "System", Int) \
    X(ComboBox2, ComboBox, -1, 7, "-1", {}, {}, "TabSheet8", true, {}, "ComboBox2", Int, "alle Tage verwenden", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Sonnabend", "Sonntag") \
    X(ComboBox3, ComboBox, -1, 2, "2", {}, {}, "TabSheet8", true, {}, "ComboBox3", Int, "1", "2", "3") \
    X(TippTop, Field, 0, 0, "39", {}, {}, {}, true, {}, "TippTop", Int) \
    X(TippLeft, Field, 0, 0, "47", {}, {}, {}, true, {}, "TippLeft", Int) \
    X(UpDown1, UpDown, 0, 9, "1", {}, {}, "TabSheet9", false, "Edit88", "UpDown1", Int) \
    X(UpDown2, UpDown, 1, 750, "100", {}, {}, "TabSheet10", false, "Edit37", "UpDown2", Int) \
    X(UpDown3, UpDown, 0, 9, "4", {}, {}, "TabSheet9", false, "Edit39", "UpDown3", Int) \
    X(UpDown4, UpDown, 0, 10, "0", {}, {}, "TabSheet8", false, "Edit40", "UpDown4", Int) \
    X(UpDown5, UpDown, 0, 10, "1", {}, {}, "TabSheet8", false, "Edit41", "UpDown5", Int) \
    X(UpDown6, UpDown, 1, 10, "10", {}, {}, "TabSheet8", false, "Edit42", "UpDown6", Int) \
    X(UpDown7, UpDown, 1, 10000, "10", {}, {}, "TabSheet11", false, "Edit55", "UpDown7", Int) \
    X(UpDown8, UpDown, 1, 5, "5", "Grilles par billet", "", "TabSheet1", false, "Edit80", "UpDown8", Int) \
    X(UpDown9, UpDown, 1, 120, "5", "Grille totale", "Wieviele Tipps wollen Sie berechnen?", "TabSheet1", false, "Edit1", "UpDown9", Int) \
    X(UpDown10, UpDown, 0, 6, "2", {}, {}, "TabSheet10", false, "Edit83", "UpDown10", Int) \
    X(UpDown11, UpDown, 0, 10, "2", {}, {}, "TabSheet8", false, "Edit84", "UpDown11", Int) \
    X(UpDown12, UpDown, 5, 75, "30", {}, "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen", "TabSheet8", false, "Edit85", "UpDown12", Int) \
    X(UpDown13, UpDown, 5, 75, "30", {}, "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen", "TabSheet8", false, "Edit86", "UpDown13", Int) \
    X(UpDown14, UpDown, 5, 75, "30", {}, "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen", "TabSheet8", false, "Edit87", "UpDown14", Int) \
    X(UpDown15, UpDown, 750, 1400, "1200", {}, {}, "TabSheet10", false, "Edit38", "UpDown15", Int) \
    X(UpDown16, UpDown, 0, 6, "2", {}, {}, "TabSheet10", false, "Edit89", "UpDown16", Int) \
    X(UpDown17, UpDown, 0, 6, "2", {}, {}, "TabSheet10", false, "Edit90", "UpDown17", Int) \
    X(UpDown18, UpDown, 2, 10, "10", "Numéros par grille", "", "TabSheet1", false, "Edit5", "UpDown18", Int) \
    X(UpDown19, UpDown, 1, 10, "6", {}, {}, "TabSheet8", false, "Edit4", "UpDown19", Int) \
    X(UpDown20, UpDown, 1, 356, "12", {}, {}, "TabSheet8", false, "Edit6", "UpDown20", Int) \
    X(UpDown21, UpDown, 0, 10, "0", {}, {}, "TabSheet8", false, "Edit7", "UpDown21", Int) \
    X(UpDown22, UpDown, 0, 10, "0", {}, {}, "TabSheet8", false, "Edit8", "UpDown22", Int) \
    X(UpDown23, UpDown, 0, 10, "0", {}, {}, "TabSheet8", false, "Edit9", "UpDown23", Int) \
    X(Preis, Field, 0, 0, "0", {}, {}, {}, true, {}, "Preis", Double) \
    X(URLEdit, Edit, 0, 0, common::web::kLotteryInfo, {}, {}, "TabSheet3", true, {}, "URLEdit", String) \
    X(ProxyHostEdit, Edit, 0, 0, "", "Proxy-Server", {}, "TabSheet3", false, {}, "ProxyHostEdit", String) \
    X(ProxyPortEdit, Edit, 0, 0, "80", "Porxy-Port", {}, "TabSheet3", false, {}, "ProxyPortEdit", String) \
    X(DateTimePicker2, DatePicker, 0, 0, kFirstDrawText, {}, "With the chosen date starts the evaluation", "TabSheet5", false, {}, "DateTimePicker2", Double) \
    X(Land, Field, 0, 0, "1", {}, {}, {}, true, {}, "Land", Int) \
    X(ServiceURL, Edit, 0, 0, "", "Service", {}, "TabSheet3", false, {}, "ServiceURL", String) \
    X(ResultsURL, Edit, 0, 0, common::web::kKenoResultsArchives.join(QLatin1Char(' ')), "Résultats FDJ", "Les adresses de l'archive des résultats FDJ (ZIP), essayées dans l'ordre, séparées par des espaces", "TabSheet3", false, {}, "ResultsURL", String) \
    X(ComboBox1, ComboBox, -1, 4, "0", "Coût par Grille", {}, "TabSheet1", false, {}, {}, None, "1", "2", "3", "5", "10") \
    X(DateTimePicker1, DatePicker, 0, 0, "", {}, {}, "TabSheet4", false, {}, {}, None) \
    X(DateTimePicker3, DatePicker, 0, 0, "18.06.2010", {}, {}, "TabSheet8", true, {}, {}, None) \
    X(Label61, Label, 0, 0, "Numéros par grille", "Numéros par grille", {}, "TabSheet1", false, {}, {}, None) \
    X(Label22, Label, 0, 0, "Grille totale", "Grille totale", {}, "TabSheet1", false, {}, {}, None) \
    X(Label42, Label, 0, 0, "traverser la somme:                   -                    à la pointe de permettre", "traverser la somme:                   -                    à la pointe de permettre", {}, "TabSheet10", false, {}, {}, None) \
    X(Label57, Label, 0, 0, "Max calcul fonctionne", "Max calcul fonctionne", {}, "TabSheet11", false, {}, {}, None) \
    X(Label58, Label, 0, 0, "mille", "mille", {}, "TabSheet11", false, {}, {}, None) \
    X(Label48, Label, 0, 0, {}, {}, {}, "TabSheet8", true, {}, {}, None) \
    X(Label62, Label, 0, 0, {}, {}, {}, "TabSheet8", true, {}, {}, None) \
    X(Label29, Label, 0, 0, {}, {}, {}, {}, false, {}, {}, None) \
    X(Label35, Label, 0, 0, {}, {}, {}, {}, false, {}, {}, None) \
    X(Label13, Label, 0, 0, {}, {}, {}, {}, false, {}, {}, None) \
    X(Label23, Label, 0, 0, {}, {}, {}, {}, false, {}, {}, None) \
    X(Label24, Label, 0, 0, {}, {}, {}, {}, false, {}, {}, None)
// clang-format on
