#include "Configuracao.h"

#include "plataforma/ArquivoIni.h"

#include <QFileInfo>
#include <QSaveFile>

namespace kelpa {

QString Configuracao::textoPadrao(const QString &diretorioBase)
{
    return QStringLiteral("[Defaults]\n"
                          "ServidorInternet=%1\n"
                          "PortaServico=80\n"
                          "DiretorioBase=%2\n"
                          "Operadora=\n"
                          "Protocolo=1\n")
        .arg(hostPadrao(), NormalizaDiretorio(diretorioBase));
}

bool Configuracao::garantirArquivo(const QString &caminhoIni, const QString &diretorioBase)
{
    if (QFileInfo::exists(caminhoIni))
        return false;
    QSaveFile arquivo(caminhoIni);
    if (!arquivo.open(QIODevice::WriteOnly))
        return false;
    arquivo.write(textoPadrao(diretorioBase).toUtf8());
    return arquivo.commit();
}

bool Configuracao::gravar(const QString &caminhoIni, const QString &chave, const QString &valor)
{
    ArquivoIni ini(caminhoIni);
    if (!ini.carregar())
        return false;
    ini.setValor(nomeSecao(), chave, valor);
    return ini.salvar();
}

QString Configuracao::NormalizaDiretorio(const QString &diretorio)
{
    QString d = diretorio.trimmed();
    if (d.isEmpty())
        return d;
    d.replace(u'\\', u'/');
    if (!d.endsWith(u'/'))
        d += u'/';
    return d;
}

bool Configuracao::LeConfiguracao(const QString &caminhoIni)
{
    m_valores.clear();
    ArquivoIni ini(caminhoIni);
    if (!ini.carregar())
        return false;
    m_valores = ini.secao(nomeSecao());
    return true;
}

QString Configuracao::valor(const QString &chave) const
{
    for (const auto &par : m_valores)
        if (par.first.compare(chave, Qt::CaseInsensitive) == 0)
            return par.second;
    return {};
}

} // namespace kelpa
