// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AboutDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

#include "TirvexVersion.h"

namespace ui {

AboutDialog::AboutDialog(const QString& home, std::function<void()> openFolder, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(QStringLiteral("À propos de Tirvex FRANCE"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(text(home));
    label->setObjectName(QStringLiteral("AboutText"));
    label->setWordWrap(true);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    connect(label, &QLabel::linkActivated, this,
            [openFolder = std::move(openFolder)] { openFolder(); });
    layout->addWidget(label);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    setMinimumWidth(460);
}

QString AboutDialog::version() {
    return QStringLiteral(TIRVEX_VERSION);
}

QString AboutDialog::text(const QString& home) {
    const QString folder = QDir::toNativeSeparators(QDir(home).absolutePath());
    return QStringLiteral(
               "<p><b>Tirvex FRANCE</b>, version %1</p>"
               "<p>Générateur de grilles et outil d'analyse pour le Keno de la FDJ.</p>"
               "<p>Licence : GPL-3.0-or-later (GNU General Public License, version 3 ou "
               "ultérieure). Ce programme est livré sans aucune garantie.</p>"
               "<p>Tirages fournis : les résultats historiques du Keno publiés par La Française "
               "des Jeux (FDJ), repris tels quels de copies publiques de ses archives : 18 832 "
               "tirages du 16.09.1993 au 04.06.2025 (provenance détaillée dans "
               "keno/SOURCE.md).</p>"
               "<p>Dossier du programme (Home) : <a href=\"%2\">%3</a></p>")
        .arg(version().toHtmlEscaped(), QUrl::fromLocalFile(QDir(home).absolutePath()).toString(),
             folder.toHtmlEscaped());
}

} // namespace ui
