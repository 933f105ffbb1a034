#include "ProvisoesTecnicas.h"

#include "TrimestresEconomicos.h"

#include "app/Utilitarios.h"
#include "app/banco/Consulta.h"
#include "app/banco/Transacao.h"

namespace kelpa {

const QString ProvisoesTecnicas::Titulo = QStringLiteral("Quadro 14: Provisões Técnicas");
const QString ProvisoesTecnicas::AvisoDesde2007 =
    QStringLiteral(" A partir do 1° Trimestre de 2007, as Provisões Técnicas \n\r deverão ser informadas no Quadro 12 PASSIVO. ");
const QString ProvisoesTecnicas::AvisoAntes2003 =
    QStringLiteral("Quadro disponível somente para\rinformações a partir do 1º Trimestre de 2003.");

QString ProvisoesTecnicas::coluna(Campo campo)
{
    static const std::array<QString, Campos> nomes{
        QStringLiteral("VL_PROV_RISCO"),     QStringLiteral("VL_PROV_OPER"),      QStringLiteral("VL_PROV_EVEN_IBNR"),
        QStringLiteral("VL_PROV_OUTR"),      QStringLiteral("VL_PROV_REMISSAO"),  QStringLiteral("VL_PROV_REM_CURTO"),
        QStringLiteral("VL_PROV_REM_LONGO"), QStringLiteral("VL_PROV_REM_OUTRAS"),
    };
    return nomes.at(campo);
}

bool ProvisoesTecnicas::disponivel(const QDate &trimestre)
{
    return trimestre.isValid() && trimestre >= QDate(2003, 1, 1) && !aPartirDe2007(trimestre);
}

QList<ProvisoesTecnicas::Campo> ProvisoesTecnicas::camposEntrada(const QDate &trimestre)
{
    if (comRemissao(trimestre))
        return {Risco, Operacao, EventosIbnr, RemCurto, RemLongo, RemOutras};
    return {Risco, Operacao, EventosIbnr, Outras};
}

QList<ProvisoesTecnicas::Linha> ProvisoesTecnicas::leiaute(const QDate &trimestre)
{
    QList<Linha> linhas{
        {Risco, QStringLiteral("de Risco"), 0},
        {Operacao, QStringLiteral("para Operação"), 0},
        {EventosIbnr, QStringLiteral("para Eventos Ocorridos e Não Avisados"), 0},
        {Outras, QStringLiteral("Outras"), 0},
    };
    if (comRemissao(trimestre))
        linhas << Linha{Remissao, QStringLiteral("Remissão"), 1} << Linha{RemCurto, QStringLiteral("Curto Prazo"), 2}
               << Linha{RemLongo, QStringLiteral("Longo Prazo"), 2} << Linha{RemOutras, QStringLiteral("Outras"), 1};
    linhas << Linha{-1, QStringLiteral("Total Geral:"), 0};
    return linhas;
}

ProvisoesTecnicas::ProvisoesTecnicas(QSqlDatabase db, QString codOper, QDate trimestre)
    : m_db(std::move(db))
    , m_codOper(std::move(codOper))
    , m_trimestre(trimestre)
{
}

bool ProvisoesTecnicas::ler()
{
    QString colunas;
    for (int c = 0; c < Campos; ++c)
        colunas += coluna(static_cast<Campo>(c)) + QStringLiteral(", ");
    // Ties on the key are possible in older databases: the first row read is the quarter's.
    Consulta q(m_db, QStringLiteral("SELECT %1LG_ALTR_TRAM FROM PROVISOESTECNICAS WHERE CD_OPER = :CDOPER "
                                    "AND DT_INIC_VIGN = :DTVIGN LIMIT 1")
                         .arg(colunas));
    q.bind(QStringLiteral(":CDOPER"), m_codOper).bind(QStringLiteral(":DTVIGN"), m_trimestre);
    m_gravados.fill(Moeda());
    m_estado.clear();
    const bool existe = q.primeira();
    if (existe) {
        for (int c = 0; c < Campos; ++c)
            m_gravados[c] = Moeda::doBanco(q.valor(c));
        m_estado = q.texto(QStringLiteral("LG_ALTR_TRAM"));
    }
    m_valores = m_gravados;
    return existe;
}

void ProvisoesTecnicas::garantirLinha()
{
    TrimestresEconomicos::GarantirLinha(m_db, QLatin1StringView("PROVISOESTECNICAS"), m_codOper, m_trimestre);
}

void ProvisoesTecnicas::carregar()
{
    if (!ler()) {
        garantirLinha();
        ler();
    }
}

bool ProvisoesTecnicas::informar(Campo campo, Moeda valor)
{
    if (!entrada(campo))
        return false;
    const Moeda cortado = valor.truncadaEmCentavos();
    const bool mudou = m_valores.at(campo) != cortado;
    m_valores[campo] = cortado;
    recalcular();
    return mudou;
}

void ProvisoesTecnicas::recalcular()
{
    if (!comRemissao(m_trimestre))
        return;
    m_valores[Remissao] = m_valores[RemCurto] + m_valores[RemLongo];
    m_valores[Outras] = m_valores[Remissao] + m_valores[RemOutras];
}

Moeda ProvisoesTecnicas::total() const
{
    return m_valores[Risco] + m_valores[Operacao] + m_valores[EventosIbnr] + m_valores[Outras];
}

void ProvisoesTecnicas::gravar()
{
    if (!alterado())
        return;
    // Up to 2004 the remission columns are not part of the quarter: they stay as stored.
    QList<Campo> campos = camposEntrada(m_trimestre);
    if (comRemissao(m_trimestre))
        campos << Outras << Remissao;
    QList<QPair<QString, QVariant>> valores;
    for (Campo c : std::as_const(campos))
        valores.append({coluna(c), m_valores.at(c).paraBanco()});
    Transacao transacao(m_db);
    // The row may have gone with its quarter meanwhile: the figures typed are not lost.
    garantirLinha();
    const QString estado =
        TrimestresEconomicos::GravarLinha(m_db, QLatin1StringView("PROVISOESTECNICAS"), m_codOper, m_trimestre, valores, m_estado);
    transacao.confirmar();
    m_gravados = m_valores;
    m_estado = estado;
}

} // namespace kelpa
