#include "ReceitasSus.h"

#include "app/ServicosOperadora.h"

namespace kelpa {

ReceitasSus::ReceitasSus(QSqlDatabase db, QString codOper, QDate trimestre)
    : ValoresCabecalhoTrimestre(std::move(db), std::move(codOper), trimestre,
                                {QLatin1StringView("VL_RECT_SUS"), QLatin1StringView("VL_RECT_TOT")})
{
}

QString ReceitasSus::titulo()
{
    return QStringLiteral("Quadro 8A: Receitas Provenientes do SUS do Trimestre");
}

QString ReceitasSus::dica(Campo campo)
{
    if (campo == ReceitasDoSus)
        return QStringLiteral("Corresponde à soma algébrica, do trimestre, das seguintes subcontas do Plano \r\nde Contas Padrão "
                              "(RDC Nº 38, de 27/10/00 e suas posteriores alterações):\r\n33115 e 33125.");
    return QStringLiteral("Corresponde à soma algébrica, do trimestre, do seguinte grupo e subcontas do\r\nPlano de Contas Padrão "
                          "(RDC Nº 03, de 27/10/00  e suas posteriores alterações):\r\n311, 33115, 33116, 33117, 33125, 33126 "
                          "e 33127.");
}

QString ReceitasSus::avisoNaoPreenche(const QString &modalidade)
{
    if (modalidade == QLatin1String("ADMIN") || modalidade == QLatin1String("AUTOG"))
        return ServicosOperadora::MensagemDispensa(modalidade);
    return QStringLiteral("Este quadro não está disponível para a \rNatureza Jurídica escolhida.");
}

} // namespace kelpa
