#include "app/interface_font.h"

#include <QApplication>

namespace app {

QFont interfaceFont()
{
    // Loma has the largest x-height of the TLWG sans families, so it reads
    // best at the small size the 17-pixel lines allow; the others stand in
    // for it where it is missing.
    QFont font;
    font.setFamilies({QStringLiteral("Loma"), QStringLiteral("Garuda"), QStringLiteral("Sawasdee"),
                      QStringLiteral("Tlwg Typo")});
    font.setPointSizeF(7.5);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void useInterfaceFont()
{
    QApplication::setFont(interfaceFont());
}

}  // namespace app
