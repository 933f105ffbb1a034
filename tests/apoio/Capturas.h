#pragma once

#include <QString>

class QWidget;

namespace kelpa::teste {

// Saves a picture of the window when KELPA_CAPTURAS names a directory, so that
// every window the tests drive can be looked at as a user would see it.
void capturar(QWidget *janela, const QString &nome);

} // namespace kelpa::teste
