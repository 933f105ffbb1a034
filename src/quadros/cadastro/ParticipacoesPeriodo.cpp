#include "ParticipacoesPeriodo.h"

#include "app/Utilitarios.h"
#include "app/banco/Consulta.h"
#include "app/banco/Transacao.h"
#include "plataforma/FormatoBR.h"

#include <cmath>

namespace kelpa {

namespace {
const QString kOper = QStringLiteral(":CDOPER");
const QString kData = QStringLiteral(":DTVIGN");
const QString kPessoa = QStringLiteral(":IDPSOA");
} // namespace

QString Participacao::textoTipoPessoa() const
{
    if (tipoPessoa == QLatin1String("F"))
        return QStringLiteral("FÍSICA");
    if (tipoPessoa == QLatin1String("J"))
        return QStringLiteral("JURÍDICA");
    return QStringLiteral("N/A");
}

ParticipacoesPeriodo::ParticipacoesPeriodo(const QSqlDatabase &db, QString codOper, Tabela tabela, const PeriodosQuadroCadastro &periodos)
    : m_db(db)
    , m_codOper(std::move(codOper))
    , m_tabela(std::move(tabela))
    , m_periodos(periodos)
{
}

qint64 ParticipacoesPeriodo::Quantidade(double armazenado)
{
    return std::isfinite(armazenado) ? std::llround(armazenado) : 0;
}

QString ParticipacoesPeriodo::Percentual(qint64 parte, qint64 total)
{
    if (parte == 0 || total <= 0)
        return FormatoBR::valor(0);
    // Hundredths of a percent rounded once from the ratio of the whole numbers, so 1 of 3 reads 33,33.
    const qint64 centesimos = std::llround(static_cast<long double>(parte) * 10000.0L / static_cast<long double>(total));
    return FormatoBR::valor(static_cast<double>(centesimos) / 100.0);
}

QList<Participacao> ParticipacoesPeriodo::Lista(const QDate &periodo, Ordem ordem, bool decrescente) const
{
    const bool temTotal = !m_tabela.totalEmpresa.isEmpty();
    // The ordering column comes from this list, never from the caller's text.
    const QString coluna = ordem == Ordem::Documento                 ? QStringLiteral("P.CD_CPF_CNPJ")
                           : ordem == Ordem::RedePropria             ? QStringLiteral("X.LG_REDE_PPIO")
                           : ordem == Ordem::Quantidade              ? QStringLiteral("X.QT_ACAO")
                           : ordem == Ordem::TotalEmpresa && temTotal ? QStringLiteral("X.") + m_tabela.totalEmpresa
                                                                      : QStringLiteral("P.NM_PSOA");
    const QString direcao = decrescente ? QStringLiteral(" DESC") : QString();
    Consulta q(m_db, QStringLiteral("SELECT X.%2 AS SEQUENCIA, X.ID_PSOA, X.QT_ACAO, %3 AS TOTAL, X.LG_REDE_PPIO, X.LG_ALTR_TRAM, "
                                    "       P.NM_PSOA, P.CD_CPF_CNPJ, P.TP_PSOA "
                                    "FROM %1 X LEFT JOIN PESSOAS P ON P.CD_OPER = X.CD_OPER AND P.ID_PSOA = X.ID_PSOA "
                                    "WHERE X.CD_OPER = :CDOPER AND X.DT_INIC_VIGN = :DTVIGN "
                                    "ORDER BY %4%5, X.%2%5")
                         .arg(m_tabela.nome, m_tabela.sequencia, temTotal ? QStringLiteral("X.") + m_tabela.totalEmpresa : QStringLiteral("0"),
                              coluna, direcao));
    q.bind(kOper, m_codOper).bind(kData, periodo);
    q.executar();
    QList<Participacao> lista;
    while (q.proxima()) {
        Participacao p;
        p.sequencia = static_cast<int>(q.inteiro(QStringLiteral("SEQUENCIA")));
        p.idPsoa = static_cast<int>(q.inteiro(QStringLiteral("ID_PSOA")));
        p.nome = q.texto(QStringLiteral("NM_PSOA")).trimmed();
        p.documento = q.texto(QStringLiteral("CD_CPF_CNPJ")).trimmed();
        p.tipoPessoa = q.texto(QStringLiteral("TP_PSOA")).trimmed().toUpper();
        p.quantidade = Quantidade(q.real(QStringLiteral("QT_ACAO")));
        p.totalEmpresa = Quantidade(q.real(QStringLiteral("TOTAL")));
        p.redePropria = q.texto(QStringLiteral("LG_REDE_PPIO")).trimmed();
        p.estadoTransmissao = q.texto(QStringLiteral("LG_ALTR_TRAM")).trimmed();
        lista << p;
    }
    return lista;
}

qint64 ParticipacoesPeriodo::Soma(const QDate &periodo) const
{
    // Added up as whole numbers: a sum of doubles could drift past the total.
    qint64 soma = 0;
    for (const Participacao &p : Lista(periodo))
        soma += p.quantidade;
    return soma;
}

bool ParticipacoesPeriodo::Grava(const QDate &periodo, Participacao &p)
{
    const bool temTotal = !m_tabela.totalEmpresa.isEmpty();
    Transacao transacao(m_db);
    QString estado = QStringLiteral("N");
    if (p.sequencia <= 0) {
        if (m_periodos.PessoaNoPeriodo(periodo, p.idPsoa))
            return false;
        Consulta proxima(m_db, QStringLiteral("SELECT COALESCE(MAX(%2), 0) + 1 AS PROXIMO FROM %1 "
                                              "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN")
                                   .arg(m_tabela.nome, m_tabela.sequencia));
        proxima.bind(kOper, m_codOper).bind(kData, periodo);
        p.sequencia = proxima.primeira() ? static_cast<int>(proxima.inteiro(QStringLiteral("PROXIMO"))) : 1;
        Consulta(m_db, QStringLiteral("INSERT INTO %1 (CD_OPER, DT_INIC_VIGN, %2, ID_PSOA, LG_REDE_PPIO, LG_ALTR_TRAM) "
                                      "VALUES (:CDOPER, :DTVIGN, :SEQ, :IDPSOA, :REDE, 'N')")
                           .arg(m_tabela.nome, m_tabela.sequencia))
            .bind(kOper, m_codOper)
            .bind(kData, periodo)
            .bind(QStringLiteral(":SEQ"), p.sequencia)
            .bind(kPessoa, p.idPsoa)
            .bind(QStringLiteral(":REDE"), p.redePropria)
            .executar();
    } else {
        Consulta gravado(m_db, QStringLiteral("SELECT LG_ALTR_TRAM FROM %1 WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND %2 = :SEQ")
                                   .arg(m_tabela.nome, m_tabela.sequencia));
        gravado.bind(kOper, m_codOper).bind(kData, periodo).bind(QStringLiteral(":SEQ"), p.sequencia);
        estado = EstadoTransmissaoAoGravar(gravado.primeira() ? gravado.texto(QStringLiteral("LG_ALTR_TRAM")).trimmed() : QString());
    }
    Consulta atualiza(m_db, QStringLiteral("UPDATE %1 SET QT_ACAO = :QTD%3, LG_ALTR_TRAM = :ESTADO "
                                           "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND %2 = :SEQ")
                                .arg(m_tabela.nome, m_tabela.sequencia,
                                     temTotal ? QStringLiteral(", %1 = :TOTAL").arg(m_tabela.totalEmpresa) : QString()));
    // Whole numbers bound as such: the column keeps them exactly.
    atualiza.bind(QStringLiteral(":QTD"), static_cast<double>(p.quantidade))
        .bind(QStringLiteral(":ESTADO"), estado)
        .bind(kOper, m_codOper)
        .bind(kData, periodo)
        .bind(QStringLiteral(":SEQ"), p.sequencia);
    if (temTotal)
        atualiza.bind(QStringLiteral(":TOTAL"), static_cast<double>(p.totalEmpresa));
    atualiza.executar();
    transacao.confirmar();
    p.estadoTransmissao = estado;
    return true;
}

} // namespace kelpa
