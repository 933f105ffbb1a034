#include "ModeloLucrosPrejuizos.h"

#include <QApplication>
#include <QColor>
#include <QPalette>

namespace kelpa {

const QString ModeloLucrosPrejuizos::RotuloSaldoAnterior =
    QStringLiteral("Saldo em 31 de Dezembro do exercício anterior .............");
const QString ModeloLucrosPrejuizos::RotuloMovimento = QStringLiteral("Movimento no exercício:");
const QString ModeloLucrosPrejuizos::RotuloSaldoAtual =
    QStringLiteral("SALDO DO EXERCÍCIO ATUAL ...............................");
const QString ModeloLucrosPrejuizos::DicaSaldoAnterior =
    QStringLiteral("Informar o saldo existente em 31/12/exercício \r\nanterior nas contas 2518; ou 2618; ou 2718, \r\n"
                   "conforme a natureza jurídica da operadora.");
const QString ModeloLucrosPrejuizos::DicaSaldoAtual =
    QStringLiteral("Campo calculado automaticamente e deverá ser \r\nigual ao valor da linha de Lucros (Superávits) ou \r\n"
                   "Prejuízos (Déficits) Acumulados do Quadro 12.");

void ModeloLucrosPrejuizos::setDados(LucrosPrejuizos *dados)
{
    beginResetModel();
    m_dados = dados;
    m_previa.fechar();
    endResetModel();
}

int ModeloLucrosPrejuizos::linhaMovimento() const
{
    return m_dados ? linhaItem(static_cast<int>(m_dados->itens().size())) : -1;
}

int ModeloLucrosPrejuizos::linhaSaldoAtual() const
{
    return m_dados ? linhaMovimento() + 1 : -1;
}

int ModeloLucrosPrejuizos::rowCount(const QModelIndex &pai) const
{
    return pai.isValid() || !m_dados ? 0 : linhaSaldoAtual() + 1;
}

int ModeloLucrosPrejuizos::columnCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : 3;
}

std::optional<Moeda> ModeloLucrosPrejuizos::valor(const LucrosPrejuizos &dados, const QModelIndex &indice) const
{
    const int linha = indice.row();
    const bool acumulado = indice.column() == Acumulado;
    if (indice.column() == Descricao)
        return std::nullopt;
    if (linha == linhaSaldoAnterior())
        return acumulado ? std::optional(dados.saldoAnterior()) : std::nullopt;
    if (linha == linhaSaldoAtual())
        return acumulado ? std::optional(dados.saldoAtual()) : std::nullopt;
    if (linha == linhaMovimento())
        return acumulado ? dados.totalAcumulado() : dados.totalTrimestre();
    const LucrosPrejuizos::Item &item = dados.itens().at(linha - 1);
    return acumulado ? item.acumulado() : item.valor;
}

bool ModeloLucrosPrejuizos::calculada(const QModelIndex &indice) const
{
    const int linha = indice.row();
    if (linha == linhaSaldoAnterior())
        return !m_dados->saldoAnteriorEditavel();
    return linha == linhaMovimento() || linha == linhaSaldoAtual() || indice.column() == Acumulado;
}

QVariant ModeloLucrosPrejuizos::data(const QModelIndex &indice, int papel) const
{
    if (!indice.isValid() || !checkIndex(indice) || !m_dados)
        return {};
    const int linha = indice.row();
    const bool total = linha == linhaMovimento() || linha == linhaSaldoAtual();
    const bool item = !total && linha != linhaSaldoAnterior();
    const std::optional<Moeda> exibido = valor(*m_previa.exibido(m_dados), indice);
    switch (papel) {
    case Qt::DisplayRole:
        if (indice.column() != Descricao)
            return exibido ? exibido->texto() : QString();
        if (linha == linhaSaldoAnterior())
            return RotuloSaldoAnterior;
        if (linha == linhaMovimento())
            return RotuloMovimento;
        if (linha == linhaSaldoAtual())
            return RotuloSaldoAtual;
        return m_dados->itens().at(linha - 1).descricao;
    case Qt::EditRole: {
        if (indice.column() == Descricao)
            return data(indice, Qt::DisplayRole);
        const std::optional<Moeda> gravado = valor(*m_dados, indice);
        return gravado ? gravado->textoSemAgrupamento() : QString();
    }
    case Qt::ToolTipRole:
        if (item)
            return indice.column() == Acumulado ? textoDica(QStringLiteral("Campo calculado automaticamente."))
                                                : textoDica(m_dados->itens().at(linha - 1).dica);
        if (linha == linhaSaldoAnterior())
            // Typed only in the year's first quarter: elsewhere there is nothing to tell.
            return m_dados->saldoAnteriorEditavel() ? textoDica(DicaSaldoAnterior) : QVariant();
        return textoDica(linha == linhaSaldoAtual() ? DicaSaldoAtual : QStringLiteral("Campo calculado automaticamente."));
    case Qt::FontRole:
        return total ? QVariant(fonteTotal()) : QVariant();
    case Qt::BackgroundRole:
        // What the user cannot type is on the button face (so are the cells without an
        // amount), as is every amount of an older quarter until the user asks to edit it.
        if (indice.column() != Descricao && (!exibido || calculada(indice) || !habilitado()))
            return QApplication::palette().color(QPalette::Button);
        return {};
    case Qt::ForegroundRole:
        return exibido && exibido->negativo() ? QVariant(QColor(Qt::red)) : QVariant();
    case Qt::TextAlignmentRole:
        return indice.column() == Descricao ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                            : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant ModeloLucrosPrejuizos::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole)
        return ModeloValores::headerData(secao, orientacao, papel);
    switch (secao) {
    case Trimestre:
        return QStringLiteral("No Trimestre");
    case Acumulado:
        return QStringLiteral("ACUMULADO");
    default:
        return QString();
    }
}

Qt::ItemFlags ModeloLucrosPrejuizos::flags(const QModelIndex &indice) const
{
    if (!indice.isValid() || !checkIndex(indice) || !m_dados)
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (habilitado() && valor(*m_dados, indice) && !calculada(indice))
        f |= Qt::ItemIsEditable;
    return f;
}

bool ModeloLucrosPrejuizos::informar(LucrosPrejuizos &dados, const QModelIndex &indice, Moeda valor) const
{
    if (indice.row() == linhaSaldoAnterior())
        return dados.informarSaldoAnterior(valor);
    return dados.informar(indice.row() - 1, valor);
}

bool ModeloLucrosPrejuizos::setData(const QModelIndex &indice, const QVariant &valor, int papel)
{
    if (papel != Qt::EditRole || !indice.isValid() || !checkIndex(indice) || !(flags(indice) & Qt::ItemIsEditable))
        return false;
    m_previa.fechar();
    const bool mudou = informar(*m_dados, indice, Moeda::lerDigitado(valor.toString()));
    atualizarTudo();
    if (mudou)
        emit alterado();
    return true;
}

QString ModeloLucrosPrejuizos::previa(const QModelIndex &indice, const QString &texto)
{
    if (!m_dados || !(flags(indice) & Qt::ItemIsEditable))
        return {};
    informar(m_previa.abrir(*m_dados, indice.row()), indice, Moeda::lerDigitado(texto));
    atualizarTudo();
    return {};
}

void ModeloLucrosPrejuizos::encerrarPrevia()
{
    if (m_previa.fechar())
        atualizarTudo();
}

} // namespace kelpa
