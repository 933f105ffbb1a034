#include "Imoveis.h"

#include "app/banco/Consulta.h"
#include "app/banco/Transacao.h"

namespace kelpa {

namespace {
const QString kSelecao = QStringLiteral(
    "SELECT I.CD_SEQ_ATIVO, I.CD_RGI, I.NM_CARTORIO, I.MD_METRAGEM, I.CD_BEM, I.DT_AQUISICAO, I.DT_VENDA, I.DT_ULT_AVALIACAO, "
    "       I.LG_REDE_PROPRIA, I.DE_ENDR, I.NM_BAIR, I.CD_CEP, I.ID_MUNC, I.LG_ALTR_TRAM, B.NM_BEM, M.NM_MUNC, M.CD_UF "
    "FROM IMOVEIS I "
    "LEFT JOIN TB_BEMCODIGO B ON B.CD_BEM = I.CD_BEM "
    "LEFT JOIN TB_MUNICIPIOS M ON M.ID_MUNC = I.ID_MUNC "
    "WHERE I.CD_OPER = :CDOPER ");

Imovel ler(const Consulta &q)
{
    Imovel i;
    i.sequencia = q.texto(QStringLiteral("CD_SEQ_ATIVO")).trimmed();
    i.rgi = q.texto(QStringLiteral("CD_RGI")).trimmed();
    i.cartorio = q.texto(QStringLiteral("NM_CARTORIO")).trimmed();
    if (!q.nulo(QStringLiteral("MD_METRAGEM")))
        i.area = q.real(QStringLiteral("MD_METRAGEM"));
    i.bem = q.texto(QStringLiteral("CD_BEM")).trimmed();
    i.nomeBem = q.texto(QStringLiteral("NM_BEM")).trimmed();
    i.aquisicao = q.data(QStringLiteral("DT_AQUISICAO"));
    i.venda = q.data(QStringLiteral("DT_VENDA"));
    i.ultimaAvaliacao = q.data(QStringLiteral("DT_ULT_AVALIACAO"));
    i.redePropria = q.texto(QStringLiteral("LG_REDE_PROPRIA")).trimmed() == QLatin1String("S");
    i.endereco = q.texto(QStringLiteral("DE_ENDR")).trimmed();
    i.bairro = q.texto(QStringLiteral("NM_BAIR")).trimmed();
    i.cep = q.texto(QStringLiteral("CD_CEP")).trimmed();
    // A municipality missing from the table shows as none, and must be chosen again.
    if (!q.nulo(QStringLiteral("NM_MUNC")))
        i.municipio = {static_cast<int>(q.inteiro(QStringLiteral("ID_MUNC"))), q.texto(QStringLiteral("NM_MUNC")).trimmed(),
                       q.texto(QStringLiteral("CD_UF")).trimmed()};
    i.estadoTransmissao = q.texto(QStringLiteral("LG_ALTR_TRAM")).trimmed();
    return i;
}
} // namespace

Imoveis::Imoveis(const QSqlDatabase &db, QString codOper)
    : BensOperadora(db, std::move(codOper), QStringLiteral("IMOVEIS"), u'I')
{
}

QList<Imovel> Imoveis::Lista(Coluna coluna, bool decrescente) const
{
    const QString ordem = coluna == Coluna::Rgi ? QStringLiteral("I.CD_RGI") : QStringLiteral("B.NM_BEM");
    const QString direcao = decrescente ? QStringLiteral(" DESC") : QString();
    Consulta q(m_db, kSelecao + QStringLiteral("ORDER BY %1%2, I.CD_SEQ_ATIVO%2").arg(ordem, direcao));
    q.bind(QStringLiteral(":CDOPER"), m_codOper).executar();
    QList<Imovel> lista;
    while (q.proxima())
        lista << ler(q);
    return lista;
}

std::optional<Imovel> Imoveis::Carrega(const QString &sequencia) const
{
    Consulta q(m_db, kSelecao + QStringLiteral("AND I.CD_SEQ_ATIVO = :SEQ"));
    q.bind(QStringLiteral(":CDOPER"), m_codOper).bind(QStringLiteral(":SEQ"), sequencia);
    if (!q.primeira())
        return std::nullopt;
    return ler(q);
}

QList<TipoBem> Imoveis::TiposImovel() const
{
    return TiposBem({QStringLiteral("I")});
}

QString Imoveis::Erro(const Imovel &i)
{
    const QString cep = i.cep.trimmed();
    if (cep.size() != 8 || cep.contains(u' '))
        return QStringLiteral("Informe o CEP do Imóvel com 8 dígitos.");
    if (i.rgi.trimmed().isEmpty())
        return QStringLiteral("Digite o RGI.");
    if (i.bem.trimmed().isEmpty())
        return QStringLiteral("Selecione o código do bem.");
    return {};
}

void Imoveis::Grava(Imovel &i)
{
    Transacao transacao(m_db);
    const Gravacao g = IniciaGravacao(i.sequencia);
    const QString sql = !g.nova ? QStringLiteral("UPDATE IMOVEIS SET CD_RGI = :RGI, CD_CENTRAL_CUSTODIA = 0, DE_ENDR = :ENDR, NM_BAIR = :BAIR, "
                                                "CD_CEP = :CEP, ID_MUNC = :MUNC, CD_BEM = :BEM, NM_CARTORIO = :CARTORIO, MD_METRAGEM = :AREA, "
                                                "DT_AQUISICAO = :AQUIS, DT_VENDA = :VENDA, DT_ULT_AVALIACAO = :AVAL, LG_REDE_PROPRIA = :REDE, "
                                                "LG_ALTR_TRAM = :ESTADO WHERE CD_OPER = :CDOPER AND CD_SEQ_ATIVO = :SEQ")
                               : QStringLiteral("INSERT INTO IMOVEIS (CD_OPER, CD_SEQ_ATIVO, CD_RGI, CD_CENTRAL_CUSTODIA, DE_ENDR, NM_BAIR, "
                                                "CD_CEP, ID_MUNC, CD_BEM, NM_CARTORIO, MD_METRAGEM, DT_AQUISICAO, DT_VENDA, DT_ULT_AVALIACAO, "
                                                "LG_REDE_PROPRIA, LG_ALTR_TRAM) VALUES (:CDOPER, :SEQ, :RGI, 0, :ENDR, :BAIR, :CEP, :MUNC, "
                                                ":BEM, :CARTORIO, :AREA, :AQUIS, :VENDA, :AVAL, :REDE, :ESTADO)");
    Consulta(m_db, sql)
        .bind(QStringLiteral(":RGI"), i.rgi.trimmed())
        .bind(QStringLiteral(":ENDR"), i.endereco.trimmed().toUpper())
        .bind(QStringLiteral(":BAIR"), i.bairro.trimmed().toUpper())
        .bind(QStringLiteral(":CEP"), i.cep.trimmed())
        .bind(QStringLiteral(":MUNC"), i.municipio.id)
        .bind(QStringLiteral(":BEM"), i.bem)
        .bind(QStringLiteral(":CARTORIO"), i.cartorio.trimmed().toUpper())
        .bind(QStringLiteral(":AREA"), i.area ? QVariant(*i.area) : QVariant(QMetaType(QMetaType::Double)))
        .bind(QStringLiteral(":AQUIS"), i.aquisicao)
        .bind(QStringLiteral(":VENDA"), i.venda)
        .bind(QStringLiteral(":AVAL"), i.ultimaAvaliacao)
        .bind(QStringLiteral(":REDE"), i.redePropria ? QStringLiteral("S") : QStringLiteral("N"))
        .bind(QStringLiteral(":ESTADO"), g.estado)
        .bind(QStringLiteral(":CDOPER"), m_codOper)
        .bind(QStringLiteral(":SEQ"), g.sequencia)
        .executar();
    transacao.confirmar();
    i.sequencia = g.sequencia;
    i.estadoTransmissao = g.estado;
}

} // namespace kelpa
