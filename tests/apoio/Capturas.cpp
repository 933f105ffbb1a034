#include "Capturas.h"

#include <QDir>
#include <QWidget>

namespace kelpa::teste {

void capturar(QWidget *janela, const QString &nome)
{
    const QString destino = qEnvironmentVariable("KELPA_CAPTURAS");
    if (destino.isEmpty() || !janela)
        return;
    QDir().mkpath(destino);
    janela->grab().save(QDir(destino).filePath(nome + QStringLiteral(".png")));
}

} // namespace kelpa::teste
