// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace common::web {

// Every web address the program shows or opens, kept here so that the
// labels, the hidden information field and the hand-off agree.

// The maker's site, the product's page and the form filler's download page.
inline const QString kMakerHome = QStringLiteral("https://www.quorvane.com/");
inline const QString kProductPage = QStringLiteral("https://www.quorvane.com/tirvex/");
inline const QString kFormFillerDownload = QStringLiteral("https://www.quorvane.com/skrivano/");
inline const QString kMakerSupport = QStringLiteral("https://www.quorvane.com/support/");

// The lottery operator's pages: the game, its results and its rules.
inline const QString kLotteryInfo = QStringLiteral("https://www.fdj.fr/jeux-de-tirage/keno");
inline const QString kLotteryResults =
    QStringLiteral("https://www.fdj.fr/jeux-de-tirage/keno/resultats");
inline const QString kLotteryRules =
    QStringLiteral("https://www.fdj.fr/jeux-de-tirage/keno/regles-du-jeu");

// The operator's published Keno results, one ZIP archive updated after every
// draw, at the addresses it has used; the update tries them in this order.
inline const QStringList kKenoResultsArchives = {
    QStringLiteral("https://www.sto.api.fdj.fr/anonymous/service-draw-info/v3/documentations/"
                   "1a2b3c4d-9876-4562-b3fc-2c963f66aft6"),
    QStringLiteral("https://media.fdj.fr/static-draws/csv/keno/keno_202010.zip"),
    QStringLiteral("https://cdn-media.fdj.fr/static-draws/csv/keno/keno_202010.zip")};

// The address labels of the page "Options Internet", by label name, in the
// order they are laid out.
struct AddressLabel {
    QString name;
    QString address;
};
inline const AddressLabel kInternetPageLabels[] = {
    {QStringLiteral("Label52"), kMakerHome},      {QStringLiteral("Label54"), kProductPage},
    {QStringLiteral("Label56"), kMakerSupport},   {QStringLiteral("Label25"), kLotteryInfo},
    {QStringLiteral("Label26"), kLotteryResults},
};

} // namespace common::web
