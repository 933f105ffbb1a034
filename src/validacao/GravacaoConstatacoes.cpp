#include "GravacaoConstatacoes.h"

#include "app/ServicosOperadora.h"
#include "app/banco/Consulta.h"

namespace kelpa::validacao {

namespace {

// Bound as text even when empty: the lists and the gate test for empty strings, and
// the regulator's file expects them.
QVariant textoNaoNulo(const QString &texto)
{
    return texto.isNull() ? QVariant(QString::fromLatin1("", 0)) : QVariant(texto);
}

} // namespace

QString GravacaoConstatacoes::MensagemNaoConcluida()
{
    return QStringLiteral("A validação dos dados não foi concluída. Enquanto uma validação completa não for executada, "
                          "não será possível transmitir os dados ou gerar disquete.");
}

GravacaoConstatacoes::GravacaoConstatacoes(const QSqlDatabase &db, QString codOper)
    : m_db(db)
    , m_codOper(std::move(codOper))
{
}

void GravacaoConstatacoes::apagarTodas() const
{
    Consulta(m_db, QStringLiteral("DELETE FROM VALIDACAO WHERE CD_OPER = :CDOPER"))
        .bind(QStringLiteral(":CDOPER"), m_codOper)
        .executar();
}

void GravacaoConstatacoes::inserir(qint64 sequencia, const QString &quadro, const QString &texto,
                                   const QString &quadroDois, const QString &tipo, const QString &periodo) const
{
    Consulta q(m_db, QStringLiteral("INSERT INTO VALIDACAO (CD_OPER, NR_VLDC_SEQL, DE_VLDC_QUAD_UM, DE_VLDC_TEXT_UM, "
                                    "VL_VLDC_VALO_UM, DE_VLDC_QUAD_DOIS, DE_VLDC_TEXT_DOIS, VL_VLDC_VALO_DOIS, "
                                    "DE_VLDC_ESTR_CAMP, TP_VLDC, DE_PERI, DE_VLDC_JUST, LG_ALTR_TRAM) "
                                    "VALUES (:CDOPER, :NRSEQL, :QUAD_1, :TEXT_1, :VALO_1, :QUAD_2, :TEXT_2, :VALO_2, "
                                    ":STRCPO, :TPVLDC, :DTVIGN, :VLJUST, 'N')"));
    q.bind(QStringLiteral(":CDOPER"), m_codOper)
        .bind(QStringLiteral(":NRSEQL"), sequencia)
        .bind(QStringLiteral(":QUAD_1"), textoNaoNulo(quadro))
        .bind(QStringLiteral(":TEXT_1"), textoNaoNulo(texto))
        .bind(QStringLiteral(":VALO_1"), 0.0)
        .bind(QStringLiteral(":QUAD_2"), textoNaoNulo(quadroDois))
        .bind(QStringLiteral(":TEXT_2"), textoNaoNulo({}))
        .bind(QStringLiteral(":VALO_2"), 0.0)
        .bind(QStringLiteral(":STRCPO"), textoNaoNulo({}))
        .bind(QStringLiteral(":TPVLDC"), textoNaoNulo(tipo))
        .bind(QStringLiteral(":DTVIGN"), textoNaoNulo(periodo))
        .bind(QStringLiteral(":VLJUST"), textoNaoNulo({}))
        .executar();
}

void GravacaoConstatacoes::gravar(const QList<Constatacao> &constatacoes) const
{
    Consulta proximo(m_db, QStringLiteral("SELECT COALESCE(MAX(NR_VLDC_SEQL), 0) + 1 FROM VALIDACAO WHERE CD_OPER = :CDOPER"));
    proximo.bind(QStringLiteral(":CDOPER"), m_codOper);
    qint64 sequencia = proximo.primeira() ? proximo.valor(0).toLongLong() : 1;
    for (const Constatacao &c : constatacoes)
        inserir(sequencia++, c.quadro, c.mensagem, QString(), QStringLiteral("2"), c.dePeri());
}

bool GravacaoConstatacoes::EnvioLiberado(const QSqlDatabase &db, const QString &codOper)
{
    return ServicosOperadora(db, codOper).TransmissaoPermitida();
}

} // namespace kelpa::validacao
