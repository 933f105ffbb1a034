#include "TqrpModRelatorioKELPA.h"

#include "app/Utilitarios.h"
#include "app/Versao.h"
#include "app/banco/Consulta.h"

namespace kelpa::relatorios {

bool TqrpModRelatorioKELPA::operadoraDePlanos() const
{
    return EhOperadoraDePlanos(operadora());
}

QString TqrpModRelatorioKELPA::codigoComMascara(const QString &codigo)
{
    const QString c = codigo.trimmed();
    if (c.size() != 6)
        return c;
    return c.left(5) + QLatin1Char('-') + c.right(1);
}

QString TqrpModRelatorioKELPA::redacao(const QString &texto, bool operadoraDePlanos)
{
    if (operadoraDePlanos)
        return texto;
    QString t = texto;
    t.replace(QStringLiteral("Contraprestações"), QStringLiteral("Prêmios"));
    t.replace(QStringLiteral("Eventos Indenizáveis"), QStringLiteral("Sinistros"));
    return t;
}

void TqrpModRelatorioKELPA::carregarCabecalho(const QSqlDatabase &db)
{
    m_nomeOperadora.clear();
    m_cnpjOperadora.clear();
    Consulta pessoa(db, QStringLiteral("SELECT NM_PSOA, CD_CPF_CNPJ FROM PESSOAS "
                                       "WHERE CD_OPER = :CDOPER AND ID_PSOA = 0"));
    pessoa.bind(QStringLiteral(":CDOPER"), operadora());
    if (pessoa.primeira()) {
        m_nomeOperadora = pessoa.texto(QStringLiteral("NM_PSOA"));
        m_cnpjOperadora = pessoa.texto(QStringLiteral("CD_CPF_CNPJ"));
        return;
    }
    // The newest entry of the official list: one row, whatever the list holds.
    Consulta lista(db, QStringLiteral("SELECT NM_PSOA, CD_CPF_CNPJ FROM LISTAOPERADORAS WHERE CD_OPER = :CDOPER "
                                      "ORDER BY DT_INIC_VIGN DESC LIMIT 1"));
    lista.bind(QStringLiteral(":CDOPER"), operadora());
    if (lista.primeira()) {
        m_nomeOperadora = lista.texto(QStringLiteral("NM_PSOA"));
        m_cnpjOperadora = lista.texto(QStringLiteral("CD_CPF_CNPJ"));
    }
}

QStringList TqrpModRelatorioKELPA::nomesCentrais() const
{
    // qrlNomeSistema and qrlNomeDepartamento are hidden on every page.
    return {QStringLiteral("KELPA")};
}

QStringList TqrpModRelatorioKELPA::blocoDireito() const
{
    QStringList linhas = TqrpModRelatorioQOR::blocoDireito();
    linhas.last() = QStringLiteral("Página: {pagina3}");
    linhas << QStringLiteral("Versão: ") + versaoPrograma();
    return linhas;
}

double TqrpModRelatorioKELPA::complementoCabecalho(Banda &b, double y, double largura) const
{
    double altura = 0;
    if (!m_vigencia.isEmpty()) {
        b.texto(QRectF(0, y, largura, 4), m_vigencia, Qt::AlignLeft | Qt::AlignTop, EstiloTexto::forte(8.5));
        altura += 4.5;
    }
    // QRShape31 and the operator line.
    b.linha(QLineF(0, y + altura + 0.5, largura, y + altura + 0.5), 0.3, corInstitucional());
    altura += 1.5;
    const QString operadoraTexto = QStringLiteral("Operadora : ") + codigoComMascara(operadora())
                                   + QStringLiteral(" - ") + m_nomeOperadora;
    const double larguraCnpj = 52;
    b.texto(QRectF(0, y + altura, largura - larguraCnpj, 4), operadoraTexto, Qt::AlignLeft | Qt::AlignTop,
            EstiloTexto::forte(8.5));
    if (!m_cnpjOperadora.isEmpty())
        b.rotulo(QRectF(largura - larguraCnpj, y + altura, larguraCnpj, 4),
                 QStringLiteral("CNPJ: ") + FormataDocumento(m_cnpjOperadora), Qt::AlignRight | Qt::AlignTop,
                 EstiloTexto::forte(8.5));
    altura += 4.5;
    return altura;
}

} // namespace kelpa::relatorios
