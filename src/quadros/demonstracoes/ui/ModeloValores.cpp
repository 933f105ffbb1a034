#include "ModeloValores.h"

namespace kelpa {

QString ModeloValores::previa(const QModelIndex &, const QString &)
{
    return {};
}

void ModeloValores::encerrarPrevia()
{
}

bool ModeloValores::aceitaNegativo(const QModelIndex &) const
{
    return true;
}

int ModeloValores::tamanhoMaximo(const QModelIndex &) const
{
    // Fourteen integer digits with their grouping, a sign and the cents.
    return 22;
}

void ModeloValores::atualizarTudo()
{
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void ModeloValores::setHabilitado(bool habilita)
{
    m_habilitado = habilita;
    atualizarTudo();
}

QFont ModeloValores::fonteTotal()
{
    QFont f;
    f.setBold(true);
    return f;
}

QString ModeloValores::textoDica(QString dica)
{
    return dica.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n').trimmed();
}

} // namespace kelpa
