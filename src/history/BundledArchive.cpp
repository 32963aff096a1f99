// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/BundledArchive.h"

namespace history {

QStringList BundledArchive::fileNames() {
    return {QStringLiteral("keno.csv"), QStringLiteral("keno_gagnant_a_vie.csv"),
            QStringLiteral("keno_201811.csv"), QStringLiteral("keno_202010.csv"),
            QStringLiteral("2020-10_to_2025-06_keno_df_not_clean.csv")};
}

} // namespace history
