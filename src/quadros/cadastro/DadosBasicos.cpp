#include "DadosBasicos.h"

#include "PeriodosQuadroCadastro.h"

#include "app/Utilitarios.h"
#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "app/banco/Transacao.h"

#include <cmath>

namespace kelpa {

namespace {
const QString kOper = QStringLiteral(":CDOPER");
const QString kData = QStringLiteral(":DTVIGN");
const QDate k2005(2005, 1, 1);

QVariant textoOuNulo(const QString &texto)
{
    return texto.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(texto);
}
} // namespace

DadosBasicos::DadosBasicos(const QSqlDatabase &db, QString codOper)
    : m_db(db)
    , m_codOper(std::move(codOper))
{
}

PeriodosQuadroCadastro DadosBasicos::periodos() const
{
    // A new period starts with its own capital of 0.
    return PeriodosQuadroCadastro(m_db, m_codOper,
                                  {QStringLiteral("DADOSBASICOS"),
                                   {QStringLiteral("DT_FNDC"), QStringLiteral("QT_FUNC"), QStringLiteral("VL_CAPT_PPIO")},
                                   QStringLiteral("RESPONSAVEIS"),
                                   {QStringLiteral("ID_RPSV"), QStringLiteral("ID_PSOA"), QStringLiteral("NR_REGS_RPSV")},
                                   {{QStringLiteral("VL_CAPT_PPIO"), 0}}});
}

QList<QDate> DadosBasicos::Periodos()
{
    return periodos().Periodos();
}

bool DadosBasicos::MostraFundacao(const QDate &periodo)
{
    return periodo < k2005;
}

bool DadosBasicos::MostraAtuaria(const QDate &periodo, const QString &modalidade)
{
    return periodo < k2005 || modalidade != QLatin1String("ADMIN");
}

bool DadosBasicos::Dispensada(const QDate &periodo, const QString &modalidade, const QString &submodalidade)
{
    return periodo >= k2005 && modalidade == QLatin1String("AUTOG") && submodalidade != QLatin1String("NPATR");
}

int DadosBasicos::RemoveAtuariaAdministradora(const QString &modalidade)
{
    if (modalidade != QLatin1String("ADMIN"))
        return 0;
    Transacao transacao(m_db);
    Consulta q(m_db, QStringLiteral("DELETE FROM RESPONSAVEIS WHERE CD_OPER = :CDOPER AND ID_RPSV = 2 AND DT_INIC_VIGN >= :DTVIGN"));
    q.bind(kOper, m_codOper).bind(kData, k2005).executar();
    const int removidas = q.linhasAfetadas();
    transacao.confirmar();
    return removidas;
}

PeriodoDadosBasicos DadosBasicos::Carrega(const QDate &periodo) const
{
    PeriodoDadosBasicos d;
    d.periodo = periodo;
    Consulta q(m_db, QStringLiteral("SELECT DT_FNDC, QT_FUNC, VL_CAPT_PPIO, LG_ALTR_TRAM FROM DADOSBASICOS "
                                    "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN"));
    q.bind(kOper, m_codOper).bind(kData, periodo);
    if (q.primeira()) {
        d.existe = true;
        d.fundacao = q.data(QStringLiteral("DT_FNDC"));
        if (!q.nulo(QStringLiteral("QT_FUNC")))
            d.funcionarios = q.inteiro(QStringLiteral("QT_FUNC"));
        d.capitalProprio = q.real(QStringLiteral("VL_CAPT_PPIO"));
        d.estadoTransmissao = q.texto(QStringLiteral("LG_ALTR_TRAM"));
    }
    for (int tipo = 1; tipo <= 3; ++tipo) {
        ResponsavelBasico &r = d.responsavel(tipo);
        r.tipo = tipo;
        Consulta rq(m_db, QStringLiteral("SELECT R.ID_PSOA, R.NR_REGS_RPSV, R.LG_ALTR_TRAM, P.NM_PSOA FROM RESPONSAVEIS R "
                                         "LEFT JOIN PESSOAS P ON P.CD_OPER = R.CD_OPER AND P.ID_PSOA = R.ID_PSOA "
                                         "WHERE R.CD_OPER = :CDOPER AND R.DT_INIC_VIGN = :DTVIGN AND R.ID_RPSV = :IDRPSV"));
        rq.bind(kOper, m_codOper).bind(kData, periodo).bind(QStringLiteral(":IDRPSV"), tipo);
        if (rq.primeira()) {
            r.gravado = true;
            r.idPsoa = rq.nulo(QStringLiteral("ID_PSOA")) ? -1 : static_cast<int>(rq.inteiro(QStringLiteral("ID_PSOA")));
            r.registro = rq.texto(QStringLiteral("NR_REGS_RPSV"));
            r.estadoTransmissao = rq.texto(QStringLiteral("LG_ALTR_TRAM"));
            r.nome = rq.texto(QStringLiteral("NM_PSOA"));
        }
    }
    return d;
}

QStringList DadosBasicos::ItensFaltantes(const PeriodoDadosBasicos &d)
{
    QStringList itens;
    const ResponsavelBasico &contabil = d.responsavel(1);
    const ResponsavelBasico &auditor = d.responsavel(3);
    if (!contabil.preenchido() || contabil.nome.trimmed().isEmpty())
        itens << QStringLiteral(">> Responsável Contabilidade");
    if (contabil.registro.trimmed().isEmpty())
        itens << QStringLiteral(">> Registro Responsável Contabilidade");
    if (!auditor.preenchido() || auditor.nome.trimmed().isEmpty())
        itens << QStringLiteral(">> Responsável Auditoria");
    if (auditor.registro.trimmed().isEmpty())
        itens << QStringLiteral(">> Registro Responsável Auditoria");
    return itens;
}

bool DadosBasicos::PodeRetirar(const ResponsavelBasico &r)
{
    return !r.gravado || r.estadoTransmissao == QLatin1String("N");
}

void DadosBasicos::Grava(const PeriodoDadosBasicos &d)
{
    Transacao transacao(m_db);
    // Compared with what is stored now, not with what the screen loaded.
    const PeriodoDadosBasicos gravado = Carrega(d.periodo);
    if (!gravado.existe)
        periodos().IncluiPeriodo(d.periodo);
    const bool mudou = !gravado.existe || gravado.fundacao != d.fundacao || gravado.funcionarios != d.funcionarios
                       || std::llround(gravado.capitalProprio * 100) != std::llround(d.capitalProprio * 100);
    if (mudou) {
        Consulta(m_db, QStringLiteral("UPDATE DADOSBASICOS SET DT_FNDC = :DTFNDC, QT_FUNC = :QTFUNC, VL_CAPT_PPIO = :CAPITAL, "
                                      "LG_ALTR_TRAM = :ESTADO WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN"))
            .bind(QStringLiteral(":DTFNDC"), d.fundacao)
            .bind(QStringLiteral(":QTFUNC"), d.funcionarios ? QVariant(*d.funcionarios) : QVariant(QMetaType(QMetaType::LongLong)))
            .bind(QStringLiteral(":CAPITAL"), d.capitalProprio)
            .bind(QStringLiteral(":ESTADO"), gravado.existe ? EstadoTransmissaoAoGravar(gravado.estadoTransmissao) : QStringLiteral("N"))
            .bind(kOper, m_codOper)
            .bind(kData, d.periodo)
            .executar();
    }

    for (int tipo = 1; tipo <= 3; ++tipo) {
        const ResponsavelBasico &novo = d.responsavel(tipo);
        const ResponsavelBasico &antigo = gravado.responsavel(tipo);
        const QString registro = novo.registro.trimmed();
        if (!novo.preenchido()) {
            if (!antigo.gravado)
                continue;
            if (!PodeRetirar(antigo))
                throw ErroBanco(QStringLiteral("Responsável já transmitido!\rExclusão Cancelada"));
            Consulta(m_db, QStringLiteral("DELETE FROM RESPONSAVEIS WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND ID_RPSV = :IDRPSV"))
                .bind(kOper, m_codOper)
                .bind(kData, d.periodo)
                .bind(QStringLiteral(":IDRPSV"), tipo)
                .executar();
            continue;
        }
        if (!antigo.gravado) {
            Consulta(m_db, QStringLiteral("INSERT INTO RESPONSAVEIS (CD_OPER, ID_RPSV, ID_PSOA, DT_INIC_VIGN, NR_REGS_RPSV, LG_ALTR_TRAM) "
                                          "VALUES (:CDOPER, :IDRPSV, :IDPSOA, :DTVIGN, :REGISTRO, 'N')"))
                .bind(kOper, m_codOper)
                .bind(QStringLiteral(":IDRPSV"), tipo)
                .bind(QStringLiteral(":IDPSOA"), novo.idPsoa)
                .bind(kData, d.periodo)
                .bind(QStringLiteral(":REGISTRO"), textoOuNulo(registro))
                .executar();
            continue;
        }
        if (antigo.idPsoa == novo.idPsoa && antigo.registro.trimmed() == registro)
            continue;
        Consulta(m_db, QStringLiteral("UPDATE RESPONSAVEIS SET ID_PSOA = :IDPSOA, NR_REGS_RPSV = :REGISTRO, LG_ALTR_TRAM = :ESTADO "
                                      "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND ID_RPSV = :IDRPSV"))
            .bind(QStringLiteral(":IDPSOA"), novo.idPsoa)
            .bind(QStringLiteral(":REGISTRO"), textoOuNulo(registro))
            .bind(QStringLiteral(":ESTADO"), EstadoTransmissaoAoGravar(antigo.estadoTransmissao))
            .bind(kOper, m_codOper)
            .bind(kData, d.periodo)
            .bind(QStringLiteral(":IDRPSV"), tipo)
            .executar();
    }
    transacao.confirmar();
}

bool DadosBasicos::IncluiPeriodo(const QDate &data)
{
    return periodos().IncluiPeriodo(data);
}

bool DadosBasicos::CopiaPeriodo(const QDate &data)
{
    return periodos().CopiaPeriodo(data);
}

bool DadosBasicos::ExcluiPeriodo(const QDate &data)
{
    // Unlike the list quadros, Quadro 2's own row holds sent figures: a transmitted
    // header stays even when no responsible remains.
    Transacao transacao(m_db);
    Consulta(m_db, QStringLiteral("DELETE FROM RESPONSAVEIS WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND LG_ALTR_TRAM = 'N'"))
        .bind(kOper, m_codOper)
        .bind(kData, data)
        .executar();
    bool restam = false;
    {
        Consulta restantes(m_db, QStringLiteral("SELECT 1 FROM RESPONSAVEIS WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN"));
        restantes.bind(kOper, m_codOper).bind(kData, data);
        restam = restantes.primeira();
    }
    if (!restam)
        Consulta(m_db, QStringLiteral("DELETE FROM DADOSBASICOS WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND LG_ALTR_TRAM = 'N'"))
            .bind(kOper, m_codOper)
            .bind(kData, data)
            .executar();
    transacao.confirmar();
    return !periodos().Existe(data);
}

} // namespace kelpa
