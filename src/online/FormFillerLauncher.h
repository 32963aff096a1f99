// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace online {

// Starts the form filler without waiting for it.
class FormFillerLauncher {
public:
    virtual ~FormFillerLauncher() = default;
    // False when the program could not be started.
    virtual bool start(const QString& program, const QStringList& arguments) = 0;
};

// The real one: a detached process, arguments passed as a list so paths
// with blanks or quotes arrive intact.
class DetachedLauncher : public FormFillerLauncher {
public:
    bool start(const QString& program, const QStringList& arguments) override;
};

} // namespace online
