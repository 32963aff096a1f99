// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TipFileCommands.h"

#include "common/DayNumber.h"
#include "common/DefaultSuffix.h"
#include "common/FileError.h"
#include "common/TextFile.h"
#include "tips/LuckyNumber.h"
#include "tips/TicketSheet.h"
#include "tips/TipFile.h"

namespace app {

bool TipFileCommands::SpeedButton15Click() {
    const QDate picked = m_host.controls().date(Control::DateTimePicker1);
    const QString proposed = tips::TipFile::proposedName(common::toDayNumber(picked));
    // The dialog's default extension: a name typed without one gets ".hlt".
    const QString path = common::withDefaultSuffix(
        m_host.port().saveFileName(QStringLiteral("Saving Tips calculated in a file"), proposed,
                                   fileFilter()),
        QLatin1String(tips::TipFile::kSuffix));
    if (path.isEmpty()) {
        return false;
    }
    QString error;
    if (!tips::TipFile::save(path, m_host.tipList().lines(), &error)) {
        m_host.port().showMessage(common::fileError(path, error));
        return false;
    }
    return true;
}

bool TipFileCommands::SpeedButton16Click() {
    if (m_host.refused(WindowCommand::OpenTips)) {
        return false;
    }
    const QStringList chosen =
        m_host.port().openFileNames(QStringLiteral("Load the file of a Tips"), fileFilter(),
                                    QLatin1String(tips::TipFile::kSuffix), false);
    if (chosen.isEmpty()) {
        m_host.SpeedButton5Click(); // the draw is reloaded all the same
        return true;
    }
    return openTipFile(chosen.first());
}

bool TipFileCommands::openTipFile(const QString& path) {
    if (m_host.refused(WindowCommand::OpenTips)) {
        return false;
    }
    int total = m_host.totalTips();
    QString error;
    const bool loaded = tips::TipFile::load(path, &m_host.tipList(), &total, &error);
    m_host.port().tipListsChanged();
    if (!loaded) {
        m_host.port().showMessage(common::fileError(path, error));
        return false;
    }
    m_host.controls().setPosition(Control::UpDown9, total);
    // The draw is reloaded, whose check refills the hit column.
    m_host.SpeedButton5Click();
    return true;
}

bool TipFileCommands::BitBtn7Click() {
    const QStringList sheet =
        tips::TicketSheet::lines(m_host.tipList().lines(), m_host.totalTips(),
                                 m_host.tipsPerTicket(), m_host.port().today());
    // The sheet is built in the hidden memo, as the window keeps it, then saved.
    m_host.memo1() = sheet;
    const QString path = m_host.homeFile(QLatin1String(tips::TicketSheet::kFileName));
    QString error;
    if (!common::TextFile::writeLines(path, sheet, &error)) {
        m_host.port().showMessage(common::fileError(path, error));
        return false;
    }
    m_host.openWrittenFile(path);
    return true;
}

void TipFileCommands::SpeedButton13Click() {
    // The lucky number reseeds the generator a running generation draws from.
    if (m_host.refused(WindowCommand::LuckyNumber)) {
        return;
    }
    common::Random& random = m_host.random();
    const QString current = tips::LuckyNumber::defaultText(random);
    const std::optional<QString> answer =
        m_host.port().inputText(tips::LuckyNumber::caption(), tips::LuckyNumber::prompt(), current);
    // A cancelled box gives its default text: the seed is set to itself again.
    const std::optional<QString> status =
        tips::LuckyNumber::apply(answer.value_or(current), &random);
    if (status) {
        m_host.showNotice(1, *status);
    }
}

} // namespace app
