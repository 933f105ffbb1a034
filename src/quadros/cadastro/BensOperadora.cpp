#include "BensOperadora.h"

#include "app/Utilitarios.h"
#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "app/banco/Transacao.h"

namespace kelpa {

namespace {
const QString kOper = QStringLiteral(":CDOPER");
const QString kSeq = QStringLiteral(":SEQ");
} // namespace

QString TipoBem::texto() const
{
    return BensOperadora::TextoTipoBem(codigo, nome);
}

BensOperadora::BensOperadora(const QSqlDatabase &db, QString codOper, QString tabela, QChar letra)
    : m_db(db)
    , m_codOper(std::move(codOper))
    , m_tabela(std::move(tabela))
    , m_letra(letra)
{
}

QString BensOperadora::CodigoSequencia(QChar letra, qint64 numero)
{
    return letra + QStringLiteral("%1").arg(numero, 9, 10, QLatin1Char('0'));
}

QString BensOperadora::TextoTipoBem(const QString &codigo, const QString &nome)
{
    return QStringLiteral("%1 - %2").arg(codigo.trimmed().toInt(), 4).arg(nome.trimmed());
}

bool BensOperadora::Vinculado(const QString &sequencia) const
{
    Consulta q(m_db, QStringLiteral("SELECT 1 FROM ATIVOS_VINCULADOS WHERE CD_OPER = :CDOPER AND CD_SEQ_ATIVO = :SEQ LIMIT 1"));
    q.bind(kOper, m_codOper).bind(kSeq, sequencia);
    return q.primeira();
}

bool BensOperadora::Exclui(const QString &sequencia)
{
    Transacao transacao(m_db);
    if (Vinculado(sequencia))
        return false;
    // The table name is this class's own, never the caller's text.
    Consulta(m_db, QStringLiteral("DELETE FROM %1 WHERE CD_OPER = :CDOPER AND CD_SEQ_ATIVO = :SEQ").arg(m_tabela))
        .bind(kOper, m_codOper)
        .bind(kSeq, sequencia)
        .executar();
    transacao.confirmar();
    return true;
}

QList<TipoBem> BensOperadora::TiposBem(const QStringList &grupos, bool exceto) const
{
    QString filtro;
    QStringList marcadores;
    for (int i = 0; i < grupos.size(); ++i)
        marcadores << QStringLiteral(":G%1").arg(i);
    if (!grupos.isEmpty())
        filtro = QStringLiteral("WHERE COALESCE(CD_INDICADOR, '') %1 IN (%2) ")
                     .arg(exceto ? QStringLiteral("NOT") : QString(), marcadores.join(QStringLiteral(", ")));
    Consulta q(m_db, QStringLiteral("SELECT CD_BEM, NM_BEM FROM TB_BEMCODIGO %1ORDER BY NM_BEM, CD_BEM").arg(filtro));
    for (int i = 0; i < grupos.size(); ++i)
        q.bind(marcadores.at(i), grupos.at(i));
    q.executar();
    QList<TipoBem> tipos;
    while (q.proxima())
        tipos.append({q.texto(QStringLiteral("CD_BEM")).trimmed(), q.texto(QStringLiteral("NM_BEM")).trimmed()});
    return tipos;
}

QString BensOperadora::ProximaSequencia() const
{
    // Only codes of this register's letter count, read as numbers, so that a code of
    // another form stored by an older version cannot stop the numbering.
    Consulta q(m_db, QStringLiteral("SELECT MAX(N) AS ULTIMO FROM ("
                                    " SELECT CAST(substr(CD_SEQ_ATIVO, 2) AS INTEGER) AS N FROM %1"
                                    "  WHERE CD_OPER = :CDOPER AND substr(CD_SEQ_ATIVO, 1, 1) = :LETRA"
                                    " UNION ALL"
                                    " SELECT CAST(substr(CD_SEQ_ATIVO, 2) AS INTEGER) FROM ATIVOS_VINCULADOS"
                                    "  WHERE CD_OPER = :CDOPER AND substr(CD_SEQ_ATIVO, 1, 1) = :LETRA)")
                         .arg(m_tabela));
    q.bind(kOper, m_codOper).bind(QStringLiteral(":LETRA"), QString(m_letra));
    const qint64 ultimo = q.primeira() ? q.inteiro(QStringLiteral("ULTIMO")) : 0;
    return CodigoSequencia(m_letra, ultimo + 1);
}

BensOperadora::Gravacao BensOperadora::IniciaGravacao(const QString &sequencia) const
{
    if (sequencia.isEmpty())
        return {ProximaSequencia(), QStringLiteral("N"), true};
    Consulta q(m_db, QStringLiteral("SELECT LG_ALTR_TRAM FROM %1 WHERE CD_OPER = :CDOPER AND CD_SEQ_ATIVO = :SEQ").arg(m_tabela));
    q.bind(kOper, m_codOper).bind(kSeq, sequencia);
    if (!q.primeira())
        throw ErroBanco(QStringLiteral("O registro %1 não está mais cadastrado: outra estação pode tê-lo excluído.").arg(sequencia));
    return {sequencia, EstadoTransmissaoAoGravar(q.texto(QStringLiteral("LG_ALTR_TRAM")).trimmed()), false};
}

} // namespace kelpa
