#include "ExecutaCli.h"

#include <QProcess>

namespace kelpa::teste {

SaidaCli executarCli(const QStringList &argumentos, const QByteArray &entrada)
{
    QProcess processo;
    processo.setProgram(QStringLiteral(KELPA_CLI));
    processo.setArguments(argumentos);
    processo.start();
    processo.waitForStarted();
    if (!entrada.isEmpty())
        processo.write(entrada);
    processo.closeWriteChannel();
    processo.waitForFinished(120000);
    SaidaCli saida;
    saida.codigo = processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1;
    saida.out = QString::fromUtf8(processo.readAllStandardOutput());
    saida.err = QString::fromUtf8(processo.readAllStandardError());
    return saida;
}

} // namespace kelpa::teste
