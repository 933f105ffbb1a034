#include "LocalizacaoVTX.h"

#include "app/banco/ErroBanco.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace kelpa {

QString LocalizacaoVTX::variavelAmbiente()
{
    return QStringLiteral("KELPA_VTX_PATH");
}

QString LocalizacaoVTX::arquivoConfUsuario()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/QOR/VTX.conf");
}

QString LocalizacaoVTX::arquivoConfSistema()
{
    return QStringLiteral("/etc/xdg/QOR/VTX.conf");
}

QString LocalizacaoVTX::lerChavePath(const QString &arquivoConf)
{
    QFile arquivo(arquivoConf);
    if (!arquivo.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream entrada(&arquivo);
    while (!entrada.atEnd()) {
        const QString linha = entrada.readLine().trimmed();
        if (linha.isEmpty() || linha.startsWith(u';') || linha.startsWith(u'#') || linha.startsWith(u'['))
            continue;
        const qsizetype igual = linha.indexOf(u'=');
        if (igual > 0 && linha.left(igual).trimmed().compare(QLatin1String("PATH"), Qt::CaseInsensitive) == 0)
            return linha.mid(igual + 1).trimmed();
    }
    return {};
}

QString LocalizacaoVTX::configurado(const QString &arquivoSistema)
{
    const QString ambiente = qEnvironmentVariable(qPrintable(variavelAmbiente())).trimmed();
    if (!ambiente.isEmpty())
        return ambiente;
    const QString usuario = lerChavePath(arquivoConfUsuario());
    if (!usuario.isEmpty())
        return usuario;
    return lerChavePath(arquivoSistema);
}

QString LocalizacaoVTX::localizar(const QString &arquivoSistema)
{
    const QString caminho = configurado(arquivoSistema);
    if (caminho.isEmpty() || !QFileInfo(caminho).isFile())
        throw ErroBanco(QStringLiteral("O VTX não está instalado ou sua instalação foi danificada!"));
    return QFileInfo(caminho).absoluteFilePath();
}

} // namespace kelpa
