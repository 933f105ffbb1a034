#include "InformacoesGerais.h"

#include "TrimestresEconomicos.h"

#include "app/Utilitarios.h"
#include "app/banco/Consulta.h"
#include "app/banco/Transacao.h"

namespace kelpa {

namespace {

// The comment as stored: "N" stands for no comment.
const QString semComentario = QStringLiteral("N");

std::optional<qint64> inteiro(const Consulta &q, const QString &coluna)
{
    if (q.nulo(coluna))
        return std::nullopt;
    return q.inteiro(coluna);
}

QVariant paraBanco(const std::optional<qint64> &valor)
{
    return valor ? QVariant(*valor) : QVariant(QMetaType(QMetaType::LongLong));
}

} // namespace

const QString InformacoesGerais::Titulo = QStringLiteral("Informações Gerais");

InformacoesGerais::InformacoesGerais(QSqlDatabase db, QString codOper, QDate trimestre)
    : m_db(std::move(db))
    , m_codOper(std::move(codOper))
    , m_trimestre(trimestre)
{
}

bool InformacoesGerais::ler()
{
    Consulta q(m_db, QStringLiteral("SELECT VL_TOTL_BENE, QT_FUNC, TX_SUGESTAO, LG_ALTR_TRAM FROM DADOSGERENCIAIS "
                                    "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN LIMIT 1"));
    q.bind(QStringLiteral(":CDOPER"), m_codOper).bind(QStringLiteral(":DTVIGN"), m_trimestre);
    m_gravados = {};
    m_estado.clear();
    if (!q.primeira())
        return false;
    m_gravados.beneficiarios = inteiro(q, QStringLiteral("VL_TOTL_BENE"));
    m_gravados.funcionarios = inteiro(q, QStringLiteral("QT_FUNC"));
    const QString comentario = q.texto(QStringLiteral("TX_SUGESTAO"));
    m_gravados.comentario = comentario == semComentario ? QString() : comentario;
    m_estado = q.texto(QStringLiteral("LG_ALTR_TRAM"));
    return true;
}

void InformacoesGerais::garantirLinha()
{
    TrimestresEconomicos::GarantirLinha(m_db, QLatin1StringView("DADOSGERENCIAIS"), m_codOper, m_trimestre,
                                        QLatin1StringView("TX_SUGESTAO"));
}

void InformacoesGerais::carregar()
{
    if (!ler()) {
        garantirLinha();
        ler();
    }
}

bool InformacoesGerais::gravar(const DadosGerenciais &dados)
{
    DadosGerenciais novos = dados;
    if (novos.comentario.trimmed().isEmpty())
        novos.comentario.clear();
    if (novos == m_gravados)
        return false;
    const QString comentario = novos.comentario.isEmpty() ? semComentario : novos.comentario;
    QString estado = EstadoTransmissaoAoGravar(m_estado);
    if (comentario == semComentario && novos.funcionarios.value_or(0) == 0)
        estado = QStringLiteral("N");

    Transacao transacao(m_db);
    // The row may have gone with its quarter meanwhile: what was typed is not lost.
    garantirLinha();
    Consulta(m_db, QStringLiteral("UPDATE DADOSGERENCIAIS SET VL_TOTL_BENE = :BENE, QT_FUNC = :FUNC, "
                                  "TX_SUGESTAO = :SUGESTAO, LG_ALTR_TRAM = :ESTADO "
                                  "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN"))
        .bind(QStringLiteral(":BENE"), paraBanco(novos.beneficiarios))
        .bind(QStringLiteral(":FUNC"), paraBanco(novos.funcionarios))
        .bind(QStringLiteral(":SUGESTAO"), comentario)
        .bind(QStringLiteral(":ESTADO"), estado)
        .bind(QStringLiteral(":CDOPER"), m_codOper)
        .bind(QStringLiteral(":DTVIGN"), m_trimestre)
        .executar();
    transacao.confirmar();
    m_gravados = novos;
    m_estado = estado;
    return true;
}

} // namespace kelpa
