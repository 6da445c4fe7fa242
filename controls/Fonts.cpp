#include "controls/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

QFont Fonts::MsSansSerif(double points, bool bold)
{
    static const bool substituted = [] {
        const QString sans = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        QStringList candidates;
        candidates << QStringLiteral("DejaVu Sans") << QStringLiteral("Liberation Sans") << sans;
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), candidates);
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
