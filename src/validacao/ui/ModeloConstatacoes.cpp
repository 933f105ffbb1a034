#include "ModeloConstatacoes.h"

namespace kelpa::validacao {

ModeloConstatacoes::ModeloConstatacoes(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ModeloConstatacoes::definir(const QList<relatorios::ConstatacaoValidacao> &lista)
{
    beginResetModel();
    m_lista = lista;
    endResetModel();
}

int ModeloConstatacoes::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lista.size());
}

int ModeloConstatacoes::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QString ModeloConstatacoes::textoParaTela(const QString &mensagem)
{
    QString texto = mensagem;
    return texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

QVariant ModeloConstatacoes::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_lista.size())
        return {};
    const relatorios::ConstatacaoValidacao &c = m_lista.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == ColunaPeriodo ? relatorios::ListaValidacao::textoPeriodo(c.periodo)
                                               : textoParaTela(c.mensagem);
    case Qt::ToolTipRole:
        return index.column() == ColunaDescricao ? textoParaTela(c.mensagem) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignTop));
    default:
        return {};
    }
}

QVariant ModeloConstatacoes::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == ColunaPeriodo ? QStringLiteral("Inconsistência") : QStringLiteral("Descrição");
}

} // namespace kelpa::validacao
