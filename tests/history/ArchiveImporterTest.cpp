// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "TestSupport.h"
#include "common/DayNumber.h"
#include "history/ArchiveImporter.h"
#include "history/ArchiveParser.h"
#include "history/HistoryFile.h"

using history::ArchiveImporter;
using history::HistoryFile;
using history::TZiehung;

namespace {

std::vector<TZiehung> parseBytes(const QByteArray& bytes) {
    std::vector<TZiehung> records;
    int line = 0;
    QString reason;
    EXPECT_TRUE(ArchiveImporter::parse(bytes, &records, &line, &reason)) << reason.toStdString();
    return records;
}

const QByteArray kHeader =
    "annee_numero_de_tirage;date_de_tirage;heure_de_tirage;date_de_forclusion;boule1;boule2;boule3;"
    "boule4;boule5;boule6;boule7;boule8;boule9;boule10;boule11;boule12;boule13;boule14;boule15;"
    "boule16;boule17;boule18;boule19;boule20;multiplicateur;numero_jokerplus;devise;\n";

QByteArray row(const char* date, const char* period, const char* multiplier, const char* joker) {
    return QByteArray("1;") + date + ";" + period + ";x;" +
           "1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;70;" + multiplier + ";" + joker +
           ";eur;\n";
}

TEST(ArchiveImporter, ReadsColumnsByNameAndTheArchiveOddities) {
    const auto records =
        parseBytes(kHeader + row("04/11/2022", "soir", "2", "0 529 407") +
                   row("04/11/2022", "midi", "", "Jokerplus indisponible") +
                   row("03/11/2022", "soir", "10", "6688011") + row("03/11/2022", "midi", "3", ""));
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].datum, common::toDayNumber(QDate(2022, 11, 4)));
    EXPECT_EQ(records[0].soir, 1);
    EXPECT_EQ(records[0].multiplicateur, 2);
    EXPECT_EQ(records[0].jokerPlus, (std::array<std::uint8_t, 7>{0, 5, 2, 9, 4, 0, 7}));
    EXPECT_EQ(records[0].joker, (std::array<std::uint8_t, 7>{}));
    EXPECT_EQ(records[0].zahlen[19], 70);
    EXPECT_EQ(records[1].soir, 0);
    EXPECT_EQ(records[1].multiplicateur, 0);
    EXPECT_EQ(records[1].jokerPlus, (std::array<std::uint8_t, 7>{}));
    EXPECT_EQ(records[2].jokerPlus, (std::array<std::uint8_t, 7>{6, 6, 8, 8, 0, 1, 1}));
    EXPECT_EQ(records[3].jokerPlus, (std::array<std::uint8_t, 7>{}));
}

TEST(ArchiveImporter, MalformedRowsNameTheirLine) {
    const std::pair<QByteArray, int> cases[] = {
        {kHeader + row("04/11/2022", "soir", "2", "") + row("31/02/2022", "midi", "2", ""), 3},
        {kHeader + row("04/11/2022", "matin", "2", ""), 2},
        {kHeader + QByteArray("1;04/11/2022;soir;x;1;2;3\n"), 2},
        {kHeader + row("04/11/2022", "soir", "x", ""), 2},
        // A Joker+ is seven digits, blanks between them, or none at all.
        {kHeader + row("04/11/2022", "soir", "2", "") + row("03/11/2022", "soir", "2", "529 407"),
         3},
        {kHeader + row("04/11/2022", "soir", "2", "0 529 4077"), 2},
        {kHeader + row("04/11/2022", "soir", "2", "0 5x9 407"), 2},
        {kHeader + row("04/11/2022", "soir", "2", "Jokerplus"), 2},
        {QByteArray("a;b;c\n"), 1},
    };
    for (const auto& [bytes, line] : cases) {
        std::vector<TZiehung> records;
        int errorLine = 0;
        QString reason;
        EXPECT_FALSE(ArchiveImporter::parse(bytes, &records, &errorLine, &reason));
        EXPECT_EQ(errorLine, line) << reason.toStdString();
    }
    // Duplicate numbers in one draw are no draw.
    QByteArray duplicate = row("04/11/2022", "soir", "2", "");
    duplicate.replace(";70;", ";19;");
    std::vector<TZiehung> records;
    int errorLine = 0;
    QString reason;
    EXPECT_FALSE(ArchiveImporter::parse(kHeader + duplicate, &records, &errorLine, &reason));
}

// The last row cut at every byte (a download that broke off): each cut either
// stops the import with its line or gives exactly the draws of the whole
// file, never a draw with a cut number or Joker+.
TEST(ArchiveImporter, ACutOrShiftedRowNeverGivesAWrongDraw) {
    for (const char* name : {"keno_202010_slice.csv", "keno_gagnant_slice.csv"}) {
        const QByteArray whole =
            testsupport::fileBytes(testsupport::dataFile(QString::fromLatin1(name)));
        const std::vector<TZiehung> expected = parseBytes(whole);
        const qsizetype lastRow = whole.lastIndexOf('\n', whole.size() - 2) + 1;
        int stopped = 0;
        for (qsizetype cut = lastRow + 1; cut < whole.size() - 1; ++cut) {
            std::vector<TZiehung> records;
            int line = 0;
            QString reason;
            if (!ArchiveImporter::parse(whole.left(cut), &records, &line, &reason)) {
                EXPECT_EQ(line, whole.count('\n')) << name << " cut at " << cut;
                ++stopped;
                continue;
            }
            EXPECT_EQ(records, expected) << name << " cut at " << cut;
        }
        EXPECT_GT(stopped, 0) << name;
    }
    // A row with more fields than its header is shifted: refused.
    std::vector<TZiehung> records;
    int line = 0;
    QString reason;
    EXPECT_FALSE(ArchiveImporter::parse(kHeader + row("04/11/2022", "soir", "2", "") + "7;" +
                                            row("03/11/2022", "soir", "2", ""),
                                        &records, &line, &reason));
    EXPECT_EQ(line, 3);
    EXPECT_TRUE(reason.contains(QStringLiteral("29 champs"))) << reason.toStdString();
}

// The bytes come piece by piece from a file or a ZIP entry: cut anywhere,
// even inside a CR LF or the byte-order mark, they give the same draws, or
// the same error on the same line, as the whole file.
TEST(ArchiveImporter, BytesCutAnywhereReadAsTheWholeFile) {
    QByteArray crlf = kHeader + row("04/11/2022", "soir", "2", "0 529 407") + "\n \n" +
                      row("04/11/2022", "midi", "", "");
    crlf.replace("\n", "\r\n");
    QByteArray crOnly = crlf;
    crOnly.replace("\r\n", "\r");
    QByteArray broken = crlf;
    broken.replace("0 529 407", "0 529 40");
    const QByteArray unended = crlf.chopped(2);
    QByteArray commas = kHeader;
    commas.replace(';', ',');
    const QByteArray files[] = {
        "\xEF\xBB\xBF" + crlf, crOnly, broken, unended, commas + "\xC3\xA9\n",
        commas + "\xE9\n",     ""};
    for (const QByteArray& bytes : files) {
        std::vector<TZiehung> whole;
        std::vector<int> wholeLines;
        int wholeLine = 0;
        QString wholeReason;
        const bool ok =
            ArchiveImporter::parse(bytes, &whole, &wholeLine, &wholeReason, &wholeLines);
        for (qsizetype piece : {1, 2, 3, 5, 64}) {
            std::vector<TZiehung> records;
            std::vector<int> lines;
            history::ArchiveParser parser(QDate::currentDate(),
                                          [&](const TZiehung& record, int line) {
                                              records.push_back(record);
                                              lines.push_back(line);
                                          });
            for (qsizetype at = 0; at < bytes.size(); at += piece) {
                parser.feed(QByteArrayView(bytes).sliced(at, std::min(piece, bytes.size() - at)));
            }
            ASSERT_EQ(parser.finish(), ok) << piece << " " << bytes.toStdString();
            if (ok) {
                EXPECT_EQ(records, whole) << piece;
                EXPECT_EQ(lines, wholeLines) << piece;
            } else {
                EXPECT_EQ(parser.errorLine(), wholeLine) << piece;
                EXPECT_EQ(parser.reason(), wholeReason) << piece;
            }
        }
    }
    std::vector<TZiehung> records;
    int line = 0;
    QString reason;
    EXPECT_TRUE(ArchiveImporter::parse("\xEF\xBB\xBF" + crlf, &records, &line, &reason));
    EXPECT_EQ(records.size(), 2u);
    EXPECT_FALSE(ArchiveImporter::parse(commas + "\xE9\n", &records, &line, &reason));
    EXPECT_TRUE(reason.contains(QStringLiteral("8 bits, pas UTF-8"))) << reason.toStdString();
    EXPECT_FALSE(ArchiveImporter::parse(commas + "\xC3\xA9\n", &records, &line, &reason));
    EXPECT_TRUE(reason.endsWith(QStringLiteral("se lit en UTF-8)"))) << reason.toStdString();
}

// Rows dated before the first draw or after today are no draws; a draw of
// today and one of 16.09.1993 are.
TEST(ArchiveImporter, RowsOutsideTheGamesDatesAreRefused) {
    const QDate today(2022, 11, 24);
    for (const char* date : {"15/09/1993", "25/11/2022", "31/12/9999"}) {
        std::vector<TZiehung> records;
        int line = 0;
        QString reason;
        EXPECT_FALSE(ArchiveImporter::parse(kHeader + row(date, "soir", "2", ""), &records, &line,
                                            &reason, nullptr, today))
            << date;
        EXPECT_EQ(line, 2);
    }
    std::vector<TZiehung> records;
    int line = 0;
    QString reason;
    EXPECT_TRUE(ArchiveImporter::parse(kHeader + row("24/11/2022", "soir", "2", "") +
                                           row("16/09/1993", "midi", "2", ""),
                                       &records, &line, &reason, nullptr, today));
    EXPECT_EQ(records.size(), 2u);
}

// No header found: the message names the columns, the separator and how the
// file reads. CR alone ends a line as CR LF and LF do.
TEST(ArchiveImporter, AHeaderItCannotFindIsExplainedAndCrEndsALine) {
    QByteArray utf16("\xFF\xFE");
    for (char c : kHeader) {
        utf16 += c;
        utf16 += '\0';
    }
    QByteArray commas = kHeader;
    commas.replace(';', ',');
    for (const auto& [bytes, encoding] : {std::pair{utf16, "UTF-16"}, std::pair{commas, "ASCII"}}) {
        std::vector<TZiehung> records;
        int line = 0;
        QString reason;
        EXPECT_FALSE(ArchiveImporter::parse(bytes, &records, &line, &reason));
        for (const char* part :
             {"date_de_tirage", "heure_de_tirage", "boule1", "« ; »", encoding}) {
            EXPECT_TRUE(reason.contains(QString::fromUtf8(part))) << reason.toStdString();
        }
    }
    QByteArray crOnly =
        kHeader + row("04/11/2022", "soir", "2", "") + row("04/11/2022", "midi", "", "");
    crOnly.replace('\n', '\r');
    EXPECT_EQ(parseBytes(crOnly).size(), 2u);
}

TEST(ArchiveImporter, MergesInOrderAndSkipsStoredDraws) {
    testsupport::TempHome home;
    const QString slice = testsupport::dataFile(QStringLiteral("keno_202010_slice.csv"));
    const QString older = testsupport::dataFile(QStringLiteral("keno_gagnant_slice.csv"));
    auto result =
        ArchiveImporter::importFiles({slice}, home.historyPath(), home.historyPath() + "~");
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.imported, 40);
    EXPECT_EQ(result.alreadyPresent, 0);

    result =
        ArchiveImporter::importFiles({older, slice}, home.historyPath(), home.historyPath() + "~");
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.imported, 10);
    EXPECT_EQ(result.alreadyPresent, 40);

    std::vector<TZiehung> records;
    ASSERT_EQ(HistoryFile::readAll(home.historyPath(), &records), HistoryFile::Status::Ok);
    ASSERT_EQ(records.size(), 50u);
    for (std::size_t i = 1; i < records.size(); ++i) {
        EXPECT_TRUE(records[i - 1].before(records[i])) << i;
    }
    EXPECT_FALSE(QFile::exists(home.historyPath() + "~"));
}

// A history record with a damaged date (one dated NaN made an import skip
// hundreds of new draws) is skipped, reported, and left out when the import
// rewrites the history.
TEST(ArchiveImporter, DamagedHistoryRecordsAreReportedAndLeftOut) {
    testsupport::TempHome home;
    TZiehung damaged =
        testsupport::makeRecord(QDate(2022, 11, 1), 0, testsupport::twentyNumbers(1));
    damaged.datum = std::nan("");
    home.writeHistory({damaged});
    const auto result = ArchiveImporter::importFiles(
        {testsupport::dataFile(QStringLiteral("keno_202010_slice.csv"))}, home.historyPath(),
        home.historyPath() + "~");
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.imported, 40);
    EXPECT_EQ(result.damaged, 1);
    EXPECT_TRUE(result.summary().contains(
        QStringLiteral("à date invalide (hors du 16.09.1993 à aujourd'hui) : 1,")));
    std::vector<TZiehung> records;
    ASSERT_EQ(HistoryFile::readRaw(home.historyPath(), &records), HistoryFile::Status::Ok);
    EXPECT_EQ(records.size(), 40u);
}

TEST(ArchiveImporter, AMalformedFileLeavesTheHistoryAsItWas) {
    testsupport::TempHome home;
    const QString slice = testsupport::dataFile(QStringLiteral("keno_202010_slice.csv"));
    ASSERT_TRUE(
        ArchiveImporter::importFiles({slice}, home.historyPath(), home.historyPath() + "~").ok);
    const QByteArray before = testsupport::fileBytes(home.historyPath());

    const QString bad = home.file(QStringLiteral("bad.csv"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kHeader + row("01/01/2023", "soir", "2", "") + row("02/01/2023", "nuit", "2", ""));
    file.close();
    const auto result =
        ArchiveImporter::importFiles({bad}, home.historyPath(), home.historyPath() + "~");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("bad.csv")));
    EXPECT_TRUE(result.error.contains(QStringLiteral("ligne 3")));
    EXPECT_EQ(testsupport::fileBytes(home.historyPath()), before);
}

QString writeFile(const testsupport::TempHome& home, const QString& name, const QByteArray& bytes) {
    const QString path = home.file(name);
    EXPECT_TRUE(testsupport::writeFile(path, bytes));
    return path;
}

// The operator's exports overlap; the 2025 export says "Jokerplus
// indisponible" for 04.07.2022 midi, where the older file has 9 668 412.
TEST(ArchiveImporter, TheBundledFilesGiveOneHistoryInAnyOrder) {
    QStringList files = testsupport::archiveFiles();
    QByteArray first;
    for (int turn = 0; turn < 3; ++turn) {
        testsupport::TempHome home;
        const auto result =
            ArchiveImporter::importFiles(files, home.historyPath(), home.historyPath() + "~");
        ASSERT_TRUE(result.ok) << result.error.toStdString();
        // Every draw up to 04.06.2025 midi; later ones may be added to data/keno.
        EXPECT_GE(result.imported, 18832);
        const QByteArray bytes = testsupport::fileBytes(home.historyPath());
        if (turn == 0) {
            first = bytes;
            std::vector<TZiehung> records = HistoryFile::decode(bytes);
            const auto it = std::find_if(records.begin(), records.end(), [](const TZiehung& r) {
                return r.datum == common::toDayNumber(QDate(2022, 7, 4)) && r.soir == 0;
            });
            ASSERT_NE(it, records.end());
            EXPECT_EQ(it->jokerPlus, (std::array<std::uint8_t, 7>{9, 6, 6, 8, 4, 1, 2}));
        } else {
            EXPECT_EQ(bytes, first) << "order " << turn;
        }
        std::reverse(files.begin(), files.end());
        if (turn == 1) {
            files.move(0, 2);
        }
    }
}

TEST(ArchiveImporter, CopiesOfADrawAreCombinedOrRefused) {
    testsupport::TempHome home;
    const QString known = writeFile(home, QStringLiteral("known.csv"),
                                    kHeader + row("04/07/2022", "midi", "2", "9 668 412"));
    const QString unknown = writeFile(home, QStringLiteral("unknown.csv"),
                                      kHeader + row("05/07/2022", "midi", "3", "") +
                                          row("04/07/2022", "midi", "", "Jokerplus indisponible"));
    QByteArray other = row("04/07/2022", "midi", "2", "");
    other.replace(";70;", ";69;");
    const QString differing = writeFile(home, QStringLiteral("differing.csv"),
                                        kHeader + row("06/07/2022", "soir", "2", "") + other);

    // A stored copy without multiplier and Joker+ gets them from a later import.
    ASSERT_TRUE(
        ArchiveImporter::importFiles({unknown}, home.historyPath(), home.historyPath() + "~").ok);
    auto result =
        ArchiveImporter::importFiles({known}, home.historyPath(), home.historyPath() + "~");
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.imported, 0);
    EXPECT_EQ(result.alreadyPresent, 1);
    std::vector<TZiehung> records;
    ASSERT_EQ(HistoryFile::readAll(home.historyPath(), &records), HistoryFile::Status::Ok);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].multiplicateur, 2);
    EXPECT_EQ(records[0].jokerPlus, (std::array<std::uint8_t, 7>{9, 6, 6, 8, 4, 1, 2}));

    // Copies in one import whose numbers differ stop it, naming both places.
    const QByteArray before = testsupport::fileBytes(home.historyPath());
    result = ArchiveImporter::importFiles({known, differing}, home.historyPath(),
                                          home.historyPath() + "~");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("known.csv, ligne 2")))
        << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(QStringLiteral("differing.csv, ligne 3")));
    EXPECT_TRUE(result.error.contains(QStringLiteral("04.07.2022 midi")));
    EXPECT_EQ(testsupport::fileBytes(home.historyPath()), before);
}

// A stored draw the operator's file contradicts is never replaced silently:
// the answer decides, and taking the operator's gives the clean import.
TEST(ArchiveImporter, AStoredDrawThatDiffersIsReplacedOnlyWhenTheAnswerSaysSo) {
    testsupport::TempHome home;
    QByteArray altered = row("04/07/2022", "midi", "2", "");
    altered.replace(";70;", ";69;");
    const QString stored = writeFile(home, QStringLiteral("stored.csv"), kHeader + altered);
    const QString operators = writeFile(home, QStringLiteral("operators.csv"),
                                        kHeader + row("05/07/2022", "midi", "3", "") +
                                            row("04/07/2022", "midi", "2", ""));
    const QString tempPath = home.historyPath() + "~";
    ASSERT_TRUE(ArchiveImporter::importFiles({stored}, home.historyPath(), tempPath).ok);
    const QByteArray before = testsupport::fileBytes(home.historyPath());

    std::vector<history::DrawMerge::Difference> asked;
    auto answer = [&asked](bool take) {
        return [&asked, take](const std::vector<history::DrawMerge::Difference>& differing) {
            asked = differing;
            return take;
        };
    };
    auto result = ArchiveImporter::importFiles({operators}, home.historyPath(), tempPath,
                                               QDate::currentDate(), answer(false));
    ASSERT_TRUE(result.ok);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(ArchiveImporter::differenceLines(asked),
              QStringList{"04.07.2022 midi : enregistré 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 "
                          "17 18 19 69, FDJ 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 70"});
    EXPECT_TRUE(result.summary().endsWith(
        QStringLiteral("1 tirage diffère des résultats FDJ : 04.07.2022 midi (gardé)")));
    std::vector<TZiehung> records;
    ASSERT_EQ(HistoryFile::readAll(home.historyPath(), &records), HistoryFile::Status::Ok);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(
        records[0].toBytes(),
        TZiehung::fromBytes(reinterpret_cast<const std::uint8_t*>(before.constData())).toBytes());

    // Taken: byte for byte the history of an import over nothing.
    ASSERT_TRUE(QFile::remove(home.historyPath()));
    ASSERT_TRUE(ArchiveImporter::importFiles({operators}, home.historyPath(), tempPath).ok);
    const QByteArray clean = testsupport::fileBytes(home.historyPath());
    ASSERT_TRUE(QFile::remove(home.historyPath()));
    ASSERT_TRUE(ArchiveImporter::importFiles({stored}, home.historyPath(), tempPath).ok);
    result = ArchiveImporter::importFiles({operators}, home.historyPath(), tempPath,
                                          QDate::currentDate(), answer(true));
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.replaced);
    EXPECT_TRUE(result.summary().endsWith(QStringLiteral("(remplacé par celui de la FDJ)")));
    EXPECT_EQ(testsupport::fileBytes(home.historyPath()), clean);

    // Only the multiplier differs: the line names it.
    const QString tripled = writeFile(home, QStringLiteral("tripled.csv"),
                                      kHeader + row("05/07/2022", "midi", "4", ""));
    asked.clear();
    ASSERT_TRUE(ArchiveImporter::importFiles({tripled}, home.historyPath(), tempPath,
                                             QDate::currentDate(), answer(false))
                    .ok);
    EXPECT_EQ(ArchiveImporter::differenceLines(asked),
              QStringList{"05.07.2022 midi : multiplicateur enregistré 3, FDJ 4"});
    EXPECT_EQ(testsupport::fileBytes(home.historyPath()), clean);
}

// The whole bundled archive: 48 bytes per draw, and each record read back
// equals the archive row as read here, independently of the importer.
TEST(ArchiveImporter, RealArchiveImportsDrawForDraw) {
    testsupport::TempHome home;
    const auto result = ArchiveImporter::importFiles(testsupport::archiveFiles(),
                                                     home.historyPath(), home.historyPath() + "~");
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_GE(result.imported, 18832);
    EXPECT_EQ(QFile(home.historyPath()).size(), result.imported * 48);

    std::vector<TZiehung> records;
    ASSERT_EQ(HistoryFile::readAll(home.historyPath(), &records), HistoryFile::Status::Ok);
    // The history the other tests read was made the same way at build time.
    EXPECT_TRUE(records == testsupport::realHistory());
    std::map<std::pair<double, int>, const TZiehung*> byDraw;
    for (const TZiehung& record : records) {
        byDraw[{record.datum, record.soir}] = &record;
    }
    EXPECT_EQ(records.front().datum, common::kFirstDrawDay);
    int checked = 0;
    int rows = 0;
    std::set<std::pair<QDate, bool>> draws;
    for (const QString& path : testsupport::archiveFiles()) {
        // Every line after the header is a row.
        for (const QByteArray& line : testsupport::fileBytes(path).split('\n').mid(1)) {
            rows += line.trimmed().isEmpty() ? 0 : 1;
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> header = file.readLine().trimmed().split(';');
        const int dateColumn = static_cast<int>(header.indexOf("date_de_tirage"));
        const int periodColumn = static_cast<int>(header.indexOf("heure_de_tirage"));
        const int firstBall = static_cast<int>(header.indexOf("boule1"));
        while (!file.atEnd()) {
            const QList<QByteArray> fields = file.readLine().trimmed().split(';');
            if (fields.size() < 24) {
                continue;
            }
            const QDate date =
                QDate::fromString(QString::fromLatin1(fields[dateColumn]), "dd/MM/yyyy");
            draws.insert({date, fields[periodColumn] == "soir"});
            const TZiehung* record = byDraw.at(
                {double(QDate(1899, 12, 30).daysTo(date)), fields[periodColumn] == "soir"});
            for (int i = 0; i < 20; ++i) {
                ASSERT_EQ(record->zahlen[static_cast<std::size_t>(i)],
                          fields[firstBall + i].toInt());
            }
            ++checked;
        }
    }
    EXPECT_EQ(checked, rows); // every row of every file
    EXPECT_GE(rows, 9865 + 4174 + 1414 + 1494 + 3377);
    // The files overlap: each draw is stored once.
    EXPECT_EQ(result.imported, static_cast<int>(draws.size()));
}

} // namespace
