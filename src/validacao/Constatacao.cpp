#include "Constatacao.h"

#include "quadros/base/Periodos.h"

namespace kelpa::validacao {

QString Constatacao::TextoPeriodoValidacao(const QDate &periodo)
{
    if (!periodo.isValid())
        return QString(QLatin1String(""));
    return QStringLiteral("%1%2").arg(periodo.year()).arg(Periodos::NumeroTrimestre(periodo));
}

QString Constatacao::textoPeriodo() const
{
    return periodo.isValid() ? Periodos::TextoTrimestre(periodo) : QString(QLatin1String(""));
}

} // namespace kelpa::validacao
