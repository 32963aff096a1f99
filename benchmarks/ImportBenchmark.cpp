// SPDX-License-Identifier: GPL-3.0-or-later
// The import of the bundled archive files into a new history beside a plain
// parser written as a floor: it reads each file whole, cuts the rows by hand,
// keeps one slot per draw and writes the same bytes. Each iteration runs
// both; "ratio" is the import's CPU time over the floor's.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstring>
#include <ctime>

#include "BesideFloor.h"
#include "RealHistory.h"
#include "common/DayNumber.h"
#include "history/ArchiveImporter.h"
#include "history/HistoryFile.h"

namespace {

using history::TZiehung;

struct Field {
    const char* text = nullptr;
    int size = 0;
};

int number(const Field& field) {
    int value = 0;
    for (int i = 0; i < field.size; ++i) {
        if (field.text[i] >= '0' && field.text[i] <= '9') {
            value = value * 10 + (field.text[i] - '0');
        }
    }
    return value;
}

// The floor. Trusts its input: the bundled files are well formed.
bool plainImport(const QStringList& files, const QString& target) {
    constexpr int kDays = 20000;
    std::vector<TZiehung> slots(2 * kDays);
    std::vector<char> used(2 * kDays, 0);
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return false;
        }
        const QByteArray bytes = file.readAll();
        const char* pos = bytes.constData();
        const char* end = pos + bytes.size();
        std::vector<int> slotOf;
        bool header = true;
        while (pos < end) {
            const char* lineEnd = static_cast<const char*>(std::memchr(pos, '\n', end - pos));
            if (!lineEnd) {
                lineEnd = end;
            }
            const QByteArray headerLine = header ? QByteArray(pos, lineEnd - pos).trimmed() : "";
            if (header) {
                // Slots: 0..19 the balls, 20 date, 21 period, 22 multiplier, 23 Joker+.
                const QList<QByteArray> names = headerLine.split(';');
                slotOf.assign(static_cast<std::size_t>(names.size()), -1);
                for (int i = 0; i < names.size(); ++i) {
                    const QByteArray& name = names[i];
                    int slot = -1;
                    if (name.startsWith("boule")) {
                        slot = name.mid(5).toInt() - 1;
                    } else if (name == "date_de_tirage") {
                        slot = 20;
                    } else if (name == "heure_de_tirage") {
                        slot = 21;
                    } else if (name == "multiplicateur") {
                        slot = 22;
                    } else if (name == "numero_jokerplus") {
                        slot = 23;
                    }
                    slotOf[static_cast<std::size_t>(i)] = slot;
                }
                header = false;
                pos = lineEnd + 1;
                continue;
            }
            std::array<Field, 24> fields{};
            std::size_t column = 0;
            for (const char* f = pos; f < lineEnd && column < slotOf.size(); ++column) {
                const char* fieldEnd = static_cast<const char*>(std::memchr(f, ';', lineEnd - f));
                if (!fieldEnd) {
                    fieldEnd = lineEnd;
                }
                if (slotOf[column] >= 0) {
                    fields[static_cast<std::size_t>(slotOf[column])] = {
                        f, static_cast<int>(fieldEnd - f)};
                }
                f = fieldEnd + 1;
            }
            pos = lineEnd + 1;
            if (fields[20].size < 10) {
                continue; // a blank line
            }
            const char* d = fields[20].text;
            const QDate date(number({d + 6, 4}), number({d + 3, 2}), number({d, 2}));
            TZiehung record;
            record.datum = common::toDayNumber(date);
            record.soir = fields[21].text[0] == 's' ? 1 : 0;
            for (std::size_t i = 0; i < 20; ++i) {
                record.zahlen[i] = static_cast<std::uint8_t>(number(fields[i]));
            }
            record.multiplicateur = static_cast<std::uint8_t>(number(fields[22]));
            std::size_t digits = 0;
            for (int i = 0; i < fields[23].size && digits < 7; ++i) {
                const char c = fields[23].text[i];
                if (c >= '0' && c <= '9') {
                    record.jokerPlus[digits++] = static_cast<std::uint8_t>(c - '0');
                }
            }
            if (digits != 7) {
                record.jokerPlus = {};
            }
            const auto slot = static_cast<std::size_t>(
                2 * (static_cast<int>(record.datum) - common::kFirstDrawDay) + record.soir);
            if (!used[slot]) {
                used[slot] = 1;
                slots[slot] = record;
                continue;
            }
            // Copies of one draw: the smaller order of the numbers, and what
            // either copy knows of multiplier and Joker+.
            TZiehung& kept = slots[slot];
            kept.zahlen = std::min(kept.zahlen, record.zahlen);
            if (record.multiplicateur != 0) {
                kept.multiplicateur = record.multiplicateur;
            }
            if (record.jokerPlus != std::array<std::uint8_t, 7>{}) {
                kept.jokerPlus = record.jokerPlus;
            }
        }
    }
    QByteArray out;
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        if (used[slot]) {
            const TZiehung::Bytes bytes = slots[slot].toBytes();
            out.append(reinterpret_cast<const char*>(bytes.data()), TZiehung::kSize);
        }
    }
    QFile file(target);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

bool import(const QStringList& files, const QString& target) {
    QFile::remove(target);
    return history::ArchiveImporter::importFiles(files, target, target + QLatin1Char('~')).ok;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void BM_ImportBesidePlainParser(benchmark::State& state) {
    const QStringList files = bench::bundledArchiveFiles();
    QTemporaryDir dir;
    const QString imported = dir.filePath(QStringLiteral("Tirvex.dat"));
    const QString plain = dir.filePath(QStringLiteral("plain.dat"));
    if (!import(files, imported) || !plainImport(files, plain) ||
        contents(imported) != contents(plain) || contents(plain).isEmpty()) {
        state.SkipWithError("the floor does not write the import's bytes");
        return;
    }
    bench::BesideFloor timing;
    for (auto _ : state) {
        timing.time([&] { benchmark::DoNotOptimize(import(files, imported)); },
                    [&] { benchmark::DoNotOptimize(plainImport(files, plain)); });
    }
    timing.report(state, "import");
}
BENCHMARK(BM_ImportBesidePlainParser)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
