// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HelpPage.h"

#include <QSaveFile>

#include "app/Session.h"
#include "common/FileError.h"

namespace ui {

bool HelpPage::open(app::Session& session) {
    const QString path = session.homeFile(QLatin1String(kFileName));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(html().toUtf8()) < 0 || !file.commit()) {
        session.port().showMessage(common::fileError(path, file.errorString()));
        return false;
    }
    session.openWrittenFile(path);
    return true;
}

QString HelpPage::html() {
    return QStringLiteral(R"(<!DOCTYPE html>
<html lang="fr">
<head><meta charset="utf-8"><title>Tirvex FRANCE : aide</title></head>
<body>
<h1>Tirvex FRANCE</h1>
<p>Tirvex FRANCE calcule des grilles pour le Keno de la FDJ (20 numéros tirés sur 70, midi et
soir), les vérifie contre les tirages, montre des statistiques de l'historique et rejoue
l'historique pour juger des paramètres. Les tirages sont indépendants : aucune méthode fondée sur
les tirages passés ne gagne plus que le hasard, en moyenne (bouton « cotes », page « analyse »).</p>

<h2>Les pages</h2>
<ul>
<li><b>Keno-Grilles</b> : le tirage courant (◀ ▶ pour passer au précédent ou au suivant, ⟳ pour
mettre l'historique à jour), la liste des grilles et, pour chacune, ses numéros corrects ;
« calculer les grilles » lance le calcul avec les paramètres.</li>
<li><b>paramètre</b> : les paramètres du calcul des grilles.</li>
<li><b>Graphique</b> : les statistiques de l'historique à partir de la date choisie.</li>
<li><b>analyse</b> : charger un tirage, mettre à jour, saisir ou effacer un tirage, importer les
résultats FDJ, les recherches, les analyses historiques, les cotes et le rapport de
stratégie.</li>
<li><b>Options Internet</b> : proxy, service de tirages et adresse des résultats FDJ.</li>
</ul>

<h2>Raccourcis clavier</h2>
<table>
<tr><td>Ctrl+G</td><td>calculer les grilles (ou arrêter le calcul en cours)</td></tr>
<tr><td>Ctrl+S</td><td>enregistrer les grilles dans un fichier (.hlt)</td></tr>
<tr><td>Ctrl+O</td><td>ouvrir un fichier de grilles</td></tr>
<tr><td>Ctrl+Q</td><td>fermer le programme (paramètres et grilles sont enregistrés)</td></tr>
<tr><td>F1</td><td>cette aide</td></tr>
<tr><td>Entrée, Espace</td><td>actionne le bouton qui a le focus</td></tr>
<tr><td>Échap</td><td>arrête l'opération en cours (mise à jour, calcul, analyse, recherche)</td></tr>
</table>
<p>Pendant une opération longue, les commandes qui changeraient l'historique, le tirage courant
ou les grilles attendent qu'elle se termine ; leurs raccourcis aussi.</p>

<h2>Le dossier du programme</h2>
<p>L'historique <code>Tirvex.dat</code>, les grilles <code>tipps.txt</code>, les rapports et cette
page sont dans le dossier du programme, indiqué dans « À propos » (bouton de la barre d'état).
Un seul programme à la fois travaille sur ce dossier : démarrer Tirvex une seconde fois ramène
la fenêtre déjà ouverte au premier plan.</p>

<h2>Ligne de commande</h2>
<p><code>tirvex-cli --help</code> liste les mêmes commandes sans fenêtre, pour les scripts.</p>

<h2>Licence</h2>
<p>GPL-3.0-or-later. Les tirages fournis sont les résultats publiés par La Française des
Jeux.</p>
</body>
</html>
)");
}

} // namespace ui
