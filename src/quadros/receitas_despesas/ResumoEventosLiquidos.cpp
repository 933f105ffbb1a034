#include "ResumoEventosLiquidos.h"

namespace kelpa {

ResumoEventosLiquidos::ResumoEventosLiquidos(QSqlDatabase db, QString codOper, QDate trimestre)
    : ValoresCabecalhoTrimestre(std::move(db), std::move(codOper), trimestre,
                                {QLatin1StringView("VL_DESP_HOSP_PROP"), QLatin1StringView("VL_DESP_HOSP_TOT"),
                                 QLatin1StringView("VL_DESP_MED_PROP"), QLatin1StringView("VL_DESP_MED_TOT"),
                                 QLatin1StringView("VL_DESP_ODON_PROP"), QLatin1StringView("VL_DESP_ODON_TOT")})
{
}

QString ResumoEventosLiquidos::titulo()
{
    return QStringLiteral("Quadro 9A: Resumo Eventos Indenizáveis Líquidos do Trimestre");
}

QString ResumoEventosLiquidos::dica(Campo campo)
{
    switch (campo) {
    case HospitalarPropria:
        return QStringLiteral("Corresponde à soma algébrica, do trimestre, das seguintes subcontas do Plano de \r\nContas Padrão "
                              "(RDC N.º 38, de 27/10/00 e suas posteriores alterações):\r\n(41114 + 41116 + 41154 + 41156) - "
                              "(41214 + 41216 + 41234 + 41236). ");
    case HospitalarTotal:
        return QStringLiteral("Corresponde à soma algébrica, do trimestre, das seguintes contas e subcontas do Plano \r\nde Contas "
                              "Padrão (RDC N.º 38, de 27/10/00 e suas posteriores alterações):\r\n(41114 + 41115 + 41116 + "
                              "41117 + 41118 + 41119 + 4113 + 41154 + 41155 +\r\n 41156 + 41157 + 41158) - (41214 + 41215 + "
                              "41216 + 41217 + 41218 + 41219 +\r\n 41234 + 41235 + 41236 + 41237 + 41238 + 4128 + 4131).");
    case MedicaPropria:
        return QStringLiteral("Corresponde à soma algébrica, do trimestre, das seguintes subcontas do Plano\r\nde Contas Padrão "
                              "(RDC Nº 38, de 27/10/00 e suas posteriores alterações):\r\n(41111 + 41112 + 41151 + 41152) - "
                              "(41211 + 41212 + 41231 + 41232).");
    case MedicaTotal:
        return QStringLiteral("Corresponde à soma algébrica, do trimestre, das seguintes subcontas do Plano \r\nde Contas Padrão "
                              "(RDC Nº 38, de 27/10/00 e suas posteriores alterações):\r\n(41111 + 41112 + 41113 + 41151 + "
                              "41152 + 41153) - (41211 + 41212 + 41213 +\r\n41231 + 41232 + 41233).");
    case OdontoPropria:
        return QStringLiteral("Corresponde à soma algébrica, do trimestre, das seguintes subcontas do Plano de \r\nContas Padrão "
                              "(RDC N.º 38, de 27/10/00 e suas posteriores alterações):\r\n(41121 + 41122 + 41124 + 41126 + "
                              "41161 + 41162 + 41164 + 4166) - (41221 +\r\n 41222 + 41224 + 41226 + 41241 + 41242 + 41244 + "
                              "41246).");
    case OdontoTotal:
        return QStringLiteral("Corresponde à soma algébrica, do trimestre, das seguintes contas do Plano\r\nde Contas Padrão "
                              "(RDC Nº 38, de 27/10/00 e suas posteriores alterações):\r\n(4112 + 4114 + 4116) - (4122 + 4124 "
                              "+ 4129 + 4132 ).");
    }
    return {};
}

double ResumoEventosLiquidos::percentual(Campo total) const
{
    // Each total follows its own network's part.
    return ValoresCabecalhoTrimestre::percentual(valor(total - 1), valor(total));
}

Moeda ResumoEventosLiquidos::totalMedicoHospitalar() const
{
    return valorOuZero(HospitalarTotal) + valorOuZero(MedicaTotal);
}

Moeda ResumoEventosLiquidos::totalGeral() const
{
    return totalMedicoHospitalar() + valorOuZero(OdontoTotal);
}

} // namespace kelpa
