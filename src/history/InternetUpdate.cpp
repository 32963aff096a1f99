// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/InternetUpdate.h"

#include <QNetworkAccessManager>
#include <QUrl>
#include <cmath>

#include "common/Formats.h"
#include "common/ShownText.h"
#include "history/HistoryFile.h"
#include "history/HttpDownload.h"

namespace history {

namespace {

const QString kNotYet = QStringLiteral(" pas encore disponible!");
const QString kNoWarranty = QStringLiteral("Garantit pas l`exactitude des chiffres!");

// The text before the next comma; empty when no comma follows, which no
// conversion accepts.
QString fieldBeforeComma(const QString& text) {
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    return comma < 0 ? QString() : text.left(comma);
}

void dropField(QString* text) {
    text->remove(0, text->indexOf(QLatin1Char(',')) + 1);
}

// Seven single-character digits from the start of text.
bool takeDigits(const QString& text, std::array<std::uint8_t, 7>* digits) {
    if (text.size() < 7) {
        return false;
    }
    for (std::size_t i = 0; i < 7; ++i) {
        const QChar c = text[static_cast<qsizetype>(i)];
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
        (*digits)[i] = static_cast<std::uint8_t>(c.unicode() - '0');
    }
    return true;
}

} // namespace

QDateTime UpdateHost::now() {
    const QDateTime clock = QDateTime::currentDateTime();
    const QDate day = today();
    return day == clock.date() ? clock : QDateTime(day, QTime(23, 59));
}

InternetUpdate::InternetUpdate(UpdateHost& host, QString historyPath, UpdateSettings settings)
    : m_host(host), m_historyPath(std::move(historyPath)), m_settings(std::move(settings)) {
}

QString InternetUpdate::requestUrl(const QString& base, common::DayNumber day, int soir) {
    QString root = base.trimmed();
    while (root.endsWith(QLatin1Char('/'))) {
        root.chop(1);
    }
    return root + QLatin1String(kPath) + QStringLiteral("?Programm=Tirvex&Datum=") +
           common::toDate(day).toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("&Ziehung=") +
           QString::number(soir);
}

QStringList InternetUpdate::bodyLines(const QString& body) {
    QString text = body;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.isEmpty()) {
        return {};
    }
    if (text.endsWith(QLatin1Char('\n'))) {
        text.chop(1);
    }
    return text.split(QLatin1Char('\n'));
}

bool InternetUpdate::parseLine(const QString& line, common::DayNumber day, int soir,
                               ParsedLine* parsed, QString* rest) {
    QString text = line;
    // The first field is the service's own label of the draw.
    text.remove(0, text.indexOf(QLatin1Char(',')) + 1);
    TZiehung& record = parsed->record;
    record = TZiehung{};
    record.datum = day;
    int crossSum = 0;
    QString drawLine = common::formatDrawLineDate(common::toDate(day)) + QStringLiteral("   ");
    std::array<bool, 71> seen{};
    for (std::size_t i = 0; i < 20; ++i) {
        qint64 number = 0;
        // A number outside 1..70 would be stored as a wrong byte, a number
        // twice is no draw: refuse the line.
        if (!common::parseInteger(fieldBeforeComma(text), &number) || number < 1 || number > 70 ||
            seen[static_cast<std::size_t>(number)]) {
            *rest = text;
            return false;
        }
        seen[static_cast<std::size_t>(number)] = true;
        record.zahlen[i] = static_cast<std::uint8_t>(number);
        crossSum += static_cast<int>(number);
        drawLine += QStringLiteral("  ") + QString::number(number);
        dropField(&text);
    }
    qint64 multiplier = 0;
    if (!common::parseInteger(fieldBeforeComma(text), &multiplier) || multiplier < 0 ||
        multiplier > 255) {
        *rest = text;
        return false;
    }
    record.multiplicateur = static_cast<std::uint8_t>(multiplier);
    dropField(&text);
    if (!takeDigits(fieldBeforeComma(text), &record.joker)) {
        *rest = text;
        return false;
    }
    dropField(&text);
    if (!takeDigits(text, &record.jokerPlus)) {
        *rest = text;
        return false;
    }
    record.soir = static_cast<std::uint8_t>(soir);
    parsed->drawLine = drawLine;
    parsed->crossSumLine = QStringLiteral("QS: ") + QString::number(crossSum);
    return true;
}

bool InternetUpdate::configureProxy(QNetworkAccessManager& manager) {
    QString error;
    if (!HttpDownload::applyProxy(manager, m_settings.proxyHost, m_settings.proxyPort, &error)) {
        m_host.showMessage(error);
        return false;
    }
    return true;
}

InternetUpdate::Reply InternetUpdate::fetch(QNetworkAccessManager& manager, common::DayNumber day,
                                            int soir) {
    Reply reply;
    if (m_settings.serviceUrl.trimmed().isEmpty()) {
        reply.text = QStringLiteral("aucune adresse de service de tirages");
        return reply;
    }
    const QUrl url(requestUrl(m_settings.serviceUrl, day, soir));
    if (!url.isValid() || url.host().isEmpty() ||
        (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
        reply.text = QStringLiteral("adresse de service de tirages invalide « %1 »")
                         .arg(m_settings.serviceUrl);
        return reply;
    }
    HttpDownload::Request request;
    request.url = url;
    request.headers = {{"Accept", kAccept}, {"User-Agent", kUserAgent}};
    // A redirect is a code above 200 and therefore a failed request.
    request.redirects = HttpDownload::Redirects::Refused;
    request.maxBytes = kMaxBodyBytes;
    request.connectTimeoutMs = m_settings.connectTimeoutMs;
    request.totalTimeoutMs = m_settings.requestTimeoutMs;
    // The stop button ends the update after the request, as it always did.
    const HttpDownload::Answer answer = HttpDownload(manager, nullptr).get(request);
    if (answer.tooLarge && answer.code > 0) {
        // Answered, but with no draw: a failed request, and the update goes on.
        reply.code = answer.code;
        reply.text = answer.failure;
    } else if (answer.failure.isEmpty()) {
        reply.code = answer.code;
        reply.text = answer.reason;
        reply.body = answer.body;
    } else {
        reply.text = answer.failure;
    }
    return reply;
}

InternetUpdate::Step InternetUpdate::processBody(const QByteArray& body, common::DayNumber day,
                                                 int soir, UpdateResult* result) {
    result->memo = QString::fromLatin1(body);
    std::vector<TZiehung> received;
    QString failure;
    bool failed = false;
    for (const QString& line : bodyLines(result->memo)) {
        ParsedLine parsed;
        QString rest;
        if (!parseLine(line, day, soir, &parsed, &rest)) {
            failure = QStringLiteral("erreur: ") + common::shownText(rest);
            failed = true;
            break;
        }
        // A request names one draw: a second line would store that draw
        // twice (once a body of thousands of copies counted thousands of
        // times in every statistic). It ends the update like a bad line.
        if (!received.empty()) {
            failure = QStringLiteral("erreur: ") + line;
            failed = true;
            break;
        }
        m_host.setDrawLine(parsed.drawLine);
        m_host.setCrossSumLine(parsed.crossSumLine);
        received.push_back(parsed.record);
    }
    // The draw before a bad line is kept.
    if (!received.empty()) {
        QString error;
        if (!HistoryFile::append(m_historyPath, received, &error)) {
            m_host.showMessage(error);
            return Step::Abort;
        }
        result->appended += static_cast<int>(received.size());
        result->aktDatum = day;
    }
    if (failed) {
        m_host.showMessage(failure);
        return Step::Abort;
    }
    return Step::Next;
}

InternetUpdate::Step InternetUpdate::handleReply(const Reply& reply, common::DayNumber day,
                                                 int soir, UpdateResult* result) {
    if (reply.code > 0 && reply.code <= 200 && !reply.body.isEmpty()) {
        return processBody(reply.body, day, soir, result);
    }
    if (reply.code == 500) {
        m_host.setStatusText(0, common::formatShortDate(common::toDate(day)) + kNotYet);
        return Step::Next;
    }
    const QString failed =
        QStringLiteral("Failed : %1 %2").arg(reply.code).arg(common::shownText(reply.text));
    m_host.setStatusText(0, failed);
    ++result->failedRequests;
    // Without any response every later request would fail the same way.
    if (reply.code == 0) {
        result->unanswered = failed;
        return Step::Finish;
    }
    return Step::Next;
}

bool InternetUpdate::newestDateUsable(const std::vector<TZiehung>& records,
                                      common::DayNumber today) {
    if (records.empty() || !HistoryFile::damagedDate(records.back().datum, today)) {
        return true;
    }
    const common::DayNumber day = records.back().datum;
    const QDate date = common::toDate(day);
    const QString shown = std::isfinite(day) && date.isValid() ? common::formatShortDate(date)
                                                               : QString::number(day, 'g', 17);
    m_host.showMessage(QStringLiteral("%1 : le dernier tirage (enregistrement %2) a une date "
                                      "invalide (%3). La mise à jour ne demande rien après lui ; "
                                      "saisir ou importer le tirage suivant la relance.")
                           .arg(m_historyPath)
                           .arg(records.size())
                           .arg(shown));
    return false;
}

UpdateResult InternetUpdate::run() {
    UpdateResult result;
    m_host.setRunning(true);
    common::DayNumber newestStored = 0;
    auto finish = [&](bool reload) {
        result.reload = reload;
        result.newestDay = result.appended > 0 ? result.aktDatum : newestStored;
        // A service that failed every request is broken, not up to date.
        const bool allFailed = result.requests > 0 && result.failedRequests == result.requests;
        result.failed = result.failed || !result.unanswered.isEmpty() || !reload || allFailed;
        m_host.setRunning(false);
        return result;
    };

    std::vector<TZiehung> records;
    QString error;
    const HistoryFile::Status status = HistoryFile::readRaw(m_historyPath, &records, &error);
    if (status == HistoryFile::Status::Error || (status == HistoryFile::Status::Missing &&
                                                 !HistoryFile::append(m_historyPath, {}, &error))) {
        m_host.showMessage(error);
        return finish(false);
    }
    const common::DayNumber today = common::toDayNumber(m_host.today());
    if (!newestDateUsable(records, today)) {
        return finish(false);
    }
    newestStored = records.empty() ? 0 : records.back().datum;

    // The draw after the newest stored one, or the very first draw.
    common::DayNumber day = common::kFirstDrawDay;
    int soir = 0;
    if (!records.empty()) {
        day = records.back().datum;
        if (records.back().soir == 1) {
            day += 1;
        } else {
            soir = 1;
        }
    }
    m_host.setPickerDate(day);
    result.aktDatum = day;
    result.pickerDate = day;

    QNetworkAccessManager manager;
    if (!configureProxy(manager)) {
        return finish(false);
    }
    while (day <= today && !m_host.stopRequested()) {
        m_host.setStatusText(0, QStringLiteral("Loading"));
        const Reply reply = fetch(manager, day, soir);
        ++result.requests;
        m_host.setStatusText(0, QStringLiteral("Received %1 bytes").arg(reply.body.size()));
        m_host.setStatusText(1, kNoWarranty);
        const Step step = handleReply(reply, day, soir, &result);
        if (step == Step::Abort) {
            result.failed = true;
            break;
        }
        if (soir == 1) {
            soir = 0;
            day += 1;
        } else {
            soir = 1;
        }
        m_host.setPickerDate(day);
        result.pickerDate = day;
        m_host.processEvents();
        if (step == Step::Finish) {
            break;
        }
    }
    return finish(true);
}

} // namespace history
