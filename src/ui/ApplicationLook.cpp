// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ApplicationLook.h"

#include <QApplication>
#include <QLibraryInfo>

namespace ui {

QFont ApplicationLook::windowFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    return font;
}

ApplicationLook::ApplicationLook() {
    QApplication::setFont(windowFont());
    m_installed = m_qtTexts.load(QStringLiteral("qtbase_fr"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                  QApplication::installTranslator(&m_qtTexts);
}

ApplicationLook::~ApplicationLook() {
    if (m_installed) {
        QApplication::removeTranslator(&m_qtTexts);
    }
}

} // namespace ui
