#include "gui/traducao.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quindra::gui {

void traduz_textos_do_qt() {
    // Owned by the application, which may outlive any caller.
    auto* traducao = new QTranslator(QCoreApplication::instance());
    if (traducao->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traducao);
    else
        delete traducao;
}

} // namespace quindra::gui
