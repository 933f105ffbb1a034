#include "Acionistas.h"

#include "app/Utilitarios.h"
#include "app/banco/Consulta.h"
#include "app/banco/Transacao.h"

namespace kelpa {

namespace {
const QString kOper = QStringLiteral(":CDOPER");
const QString kData = QStringLiteral(":DTVIGN");
} // namespace

Acionistas::Acionistas(const QSqlDatabase &db, QString codOper)
    : m_db(db)
    , m_codOper(std::move(codOper))
    , m_periodos(db, m_codOper, tabelas())
    , m_participacoes(db, m_codOper, {QStringLiteral("PARTICIPACOES"), QStringLiteral("NR_SEQL_PART"), QString()}, m_periodos)
{
}

TabelasPeriodo Acionistas::tabelas()
{
    return {QStringLiteral("QUADROPARTICIPACOES"),
            {QStringLiteral("QT_TOTL_ACAO_OPER"), QStringLiteral("LG_PULV")},
            QStringLiteral("PARTICIPACOES"),
            {QStringLiteral("NR_SEQL_PART"), QStringLiteral("ID_PSOA"), QStringLiteral("QT_ACAO"), QStringLiteral("LG_REDE_PPIO")},
            {{QStringLiteral("QT_TOTL_ACAO_OPER"), QVariant(0.0)}, {QStringLiteral("LG_PULV"), QVariant(QStringLiteral("F"))}}};
}

bool Acionistas::PerguntaPulverizado(const QString &modalidade)
{
    return modalidade != QLatin1String("COOPM") && modalidade != QLatin1String("COOPO");
}

CabecalhoAcionistas Acionistas::Cabecalho(const QDate &periodo) const
{
    Consulta q(m_db, QStringLiteral("SELECT QT_TOTL_ACAO_OPER, LG_PULV, LG_ALTR_TRAM FROM QUADROPARTICIPACOES "
                                    "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN"));
    q.bind(kOper, m_codOper).bind(kData, periodo);
    CabecalhoAcionistas c;
    if (!q.primeira())
        return c;
    if (!q.nulo(QStringLiteral("QT_TOTL_ACAO_OPER")))
        c.total = ParticipacoesPeriodo::Quantidade(q.real(QStringLiteral("QT_TOTL_ACAO_OPER")));
    c.pulverizado = q.texto(QStringLiteral("LG_PULV")).trimmed().toUpper() == QLatin1String("T");
    c.estadoTransmissao = q.texto(QStringLiteral("LG_ALTR_TRAM")).trimmed();
    return c;
}

void Acionistas::GravaCabecalho(const QDate &periodo, const CabecalhoAcionistas &cabecalho)
{
    Transacao transacao(m_db);
    const CabecalhoAcionistas gravado = Cabecalho(periodo);
    // A changed total after sending is a change the next submission must carry.
    const bool mudou = gravado.total != cabecalho.total || gravado.pulverizado != cabecalho.pulverizado;
    const QString estado = mudou ? EstadoTransmissaoAoGravar(gravado.estadoTransmissao) : gravado.estadoTransmissao;
    Consulta(m_db, QStringLiteral("UPDATE QUADROPARTICIPACOES SET QT_TOTL_ACAO_OPER = :TOTAL, LG_PULV = :PULV, LG_ALTR_TRAM = :ESTADO "
                                  "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN"))
        .bind(QStringLiteral(":TOTAL"), cabecalho.total ? QVariant(static_cast<double>(*cabecalho.total)) : QVariant(QMetaType(QMetaType::Double)))
        .bind(QStringLiteral(":PULV"), cabecalho.pulverizado ? QStringLiteral("T") : QStringLiteral("F"))
        .bind(QStringLiteral(":ESTADO"), estado.isEmpty() ? QStringLiteral("N") : estado)
        .bind(kOper, m_codOper)
        .bind(kData, periodo)
        .executar();
    transacao.confirmar();
}

Acionistas::Conferencia Acionistas::ConfereTotal(qint64 total, qint64 soma)
{
    return total < soma ? Conferencia::Maior : total > soma ? Conferencia::Menor : Conferencia::Igual;
}

QString Acionistas::MensagemMaior()
{
    return QStringLiteral("O somatório da Quantidade de Ações/Quotas dos Acionistas/Quotistas está MAIOR que o Nº Total de "
                          "Ações/Quotas da Operadora.");
}

QString Acionistas::MensagemMenor()
{
    return QStringLiteral("O somatório da Quantidade de Ações/Quotas dos Acionistas/Quotistas está MENOR que o Nº Total de "
                          "Ações/Quotas da Operadora.");
}

QString Acionistas::MensagemQuantidadeMaior()
{
    return QStringLiteral("O somatório da quantidade de Ações/Quotas dos Acionistas/Quotistas está MAIOR que o Nº Total de "
                          "Ações/Quotas da Operadora.");
}

} // namespace kelpa
