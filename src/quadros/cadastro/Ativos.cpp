#include "Ativos.h"

#include "app/banco/Consulta.h"
#include "app/banco/Transacao.h"

namespace kelpa {

namespace {
const QString kSelecao = QStringLiteral(
    "SELECT A.CD_SEQ_ATIVO, A.CD_CENTRAL_CUSTODIA, A.CD_ATIVO, A.DT_EMISSAO, A.DT_VENCIMENTO, A.TP_INDEXADOR, A.CD_BEM, "
    "       A.LG_ALTR_TRAM, C.NM_CENTRAL_CUSTODIA, B.NM_BEM "
    "FROM ATIVOS A "
    "LEFT JOIN TB_CENTRAL_CUSTODIA C ON C.CD_CENTRAL_CUSTODIA = A.CD_CENTRAL_CUSTODIA "
    "LEFT JOIN TB_BEMCODIGO B ON B.CD_BEM = A.CD_BEM "
    "WHERE A.CD_OPER = :CDOPER ");

Ativo ler(const Consulta &q)
{
    Ativo a;
    a.sequencia = q.texto(QStringLiteral("CD_SEQ_ATIVO")).trimmed();
    a.custodia = static_cast<int>(q.inteiro(QStringLiteral("CD_CENTRAL_CUSTODIA")));
    a.nomeCustodia = q.texto(QStringLiteral("NM_CENTRAL_CUSTODIA")).trimmed();
    a.codigo = q.texto(QStringLiteral("CD_ATIVO")).trimmed();
    a.emissao = q.data(QStringLiteral("DT_EMISSAO"));
    a.vencimento = q.data(QStringLiteral("DT_VENCIMENTO"));
    a.indexador = q.texto(QStringLiteral("TP_INDEXADOR")).trimmed();
    a.bem = q.texto(QStringLiteral("CD_BEM")).trimmed();
    a.nomeBem = q.texto(QStringLiteral("NM_BEM")).trimmed();
    a.estadoTransmissao = q.texto(QStringLiteral("LG_ALTR_TRAM")).trimmed();
    return a;
}
} // namespace

Ativos::Ativos(const QSqlDatabase &db, QString codOper)
    : BensOperadora(db, std::move(codOper), QStringLiteral("ATIVOS"), u'A')
{
}

QList<Ativo> Ativos::Lista(Coluna coluna, bool decrescente) const
{
    const QString ordem = coluna == Coluna::Codigo    ? QStringLiteral("A.CD_ATIVO")
                          : coluna == Coluna::NomeBem ? QStringLiteral("B.NM_BEM")
                                                      : QStringLiteral("C.NM_CENTRAL_CUSTODIA");
    const QString direcao = decrescente ? QStringLiteral(" DESC") : QString();
    Consulta q(m_db, kSelecao + QStringLiteral("ORDER BY %1%2, A.CD_SEQ_ATIVO%2").arg(ordem, direcao));
    q.bind(QStringLiteral(":CDOPER"), m_codOper).executar();
    QList<Ativo> lista;
    while (q.proxima())
        lista << ler(q);
    return lista;
}

std::optional<Ativo> Ativos::Carrega(const QString &sequencia) const
{
    Consulta q(m_db, kSelecao + QStringLiteral("AND A.CD_SEQ_ATIVO = :SEQ"));
    q.bind(QStringLiteral(":CDOPER"), m_codOper).bind(QStringLiteral(":SEQ"), sequencia);
    if (!q.primeira())
        return std::nullopt;
    return ler(q);
}

QList<QPair<int, QString>> Ativos::Custodias() const
{
    Consulta q(m_db, QStringLiteral("SELECT CD_CENTRAL_CUSTODIA, NM_CENTRAL_CUSTODIA FROM TB_CENTRAL_CUSTODIA "
                                    "WHERE TP_CENTRAL_CUSTODIA = :TIPO ORDER BY CD_CENTRAL_CUSTODIA"));
    q.bind(QStringLiteral(":TIPO"), QStringLiteral("A")).executar();
    QList<QPair<int, QString>> lista;
    while (q.proxima())
        lista.append({static_cast<int>(q.inteiro(QStringLiteral("CD_CENTRAL_CUSTODIA"))),
                      q.texto(QStringLiteral("NM_CENTRAL_CUSTODIA")).trimmed()});
    return lista;
}

QList<TipoBem> Ativos::TiposDaCustodia(int custodia) const
{
    switch (custodia) {
    case 1:
        return TiposBem({QStringLiteral("C"), QStringLiteral("X")});
    case 2:
        return TiposBem({QStringLiteral("S"), QStringLiteral("X")});
    case 3:
        return TiposBem({QStringLiteral("B")});
    case kCustodiaComIndexador:
        return TiposBem({QStringLiteral("I")}, true);
    default:
        return TiposBem({});
    }
}

QString Ativos::Erro(const Ativo &a)
{
    if (a.custodia <= 0)
        return QStringLiteral("Selecione uma Custódia");
    if (a.codigo.trimmed().isEmpty())
        return QStringLiteral("Digite o código do ativo");
    if (a.bem.trimmed().isEmpty())
        return QStringLiteral("Selecione um Código de Bem");
    return {};
}

void Ativos::Grava(Ativo &a)
{
    if (a.custodia != kCustodiaComIndexador)
        a.indexador.clear();
    Transacao transacao(m_db);
    const Gravacao g = IniciaGravacao(a.sequencia);
    const QString sql = !g.nova ? QStringLiteral("UPDATE ATIVOS SET CD_CENTRAL_CUSTODIA = :CUST, CD_ATIVO = :CODIGO, DT_EMISSAO = :EMISSAO, "
                                                "DT_VENCIMENTO = :VENC, TP_INDEXADOR = :INDEX, CD_BEM = :BEM, LG_ALTR_TRAM = :ESTADO "
                                                "WHERE CD_OPER = :CDOPER AND CD_SEQ_ATIVO = :SEQ")
                               : QStringLiteral("INSERT INTO ATIVOS (CD_SEQ_ATIVO, CD_OPER, CD_ATIVO, CD_CENTRAL_CUSTODIA, DT_VENCIMENTO, "
                                                "DT_EMISSAO, TP_INDEXADOR, CD_BEM, LG_ALTR_TRAM) VALUES (:SEQ, :CDOPER, :CODIGO, :CUST, "
                                                ":VENC, :EMISSAO, :INDEX, :BEM, :ESTADO)");
    Consulta(m_db, sql)
        .bind(QStringLiteral(":CUST"), a.custodia)
        .bind(QStringLiteral(":CODIGO"), a.codigo.trimmed().toUpper())
        .bind(QStringLiteral(":EMISSAO"), a.emissao)
        .bind(QStringLiteral(":VENC"), a.vencimento)
        .bind(QStringLiteral(":INDEX"), a.indexador.trimmed().toUpper())
        .bind(QStringLiteral(":BEM"), a.bem)
        .bind(QStringLiteral(":ESTADO"), g.estado)
        .bind(QStringLiteral(":CDOPER"), m_codOper)
        .bind(QStringLiteral(":SEQ"), g.sequencia)
        .executar();
    transacao.confirmar();
    a.sequencia = g.sequencia;
    a.codigo = a.codigo.trimmed().toUpper();
    a.estadoTransmissao = g.estado;
}

} // namespace kelpa
