#include "ui/ApplicationLook.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>

namespace ui {

ApplicationLook::ApplicationLook() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    QApplication::setFont(font);
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
