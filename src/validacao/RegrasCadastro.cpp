#include "RegrasCadastro.h"

#include "app/banco/Consulta.h"

namespace kelpa::validacao {

namespace {

const QDate kDesde2005(2005, 1, 1);

bool vazio(const QVariant &valor)
{
    return valor.isNull() || valor.toString().trimmed().isEmpty();
}

} // namespace

const QStringList &RegraAutogestaoMantida::operadorasMantidas()
{
    static const QStringList lista = QStringLiteral(
        "300497 301221 304590 307220 307319 307751 309362 310522 312126 313904 314668 315044 315095 315478 315583 "
        "316849 317233 321699 321869 323080 324477 327557 329665 330809 331317 331988 333328 335789 336165 336220 "
        "337404 338273 338648 338915 339555 339636 340103 342611 343231 344010 344184 346659 350206 352331 355151 "
        "356476 357669 358720 361461 363855 367877 368920 370321 370525 374300 374326 378216 380661 384704 390372 "
        "402826 411809 411825 412295 413534 413968 414026 414301 414310 414361 414832 414948 415031 415049 415359 "
        "415634 415758").split(u' ');
    return lista;
}

void RegraAutogestaoMantida::verificar(const ContextoValidacao &ctx, QList<Constatacao> &constatacoes) const
{
    if (!operadorasMantidas().contains(ctx.codOper))
        return;
    Consulta q(ctx.db, QStringLiteral("SELECT COUNT(*) FROM CADASTRO WHERE CD_OPER = :CD_OPER AND CD_SUBM = 'MANTI' "
                                      "AND DT_INIC_VIGN >= :DESDE"));
    q.bind(QStringLiteral(":CD_OPER"), ctx.codOper).bind(QStringLiteral(":DESDE"), QDate(2007, 1, 1));
    if (q.primeira() && q.valor(0).toLongLong() > 0)
        return;
    constatacoes << constatacao(QStringLiteral("01"),
                                QStringLiteral("Quadro 1 : Cadastro - A partir do ano de 2007, as AUTOGESTÃO MANTIDA devem "
                                               "OBRIGATORIAMENTE criar um lançamento com o ano corrente.\rPor favor, "
                                               "atualize o quadro para que os dados possam ser transmitidos à QOR."));
}

void RegraRegiaoAtuacao::verificar(const ContextoValidacao &ctx, QList<Constatacao> &constatacoes) const
{
    if (!ctx.operadoraDePlanos)
        return;
    Consulta q(ctx.db, QStringLiteral("SELECT CD_REG_ATUACAO FROM DADOSPESSOAS WHERE CD_OPER = :CDOPER "
                                      "AND DT_INIC_VIGN >= :DTINICVIGN AND ID_PSOA = 0"));
    q.bind(QStringLiteral(":CDOPER"), ctx.codOper).bind(QStringLiteral(":DTINICVIGN"), kDesde2005);
    q.executar();
    bool algumaLinha = false;
    bool falta = false;
    while (q.proxima()) {
        algumaLinha = true;
        const QVariant regiao = q.valor(0);
        if (vazio(regiao) || regiao.toString().trimmed() == QLatin1String("0"))
            falta = true;
    }
    if (falta || (!algumaLinha && ctx.temPeriodosDesde2005))
        constatacoes << constatacao(QStringLiteral("01"),
                                    QStringLiteral("Quadro 1 : Cadastro - A partir do ano de 2005, a REGIÃO DE ATUAÇÃO "
                                                   "deverá ser informada OBRIGATORIAMENTE.\rPor favor, atualize o quadro "
                                                   "para que os dados possam ser transmitidos à QOR."));
}

void RegraResponsavelTecnico::verificar(const ContextoValidacao &ctx, QList<Constatacao> &constatacoes) const
{
    // One row per registration version that tells whether it names a technical officer.
    Consulta q(ctx.db, QStringLiteral("SELECT DT_INIC_VIGN, MAX(CASE WHEN LG_RESPONSAVEL_TECNICO = 'T' THEN 1 ELSE 0 END) "
                                      "FROM ADMINISTRADORES WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN >= :DTINICVIGN "
                                      "GROUP BY DT_INIC_VIGN ORDER BY DT_INIC_VIGN"));
    q.bind(QStringLiteral(":CDOPER"), ctx.codOper).bind(QStringLiteral(":DTINICVIGN"), kDesde2005);
    q.executar();
    bool algumaLinha = false;
    bool falta = false;
    while (q.proxima() && !falta) {
        algumaLinha = true;
        falta = q.valor(1).toInt() == 0;
    }
    if (falta || (!algumaLinha && ctx.temPeriodosDesde2005))
        constatacoes << constatacao(QStringLiteral("03"),
                                    QStringLiteral("Quadro 3: Administradores - A partir do ano de 2005 o RESPONSÁVEL "
                                                   "TÉCNICO deverá ser informado.\rPor favor, atualize o quadro para que "
                                                   "os dados possam ser transmitidos à QOR."));
}

void RegraRepresentante::verificar(const ContextoValidacao &ctx, QList<Constatacao> &constatacoes) const
{
    Consulta q(ctx.db, QStringLiteral("SELECT CD_OPER_DIRE FROM DIRETORRELACOES WHERE CD_OPER = :CDOPER "
                                      "AND DT_INIC_VIGN >= :DTINICVIGN ORDER BY DT_INIC_VIGN"));
    q.bind(QStringLiteral(":CDOPER"), ctx.codOper).bind(QStringLiteral(":DTINICVIGN"), kDesde2005);
    q.executar();
    bool algumaLinha = false;
    bool falta = false;
    while (q.proxima()) {
        algumaLinha = true;
        if (vazio(q.valor(0)))
            falta = true;
    }
    if (falta || (!algumaLinha && ctx.temPeriodosDesde2005))
        constatacoes << constatacao(QStringLiteral("04"),
                                    QStringLiteral("Quadro 4: Representante junto à QOR - A partir do ano de 2005 o "
                                                   "REPRESENTANTE deverá ser informado OBRIGATORIAMENTE.\rPor favor, "
                                                   "atualize o quadro para que os dados possam ser transmitidos à QOR."));
}

} // namespace kelpa::validacao
