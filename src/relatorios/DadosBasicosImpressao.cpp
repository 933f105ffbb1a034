#include "DadosBasicosImpressao.h"

#include "PeriodoEmVigor.h"
#include "app/banco/Consulta.h"

namespace kelpa::relatorios {

DadosBasicosEmVigor DadosBasicosImpressao::ler(const QSqlDatabase &db, const QString &operadora, const QDate &data)
{
    DadosBasicosEmVigor d;
    d.periodo = PeriodoEmVigor::inicio(db, QStringLiteral("DADOSBASICOS"), operadora, data);
    if (!d.periodo.isValid())
        return d;

    Consulta basicos(db, QStringLiteral("SELECT DT_FNDC, QT_FUNC FROM DADOSBASICOS "
                                        "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :PERIODO"));
    basicos.bind(QStringLiteral(":CDOPER"), operadora).bind(QStringLiteral(":PERIODO"), d.periodo);
    if (basicos.primeira()) {
        d.fundacao = basicos.data(QStringLiteral("DT_FNDC"));
        if (!basicos.nulo(QStringLiteral("QT_FUNC")))
            d.funcionarios = basicos.inteiro(QStringLiteral("QT_FUNC"));
    }

    // Only the responsibles of the period in force: a newer period that lacks one kind
    // must not borrow it from an older period.
    Consulta responsaveis(db, QStringLiteral("SELECT R.ID_RPSV, T.DE_RPSV, P.TP_PSOA, P.NM_PSOA, P.CD_CPF_CNPJ, "
                                             "       P.LG_ESTRANGEIRO, R.NR_REGS_RPSV "
                                             "FROM RESPONSAVEIS R "
                                             "JOIN PESSOAS P ON P.CD_OPER = R.CD_OPER AND P.ID_PSOA = R.ID_PSOA "
                                             "LEFT JOIN TP_RESPONSAVEL T ON T.ID_RPSV = R.ID_RPSV "
                                             "WHERE R.CD_OPER = :CDOPER AND R.DT_INIC_VIGN = :PERIODO "
                                             "ORDER BY R.ID_RPSV"));
    responsaveis.bind(QStringLiteral(":CDOPER"), operadora).bind(QStringLiteral(":PERIODO"), d.periodo);
    responsaveis.executar();
    while (responsaveis.proxima()) {
        ResponsavelImpresso r;
        r.tipo = static_cast<int>(responsaveis.inteiro(QStringLiteral("ID_RPSV")));
        r.tipoDescricao = responsaveis.texto(QStringLiteral("DE_RPSV")).trimmed();
        r.pessoaFisica = responsaveis.texto(QStringLiteral("TP_PSOA")).trimmed().toUpper() != QLatin1String("J");
        r.nome = responsaveis.texto(QStringLiteral("NM_PSOA")).trimmed();
        r.documento = responsaveis.texto(QStringLiteral("CD_CPF_CNPJ")).trimmed();
        r.estrangeiro = responsaveis.texto(QStringLiteral("LG_ESTRANGEIRO")).trimmed().toUpper() == QLatin1String("T");
        r.registro = responsaveis.texto(QStringLiteral("NR_REGS_RPSV")).trimmed();
        if (!r.nome.isEmpty() || !r.documento.isEmpty())
            d.responsaveis << r;
    }
    return d;
}

} // namespace kelpa::relatorios
