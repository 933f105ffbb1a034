#include "ModeloProvisoesTecnicas.h"

#include <QApplication>
#include <QColor>
#include <QPalette>

namespace kelpa {

namespace {

using Campo = ProvisoesTecnicas::Campo;

// Each caption is followed by dots up to the amount, as on the printed form.
QString comPontos(const QString &rotulo, int recuo)
{
    const QString recuado = QString(recuo * 6, u' ') + rotulo;
    return recuado + QLatin1Char(' ') + QString(std::max<qsizetype>(3, 70 - recuado.size()), u'.');
}

QString dicaContas(const char *medico, const char *odonto)
{
    return QStringLiteral("Informar o saldo das subcontas %1 (Planos Médico-Hospitalares)\ne %2 (Planos Odontológicos).")
        .arg(QLatin1String(medico), QLatin1String(odonto));
}

// The chart-of-accounts subaccounts each typed field takes its balance from.
QString dica(int campo, bool comRemissao)
{
    const QString remissao = QStringLiteral("Informar o saldo das contas que a operadora abriu sob \"Outras\" para a "
                                            "provisão de remissão:\n%1.");
    switch (campo) {
    case Campo::Risco:
        return dicaContas("21111", "21121");
    case Campo::Operacao:
        return dicaContas("21112", "21122");
    case Campo::EventosIbnr:
        return QStringLiteral("Informar o saldo da conta 2213 (Planos Médico-Hospitalares)\ne 2214 (Planos Odontológicos).");
    case Campo::Outras:
        return comRemissao ? QStringLiteral("Campo calculado automaticamente.") : dicaContas("21119", "21129");
    case Campo::RemCurto:
        return remissao.arg(QStringLiteral("parcela dos primeiros 12 meses"));
    case Campo::RemLongo:
        return remissao.arg(QStringLiteral("parcela do 13º mês até o final"));
    case Campo::RemOutras:
        return QStringLiteral("Informar o saldo das outras provisões, exceto a de remissão, das subcontas\n"
                              "21119 (Planos Médico-Hospitalares) e 21129 (Planos Odontológicos).");
    default:
        return QStringLiteral("Campo calculado automaticamente.");
    }
}

} // namespace

QList<ModeloProvisoesTecnicas::Linha> ModeloProvisoesTecnicas::linhasDoLeiaute(const QDate &trimestre)
{
    QList<Linha> linhas;
    for (const ProvisoesTecnicas::Linha &l : ProvisoesTecnicas::leiaute(trimestre))
        linhas << Linha{l.campo, comPontos(l.rotulo, l.recuo), dica(l.campo, ProvisoesTecnicas::comRemissao(trimestre))};
    return linhas;
}

void ModeloProvisoesTecnicas::setDados(ProvisoesTecnicas *provisoes)
{
    beginResetModel();
    m_provisoes = provisoes;
    m_linhas = provisoes ? linhasDoLeiaute(provisoes->trimestre()) : QList<Linha>();
    m_previa.fechar();
    endResetModel();
}

QModelIndex ModeloProvisoesTecnicas::indiceDoCampo(int campo) const
{
    for (int i = 0; i < m_linhas.size(); ++i)
        if (m_linhas.at(i).campo == campo)
            return index(i, Valor);
    return {};
}

int ModeloProvisoesTecnicas::rowCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : static_cast<int>(m_linhas.size());
}

int ModeloProvisoesTecnicas::columnCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : 2;
}

bool ModeloProvisoesTecnicas::calculada(const Linha &linha) const
{
    return linha.campo < 0 || !m_provisoes || !m_provisoes->entrada(static_cast<Campo>(linha.campo));
}

Moeda ModeloProvisoesTecnicas::valorExibido(const Linha &linha) const
{
    const ProvisoesTecnicas *p = m_previa.exibido(m_provisoes);
    if (!p)
        return {};
    return p->valorDaLinha(linha.campo);
}

QVariant ModeloProvisoesTecnicas::data(const QModelIndex &indice, int papel) const
{
    if (!indice.isValid() || !checkIndex(indice))
        return {};
    const Linha &linha = m_linhas.at(indice.row());
    const bool valor = indice.column() == Valor;
    switch (papel) {
    case Qt::DisplayRole:
        return valor ? QVariant(valorExibido(linha).texto()) : QVariant(linha.rotulo);
    case Qt::EditRole:
        if (!valor)
            return linha.rotulo;
        return m_provisoes && linha.campo >= 0 ? m_provisoes->valor(static_cast<Campo>(linha.campo)).textoSemAgrupamento()
                                               : QVariant();
    case Qt::ToolTipRole:
        return textoDica(linha.dica);
    case Qt::FontRole: {
        const bool emPrevia = valor && m_previa.ativa() && indice.row() != m_previa.linha()
                              && valorExibido(linha) != m_provisoes->valorDaLinha(linha.campo);
        if (!calculada(linha) && !emPrevia)
            return {};
        QFont f;
        f.setBold(calculada(linha));
        f.setItalic(emPrevia);
        return f;
    }
    case Qt::BackgroundRole:
        // Computed amounts, and every amount of an older quarter not being edited, are on the button face.
        if (valor && (calculada(linha) || !habilitado()))
            return QApplication::palette().color(QPalette::Button);
        return {};
    case Qt::ForegroundRole:
        return valor && valorExibido(linha).negativo() ? QVariant(QColor(Qt::red)) : QVariant();
    case Qt::TextAlignmentRole:
        return valor ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

Qt::ItemFlags ModeloProvisoesTecnicas::flags(const QModelIndex &indice) const
{
    if (!indice.isValid() || !checkIndex(indice))
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (habilitado() && indice.column() == Valor && !calculada(m_linhas.at(indice.row())))
        f |= Qt::ItemIsEditable;
    return f;
}

bool ModeloProvisoesTecnicas::setData(const QModelIndex &indice, const QVariant &valor, int papel)
{
    if (papel != Qt::EditRole || !indice.isValid() || !checkIndex(indice) || !(flags(indice) & Qt::ItemIsEditable))
        return false;
    m_previa.fechar();
    const bool mudou = m_provisoes->informar(static_cast<Campo>(m_linhas.at(indice.row()).campo),
                                             Moeda::lerDigitado(valor.toString()));
    atualizarTudo();
    if (mudou)
        emit alterado();
    return true;
}

QString ModeloProvisoesTecnicas::previa(const QModelIndex &indice, const QString &texto)
{
    if (!m_provisoes || !(flags(indice) & Qt::ItemIsEditable))
        return {};
    m_previa.abrir(*m_provisoes, indice.row())
        .informar(static_cast<Campo>(m_linhas.at(indice.row()).campo), Moeda::lerDigitado(texto));
    atualizarTudo();
    return {};
}

void ModeloProvisoesTecnicas::encerrarPrevia()
{
    if (m_previa.fechar())
        atualizarTudo();
}

} // namespace kelpa
