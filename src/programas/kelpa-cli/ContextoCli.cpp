#include "ContextoCli.h"

#include "plataforma/CaminhosPrograma.h"

namespace kelpa::cli {

QString ContextoCli::arquivoIni() const
{
    return CaminhosPrograma::localizar(home, CaminhosPrograma::nomeArquivoIni());
}

QString ContextoCli::arquivoBanco() const
{
    return CaminhosPrograma::localizar(diretorio, CaminhosPrograma::nomeBanco());
}

Opcoes::Opcoes(const QStringList &args, const QStringList &comValor, const QStringList &semValor)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (!a.startsWith(QLatin1String("--"))) {
            m_posicionais << a;
            continue;
        }
        if (semValor.contains(a)) {
            m_valores.insert(a, QString());
        } else if (comValor.contains(a)) {
            if (i + 1 >= args.size()) {
                m_erro = QStringLiteral("a opção %1 precisa de um valor").arg(a);
                return;
            }
            m_valores.insert(a, args.at(++i));
        } else {
            m_erro = QStringLiteral("opção desconhecida: %1").arg(a);
            return;
        }
    }
}

bool Opcoes::tem(const QString &nome) const
{
    return m_valores.contains(nome);
}

QString Opcoes::valor(const QString &nome) const
{
    return m_valores.value(nome);
}

} // namespace kelpa::cli
