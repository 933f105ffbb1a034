#include "Dependencias.h"

#include "app/Utilitarios.h"
#include "app/banco/Consulta.h"
#include "app/banco/Transacao.h"

namespace kelpa {

namespace {
const QString kOper = QStringLiteral(":CDOPER");
const QString kData = QStringLiteral(":DTVIGN");
const QString kPessoa = QStringLiteral(":IDPSOA");

const QString kSelecao = QStringLiteral(
    "SELECT D.ID_PSOA, D.ID_TIPO_DPDC, D.ID_PSOA_RESP, D.LG_COMERCIALIZACAO_DEPE, D.LG_ALTR_TRAM, "
    "       P.NM_PSOA, P.CD_CPF_CNPJ, T.NM_TIPO_DPDC, "
    "       (SELECT COUNT(*) FROM PESSOAS R WHERE R.CD_OPER = D.CD_OPER AND R.ID_PSOA = D.ID_PSOA_RESP) AS RESPONSAVEL_EXISTE "
    "FROM DEPENDENCIAS D "
    "LEFT JOIN PESSOAS P ON P.CD_OPER = D.CD_OPER AND P.ID_PSOA = D.ID_PSOA "
    "LEFT JOIN TP_DEPENDENCIA T ON T.ID_TIPO_DPDC = D.ID_TIPO_DPDC "
    "WHERE D.CD_OPER = :CDOPER AND D.DT_INIC_VIGN = :DTVIGN ");

Dependencia ler(const Consulta &q)
{
    Dependencia d;
    d.idPsoa = static_cast<int>(q.inteiro(QStringLiteral("ID_PSOA")));
    d.nome = q.texto(QStringLiteral("NM_PSOA")).trimmed();
    d.cnpj = q.texto(QStringLiteral("CD_CPF_CNPJ")).trimmed();
    d.tipo = static_cast<int>(q.inteiro(QStringLiteral("ID_TIPO_DPDC")));
    d.nomeTipo = q.texto(QStringLiteral("NM_TIPO_DPDC")).trimmed();
    // A person in charge who no longer exists is written back as none.
    d.idResponsavel = q.inteiro(QStringLiteral("RESPONSAVEL_EXISTE")) > 0 ? static_cast<int>(q.inteiro(QStringLiteral("ID_PSOA_RESP"))) : 0;
    d.comercializacao = q.texto(QStringLiteral("LG_COMERCIALIZACAO_DEPE")).trimmed();
    d.estadoTransmissao = q.texto(QStringLiteral("LG_ALTR_TRAM")).trimmed();
    return d;
}
} // namespace

Dependencias::Dependencias(const QSqlDatabase &db, QString codOper)
    : m_db(db)
    , m_codOper(std::move(codOper))
    , m_periodos(db, m_codOper, tabelas())
{
}

TabelasPeriodo Dependencias::tabelas()
{
    return {QStringLiteral("QUADRODEPENDENCIAS"),
            {},
            QStringLiteral("DEPENDENCIAS"),
            {QStringLiteral("ID_PSOA"), QStringLiteral("ID_TIPO_DPDC"), QStringLiteral("ID_PSOA_RESP"),
             QStringLiteral("LG_COMERCIALIZACAO_DEPE")}};
}

QList<Dependencia> Dependencias::Lista(const QDate &periodo, Coluna coluna, bool decrescente) const
{
    // The ordering column comes from this list, never from the caller's text.
    const QString ordem = coluna == Coluna::Nome   ? QStringLiteral("P.NM_PSOA")
                          : coluna == Coluna::Tipo ? QStringLiteral("T.NM_TIPO_DPDC")
                                                   : QStringLiteral("P.CD_CPF_CNPJ");
    const QString direcao = decrescente ? QStringLiteral(" DESC") : QString();
    Consulta q(m_db, kSelecao + QStringLiteral("ORDER BY %1%2, D.ID_PSOA%2").arg(ordem, direcao));
    q.bind(kOper, m_codOper).bind(kData, periodo);
    q.executar();
    QList<Dependencia> lista;
    while (q.proxima())
        lista << ler(q);
    return lista;
}

std::optional<Dependencia> Dependencias::Carrega(const QDate &periodo, int idPsoa) const
{
    Consulta q(m_db, kSelecao + QStringLiteral("AND D.ID_PSOA = :IDPSOA"));
    q.bind(kOper, m_codOper).bind(kData, periodo).bind(kPessoa, idPsoa);
    if (!q.primeira())
        return std::nullopt;
    return ler(q);
}

QList<QPair<int, QString>> Dependencias::Tipos() const
{
    Consulta q(m_db, QStringLiteral("SELECT ID_TIPO_DPDC, NM_TIPO_DPDC FROM TP_DEPENDENCIA ORDER BY ID_TIPO_DPDC"));
    q.executar();
    QList<QPair<int, QString>> lista;
    while (q.proxima())
        lista.append({static_cast<int>(q.inteiro(QStringLiteral("ID_TIPO_DPDC"))), q.texto(QStringLiteral("NM_TIPO_DPDC")).trimmed()});
    return lista;
}

QStringList Dependencias::ItensFaltantes(const Dependencia &d)
{
    QStringList itens;
    if (d.tipo <= 0)
        itens << QStringLiteral(">> Tipo de Dependência");
    if (d.idPsoa <= 0 || d.nome.trimmed().isEmpty())
        itens << QStringLiteral(">> Razão Social");
    return itens;
}

bool Dependencias::Grava(const QDate &periodo, Dependencia &d, bool nova)
{
    Transacao transacao(m_db);
    const std::optional<Dependencia> gravada = Carrega(periodo, d.idPsoa);
    if (nova) {
        if (gravada)
            return false;
        // Nothing asks whether plans are sold at the branch: a new one says no.
        Consulta(m_db, QStringLiteral("INSERT INTO DEPENDENCIAS (CD_OPER, DT_INIC_VIGN, ID_PSOA, ID_TIPO_DPDC, ID_PSOA_RESP, "
                                      "LG_COMERCIALIZACAO_DEPE, LG_ALTR_TRAM) VALUES (:CDOPER, :DTVIGN, :IDPSOA, :TIPO, 0, 'F', 'N')"))
            .bind(kOper, m_codOper)
            .bind(kData, periodo)
            .bind(kPessoa, d.idPsoa)
            .bind(QStringLiteral(":TIPO"), d.tipo)
            .executar();
        d.idResponsavel = 0;
        d.comercializacao = QStringLiteral("F");
        d.estadoTransmissao = QStringLiteral("N");
    } else {
        if (!gravada)
            return false;
        d.idResponsavel = gravada->idResponsavel;
        d.comercializacao = gravada->comercializacao.isEmpty() ? QStringLiteral("F") : gravada->comercializacao;
        d.estadoTransmissao = EstadoTransmissaoAoGravar(gravada->estadoTransmissao);
        Consulta(m_db, QStringLiteral("UPDATE DEPENDENCIAS SET ID_TIPO_DPDC = :TIPO, ID_PSOA_RESP = :RESP, LG_COMERCIALIZACAO_DEPE = :COMERC, "
                                      "LG_ALTR_TRAM = :ESTADO WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND ID_PSOA = :IDPSOA"))
            .bind(QStringLiteral(":TIPO"), d.tipo)
            .bind(QStringLiteral(":RESP"), d.idResponsavel)
            .bind(QStringLiteral(":COMERC"), d.comercializacao)
            .bind(QStringLiteral(":ESTADO"), d.estadoTransmissao)
            .bind(kOper, m_codOper)
            .bind(kData, periodo)
            .bind(kPessoa, d.idPsoa)
            .executar();
    }
    transacao.confirmar();
    return true;
}

} // namespace kelpa
