#pragma once
// The interface font: a Thai family of the TLWG set, sized so that every
// caption fits the boxes of the windows (255 twips a line).
#include <QFont>

namespace app {

QFont interfaceFont();

// Makes interfaceFont() the application's font; call once after QApplication.
void useInterfaceFont();

}  // namespace app
