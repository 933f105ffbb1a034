#include "LeitorContas.h"

namespace kelpa::validacao {

LeitorContas::LeitorContas(const QSqlDatabase &db, QString codOper, Filtro filtro)
    : m_db(db)
    , m_codOper(std::move(codOper))
    , m_filtro(filtro)
{
}

LeitorContas::~LeitorContas() = default;

LeitorContas::Leitura LeitorContas::ler(const QDate &periodo, const QStringList &contas)
{
    const QString chave = contas.join(u',');
    auto &consulta = m_consultas[chave];
    if (!consulta) {
        // The placeholders are numbered here; the codes themselves are bound.
        QStringList marcadores;
        for (qsizetype i = 0; i < contas.size(); ++i)
            marcadores << QStringLiteral(":C%1").arg(i);
        QString sql = QStringLiteral("SELECT V.CD_CONTA_REFERENCIA, V.VL_CONTA_REFERENCIA FROM PLANOCONTASVALOR V ");
        if (m_filtro == DoPlanoDeContas)
            sql += QStringLiteral("JOIN TB_PLANOCONTAS P ON P.DT_INIC_VIGN_PLANO = V.DT_INIC_VIGN_PLANO "
                                  "AND P.ID_TIPO_PLANO = V.ID_TIPO_PLANO AND P.CD_CONTA_REFERENCIA = V.CD_CONTA_REFERENCIA ");
        sql += QStringLiteral("WHERE V.CD_OPER = :CDOPER AND V.DT_INIC_VIGN = :DTVIGN AND V.CD_CONTA_REFERENCIA IN (%1)")
                   .arg(marcadores.join(u','));
        if (m_filtro == NaoTransmitidas)
            sql += QStringLiteral(" AND V.LG_ALTR_TRAM <> 'T'");
        consulta = std::make_unique<Consulta>(m_db, sql);
    }
    consulta->bind(QStringLiteral(":CDOPER"), m_codOper).bind(QStringLiteral(":DTVIGN"), periodo);
    for (qsizetype i = 0; i < contas.size(); ++i)
        consulta->bind(QStringLiteral(":C%1").arg(i), contas.at(i));
    consulta->executar();

    Leitura leitura;
    while (consulta->proxima()) {
        const QString conta = consulta->valor(0).toString();
        const Moeda valor = Moeda::doBanco(consulta->valor(1));
        leitura.porConta[conta] += valor;
        leitura.soma += valor;
        leitura.encontrada = true;
    }
    return leitura;
}

} // namespace kelpa::validacao
