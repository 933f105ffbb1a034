#include "DadosCadastroImpressao.h"

#include "app/banco/Consulta.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace kelpa::relatorios {

namespace {

EnderecoImpresso endereco(const Consulta &q, const QString &sufixo)
{
    auto campo = [&q, &sufixo](const char *nome) { return q.texto(QLatin1String(nome) + sufixo).trimmed(); };
    return {campo("LOGRADOURO"), campo("NUMERO"),    campo("COMPLEMENTO"), campo("BAIRRO"),
            campo("CEP"),        campo("MUNICIPIO"), campo("UF")};
}

} // namespace

CadastroEmVigor DadosCadastroImpressao::ler(const QSqlDatabase &db, const QString &operadora, const QDate &data)
{
    // The registration of person 0 in force on the date, and its own details of
    // that same period: one row or none, whatever other periods hold.
    Consulta q(db, QStringLiteral(
                       "SELECT C.DT_INIC_VIGN, C.CD_MODL, C.CD_SUBM, N.DE_NATZ_JURD, S.DE_SOCI, M.NM_MODL, SM.NM_SUBM, "
                       "       D.NM_PSOA, D.CD_CPF_CNPJ, D.NM_FANT, D.DE_MAIL, D.CD_REG_ATUACAO, "
                       "       D.DE_ENDR AS LOGRADOURO_M, D.NR_ENDERECO AS NUMERO_M, D.DE_COMPLEMENTO_ENDR AS COMPLEMENTO_M, "
                       "       D.NM_BAIR AS BAIRRO_M, D.CD_CEP AS CEP_M, MU.NM_MUNC AS MUNICIPIO_M, MU.CD_UF AS UF_M, "
                       "       D.DE_ENDR_CORRESP AS LOGRADOURO_C, D.NR_ENDR_CORRESP AS NUMERO_C, "
                       "       D.DE_COMPL_CORRESP AS COMPLEMENTO_C, D.NM_BAIR_CORRESP AS BAIRRO_C, "
                       "       D.CD_CEP_CORRESP AS CEP_C, MC.NM_MUNC AS MUNICIPIO_C, MC.CD_UF AS UF_C "
                       "FROM CADASTRO C "
                       "JOIN DADOSPESSOAS D ON D.CD_OPER = C.CD_OPER AND D.DT_INIC_VIGN = C.DT_INIC_VIGN "
                       "  AND D.ID_PSOA = C.ID_PSOA "
                       "LEFT JOIN TP_NATUREZAJURIDICA N ON N.CD_NATZ_JURD = C.CD_NATZ_JURD "
                       "LEFT JOIN TP_SOCIEDADE S ON S.CD_SOCI = C.CD_SOCI "
                       "LEFT JOIN TP_MODALIDADE M ON M.CD_MODL = C.CD_MODL "
                       "LEFT JOIN TP_SUBMODALIDADE SM ON SM.CD_SUBM = C.CD_SUBM "
                       "LEFT JOIN TB_MUNICIPIOS MU ON MU.ID_MUNC = D.ID_MUNC "
                       "LEFT JOIN TB_MUNICIPIOS MC ON MC.ID_MUNC = D.ID_MUNC_CORRESP "
                       "WHERE C.CD_OPER = :CDOPER AND C.ID_PSOA = 0 AND C.DT_INIC_VIGN = "
                       "  (SELECT MAX(V.DT_INIC_VIGN) FROM CADASTRO V "
                       "   WHERE V.CD_OPER = :CDOPER AND V.ID_PSOA = 0 AND V.DT_INIC_VIGN <= :DTVIGN)"));
    q.bind(QStringLiteral(":CDOPER"), operadora);
    q.bind(QStringLiteral(":DTVIGN"), data.isValid() ? data : QDate(9999, 12, 31));
    CadastroEmVigor c;
    if (!q.primeira())
        return c;
    c.periodo = q.data(QStringLiteral("DT_INIC_VIGN"));
    c.nome = q.texto(QStringLiteral("NM_PSOA")).trimmed();
    c.cnpj = q.texto(QStringLiteral("CD_CPF_CNPJ")).trimmed();
    c.nomeFantasia = q.texto(QStringLiteral("NM_FANT")).trimmed();
    c.natureza = q.texto(QStringLiteral("DE_NATZ_JURD")).trimmed();
    c.sociedade = q.texto(QStringLiteral("DE_SOCI")).trimmed();
    c.modalidade = q.texto(QStringLiteral("NM_MODL")).trimmed();
    c.segmentacao = q.texto(QStringLiteral("NM_SUBM")).trimmed();
    c.codModalidade = q.texto(QStringLiteral("CD_MODL")).trimmed();
    c.codSubmodalidade = q.texto(QStringLiteral("CD_SUBM")).trimmed();
    if (!q.nulo(QStringLiteral("CD_REG_ATUACAO")))
        c.regiao = static_cast<int>(q.inteiro(QStringLiteral("CD_REG_ATUACAO")));
    c.email = q.texto(QStringLiteral("DE_MAIL")).trimmed();
    c.matriz = endereco(q, QStringLiteral("_M"));
    c.correspondencia = endereco(q, QStringLiteral("_C"));

    Consulta telefones(db, QStringLiteral("SELECT TP_TELF, CD_DDI, CD_DDD, NR_TELF, NR_RAML FROM TELEFONESPESSOAS "
                                          "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :PERIODO AND ID_PSOA = 0 "
                                          "ORDER BY NR_SEQL_TELF"));
    telefones.bind(QStringLiteral(":CDOPER"), operadora).bind(QStringLiteral(":PERIODO"), c.periodo);
    telefones.executar();
    while (telefones.proxima()) {
        const TelefoneImpresso t{telefones.texto(QStringLiteral("CD_DDI")).trimmed(),
                                 telefones.texto(QStringLiteral("CD_DDD")).trimmed(),
                                 telefones.texto(QStringLiteral("NR_TELF")).trimmed(),
                                 telefones.texto(QStringLiteral("NR_RAML")).trimmed()};
        const QString tipo = telefones.texto(QStringLiteral("TP_TELF")).trimmed().toUpper();
        if (tipo == QLatin1String("F")) {
            if (!c.fax && !t.numero.isEmpty())
                c.fax = t;
        } else if (!t.numero.isEmpty()) {
            c.telefones << t;
        }
    }
    return c;
}

QList<MunicipioAtuacao> DadosCadastroImpressao::municipiosAtuacao(const QSqlDatabase &db, const QString &operadora,
                                                                  const QDate &periodo)
{
    QList<MunicipioAtuacao> lista;
    if (!periodo.isValid())
        return lista;
    Consulta q(db, QStringLiteral("SELECT DISTINCT M.CD_UF, U.NM_UF, M.NM_MUNC FROM RL_MUNICIPIO_ATUACAO_OPERADORA R "
                                  "JOIN TB_MUNICIPIOS M ON M.ID_MUNC = R.ID_MUNC "
                                  "LEFT JOIN TB_UFs U ON U.CD_UF = M.CD_UF "
                                  "WHERE R.CD_OPER = :CDOPER AND R.DT_INIC_VIGN = :PERIODO AND R.ID_PSOA = 0"));
    q.bind(QStringLiteral(":CDOPER"), operadora).bind(QStringLiteral(":PERIODO"), periodo);
    q.executar();
    while (q.proxima())
        lista.append({q.texto(QStringLiteral("CD_UF")).trimmed(), q.texto(QStringLiteral("NM_UF")).trimmed(),
                      q.texto(QStringLiteral("NM_MUNC")).trimmed()});
    QCollator ordem{QLocale(QLocale::Portuguese, QLocale::Brazil)};
    ordem.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(lista.begin(), lista.end(), [&ordem](const MunicipioAtuacao &a, const MunicipioAtuacao &b) {
        if (a.uf != b.uf)
            return a.uf < b.uf;
        return ordem.compare(a.municipio, b.municipio) < 0;
    });
    return lista;
}

} // namespace kelpa::relatorios
