#include "ModeloValoresCabecalho.h"

#include <QColor>

namespace kelpa {

void ModeloValoresCabecalho::setLeiaute(const QStringList &titulos, const QList<Linha> &linhas)
{
    beginResetModel();
    m_titulos = titulos;
    m_linhas = linhas;
    endResetModel();
}

void ModeloValoresCabecalho::setDados(ValoresCabecalhoTrimestre *dados)
{
    beginResetModel();
    m_dados = dados;
    m_antesDaPrevia.reset();
    endResetModel();
}

QModelIndex ModeloValoresCabecalho::indiceDoCampo(int campo) const
{
    for (int l = 0; l < m_linhas.size(); ++l)
        for (int c = 0; c < m_linhas.at(l).size(); ++c)
            if (m_linhas.at(l).at(c).tipo == Celula::Campo && m_linhas.at(l).at(c).campo == campo)
                return index(l, c);
    return {};
}

const ModeloValoresCabecalho::Celula *ModeloValoresCabecalho::celula(const QModelIndex &indice) const
{
    if (!indice.isValid() || indice.row() >= m_linhas.size() || indice.column() >= m_linhas.at(indice.row()).size())
        return nullptr;
    return &m_linhas.at(indice.row()).at(indice.column());
}

int ModeloValoresCabecalho::rowCount(const QModelIndex &pai) const
{
    return pai.isValid() || !m_dados ? 0 : static_cast<int>(m_linhas.size());
}

int ModeloValoresCabecalho::columnCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : static_cast<int>(m_titulos.size());
}

QVariant ModeloValoresCabecalho::data(const QModelIndex &indice, int papel) const
{
    if (!checkIndex(indice, CheckIndexOption::IndexIsValid) || !m_dados)
        return {};
    const Celula *c = celula(indice);
    if (!c)
        return {};
    switch (papel) {
    case Qt::DisplayRole:
        switch (c->tipo) {
        case Celula::Rotulo:
            return c->texto;
        case Celula::Campo:
            return m_dados->valorOuZero(c->campo).texto();
        case Celula::Calculada:
            return c->calculo ? c->calculo() : QString();
        case Celula::Vazia:
            return {};
        }
        return {};
    case Qt::EditRole:
        return c->tipo == Celula::Campo ? QVariant(m_dados->valorOuZero(c->campo).textoSemAgrupamento()) : data(indice);
    case Qt::ToolTipRole:
        return c->dica.isEmpty() ? QVariant() : QVariant(textoDica(c->dica));
    case Qt::FontRole:
        return c->negrito ? QVariant(fonteTotal()) : QVariant();
    case Qt::ForegroundRole:
        return c->tipo == Celula::Campo && m_dados->valorOuZero(c->campo).negativo() ? QVariant(QColor(Qt::red)) : QVariant();
    case Qt::TextAlignmentRole:
        return c->tipo == Celula::Rotulo ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

Qt::ItemFlags ModeloValoresCabecalho::flags(const QModelIndex &indice) const
{
    const Celula *c = celula(indice);
    if (!c || !m_dados)
        return Qt::NoItemFlags;
    if (c->tipo != Celula::Campo)
        return Qt::ItemIsEnabled;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (habilitado())
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant ModeloValoresCabecalho::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole || secao < 0 || secao >= m_titulos.size())
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    return m_titulos.at(secao);
}

bool ModeloValoresCabecalho::setData(const QModelIndex &indice, const QVariant &valor, int papel)
{
    const Celula *c = celula(indice);
    if (papel != Qt::EditRole || !c || !(flags(indice) & Qt::ItemIsEditable))
        return false;
    // The typing already shows; what it started from is what tells a change.
    const std::optional<Moeda> antes = m_antesDaPrevia ? m_antesDaPrevia->second : m_dados->valor(c->campo);
    m_antesDaPrevia.reset();
    m_dados->restaurar(c->campo, antes);
    const bool mudou = m_dados->informarDigitado(c->campo, valor.toString());
    atualizarTudo();
    if (mudou)
        emit alterado();
    return true;
}

QString ModeloValoresCabecalho::previa(const QModelIndex &indice, const QString &texto)
{
    const Celula *c = celula(indice);
    if (!c || !(flags(indice) & Qt::ItemIsEditable))
        return {};
    if (!m_antesDaPrevia)
        m_antesDaPrevia.emplace(c->campo, m_dados->valor(c->campo));
    m_dados->restaurar(c->campo, Moeda::lerDigitado(texto.trimmed()));
    atualizarTudo();
    return {};
}

void ModeloValoresCabecalho::encerrarPrevia()
{
    if (!m_antesDaPrevia)
        return;
    // The editor closed without the amount being accepted (Esc): the field is as before.
    m_dados->restaurar(m_antesDaPrevia->first, m_antesDaPrevia->second);
    m_antesDaPrevia.reset();
    atualizarTudo();
}

} // namespace kelpa
