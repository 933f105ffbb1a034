#include "ModeloDemonstracao.h"

#include "app/banco/ErroBanco.h"
#include "quadros/base/ui/DelegadoGrade.h"

#include <QColor>
#include <QSet>

namespace kelpa {

ModeloDemonstracao::ModeloDemonstracao(QObject *parent)
    : ModeloValores(parent)
{
}

void ModeloDemonstracao::setDemonstracao(DemonstracaoContabil *demonstracao)
{
    beginResetModel();
    m_demonstracao = demonstracao;
    m_previa.clear();
    m_linhaEmEdicao = -1;
    m_filhos.clear();
    if (m_demonstracao) {
        const auto &contas = m_demonstracao->contas();
        for (int i = 0; i < contas.size(); ++i)
            m_filhos[contas.at(i).compoe].append(i);
    }
    endResetModel();
}

void ModeloDemonstracao::setEdicao(bool ultimoTrimestre, bool modoEdicao)
{
    m_ultimoTrimestre = ultimoTrimestre;
    m_modoEdicao = modoEdicao;
    atualizarTudo();
}

int ModeloDemonstracao::rowCount(const QModelIndex &pai) const
{
    return pai.isValid() || !m_demonstracao ? 0 : static_cast<int>(m_demonstracao->contas().size());
}

int ModeloDemonstracao::columnCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : Colunas;
}

QVariant ModeloDemonstracao::data(const QModelIndex &indice, int papel) const
{
    if (!indice.isValid() || !checkIndex(indice) || !m_demonstracao)
        return {};
    const int linha = indice.row();
    const ContaDemonstracao &conta = m_demonstracao->contas().at(linha);
    const bool valor = indice.column() == Valor;
    const bool emPrevia = valor && m_previa.contains(linha) && linha != m_linhaEmEdicao;
    switch (papel) {
    case Qt::DisplayRole:
        if (!valor)
            return conta.descricaoRecuada();
        return emPrevia ? m_previa.value(linha).texto() : m_demonstracao->textoValor(linha);
    case Qt::EditRole:
        return valor ? m_demonstracao->textoParaEdicao(linha) : conta.descricaoRecuada();
    case Qt::ToolTipRole:
        if (!valor && !conta.dica.trimmed().isEmpty())
            return textoDica(conta.dica);
        return {};
    case Qt::FontRole:
        if (emPrevia || m_demonstracao->emNegrito(linha)) {
            QFont f;
            f.setBold(m_demonstracao->emNegrito(linha));
            f.setItalic(emPrevia);
            return f;
        }
        return {};
    case Qt::ForegroundRole:
        if (emPrevia && conta.editavel() && conta.deducao() && !m_previa.value(linha).zero())
            return QColor(Qt::red);
        if (valor && !emPrevia && m_demonstracao->emVermelho(linha))
            return QColor(Qt::red);
        return {};
    case Qt::TextAlignmentRole:
        return valor ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case DelegadoGrade::PapelEstadoTransmissao:
        return conta.estadoTransmissao;
    default:
        return {};
    }
}

Qt::ItemFlags ModeloDemonstracao::flags(const QModelIndex &indice) const
{
    if (!indice.isValid() || !checkIndex(indice) || !m_demonstracao)
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (indice.column() == Valor && m_demonstracao->editavelNaGrade(indice.row(), m_ultimoTrimestre, m_modoEdicao))
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant ModeloDemonstracao::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole)
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    return secao == Descricao ? QStringLiteral("Conta") : QStringLiteral("Valor (R$)");
}

bool ModeloDemonstracao::setData(const QModelIndex &indice, const QVariant &valor, int papel)
{
    if (papel != Qt::EditRole || !indice.isValid() || !checkIndex(indice) || !(flags(indice) & Qt::ItemIsEditable))
        return false;
    QList<int> mudaram;
    try {
        mudaram = m_demonstracao->digitar(indice.row(), valor.toString());
    } catch (const ErroBanco &e) {
        emit falhou(e.textoCompleto());
        return false;
    }
    encerrarPrevia();
    mudaram.append(indice.row()); // the cell shows the amount as accepted, even when unchanged
    avisarLinhas(mudaram);
    if (m_demonstracao->alterado())
        emit alterado();
    return true;
}

void ModeloDemonstracao::avisarLinhas(const QList<int> &linhas)
{
    for (int linha : QSet<int>(linhas.cbegin(), linhas.cend()))
        emit dataChanged(index(linha, 0), index(linha, Colunas - 1));
}

QString ModeloDemonstracao::previa(const QModelIndex &indice, const QString &texto)
{
    if (!m_demonstracao || !(flags(indice) & Qt::ItemIsEditable))
        return {};
    const auto &contas = m_demonstracao->contas();
    const QList<int> antes = m_previa.keys();
    m_previa.clear();
    m_linhaEmEdicao = indice.row();

    // What the accepted amount would do: the deduction rule, then every total above it.
    auto comRegra = [&contas](int linha, Moeda v) { return (contas.at(linha).deducao() && v.positivo()) ? -v : v; };
    m_previa.insert(indice.row(), comRegra(indice.row(), Moeda::lerDigitado(texto)));
    int atual = indice.row();
    for (qsizetype passos = 0; passos < contas.size(); ++passos) {
        const QString pai = contas.at(atual).compoe;
        if (pai.isEmpty() || pai == QLatin1String("0"))
            break;
        const int linhaPai = m_demonstracao->indice(pai);
        if (linhaPai < 0)
            break;
        Moeda soma;
        for (int filho : m_filhos.value(pai))
            soma += m_previa.contains(filho) ? m_previa.value(filho) : contas.at(filho).valor;
        m_previa.insert(linhaPai, comRegra(linhaPai, soma));
        atual = linhaPai;
    }
    // Amounts that would not change are not news.
    for (auto it = m_previa.begin(); it != m_previa.end();) {
        if (it.key() != m_linhaEmEdicao && it.value() == contas.at(it.key()).valor)
            it = m_previa.erase(it);
        else
            ++it;
    }
    QList<int> avisar = antes + m_previa.keys();
    avisar.removeAll(m_linhaEmEdicao);
    avisarLinhas(avisar);
    return {};
}

void ModeloDemonstracao::encerrarPrevia()
{
    if (m_previa.isEmpty() && m_linhaEmEdicao < 0)
        return;
    QList<int> avisar = m_previa.keys();
    m_previa.clear();
    m_linhaEmEdicao = -1;
    avisar.removeAll(-1);
    avisarLinhas(avisar);
}

} // namespace kelpa
