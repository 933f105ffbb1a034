#include "TqrpListaValidacao.h"

#include "GradeColunas.h"

namespace kelpa::relatorios {

namespace {

GradeColunas grade(double largura)
{
    return GradeColunas({{QStringLiteral("Inconsistência"), 48}, {QStringLiteral("Descrição"), largura - 48}}, largura);
}

} // namespace

QString TqrpListaValidacao::mensagemListasVazias(bool semErros, bool semAvisos)
{
    QString texto;
    if (semErros)
        texto = QStringLiteral("O relatório abaixo não apresenta dados \rERRO");
    if (semAvisos) {
        if (!texto.isEmpty())
            texto += QStringLiteral("\r") + QStringLiteral("AVISO");
        else
            texto = QStringLiteral("O relatório abaixo não apresenta dados:\rAVISO");
    }
    return texto;
}

void TqrpListaValidacao::carregarDados(const QSqlDatabase &db)
{
    m_lista = ler(db);
    setVigencia(QString());
}

Banda TqrpListaValidacao::cabecalhoColunas(double largura) const
{
    return grade(largura).cabecalho(0.5);
}

QList<Banda> TqrpListaValidacao::corpo(double largura) const
{
    const GradeColunas g = grade(largura);
    QList<Banda> bandas;
    for (const ConstatacaoValidacao &c : m_lista)
        bandas << g.linha({ListaValidacao::textoPeriodo(c.periodo), c.mensagem});
    return bandas;
}

} // namespace kelpa::relatorios
