#include "ModeloIdadeSaldo.h"

#include <QColor>

namespace kelpa {

ModeloIdadeSaldo::ModeloIdadeSaldo(bool ativo, bool operadoraDePlanos, QObject *parent)
    : ModeloValores(parent)
    , m_ativo(ativo)
    , m_operadoraDePlanos(operadoraDePlanos)
{
    if (ativo)
        m_colunas = {0, 1, 2, ColunaTotal, 3, 4, 5};
    else
        m_colunas = {6, 7, 8, 9};
}

QStringList ModeloIdadeSaldo::rotulosFaixas()
{
    return {QStringLiteral("a Vencer"),           QStringLiteral("Vencidos até 30 dias"),
            QStringLiteral("Vencidos 31 a 60 dias"), QStringLiteral("Vencidos 61 a 90 dias"),
            QStringLiteral("Vencidos 91 a 120 dias"), QStringLiteral("Vencidos 121 a 365 dias"),
            QStringLiteral("Vencidos + de 365 dias"), QStringLiteral("T O T A L")};
}

void ModeloIdadeSaldo::setDados(IdadeSaldo *idade)
{
    beginResetModel();
    m_idade = idade;
    m_previa.reset();
    m_emEdicao = QPersistentModelIndex();
    endResetModel();
}

void ModeloIdadeSaldo::setOperadoraDePlanos(bool operadoraDePlanos)
{
    m_operadoraDePlanos = operadoraDePlanos;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

QModelIndex ModeloIdadeSaldo::indiceDoCodigo(const QString &codigo) const
{
    for (int c = 0; c < m_colunas.size(); ++c) {
        if (m_colunas.at(c) == ColunaTotal)
            continue;
        const IdadeSaldo::Coluna &coluna = IdadeSaldo::colunas().at(m_colunas.at(c));
        for (int f = 0; f < IdadeSaldo::Faixas; ++f)
            if (coluna.codigo(f) == codigo)
                return index(f, c);
    }
    return {};
}

int ModeloIdadeSaldo::rowCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : IdadeSaldo::Faixas + 1;
}

int ModeloIdadeSaldo::columnCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : static_cast<int>(m_colunas.size());
}

QString ModeloIdadeSaldo::codigoDa(const QModelIndex &indice) const
{
    const int coluna = m_colunas.at(indice.column());
    if (coluna == ColunaTotal || indice.row() == LinhaTotal)
        return {};
    return IdadeSaldo::colunas().at(coluna).codigo(indice.row());
}

Moeda ModeloIdadeSaldo::quantia(const IdadeSaldo &idade, int linha, int coluna) const
{
    const int c = m_colunas.at(coluna);
    if (c == ColunaTotal)
        return linha == LinhaTotal ? idade.totalGeral() : idade.totalFaixa(linha);
    if (linha == LinhaTotal)
        return idade.totalColuna(c);
    return idade.valor(IdadeSaldo::colunas().at(c).codigo(linha));
}

QVariant ModeloIdadeSaldo::data(const QModelIndex &indice, int papel) const
{
    if (!indice.isValid() || !checkIndex(indice))
        return {};
    if (!m_idade)
        return papel == Qt::TextAlignmentRole ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    const QString codigo = codigoDa(indice);
    const bool total = codigo.isEmpty();
    const bool emEdicao = m_emEdicao.isValid() && indice == QModelIndex(m_emEdicao);
    const Moeda valor = quantia(*exibido(), indice.row(), indice.column());
    const bool emPrevia = m_previa && !emEdicao && valor != quantia(*m_idade, indice.row(), indice.column());
    switch (papel) {
    case Qt::DisplayRole:
        return valor.texto();
    case Qt::EditRole:
        return quantia(*m_idade, indice.row(), indice.column()).textoSemAgrupamento();
    case Qt::ToolTipRole: {
        const LinhaIdadeSaldo *l = total ? nullptr : m_idade->linha(codigo);
        return l && !l->dica.trimmed().isEmpty() ? QVariant(textoDica(l->dica)) : QVariant();
    }
    case Qt::FontRole:
        if (total || emPrevia) {
            QFont f;
            f.setBold(total);
            f.setItalic(emPrevia);
            return f;
        }
        return {};
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

Qt::ItemFlags ModeloIdadeSaldo::flags(const QModelIndex &indice) const
{
    if (!indice.isValid() || !checkIndex(indice))
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const QString codigo = codigoDa(indice);
    // Lines absent from the quarter's version are shown but never stored: not typed either.
    if (habilitado() && m_idade && !codigo.isEmpty() && m_idade->existeLinha(codigo))
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant ModeloIdadeSaldo::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao == Qt::Vertical) {
        if (papel == Qt::DisplayRole && secao >= 0 && secao <= LinhaTotal)
            return rotulosFaixas().at(secao);
        if (papel == Qt::FontRole && secao == LinhaTotal)
            return fonteTotal();
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    }
    if (secao < 0 || secao >= m_colunas.size())
        return {};
    if (papel == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignCenter);
    if (papel == Qt::FontRole && m_colunas.at(secao) == ColunaTotal)
        return fonteTotal();
    if (papel != Qt::DisplayRole)
        return {};
    switch (m_colunas.at(secao)) {
    case ColunaTotal:
        return QStringLiteral("T O T A L");
    case 0:
        return QStringLiteral("Planos\nIndividuais /\nFamiliares");
    case 1:
        return QStringLiteral("Planos\nColetivos\nPré-pagto");
    case 2:
        return QStringLiteral("Planos\nColetivos\nPós-pagto");
    case 3:
        return QStringLiteral("Taxa Adm. /\nParticipação\ndos Benef.");
    case 4:
        return QStringLiteral("Créditos\nde\nOperadoras");
    case 5:
        return QStringLiteral("Outros\nCréditos de\nOperações");
    case 6: {
        QStringList rotulos = IdadeSaldo::rotulosEventos(m_operadoraDePlanos);
        for (QString &r : rotulos)
            r = r.trimmed();
        return rotulos.join(u'\n');
    }
    case 7:
        return QStringLiteral("Débitos\ncom\nOperadoras");
    case 8:
        return QStringLiteral("Comercializ.\nSobre\nOperações");
    case 9:
        return QStringLiteral("Outros\nDébitos\nOperacionais");
    default:
        return {};
    }
}

bool ModeloIdadeSaldo::setData(const QModelIndex &indice, const QVariant &valor, int papel)
{
    if (papel != Qt::EditRole || !indice.isValid() || !checkIndex(indice) || !(flags(indice) & Qt::ItemIsEditable))
        return false;
    m_previa.reset();
    m_emEdicao = QPersistentModelIndex();
    QString mensagem;
    const bool aceito = m_idade->informar(codigoDa(indice), Moeda::lerDigitado(valor.toString()), &mensagem);
    atualizarTudo();
    emit alterado();
    if (!aceito)
        emit recusado(indice, mensagem);
    return true;
}

QString ModeloIdadeSaldo::previa(const QModelIndex &indice, const QString &texto)
{
    if (!m_idade || !(flags(indice) & Qt::ItemIsEditable))
        return {};
    IdadeSaldo copia = *m_idade;
    QString mensagem;
    copia.informar(codigoDa(indice), Moeda::lerDigitado(texto), &mensagem);
    m_previa = std::move(copia);
    m_emEdicao = indice;
    atualizarTudo();
    return mensagem;
}

void ModeloIdadeSaldo::encerrarPrevia()
{
    if (!m_previa)
        return;
    m_previa.reset();
    m_emEdicao = QPersistentModelIndex();
    atualizarTudo();
}

} // namespace kelpa
