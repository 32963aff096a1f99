// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace drawservice {

class DrawService;

// Keeps a draw service current from the operator's published results
// archive: each refresh downloads the archive (conditionally, after the
// first) and adds the draws the service does not serve yet.
class ResultsFeed {
public:
    ResultsFeed(DrawService& service, QString address);

    // False with *report saying why; else *report says what was added.
    bool refresh(QString* report);

private:
    DrawService& m_service;
    QString m_address;
    QByteArray m_etag;
    QByteArray m_lastModified;
};

} // namespace drawservice
