#include "ModeloDespesasComercializacao.h"

#include "app/banco/ErroBanco.h"
#include "quadros/base/ui/DelegadoGrade.h"

#include <QColor>

namespace kelpa {

ModeloDespesasComercializacao::ModeloDespesasComercializacao(QChar tipo, QObject *parent)
    : ModeloValores(parent)
    , m_tipo(tipo)
{
}

void ModeloDespesasComercializacao::setDados(DespesasComercializacao *dados)
{
    beginResetModel();
    m_dados = dados;
    m_previa.reset();
    m_codigos.clear();
    if (m_dados)
        for (const ItemDespesaComerc &i : m_dados->itens(m_tipo))
            m_codigos << i.codigo;
    endResetModel();
}

QModelIndex ModeloDespesasComercializacao::indiceDe(const QString &codigo) const
{
    const qsizetype linha = m_codigos.indexOf(codigo);
    return linha < 0 ? QModelIndex() : index(static_cast<int>(linha), Valor);
}

const ItemDespesaComerc *ModeloDespesasComercializacao::itemDa(int linha) const
{
    return m_dados && linha >= 0 && linha < m_codigos.size() ? m_dados->item(m_codigos.at(linha)) : nullptr;
}

int ModeloDespesasComercializacao::rowCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : static_cast<int>(m_codigos.size());
}

int ModeloDespesasComercializacao::columnCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : Colunas;
}

QVariant ModeloDespesasComercializacao::data(const QModelIndex &indice, int papel) const
{
    if (!indice.isValid() || !checkIndex(indice))
        return {};
    const ItemDespesaComerc *item = itemDa(indice.row());
    if (!item)
        return {};
    const bool valor = indice.column() == Valor;
    switch (papel) {
    case Qt::DisplayRole:
        // An amount nobody typed yet shows, and counts, as zero.
        return valor ? item->valorOuZero().texto() : item->descricao;
    case Qt::EditRole:
        return valor ? item->valorOuZero().textoSemAgrupamento() : item->descricao;
    case Qt::ToolTipRole:
        return !valor && !item->dica.trimmed().isEmpty() ? QVariant(textoDica(item->dica)) : QVariant();
    case Qt::ForegroundRole:
        return valor && item->valorOuZero().negativo() ? QVariant(QColor(Qt::red)) : QVariant();
    case Qt::TextAlignmentRole:
        return valor ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case DelegadoGrade::PapelEstadoTransmissao:
        return item->estadoTransmissao;
    default:
        return {};
    }
}

Qt::ItemFlags ModeloDespesasComercializacao::flags(const QModelIndex &indice) const
{
    if (!indice.isValid() || !checkIndex(indice) || !m_dados)
        return Qt::NoItemFlags;
    // Only the amount can be chosen; it takes typing while the grid is open.
    if (indice.column() != Valor)
        return Qt::ItemIsEnabled;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (habilitado())
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant ModeloDespesasComercializacao::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole)
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    return secao == Descricao ? QStringLiteral("Despesa") : QStringLiteral("Valor (R$)");
}

bool ModeloDespesasComercializacao::setData(const QModelIndex &indice, const QVariant &valor, int papel)
{
    const ItemDespesaComerc *item = itemDa(indice.row());
    if (papel != Qt::EditRole || !item || !(flags(indice) & Qt::ItemIsEditable))
        return false;
    const QString codigo = item->codigo;
    const std::optional<Moeda> antes = item->valor;
    try {
        m_dados->informarDigitado(codigo, valor.toString());
    } catch (const ErroBanco &e) {
        emit falhou(e.textoCompleto());
        return false;
    }
    encerrarPrevia();
    emit dataChanged(index(indice.row(), 0), index(indice.row(), Colunas - 1));
    const ItemDespesaComerc *depois = m_dados->item(codigo);
    if (depois && depois->valor != antes)
        emit alterado();
    return true;
}

QString ModeloDespesasComercializacao::previa(const QModelIndex &indice, const QString &texto)
{
    const ItemDespesaComerc *item = itemDa(indice.row());
    if (!item || !(flags(indice) & Qt::ItemIsEditable))
        return {};
    m_previa = Previa{item->codigo, Moeda::lerDigitado(texto.trimmed())};
    emit previaMudou();
    return {};
}

void ModeloDespesasComercializacao::encerrarPrevia()
{
    if (!m_previa)
        return;
    m_previa.reset();
    emit previaMudou();
}

} // namespace kelpa
