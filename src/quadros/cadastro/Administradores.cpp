#include "Administradores.h"

#include "app/Utilitarios.h"
#include "app/banco/Consulta.h"
#include "app/banco/Transacao.h"

namespace kelpa {

namespace {
const QString kOper = QStringLiteral(":CDOPER");
const QString kData = QStringLiteral(":DTVIGN");
const QString kPessoa = QStringLiteral(":IDPSOA");
const QString kSequencia = QStringLiteral(":SQPSOA");

// The mother's name comes from the person's first details row, as the person
// register reads it: a person with details of several dates is still one line.
const QString kSelecao = QStringLiteral(
    "SELECT A.ID_PSOA, A.SQ_PSOA, A.DE_CARG, A.DT_INIC_MAND, A.DT_FIM_MAND, A.CD_ORGA, A.LG_RESPONSAVEL_TECNICO, "
    "       A.LG_TIPO_RESPONSAVEL_TECNICO, A.CD_CRM_CRO, A.LG_ALTR_TRAM, P.NM_PSOA, P.CD_CPF_CNPJ, P.LG_ESTRANGEIRO, "
    "       (SELECT D.NM_MAE FROM DADOSPESSOAS D WHERE D.CD_OPER = P.CD_OPER AND D.ID_PSOA = P.ID_PSOA "
    "        ORDER BY D.DT_INIC_VIGN LIMIT 1) AS NM_MAE, "
    "       (SELECT O.NM_ORGA FROM TP_ORGAO O WHERE O.CD_ORGA = A.CD_ORGA) AS NM_ORGA "
    "FROM ADMINISTRADORES A "
    "JOIN PESSOAS P ON P.CD_OPER = A.CD_OPER AND P.ID_PSOA = A.ID_PSOA "
    "WHERE A.CD_OPER = :CDOPER AND A.DT_INIC_VIGN = :DTVIGN ");

Administrador ler(const Consulta &q)
{
    Administrador a;
    a.idPsoa = static_cast<int>(q.inteiro(QStringLiteral("ID_PSOA")));
    a.sequencia = static_cast<int>(q.inteiro(QStringLiteral("SQ_PSOA")));
    a.nome = q.texto(QStringLiteral("NM_PSOA")).trimmed();
    a.cpf = q.texto(QStringLiteral("CD_CPF_CNPJ")).trimmed();
    a.mae = q.texto(QStringLiteral("NM_MAE")).trimmed();
    a.estrangeiro = q.texto(QStringLiteral("LG_ESTRANGEIRO")).trimmed().toUpper() == QLatin1String("T");
    a.cargo = q.texto(QStringLiteral("DE_CARG")).trimmed();
    a.inicioMandato = q.data(QStringLiteral("DT_INIC_MAND"));
    a.fimMandato = q.data(QStringLiteral("DT_FIM_MAND"));
    a.orgao = q.texto(QStringLiteral("CD_ORGA")).trimmed();
    a.nomeOrgao = q.texto(QStringLiteral("NM_ORGA")).trimmed();
    a.responsavelTecnico = q.texto(QStringLiteral("LG_RESPONSAVEL_TECNICO")).trimmed().toUpper() == QLatin1String("T");
    const QString tipo = q.texto(QStringLiteral("LG_TIPO_RESPONSAVEL_TECNICO")).trimmed().toUpper();
    a.tipoResponsavel = tipo.isEmpty() ? QStringLiteral("M") : tipo;
    a.conselho = q.texto(QStringLiteral("CD_CRM_CRO")).trimmed();
    a.estadoTransmissao = q.texto(QStringLiteral("LG_ALTR_TRAM")).trimmed();
    return a;
}

QVariant textoOuNulo(const QString &texto)
{
    return texto.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(texto);
}
} // namespace

Administradores::Administradores(const QSqlDatabase &db, QString codOper)
    : m_db(db)
    , m_codOper(std::move(codOper))
    , m_periodos(db, m_codOper, tabelas())
{
}

TabelasPeriodo Administradores::tabelas()
{
    return {QStringLiteral("QUADROADMINISTRADORES"),
            {},
            QStringLiteral("ADMINISTRADORES"),
            {QStringLiteral("ID_PSOA"), QStringLiteral("SQ_PSOA"), QStringLiteral("CD_ORGA"), QStringLiteral("DE_CARG"),
             QStringLiteral("DT_INIC_MAND"), QStringLiteral("DT_FIM_MAND"), QStringLiteral("LG_RESPONSAVEL_TECNICO"),
             QStringLiteral("LG_TIPO_RESPONSAVEL_TECNICO"), QStringLiteral("CD_CRM_CRO")}};
}

bool Administradores::DesdeDe2005(const QDate &periodo)
{
    return periodo >= QDate(2005, 1, 1);
}

bool Administradores::ResponsavelTecnicoAplica(const QString &submodalidade)
{
    return submodalidade != QLatin1String("PATRM") && submodalidade != QLatin1String("PATRS");
}

bool Administradores::PerguntaResponsavel(const QDate &periodo, const QString &submodalidade)
{
    return DesdeDe2005(periodo) && ResponsavelTecnicoAplica(submodalidade);
}

QList<Administrador> Administradores::Lista(const QDate &periodo, Coluna coluna, bool decrescente) const
{
    // The ordering column comes from this list, never from the caller's text.
    const QString ordem = coluna == Coluna::Nome    ? QStringLiteral("P.NM_PSOA")
                          : coluna == Coluna::Cargo ? QStringLiteral("A.DE_CARG")
                                                    : QStringLiteral("P.CD_CPF_CNPJ");
    const QString direcao = decrescente ? QStringLiteral(" DESC") : QString();
    Consulta q(m_db, kSelecao + QStringLiteral("ORDER BY %1%2, A.ID_PSOA%2, A.SQ_PSOA%2").arg(ordem, direcao));
    q.bind(kOper, m_codOper).bind(kData, periodo);
    q.executar();
    QList<Administrador> lista;
    while (q.proxima())
        lista << ler(q);
    return lista;
}

std::optional<Administrador> Administradores::Carrega(const QDate &periodo, int idPsoa, int sequencia) const
{
    Consulta q(m_db, kSelecao + QStringLiteral("AND A.ID_PSOA = :IDPSOA AND A.SQ_PSOA = :SQPSOA"));
    q.bind(kOper, m_codOper).bind(kData, periodo).bind(kPessoa, idPsoa).bind(kSequencia, sequencia);
    if (!q.primeira())
        return std::nullopt;
    return ler(q);
}

QString Administradores::ResponsavelTecnico(const QDate &periodo) const
{
    Consulta q(m_db, kSelecao + QStringLiteral("AND A.LG_RESPONSAVEL_TECNICO = 'T' ORDER BY A.SQ_PSOA"));
    q.bind(kOper, m_codOper).bind(kData, periodo);
    return q.primeira() ? q.texto(QStringLiteral("NM_PSOA")).trimmed() : QString();
}

QList<QPair<QString, QString>> Administradores::Orgaos() const
{
    Consulta q(m_db, QStringLiteral("SELECT CD_ORGA, NM_ORGA FROM TP_ORGAO ORDER BY CD_ORGA"));
    q.executar();
    QList<QPair<QString, QString>> lista;
    while (q.proxima())
        lista.append({q.texto(QStringLiteral("CD_ORGA")).trimmed(), q.texto(QStringLiteral("NM_ORGA")).trimmed()});
    return lista;
}

std::optional<Administrador> Administradores::Pessoa(int idPsoa) const
{
    Consulta q(m_db, QStringLiteral("SELECT P.NM_PSOA, P.CD_CPF_CNPJ, P.LG_ESTRANGEIRO, "
                                    "  (SELECT D.NM_MAE FROM DADOSPESSOAS D WHERE D.CD_OPER = P.CD_OPER AND D.ID_PSOA = P.ID_PSOA "
                                    "   ORDER BY D.DT_INIC_VIGN LIMIT 1) AS NM_MAE "
                                    "FROM PESSOAS P WHERE P.CD_OPER = :CDOPER AND P.ID_PSOA = :IDPSOA AND P.ID_PSOA <> 0 "
                                    "AND P.TP_PSOA = 'F'"));
    q.bind(kOper, m_codOper).bind(kPessoa, idPsoa);
    if (!q.primeira())
        return std::nullopt;
    Administrador a;
    a.idPsoa = idPsoa;
    a.nome = q.texto(QStringLiteral("NM_PSOA")).trimmed();
    a.cpf = q.texto(QStringLiteral("CD_CPF_CNPJ")).trimmed();
    a.mae = q.texto(QStringLiteral("NM_MAE")).trimmed();
    a.estrangeiro = q.texto(QStringLiteral("LG_ESTRANGEIRO")).trimmed().toUpper() == QLatin1String("T");
    return a;
}

QStringList Administradores::ItensFaltantes(const Administrador &a, bool perguntaResponsavelRespondida)
{
    QStringList itens;
    if (a.idPsoa <= 0 || a.nome.trimmed().isEmpty())
        itens << QStringLiteral(">> Nome");
    if (a.cargo.trimmed().isEmpty())
        itens << QStringLiteral(">> Cargo/Função");
    if (!a.inicioMandato.isValid())
        itens << QStringLiteral(">> Início de Mandato");
    if (!perguntaResponsavelRespondida)
        itens << QStringLiteral(">> Responsável Técnico");
    return itens;
}

QString Administradores::ErroMandato(const Administrador &a)
{
    if (a.fimMandato.isValid() && a.inicioMandato.isValid() && a.fimMandato < a.inicioMandato)
        return QStringLiteral("Fim de Mandato MENOR que Início de Mandato");
    return {};
}

Administrador Administradores::Grava(const QDate &periodo, Administrador a, bool perguntaResponsavel)
{
    a.cargo = a.cargo.trimmed().toUpper();
    a.conselho = a.conselho.trimmed();
    if (!perguntaResponsavel) {
        a.responsavelTecnico = false;
        a.tipoResponsavel = QStringLiteral("M");
        a.conselho.clear();
    } else if (a.tipoResponsavel.isEmpty()) {
        a.tipoResponsavel = QStringLiteral("M");
    }
    if (!a.responsavelTecnico)
        a.conselho.clear();

    Transacao transacao(m_db);
    const std::optional<Administrador> gravado = a.sequencia > 0 ? Carrega(periodo, a.idPsoa, a.sequencia) : std::nullopt;
    if (!gravado) {
        Consulta proxima(m_db, QStringLiteral("SELECT COALESCE(MAX(SQ_PSOA), 0) + 1 AS PROXIMA FROM ADMINISTRADORES "
                                              "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN"));
        proxima.bind(kOper, m_codOper).bind(kData, periodo);
        a.sequencia = proxima.primeira() ? static_cast<int>(proxima.inteiro(QStringLiteral("PROXIMA"))) : 1;
        a.estadoTransmissao = QStringLiteral("N");
        Consulta(m_db, QStringLiteral("INSERT INTO ADMINISTRADORES (CD_OPER, DT_INIC_VIGN, ID_PSOA, SQ_PSOA, LG_ALTR_TRAM) "
                                      "VALUES (:CDOPER, :DTVIGN, :IDPSOA, :SQPSOA, 'N')"))
            .bind(kOper, m_codOper)
            .bind(kData, periodo)
            .bind(kPessoa, a.idPsoa)
            .bind(kSequencia, a.sequencia)
            .executar();
    } else {
        a.estadoTransmissao = EstadoTransmissaoAoGravar(gravado->estadoTransmissao);
    }
    Consulta(m_db, QStringLiteral("UPDATE ADMINISTRADORES SET CD_ORGA = :ORGAO, DE_CARG = :CARGO, DT_INIC_MAND = :INICIO, "
                                  "DT_FIM_MAND = :FIM, LG_RESPONSAVEL_TECNICO = :RESPONSAVEL, LG_TIPO_RESPONSAVEL_TECNICO = :TIPO, "
                                  "CD_CRM_CRO = :CONSELHO, LG_ALTR_TRAM = :ESTADO "
                                  "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND ID_PSOA = :IDPSOA AND SQ_PSOA = :SQPSOA"))
        .bind(QStringLiteral(":ORGAO"), textoOuNulo(a.orgao))
        .bind(QStringLiteral(":CARGO"), a.cargo)
        .bind(QStringLiteral(":INICIO"), a.inicioMandato)
        .bind(QStringLiteral(":FIM"), a.fimMandato)
        .bind(QStringLiteral(":RESPONSAVEL"), a.responsavelTecnico ? QStringLiteral("T") : QStringLiteral("F"))
        .bind(QStringLiteral(":TIPO"), a.tipoResponsavel)
        .bind(QStringLiteral(":CONSELHO"), a.conselho)
        .bind(QStringLiteral(":ESTADO"), a.estadoTransmissao)
        .bind(kOper, m_codOper)
        .bind(kData, periodo)
        .bind(kPessoa, a.idPsoa)
        .bind(kSequencia, a.sequencia)
        .executar();
    transacao.confirmar();
    return a;
}

void Administradores::Exclui(const QDate &periodo, int idPsoa, int sequencia)
{
    Transacao transacao(m_db);
    Consulta(m_db, QStringLiteral("DELETE FROM ADMINISTRADORES WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN "
                                  "AND ID_PSOA = :IDPSOA AND SQ_PSOA = :SQPSOA"))
        .bind(kOper, m_codOper)
        .bind(kData, periodo)
        .bind(kPessoa, idPsoa)
        .bind(kSequencia, sequencia)
        .executar();
    transacao.confirmar();
}

} // namespace kelpa
